#include "Database.h"

#include "DbDate.h"
#include "DbException.h"
#include "ForwardCursor.h"
#include "RowCursor.h"
#include "SqlText.h"
#include "base/SinglePrecision.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <sqlite3.h>

#include <algorithm>
#include <iterator>

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("verdimo-%1").arg(counter.fetchAndAddRelaxed(1));
}

// SQL on every connection may call SINGLE(x): x rounded to single precision, the precision
// hours and quantities are kept in, so that statements writing them store what the program
// itself would.
void singlePrecision(sqlite3_context *context, int, sqlite3_value **arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL)
        sqlite3_result_null(context);
    else
        sqlite3_result_double(context,
                              SinglePrecision::rounded(sqlite3_value_double(arguments[0])));
}

// The engine's last failure on a connection, of the kind its result code names.
DbException engineFailure(sqlite3 *engine)
{
    return DbException(QString::fromUtf8(sqlite3_errmsg(engine)),
                       DbException::kindOf(sqlite3_extended_errcode(engine), true));
}

sqlite3 *engineOf(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw DbException(QStringLiteral("The database engine is not SQLite."));
    return *static_cast<sqlite3 *const *>(handle.constData());
}

void addFunctions(const QSqlDatabase &db)
{
    sqlite3 *engine = engineOf(db);
    // Innocuous: it has no side effects, so a view or trigger may call it with the schema
    // untrusted.
    if (sqlite3_create_function_v2(engine, "SINGLE", 1,
                                   SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                                   singlePrecision, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw engineFailure(engine);
}

// A file may come from anywhere (a restored backup, an imported archive): its schema gets no
// more rights than the program's own SQL. Defensive mode refuses the statements that could
// corrupt the file on purpose (writing the schema table or the pages directly); with the schema
// untrusted, its views and triggers may call only side-effect-free functions.
void guardAgainstFileContent(const QSqlDatabase &db)
{
    sqlite3 *engine = engineOf(db);
    int defensive = 0;
    if (sqlite3_db_config(engine, SQLITE_DBCONFIG_DEFENSIVE, 1, &defensive) != SQLITE_OK ||
        defensive != 1)
        throw DbException(QStringLiteral("The database engine could not be made defensive."));
    int trusted = 1;
    if (sqlite3_db_config(engine, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, &trusted) != SQLITE_OK ||
        trusted != 0)
        throw DbException(QStringLiteral("The database engine could not untrust the schema."));
}

// Another program (a second window, the command line) holds the file only for the moments it
// commits: a write waits that long rather than failing at once. Five seconds covers a large
// import's commit on a slow disk, and is still short enough for the user to be told, rather
// than left waiting, when a lock is really held.
constexpr int LockWaitMs = 5000;

// Called by the engine while the file is locked. A list of this program that holds a read
// between its rows is let go first, so that a write of the same program does not wait on it.
int waitForLock(void *writer, int attempt)
{
    if (ForwardCursor::releaseIdle(*static_cast<const Database *>(writer)))
        return 1;
    // Short waits first, as most locks are a commit of a few milliseconds.
    static constexpr int delays[] = {1, 2, 5, 10, 15, 20, 25, 25, 25, 50, 50, 100};
    constexpr int steps = int(std::size(delays));
    int waited = 0;
    for (int step = 0; step < std::min(attempt, steps); ++step)
        waited += delays[step];
    if (attempt > steps)
        waited += (attempt - steps) * delays[steps - 1];
    if (waited >= LockWaitMs)
        return 0;
    sqlite3_sleep(std::min(delays[std::min(attempt, steps - 1)], LockWaitMs - waited));
    return 1;
}

void waitForShortLocks(const QSqlDatabase &db, Database *writer)
{
    sqlite3 *engine = engineOf(db);
    if (sqlite3_busy_handler(engine, waitForLock, writer) != SQLITE_OK)
        throw engineFailure(engine);
}

} // namespace

Database::Database() : m_connectionName(nextConnectionName()) {}

Database::~Database()
{
    close();
    QSqlDatabase::removeDatabase(m_connectionName);
}

void Database::open(const QString &path, Access access)
{
    close();
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        throw DbException(QStringLiteral("Could not find file '%1'.").arg(path));
    // SQLite takes an empty file for a new database and would start writing one into it.
    if (info.size() == 0)
        throw DbException(QStringLiteral("The file '%1' is empty.").arg(path),
                          DbErrorKind::Damaged);
    const bool readOnly =
        access == Access::ReadOnly || (access == Access::Auto && !isWritable(path));
    QSqlDatabase db = QSqlDatabase::contains(m_connectionName)
                          ? QSqlDatabase::database(m_connectionName, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(path);
    db.setConnectOptions(readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY") : QString());
    if (!db.open())
        throw DbException::fromError(db.lastError());
    m_path = path;
    m_readOnly = readOnly;
    try {
        guardAgainstFileContent(db);
        waitForShortLocks(db, this);
        // Reading the schema fails at once on a file that is not a database.
        execute(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        execute(QStringLiteral("PRAGMA foreign_keys = OFF"));
        addFunctions(db);
    } catch (...) {
        close();
        throw;
    }
}

bool Database::isWritable(const QString &path)
{
    // A change also writes a journal beside the file, so the folder must take new files too.
    const QFileInfo info(path);
    return info.isWritable() && QFileInfo(info.absolutePath()).isWritable();
}

void Database::create(const QString &path)
{
    if (QFileInfo::exists(path))
        throw DbException(QStringLiteral("Database '%1' already exists.").arg(path));
    const QString name = nextConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        bool ok = db.open();
        DbException failure = ok ? DbException(QString()) : DbException::fromError(db.lastError());
        if (ok) {
            // SQLite writes the file on the first change.
            QSqlQuery query(db);
            ok = query.exec(QStringLiteral("PRAGMA user_version = 0")) &&
                 query.exec(QStringLiteral("VACUUM"));
            if (!ok)
                failure = DbException::fromError(query.lastError(), true);
        }
        db.close();
        if (!ok) {
            QSqlDatabase::removeDatabase(name);
            throw failure;
        }
    }
    QSqlDatabase::removeDatabase(name);
}

void Database::close()
{
    // Their statements end before the connection they run on.
    ForwardCursor::closeAll(*this);
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (db.isOpen()) {
        if (m_depth > 0)
            db.rollback();
        if (!m_readOnly && changeCount() > 0) {
            // Keeps the engine's statistics in step with the data, so that its plans do not
            // age as the years of cards grow. Only after a change: a farm that was only looked
            // at is not rewritten. A failure only leaves the statistics as they were.
            // It does not wait for a file another connection is reading (a list read as it is
            // scrolled): the statistics can be refreshed at the next close.
            QSqlQuery optimize(db);
            optimize.exec(QStringLiteral("PRAGMA busy_timeout = 0"));
            optimize.exec(QStringLiteral("PRAGMA optimize"));
        }
        db.close();
    }
    m_depth = 0;
    m_ownsBegin = false;
    m_path.clear();
    m_readOnly = false;
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName) &&
           QSqlDatabase::database(m_connectionName, false).isOpen();
}

QString Database::pageDamage()
{
    try {
        const QString found = scalar(QStringLiteral("PRAGMA quick_check(1)")).toString();
        return found == QLatin1String("ok") ? QString() : found;
    } catch (const DbException &e) {
        return e.kind() == DbErrorKind::Busy ? QString() : e.message();
    }
}

qint64 Database::changeCount() const
{
    if (!isOpen())
        return 0;
    return sqlite3_total_changes64(engine());
}

sqlite3 *Database::engine() const
{
    return engineOf(connection());
}

QSqlDatabase Database::connection() const
{
    if (!isOpen())
        throw DbException(QStringLiteral("The database is not open."));
    return QSqlDatabase::database(m_connectionName, false);
}

QSqlQuery Database::execute(const QString &sql, const QVariantList &params,
                            const QVariantMap &named)
{
    const SqlText bound = SqlText::bind(sql, params, named);
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.prepare(bound.sql))
        throw DbException::fromError(query.lastError(), true);
    for (const QVariant &value : bound.values)
        query.addBindValue(DbDate::toStored(value));
    if (!query.exec())
        throw DbException::fromError(query.lastError(), true);
    return query;
}

QVariant Database::scalar(const QString &sql, const QVariantList &params, const QVariantMap &named)
{
    QSqlQuery query = execute(sql, params, named);
    return RowCursor(query).next() ? query.value(0) : QVariant();
}

bool Database::tableExists(const QString &table)
{
    return scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND "
                                 "name = ? COLLATE NOCASE"),
                  {table})
               .toInt() > 0;
}

