#include "FakePrompter.h"
#include "FixedClock.h"
#include "TestEnvironment.h"
#include "app/AutomaticBackups.h"
#include "app/BackupRestoring.h"
#include "app/RestoreDialog.h"
#include "base/SettingsKeys.h"
#include "db/Database.h"
#include "db/DbException.h"
#include "db/FarmSession.h"
#include "exchange/BackgroundBackup.h"
#include "exchange/BackupRotation.h"

#include <QCryptographicHash>
#include <QDialogButtonBox>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <optional>

using Icon = Prompter::Icon;
using Answer = Prompter::Answer;

// The automatic backups at start and exit, and Program › Restore… from the choice of the
// archive to the reopened farm.
class TestBackupRestoring : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    FixedClock m_clock{QDateTime(QDate(2026, 5, 3), QTime(8, 0))};
    std::unique_ptr<FarmSession> m_farm;
    std::unique_ptr<BackupRotation> m_rotation;
    FakePrompter m_prompter;

    int operations()
    {
        return m_farm->database().scalar("SELECT COUNT(*) FROM Operazioni").toInt();
    }
    void addOperation(int code)
    {
        m_farm->database().execute("INSERT INTO Operazioni (Codice, Descrizione) VALUES (?, 'x')",
                                   {code});
    }

