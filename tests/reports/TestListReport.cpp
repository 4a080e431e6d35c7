#include "FakeProgress.h"
#include "FarmFixture.h"
#include "TestEnvironment.h"
#include "base/CompanyData.h"
#include "base/NumberText.h"
#include "base/SettingsStore.h"
#include "reports/CardPrintJob.h"
#include "reports/ListReport.h"
#include "reports/RecordingSurface.h"
#include "reports/RegistryLists.h"
#include "reports/Report.h"

#include <QTest>

class TestListReport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pageCounts_data();
    void pageCounts();
    void workersPageFrame();
    void workersSecondPageHoldsTheRest();
    void workerNameTruncation();
    void onlyMachinesPrintSupAnnoOfOneAsZero();
    void fieldsListTitleAndCentre();
    void fieldYearsAreThePeriods();
    void itemsList();
    void printPageRestoresTheFont();
    void figuresPrintWholeNamesAreCut();

private:
    ReportContext context() const;
    RecordingSurface draw(const ListLayout &layout, int page, int pageCount);

    TestEnvironment m_env;
    std::unique_ptr<Database> m_db;
};

void TestListReport::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_env.clearSettings();
    m_db = std::make_unique<Database>();
    m_db->open(m_env.copyTemplate());
}

void TestListReport::cleanup()
{
    m_db.reset();
}

ReportContext TestListReport::context() const
{
    return {*m_db,
            {QDate(2015, 1, 1), QDate(2015, 12, 31)},
            0,
            2015,
            2015,
            QStringLiteral("Podere Rossi"),
            QDate(2015, 6, 1)};
}

RecordingSurface TestListReport::draw(const ListLayout &layout, int page, int pageCount)
{
    RecordingSurface surface;
    ListReport(*m_db, layout).printPage(surface, page, pageCount);
    return surface;
}

void TestListReport::pageCounts_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("expectedPages");

    QTest::newRow("no workers") << int(PrintChoice::WorkersList) << 0 << 0;
    QTest::newRow("40 workers") << int(PrintChoice::WorkersList) << 40 << 1;
    QTest::newRow("41 workers") << int(PrintChoice::WorkersList) << 41 << 2;
    QTest::newRow("81 machines") << int(PrintChoice::MachinesList) << 81 << 3;
    QTest::newRow("40 crops") << int(PrintChoice::CropsList) << 40 << 1;
    QTest::newRow("41 others") << int(PrintChoice::OthersList) << 41 << 2;
    QTest::newRow("41 fields") << int(PrintChoice::FieldsList) << 41 << 2;
    QTest::newRow("41 operations") << int(PrintChoice::OperationsList) << 41 << 2;
    QTest::newRow("80 items") << int(PrintChoice::ItemsList) << 80 << 2;
}

void TestListReport::pageCounts()
{
    QFETCH(int, kind);
    QFETCH(int, rows);
    QFETCH(int, expectedPages);

    FarmFixture farm(*m_db);
    Transaction transaction(*m_db);
    for (int i = 1; i <= rows; ++i) {
        const QString name = QStringLiteral("Name %1").arg(i);
        farm.addWorker(i, name, 10);
        farm.addCentre(i, name, true, false);
        farm.addCentre(1000 + i, name, false, true);
        farm.addCentre(2000 + i, name, false, false);
        farm.addField(i, name, 1000 + i, 1, 2015);
        farm.addField(i, name, 1000 + i, 1, 2014);
        farm.addOperation(i, name);
        farm.addItem(i, name);
    }
    transaction.commit();
    FakeProgress progress;
    QCOMPARE(CardPrintJob::createReport(kind, context())->countPages(progress), expectedPages);
}

void TestListReport::workersPageFrame()
{
    FarmFixture farm(*m_db);
    farm.addWorker(2, QStringLiteral("Verdi"), 10, false);
    farm.addWorker(1, QStringLiteral("Rossi"), 10, false);
    farm.addWorker(3, QStringLiteral("Bianchi"), 10, true);

    const RecordingSurface surface = draw(RegistryLists::workers(context()), 1, 1);
    const QString font = QStringLiteral("[Times New Roman 10 400]");
    QCOMPARE(
        surface.log(),
        QStringList({"centred 100,-100 1900,-150 \"Podere Rossi - Workers\" " + font,
                     "line 50,-170 2000,-170 solid 1", "text 150,-200 \"Worker Code\" " + font,
                     "text 600,-200 \"Worker Name\" " + font,
                     "text 1400,-200 \"Relationship\" " + font, "line 50,-250 2000,-250 solid 1",
                     "text 150,-300 \"1\" " + font, "text 600,-300 \"Rossi\" " + font,
                     "text 1400,-300 \"INDETERMINATE\" " + font, "text 150,-350 \"2\" " + font,
                     "text 600,-350 \"Verdi\" " + font, "text 1400,-350 \"INDETERMINATE\" " + font,
                     "text 150,-400 \"3\" " + font, "text 600,-400 \"Bianchi\" " + font,
                     "text 1400,-400 \"OCCASIONAL\" " + font,
                     "centred 100,-2750 1900,-2800 \"Page 1 of 1\" " + font}));
}

