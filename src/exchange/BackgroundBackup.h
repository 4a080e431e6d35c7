#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QThread;

// One backup running on a thread of its own, so that the window goes on while it is written.
// The work gives the archive it wrote (empty when none was due or it failed) and the reason of
// a failure; finished is emitted on the thread that started it, once the thread has ended.
class BackgroundBackup : public QObject
{
    Q_OBJECT

public:
    struct Outcome
    {
        QString archive;
        QString error;
        // What the engine's quick check found wrong with the database; no backup is made of
        // a damaged one, which would push a good backup out.
        QString damage;
    };
    using Work = std::function<Outcome()>;

    explicit BackgroundBackup(QObject *parent = nullptr);
    // Waits for a backup still running: a half-written archive is never left behind.
    ~BackgroundBackup() override;

    // Starts work; false while another backup of this object is running.
    bool start(Work work);
    bool isRunning() const;
    // Blocks until the backup running ends (at once when none runs); its outcome.
    Outcome wait();

signals:
    void finished(const BackgroundBackup::Outcome &outcome);

private:
    void ended();

    QThread *m_thread = nullptr;
    Outcome m_outcome;
};
