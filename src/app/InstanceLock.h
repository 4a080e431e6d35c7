#pragma once

#include <QString>

// The lock that allows one running copy of the program per computer: flock on a file in the
// machine's lock folder, held through an open descriptor for as long as the object lives. The
// system drops it when the process ends, however it ends (a crash, kill -9, the end of the
// session), so a copy that is gone never refuses the next one, whoever starts it. The file is
// created readable and writable by every user, and a file another user created is locked
// through a descriptor that can only read it.
class InstanceLock
{
public:
    explicit InstanceLock(QString path);
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    enum class Result { Taken, HeldElsewhere, Unavailable };
    // Unavailable: the file could not be opened or locked at all (a missing or unusable lock
    // folder); nobody can be holding the lock there either.
    Result tryLock();
    bool isLocked() const { return m_fd >= 0; }
    QString path() const { return m_path; }

    // What the copy holding the lock wrote in the file for a copy that starts meanwhile: that
    // it is ending, after its window closed, and whether it is backing a farm up.
    struct Ending
    {
        enum class Stage { Running, Closing, BackingUp };
        Stage stage = Stage::Running;
        QString farm;
    };
    // Written while the lock is held; false when the file can only be read.
    bool markEnding(Ending::Stage stage, const QString &farm);
    static Ending ending(const QString &path);

private:
    int openFile(bool *writable) const;

    QString m_path;
    int m_fd = -1;
    bool m_writable = false;
};