void TestListReport::workersSecondPageHoldsTheRest()
{
    FarmFixture farm(*m_db);
    for (int i = 1; i <= 41; ++i)
        farm.addWorker(i, QStringLiteral("Worker %1").arg(i), 10);

    const RecordingSurface first = draw(RegistryLists::workers(context()), 1, 2);
    QCOMPARE(first.textAt(150, -300), QStringLiteral("1"));
    QCOMPARE(first.textAt(150, -2250), QStringLiteral("40"));
    QVERIFY(first.findText(QStringLiteral("Page 1 of 2")));

    const RecordingSurface second = draw(RegistryLists::workers(context()), 2, 2);
    QCOMPARE(second.textAt(150, -300), QStringLiteral("41"));
    QCOMPARE(second.textAt(150, -350), QString());
    QVERIFY(second.findText(QStringLiteral("Page 2 of 2")));
}

void TestListReport::workerNameTruncation()
{
    FarmFixture farm(*m_db);
    const QString name29 = QString(29, QLatin1Char('a'));
    const QString name30 = QString(30, QLatin1Char('b'));
    farm.addWorker(1, name29, 10);
    farm.addWorker(2, name30, 10);
    const RecordingSurface surface = draw(RegistryLists::workers(context()), 1, 1);
    QCOMPARE(surface.textAt(600, -300), name29);
    QCOMPARE(surface.textAt(600, -350), QString(29, QLatin1Char('b')) + QStringLiteral("..."));
}

void TestListReport::onlyMachinesPrintSupAnnoOfOneAsZero()
{
    FarmFixture farm(*m_db);
    farm.addCentre(5, QStringLiteral("Trattore"), true, false, 1998);
    farm.addCentre(6, QStringLiteral("Rimorchio"), true, false, 1);
    farm.addCentre(7, QStringLiteral("Vigneto"), false, true, 2.5);
    farm.addCentre(8, QStringLiteral("Oliveto"), false, true, 1);
    farm.addCentre(9, QStringLiteral("Uffici"), false, false, 0);

    const RecordingSurface machines = draw(RegistryLists::machines(context()), 1, 1);
    QVERIFY(machines.findText(QStringLiteral("Podere Rossi - Machines")));
    QCOMPARE(machines.textAt(150, -200), QStringLiteral("Mach.Code"));
    QCOMPARE(machines.textAt(1500, -200), QStringLiteral("Year of Purchase"));
    QCOMPARE(machines.textAt(400, -300), QStringLiteral("Trattore"));
    QCOMPARE(machines.textAt(1500, -300), QStringLiteral("1998"));
    QCOMPARE(machines.textAt(1500, -350), QStringLiteral("0"));
    QCOMPARE(machines.textAt(150, -400), QString());

    const RecordingSurface crops = draw(RegistryLists::crops(context()), 1, 1);
    QVERIFY(crops.findText(QStringLiteral("Podere Rossi - Crops")));
    QCOMPARE(crops.textAt(400, -200), QStringLiteral("Center"));
    QCOMPARE(crops.textAt(1500, -300), FormatNumber(2.5, false));
    // A surface of 1 hectare is a surface, not a missing year of purchase.
    QCOMPARE(crops.textAt(1500, -350), FormatNumber(1, false));

    const RecordingSurface others = draw(RegistryLists::others(context()), 1, 1);
    QVERIFY(others.findText(QStringLiteral("Podere Rossi - Others")));
    QCOMPARE(others.textAt(150, -300), QStringLiteral("9"));
    QCOMPARE(others.textAt(150, -350), QString());
}

void TestListReport::fieldsListTitleAndCentre()
{
    FarmFixture farm(*m_db);
    farm.addCentre(3, QString(35, QLatin1Char('c')), false, true);
    farm.addField(11, QString(34, QLatin1Char('f')), 3, 1.25, 2015);
    farm.addField(12, QString(35, QLatin1Char('g')), 44, 2, 2015);
    farm.addField(13, QStringLiteral("Old"), 3, 2, 2014);

    const RecordingSurface single = draw(RegistryLists::fields(context()), 1, 1);
    QVERIFY(single.findText(QStringLiteral("Podere Rossi - Fields 2015")));
    // A name ends before the next column (made-up width: 15 units a character): the field's
    // 490 units hold 29 characters and "...", the centre's 590 units the cut name whole.
    QCOMPARE(single.textAt(400, -300), QString(29, QLatin1Char('f')) + QStringLiteral("..."));
    QCOMPARE(single.textAt(900, -300), QStringLiteral("3"));
    QCOMPARE(single.textAt(1100, -300), QString(32, QLatin1Char('c')) + QStringLiteral("..."));
    QCOMPARE(single.textAt(1700, -300), FormatNumber(1.25, false));
    QCOMPARE(single.textAt(400, -350), QString(29, QLatin1Char('g')) + QStringLiteral("..."));
    // Centre 44 does not exist: its cells stay empty.
    QCOMPARE(single.textAt(900, -350), QString());
    QCOMPARE(single.textAt(1100, -350), QString());
    QCOMPARE(single.textAt(150, -400), QString());

    ReportContext range = context();
    range.fieldsFromYear = 2014;
    const RecordingSurface both = draw(RegistryLists::fields(range), 1, 1);
    QVERIFY(both.findText(QStringLiteral("Podere Rossi - Fields from 2014 al 2015")));
    QCOMPARE(both.textAt(150, -400), QStringLiteral("13"));
}