void Database::beginTrans()
{
    const bool begin = m_depth == 0 && !m_readOnly && sqlite3_get_autocommit(engine());
    if (begin)
        execute(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        execute(QStringLiteral("SAVEPOINT level%1").arg(m_depth + 1));
    } catch (const DbException &) {
        if (begin)
            QSqlQuery(connection()).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
    if (m_depth == 0)
        m_ownsBegin = begin;
    ++m_depth;
}

void Database::commitTrans()
{
    if (m_depth == 0)
        throw DbException(QStringLiteral("Commit without a transaction."));
    execute(QStringLiteral("RELEASE SAVEPOINT level%1").arg(m_depth));
    --m_depth;
    if (m_depth == 0 && m_ownsBegin) {
        m_ownsBegin = false;
        try {
            execute(QStringLiteral("COMMIT"));
        } catch (const DbException &) {
            // A commit that fails (a full disk) leaves nothing half written behind.
            QSqlQuery(connection()).exec(QStringLiteral("ROLLBACK"));
            throw;
        }
    }
}

void Database::rollback()
{
    if (m_depth == 0)
        throw DbException(QStringLiteral("Rollback without a transaction."));
    // A full disk, a lock or a damaged page may have made the engine undo the whole
    // transaction already: every level is gone then, and an outer commit must fail.
    if (sqlite3_get_autocommit(engine())) {
        m_depth = 0;
        m_ownsBegin = false;
        return;
    }
    const int level = m_depth;
    try {
        execute(QStringLiteral("ROLLBACK TO SAVEPOINT level%1").arg(level));
        execute(QStringLiteral("RELEASE SAVEPOINT level%1").arg(level));
        --m_depth;
        if (m_depth == 0 && m_ownsBegin) {
            m_ownsBegin = false;
            execute(QStringLiteral("ROLLBACK"));
        }
    } catch (const DbException &) {
        // A level that cannot be undone leaves the whole transaction in doubt: all of it goes.
        m_depth = 0;
        m_ownsBegin = false;
        QSqlQuery(connection()).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

Transaction::Transaction(Database &db) : m_db(db)
{
    m_db.beginTrans();
}

Transaction::~Transaction()
{
    if (!m_open)
        return;
    try {
        m_db.rollback();
    } catch (const DbException &) {
        // The connection is gone; there is nothing left to undo.
    }
}

void Transaction::commit()
{
    m_db.commitTrans();
    m_open = false;
}
