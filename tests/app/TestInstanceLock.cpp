#include "FakePrompter.h"
#include "ReadOnlyFolder.h"
#include "TestEnvironment.h"
#include "app/InstanceLock.h"
#include "app/StartupSteps.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Refusal = QStringLiteral("For synchronization data only one instance of the "
                                       "application per computer can be started!");
const char *const HoldLockArgument = "--hold-lock";
const char *const EndArgument = "--end-with-backup";

// The child process of the tests: takes the lock, says so, and waits to be killed.
int holdLock(const char *path)
{
    InstanceLock lock(QFile::decodeName(path));
    if (lock.tryLock() != InstanceLock::Result::Taken)
        return 3;
    std::puts("held");
    std::fflush(stdout);
    for (;;)
        ::pause();
}

// The child of the ending test: a copy whose window has closed and that backs its farm up for a
// second before it ends.
int endWithBackup(const char *path, const char *farm)
{
    InstanceLock lock(QFile::decodeName(path));
    if (lock.tryLock() != InstanceLock::Result::Taken ||
        !lock.markEnding(InstanceLock::Ending::Stage::BackingUp, QFile::decodeName(farm)))
        return 3;
    std::puts("held");
    std::fflush(stdout);
    ::usleep(1000 * 1000);
    return 0;
}

} // namespace

// The lock that allows one running copy of the program per computer.
class TestInstanceLock : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

    // Starts a copy of this test holding the lock at path, once it holds it.
    bool startHolder(QProcess &holder, const QString &path)
    {
        holder.start(QCoreApplication::applicationFilePath(),
                     {QString::fromLatin1(HoldLockArgument), path});
        return holder.waitForReadyRead(10000) && holder.readAll().trimmed() == "held";
    }

