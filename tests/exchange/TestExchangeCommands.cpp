#include "ExchangeCommands.h"
#include "TestEnvironment.h"
#include "base/SettingsStore.h"
#include "db/Database.h"
#include "exchange/CZipArchive.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {

struct Run
{
    int status;
    QString out;
    QString err;
};

using Runner = int (*)(const QStringList &, QTextStream &, QTextStream &);

Run run(Runner command, const QStringList &args)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = command(args, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {status, out, err};
}

int count(const QString &path, const QString &table)
{
    Database db;
    db.open(path);
    return db.scalar(QStringLiteral("SELECT count(*) FROM [%1]").arg(table)).toInt();
}

} // namespace

class TestExchangeCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void badUsage_data();
    void badUsage();
    void exportImportAndBackup();
    void importFailureIsReported();
    void exportFailureNamesTheArchive();

private:
    std::unique_ptr<TestEnvironment> m_env;
};

void TestExchangeCommands::initTestCase()
{
    m_env = std::make_unique<TestEnvironment>();
    qputenv("TMPDIR", m_env->folder().toUtf8());
}

void TestExchangeCommands::badUsage_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QStringList>("args");
    QTest::newRow("export without archive") << 0 << QStringList{};
    QTest::newRow("export bad date") << 0 << QStringList{"a.czp", "--from", "2015-13-01"};
    QTest::newRow("export reversed period")
        << 0 << QStringList{"a.czp", "--from", "2015-06-01", "--to", "2015-05-01"};
    QTest::newRow("export unknown option") << 0 << QStringList{"a.czp", "--keep"};
    QTest::newRow("import without answer") << 1 << QStringList{"a.czp"};
    QTest::newRow("import both answers") << 1 << QStringList{"a.czp", "--keep", "--overwrite"};
    QTest::newRow("import two archives") << 1 << QStringList{"a.czp", "b.czp", "--keep"};
    QTest::newRow("backup db without value") << 2 << QStringList{"a.zip", "--db"};
}

void TestExchangeCommands::badUsage()
{
    QFETCH(int, command);
    QFETCH(QStringList, args);
    const Runner runners[] = {runExportCommand, runImportCommand, runBackupCommand};
    const Run result = run(runners[command], args);
    QCOMPARE(result.status, 2);
    QVERIFY(result.err.contains(QStringLiteral("Usage: verdimo-cli")));
}

void TestExchangeCommands::exportImportAndBackup()
{
    const QString source = m_env->copyTemplate();
    {
        Database db;
        db.open(source);
        for (int day = 1; day <= 40; ++day) {
            const qint64 card =
                db.execute(QStringLiteral("INSERT INTO Scheda (Data, Tempo) VALUES (?, 'sole')"),
                           {QDateTime(QDate(2016, 1, 1).addDays(day), QTime(8, 0))})
                    .lastInsertId()
                    .toLongLong();
            db.execute(QStringLiteral("INSERT INTO Opere (IDScheda, OreOrd) VALUES (?, 8)"),
                       {card});
        }
        db.execute(QStringLiteral("INSERT INTO Operai (Codice, Nome) VALUES (1, 'Mario')"));
    }
    // The settings name another database: --db wins, and the settings stay as they were.
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("Database"),
                               m_env->path(QStringLiteral("elsewhere.mdb")));
    const QString archive = m_env->path(QStringLiteral("cli.czp"));
    Run result = run(runExportCommand,
                     {archive, "--db", source, "--from", "2016-01-10", "--to", "2016-01-19"});
    QCOMPARE(result.status, 0);
    QCOMPARE(result.out, QStringLiteral("Export data completed successfully!\nWritten to %1.\n")
                             .arg(QDir::toNativeSeparators(archive)));
    QVERIFY(QFileInfo::exists(archive));

    const QString target = m_env->copyTemplate();
    result = run(runImportCommand, {archive, "--keep", "--db", target});
    QCOMPARE(result.status, 0);
    QVERIFY(result.out.contains(QStringLiteral("Import data completed successfully!")));
    QVERIFY(result.err.contains(QStringLiteral("100% Importing worker Mario")));
    QCOMPARE(count(target, QStringLiteral("Scheda")), 10);
    QCOMPARE(count(target, QStringLiteral("Opere")), 10);
    QCOMPARE(count(target, QStringLiteral("Operai")), 1);

    // Keeping: nothing twice. Overwriting: the cards' works are replaced, not added.
    QCOMPARE(run(runImportCommand, {archive, "--keep", "--db", target}).status, 0);
    QCOMPARE(count(target, QStringLiteral("Opere")), 10);
    QCOMPARE(run(runImportCommand, {archive, "--overwrite", "--db", target}).status, 0);
    QCOMPARE(count(target, QStringLiteral("Scheda")), 10);
    QCOMPARE(count(target, QStringLiteral("Opere")), 10);

    const QString backup = m_env->path(QStringLiteral("backup"));
    result = run(runBackupCommand, {backup, "--db", target});
    QCOMPARE(result.status, 0);
    // The name typed is completed with the suffix, and the message says so.
    QCOMPARE(result.out, QStringLiteral("Backup completed successfully!\nWritten to %1.zip.\n")
                             .arg(QDir::toNativeSeparators(backup)));
    CZipArchive zip;
    zip.Open(backup + QStringLiteral(".zip"), CZipArchive::OpenExisting, 0);
    QCOMPARE(zip.entry(0).name(), QStringLiteral("Backup Verdimo.mdb"));
    QCOMPARE(SettingsStore::readString(SettingsStore::Settings, QStringLiteral("Database")),
             m_env->path(QStringLiteral("elsewhere.mdb")));
}

void TestExchangeCommands::importFailureIsReported()
{
    const QString target = m_env->copyTemplate();
    const QString notArchive = m_env->copyTemplate();
    const Run result = run(runImportCommand, {notArchive, "--overwrite", "--db", target});
    QCOMPARE(result.status, 1);
    QVERIFY(result.err.contains(QStringLiteral("is not a ZIP archive")));
    QVERIFY(!result.out.contains(QStringLiteral("successfully")));
}

void TestExchangeCommands::exportFailureNamesTheArchive()
{
    const QString source = m_env->copyTemplate();
    const QString archive = m_env->path(QStringLiteral("no such folder/out"));
    const Run result = run(runExportCommand,
                           {archive, "--db", source, "--from", "2016-01-01", "--to", "2016-12-31"});
    QCOMPARE(result.status, 1);
    QVERIFY2(
        result.err.endsWith(
            QStringLiteral("%1.czp was not written.\n").arg(QDir::toNativeSeparators(archive))),
        qPrintable(result.err));
    QVERIFY(!result.out.contains(QStringLiteral("successfully")));
}

QTEST_GUILESS_MAIN(TestExchangeCommands)
#include "TestExchangeCommands.moc"
