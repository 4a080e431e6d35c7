#include "FarmFixture.h"
#include "TestEnvironment.h"
#include "base/CompanyData.h"
#include "base/SettingsStore.h"
#include "db/SchemaUpgrade.h"
#include "reports/TreatmentRecord.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

const WorkingPeriod Year2026{QDate(2026, 1, 1), QDate(2026, 12, 31)};
const TreatmentRecord::Company Company{QStringLiteral("Rossi, \"Il Poggio\""),
                                       QStringLiteral("RSSMRA70A01H501U")};

} // namespace

class TestTreatmentRecord : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void oneTreatmentAsCsv();
    void oneTreatmentAsJson();
    void missingRegistryValuesAreWrittenAndListed();
    void olderReadOnlyDatabaseReadsEmptyValues();
    void companyFromTheSettings();
    void writeFailureNamesTheFile();

private:
    // A vineyard of 2.5 ha treated on 4 May 2026 with 5 L of a copper product.
    void seedVineyard(const QString &eppo, const QString &authorisation);

    TestEnvironment m_env;
    std::unique_ptr<Database> m_db;
};

void TestTreatmentRecord::init()
{
    // Numbers must not follow the user's locale.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    m_env.clearSettings();
    m_db = std::make_unique<Database>();
    m_db->open(m_env.copyTemplate());
    SchemaUpgrade::upgrade(*m_db);
}

void TestTreatmentRecord::cleanup()
{
    m_db.reset();
    QLocale::setDefault(QLocale::c());
}

void TestTreatmentRecord::seedVineyard(const QString &eppo, const QString &authorisation)
{
    FarmFixture farm(*m_db);
    farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 2.5);
    farm.addItem(10, QStringLiteral("Rame 20"), QStringLiteral("L"), true);
    farm.addItem(11, QStringLiteral("Concime"), QStringLiteral("kg"), false);
    m_db->execute(QStringLiteral("UPDATE Centri SET CodiceEPPO = ? WHERE Codice = 1"), {eppo});
    m_db->execute(QStringLiteral("UPDATE Articoli SET NumeroRegistrazione = ? WHERE Codice = 10"),
                  {authorisation});
    const FarmFixture::Work onVineyard{.centreType = 1, .centre = 1};
    const qint64 card = farm.addCard(QDateTime(QDate(2026, 5, 4), QTime(8, 0)));
    farm.addWork(card, onVineyard,
                 {.type = 3,
                  .item = 10,
                  .quantity = 5,
                  .phase = QStringLiteral("BBCH 53"),
                  .unit = QStringLiteral("L"),
                  .adversity = QStringLiteral("Peronospora")});
    // Not a register product: no record.
    farm.addWork(card, onVineyard, {.type = 3, .item = 11, .quantity = 40});
    // Outside the period.
    farm.addWork(farm.addCard(QDateTime(QDate(2025, 12, 31), QTime(8, 0))), onVineyard,
                 {.type = 3, .item = 10, .quantity = 1});
}

void TestTreatmentRecord::oneTreatmentAsCsv()
{
    seedVineyard(QStringLiteral("VITVI"), QStringLiteral("12345"));
    const TreatmentRecord record(*m_db, Year2026, Company);
    QCOMPARE(record.incomplete().size(), 0);
    QCOMPARE(record.toCsv(),
             QByteArray("\xEF\xBB\xBF"
                        "date,product,authorisation_number,quantity,unit,dose_per_hectare,crop,"
                        "crop_eppo_code,centre_code,surface_ha,growth_stage,adversity,"
                        "company_name,company_tax_code\r\n"
                        "2026-05-04,Rame 20,12345,5,L,2,Vigneto,VITVI,1,2.5,BBCH 53,Peronospora,"
                        "\"Rossi, \"\"Il Poggio\"\"\",RSSMRA70A01H501U\r\n"));
}

