#include "FakeProgress.h"
#include "FarmFixture.h"
#include "TestEnvironment.h"
#include "base/NumberText.h"
#include "reports/DataProcessing.h"
#include "reports/RecordingSurface.h"
#include "reports/TotalsReport.h"

#include <QRegularExpression>
#include <QTest>

class TestTotalsReport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void processedFarm();
    void totalsAndUnitLines_data();
    void totalsAndUnitLines();
    void rowsWithAmounts();
    void descriptionsAndOperationColumn_data();
    void descriptionsAndOperationColumn();
    void longSectionContinues();
    void reportWithoutAmounts();
    void largeFiguresPrintWhole_data();
    void largeFiguresPrintWhole();
    void italianPageWritesDecimalCommas();
    void fieldReportPrintsEveryBookedField();
    void centreTitleFitsTheName_data();
    void centreTitleFitsTheName();
    void tableHoldsWhatThePagesPrint_data();
    void tableHoldsWhatThePagesPrint();

private:
    ReportContext context() const;
    // Paginates and draws every page.
    QList<RecordingSurface> print(TotalsReport::Section section, bool withAmounts);
    void addRow(const QString &table, int centre, int code, int operation, double amount,
                const QString &description, double quantity, bool cost, const QString &phase = {});

    TestEnvironment m_env;
    std::unique_ptr<Database> m_db;
};

void TestTotalsReport::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_db = std::make_unique<Database>();
    m_db->open(m_env.copyTemplate());
}

void TestTotalsReport::cleanup()
{
    m_db.reset();
}

ReportContext TestTotalsReport::context() const
{
    return {*m_db,
            {QDate(2015, 1, 1), QDate(2015, 12, 31)},
            0,
            2015,
            2015,
            QString(),
            QDate(2015, 6, 1)};
}

QList<RecordingSurface> TestTotalsReport::print(TotalsReport::Section section, bool withAmounts)
{
    TotalsReport report(context(), section, withAmounts);
    FakeProgress progress;
    const int pages = report.countPages(progress);
    QList<RecordingSurface> surfaces;
    for (int page = 1; page <= pages; ++page) {
        surfaces.append(RecordingSurface());
        report.printPage(surfaces.last(), page, pages);
    }
    return surfaces;
}

void TestTotalsReport::addRow(const QString &table, int centre, int code, int operation,
                              double amount, const QString &description, double quantity, bool cost,
                              const QString &phase)
{
    m_db->execute(QStringLiteral("INSERT INTO %1 (CodCentro, Codice, CodOperazione, CosRic, "
                                 "Descrizione, OreQua, Tipo%2) VALUES (?, ?, ?, ?, ?, ?, ?%3)")
                      .arg(table, phase.isNull() ? QString() : QStringLiteral(", Fase"),
                           phase.isNull() ? QString() : QStringLiteral(", ?")),
                  phase.isNull() ? QVariantList{centre, code, operation, amount, description,
                                                quantity, cost ? 1 : 0}
                                 : QVariantList{centre, code, operation, amount, description,
                                                quantity, cost ? 1 : 0, phase});
}

void TestTotalsReport::processedFarm()
{
    // Ten hours at 10 an hour, and a sale of 150 from the centre's produce.
    FarmFixture farm(*m_db);
    farm.addWorker(1, QStringLiteral("Rossi"), 10);
    farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 2);
    farm.addOperation(3, QStringLiteral("Potatura"));
    farm.addItem(5, QStringLiteral("Uva"), QStringLiteral("q"));
    farm.addWork(farm.addCard(QDateTime(QDate(2015, 9, 20), QTime(8, 0))),
                 {1, 10, 0, 0, 1, 1, 0, 3}, {4, 5, 150, 3});
    FakeProgress progress;
    DataProcessing(*m_db, context().period).ProcessTotals(progress);

    const QList<RecordingSurface> pages = print(TotalsReport::Section::Centres, true);
    QCOMPARE(pages.size(), 1);
    const RecordingSurface &page = pages.first();
    QCOMPARE(page.textAt(450, -200), QStringLiteral("Rossi"));
    QCOMPARE(page.textAt(1750, -200), QStringLiteral("Potatura"));
    QCOMPARE(page.textAt(450, -250), QStringLiteral("Uva"));
    QCOMPARE(page.textAt(1000, -250), "q " + FormatNumber(3, false));
    const QStringList expected{
        "TOTAL COSTS : " + FormatCurrency(100), "TOTAL REVENUES : " + FormatCurrency(150),
        "TOTAL RESULT : " + FormatCurrency(50), "UNIT COST : " + FormatCurrency(50),
        "UNIT REVENUE : " + FormatCurrency(75), "UNIT RESULT : " + FormatCurrency(25)};
    for (const QString &text : expected)
        QVERIFY2(page.findText(text), qPrintable(text));
}

