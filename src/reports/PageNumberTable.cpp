#include "PageNumberTable.h"

#include "db/Database.h"
#include "db/DbException.h"

#include <sqlite3.h>

namespace {

// A file opened for writing may still refuse it: a write-protected file the engine opened for
// reading after all, or one replaced under the connection.
bool refusedAsReadOnly(const DbException &error)
{
    return error.message().contains(QString::fromUtf8(sqlite3_errstr(SQLITE_READONLY)));
}

} // namespace

PageNumberTable::PageNumberTable(Database &db, QString name) : m_db(db), m_name(std::move(name)) {}

void PageNumberTable::reset()
{
    m_db.execute(QStringLiteral("DROP TABLE IF EXISTS temp.[%1]").arg(m_name));
    if (!m_db.isReadOnly()) {
        try {
            m_db.execute(QStringLiteral("UPDATE main.[%1] SET NumPag = 0, Ultimo = 0").arg(m_name));
            return;
        } catch (const DbException &error) {
            if (!refusedAsReadOnly(error))
                throw;
        }
    }
    copyToTemporaryStore();
}

void PageNumberTable::copyToTemporaryStore()
{
    // The rows keep their order: the reports read them by rowid within a page.
    m_db.execute(QStringLiteral("CREATE TEMP TABLE [%1] AS SELECT * FROM main.[%1] ORDER BY rowid")
                     .arg(m_name));
    m_db.execute(QStringLiteral("UPDATE temp.[%1] SET NumPag = 0, Ultimo = 0").arg(m_name));
}
