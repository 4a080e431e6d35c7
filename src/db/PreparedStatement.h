#pragma once

#include <QSqlQuery>
#include <QVariant>

class Database;

// One SQL statement prepared once and run many times with new "?" values, for row-by-row
// work such as merging an archive, processing and pagination. Dates are bound as their stored
// text. Failures raise DbException with the engine's message.
class PreparedStatement
{
public:
    PreparedStatement(Database &db, const QString &sql);

    // Runs the statement; the query is positioned before its first row.
    QSqlQuery &exec(const QVariantList &values = {});
    // First column of the first row, or an invalid QVariant when there is none.
    QVariant scalar(const QVariantList &values = {});
    // Runs an INSERT and returns the new row's key.
    qint64 insert(const QVariantList &values);

private:
    [[noreturn]] void fail() const;

    QSqlQuery m_query;
};