void TestTotalsReport::totalsAndUnitLines_data()
{
    QTest::addColumn<double>("surface");
    QTest::addColumn<bool>("machine");
    QTest::addColumn<QList<double>>("unitLines");
    QTest::newRow("2 hectares") << 2.0 << false << QList<double>{50, 75, 25};
    QTest::newRow("no surface: divided by 1") << 0.0 << false << QList<double>{100, 150, 50};
    QTest::newRow("machine: no unit lines") << 1998.0 << true << QList<double>{};
}

void TestTotalsReport::totalsAndUnitLines()
{
    QFETCH(double, surface);
    QFETCH(bool, machine);
    QFETCH(QList<double>, unitLines);
    FarmFixture(*m_db).addCentre(1, QStringLiteral("Vigneto"), machine, !machine, surface);
    addRow(QStringLiteral("Totali"), 1, 4, 0, 100, QStringLiteral("Rossi"), 8, true);
    addRow(QStringLiteral("Totali"), 1, -1, 0, 150, QStringLiteral("Uva"), 10, false);

    const QList<RecordingSurface> pages = print(TotalsReport::Section::Centres, true);
    QCOMPARE(pages.size(), 1);
    const RecordingSurface &page = pages.first();
    QCOMPARE(page.textAt(100, -2550), QStringLiteral("TOTAL COSTS : ") + FormatCurrency(100));
    QCOMPARE(page.textAt(100, -2600), QStringLiteral("TOTAL REVENUES : ") + FormatCurrency(150));
    QCOMPARE(page.textAt(100, -2650), QStringLiteral("TOTAL RESULT : ") + FormatCurrency(50));
    const QStringList labels{"UNIT COST : ", "UNIT REVENUE : ", "UNIT RESULT : "};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(page.textAt(1200, -2550 - 50 * i),
                 unitLines.isEmpty() ? QString() : labels[i] + FormatCurrency(unitLines[i]));
    QVERIFY(!page.findText(QStringLiteral("(CONTINUES)")));
    QVERIFY(page.findText(QStringLiteral("Page 1 of 1")));
}

void TestTotalsReport::rowsWithAmounts()
{
    FarmFixture farm(*m_db);
    farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 2);
    farm.addOperation(3, QStringLiteral("Pota"));
    // The item's name holds the characters a LIKE pattern would take for wildcards.
    farm.addItem(5, QStringLiteral("Rame 50% d'oro_x"), QStringLiteral("kg"));
    addRow(QStringLiteral("Totali"), 1, 4, 3, 100, QStringLiteral("Rossi"), 8, true);
    addRow(QStringLiteral("Totali"), 1, -1, 5, 30, QStringLiteral("Rame 50% d'oro_x"), 3, true);
    // A row written before warehouse rows carried their item: found by its name, compared whole.
    addRow(QStringLiteral("Totali"), 1, -1, 0, 10, QStringLiteral("rame 50% D'oro_x"), 1, true);
    addRow(QStringLiteral("Totali"), 1, -1, 0, 10, QStringLiteral("Rame 5"), 1, false);
    addRow(QStringLiteral("Totali"), 1, -2, 3, 0, QStringLiteral("Prima nota"), 0, true);

    const RecordingSurface page = print(TotalsReport::Section::Centres, true).first();
    QCOMPARE(page.texts().first(), QStringLiteral("C.C. <1> ") + QString(22, QLatin1Char(' ')) +
                                       QStringLiteral("Vigneto") + QString(22, QLatin1Char(' ')) +
                                       QStringLiteral(" of 06/01/2015 Sur./Cap./Year 2.00"));
    // Rows are in operation order (a warehouse row's is its item), then in the order written.
    const QList<QStringList> expected{
        {"COST", "AM", "rame 50% D'oro_x", "kg " + FormatNumber(1, false), FormatCurrency(10),
         FormatCurrency(10), "Inv.Mov."},
        {"REVENUE", "AM", "Rame 5", "*. " + FormatNumber(1, false), FormatCurrency(10),
         FormatCurrency(10), "Inv.Mov."},
        {"COST", "4", "Rossi", "H. " + FormatNumber(8, false), FormatCurrency(12.5),
         FormatCurrency(100), "Pota"},
        {"COST", "PN", "Prima nota", "H. " + FormatNumber(0, false), FormatCurrency(0),
         FormatCurrency(0), "Pota"},
        {"COST", "AM", "Rame 50% d'oro_x", "kg " + FormatNumber(3, false), FormatCurrency(10),
         FormatCurrency(30), "Inv.Mov."},
    };
    const int xs[] = {50, 250, 450, 1000, 1250, 1500, 1750};
    for (int row = 0; row < expected.size(); ++row)
        for (int column = 0; column < 7; ++column)
            QCOMPARE(page.textAt(xs[column], -200 - 50 * row), expected[row][column]);
}

