#include "FarmFixture.h"
#include "TestEnvironment.h"
#include "TreatmentFixture.h"
#include "base/NumberText.h"
#include "db/SchemaUpgrade.h"
#include "reports/ProcessingWarnings.h"

#include <QTest>

namespace {

const WorkingPeriod Year2026{QDate(2026, 1, 1), QDate(2026, 12, 31)};

QStringList texts(const QList<ProcessingWarnings::Warning> &warnings)
{
    QStringList result;
    for (const ProcessingWarnings::Warning &warning : warnings)
        result << warning.text();
    return result;
}

} // namespace

class TestProcessingWarnings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void eachGapOfTheTotalsIsListed();
    void completeFarmHasNoWarnings();
    void incompleteTreatmentsAreNamed();

private:
    // Rossi (wage 10) and Verdi (no wage, no hours), the vineyard 1, the tractor 5 with
    // running hours, the operation 1 and the item 10, with one complete card in the period.
    void seedCompleteFarm(FarmFixture &farm);

    TestEnvironment m_env;
    std::unique_ptr<Database> m_db;
};

void TestProcessingWarnings::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_db = std::make_unique<Database>();
    m_db->open(m_env.copyTemplate());
}

void TestProcessingWarnings::cleanup()
{
    m_db.reset();
    QLocale::setDefault(QLocale::c());
}

void TestProcessingWarnings::seedCompleteFarm(FarmFixture &farm)
{
    farm.addWorker(1, QStringLiteral("Rossi"), 10.0);
    farm.addWorker(3, QStringLiteral("Verdi"), 0.0);
    farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 2);
    farm.addCentre(5, QStringLiteral("Trattore"), true, false);
    farm.addOperation(1, QStringLiteral("Potatura"));
    farm.addItem(10, QStringLiteral("Rame"));
    const qint64 card = farm.addCard(QDateTime(QDate(2026, 3, 1), QTime(8, 0)));
    farm.addWork(
        card,
        {.worker = 1, .regular = 4, .centreType = 1, .centre = 1, .operation = 1, .machine1 = 5},
        {.type = 3, .item = 10, .value = 5, .quantity = 1});
    // Upkeep of the tractor: a cost borne by its running hours.
    farm.addWork(card, {.worker = 1, .regular = 1, .centreType = 3, .centre = 5, .operation = 1});
}

void TestProcessingWarnings::eachGapOfTheTotalsIsListed()
{
    FarmFixture farm(*m_db);
    seedCompleteFarm(farm);
    farm.addWorker(2, QStringLiteral("Bianchi"), QVariant());
    farm.addCentre(6, QStringLiteral("Rimorchio"), true, false);
    const qint64 card = farm.addCard(QDateTime(QDate(2026, 3, 2), QTime(8, 0)));
    farm.addWork(
        card,
        {.worker = 2, .regular = 3, .overtime = 0.5, .centreType = 1, .centre = 1, .operation = 1});
    // Upkeep of a trailer that never ran: 2 hours of Rossi's at 10.
    farm.addWork(card, {.worker = 1, .regular = 2, .centreType = 3, .centre = 6, .operation = 1});
    farm.addWork(card, {.worker = 9,
                        .regular = 1,
                        .centreType = 2,
                        .centre = 1,
                        .field = 44,
                        .operation = 7,
                        .machine2 = 8});
    farm.addWork(card, {.worker = 1, .regular = 1, .centreType = 1, .centre = 1, .operation = 1},
                 {.type = 2, .item = 0, .value = 15});
    const qint64 work = farm.addWork(
        card, {.worker = 1, .regular = 1, .centreType = 1, .centre = 1, .operation = 1},
        {.type = 2, .item = 99, .value = 8});
    farm.addMovement(work, {.centreType = 1, .centre = 1}, {.type = 2, .item = 99, .value = 4});
    // Outside the period: counts nowhere.
    farm.addWork(farm.addCard(QDateTime(QDate(2025, 12, 31), QTime(8, 0))),
                 {.worker = 2, .regular = 5, .centreType = 1, .centre = 31, .operation = 1},
                 {.type = 2, .value = 100});

    QCOMPARE(texts(ProcessingWarnings::find(*m_db, Year2026)),
             QStringList({
                 "Worker Bianchi (2) has " + FormatNumber(3.5, false) +
                     " hours and no hourly wage: the hours cost 0.",
                 "Machine Rimorchio (6) has costs of " + FormatCurrency(20) +
                     " and no running hours: the costs are charged to no centre.",
                 "1 work(s) on worker code 9, which is in no registry.",
                 "1 work(s) on operation code 7, which is in no registry.",
                 "1 work(s) on field code 44, which is in no registry.",
                 "1 work(s) with machine code 8, which is in no registry.",
                 "1 movement(s) worth " + FormatCurrency(15) + " without an item.",
                 "2 movement(s) worth " + FormatCurrency(12) +
                     " on item code 99, which is in no registry.",
             }));
}

void TestProcessingWarnings::completeFarmHasNoWarnings()
{
    FarmFixture farm(*m_db);
    seedCompleteFarm(farm);
    QCOMPARE(texts(ProcessingWarnings::find(*m_db, Year2026)), QStringList());
}

void TestProcessingWarnings::incompleteTreatmentsAreNamed()
{
    SchemaUpgrade::upgrade(*m_db);
    TreatmentFixture::addColumns(*m_db);
    FarmFixture farm(*m_db);
    seedCompleteFarm(farm);
    farm.addField(5, QStringLiteral("Vigna alta"), 1, 1, 2026);
    TreatmentFixture::setParcel(*m_db, 5, QStringLiteral("IT-021-0042"));
    farm.addItem(11, QStringLiteral("Zolfo"), QStringLiteral("kg"), true);
    m_db->execute(
        QStringLiteral("UPDATE Articoli SET NumeroRegistrazione = 'R11' WHERE Codice = 11"));
    m_db->execute(QStringLiteral("UPDATE Centri SET CodiceEPPO = 'VITVI' WHERE Codice = 1"));
    const qint64 card = farm.addCard(QDateTime(QDate(2026, 5, 2), QTime(8, 0)));
    // Complete: on the field with its parcel.
    farm.addWork(
        card, {.worker = 1, .regular = 1, .centreType = 2, .centre = 1, .field = 5, .operation = 1},
        {.type = 3, .item = 11, .quantity = 2});
    // On the whole vineyard, which has no parcel; and a stage that is no BBCH code.
    const qint64 work = farm.addWork(
        card, {.worker = 1, .regular = 1, .centreType = 1, .centre = 1, .operation = 1},
        {.type = 3, .item = 11, .quantity = 2});
    TreatmentFixture::setApplication(*m_db, work, {}, QStringLiteral("7"));

    const QList<ProcessingWarnings::Warning> warnings = ProcessingWarnings::find(*m_db, Year2026);
    QCOMPARE(texts(warnings),
             QStringList{"Treatment record incomplete: 2026-05-02, Zolfo on Vigneto (1): the BBCH "
                         "stage \"7\" is not a code from 00 to 99; no parcel reference: the "
                         "treatment is booked on the crop centre, not on a field"});
    QCOMPARE(warnings.first().cardId, card);
}

QTEST_GUILESS_MAIN(TestProcessingWarnings)
#include "TestProcessingWarnings.moc"
