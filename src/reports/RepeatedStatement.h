#pragma once

#include <QSqlQuery>
#include <QVariantList>

class Database;

// One SQL statement prepared once and run many times with "?" values, for the row-by-row
// writes of processing and pagination. A failure raises DbException with the engine's message.
class RepeatedStatement
{
public:
    RepeatedStatement(Database &db, const QString &sql);

    void run(const QVariantList &values);

private:
    QSqlQuery m_query;
};