void TestTotalsReport::descriptionsAndOperationColumn_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QStringList>("firstLine");
    QTest::addColumn<QStringList>("secondLine");
    QTest::addColumn<bool>("smallFont");

    const QString d23(23, QLatin1Char('d'));
    const QString d24(24, QLatin1Char('d'));
    QTest::newRow("23 characters, short operation")
        << d23 << "Pota" << QStringList{d23, "Pota"} << QStringList{QString(), QString()} << false;
    QTest::newRow("one line, 10-character operation")
        << "Rossi"
        << "Irrigatura" << QStringList{"Rossi", "7 Irrigatura"} << QStringList{QString(), QString()}
        << true;
    QTest::newRow("one line, 12-character operation")
        << "Rossi"
        << "Concimazione" << QStringList{"Rossi", "7 Concimaz..."}
        << QStringList{QString(), QString()} << true;
    QTest::newRow("24 characters, long operation")
        << d24 << "Trattamento al rame"
        << QStringList{QString(22, QLatin1Char('d')) + "-", "7 Trattame-"}
        << QStringList{"dd", "nto a..."} << false;
    QTest::newRow("long rest cut")
        << QString(50, QLatin1Char('e')) << "Semina"
        << QStringList{QString(22, QLatin1Char('e')) + "-", "Semina"}
        << QStringList{QString(20, QLatin1Char('e')) + "...", QString()} << false;
}

void TestTotalsReport::descriptionsAndOperationColumn()
{
    QFETCH(QString, description);
    QFETCH(QString, operation);
    QFETCH(QStringList, firstLine);
    QFETCH(QStringList, secondLine);
    QFETCH(bool, smallFont);
    FarmFixture farm(*m_db);
    farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 2);
    farm.addOperation(7, operation);
    addRow(QStringLiteral("Totali"), 1, 4, 7, 100, description, 8, true);
    addRow(QStringLiteral("Totali"), 1, 5, 8, 100, QStringLiteral("Next"), 8, true);

    const RecordingSurface page = print(TotalsReport::Section::Centres, true).first();
    QCOMPARE(page.textAt(450, -200), firstLine[0]);
    QCOMPARE(page.textAt(1750, -200), firstLine[1]);
    QCOMPARE(page.findText(firstLine[1])->font.pointSize, smallFont ? 8.0 : 10.0);
    if (secondLine[0].isEmpty()) {
        QCOMPARE(page.textAt(450, -250), QStringLiteral("Next"));
    } else {
        QCOMPARE(page.textAt(450, -250), secondLine[0]);
        QCOMPARE(page.textAt(1750, -250), secondLine[1]);
        QCOMPARE(page.textAt(450, -300), QStringLiteral("Next"));
    }
}

