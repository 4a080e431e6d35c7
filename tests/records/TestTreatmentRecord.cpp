#include "FarmFixture.h"
#include "TestEnvironment.h"
#include "TreatmentFixture.h"
#include "base/CompanyData.h"
#include "base/SettingsStore.h"
#include "db/SchemaUpgrade.h"
#include "reports/TreatmentRecord.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using Gap = TreatmentRecord::Gap;
using Treatment = TreatmentRecord::Treatment;

Q_DECLARE_METATYPE(TreatmentRecord::Treatment)

namespace {

const WorkingPeriod Year2026{QDate(2026, 1, 1), QDate(2026, 12, 31)};
const TreatmentRecord::Company Company{QStringLiteral("Rossi, \"Il Poggio\""),
                                       QStringLiteral("RSSMRA70A01H501U")};
const QString Square = QStringLiteral(
    R"({"type":"Polygon","coordinates":[[[11.0,44.0],[11.001,44.0],[11.001,44.001],[11.0,44.0]]]})");

// A treatment with every element of the record.
Treatment complete()
{
    Treatment treatment;
    treatment.date = QDate(2026, 5, 4);
    treatment.product = QStringLiteral("Rame 20");
    treatment.authorisationNumber = QStringLiteral("12345");
    treatment.quantity = 5;
    treatment.treatedArea = 2;
    treatment.parcelSurface = 2;
    treatment.eppoCode = QStringLiteral("VITVI");
    treatment.fieldCode = 7;
    treatment.parcel.nationalId = QStringLiteral("IT-0001");
    return treatment;
}

} // namespace

class TestTreatmentRecord : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void completenessRules_data();
    void completenessRules();
    void oneTreatmentAsCsv();
    void oneTreatmentAsJson();
    void fieldTreatmentTakesTheFieldAndItsParcel();
    void partialTreatmentGivesTheDoseOfItsArea_data();
    void partialTreatmentGivesTheDoseOfItsArea();
    void missingRegistryValuesAreWrittenAndListed();
    void geoJsonHasOneFeaturePerParcel();
    void olderReadOnlyDatabaseReadsEmptyValues();
    void companyFromTheSettings();
    void writeFailureNamesTheFile();

private:
    // A vineyard of 2.5 ha treated on 4 May 2026 with 5 L of a copper product.
    void seedVineyard(const QString &eppo, const QString &authorisation);
    // Field 5, "Vigna alta" of 2 ha in the vineyard, with its parcel; a treatment of 4 L on it.
    qint64 seedField();

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
    TreatmentFixture::addColumns(*m_db);
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

qint64 TestTreatmentRecord::seedField()
{
    seedVineyard(QStringLiteral("VITVI"), QStringLiteral("12345"));
    FarmFixture farm(*m_db);
    // The field of the year before has another parcel: the treatment's year counts.
    farm.addField(5, QStringLiteral("Vigna vecchia"), 1, 3, 2025);
    TreatmentFixture::setParcel(*m_db, 5, QStringLiteral("IT-OLD"));
    farm.addField(5, QStringLiteral("Vigna alta"), 1, 2, 2026);
    m_db->execute(QStringLiteral("UPDATE Campi SET IdParcella = 'IT-021-0042', Geometria = ? "
                                 "WHERE Codice = 5 AND Anno = 2026"),
                  {Square});
    const qint64 card = farm.addCard(QDateTime(QDate(2026, 6, 10), QTime(7, 0)));
    return farm.addWork(card, {.centreType = 2, .centre = 1, .field = 5},
                        {.type = 3, .item = 10, .quantity = 4, .unit = QStringLiteral("L")});
}

