#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

// One open database file. Statements either apply whole or raise DbException with the
// engine's message. Parameters in SQL text are written "?" (taken in order from the list) or
// ":[Name]" (taken from the named map); dates are bound as their stored text.
struct sqlite3;

class Database
{
public:
    Database();
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // How a file is opened: Auto opens it for reading only when the file or its folder cannot
    // be written (a write-protected copy, a read-only share), so that it can still be shown.
    enum class Access { Auto, ReadWrite, ReadOnly };

    // Opens an existing file; a missing or empty file is an error (nothing is created).
    void open(const QString &path, Access access = Access::Auto);
    // True when the open file can only be read: every statement that writes fails.
    bool isReadOnly() const { return m_readOnly; }
    // False when the file or its folder cannot be written by this user.
    static bool isWritable(const QString &path);
    // Makes a new, empty database file (an existing file is an error).
    static void create(const QString &path);
    // Refreshes the engine's statistics where they are missing or stale, when this connection
    // changed rows, then closes. A file that was only read is left byte for byte as it was.
    void close();
    bool isOpen() const;
    // Rows inserted, updated or deleted through this connection since it was opened (triggers'
    // rows included, a rolled-back change still counted); 0 when closed.
    qint64 changeCount() const;
    QString path() const { return m_path; }

    // Runs one statement and returns the executed query, positioned before its first row.
    QSqlQuery execute(const QString &sql, const QVariantList &params = {},
                      const QVariantMap &named = {});
    // First column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString &sql, const QVariantList &params = {},
                    const QVariantMap &named = {});
    bool tableExists(const QString &table);
    // Empty when the engine's quick check finds every page sound; otherwise its first finding (an
    // engine failure during the check is one too). Opening reads only the schema, so a damaged
    // page elsewhere is found only this way. A file that another program holds for longer than
    // the wait for a lock cannot be checked, and is not called damaged for it.
    QString pageDamage();

    // Transactions nest; the outermost commit makes the changes durable. The outermost level
    // of a writable file takes the write lock at once, so that another program's short write
    // is waited for: a transaction that read first could not wait for it when it turns to
    // writing.
    void beginTrans();
    void commitTrans();
    void rollback();
    int transactionDepth() const { return m_depth; }

    QSqlDatabase connection() const;
    // The engine's own handle of the open connection, for what Qt SQL does not reach (statement
    // checks, progress handlers). Raises DbException when the driver is not SQLite's.
    sqlite3 *engine() const;

private:
    QString m_connectionName;
    QString m_path;
    int m_depth = 0;
    // True when the outermost level began the engine's transaction (not a caller's BEGIN).
    bool m_ownsBegin = false;
    bool m_readOnly = false;
};

// Rolls back on destruction unless committed, so an exception on any path undoes the work.
class Transaction
{
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();

private:
    Database &m_db;
    bool m_open = true;
};
