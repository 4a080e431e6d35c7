#include "FarmFixture.h"
#include "RegisterExportCommand.h"
#include "TestEnvironment.h"
#include "TreatmentFixture.h"
#include "db/SchemaUpgrade.h"
#include "demo/DemoFarm.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString Square = QStringLiteral(
    R"({"type":"Polygon","coordinates":[[[11.0,44.0],[11.001,44.0],[11.001,44.001],[11.0,44.0]]]})");

// Validates the JSON file at path against the record's schema with Python's jsonschema; the
// errors, one a line, when it does not validate.
QString schemaErrors(const QString &path)
{
    // Debian's own Python, the one python3-jsonschema is installed for; another python3 earlier
    // in PATH may lack the module.
    const QString debianPython = QStringLiteral("/usr/bin/python3");
    const QString python = QFileInfo::exists(debianPython)
                               ? debianPython
                               : TestEnvironment::requireTool(QStringLiteral("python3"));
    if (python.isEmpty())
        return QStringLiteral("no python3");
    QProcess process;
    process.start(python, {QStringLiteral("-c"), QStringLiteral(R"(
import json, sys
import jsonschema
schema = json.load(open(sys.argv[1]))
jsonschema.Draft202012Validator.check_schema(schema)
errors = [e.message for e in jsonschema.Draft202012Validator(schema).iter_errors(json.load(open(sys.argv[2])))]
print("\n".join(errors[:10]))
sys.exit(1 if errors else 0)
)"),
                           QStringLiteral(VERDIMO_RECORD_SCHEMA), path});
    if (!process.waitForFinished(60000))
        return QStringLiteral("python3 did not finish");
    if (process.exitCode() == 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

} // namespace

class TestRegisterExportCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writesThePeriodAndListsIncompleteTreatments();
    void strictFailsOnAnIncompleteRecord();
    void formatsFollowTheSchemaAndGeoJson_data();
    void formatsFollowTheSchemaAndGeoJson();
    void demoFarmRecordFollowsTheSchema();
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
    // A farm whose record is complete: two products on two fields with parcels.
    QString completeFarm();

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

QString TestRegisterExportCommand::completeFarm()
{
    const QString path = m_env.copyTemplate();
    Database db;
    db.open(path);
    SchemaUpgrade::upgrade(db);
    TreatmentFixture::addColumns(db);
    FarmFixture farm(db);
    farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 4);
    db.execute(QStringLiteral("UPDATE Centri SET CodiceEPPO = 'VITVI'"));
    farm.addField(5, QStringLiteral("Vigna alta"), 1, 2, 2026);
    farm.addField(6, QStringLiteral("Vigna bassa"), 1, 2, 2026);
    TreatmentFixture::setParcel(db, 5, QStringLiteral("IT-021-0042"), Square);
    db.execute(QStringLiteral("UPDATE Campi SET CodiceComune = 'H501', Foglio = '12', "
                              "Particella = '345' WHERE Codice = 6"));
    farm.addItem(10, QStringLiteral("Rame 20"), QStringLiteral("L"), true);
    farm.addItem(11, QStringLiteral("Zolfo"), QStringLiteral("kg"), true);
    db.execute(QStringLiteral("UPDATE Articoli SET NumeroRegistrazione = 'R' || Codice"));
    int day = 1;
    for (const int item : {10, 11, 10}) {
        for (const int field : {5, 6}) {
            const qint64 work =
                farm.addWork(farm.addCard(QDateTime(QDate(2026, 5, day++), QTime(8, 0))),
                             {.centreType = 2, .centre = 1, .field = field},
                             {.type = 3, .item = item, .quantity = 3, .unit = QStringLiteral("L")});
            TreatmentFixture::setApplication(db, work, field == 5 ? QVariant(0.5) : QVariant(),
                                             QStringLiteral("61"), QStringLiteral("06:45"));
        }
    }
    return path;
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

void TestRegisterExportCommand::strictFailsOnAnIncompleteRecord()
{
    const QString farm = completeFarm();
    const QString path = m_env.path(QStringLiteral("strict.json"));
    const QStringList args{QStringLiteral("--format"),   QStringLiteral("json"),
                           QStringLiteral("--out"),      path,
                           QStringLiteral("--db"),       farm,
                           QStringLiteral("--strict"),   QStringLiteral("--from"),
                           QStringLiteral("2026-01-01"), QStringLiteral("--to"),
                           QStringLiteral("2026-12-31")};
    Run result = run(args);
    QVERIFY2(result.status == 0, qPrintable(result.err));
    QVERIFY2(result.err.isEmpty(), qPrintable(result.err));
    QVERIFY(QFile::remove(path));

    {
        Database db;
        db.open(farm);
        db.execute(
            QStringLiteral("UPDATE Articoli SET NumeroRegistrazione = '' WHERE Codice = 11"));
    }
    result = run(args);
    QCOMPARE(result.status, 1);
    QVERIFY(!QFile::exists(path));
    const QStringList lines = result.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(lines.first().contains(QStringLiteral("2 application(s)")), qPrintable(result.err));
    QCOMPARE(lines.size(), 3);
    for (const QString &line : lines.mid(1))
        QVERIFY2(line.contains(QStringLiteral(", Zolfo on Vigna ")) &&
                     line.endsWith(QStringLiteral("the product has no authorisation number")),
                 qPrintable(line));
    QVERIFY(result.err.contains(QStringLiteral("2026-05-03, Zolfo on Vigna alta (5)")));
    QVERIFY(result.err.contains(QStringLiteral("2026-05-04, Zolfo on Vigna bassa (6)")));
}

void TestRegisterExportCommand::formatsFollowTheSchemaAndGeoJson_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("json") << QStringLiteral("json");
    QTest::newRow("geojson") << QStringLiteral("geojson");
    QTest::newRow("csv") << QStringLiteral("csv");
}