void TestTreatmentRecord::completenessRules_data()
{
    QTest::addColumn<Treatment>("treatment");
    QTest::addColumn<QList<Gap>>("gaps");
    const auto with = [](auto change) {
        Treatment treatment = complete();
        change(treatment);
        return treatment;
    };
    QTest::newRow("complete") << complete() << QList<Gap>{};
    QTest::newRow("6-letter EPPO, BBCH, time, cadastral only") << with([](Treatment &t) {
        t.eppoCode = QStringLiteral("1VITG9");
        t.bbchStage = QStringLiteral("09");
        t.time = QStringLiteral("23:59");
        t.parcel.nationalId.clear();
        t.parcel.municipality = QStringLiteral("H501");
        t.parcel.sheet = QStringLiteral("12");
        t.parcel.cadastralParcel = QStringLiteral("345");
    }) << QList<Gap>{};
    QTest::newRow("geometry only") << with([](Treatment &t) {
        t.parcel.nationalId.clear();
        t.parcel.geometry = QJsonObject{{"type", "Polygon"}, {"coordinates", QJsonArray{}}};
    }) << QList<Gap>{};
    QTest::newRow("area equal to the parcel's, unknown parcel surface")
        << with([](Treatment &t) { t.parcelSurface = 0; }) << QList<Gap>{};
    QTest::newRow("no authorisation number")
        << with([](Treatment &t) { t.authorisationNumber.clear(); })
        << QList<Gap>{Gap::AuthorisationNumber};
    QTest::newRow("no EPPO code") << with([](Treatment &t) { t.eppoCode.clear(); })
                                  << QList<Gap>{Gap::EppoCode};
    for (const char *code : {"VITV", "VITVINI", "vitvi", "VIT-V", "VIT V"})
        QTest::addRow("EPPO code '%s'", code)
            << with([code](Treatment &t) { t.eppoCode = QString::fromLatin1(code); })
            << QList<Gap>{Gap::EppoCodeForm};
    QTest::newRow("no treated area")
        << with([](Treatment &t) { t.treatedArea.reset(); }) << QList<Gap>{Gap::TreatedArea};
    QTest::newRow("treated area 0")
        << with([](Treatment &t) { t.treatedArea = 0; }) << QList<Gap>{Gap::TreatedArea};
    QTest::newRow("negative area")
        << with([](Treatment &t) { t.treatedArea = -1; }) << QList<Gap>{Gap::TreatedArea};
    QTest::newRow("area above the parcel's")
        << with([](Treatment &t) { t.treatedArea = 2.01; }) << QList<Gap>{Gap::AreaAboveParcel};
    for (const char *stage : {"100", "5", "ab", "-1"})
        QTest::addRow("BBCH '%s'", stage)
            << with([stage](Treatment &t) { t.bbchStage = QString::fromLatin1(stage); })
            << QList<Gap>{Gap::BbchStage};
    for (const char *time : {"24:00", "8:30", "08:60", "noon"})
        QTest::addRow("time '%s'", time)
            << with([time](Treatment &t) { t.time = QString::fromLatin1(time); })
            << QList<Gap>{Gap::ApplicationTime};
    QTest::newRow("half a cadastral reference") << with([](Treatment &t) {
        t.parcel.nationalId.clear();
        t.parcel.municipality = QStringLiteral("H501");
        t.parcel.sheet = QStringLiteral("12");
    }) << QList<Gap>{Gap::ParcelReference};
    QTest::newRow("on the crop centre, nothing known")
        << with([](Treatment &t) {
               t = Treatment{};
               t.date = QDate(2026, 5, 4);
           })
        << QList<Gap>{Gap::AuthorisationNumber, Gap::EppoCode, Gap::TreatedArea,
                      Gap::ParcelReference};
}

void TestTreatmentRecord::completenessRules()
{
    QFETCH(Treatment, treatment);
    QFETCH(QList<Gap>, gaps);
    QCOMPARE(treatment.gaps(), gaps);
    QCOMPARE(treatment.isComplete(), gaps.isEmpty());
    // Each gap is named in the line the user reads.
    const QString line = TreatmentRecord::describeMissing(treatment);
    for (const Gap gap : gaps)
        QVERIFY2(line.contains(TreatmentRecord::gapText(treatment, gap)), qPrintable(line));
}

void TestTreatmentRecord::oneTreatmentAsCsv()
{
    seedVineyard(QStringLiteral("VITVI"), QStringLiteral("12345"));
    const TreatmentRecord record(*m_db, Year2026, Company);
    QCOMPARE(record.toCsv(),
             QByteArray("\xEF\xBB\xBF"
                        "date,product,authorisation_number,quantity,unit,dose_per_hectare,crop,"
                        "crop_eppo_code,centre_code,surface_ha,growth_stage,adversity,"
                        "company_name,company_tax_code,time,treated_area_ha,bbch_stage,"
                        "field_code,field,field_surface_ha,national_parcel_id,"
                        "cadastral_municipality,cadastral_sheet,cadastral_parcel,"
                        "parcel_geometry,missing\r\n"
                        "2026-05-04,Rame 20,12345,5,L,2,Vigneto,VITVI,1,2.5,BBCH 53,Peronospora,"
                        "\"Rossi, \"\"Il Poggio\"\"\",RSSMRA70A01H501U,,2.5,,,,,,,,,,"
                        "parcel_reference\r\n"));
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
    QCOMPARE(row.value("date"), QJsonValue("2026-05-04"));
    QCOMPARE(row.value("quantity"), QJsonValue(5.0));
    QCOMPARE(row.value("dose_per_hectare"), QJsonValue(2.0));
    QCOMPARE(row.value("surface_ha"), QJsonValue(2.5));
    QCOMPARE(row.value("treated_area_ha"), QJsonValue(2.5));
    QCOMPARE(row.value("centre_code"), QJsonValue(1));
    QCOMPARE(row.value("authorisation_number"), QJsonValue("12345"));
    QCOMPARE(row.value("crop_eppo_code"), QJsonValue("VITVI"));
    QCOMPARE(row.value("company_name"), QJsonValue(Company.name));
    QVERIFY(row.value("field_code").isNull());
    QVERIFY(row.value("parcel_geometry").isNull());
    QCOMPARE(row.value("missing"), QJsonValue(QJsonArray{"parcel_reference"}));
}

