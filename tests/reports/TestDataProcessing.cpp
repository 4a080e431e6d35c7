#include "FakeProgress.h"
#include "FarmFixture.h"
#include "TestEnvironment.h"
#include "base/NumberText.h"
#include "db/DbException.h"
#include "reports/DataProcessing.h"

#include <QTest>

namespace {

const QString TotaliRows = QStringLiteral(
    "SELECT CodCentro, Codice, CodOperazione, round(CosRic, 4), Descrizione, OpeMac, "
    "round(OreQua, 4), Tipo FROM %1 ORDER BY rowid");

WorkingPeriod year2015()
{
    return {QDate(2015, 1, 1), QDate(2015, 12, 31)};
}

} // namespace

class TestDataProcessing : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void workerSummaryRows();
    void summaryFiguresOfTheRun();
    void workerRowsOnCentresAndFields();
    void machineCostOnUsingCentreAndRevenueOnMachine();
    void warehouseRowsMergeOnlyIntoWarehouseRows();
    void fieldWarehouseRowKeepsFirstPhase();
    void centreWarehouseSidesFollowTheirFirstType();
    void progressRunsThroughEveryPhase();
    void emptyPeriodLeavesTablesEmpty();
    void runningTwiceGivesTheSameTables();
    void failureKeepsPreviousTotals();
    void registerRows();

private:
    void seedFarm();
    void process(const WorkingPeriod &period = year2015());

    TestEnvironment m_env;
    std::unique_ptr<Database> m_db;
};

void TestDataProcessing::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_db = std::make_unique<Database>();
    m_db->open(m_env.copyTemplate());
    seedFarm();
}

void TestDataProcessing::cleanup()
{
    m_db.reset();
}

// Figures by hand: worker 1 (wage 10) works 5 h and 3 h on centre 1, operation 7; worker 2
// (wage 12.5) 1 h on centre 1 and 2 h of upkeep on machine 50; worker 99, who is not in the
// registry, 6 h on field 100 of centre 1. Machine 50 is listed (twice) on the 5 h work and on
// the 6 h work: 11 h, costing 2 h x 12.5 of upkeep labour plus a purchase of 60, so its rate
// is 85 / 11 per hour. Cards outside 2015 and a pending work must not count.
void TestDataProcessing::seedFarm()
{
    FarmFixture farm(*m_db);
    farm.addWorker(1, QStringLiteral("Rossi"), 10.0);
    farm.addWorker(2, QStringLiteral("Bianchi"), 12.5);
    farm.addCentre(0, QStringLiteral("Nessuno"), false, false);
    farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 2.5);
    farm.addCentre(50, QStringLiteral("Trattore"), true, false, 1998);
    farm.addField(100, QStringLiteral("Campo Nord"), 1, 1.5, 2015);
    farm.addOperation(7, QStringLiteral("Potatura"));
    farm.addOperation(8, QStringLiteral("Aratura"));
    farm.addItem(7, QStringLiteral("Concime"), QStringLiteral("kg"));
    farm.addItem(9, QStringLiteral("Rame"), QStringLiteral("kg"), true);

    const qint64 before = farm.addCard(QDateTime(QDate(2014, 12, 31), QTime(23, 59, 59)));
    const qint64 march10 = farm.addCard(QDateTime(QDate(2015, 3, 10), QTime(8, 0)));
    const qint64 march11 = farm.addCard(QDateTime(QDate(2015, 3, 11), QTime(0, 0)));
    const qint64 after = farm.addCard(QDateTime(QDate(2016, 1, 1), QTime(0, 0)));

    using W = FarmFixture::Work;
    using M = FarmFixture::Movement;
    farm.addWork(march10, W{1, 4, 1, 0, 1, 1, 0, 7, 50, 50, 0}, M{2, 7, 30, 3});
    farm.addWork(march11, W{1, 3, 0, 0, 1, 1, 0, 7}, M{2, 7, 20, 2});
    farm.addWork(march11, W{2, 2, 0, 0, 3, 50, 0, 8}, M{2, 9, 60, 0});
    farm.addWork(march11, W{99, 6, 0, 0, 2, 1, 100, 8, 50},
                 M{3, 9, 15, 5, QStringLiteral("Fioritura"), QStringLiteral("kg"),
                   QStringLiteral("Peronospora"), QStringLiteral("F12")});
    farm.addWork(march10, W{2, 1, 0, 0, 1, 1, 0, 8}, M{4, 7, 100, 10});
    farm.addWork(march10, W{0, 0, 0, 0, 2, 1, 100, 0}, M{2, 7, 8, 2, QStringLiteral("Semina")});
    farm.addWork(march11, W{0, 0, 0, 0, 2, 1, 100, 0}, M{2, 7, 4, 1, QStringLiteral("Aratura")});
    farm.addWork(march10, W{0, 0, 0, 0, 1, 0, 0, 0}, M{0, 9, 0, 2.5, {}, QStringLiteral("l")});

    farm.addWork(before, W{1, 10, 0, 0, 1, 1, 0, 7, 50}, M{2, 7, 1000, 100});
    farm.addWork(after, W{1, 10, 0, 0, 1, 1, 0, 7, 50}, M{2, 7, 1000, 100});
    farm.addWork(0, W{1, 7, 0, 0, 1, 1, 0, 7, 50}, M{2, 7, 1000, 100});
}

