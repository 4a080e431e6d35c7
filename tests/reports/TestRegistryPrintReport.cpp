#include "FakeProgress.h"
#include "FarmFixture.h"
#include "TestEnvironment.h"
#include "base/NumberText.h"
#include "registries/RegistryKey.h"
#include "reports/RecordingSurface.h"
#include "reports/RegistryPrintReport.h"

#include <QTest>

class TestRegistryPrintReport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void headings_data();
    void headings();
    void itemStockAtStartAndEnd();
    void pages_data();
    void pages();
    void columnsFollowTheListWidths();
    void figuresPrintWholeNamesAreCut_data();
    void figuresPrintWholeNamesAreCut();

private:
    RegistryPrintReport report(int key, const QString &label, int rows = 0,
                               const QList<int> &widths = QList<int>(6, 100));

    TestEnvironment m_env;
    std::unique_ptr<Database> m_db;
};

void TestRegistryPrintReport::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_db = std::make_unique<Database>();
    m_db->open(m_env.copyTemplate());
}

void TestRegistryPrintReport::cleanup()
{
    m_db.reset();
}

RegistryPrintReport TestRegistryPrintReport::report(int key, const QString &label, int rows,
                                                    const QList<int> &widths)
{
    RegistryPrintList list{key, label, {"A", "B", "C", "D", "E", "F"}, widths, {}};
    for (int row = 1; row <= rows; ++row) {
        StatisticsRow cells;
        for (const QString &text :
             QStringList{QStringLiteral("Row %1").arg(row), "b", "c", "d", "e", "f"})
            cells << StatisticsCell{text, text};
        list.rows << cells;
    }
    return RegistryPrintReport(*m_db, {QDate(2015, 1, 1), QDate(2015, 12, 31)},
                               QStringLiteral("Podere Rossi"), list);
}

void TestRegistryPrintReport::headings_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("period");
    using namespace RegistryKey;
    QTest::newRow("cost centres") << make(0, CostCenters) << "Cost centers"
                                  << "Podere Rossi - Situation Field"
                                  << "From 01/01/2015 To 12/31/2015";
    QTest::newRow("crop centre") << make(1, Crop) << "Vigneto (1)"
                                 << "Podere Rossi - Vigneto (1) - Acre 2.50"
                                 << "From 01/01/2015 To 12/31/2015";
    // A field code held in two years: the first record found.
    QTest::newRow("field") << make(10, Field) << "Nord (10)"
                           << "Podere Rossi - Nord (10) - Acre 1.25"
                           << "From 01/01/2015 To 12/31/2015";
    QTest::newRow("missing field") << make(11, Field) << "Sud (11)"
                                   << "Podere Rossi - Sud (11) - Acre 0.00"
                                   << "From 01/01/2015 To 12/31/2015";
    QTest::newRow("machine") << make(2, Machine) << "Trattore (2)"
                             << "Podere Rossi - Trattore (2) -"
                             << "From 01/01/2015 To 12/31/2015";
    QTest::newRow("items folder") << make(0, Item) << "Items"
                                  << "Podere Rossi - Items -"
                                  << "From 01/01/2015 To 12/31/2015";
    QTest::newRow("item") << make(3, Item) << "Rame (3)"
                          << "Podere Rossi - Rame (3) - Inventory: initial 0.00 - final 0.00"
                          << "Warehouse From 01/01/2015 To 12/31/2015";
}

void TestRegistryPrintReport::headings()
{
    QFETCH(int, key);
    QFETCH(QString, label);
    QFETCH(QString, heading);
    QFETCH(QString, period);
    FarmFixture farm(*m_db);
    farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 2.5);
    farm.addCentre(2, QStringLiteral("Trattore"), true, false, 1998);
    farm.addField(10, QStringLiteral("Nord"), 1, 1.25, 2014);
    farm.addField(10, QStringLiteral("Nord"), 1, 3, 2015);

    RegistryPrintReport print = report(key, label);
    RecordingSurface page;
    print.printPage(page, 1, 1);
    QCOMPARE(page.texts().value(0), heading);
    QCOMPARE(page.texts().value(1), period);
    QCOMPARE(page.findText(heading)->font, PageFont({QStringLiteral("Arial"), 10, 400}));
    QVERIFY(print.landscape());
}

void TestRegistryPrintReport::itemStockAtStartAndEnd()
{
    FarmFixture farm(*m_db);
    farm.addItem(3, QStringLiteral("Rame"), QStringLiteral("kg"));
    const auto move = [&](const QDate &day, int type, double quantity) {
        farm.addWork(farm.addCard(QDateTime(day, QTime(8, 0))), {},
                     {type, 3, 0, quantity, {}, {}, {}, {}});
    };
    // Up to the start day: loads 10, discharges 4.
    move(QDate(2014, 6, 1), 2, 7);
    move(QDate(2014, 7, 1), 5, 3);
    move(QDate(2015, 1, 1), 3, 4);
    // Up to the end day: loads 30, discharges 12; a movement type 0 counts for neither.
    move(QDate(2015, 3, 1), 1, 20);
    move(QDate(2015, 4, 1), 4, 8);
    move(QDate(2015, 4, 2), 0, 100);
    move(QDate(2016, 1, 1), 2, 50);

    QCOMPARE(report(RegistryKey::make(3, RegistryKey::Item), QStringLiteral("Rame (3)")).heading(),
             QStringLiteral("Podere Rossi - Rame (3) - Inventory: initial %1 - final %2")
                 .arg(FormatNumber(6, false), FormatNumber(18, false)));
}