void TestTotalsReport::longSectionContinues()
{
    FarmFixture(*m_db).addCentre(1, QStringLiteral("Vigneto"), false, true, 2);
    for (int i = 1; i <= 46; ++i)
        addRow(QStringLiteral("Totali"), 1, i, 0, 1, QStringLiteral("Row %1").arg(i), 1, true);

    const QList<RecordingSurface> pages = print(TotalsReport::Section::Centres, true);
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages[0].textAt(50, -2550), QStringLiteral("(CONTINUES)"));
    QVERIFY(!pages[0].findText(QStringLiteral("TOTAL COSTS : ") + FormatCurrency(46)));
    QCOMPARE(pages[0].textAt(450, -2400), QStringLiteral("Row 45"));
    QCOMPARE(pages[1].textAt(450, -200), QStringLiteral("Row 46"));
    QCOMPARE(pages[1].textAt(100, -2550), QStringLiteral("TOTAL COSTS : ") + FormatCurrency(46));
    for (const RecordingSurface &page : pages)
        QCOMPARE(page.textAt(50, -110), QStringLiteral("Mov.Type"));
    QVERIFY(pages[1].findText(QStringLiteral("Page 2 of 2")));
}

void TestTotalsReport::reportWithoutAmounts()
{
    FarmFixture farm(*m_db);
    farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 2);
    farm.addOperation(3, QString(31, QLatin1Char('o')));
    addRow(QStringLiteral("Totali"), 1, -1, 5, 30, QStringLiteral("Rame"), 3, true);
    addRow(QStringLiteral("Totali"), 1, 4, 3, 100, QString(31, QLatin1Char('r')), 8, true);

    const RecordingSurface page = print(TotalsReport::Section::Centres, false).first();
    QCOMPARE(page.textAt(50, -110), QStringLiteral("Code"));
    QCOMPARE(page.textAt(1300, -110), QStringLiteral("Operation"));
    QCOMPARE(page.textAt(50, -200), QStringLiteral("4"));
    QCOMPARE(page.textAt(250, -200), QString(29, QLatin1Char('r')) + "-");
    QCOMPARE(page.textAt(250, -250), QStringLiteral("rr"));
    QCOMPARE(page.textAt(1000, -200), "H. " + FormatNumber(8, false));
    QCOMPARE(page.textAt(1300, -200), QString(27, QLatin1Char('o')) + "...");
    QVERIFY(!page.findText(QStringLiteral("Rame")));
    QVERIFY(!page.findText(QStringLiteral("TOTAL COSTS : ") + FormatCurrency(130)));
    const QStringList log = page.log();
    QVERIFY(log.contains(QStringLiteral("line 50,-2650 2050,-2650 solid 1")));
}

void TestTotalsReport::largeFiguresPrintWhole_data()
{
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<bool>("withAmounts");
    QTest::newRow("English, amounts") << QLocale::English << true;
    QTest::newRow("Italian, amounts") << QLocale::Italian << true;
    QTest::newRow("English, hours only") << QLocale::English << false;
    QTest::newRow("Italian, hours only") << QLocale::Italian << false;
}

void TestTotalsReport::largeFiguresPrintWhole()
{
    QFETCH(QLocale::Language, language);
    QFETCH(bool, withAmounts);
    QLocale::setDefault(QLocale(language));
    FarmFixture farm(*m_db);
    farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 40);
    farm.addItem(5, QStringLiteral("Zolfo"), QStringLiteral("Kg/q"));
    farm.addOperation(3, QStringLiteral("Pota"));
    addRow(QStringLiteral("Totali"), 1, -1, 5, 98765432.1, QStringLiteral("Zolfo"), 1234567.89,
           true);
    addRow(QStringLiteral("Totali"), 1, 4, 3, 999999.99, QStringLiteral("Rossi"), 12345678901.25,
           true);
    addRow(QStringLiteral("Totali"), 1, 5, 3, 1, QStringLiteral("Bianchi"), 1, true);

    const RecordingSurface page = print(TotalsReport::Section::Centres, withAmounts).first();
    // Each figure whole, in the column it belongs to, on its row's line.
    QStringList figures{"H. " + FormatNumber(12345678901.25, false)};
    QList<int> columnEnds{withAmounts ? 1240 : 1290};
    if (withAmounts) {
        figures << "Kg/q " + FormatNumber(1234567.89, false) << FormatCurrency(999999.99)
                << FormatCurrency(98765432.1);
        columnEnds << 1240 << 1740 << 1740;
    }
    for (qsizetype i = 0; i < figures.size(); ++i) {
        const RecordingSurface::Call *call = page.findText(figures[i]);
        QVERIFY2(call, qPrintable(figures[i]));
        QVERIFY2(call->x2 <= columnEnds[i], qPrintable(figures[i]));
        QVERIFY(call->font.pointSize >= 6);
        QCOMPARE(call->font.face, page.findText(QStringLiteral("Rossi"))->font.face);
    }
    // The long quantities take a smaller size; the rows keep their lines.
    QVERIFY(page.findText(figures[0])->font.pointSize < 10);
    if (withAmounts)
        QVERIFY(page.findText(figures[1])->font.pointSize < 10);
    QCOMPARE(page.textAt(withAmounts ? 450 : 250, -250), QStringLiteral("Bianchi"));
    QVERIFY(page.texts().filter(QStringLiteral("...")).isEmpty());
}