void TestTreatmentRecord::oneTreatmentAsJson()
{
    seedVineyard(QStringLiteral("VITVI"), QStringLiteral("12345"));
    const QString path = m_env.path(QStringLiteral("record.json"));
    QString error;
    QVERIFY2(TreatmentRecord(*m_db, Year2026, Company)
                 .write(path, TreatmentRecord::Format::Json, &error),
             qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parse);
    QCOMPARE(parse.error, QJsonParseError::NoError);
    QVERIFY(document.isArray());
    QCOMPARE(document.array().size(), 1);
    const QJsonObject row = document.array().first().toObject();
    QCOMPARE(row.keys().size(), TreatmentRecord::fieldNames().size());
    QCOMPARE(row.value(QStringLiteral("date")), QJsonValue(QStringLiteral("2026-05-04")));
    QCOMPARE(row.value(QStringLiteral("quantity")), QJsonValue(5.0));
    QCOMPARE(row.value(QStringLiteral("dose_per_hectare")), QJsonValue(2.0));
    QCOMPARE(row.value(QStringLiteral("surface_ha")), QJsonValue(2.5));
    QCOMPARE(row.value(QStringLiteral("centre_code")), QJsonValue(1));
    QCOMPARE(row.value(QStringLiteral("authorisation_number")),
             QJsonValue(QStringLiteral("12345")));
    QCOMPARE(row.value(QStringLiteral("crop_eppo_code")), QJsonValue(QStringLiteral("VITVI")));
    QCOMPARE(row.value(QStringLiteral("company_name")), QJsonValue(Company.name));
}

void TestTreatmentRecord::missingRegistryValuesAreWrittenAndListed()
{
    seedVineyard(QString(), QStringLiteral("  "));
    FarmFixture(*m_db).addCentre(2, QStringLiteral("Frutteto"), false, true, 0);
    const qint64 card = FarmFixture(*m_db).addCard(QDateTime(QDate(2026, 6, 1), QTime(9, 0)));
    FarmFixture(*m_db).addWork(card, {.centreType = 1, .centre = 2},
                               {.type = 3, .item = 10, .quantity = 3, .unit = QStringLiteral("L")});

    const TreatmentRecord record(*m_db, Year2026, Company);
    QCOMPARE(record.treatments().size(), 2);
    QCOMPARE(record.incomplete().size(), 2);
    QCOMPARE(TreatmentRecord::describeMissing(record.incomplete().first()),
             QStringLiteral("2026-05-04, Rame 20 on Vigneto (1): the product has no "
                            "authorisation number; the crop has no EPPO code"));
    // No surface to divide by: the dose is left empty rather than made up.
    const QJsonObject orchard = QJsonDocument::fromJson(record.toJson()).array().at(1).toObject();
    QVERIFY(orchard.value(QStringLiteral("dose_per_hectare")).isNull());
    QVERIFY(record.toCsv().endsWith(",3,L,,Frutteto,,2,0,,,\"Rossi, \"\"Il Poggio\"\"\","
                                    "RSSMRA70A01H501U\r\n"));
}

void TestTreatmentRecord::olderReadOnlyDatabaseReadsEmptyValues()
{
    const QString path = m_env.copyTemplate();
    {
        Database db;
        db.open(path);
        FarmFixture farm(db);
        farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 2.5);
        farm.addItem(10, QStringLiteral("Rame 20"), QStringLiteral("L"), true);
        farm.addWork(farm.addCard(QDateTime(QDate(2026, 5, 4), QTime(8, 0))),
                     {.centreType = 1, .centre = 1}, {.type = 3, .item = 10, .quantity = 5});
    }
    Database db;
    db.open(path, Database::Access::ReadOnly);
    SchemaUpgrade::upgrade(db);
    const TreatmentRecord record(db, Year2026, Company);
    QCOMPARE(record.treatments().size(), 1);
    QCOMPARE(record.treatments().first().dosePerHectare, std::optional<double>(2.0));
    QCOMPARE(record.incomplete().size(), 1);
}

void TestTreatmentRecord::companyFromTheSettings()
{
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("DittaRagSoc"),
                               QStringLiteral("Rossi"));
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("DittaNome"),
                               QStringLiteral("Mario"));
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("DittaCodFisc"),
                               QStringLiteral(" RSSMRA70A01H501U "));
    const TreatmentRecord::Company company = TreatmentRecord::Company::of(CompanyData::load());
    QCOMPARE(company.name, QStringLiteral("Rossi Mario"));
    QCOMPARE(company.taxCode, QStringLiteral("RSSMRA70A01H501U"));
}

void TestTreatmentRecord::writeFailureNamesTheFile()
{
    seedVineyard(QStringLiteral("VITVI"), QStringLiteral("12345"));
    const TreatmentRecord record(*m_db, Year2026, Company);
    QString error;
    QVERIFY(!record.write(m_env.path(QStringLiteral("no/such/folder/record.csv")),
                          TreatmentRecord::Format::Csv, &error));
    QVERIFY2(error.contains(QStringLiteral("record.csv")), qPrintable(error));

    const QString path = m_env.path(QStringLiteral("record.csv"));
    QVERIFY(record.write(path, TreatmentRecord::Format::Csv, &error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), record.toCsv());
}

QTEST_GUILESS_MAIN(TestTreatmentRecord)
#include "TestTreatmentRecord.moc"
