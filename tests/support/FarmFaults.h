#pragma once

#include "db/DbException.h"

#include <QByteArray>
#include <QString>

#include <QSemaphore>

#include <functional>
#include <optional>
#include <thread>

// Farms that fail the way real ones do: another program holding the file, a page of a table
// overwritten with zeros. Tests open them to see a command end with the right message, the file
// unchanged.
namespace FarmFaults {

// Overwrites the root page of table with zeros: the file still opens, but reading the table
// fails as on a damaged disk.
void zeroTablePage(const QString &path, const QString &table);

// Overwrites with zeros the page that holds the last rows of table (in rowid order), leaving
// its first pages sound: a read of the whole table gets its first rows and then fails, as on a
// disk that lost one page. The table must fill more than one page.
void zeroLastTablePage(const QString &path, const QString &table);

// The kind of the database failure of work, or nothing when it succeeds.
std::optional<DbErrorKind> failureKind(const std::function<void()> &work);

// The file's bytes, to compare before and after a command that must change nothing.
QByteArray contents(const QString &path);

// Another connection holding the file with BEGIN EXCLUSIVE while it lives: every other
// connection can neither read nor write it.
class ExclusiveLock
{
public:
    explicit ExclusiveLock(const QString &path);
    ~ExclusiveLock();
    ExclusiveLock(const ExclusiveLock &) = delete;
    ExclusiveLock &operator=(const ExclusiveLock &) = delete;

private:
    QString m_connection;
};

// Another program's short write: on its own thread a connection begins a transaction on path,
// adds the worker "Other" with code 1, holds its lock for holdMs and commits. The constructor
// returns once the lock is held, so whatever the test does next meets it.
class ShortWrite
{
public:
    enum class Lock { Immediate, Exclusive };

    ShortWrite(const QString &path, Lock lock, int holdMs = 300);
    ~ShortWrite();
    ShortWrite(const ShortWrite &) = delete;
    ShortWrite &operator=(const ShortWrite &) = delete;

    // Waits for the other write to end; the engine's complaint, empty when it was committed.
    QString finish();

private:
    QSemaphore m_held;
    QString m_failure;
    std::thread m_thread;
};

} // namespace FarmFaults