// Every figure of an Italian page, the surface of the title included, has a decimal comma.
void TestTotalsReport::italianPageWritesDecimalCommas()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    FarmFixture farm(*m_db);
    farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 8.6);
    farm.addItem(5, QStringLiteral("Rame"), QStringLiteral("q"));
    farm.addOperation(3, QStringLiteral("Pota"));
    addRow(QStringLiteral("Totali"), 1, 4, 3, 100, QStringLiteral("Rossi"), 8, true);
    addRow(QStringLiteral("Totali"), 1, -1, 5, 30, QStringLiteral("Rame"), 14, true);

    const RecordingSurface page = print(TotalsReport::Section::Centres, true).first();
    QVERIFY2(page.texts().first().endsWith(QStringLiteral(" 8,60")),
             qPrintable(page.texts().first()));
    QVERIFY(page.findText(QStringLiteral("q ") + FormatNumber(14, false)));
    QCOMPARE(FormatNumber(14, false), QStringLiteral("14,00"));
    const QRegularExpression pointFigure(QStringLiteral("\\d\\.\\d\\d(?!\\d)"));
    QCOMPARE(page.texts().filter(pointFigure), QStringList());
}

void TestTotalsReport::fieldReportPrintsEveryBookedField()
{
    FarmFixture farm(*m_db);
    farm.addField(10, QStringLiteral("Campo lungo della valle"), 1, 1.5, 2014);
    farm.addField(10, QStringLiteral("Campo lungo della valle"), 1, 0.5, 2015);
    addRow(QStringLiteral("[Totali Campi]"), 10, -1, 5, 30, QStringLiteral("Rame"), 3, true,
           QStringLiteral("Fioritura"));
    // Field 77 is in no year of Campi: its row still prints, under an empty name.
    addRow(QStringLiteral("[Totali Campi]"), 77, 4, 0, 20, QStringLiteral("Rossi"), 2, true,
           QString(""));

    const QList<RecordingSurface> pages = print(TotalsReport::Section::Fields, true);
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages[0].texts().first(),
             QStringLiteral("Print a summary of the Field <10> Campo lungo del... of 06/01/2015 "
                            "Surface 0.50"));
    QCOMPARE(pages[0].textAt(1750, -200), QStringLiteral("Fioritura"));
    QCOMPARE(pages[0].textAt(1200, -2550), "UNIT COST : " + FormatCurrency(60));
    QCOMPARE(pages[1].texts().first(),
             QStringLiteral("Print a summary of the Field <77>  of 06/01/2015 Surface 0.00"));
    QCOMPARE(pages[1].textAt(1200, -2550), "UNIT COST : " + FormatCurrency(20));
}

void TestTotalsReport::centreTitleFitsTheName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fitted");
    QTest::newRow("short: centred in 54")
        << "Oliveto" << QString(22, ' ') + "Oliveto" + QString(22, ' ');
    QTest::newRow("52 characters: no pad") << QString(52, 'n') << QString(52, 'n');
    QTest::newRow("55 characters: cut") << QString(55, 'n') << QString(51, 'n') + "...";
}

void TestTotalsReport::centreTitleFitsTheName()
{
    QFETCH(QString, name);
    QFETCH(QString, fitted);
    QCOMPARE(TotalsReport::fittedCentreName(name), fitted);
}

