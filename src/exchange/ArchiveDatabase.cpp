#include "ArchiveDatabase.h"

#include "db/DbException.h"
#include "db/RowCursor.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <sqlite3.h>

namespace {

int spend(void *context)
{
    auto *budget = static_cast<ArchiveDatabase::Budget *>(context);
    if (--budget->left > 0)
        return 0;
    budget->exhausted = true;
    return 1; // interrupts the statement
}

} // namespace

ArchiveDatabase::ArchiveDatabase() : m_budget(std::make_unique<Budget>()) {}

ArchiveDatabase::~ArchiveDatabase()
{
    try {
        if (m_db.isOpen())
            sqlite3_progress_handler(m_db.engine(), 0, nullptr, nullptr);
    } catch (const DbException &) {
        // Not SQLite: no handler was installed.
    }
    m_db.close();
}

qint64 ArchiveDatabase::workBudget(qint64 fileSize)
{
    // Two hundred million steps (a second or two) for any file and a hundred steps per byte on
    // top: checking and merging a real archive takes a few steps per byte, an endless or
    // quadratic query is stopped.
    return 200000 + fileSize / 10;
}

bool ArchiveDatabase::workExhausted() const
{
    return m_budget->exhausted;
}

void ArchiveDatabase::open(const QString &path)
{
    m_db.open(path);
    try {
        secure(path);
    } catch (...) {
        m_db.close();
        throw;
    }
}

void ArchiveDatabase::secure(const QString &path)
{
    sqlite3 *handle = m_db.engine();
    m_budget->left = workBudget(QFileInfo(path).size());
    m_budget->exhausted = false;
    sqlite3_progress_handler(handle, StepsPerCall, spend, m_budget.get());
    m_db.execute(QStringLiteral("PRAGMA cell_size_check = ON"));
    m_db.execute(QStringLiteral("PRAGMA query_only = ON"));

    const QVariant foreign = m_db.scalar(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type NOT IN ('table', 'index') "
                       "OR (type = 'table' AND sql LIKE 'CREATE VIRTUAL%') LIMIT 1"));
    if (foreign.isValid())
        throw DbException(tr("The archive's database holds %1, which is not a plain table.")
                              .arg(foreign.toString()));
    QSqlQuery check = m_db.execute(QStringLiteral("PRAGMA quick_check(1)"));
    if (!RowCursor(check).next() || check.value(0).toString() != QLatin1String("ok"))
        throw DbException(tr("The archive's database is damaged."), DbErrorKind::Damaged);
}