void TestDataProcessing::process(const WorkingPeriod &period)
{
    FakeProgress progress;
    DataProcessing(*m_db, period).ProcessTotals(progress);
}

void TestDataProcessing::workerSummaryRows()
{
    process();
    FarmFixture farm(*m_db);
    // A worker without a registry row costs nothing.
    QCOMPARE(
        farm.rows(QStringLiteral("SELECT Codice, CosRic, OpeMac, OreSol, Ore, Soldi FROM Riepilogo "
                                 "WHERE OpeMac = 1 ORDER BY rowid")),
        QStringList({"1|1|1|1|8|NULL", "1|1|1|0|NULL|80", "2|1|1|1|3|NULL", "2|1|1|0|NULL|37.5",
                     "99|1|1|1|6|NULL", "99|1|1|0|NULL|0"}));
    QCOMPARE(
        farm.rows(QStringLiteral("SELECT Codice, CosRic, OpeMac, OreSol, Ore, Soldi FROM Riepilogo "
                                 "WHERE OpeMac = 0 ORDER BY rowid")),
        QStringList({"50|1|0|1|11|NULL", "50|1|0|0|NULL|25", "50|1|0|0|NULL|60"}));
}

// The figures the warnings read: worker and machine hours and the machines' own costs, as
// written; none before a run, and those of a failed run never.
void TestDataProcessing::summaryFiguresOfTheRun()
{
    FakeProgress progress;
    DataProcessing processing(*m_db, year2015());
    QVERIFY(!processing.summaryFigures().has_value());
    processing.ProcessTotals(progress);
    QVERIFY(processing.summaryFigures().has_value());
    const DataProcessing::SummaryFigures &figures = *processing.summaryFigures();
    QCOMPARE(figures.workerHours, (std::map<int, double>{{1, 8}, {2, 3}, {99, 6}}));
    QCOMPARE(figures.machineHours, (std::map<int, double>{{50, 11}}));
    QCOMPARE(figures.machineCosts, (std::map<int, double>{{50, 85}}));

    m_db->execute(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Totali "
                                 "BEGIN SELECT RAISE(ABORT, 'totals are locked'); END"));
    DataProcessing failing(*m_db, year2015());
    QVERIFY_THROWS_EXCEPTION(DbException, failing.ProcessTotals(progress));
    QVERIFY(!failing.summaryFigures().has_value());
}

void TestDataProcessing::workerRowsOnCentresAndFields()
{
    process();
    FarmFixture farm(*m_db);
    const QStringList totali = farm.rows(TotaliRows.arg(QStringLiteral("Totali")));
    QCOMPARE(totali.mid(0, 4), QStringList({"1|1|7|80|Rossi|1|8|1", "1|2|8|12.5|Bianchi|1|1|1",
                                            "50|2|8|25|Bianchi|1|2|1", "1|99|8|0||1|6|1"}));
    const QStringList campi = farm.rows(TotaliRows.arg(QStringLiteral("[Totali Campi]")));
    QCOMPARE(campi.first(), QStringLiteral("100|99|8|0||1|6|1"));
}

