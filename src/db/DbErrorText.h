#pragma once

#include <QCoreApplication>
#include <QString>

class DbException;

// What the user reads about a failed database command: one sentence for the kind of failure,
// naming the file and what to do next, then the engine's own words.
class DbErrorText
{
    Q_DECLARE_TR_FUNCTIONS(DbErrorText)

public:
    static QString describe(const DbException &error, const QString &file);
};
