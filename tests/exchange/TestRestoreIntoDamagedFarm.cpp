#include "FixedClock.h"
#include "TestEnvironment.h"
#include "db/Database.h"
#include "exchange/BackupRestore.h"
#include "exchange/BackupRotation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

// A backup put back whatever state the working farm is in: damaged, cut short, empty, missing,
// with what an interrupted write left beside it. What it replaces is kept as it was, the
// archive restored stays, and a farm another program holds is not touched.
class TestRestoreIntoDamagedFarm : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    FixedClock m_clock{QDateTime(QDate(2026, 5, 3), QTime(8, 0))};
    QString m_folder;
    QString m_archive;
    int m_rows = 0;

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    static int operations(const QString &path)
    {
        Database db;
        db.open(path, Database::Access::ReadOnly);
        return db.scalar("SELECT COUNT(*) FROM Operazioni WHERE Codice = 77").toInt();
    }

private slots:
    void init()
    {
        m_folder = m_env.path(QStringLiteral("Backups-%1").arg(QTest::currentDataTag()));
        QDir(m_folder).removeRecursively();
        // The backup holds one operation the template does not, to tell them apart.
        const QString farm = m_env.copyTemplate();
        {
            Database db;
            db.open(farm);
            db.execute("INSERT INTO Operazioni (Codice, Descrizione) VALUES (77, 'kept')");
        }
        BackupRotation rotation(m_env.path("archives"), m_clock);
        QString error;
        m_clock.set(m_clock.now().addSecs(1));
        m_archive = rotation.backUp(farm, &error);
        QVERIFY2(!m_archive.isEmpty(), qPrintable(error));
    }

    void restoresWhateverTheFarmIs_data()
    {
        QTest::addColumn<QByteArray>("farm");
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("note");

        const QByteArray sound = contents(TestEnvironment::templatePath());
        const QByteArray garbage = QByteArray(8192, 'x');
        // farm "-" stands for no file at all; kept: "backup", "plain" or "none".
        QTest::newRow("sound") << sound << QByteArray("-") << "backup"
                               << "is kept in";
        QTest::newRow("sound, empty leftover journal") << sound << QByteArray() << "backup"
                                                       << "is kept in";
        QTest::newRow("damaged") << garbage << QByteArray("-") << "plain"
                                 << "could not be read";
        QTest::newRow("cut short") << sound.left(3000) << QByteArray("-") << "plain"
                                   << "could not be read";
        QTest::newRow("damaged, with a journal") << garbage << QByteArray(600, 'j') << "plain"
                                                 << "could not be read";
        QTest::newRow("empty") << QByteArray() << QByteArray("-") << "none"
                               << "was empty";
        QTest::newRow("missing") << QByteArray("-") << QByteArray("-") << "none"
                                 << "no database at";
    }

    void restoresWhateverTheFarmIs()
    {
        QFETCH(QByteArray, farm);
        QFETCH(QByteArray, journal);
        QFETCH(QString, kept);
        QFETCH(QString, note);
        const QString working = m_env.path(QStringLiteral("farm-%1/Tellan.mdb").arg(++m_rows));
        QDir().mkpath(QFileInfo(working).absolutePath());
        if (farm != "-")
            write(working, farm);
        if (journal != "-")
            write(working + "-journal", journal);

        BackupRotation rotation(m_folder, m_clock);
        BackupRestore restore(rotation);
        QString error;
        QVERIFY2(restore.restore(m_archive, working, &error), qPrintable(error));
        QCOMPARE(operations(working), 1);
        QVERIFY(!QFileInfo::exists(working + "-journal"));
        QVERIFY2(restore.keptNote().contains(note), qPrintable(restore.keptNote()));

        if (kept == "none") {
            QVERIFY(restore.keptBackup().isEmpty());
            QVERIFY(QDir(rotation.farmFolder(working)).entryList(QDir::Files).isEmpty());
            QVERIFY(QDir(m_folder).entryList(QDir::Files).isEmpty());
        } else if (kept == "backup") {
            QCOMPARE(rotation.backups().size(), 1);
            QCOMPARE(restore.keptBackup(), rotation.backups().first().path);
        } else {
            // The file as it was, byte for byte, with its journal; never counted as a backup.
            QVERIFY(rotation.backups().isEmpty());
            QVERIFY(QFileInfo(restore.keptBackup()).fileName().startsWith("Unreadable Tellan"));
            QCOMPARE(contents(restore.keptBackup()), farm);
            if (journal != "-")
                QCOMPARE(contents(restore.keptBackup() + "-journal"), journal);
        }
        QVERIFY(restore.keptNote().contains(QDir::toNativeSeparators(restore.keptBackup())));
    }

    void theArchiveRestoredIsNeverRotatedOut()
    {
        const QString working = m_env.copyTemplate();
        BackupRotation rotation(m_folder, m_clock, 2);
        QString error;
        m_clock.set(QDateTime(QDate(2026, 5, 4), QTime(8, 0)));
        const QString oldest = rotation.backUp(working, &error);
        QVERIFY2(!oldest.isEmpty(), qPrintable(error));
        QVERIFY(QFile::remove(oldest));
        QVERIFY(QFile::copy(m_archive, oldest));
        m_clock.set(QDateTime(QDate(2026, 5, 5), QTime(8, 0)));
        QVERIFY(!rotation.backUp(working, &error).isEmpty());

        // Two kept, the oldest restored: the backup made first would push it out.
        m_clock.set(QDateTime(QDate(2026, 5, 6), QTime(8, 0)));
        BackupRestore restore(rotation);
        QVERIFY2(restore.restore(oldest, working, &error), qPrintable(error));
        QVERIFY(QFileInfo::exists(oldest));
        QCOMPARE(operations(working), 1);
        QCOMPARE(rotation.backups().size(), 3);
    }

    void aFarmAnotherProgramHoldsIsNotReplaced()
    {
        const QString python = TestEnvironment::requireTool("python3");
        if (python.isEmpty())
            return;
        const QString working = m_env.copyTemplate();
        const QByteArray before = contents(working);
        // A reader of the engine holds its shared lock while it reads.
        QProcess reader;
        reader.start(python, {"-c",
                              "import fcntl, sys, time\n"
                              "f = open(sys.argv[1], 'rb')\n"
                              "fcntl.lockf(f, fcntl.LOCK_SH, 1, 0x40000002, 0)\n"
                              "print('locked', flush=True)\n"
                              "time.sleep(60)\n",
                              working});
        QVERIFY(reader.waitForReadyRead(10000));

        BackupRotation rotation(m_folder, m_clock);
        BackupRestore restore(rotation);
        QString error;
        QVERIFY(!restore.restore(m_archive, working, &error));
        QVERIFY2(error.contains("in use by another program"), qPrintable(error));
        QVERIFY(error.contains(QDir::toNativeSeparators(working)));
        QCOMPARE(contents(working), before);
        QVERIFY(rotation.backups().isEmpty());
        reader.kill();
        reader.waitForFinished();

        QVERIFY2(restore.restore(m_archive, working, &error), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestRestoreIntoDamagedFarm)
#include "TestRestoreIntoDamagedFarm.moc"