void TestTreatmentRecord::fieldTreatmentTakesTheFieldAndItsParcel()
{
    const qint64 work = seedField();
    TreatmentFixture::setApplication(*m_db, work, {}, QStringLiteral("53"),
                                     QStringLiteral("07:30"));
    const TreatmentRecord record(*m_db, Year2026, Company);
    QCOMPARE(record.treatments().size(), 2);
    const Treatment &onField = record.treatments().at(1);
    QCOMPARE(onField.field, QStringLiteral("Vigna alta"));
    QCOMPARE(onField.parcel.nationalId, QStringLiteral("IT-021-0042"));
    QCOMPARE(onField.parcel.geometry.value("type").toString(), QStringLiteral("Polygon"));
    // Without its own area a field treatment covers the field, not its crop centre.
    QCOMPARE(onField.treatedArea, std::optional<double>(2));
    QCOMPARE(onField.dosePerHectare, std::optional<double>(2));
    QCOMPARE(onField.bbchStage, QStringLiteral("53"));
    QCOMPARE(onField.time, QStringLiteral("07:30"));
    QCOMPARE(onField.workId, work);
    QVERIFY2(onField.isComplete(), qPrintable(TreatmentRecord::describeMissing(onField)));
    // The vineyard's own treatment names no parcel.
    QCOMPARE(record.incomplete().size(), 1);
    QCOMPARE(TreatmentRecord::describeMissing(record.incomplete().first()),
             QStringLiteral("2026-05-04, Rame 20 on Vigneto (1): no parcel reference: the "
                            "treatment is booked on the crop centre, not on a field"));
}

void TestTreatmentRecord::partialTreatmentGivesTheDoseOfItsArea_data()
{
    QTest::addColumn<QVariant>("treated");
    QTest::addColumn<QVariant>("area");
    QTest::addColumn<QVariant>("dose");
    QTest::addColumn<QStringList>("missing");
    QTest::newRow("half a hectare")
        << QVariant(0.5) << QVariant(0.5) << QVariant(8.0) << QStringList{};
    QTest::newRow("whole field") << QVariant() << QVariant(2.0) << QVariant(2.0) << QStringList{};
    QTest::newRow("more than the field")
        << QVariant(2.5) << QVariant(2.5) << QVariant(1.6) << QStringList{"treated_area_ha"};
    QTest::newRow("nothing treated")
        << QVariant(0.0) << QVariant(0.0) << QVariant() << QStringList{"treated_area_ha"};
}

void TestTreatmentRecord::partialTreatmentGivesTheDoseOfItsArea()
{
    QFETCH(QVariant, treated);
    QFETCH(QVariant, area);
    QFETCH(QVariant, dose);
    QFETCH(QStringList, missing);
    TreatmentFixture::setApplication(*m_db, seedField(), treated);
    const QJsonObject row =
        QJsonDocument::fromJson(TreatmentRecord(*m_db, Year2026, Company).toJson())
            .array()
            .at(1)
            .toObject();
    QCOMPARE(row.value("field_surface_ha"), QJsonValue(2.0));
    QCOMPARE(row.value("treated_area_ha"), QJsonValue::fromVariant(area));
    QCOMPARE(row.value("dose_per_hectare"), QJsonValue::fromVariant(dose));
    QCOMPARE(row.value("missing").toVariant().toStringList(), missing);
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
                            "authorisation number; the crop has no EPPO code; no parcel "
                            "reference: the treatment is booked on the crop centre, not on a "
                            "field"));
    // No surface to divide by: the dose is left empty rather than made up.
    const QJsonObject orchard = QJsonDocument::fromJson(record.toJson()).array().at(1).toObject();
    QVERIFY(orchard.value("dose_per_hectare").isNull());
    QVERIFY(orchard.value("treated_area_ha").isNull());
    QCOMPARE(orchard.value("missing"),
             QJsonValue(QJsonArray{"authorisation_number", "crop_eppo_code", "treated_area_ha",
                                   "parcel_reference"}));
}

