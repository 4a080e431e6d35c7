#include "FarmFaults.h"

#include "db/Database.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>
#include <QUuid>
#include <QtEndian>

namespace FarmFaults {

namespace {

constexpr char InteriorTablePage = 0x05;
constexpr char LeafTablePage = 0x0d;

struct TablePage
{
    qint64 page = 0;
    qint64 pageSize = 0;
};

// The root page of table and the file's page size.
TablePage rootOf(const QString &path, const QString &table)
{
    Database db;
    db.open(path);
    const qint64 page =
        db.scalar(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE type = 'table' "
                                 "AND name = ?"),
                  {table})
            .toLongLong();
    return {page, db.scalar(QStringLiteral("PRAGMA page_size")).toLongLong()};
}

QByteArray readPage(QFile &file, qint64 page, qint64 pageSize)
{
    if (!file.seek((page - 1) * pageSize))
        qFatal("could not seek to page %lld", page);
    const QByteArray bytes = file.read(pageSize);
    if (bytes.size() != pageSize)
        qFatal("could not read page %lld", page);
    return bytes;
}

} // namespace

void zeroTablePage(const QString &path, const QString &table)
{
    const auto [page, pageSize] = rootOf(path, table);
    QFile file(path);
    if (page < 2 || !file.open(QIODevice::ReadWrite) || !file.seek((page - 1) * pageSize) ||
        file.write(QByteArray(pageSize, '\0')) != pageSize)
        qFatal("could not damage the table %s of %s", qPrintable(table), qPrintable(path));
}

void zeroLastTablePage(const QString &path, const QString &table)
{
    auto [page, pageSize] = rootOf(path, table);
    QFile file(path);
    if (page < 2 || !file.open(QIODevice::ReadWrite))
        qFatal("could not open the table %s of %s", qPrintable(table), qPrintable(path));
    // The right-most child of each interior page, down to the leaf with the highest rowids.
    bool descended = false;
    for (;;) {
        const QByteArray bytes = readPage(file, page, pageSize);
        if (bytes.at(0) == LeafTablePage)
            break;
        if (bytes.at(0) != InteriorTablePage)
            qFatal("page %lld of %s is not a table page", page, qPrintable(table));
        page = qFromBigEndian<quint32>(bytes.constData() + 8);
        descended = true;
    }
    if (!descended)
        qFatal("the table %s fits one page: add rows", qPrintable(table));
    if (!file.seek((page - 1) * pageSize) || file.write(QByteArray(pageSize, '\0')) != pageSize)
        qFatal("could not damage the table %s of %s", qPrintable(table), qPrintable(path));
}

std::optional<DbErrorKind> failureKind(const std::function<void()> &work)
{
    try {
        work();
    } catch (const DbException &error) {
        return error.kind();
    }
    return std::nullopt;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("could not read %s", qPrintable(path));
    return file.readAll();
}

ExclusiveLock::ExclusiveLock(const QString &path)
    : m_connection(QStringLiteral("ExclusiveLock-") + QUuid::createUuid().toString())
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(path);
    QSqlQuery query(db);
    if (!db.open() || !query.exec(QStringLiteral("BEGIN EXCLUSIVE")))
        qFatal("could not lock %s", qPrintable(path));
}

ExclusiveLock::~ExclusiveLock()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

ShortWrite::ShortWrite(const QString &path, Lock lock, int holdMs)
    : m_thread([this, path, lock, holdMs] {
          // The lock is reported as held even when taking it failed, so the test never hangs;
          // finish() then tells what went wrong.
          bool released = false;
          try {
              Database db;
              db.open(path);
              db.execute(lock == Lock::Exclusive ? QStringLiteral("BEGIN EXCLUSIVE")
                                                 : QStringLiteral("BEGIN IMMEDIATE"));
              db.execute(QStringLiteral("INSERT INTO Operai (Codice, Nome) VALUES (1, 'Other')"));
              m_held.release();
              released = true;
              QThread::msleep(holdMs);
              db.execute(QStringLiteral("COMMIT"));
          } catch (const DbException &error) {
              m_failure = error.message();
          }
          if (!released)
              m_held.release();
      })
{
    m_held.acquire();
}

ShortWrite::~ShortWrite()
{
    if (m_thread.joinable())
        m_thread.join();
}

QString ShortWrite::finish()
{
    if (m_thread.joinable())
        m_thread.join();
    return m_failure;
}

} // namespace FarmFaults
