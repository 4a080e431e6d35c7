#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// One writer per farm file: the window holds its farm's lock while it has the farm open, and a
// command that replaces or merges into a farm takes it for as long as it works. The lock is a
// file in the machine's lock folder named after the farm's real path, locked with flock on an
// open descriptor, so the system releases it when its process ends however it ends. The file
// names the process and the kind of program that holds it, for the refusal of the next one.
class FarmLock
{
    Q_DECLARE_TR_FUNCTIONS(FarmLock)

public:
    enum class Holder { Window, CommandLine };

    // folder: where the lock files are kept, the machine's lock folder by default.
    explicit FarmLock(const QString &farmPath, const QString &folder = defaultFolder());
    ~FarmLock();
    FarmLock(const FarmLock &) = delete;
    FarmLock &operator=(const FarmLock &) = delete;

    // Takes the lock for holder; false when another process holds it, whose refusal() then
    // says which. Taking a lock already held by this object is a success.
    bool tryLock(Holder holder);
    bool isLocked() const { return m_fd >= 0; }
    void unlock();

    // Why the farm cannot be written now, naming the program that holds it.
    QString refusal() const;
    QString farmPath() const { return m_farmPath; }
    QString lockPath() const { return m_lockPath; }

    // The first of folders that can be written, else /tmp: a place the same for every user.
    static QString firstWritableFolder(const QStringList &folders);
    static QStringList machineLockFolders();
    static QString defaultFolder();

private:
    void readHolder(int fd);

    QString m_farmPath;
    QString m_lockPath;
    int m_fd = -1;
    qint64 m_holderPid = 0;
    QString m_holderKind;
};
