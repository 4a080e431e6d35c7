#include "CliRun.h"
#include "FarmFaults.h"
#include "TestEnvironment.h"
#include "base/SettingsKeys.h"
#include "db/Database.h"
#include "db/DbErrorText.h"
#include "db/DbException.h"
#include "db/FarmSession.h"
#include "db/SchemaUpgrade.h"

#include <QFile>
#include <QTest>

#include <optional>

// The commands that read a farm open it as the window does, and end with the failure's kind
// when the farm is held by another program or damaged.
class TestCommandFarm : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_env.clearSettings(); }
    void commandsBringAnOlderFarmUpToDate_data();
    void commandsBringAnOlderFarmUpToDate();
    void heldOrDamagedFarmFailsTheCommand_data();
    void heldOrDamagedFarmFailsTheCommand();

private:
    // A copy of the template with a worker, an item and a card, as an older installation left
    // it: no added columns, no kept yearly sums.
    QString olderFarm();

    TestEnvironment m_env;
};

QString TestCommandFarm::olderFarm()
{
    const QString path = m_env.copyTemplate();
    Database db;
    db.open(path);
    db.execute(QStringLiteral("INSERT INTO Operai (Codice, Nome, Rapporto) VALUES (1, 'Anna', 0)"));
    db.execute(QStringLiteral("INSERT INTO Articoli (Codice, Descrizione) VALUES (1, 'Rame')"));
    db.execute(QStringLiteral("INSERT INTO Scheda (Data, TempMax, TempMin, Pioggia) "
                              "VALUES ('2015-03-10 08:00:00', 14, 4, 2)"));
    if (SchemaUpgrade::version(db) == SchemaUpgrade::CurrentVersion ||
        db.tableExists(SchemaUpgrade::YearSumsTable))
        qFatal("the template is already up to date");
    return path;
}

void TestCommandFarm::commandsBringAnOlderFarmUpToDate_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("print") << QStringList{"print", "workers", "--pdf", "@OUT@"};
    QTest::newRow("register-export")
        << QStringList{"register-export", "--format", "csv", "--out", "@OUT@"};
    QTest::newRow("chart") << QStringList{"chart", "--png", "@OUT@"};
}

void TestCommandFarm::commandsBringAnOlderFarmUpToDate()
{
    QFETCH(QStringList, args);
    const QString path = olderFarm();
    const QString output = m_env.path(QStringLiteral("output"));
    QFile::remove(output);
    args.replaceInStrings(QStringLiteral("@OUT@"), output);

    const CliRun run = CliRun::of(args + QStringList{"--db", path});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QVERIFY(QFile::exists(output));
    Database db;
    db.open(path);
    QCOMPARE(SchemaUpgrade::version(db), SchemaUpgrade::CurrentVersion);
    QVERIFY(db.tableExists(SchemaUpgrade::YearSumsTable));
    QVERIFY(SchemaUpgrade::hasYearSumTriggers(db));
}

void TestCommandFarm::heldOrDamagedFarmFailsTheCommand_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("locked");
    const QStringList print{"print", "items", "--pdf", "@OUT@"};
    const QStringList exportRegister{"register-export", "--format", "json", "--out", "@OUT@"};
    const QStringList chart{"chart", "--pdf", "@OUT@"};
    QTest::newRow("print, damaged") << print << "Articoli" << false;
    QTest::newRow("print, held") << print << QString() << true;
    QTest::newRow("register-export, damaged") << exportRegister << "Articoli" << false;
    QTest::newRow("register-export, held") << exportRegister << QString() << true;
    QTest::newRow("chart, damaged") << chart << "Scheda" << false;
}

void TestCommandFarm::heldOrDamagedFarmFailsTheCommand()
{
    QFETCH(QStringList, args);
    QFETCH(QString, table);
    QFETCH(bool, locked);
    const QString path = olderFarm();
    {
        // Opened by the window once: the command's own opening has nothing to change.
        FarmSession farm;
        farm.open(path);
    }
    if (!table.isEmpty())
        FarmFaults::zeroTablePage(path, table);
    const QByteArray before = FarmFaults::contents(path);
    const QString output = m_env.path(QStringLiteral("output"));
    QFile::remove(output);
    args.replaceInStrings(QStringLiteral("@OUT@"), output);
    SettingsKeys::Database.write(path);

    std::optional<FarmFaults::ExclusiveLock> lock;
    if (locked)
        lock.emplace(path);
    const CliRun run = CliRun::of(args + QStringList{"--from", "2015-01-01", "--to", "2015-12-31"});
    lock.reset();

    QCOMPARE(run.status, 1);
    const DbErrorKind kind = locked ? DbErrorKind::Busy : DbErrorKind::Damaged;
    const QString sentence = DbErrorText::describe(DbException(QString(), kind), path).trimmed();
    QVERIFY2(run.err.contains(sentence), qPrintable(run.out + run.err));
    QVERIFY(!QFile::exists(output));
    QCOMPARE(FarmFaults::contents(path), before);
}

QTEST_GUILESS_MAIN(TestCommandFarm)
#include "TestCommandFarm.moc"
