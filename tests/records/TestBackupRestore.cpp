#include "FixedClock.h"
#include "RestoreCommand.h"
#include "TestEnvironment.h"
#include "db/Database.h"
#include "db/SchemaUpgrade.h"
#include "exchange/BackupRestore.h"
#include "exchange/BackupRotation.h"
#include "exchange/CZipArchive.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList cardDays(const QString &path)
{
    Database db;
    db.open(path);
    QStringList days;
    QSqlQuery query = db.execute(QStringLiteral("SELECT Data FROM Scheda ORDER BY Data"));
    while (query.next())
        days << query.value(0).toString().left(10);
    return days;
}

} // namespace

class TestBackupRestore : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void restoreBringsBackADeletedCardAndKeepsTheReplacedDatabase();
    void refusal_data();
    void refusal();
    void keptSumsOfABackupAreNotTrusted();
    void command();

private:
    // A ZIP holding the file at source under the name entry.
    QString zipOf(const QString &source, const QString &entry);
    QString twiceZipped(const QString &source);

    TestEnvironment m_env;
    QString m_folder;
    QString m_db;
    FixedClock m_clock{QDateTime(QDate(2026, 5, 3), QTime(8, 0))};
};

void TestBackupRestore::init()
{
    m_env.clearSettings();
    m_folder = m_env.path(QStringLiteral("Backups-%1").arg(QTest::currentTestFunction()));
    m_db = m_env.copyTemplate();
    Database db;
    db.open(m_db);
    // A working database as the program keeps it, with the triggers of the kept yearly sums
    // that no backup may carry.
    SchemaUpgrade::keepYearSums(db);
    db.execute(QStringLiteral("INSERT INTO Scheda (Data) VALUES ('2026-05-02 08:00:00')"));
}

QString TestBackupRestore::zipOf(const QString &source, const QString &entry)
{
    const QString folder = m_env.path(QStringLiteral("zip-") + QString::number(qHash(source)));
    QDir().mkpath(folder);
    const QString named = QDir(folder).filePath(entry);
    QFile::remove(named);
    QFile::copy(source, named);
    const QString archive = named + QStringLiteral(".zip");
    CZipArchive zip;
    zip.Open(archive, CZipArchive::CreateNew, 0);
    zip.AddFile(named, 9, true, 65535);
    zip.Close(false);
    return archive;
}

QString TestBackupRestore::twiceZipped(const QString &source)
{
    const QString folder = m_env.path(QStringLiteral("twice"));
    QDir().mkpath(folder + QStringLiteral("/other"));
    const QString first = folder + QStringLiteral("/Backup Verdimo.mdb");
    const QString second = folder + QStringLiteral("/other/Backup Verdimo.mdb");
    QFile::copy(source, first);
    QFile::copy(source, second);
    const QString archive = folder + QStringLiteral(".zip");
    CZipArchive zip;
    zip.Open(archive, CZipArchive::CreateNew, 0);
    zip.AddFile(first, 9, true, 65535);
    zip.AddFile(second, 9, false, 65535);
    zip.Close(false);
    return archive;
}

void TestBackupRestore::restoreBringsBackADeletedCardAndKeepsTheReplacedDatabase()
{
    BackupRotation rotation(m_folder, m_clock);
    QString error;
    const QString yesterday = rotation.backUp(m_db, &error);
    QVERIFY2(!yesterday.isEmpty(), qPrintable(error));
    {
        Database db;
        db.open(m_db);
        db.execute(QStringLiteral("DELETE FROM Scheda"));
        db.execute(QStringLiteral("INSERT INTO Scheda (Data) VALUES ('2026-05-04 08:00:00')"));
    }

    m_clock.set(QDateTime(QDate(2026, 5, 4), QTime(18, 0)));
    BackupRestore restore(rotation);
    QVERIFY2(restore.restore(yesterday, m_db, &error), qPrintable(error));
    QCOMPARE(cardDays(m_db), QStringList{"2026-05-02"});
    // The stored queries come back too: the file is a whole database of the program.
    Database db;
    db.open(m_db);
    QVERIFY(db.scalar(QStringLiteral("SELECT COUNT(*) FROM QueryDefs")).toInt() > 0);
    db.close();

    // The database replaced is the newest backup, and restoring it undoes the restore.
    QCOMPARE(rotation.backups().size(), 2);
    QCOMPARE(restore.keptBackup(), rotation.backups().first().path);
    QVERIFY(restore.restore(restore.keptBackup(), m_db, &error));
    QCOMPARE(cardDays(m_db), QStringList{"2026-05-04"});
}