private slots:
    void theLockSitsInTheFirstWritableMachineFolder()
    {
        ReadOnlyFolder locked(m_env.path("locked"));
        if (!locked.usable())
            QSKIP("no read-only folder can be made here");
        locked.protect(m_env.copyTemplate(), "any");
        const QString writable = m_env.path("lock");
        QDir().mkpath(writable);
        const QString missing = m_env.path("missing");

        QCOMPARE(StartupSteps::lockPath({missing, locked.folder(), writable}),
                 QDir(writable).filePath("VerdimoAppMutex.lock"));
        QCOMPARE(StartupSteps::lockPath({missing, locked.folder()}),
                 QStringLiteral("/tmp/VerdimoAppMutex.lock"));
        // The same place for every user, never the user's own temporary folder.
        const QString path = StartupSteps::lockPath(StartupSteps::machineLockFolders());
        QVERIFY2(path.startsWith("/run/lock/") || path.startsWith("/var/lock/") ||
                     path.startsWith("/tmp/"),
                 qPrintable(path));
        QVERIFY(!qEnvironmentVariableIsSet("TMPDIR") ||
                !path.startsWith(qEnvironmentVariable("TMPDIR") + "/"));
    }

    // A copy killed with SIGKILL holds no lock any more: the system released it with the
    // process, and the next copy starts, although the file is still there.
    void aKilledCopyLeavesNoLock()
    {
        const QString lockPath = m_env.path("killed.lock");
        QProcess holder;
        QVERIFY(startHolder(holder, lockPath));

        FakePrompter prompter;
        StartupSteps steps(prompter);
        prompter.expect(Prompter::Icon::Error, Refusal);
        QVERIFY(!steps.claimSingleInstance(lockPath));
        QVERIFY(prompter.verify());

        ::kill(pid_t(holder.processId()), SIGKILL);
        QVERIFY(holder.waitForFinished(10000));
        QCOMPARE(holder.exitStatus(), QProcess::CrashExit);
        QVERIFY(QFileInfo::exists(lockPath));

        auto lock = steps.claimSingleInstance(lockPath);
        QVERIFY(lock);
        QVERIFY(lock->isLocked());
        QVERIFY(prompter.verify());
    }

    // The file must stay usable for every other account of the machine, whatever the umask of
    // the user who created it.
    void everyUserCanOpenTheLockFile()
    {
        const QString lockPath = m_env.path("shared.lock");
        const mode_t before = ::umask(077);
        InstanceLock lock(lockPath);
        const InstanceLock::Result result = lock.tryLock();
        ::umask(before);
        QCOMPARE(result, InstanceLock::Result::Taken);
        const QFile::Permissions permissions = QFileInfo(lockPath).permissions();
        QVERIFY(permissions.testFlag(QFile::ReadOther));
        QVERIFY(permissions.testFlag(QFile::WriteOther));
    }

    // A lock file that this user may only read (another user's, made by an older version with
    // mode 0644) is locked all the same; a file left by a crashed copy is taken over.
    void aReadOnlyOrLeftOverFileIsLockedAllTheSame()
    {
        const QString lockPath = m_env.path("crashed.lock");
        QFile stale(lockPath);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        // What an older version wrote: a process that no longer exists.
        stale.write(QByteArray::number(9999999) + "\nverdimo\n" +
                    QSysInfo::machineHostName().toUtf8() + "\n");
        stale.close();
        QVERIFY(QFile::setPermissions(lockPath,
                                      QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

        FakePrompter prompter;
        StartupSteps steps(prompter);
        auto lock = steps.claimSingleInstance(lockPath);
        QVERIFY(lock);
        QVERIFY(lock->isLocked());

        // While it is held, a second claim of the same run is refused.
        prompter.expect(Prompter::Icon::Error, Refusal);
        QVERIFY(!steps.claimSingleInstance(lockPath));
        QVERIFY(prompter.verify());
    }

    // A start while the copy before is still backing its farm up after its window closed waits
    // for it, saying so, and is never refused; what that copy wrote is gone once the lock is
    // taken.
    void aStartWaitsForTheBackupOfAnEndingCopy()
    {
        const QString lockPath = m_env.path("ending.lock");
        const QString farm = m_env.path("farms/Tellan.mdb");
        QProcess ending;
        ending.start(QCoreApplication::applicationFilePath(),
                     {QString::fromLatin1(EndArgument), lockPath, farm});
        QVERIFY(ending.waitForReadyRead(10000));
        QCOMPARE(ending.readAll().trimmed(), QByteArray("held"));

        FakePrompter prompter;
        StartupSteps steps(prompter);
        QStringList notices;
        steps.setWaitNotice([&notices](const QString &text) {
            notices << text;
            return true;
        });
        auto lock = steps.claimSingleInstance(lockPath);
        QVERIFY(lock);
        QVERIFY(lock->isLocked());
        QVERIFY(prompter.verify());
        QVERIFY(!notices.isEmpty());
        QCOMPARE(notices.first(), QStringLiteral("Waiting for the backup of %1 to finish…")
                                      .arg(QDir::toNativeSeparators(farm)));
        QVERIFY(ending.waitForFinished(10000));
        QCOMPARE(ending.exitCode(), 0);
        QCOMPARE(InstanceLock::ending(lockPath).stage, InstanceLock::Ending::Stage::Running);

        // A copy that is running, not ending, is refused at once, and one that gives up
        // waiting ends without a refusal.
        prompter.expect(Prompter::Icon::Error, Refusal);
        notices.clear();
        QVERIFY(!steps.claimSingleInstance(lockPath));
        QVERIFY(notices.isEmpty());
        QVERIFY(prompter.verify());
        QVERIFY(lock->markEnding(InstanceLock::Ending::Stage::Closing, farm));
        steps.setWaitNotice([&notices](const QString &text) {
            notices << text;
            return false;
        });
        QVERIFY(!steps.claimSingleInstance(lockPath));
        QCOMPARE(notices, QStringList("Waiting for the copy of Verdimo that is closing…"));
        QVERIFY(prompter.verify());
    }

    // Without a usable lock folder the program starts unguarded instead of never.
    void noLockFolderStartsUnguarded()
    {
        FakePrompter prompter;
        StartupSteps steps(prompter);
        auto lock = steps.claimSingleInstance(m_env.path("missing/folder/app.lock"));
        QVERIFY(lock);
        QVERIFY(!lock->isLocked());
        QVERIFY(prompter.verify());
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], HoldLockArgument) == 0)
        return holdLock(argv[2]);
    if (argc == 4 && qstrcmp(argv[1], EndArgument) == 0)
        return endWithBackup(argv[2], argv[3]);
    QCoreApplication application(argc, argv);
    TestInstanceLock test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "TestInstanceLock.moc"