void TestDataProcessing::machineCostOnUsingCentreAndRevenueOnMachine()
{
    process();
    FarmFixture farm(*m_db);
    const QStringList machines = farm.rows(QStringLiteral(
        "SELECT CodCentro, Codice, CodOperazione, round(CosRic, 4), Descrizione, OpeMac, "
        "OreQua, Tipo FROM Totali WHERE OpeMac = 0 AND Codice <> -1 ORDER BY rowid"));
    // 5 h and 6 h at 85 / 11 per hour: 38.6364 and 46.3636.
    QCOMPARE(machines,
             QStringList({"1|50|7|38.6364|Trattore|0|5|1", "50|1|7|38.6364|Vigneto|0|5|0",
                          "1|50|8|46.3636|Trattore|0|6|1", "50|1|8|46.3636|Vigneto|0|6|0"}));
    const QStringList fieldMachines = farm.rows(QStringLiteral(
        "SELECT CodCentro, Codice, CodOperazione, round(CosRic, 4), Descrizione, OpeMac, "
        "OreQua, Tipo FROM [Totali Campi] WHERE OpeMac = 0 AND Codice <> -1"));
    QCOMPARE(fieldMachines, QStringList({"100|50|8|46.3636|Trattore|0|6|1"}));
}

void TestDataProcessing::warehouseRowsMergeOnlyIntoWarehouseRows()
{
    process();
    FarmFixture farm(*m_db);
    // Item 7 shares its code with operation 7 of worker 1 on centre 1: the worker's row keeps
    // its own figures and the purchases make a row of their own. Purchase and sale stay apart.
    QCOMPARE(farm.rows(QStringLiteral(
                 "SELECT CosRic, OreQua FROM Totali WHERE Codice = 1 AND OpeMac = 1")),
             QStringList({"80|8"}));
    QCOMPARE(farm.rows(QStringLiteral(
                 "SELECT CodCentro, Codice, CodOperazione, CosRic, Descrizione, "
                 "OpeMac, OreQua, Tipo FROM Totali WHERE Codice = -1 ORDER BY rowid")),
             QStringList({"1|-1|7|62|Concime|0|8|1", "1|-1|7|100|Concime|0|10|0",
                          "1|-1|9|15|Rame|0|5|1", "50|-1|9|60|Rame|0|0|1"}));
}

void TestDataProcessing::fieldWarehouseRowKeepsFirstPhase()
{
    process();
    FarmFixture farm(*m_db);
    // The two purchases on field 100 come in two phases; they add up in the row of the first.
    QCOMPARE(farm.rows(QStringLiteral(
                 "SELECT CodCentro, CodOperazione, CosRic, OreQua, Tipo, Fase, "
                 "Descrizione FROM [Totali Campi] WHERE Codice = -1 ORDER BY rowid")),
             QStringList({"100|7|12|3|1|Aratura|Concime", "100|9|15|5|1|Fioritura|Rame"}));
}

// Production and sale make one revenue row, listed before the cost row because production is
// the first type; the revenue quantity adds the sale to the production in single precision.
void TestDataProcessing::centreWarehouseSidesFollowTheirFirstType()
{
    FarmFixture farm(*m_db);
    farm.addItem(11, QStringLiteral("Zolfo"), QStringLiteral("kg"));
    const qint64 card = farm.addCard(QDateTime(QDate(2015, 5, 2), QTime(8, 0)));
    const FarmFixture::Work onCentre{0, 0, 0, 0, 1, 1};
    farm.addWork(card, onCentre, {4, 11, 2, 0.2});
    farm.addWork(card, onCentre, {3, 11, 3, 0.7});
    farm.addWork(card, onCentre, {1, 11, 1, 0.1});
    process();
    QCOMPARE(farm.rows(QStringLiteral("SELECT CodCentro, CodOperazione, CosRic, Descrizione, "
                                      "round(OreQua, 4), Tipo FROM Totali "
                                      "WHERE Codice = -1 AND CodOperazione = 11 ORDER BY rowid")),
             QStringList({"1|11|3|Zolfo|0.3|0", "1|11|3|Zolfo|0.7|1"}));
    const double revenue = m_db->scalar(QStringLiteral("SELECT OreQua FROM Totali WHERE "
                                                       "CodOperazione = 11 AND Tipo = 0"))
                               .toDouble();
    QCOMPARE(revenue, double(float(double(float(0.1)) + 0.2)));
}

