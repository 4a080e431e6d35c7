#include "FarmFixture.h"
#include "RegisterExportCommand.h"
#include "TestEnvironment.h"
#include "db/SchemaUpgrade.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

class TestRegisterExportCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writesThePeriodAndListsIncompleteTreatments();
    void mistakes_data();
    void mistakes();

private:
    struct Run
    {
        int status;
        QString out;
        QString err;
    };
    Run run(const QStringList &args);

    TestEnvironment m_env;
    QString m_db;
};

void TestRegisterExportCommand::initTestCase()
{
    m_env.clearSettings();
    m_db = m_env.copyTemplate();
    Database db;
    db.open(m_db);
    SchemaUpgrade::upgrade(db);
    FarmFixture farm(db);
    farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 2.5);
    farm.addItem(10, QStringLiteral("Rame 20"), QStringLiteral("L"), true);
    db.execute(QStringLiteral("UPDATE Articoli SET NumeroRegistrazione = '12345'"));
    for (const QDate day : {QDate(2026, 5, 4), QDate(2026, 7, 1)})
        farm.addWork(farm.addCard(QDateTime(day, QTime(8, 0))), {.centreType = 1, .centre = 1},
                     {.type = 3, .item = 10, .quantity = 5, .unit = QStringLiteral("L")});
}

TestRegisterExportCommand::Run TestRegisterExportCommand::run(const QStringList &args)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = runRegisterExportCommand(args, outStream, errStream);
    return {status, out, err};
}

void TestRegisterExportCommand::writesThePeriodAndListsIncompleteTreatments()
{
    const QString path = m_env.path(QStringLiteral("may.json"));
    const Run result =
        run({QStringLiteral("--format"), QStringLiteral("json"), QStringLiteral("--out"), path,
             QStringLiteral("--db"), m_db, QStringLiteral("--from"), QStringLiteral("2026-05-01"),
             QStringLiteral("--to"), QStringLiteral("2026-05-31")});
    QCOMPARE(result.status, 0);
    QVERIFY2(result.err.contains(QStringLiteral("2026-05-04, Rame 20 on Vigneto (1): the crop "
                                                "has no EPPO code")),
             qPrintable(result.err));
    QVERIFY(!result.err.contains(QStringLiteral("2026-07-01")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonArray rows = QJsonDocument::fromJson(file.readAll()).array();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().toObject().value(QStringLiteral("dose_per_hectare")), QJsonValue(2.0));
}

void TestRegisterExportCommand::mistakes_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const QString out = m_env.path(QStringLiteral("never.csv"));
    QTest::newRow("unknown format") << QStringList{"--format", "xml", "--out", out, "--db", m_db}
                                    << 2 << "--format csv or --format json";
    QTest::newRow("no output") << QStringList{"--format", "csv", "--db", m_db} << 2 << "--out";
    QTest::newRow("reversed period")
        << QStringList{"--format", "csv",    "--out",      out,    "--db",
                       m_db,       "--from", "2026-06-01", "--to", "2026-05-01"}
        << 2 << "ends before it starts";
    QTest::newRow("missing database")
        << QStringList{"--format", "csv", "--out", out, "--db", m_env.path("none.mdb")} << 1
        << "none.mdb";
}

void TestRegisterExportCommand::mistakes()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, message);
    const Run result = run(args);
    QCOMPARE(result.status, status);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QVERIFY(!QFile::exists(m_env.path(QStringLiteral("never.csv"))));
}

QTEST_GUILESS_MAIN(TestRegisterExportCommand)
#include "TestRegisterExportCommand.moc"