void TestBackupRestore::refusal_data()
{
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QString>("message");

    const QString truncated = m_env.copyTemplate();
    {
        QFile file(truncated);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.resize(file.size() / 2));
    }
    QTest::newRow("damaged database")
        << zipOf(truncated, QStringLiteral("Backup Verdimo.mdb")) << "cannot be used";

    const QString foreign = m_env.path(QStringLiteral("foreign.db"));
    Database::create(foreign);
    {
        Database db;
        db.open(foreign);
        db.execute(QStringLiteral("CREATE TABLE Contacts (Name TEXT)"));
    }
    QTest::newRow("foreign database") << zipOf(foreign, QStringLiteral("Backup Verdimo.mdb"))
                                      << "the table Contacts, which is not one of Verdimo's";
    QTest::newRow("other entry") << zipOf(m_env.copyTemplate(), QStringLiteral("farm.mdb"))
                                 << "holds no Backup Verdimo.mdb";
    QTest::newRow("entry twice") << twiceZipped(m_env.copyTemplate()) << "more than once";

    const QString constrained = m_env.copyTemplate();
    {
        Database db;
        db.open(constrained);
        db.execute(QStringLiteral("ALTER TABLE Opere ADD COLUMN Blocco INTEGER CHECK (Blocco)"));
    }
    QTest::newRow("column and constraint of its own")
        << zipOf(constrained, QStringLiteral("Backup Verdimo.mdb")) << "Opere";

    const QString text = m_env.path(QStringLiteral("notes.zip"));
    {
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a zip file at all");
    }
    QTest::newRow("not a ZIP") << text << "notes.zip";
    QTest::newRow("missing") << m_env.path(QStringLiteral("missing.zip")) << "missing.zip";
}

void TestBackupRestore::refusal()
{
    QFETCH(QString, archive);
    QFETCH(QString, message);
    const QByteArray before = contents(m_db);
    BackupRotation rotation(m_folder, m_clock);
    BackupRestore restore(rotation);
    QString error;
    QVERIFY(!restore.restore(archive, m_db, &error));
    QVERIFY2(error.contains(message), qPrintable(error));
    QCOMPARE(contents(m_db), before);
    QCOMPARE(rotation.backups().size(), 0);
}

// A backup's kept hour sums may say anything: the restored farm sums its works afresh.
void TestBackupRestore::keptSumsOfABackupAreNotTrusted()
{
    const QString forged = m_env.copyTemplate();
    {
        Database db;
        db.open(forged);
        SchemaUpgrade::keepYearSums(db);
        db.execute(QStringLiteral("INSERT INTO [%1] VALUES ('Ore Totali Addetti', 'x', 2026, 1, "
                                  "99999, 0, 0, 99999)")
                       .arg(SchemaUpgrade::YearSumsTable));
        db.execute(QStringLiteral("INSERT INTO [%1] VALUES ('Ore Totali Addetti', 'x', 2026)")
                       .arg(SchemaUpgrade::SummedYearsTable));
        QSqlQuery names =
            db.execute(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'trigger'"));
        QStringList dropped;
        while (names.next())
            dropped << names.value(0).toString();
        for (const QString &name : std::as_const(dropped))
            db.execute(QStringLiteral("DROP TRIGGER [%1]").arg(name));
    }
    BackupRotation rotation(m_folder, m_clock);
    BackupRestore restore(rotation);
    QString error;
    QVERIFY2(restore.restore(zipOf(forged, QStringLiteral("Backup Verdimo.mdb")), m_db, &error),
             qPrintable(error));
    Database db;
    db.open(m_db);
    for (const QString &table : {SchemaUpgrade::YearSumsTable, SchemaUpgrade::SummedYearsTable})
        QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM [%1]").arg(table)).toInt(), 0);
}

void TestBackupRestore::command()
{
    BackupRotation rotation(m_folder, m_clock);
    QString error;
    const QString backup = rotation.backUp(m_db, &error);
    QVERIFY2(!backup.isEmpty(), qPrintable(error));

    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    QCOMPARE(runRestoreCommand({backup, QStringLiteral("--db"), m_db}, outStream, errStream,
                               m_folder, m_clock),
             0);
    QVERIFY2(out.contains(QStringLiteral("Restored")), qPrintable(out));
    QCOMPARE(rotation.backups().size(), 2);

    QCOMPARE(runRestoreCommand({m_db, QStringLiteral("--db"), m_db}, outStream, errStream, m_folder,
                               m_clock),
             1);
    QVERIFY2(err.contains(QStringLiteral("not a ZIP archive")), qPrintable(err));
    QCOMPARE(runRestoreCommand({}, outStream, errStream, m_folder, m_clock), 2);
}

QTEST_GUILESS_MAIN(TestBackupRestore)
#include "TestBackupRestore.moc"
