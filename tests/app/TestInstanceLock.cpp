#include "FakePrompter.h"
#include "ReadOnlyFolder.h"
#include "TestEnvironment.h"
#include "app/StartupSteps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QTest>

// The lock that allows one running copy of the program per computer.
class TestInstanceLock : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

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

    // A copy that crashed left its lock behind: the next copy takes it over, and other users
    // can read who holds it.
    void aLockLeftByACrashIsTakenOver()
    {
        // No process runs under a number above the highest Linux allows (4194304).
        const QString lockPath = m_env.path("crashed.lock");
        QFile stale(lockPath);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(QByteArray::number(9999999) + "\nverdimo\n" +
                    QSysInfo::machineHostName().toUtf8() + "\n");
        stale.close();

        FakePrompter prompter;
        StartupSteps steps(prompter);
        auto lock = steps.claimSingleInstance(lockPath);
        QVERIFY(lock);
        QVERIFY(QFileInfo(lockPath).permissions().testFlag(QFile::ReadOther));

        // While it is held, a second copy is refused.
        prompter.expect(Prompter::Icon::Error, "For synchronization data only one instance of "
                                               "the application per computer can be started!");
        QVERIFY(!steps.claimSingleInstance(lockPath));
        QVERIFY(prompter.verify());
    }
};

QTEST_MAIN(TestInstanceLock)
#include "TestInstanceLock.moc"