void TestListReport::fieldYearsAreThePeriods()
{
    CompanyData company;
    company.setText(SettingsKeys::CompanyName.name, QStringLiteral("Ditta"));
    const ReportContext context = ReportContext::forPeriod(
        *m_db, {QDate(2013, 10, 1), QDate(2016, 3, 31)}, 4, company, QDate(2016, 2, 3));
    QCOMPARE(context.fieldsFromYear, 2013);
    QCOMPARE(context.fieldsToYear, 2016);
    QCOMPARE(context.companyName, QStringLiteral("Ditta"));
    QCOMPARE(context.currentCardId, qint64(4));
}

void TestListReport::itemsList()
{
    FarmFixture farm(*m_db);
    farm.addItem(2, QString(36, QLatin1Char('i')));
    farm.addItem(1, QStringLiteral("Rame"));
    farm.addOperation(4, QStringLiteral("Potatura"));

    const RecordingSurface items = draw(RegistryLists::items(context()), 1, 1);
    QVERIFY(items.findText(QStringLiteral("Podere Rossi - Items")));
    QCOMPARE(items.textAt(150, -200), QStringLiteral("Code Item"));
    QCOMPARE(items.textAt(600, -200), QStringLiteral("Item"));
    QCOMPARE(items.textAt(600, -300), QStringLiteral("Rame"));
    QCOMPARE(items.textAt(600, -350), QString(32, QLatin1Char('i')) + QStringLiteral("..."));

    const RecordingSurface operations = draw(RegistryLists::operations(context()), 1, 1);
    QVERIFY(operations.findText(QStringLiteral("Podere Rossi - Operations")));
    QCOMPARE(operations.textAt(150, -200), QStringLiteral("Operation Code"));
    QCOMPARE(operations.textAt(600, -300), QStringLiteral("Potatura"));
}

void TestListReport::printPageRestoresTheFont()
{
    RecordingSurface surface;
    const PageFont before = surface.currentFont();
    ListReport(*m_db, RegistryLists::workers(context())).printPage(surface, 1, 1);
    QCOMPARE(surface.currentFont(), before);
    QCOMPARE(surface.calls().first().font, Report::baseFont());
}

void TestListReport::figuresPrintWholeNamesAreCut()
{
    // Columns of 140 units: 9 characters in the 10-point font.
    const QString name = QStringLiteral("Vigneto della collina");
    const ListLayout layout{QStringLiteral("Figures"),
                            QString(),
                            {{150, QStringLiteral("Code")},
                             {300, QStringLiteral("Name")},
                             {450, QStringLiteral("Surface")},
                             {600, QStringLiteral("End")}},
                            QStringLiteral("SELECT 1234567890, ?, 1234567.89"),
                            {name},
                            [](const QSqlQuery &row) -> QList<ListCell> {
                                const double surface = row.value(2).toDouble();
                                return {
                                    {150, row.value(0).toString(), row.value(0)},
                                    {300, row.value(1).toString()},
                                    {450, FormatNumber(surface, false), Report::cents(surface)}};
                            }};
    for (const QLocale::Language language : {QLocale::English, QLocale::Italian}) {
        QLocale::setDefault(QLocale(language));
        const RecordingSurface page = draw(layout, 1, 1);
        const QString surface = FormatNumber(1234567.89, false);
        QCOMPARE(page.textAt(150, -300), QStringLiteral("1234567890"));
        QCOMPARE(page.textAt(450, -300), surface);
        for (const QString &figure : {QStringLiteral("1234567890"), surface}) {
            const RecordingSurface::Call *call = page.findText(figure);
            QVERIFY2(call->x2 <= call->x + 140, qPrintable(figure));
            QVERIFY(call->font.pointSize < 10);
            QVERIFY(call->font.pointSize >= 6);
        }
        QCOMPARE(page.textAt(300, -300), QStringLiteral("Vignet..."));
    }
}

QTEST_GUILESS_MAIN(TestListReport)
#include "TestListReport.moc"