void TestRegistryPrintReport::pages_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pageCount");
    QTest::addColumn<int>("rowsOnLastPage");
    QTest::newRow("empty list: one page") << 0 << 1 << 0;
    QTest::newRow("30 rows") << 30 << 1 << 30;
    QTest::newRow("31 rows") << 31 << 2 << 1;
}

void TestRegistryPrintReport::pages()
{
    QFETCH(int, rows);
    QFETCH(int, pageCount);
    QFETCH(int, rowsOnLastPage);
    RegistryPrintReport print = report(RegistryKey::make(0, RegistryKey::Worker), "Workers", rows);
    FakeProgress progress;
    QCOMPARE(print.countPages(progress), pageCount);
    RecordingSurface page;
    print.printPage(page, pageCount, pageCount);
    QCOMPARE(page.texts().filter(QRegularExpression(QStringLiteral("^Row \\d+$"))).size(),
             rowsOnLastPage);
    if (rowsOnLastPage > 0)
        QCOMPARE(page.textAt(50, -350), QStringLiteral("Row %1").arg((pageCount - 1) * 30 + 1));
    // The footer sits under the 30th row whether the rows are there or not.
    const RecordingSurface::Call *footer =
        page.findText(QStringLiteral("Page %1 of %1").arg(pageCount));
    QVERIFY(footer);
    QCOMPARE(footer->y, -350 - 30 * 50 - 100);
    QCOMPARE(page.textAt(50, -250), QStringLiteral("A"));
}

void TestRegistryPrintReport::columnsFollowTheListWidths()
{
    RegistryPrintReport print = report(RegistryKey::make(0, RegistryKey::Worker), "Workers", 1,
                                       {100, 300, 0, 100, 100, 700});
    RecordingSurface page;
    print.printPage(page, 1, 1);
    // 2600 units shared in proportion to 1300: 200, 600, 0, 200, 200, 1400.
    const int lefts[] = {50, 250, 850, 1050, 1250};
    const QStringList titles{"A", "B", "D", "E", "F"};
    for (int column = 0; column < 5; ++column)
        QCOMPARE(page.textAt(lefts[column], -250), titles[column]);
    // A column without width shows nothing.
    QVERIFY(!page.findText(QStringLiteral("C")));
    QCOMPARE(page.textAt(850, -350), QStringLiteral("d"));
}

void TestRegistryPrintReport::figuresPrintWholeNamesAreCut_data()
{
    QTest::addColumn<QLocale::Language>("language");
    QTest::newRow("English") << QLocale::English;
    QTest::newRow("Italian") << QLocale::Italian;
}

void TestRegistryPrintReport::figuresPrintWholeNamesAreCut()
{
    QFETCH(QLocale::Language, language);
    QLocale::setDefault(QLocale(language));
    // Five narrow columns of 130 units (120 for the text) and a wide one.
    RegistryPrintList list{RegistryKey::make(0, RegistryKey::Worker),
                           QStringLiteral("Workers"),
                           {"A", "B", "C", "D", "E", "F"},
                           {10, 10, 10, 10, 10, 150},
                           {}};
    const QString quantity = QStringLiteral("kg ") + FormatNumber(12345.68, false);
    const QString number = FormatNumber(12345.68, false);
    const QString day = QStringLiteral("05/02/2015");
    const QString name = QStringLiteral("Vigneto della collina");
    list.rows << StatisticsRow{{quantity, quantity},
                               {number, 12345.68},
                               {name, name},
                               {day, QDate(2015, 5, 2)},
                               {QStringLiteral("123456789"), 123456789},
                               {name, name}};
    RegistryPrintReport print(*m_db, {QDate(2015, 1, 1), QDate(2015, 12, 31)},
                              QStringLiteral("Podere Rossi"), list);
    RecordingSurface page;
    print.printPage(page, 1, 1);

    const int lefts[] = {50, 180, 310, 440, 570, 700};
    for (const int column : {0, 1, 3, 4}) {
        const RecordingSurface::Call *call = page.findText(list.rows[0][column].text);
        QVERIFY2(call, qPrintable(list.rows[0][column].text));
        QCOMPARE(call->x, lefts[column]);
        QCOMPARE(call->y, -350);
        QVERIFY2(call->x2 <= lefts[column + 1] - 10, qPrintable(call->text));
        QVERIFY(call->font.pointSize < 10);
        QCOMPARE(call->font.face, QStringLiteral("Arial"));
    }
    QVERIFY(page.textAt(310, -350).endsWith(QStringLiteral("...")));
    QCOMPARE(page.textAt(700, -350), name);
}

QTEST_MAIN(TestRegistryPrintReport)
#include "TestRegistryPrintReport.moc"