private slots:
    void init()
    {
        m_env.clearSettings();
        m_clock.set(QDateTime(QDate(2026, 5, 3), QTime(8, 0)));
        m_farm = std::make_unique<FarmSession>();
        m_farm->open(m_env.copyTemplate());
        m_rotation = std::make_unique<BackupRotation>(
            m_env.path(QStringLiteral("Backups-%1").arg(QTest::currentTestFunction())), m_clock);
    }
    void cleanup()
    {
        QVERIFY(m_prompter.verify());
        m_rotation.reset();
        m_farm.reset();
    }

    void oneBackupADayAndOneAtExitAfterChanges()
    {
        AutomaticBackups backups(*m_rotation, m_prompter);
        backups.atStart(*m_farm);
        QCOMPARE(m_rotation->backups().size(), 1);
        m_clock.set(QDateTime(QDate(2026, 5, 3), QTime(18, 0)));
        backups.atStart(*m_farm);
        backups.atExit(*m_farm);
        QCOMPARE(m_rotation->backups().size(), 1);

        QTest::qWait(20);
        addOperation(9);
        backups.atExit(*m_farm);
        QCOMPARE(m_rotation->backups().size(), 2);
        m_clock.set(QDateTime(QDate(2026, 5, 4), QTime(8, 0)));
        backups.atStart(*m_farm);
        QCOMPARE(m_rotation->backups().size(), 3);
    }

    // Opening and closing a farm, even with a start-up backup, neither writes it nor makes an
    // exit backup; a change through the session or through another connection does.
    void onlySessionsThatChangeTheFarmAddABackup()
    {
        const QString path = m_farm->databasePath();
        m_farm->close();
        AutomaticBackups backups(*m_rotation, m_prompter);
        const auto session = [&](const std::function<void(FarmSession &)> &work) {
            FarmSession farm;
            farm.open(path);
            backups.atStart(farm);
            work(farm);
            backups.atExit(farm);
        };
        const auto digest = [&path] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly)
                       ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                       : QByteArray();
        };
        session([](FarmSession &) {});
        QCOMPARE(m_rotation->backups().size(), 1);
        const QByteArray unchanged = digest();
        for (int i = 0; i < 5; ++i) {
            m_clock.set(m_clock.now().addSecs(60));
            session([](FarmSession &farm) {
                farm.database().scalar("SELECT COUNT(*) FROM Scheda");
                // Reopening the same file keeps counting the same session.
                farm.open(farm.databasePath());
            });
        }
        QCOMPARE(m_rotation->backups().size(), 1);
        QCOMPARE(digest(), unchanged);

        m_clock.set(m_clock.now().addSecs(60));
        session([](FarmSession &farm) {
            farm.database().execute("INSERT INTO Operazioni (Codice, Descrizione) VALUES (5, 'x')");
            farm.open(farm.databasePath());
        });
        QCOMPARE(m_rotation->backups().size(), 2);

        m_clock.set(m_clock.now().addSecs(60));
        session([&path](FarmSession &) {
            Database other;
            other.open(path);
            other.execute("DELETE FROM Operazioni WHERE Codice = 5");
        });
        QCOMPARE(m_rotation->backups().size(), 3);
    }

    void failedBackupWarnsAndGoesOn()
    {
        // A file where the backup folder should be.
        QFile blocker(m_rotation->folder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        m_prompter.expectContaining(Icon::Warning, "The automatic backup of the farm database "
                                                   "failed; the program goes on without it.");
        AutomaticBackups(*m_rotation, m_prompter).atStart(*m_farm);
        QVERIFY(m_farm->isOpen());
    }

    void restoreBringsBackTheBackupAndKeepsTheReplacedDatabase()
    {
        QString error;
        const QString yesterday = m_rotation->backUp(m_farm->databasePath(), &error);
        QVERIFY2(!yesterday.isEmpty(), qPrintable(error));
        addOperation(9);
        const int changed = operations();

        BackupRestoring restoring(*m_farm, *m_rotation, m_prompter);
        m_prompter.expectContaining(Icon::Question, "Replace the working database", Answer::No);
        QVERIFY(!restoring.restore(yesterday));
        QCOMPARE(operations(), changed);

        m_clock.set(QDateTime(QDate(2026, 5, 4), QTime(8, 0)));
        m_prompter.expectContaining(Icon::Question, "Replace the working database", Answer::Yes);
        m_prompter.expectContaining(Icon::Information, "is now the working database");
        QVERIFY(restoring.restore(yesterday));
        QVERIFY(m_farm->isOpen());
        QCOMPARE(operations(), changed - 1);
        // The database replaced is the newest backup.
        const QList<BackupRotation::Backup> kept = m_rotation->backups();
        QCOMPARE(kept.size(), 2);
        QVERIFY(m_prompter.shown().constLast().contains(QDir::toNativeSeparators(kept[0].path)));
    }

    void damagedArchiveChangesNothing()
    {
        addOperation(9);
        const QString damaged = m_env.path("damaged.zip");
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("PK\x03\x04 not an archive");
        file.close();
        m_prompter.expectContaining(Icon::Question, "Replace the working database", Answer::Yes);
        m_prompter.expectContaining(Icon::Error, QDir::toNativeSeparators(damaged));
        QVERIFY(!BackupRestoring(*m_farm, *m_rotation, m_prompter).restore(damaged));
        QVERIFY(m_farm->isOpen());
        QCOMPARE(operations(), 1);
        QVERIFY(m_rotation->backups().isEmpty());
    }

    // A farm that does not open, or opens but fails the quick check, is offered its backups and
    // gets one back into the file the settings name.
    void restoresAFarmThatCannotBeUsed_data()
    {
        QTest::addColumn<QString>("state");
        QTest::newRow("damaged page") << "page";
        QTest::newRow("not a database") << "garbage";
        QTest::newRow("missing") << "missing";
    }
    void restoresAFarmThatCannotBeUsed()
    {
        QFETCH(QString, state);
        const QString path = m_farm->databasePath();
        QString error;
        const QString archive = m_rotation->backUp(path, &error);
        QVERIFY2(!archive.isEmpty(), qPrintable(error));
        const int inBackup = operations();
        addOperation(9);
        const int rootPage =
            m_farm->database()
                .scalar("SELECT rootpage FROM sqlite_master WHERE name = 'Operazioni'")
                .toInt();
        const int pageSize = m_farm->database().scalar("PRAGMA page_size").toInt();
        m_farm->close();
        SettingsKeys::Database.write(path);
        if (state == "missing") {
            QVERIFY(QFile::remove(path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            if (state == "page")
                file.seek(qint64(rootPage - 1) * pageSize);
            file.write(QByteArray(pageSize, '\x5a'));
        }
        try {
            m_farm->openStored();
        } catch (const DbException &) {
        }
        QCOMPARE(m_farm->isOpen(), state == "page");
        const QString problem = BackupRestoring::unusable(*m_farm);
        QVERIFY(!problem.isEmpty());

        BackupRestoring restoring(*m_farm, *m_rotation, m_prompter);
        m_prompter.expectContaining(Icon::Question, "cannot be used", Answer::Yes);
        m_prompter.expectContaining(Icon::Question, "Replace the working database", Answer::Yes);
        m_prompter.expectContaining(Icon::Information, "is now the working database");
        QVERIFY(restoring.offerRestore(problem, [&archive] { return archive; }));
        QVERIFY(m_farm->isOpen());
        QCOMPARE(operations(), inBackup);
        QVERIFY(BackupRestoring::unusable(*m_farm).isEmpty());
        // Declined: nothing is chosen or replaced.
        m_prompter.expectContaining(Icon::Question, "cannot be used", Answer::No);
        QVERIFY(!restoring.offerRestore(problem, [] {
            qFatal("no backup is to be chosen");
            return QString();
        }));
    }

    // The start-of-day backup reads the farm on a connection of its own, on a thread of its
    // own: a farm locked by another program does not hold up the start, and once the lock goes
    // the backup is a sound archive, with a quiet note for the status bar.
    void dayBackupRunsOffTheWindowsThread()
    {
        const QString path = m_farm->databasePath();
        Database locker;
        locker.open(path);
        locker.execute("BEGIN EXCLUSIVE");
        AutomaticBackups backups(*m_rotation, m_prompter);
        BackgroundBackup job;
        std::optional<BackgroundBackup::Outcome> told;
        connect(&job, &BackgroundBackup::finished,
                [&told](const BackgroundBackup::Outcome &outcome) { told = outcome; });
        QVERIFY(backups.startAtStart(*m_farm, job));
        QVERIFY(job.isRunning());
        QVERIFY(m_rotation->backups().isEmpty());
        locker.execute("COMMIT");
        QTRY_VERIFY_WITH_TIMEOUT(told.has_value(), 20000);
        const BackgroundBackup::Outcome outcome = *told;
        QVERIFY2(!outcome.archive.isEmpty(), qPrintable(outcome.error));
        QCOMPARE(backups.finished(outcome),
                 "The farm was backed up into " + QDir::toNativeSeparators(outcome.archive) + ".");
        QCOMPARE(m_rotation->backups().size(), 1);
        // The next start checks the farm again, but no backup is due again today.
        QVERIFY(backups.startAtStart(*m_farm, job));
        const BackgroundBackup::Outcome again = job.wait();
        QVERIFY(again.archive.isEmpty() && again.error.isEmpty() && again.damage.isEmpty());
        QCOMPARE(backups.finished(again), QString());
        QCOMPARE(m_rotation->backups().size(), 1);

        const QString unzip = TestEnvironment::requireTool(QStringLiteral("unzip"));
        if (unzip.isEmpty())
            return;
        const QString folder = m_env.path("unpacked");
        QProcess unpack;
        unpack.start(unzip, {"-o", outcome.archive, "-d", folder});
        QVERIFY(unpack.waitForFinished(30000));
        QCOMPARE(unpack.exitCode(), 0);
        Database copy;
        copy.open(QDir(folder).filePath("Backup Verdimo.mdb"), Database::Access::ReadOnly);
        QCOMPARE(copy.scalar("SELECT COUNT(*) FROM Operazioni").toInt(), operations());
        QVERIFY(copy.pageDamage().isEmpty());
    }

    // A farm whose pages are damaged is found by the start's check and not backed up, which
    // would push a good backup out; the caller is told the damage, no warning is given.
    void damagedFarmIsNotBackedUp()
    {
        const int rootPage =
            m_farm->database()
                .scalar("SELECT rootpage FROM sqlite_master WHERE name = 'Operazioni'")
                .toInt();
        const int pageSize = m_farm->database().scalar("PRAGMA page_size").toInt();
        const QString path = m_farm->databasePath();
        m_farm->close();
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.seek(qint64(rootPage - 1) * pageSize);
            file.write(QByteArray(pageSize, '\x5a'));
        }
        m_farm->open(path);
        AutomaticBackups backups(*m_rotation, m_prompter);
        BackgroundBackup job;
        QVERIFY(backups.startAtStart(*m_farm, job));
        const BackgroundBackup::Outcome outcome = job.wait();
        QVERIFY(!outcome.damage.isEmpty());
        QVERIFY(outcome.archive.isEmpty());
        QCOMPARE(backups.finished(outcome), QString());
        QVERIFY(m_rotation->backups().isEmpty());
    }

    // The list names each backup's farm, the working farm's first, each farm's newest first.
    void dialogListsTheBackupsAndTakesAnyArchive()
    {
        const QString other = m_env.path("other/Tellan.mdb");
        QDir().mkpath(QFileInfo(other).absolutePath());
        QVERIFY(QFile::copy(m_farm->databasePath(), other));
        QString error;
        m_rotation->backUp(m_farm->databasePath(), &error);
        m_clock.set(QDateTime(QDate(2026, 5, 4), QTime(9, 30)));
        const QString newest = m_rotation->backUp(m_farm->databasePath(), &error);
        m_clock.set(QDateTime(QDate(2026, 5, 5), QTime(9, 30)));
        QVERIFY(!m_rotation->backUp(other, &error).isEmpty());

        RestoreDialog dialog(m_rotation->backups(), m_rotation->folder(), m_prompter, nullptr,
                             m_farm->databasePath());
        QCOMPARE(dialog.list()->topLevelItemCount(), 3);
        const QString mine =
            QFileInfo(m_farm->databasePath()).fileName() + " in " +
            QDir::toNativeSeparators(QFileInfo(m_farm->databasePath()).absolutePath());
        const QString theirs =
            "Tellan.mdb in " + QDir::toNativeSeparators(QFileInfo(other).absolutePath());
        QCOMPARE(dialog.list()->topLevelItem(0)->text(0), mine);
        QCOMPARE(dialog.list()->topLevelItem(1)->text(0), mine);
        QCOMPARE(dialog.list()->topLevelItem(2)->text(0), theirs);
        QVERIFY(!dialog.list()->topLevelItem(0)->text(2).isEmpty());
        // The working farm's newest is proposed.
        QCOMPARE(dialog.archive(), newest);
        dialog.list()->clearSelection();
        QCOMPARE(dialog.archive(), QString());
        QVERIFY(!dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled());

        m_prompter.expectOpenFile("/elsewhere/farm.zip");
        dialog.chooseOther();
        QCOMPARE(dialog.archive(), QStringLiteral("/elsewhere/farm.zip"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // Another farm's backup is put over the working farm only after a question that names both.
    void restoringAnotherFarmsBackupAsksNamingBoth()
    {
        const QString other = m_env.path("second/Tellan.mdb");
        QDir().mkpath(QFileInfo(other).absolutePath());
        QVERIFY(QFile::copy(m_farm->databasePath(), other));
        {
            Database db;
            db.open(other);
            db.execute("INSERT INTO Operazioni (Codice, Descrizione) VALUES (77, 'other')");
        }
        QString error;
        const QString archive = m_rotation->backUp(other, &error);
        QVERIFY2(!archive.isEmpty(), qPrintable(error));
        const int before = operations();
        const QString working = QDir::toNativeSeparators(m_farm->databasePath());
        const QString question =
            QStringLiteral("The backup %1 was made of another farm, %2, not of the working farm "
                           "%3.\n\nReplace the working farm %3 with the backup of %2?\n\nWhat it "
                           "replaces is kept first.")
                .arg(QDir::toNativeSeparators(archive), QDir::toNativeSeparators(other), working);

        BackupRestoring restoring(*m_farm, *m_rotation, m_prompter);
        m_prompter.expect(Icon::Question, question, Answer::No);
        QVERIFY(!restoring.restore(archive));
        QCOMPARE(operations(), before);
        m_prompter.expect(Icon::Question, question, Answer::Yes);
        m_prompter.expectContaining(Icon::Information, "is now the working database");
        QVERIFY(restoring.restore(archive));
        QCOMPARE(operations(), before + 1);
    }
};

QTEST_MAIN(TestBackupRestoring)
#include "TestBackupRestoring.moc"