void TestRegisterExportCommand::formatsFollowTheSchemaAndGeoJson()
{
    QFETCH(QString, format);
    const QString path = m_env.path(QStringLiteral("record.") + format);
    const Run result =
        run({QStringLiteral("--format"), format, QStringLiteral("--out"), path,
             QStringLiteral("--db"), completeFarm(), QStringLiteral("--from"),
             QStringLiteral("2026-01-01"), QStringLiteral("--to"), QStringLiteral("2026-12-31")});
    QCOMPARE(result.status, 0);
    QVERIFY(result.out.contains(QStringLiteral("Wrote 6 treatment(s)")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    if (format == QLatin1String("csv")) {
        QCOMPARE(bytes.count("\r\n"), 7);
        QVERIFY(bytes.contains(",IT-021-0042,"));
        return;
    }
    if (format == QLatin1String("json")) {
        const QString errors = schemaErrors(path);
        QVERIFY2(errors.isEmpty(), qPrintable(errors));
        const QJsonArray records = QJsonDocument::fromJson(bytes).array();
        QCOMPARE(records.size(), 6);
        // 3 L on half a hectare of the 2 ha field.
        QCOMPARE(records.at(0).toObject().value("dose_per_hectare"), QJsonValue(6.0));
        QCOMPARE(records.at(1).toObject().value("dose_per_hectare"), QJsonValue(1.5));
        return;
    }
    const QJsonArray features = QJsonDocument::fromJson(bytes).object().value("features").toArray();
    QCOMPARE(features.size(), 2);
    QCOMPARE(features.at(0).toObject().value("geometry").toObject().value("type"),
             QJsonValue("Polygon"));
    QVERIFY(features.at(1).toObject().value("geometry").isNull());
    QCOMPARE(features.at(1).toObject().value("properties").toObject().value("cadastral_parcel"),
             QJsonValue("345"));
    // A GIS reader lists the features and their treatments, when one is installed.
    const QString ogrinfo = QStandardPaths::findExecutable(QStringLiteral("ogrinfo"));
    if (ogrinfo.isEmpty())
        QSKIP("ogrinfo (gdal-bin) is not installed");
    QProcess process;
    process.start(ogrinfo, {QStringLiteral("-al"), QStringLiteral("-ro"), path});
    QVERIFY(process.waitForFinished(60000));
    const QString listing = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY2(listing.contains(QStringLiteral("Feature Count: 2")), qPrintable(listing));
    QVERIFY2(listing.contains(QStringLiteral("Zolfo")), qPrintable(listing));
}

void TestRegisterExportCommand::demoFarmRecordFollowsTheSchema()
{
    const QString farm = m_env.copyTemplate();
    const QDate lastDay(2026, 6, 30);
    {
        Database db;
        db.open(farm);
        SchemaUpgrade::upgrade(db);
        DemoFarm::fill(db, lastDay, 1);
    }
    const QString path = m_env.path(QStringLiteral("demo.json"));
    const Run result =
        run({QStringLiteral("--format"), QStringLiteral("json"), QStringLiteral("--out"), path,
             QStringLiteral("--db"), farm, QStringLiteral("--from"), QStringLiteral("2026-01-01"),
             QStringLiteral("--to"), lastDay.toString(Qt::ISODate)});
    QCOMPARE(result.status, 0);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(!QJsonDocument::fromJson(file.readAll()).array().isEmpty());
    const QString errors = schemaErrors(path);
    QVERIFY2(errors.isEmpty(), qPrintable(errors));
}

void TestRegisterExportCommand::mistakes_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const QString out = m_env.path(QStringLiteral("never.csv"));
    QTest::newRow("unknown format") << QStringList{"--format", "xml", "--out", out, "--db", m_db}
                                    << 2 << "--format csv, --format json or --format geojson";
    QTest::newRow("no output") << QStringList{"--format", "csv", "--db", m_db} << 2 << "--out";
    QTest::newRow("reversed period")
        << QStringList{"--format", "csv",    "--out",      out,    "--db",
                       m_db,       "--from", "2026-06-01", "--to", "2026-05-01"}
        << 2 << "ends before it starts";
    QTest::newRow("missing database")
        << QStringList{"--format", "csv", "--out", out, "--db", m_env.path("none.mdb")} << 1
        << "none.mdb";
    QTest::newRow("strict, incomplete")
        << QStringList{"--format", "csv",    "--out",      out,    "--db",      m_db,
                       "--strict", "--from", "2026-01-01", "--to", "2026-12-31"}
        << 1 << "nothing was written";
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