void TestTreatmentRecord::geoJsonHasOneFeaturePerParcel()
{
    seedField();
    // A second treatment of the same field joins its feature.
    FarmFixture(*m_db).addWork(
        FarmFixture(*m_db).addCard(QDateTime(QDate(2026, 6, 20), QTime(7, 0))),
        {.centreType = 2, .centre = 1, .field = 5},
        {.type = 3, .item = 10, .quantity = 2, .unit = QStringLiteral("L")});
    const QJsonObject collection =
        QJsonDocument::fromJson(TreatmentRecord(*m_db, Year2026, Company).toGeoJson()).object();
    QCOMPARE(collection.value("type"), QJsonValue("FeatureCollection"));
    const QJsonArray features = collection.value("features").toArray();
    QCOMPARE(features.size(), 2);

    // The crop centre treated as a whole has no geometry.
    const QJsonObject centre = features.at(0).toObject();
    QCOMPARE(centre.value("type"), QJsonValue("Feature"));
    QVERIFY(centre.contains("geometry"));
    QVERIFY(centre.value("geometry").isNull());
    QCOMPARE(centre.value("properties").toObject().value("treatment_count"), QJsonValue(1));

    const QJsonObject field = features.at(1).toObject();
    QCOMPARE(field.value("geometry").toObject().value("type"), QJsonValue("Polygon"));
    QCOMPARE(
        field.value("geometry").toObject().value("coordinates").toArray().first().toArray().size(),
        4);
    const QJsonObject properties = field.value("properties").toObject();
    QCOMPARE(properties.value("national_parcel_id"), QJsonValue("IT-021-0042"));
    QCOMPARE(properties.value("field"), QJsonValue("Vigna alta"));
    QCOMPARE(properties.value("year"), QJsonValue(2026));
    QCOMPARE(properties.value("company_tax_code"), QJsonValue(Company.taxCode));
    const QJsonArray treatments = properties.value("treatments").toArray();
    QCOMPARE(treatments.size(), 2);
    QCOMPARE(treatments.at(0).toObject().value("date"), QJsonValue("2026-06-10"));
    QCOMPARE(treatments.at(1).toObject().value("quantity"), QJsonValue(2.0));
    // The parcel's values are on the feature, not repeated in each treatment.
    QVERIFY(!treatments.at(0).toObject().contains("national_parcel_id"));
    QVERIFY(!treatments.at(0).toObject().contains("parcel_geometry"));
}

void TestTreatmentRecord::olderReadOnlyDatabaseReadsEmptyValues()
{
    const QString path = m_env.copyTemplate();
    {
        Database db;
        db.open(path);
        FarmFixture farm(db);
        farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 2.5);
        farm.addField(5, QStringLiteral("Vigna alta"), 1, 2, 2026);
        farm.addItem(10, QStringLiteral("Rame 20"), QStringLiteral("L"), true);
        const qint64 card = farm.addCard(QDateTime(QDate(2026, 5, 4), QTime(8, 0)));
        farm.addWork(card, {.centreType = 1, .centre = 1}, {.type = 3, .item = 10, .quantity = 5});
        farm.addWork(card, {.centreType = 2, .centre = 1, .field = 5},
                     {.type = 3, .item = 10, .quantity = 1});
    }
    Database db;
    db.open(path, Database::Access::ReadOnly);
    SchemaUpgrade::upgrade(db);
    const TreatmentRecord record(db, Year2026, Company);
    QCOMPARE(record.treatments().size(), 2);
    QCOMPARE(record.treatments().first().dosePerHectare, std::optional<double>(2.0));
    QCOMPARE(record.treatments().at(1).treatedArea, std::optional<double>(2.0));
    QCOMPARE(record.treatments().at(1).field, QStringLiteral("Vigna alta"));
    QVERIFY(record.treatments().at(1).bbchStage.isEmpty());
    QCOMPARE(record.incomplete().size(), 2);
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

    const QString path = m_env.path(QStringLiteral("record.geojson"));
    QVERIFY(record.write(path, TreatmentRecord::Format::GeoJson, &error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), record.toGeoJson());
}

QTEST_GUILESS_MAIN(TestTreatmentRecord)
#include "TestTreatmentRecord.moc"
