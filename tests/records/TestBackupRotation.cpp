#include "FixedClock.h"
#include "TestEnvironment.h"
#include "base/SettingsKeys.h"
#include "db/Database.h"
#include "exchange/BackupRotation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

namespace {

QDateTime at(int day, int hour, int minute = 0)
{
    return QDateTime(QDate(2026, 5, day), QTime(hour, minute));
}

QStringList names(const QList<BackupRotation::Backup> &backups)
{
    QStringList result;
    for (const BackupRotation::Backup &backup : backups)
        result << QFileInfo(backup.path).fileName();
    return result;
}

} // namespace

class TestBackupRotation : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void keepsTheNewestAndLeavesOtherFiles();
    void oneBackupAtTheFirstStartOfEachDay();
    void backupAtExitOnlyAfterChanges();
    void failureLeavesNoFile();
    void keptSetting();
    void farmsAreToldApart();

private:
    TestEnvironment m_env;
    QString m_folder;
    QString m_db;
};

void TestBackupRotation::init()
{
    m_env.clearSettings();
    m_folder = m_env.path(QStringLiteral("Backups-%1").arg(QTest::currentTestFunction()));
    m_db = m_env.copyTemplate();
}

void TestBackupRotation::keepsTheNewestAndLeavesOtherFiles()
{
    FixedClock clock(at(1, 8));
    BackupRotation rotation(m_folder, clock, 3);
    const QString folder = rotation.farmFolder(m_db);
    QDir().mkpath(folder);
    for (const char *name : {"notes.txt", "Backup Verdimo old.zip"}) {
        QFile file(QDir(folder).filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QString error;
    for (const QDateTime &moment : {at(1, 8), at(1, 8), at(2, 8), at(3, 8), at(4, 8, 30)}) {
        clock.set(moment);
        const QString made = rotation.backUp(m_db, &error);
        QVERIFY2(!made.isEmpty(), qPrintable(error));
        QVERIFY(QFileInfo(made).size() > 0);
        QCOMPARE(QFileInfo(made).absolutePath(), QFileInfo(folder).absoluteFilePath());
    }
    QCOMPARE(names(rotation.backups()), QStringList({"Backup Verdimo 2026-05-04 083000.zip",
                                                     "Backup Verdimo 2026-05-03 080000.zip",
                                                     "Backup Verdimo 2026-05-02 080000.zip"}));
    QCOMPARE(rotation.backups().first().made, at(4, 8, 30));
    // The three backups, the two files of others and the note naming the farm; no temporary
    // file is left beside them.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 6);
    QVERIFY(QFileInfo::exists(QDir(folder).filePath(QStringLiteral("notes.txt"))));

    const QString unzip = TestEnvironment::requireTool(QStringLiteral("unzip"));
    if (unzip.isEmpty())
        return;
    QProcess test;
    test.start(unzip, {QStringLiteral("-t"), rotation.backups().first().path});
    QVERIFY(test.waitForFinished(30000));
    QCOMPARE(test.exitCode(), 0);
    QVERIFY(test.readAllStandardOutput().contains("Backup Verdimo.mdb"));
}

void TestBackupRotation::oneBackupAtTheFirstStartOfEachDay()
{
    FixedClock clock(at(1, 8));
    BackupRotation rotation(m_folder, clock);
    QString error;
    QVERIFY(!rotation.backUpAtStart(m_db, &error).isEmpty());
    clock.set(at(1, 17));
    QVERIFY(rotation.backUpAtStart(m_db, &error).isEmpty());
    QVERIFY(error.isEmpty());
    clock.set(at(2, 7));
    QVERIFY(!rotation.backUpAtStart(m_db, &error).isEmpty());
    QCOMPARE(rotation.backups().size(), 2);
}

void TestBackupRotation::backupAtExitOnlyAfterChanges()
{
    FixedClock clock(at(1, 8));
    BackupRotation rotation(m_folder, clock);
    QString error;
    QVERIFY(!rotation.backUpAtExit(m_db, true, &error).isEmpty());
    clock.set(at(1, 9));
    // The file's times do not count: a file written since, by whatever, is not a changed farm.
    {
        Database db;
        db.open(m_db);
        db.execute(QStringLiteral("INSERT INTO Scheda (Data) VALUES ('2026-05-01 08:00:00')"));
    }
    QVERIFY(rotation.backUpAtExit(m_db, false, &error).isEmpty());
    QVERIFY(error.isEmpty());
    QVERIFY(!rotation.backUpAtExit(m_db, true, &error).isEmpty());
    QCOMPARE(rotation.backups().size(), 2);
}

void TestBackupRotation::failureLeavesNoFile()
{
    FixedClock clock(at(1, 8));
    BackupRotation rotation(m_folder, clock);
    QString error;
    const QString missing = m_env.path(QStringLiteral("missing.mdb"));
    QVERIFY(rotation.backUp(missing, &error).isEmpty());
    QVERIFY2(error.contains(QStringLiteral("missing.mdb")), qPrintable(error));
    QCOMPARE(QDir(m_folder).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestBackupRotation::keptSetting()
{
    QCOMPARE(BackupRotation::keptFromSettings(), 10);
    SettingsKeys::BackupsKept.write(4);
    QCOMPARE(BackupRotation::keptFromSettings(), 4);
    SettingsKeys::BackupsKept.write(0);
    QCOMPARE(BackupRotation::keptFromSettings(), 10);
}

// Two farms of one file name in two folders: each has its own backups, its own day's backup
// and its own rotation; the backups older versions left in the folder itself are still listed,
// without a farm.
void TestBackupRotation::farmsAreToldApart()
{
    const QString other = m_env.path(QStringLiteral("other/") + QFileInfo(m_db).fileName());
    QDir().mkpath(QFileInfo(other).absolutePath());
    QVERIFY(QFile::copy(m_db, other));
    QCOMPARE(QFileInfo(other).fileName(), QFileInfo(m_db).fileName());
    QDir().mkpath(m_folder);
    QFile older(QDir(m_folder).filePath(QStringLiteral("Backup Verdimo 2026-04-30 080000.zip")));
    QVERIFY(older.open(QIODevice::WriteOnly));
    older.close();

    FixedClock clock(at(1, 8));
    BackupRotation rotation(m_folder, clock, 2);
    QVERIFY(rotation.farmFolder(m_db) != rotation.farmFolder(other));
    QString error;
    QVERIFY(!rotation.backUpAtStart(m_db, &error).isEmpty());
    clock.set(at(1, 9));
    // Today's backup of one farm is not the other's.
    QVERIFY(!rotation.dueAtStart(m_db));
    QVERIFY(rotation.dueAtStart(other));
    QVERIFY(!rotation.backUpAtStart(other, &error).isEmpty());
    for (int day = 2; day <= 4; ++day) {
        clock.set(at(day, 8));
        QVERIFY(!rotation.backUp(other, &error).isEmpty());
    }
    // Each farm keeps its own newest two.
    QCOMPARE(rotation.backupsOf(m_db).size(), 1);
    QCOMPARE(rotation.backupsOf(other).size(), 2);

    const QList<BackupRotation::Backup> all = rotation.backups();
    QCOMPARE(all.size(), 4);
    QStringList farms;
    for (const BackupRotation::Backup &backup : all)
        farms << (backup.farm.isEmpty()                         ? QStringLiteral("-")
                  : BackupRotation::sameFarm(backup.farm, m_db) ? QStringLiteral("mine")
                                                                : QStringLiteral("other"));
    QCOMPARE(farms, QStringList({"other", "other", "mine", "-"}));
    QVERIFY(BackupRotation::sameFarm(BackupRotation::farmOf(all.first().path), other));
    QCOMPARE(BackupRotation::farmOf(older.fileName()), QString());

    // The working farm's first, each part newest first.
    farms.clear();
    for (const BackupRotation::Backup &backup : BackupRotation::farmFirst(all, m_db))
        farms << QFileInfo(backup.path).fileName() + (BackupRotation::sameFarm(backup.farm, m_db)
                                                          ? QStringLiteral(" mine")
                                                          : QString());
    QCOMPARE(farms, QStringList({"Backup Verdimo 2026-05-01 080000.zip mine",
                                 "Backup Verdimo 2026-05-04 080000.zip",
                                 "Backup Verdimo 2026-05-03 080000.zip",
                                 "Backup Verdimo 2026-04-30 080000.zip"}));
}

QTEST_GUILESS_MAIN(TestBackupRotation)
#include "TestBackupRotation.moc"
