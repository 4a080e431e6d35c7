#include "RepeatedStatement.h"

#include "db/Database.h"
#include "db/DbException.h"

#include <QSqlError>

namespace {

QString engineMessage(const QSqlError &error)
{
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

} // namespace

RepeatedStatement::RepeatedStatement(Database &db, const QString &sql) : m_query(db.connection())
{
    m_query.setForwardOnly(true);
    if (!m_query.prepare(sql))
        throw DbException(engineMessage(m_query.lastError()));
}

void RepeatedStatement::run(const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i)
        m_query.bindValue(i, values.at(i));
    if (!m_query.exec())
        throw DbException(engineMessage(m_query.lastError()));
}
