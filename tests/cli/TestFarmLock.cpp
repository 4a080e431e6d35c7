#include "FixedClock.h"
#include "TestEnvironment.h"
#include "base/FarmLock.h"
#include "db/Database.h"
#include "db/FarmSession.h"
#include "exchange/BackupRotation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

// One writer per farm: a window holding its farm turns the command line's restore and import
// away, naming itself, until it lets go; and the command line clears the temporary folders
// that killed runs left behind.
class TestFarmLock : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    QString m_temp;

    struct Run
    {
        int status = -1;
        QString out;
        QString err;
    };

    Run cli(const QStringList &args)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TMPDIR", m_temp);
        process.setProcessEnvironment(environment);
        process.start(QString::fromLocal8Bit(qgetenv("VERDIMO_CLI")), args);
        if (!process.waitForFinished(60000))
            return {};
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        m_temp = m_env.path("tmp");
        QVERIFY(QDir().mkpath(m_temp));
    }

    void oneHolderAtATime()
    {
        const QString farm = m_env.copyTemplate();
        const QString link = m_env.path("link.mdb");
        QVERIFY(QFile::link(farm, link));
        const QString folder = m_env.path("locks");
        QVERIFY(QDir().mkpath(folder));

        FarmLock window(farm, folder);
        QVERIFY(window.tryLock(FarmLock::Holder::Window));
        // The same farm reached through a link is the same farm.
        FarmLock command(link, folder);
        QVERIFY(!command.tryLock(FarmLock::Holder::CommandLine));
        QCOMPARE(command.refusal(),
                 QString("The farm %1 is open in the Verdimo window (process %2); close it there "
                         "first.")
                     .arg(QDir::toNativeSeparators(link))
                     .arg(QCoreApplication::applicationPid()));
        // Another farm is free.
        FarmLock other(m_env.copyTemplate(), folder);
        QVERIFY(other.tryLock(FarmLock::Holder::CommandLine));

        window.unlock();
        QVERIFY(command.tryLock(FarmLock::Holder::CommandLine));
        QVERIFY(!window.tryLock(FarmLock::Holder::Window));
        QVERIFY(window.refusal().contains("being changed by another verdimo-cli command"));
    }

    void theCommandLineLeavesAFarmTheWindowHolds()
    {
        const QString farm = m_env.copyTemplate();
        FixedClock clock(QDateTime(QDate(2026, 5, 3), QTime(8, 0)));
        QString error;
        const QString archive = BackupRotation(m_env.path("archives"), clock).backUp(farm, &error);
        QVERIFY2(!archive.isEmpty(), qPrintable(error));
        {
            Database db;
            db.open(farm);
            db.execute("INSERT INTO Operazioni (Codice, Descrizione) VALUES (77, 'typed')");
        }

        auto window = std::make_unique<FarmSession>();
        window->holdFarmLock(true);
        window->open(farm);
        QVERIFY(window->holdsFarmLock());
        const QByteArray before = contents(farm);
        const QString holder = QString("The farm %1 is open in the Verdimo window (process %2); "
                                       "close it there first.")
                                   .arg(QDir::toNativeSeparators(farm))
                                   .arg(QCoreApplication::applicationPid());

        Run restore = cli({"restore", archive, "--db", farm});
        QCOMPARE(restore.status, 1);
        QVERIFY2(restore.err.contains(holder), qPrintable(restore.err));
        Run import = cli({"import", m_env.path("any.czp"), "--keep", "--db", farm});
        QCOMPARE(import.status, 1);
        QVERIFY2(import.err.contains(holder), qPrintable(import.err));
        QVERIFY(import.err.contains("Nothing was imported"));
        QCOMPARE(contents(farm), before);

        // Closed for a moment (a restore in the window itself): still held.
        window->close();
        QCOMPARE(cli({"restore", archive, "--db", farm}).status, 1);

        window.reset();
        restore = cli({"restore", archive, "--db", farm});
        QVERIFY2(restore.status == 0, qPrintable(restore.err));
        Database db;
        db.open(farm);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM Operazioni WHERE Codice = 77").toInt(), 0);
    }

    void theCommandLineClearsWhatKilledRunsLeft()
    {
        // A process that has ended: its number is free.
        QProcess ended;
        ended.start("sleep", {"0"});
        QVERIFY(ended.waitForStarted());
        const qint64 pid = ended.processId();
        QVERIFY(ended.waitForFinished());
        const QString left = QDir(m_temp).filePath(QString("verdimo-%1-abcdef").arg(pid));
        QVERIFY(QDir().mkpath(left + "/inside"));
        const QString kept = QDir(m_temp).filePath("verdimo-notes");
        QVERIFY(QDir().mkpath(kept));

        const Run run = cli({"restore", m_env.path("none.zip"), "--db", m_env.copyTemplate()});
        QCOMPARE(run.status, 1);
        QVERIFY(!QFileInfo::exists(left));
        QVERIFY(QFileInfo::exists(kept));
        // Nor does the run leave its own folders, or name them in its message.
        QCOMPARE(QDir(m_temp).entryList({"verdimo-*"}, QDir::Dirs), QStringList{"verdimo-notes"});
        QVERIFY2(!run.err.contains(m_temp), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestFarmLock)
#include "TestFarmLock.moc"