void TestDataProcessing::progressRunsThroughEveryPhase()
{
    FakeProgress progress;
    DataProcessing(*m_db, year2015()).ProcessTotals(progress);
    QCOMPARE(
        progress.texts[0],
        QStringList({"Phase (1) : Make archives...", "Phase (1) : Importing data...",
                     "Phase (1) : Calculating hours and workers costs...",
                     "Phase (1) : Calculating total hours machines...",
                     "Phase (1) : Calculating total costs machines...",
                     "Phase (1) : Calculating workers operations...",
                     "Phase (1) : Calculating machines operations...",
                     "Phase (1) : Warehouse processing...", "Phase (1) : Closing archives..."}));
    QCOMPARE(progress.texts[1], QStringList({"Phase (2) : Waiting"}));
    QCOMPARE(progress.values[0], 100);
    QCOMPARE(progress.values[1], 1);
    QCOMPARE(progress.maxima[0], 100);
}

void TestDataProcessing::emptyPeriodLeavesTablesEmpty()
{
    process();
    FakeProgress progress;
    DataProcessing(*m_db, {QDate(2020, 1, 1), QDate(2020, 12, 31)}).ProcessTotals(progress);
    for (const char *table : {"Riepilogo", "Totali", "[Totali Campi]"})
        QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table)))
                     .toInt(),
                 0);
    QCOMPARE(progress.texts[0].size(), 9);
}

void TestDataProcessing::runningTwiceGivesTheSameTables()
{
    FarmFixture farm(*m_db);
    const auto snapshot = [&farm] {
        return farm.rows(QStringLiteral("SELECT * FROM Riepilogo")) +
               farm.rows(QStringLiteral("SELECT * FROM Totali")) +
               farm.rows(QStringLiteral("SELECT * FROM [Totali Campi]"));
    };
    process();
    const QStringList first = snapshot();
    QCOMPARE(first.size(), 9 + 12 + 4);
    process();
    QCOMPARE(snapshot(), first);
}

void TestDataProcessing::failureKeepsPreviousTotals()
{
    FarmFixture farm(*m_db);
    process();
    const QStringList before = farm.rows(QStringLiteral("SELECT * FROM Totali")) +
                               farm.rows(QStringLiteral("SELECT * FROM Riepilogo"));
    m_db->execute(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Totali "
                                 "BEGIN SELECT RAISE(ABORT, 'totals are locked'); END"));
    farm.addWork(farm.addCard(QDateTime(QDate(2015, 6, 1), QTime(9, 0))), {1, 8, 0, 0, 1, 1, 0, 7});
    FakeProgress progress;
    QVERIFY_THROWS_EXCEPTION(DbException,
                             DataProcessing(*m_db, year2015()).ProcessTotals(progress));
    QCOMPARE(farm.rows(QStringLiteral("SELECT * FROM Totali")) +
                 farm.rows(QStringLiteral("SELECT * FROM Riepilogo")),
             before);
    QCOMPARE(m_db->transactionDepth(), 0);
}

void TestDataProcessing::registerRows()
{
    DataProcessing(*m_db, year2015()).PrepareFieldNotebook();
    FarmFixture farm(*m_db);
    // Only uses of register items on crop centres and fields; a row without a centre code
    // gets no centre name even though Centri has a row with code 0.
    QCOMPARE(
        farm.rows(QStringLiteral("SELECT Data, [Codice Articolo], Articolo, UnMis, TQ, Fase, "
                                 "[Codice Centro], Centro, [Tipo Bolla], RifDoc, Avverso, NumPag "
                                 "FROM [Appoggio Articoli] ORDER BY rowid")),
        QStringList({"2015-03-10 08:00:00|9|Rame|l|" + FormatNumber(2.5, false) + "||0||0|||NULL",
                     "2015-03-11 00:00:00|9|Rame|kg|" + FormatNumber(5, false) +
                         "|Fioritura|1|Vigneto|3|F12|Peronospora|NULL"}));
    DataProcessing(*m_db, {QDate(2015, 3, 11), QDate(2015, 3, 11)}).PrepareFieldNotebook();
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM [Appoggio Articoli]")).toInt(), 1);
}

QTEST_GUILESS_MAIN(TestDataProcessing)
#include "TestDataProcessing.moc"