void TestTotalsReport::tableHoldsWhatThePagesPrint_data()
{
    QTest::addColumn<bool>("fields");
    QTest::addColumn<bool>("withAmounts");
    QTest::newRow("centres with amounts") << false << true;
    QTest::newRow("centres without amounts") << false << false;
    QTest::newRow("fields with amounts") << true << true;
    QTest::newRow("fields without amounts") << true << false;
}

void TestTotalsReport::tableHoldsWhatThePagesPrint()
{
    QFETCH(bool, fields);
    QFETCH(bool, withAmounts);
    FarmFixture farm(*m_db);
    farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 2);
    farm.addCentre(2, QStringLiteral("Trattore"), true, false, 1998);
    farm.addField(1, QStringLiteral("Campo"), 1, 0.5, 2015);
    farm.addField(2, QStringLiteral("Prato"), 1, 0, 2015);
    farm.addOperation(3, QStringLiteral("Pota"));
    farm.addItem(5, QStringLiteral("Rame"), QStringLiteral("kg"));
    const QString table = fields ? QStringLiteral("[Totali Campi]") : QStringLiteral("Totali");
    const QString phase = fields ? QStringLiteral("Fioritura") : QString();
    addRow(table, 1, 4, 3, 100, QStringLiteral("Rossi"), 3, true, phase);
    addRow(table, 1, -1, 5, 30.5, QStringLiteral("Rame"), 3, true, phase);
    addRow(table, 1, 7, 0, 150, QStringLiteral("Uva"), 10, false, phase);
    // The second section runs over two pages.
    for (int i = 1; i <= 50; ++i)
        addRow(table, 2, i, 3, i, QStringLiteral("Row %1").arg(i), 1, true, phase);

    TotalsReport report(context(),
                        fields ? TotalsReport::Section::Fields : TotalsReport::Section::Centres,
                        withAmounts);
    FakeProgress progress;
    const int pages = report.countPages(progress);
    QCOMPARE(pages, 3);
    const QStringList columns = report.tableColumns();
    int totals = 0;
    for (int number = 1; number <= pages; ++number) {
        RecordingSurface page;
        report.printPage(page, number, pages);
        for (const RecordingSurface::Call &call : page.calls())
            if (call.y == -110)
                QVERIFY2(columns.contains(call.text), qPrintable(call.text));
        int y = -200;
        for (const QVariantList &row : report.tableRows(number, pages)) {
            QCOMPARE(row.size(), columns.size());
            QVERIFY2(page.texts().first().contains(QStringLiteral("<%1> ").arg(row[0].toInt())),
                     qPrintable(page.texts().first()));
            QVERIFY(page.texts().first().contains(row[1].toString()));
            if (!withAmounts) {
                QCOMPARE(page.textAt(50, y), row[2].toString());
                QCOMPARE(page.textAt(250, y), row[3].toString());
                QCOMPARE(page.textAt(1000, y), "H. " + FormatNumber(row[4].toDouble(), false));
                QCOMPARE(page.textAt(1300, y), row[5].toString());
            } else if (row[3].isValid()) {
                QCOMPARE(page.textAt(50, y), row[2].toString());
                QCOMPARE(page.textAt(250, y), row[3].toString());
                QCOMPARE(page.textAt(450, y), row[4].toString());
                QCOMPARE(page.textAt(1000, y),
                         row[5].toString() + " " + FormatNumber(row[6].toDouble(), false));
                QCOMPARE(page.textAt(1250, y), FormatCurrency(row[7].toDouble()));
                QCOMPARE(page.textAt(1500, y), FormatCurrency(row[8].toDouble()));
                QCOMPARE(page.textAt(1750, y), row[9].toString());
            } else {
                // A totals line of the section's end, marked in the first column.
                const QString printed =
                    row[2].toString() + " : " + FormatCurrency(row[8].toDouble());
                QVERIFY2(page.findText(printed), qPrintable(printed));
                ++totals;
                continue;
            }
            y -= 50;
        }
    }
    // The machine centre has no unit lines; every field has them.
    QCOMPARE(totals, withAmounts ? (fields ? 12 : 9) : 0);
}

QTEST_MAIN(TestTotalsReport)
#include "TestTotalsReport.moc"
