#include "FakeProgress.h"
#include "FarmFixture.h"
#include "TestEnvironment.h"
#include "base/NumberText.h"
#include "reports/RecordingSurface.h"
#include "reports/WorkCardReport.h"

#include <QTest>

class TestWorkCardReport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pageCounts_data();
    void pageCounts();
    void titleAndHeadings();
    void workBlock();
    void centreNameByCentreType_data();
    void centreNameByCentreType();
    void movementLine_data();
    void movementLine();
    void workWithoutMovementKeepsItsSeparator();
    void largeFiguresPrintWhole_data();
    void largeFiguresPrintWhole();
    void ninthWorkOnPageTwo();
    void tableHoldsWhatThePagesPrint();

private:
    RecordingSurface drawPage(int page, int pageCount);
    ReportContext context() const;

    TestEnvironment m_env;
    std::unique_ptr<Database> m_db;
    qint64 m_card = 0;
};

void TestWorkCardReport::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_db = std::make_unique<Database>();
    m_db->open(m_env.copyTemplate());
    FarmFixture farm(*m_db);
    farm.addWorker(1, QString(24, QLatin1Char('w')), 10);
    farm.addWorker(2, QString(25, QLatin1Char('v')), 10);
    farm.addCentre(1, QStringLiteral("Vigneto"), false, true);
    farm.addCentre(4, QStringLiteral("Uffici"), false, false);
    farm.addCentre(50, QStringLiteral("Trattore cingolato"), true, false);
    farm.addCentre(51, QStringLiteral("Rimorchio"), true, false);
    farm.addField(100, QStringLiteral("Campo 2014"), 1, 1, 2014);
    farm.addField(100, QStringLiteral("Campo Nord"), 1, 1, 2015);
    farm.addOperation(7, QStringLiteral("Potatura"));
    farm.addItem(9, QStringLiteral("Rame"), QStringLiteral("kg"));
    farm.addItem(10, QString(26, QLatin1Char('r')));
    farm.addItem(11, QString(25, QLatin1Char('s')));
    m_card = farm.addCard(QDateTime(QDate(2015, 3, 10), QTime(8, 0)));
}

void TestWorkCardReport::cleanup()
{
    m_db.reset();
}

ReportContext TestWorkCardReport::context() const
{
    return {*m_db, {QDate(2015, 1, 1), QDate(2015, 12, 31)}, m_card,           2015,
            2015,  QStringLiteral("Podere Rossi"),           QDate(2015, 6, 1)};
}

RecordingSurface TestWorkCardReport::drawPage(int page, int pageCount)
{
    RecordingSurface surface;
    WorkCardReport(context()).printPage(surface, page, pageCount);
    return surface;
}

void TestWorkCardReport::pageCounts_data()
{
    QTest::addColumn<int>("works");
    QTest::addColumn<int>("expectedPages");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("8 works") << 8 << 1;
    QTest::newRow("9 works") << 9 << 2;
}

void TestWorkCardReport::pageCounts()
{
    QFETCH(int, works);
    QFETCH(int, expectedPages);
    FarmFixture farm(*m_db);
    for (int i = 0; i < works; ++i)
        farm.addWork(m_card, {1, 1});
    // Works of another card and pending works are not the card's.
    farm.addWork(farm.addCard(QDateTime(QDate(2015, 3, 11), QTime(8, 0))), {1, 1});
    farm.addWork(0, {1, 1});
    FakeProgress progress;
    QCOMPARE(WorkCardReport(context()).countPages(progress), expectedPages);
}

void TestWorkCardReport::titleAndHeadings()
{
    FarmFixture(*m_db).addWork(m_card, {1, 1});
    const RecordingSurface surface = drawPage(1, 1);
    const QStringList log = surface.log();
    const QString base = QStringLiteral("[Times New Roman 10 400]");
    QCOMPARE(
        log.first(),
        QStringLiteral(
            "centred 100,-100 1900,-150 \"Podere Rossi - Form of 03/10/2015\" [Arial 12 400]"));
    QCOMPARE(log.at(1), QStringLiteral("line 50,-170 2000,-170 solid 1"));
    QCOMPARE(log.mid(2, 22),
             QStringList(
                 {"text 50,-200 \"Wor.Code\" " + base,      "text 300,-200 \"Worker\" " + base,
                  "text 900,-200 \"Reg.H.\" " + base,       "text 1200,-200 \"Fest.H.\" " + base,
                  "text 1500,-200 \"Overt.\" " + base,      "text 50,-250 \"Cen.Code\" " + base,
                  "text 300,-250 \"Center\" " + base,       "text 900,-250 \"Op.Code\" " + base,
                  "text 1150,-250 \"Operation\" " + base,   "text 50,-300 \"M.C. (1)\" " + base,
                  "text 250,-300 \"Machine (1)\" " + base,  "text 650,-300 \"M.C. (2)\" " + base,
                  "text 850,-300 \"Machine (2)\" " + base,  "text 1250,-300 \"M.C. (3)\" " + base,
                  "text 1450,-300 \"Machine (3)\" " + base, "text 50,-350 \"Mov.Type\" " + base,
                  "text 350,-350 \"Cod.Item\" " + base,     "text 600,-350 \"Item\" " + base,
                  "text 1200,-350 \"Stage\" " + base,       "text 1500,-350 \"Units\" " + base,
                  "text 1700,-350 \"Quantity\" " + base,    "line 50,-400 2000,-400 solid 1"}));
    QCOMPARE(log.last(), "centred 100,-2750 1900,-2800 \"Page 1 of 1\" " + base);
}

void TestWorkCardReport::workBlock()
{
    FarmFixture farm(*m_db);
    farm.addWork(m_card, {2, 4.5, 1, 2, 1, 1, 0, 7, 50, 51, 0},
                 {2, 9, 30, 3, QStringLiteral("Fioritura"), QStringLiteral("l")});
    const RecordingSurface surface = drawPage(1, 1);
    // Worker names are cut at 25 characters to 23; machine names at 15 to 12.
    QCOMPARE(surface.textAt(50, -450), QStringLiteral("2"));
    QCOMPARE(surface.textAt(300, -450), QString(23, QLatin1Char('v')) + QStringLiteral("..."));
    QCOMPARE(surface.textAt(900, -450), FormatNumber(4.5, false));
    QCOMPARE(surface.textAt(1200, -450), FormatNumber(2, false));
    QCOMPARE(surface.textAt(1500, -450), FormatNumber(1, false));
    QCOMPARE(surface.textAt(50, -500), QStringLiteral("1"));
    QCOMPARE(surface.textAt(300, -500), QStringLiteral("Vigneto"));
    QCOMPARE(surface.textAt(900, -500), QStringLiteral("7"));
    QCOMPARE(surface.textAt(1150, -500), QStringLiteral("Potatura"));
    QCOMPARE(surface.textAt(50, -550), QStringLiteral("50"));
    QCOMPARE(surface.textAt(250, -550), QStringLiteral("Trattore cin..."));
    QCOMPARE(surface.textAt(650, -550), QStringLiteral("51"));
    QCOMPARE(surface.textAt(850, -550), QStringLiteral("Rimorchio"));
    QCOMPARE(surface.textAt(1250, -550), QStringLiteral("0"));
    QCOMPARE(surface.textAt(1450, -550), QString());
    QCOMPARE(surface.textAt(50, -600), QStringLiteral("Purchase"));
    QCOMPARE(surface.textAt(350, -600), QStringLiteral("9"));
    QCOMPARE(surface.textAt(600, -600), QStringLiteral("Rame"));
    QCOMPARE(surface.textAt(1200, -600), QStringLiteral("Fioritura"));
    QCOMPARE(surface.textAt(1500, -600), QStringLiteral("l"));
    QCOMPARE(surface.textAt(1700, -600), FormatNumber(3, false));
    const QStringList log = surface.log();
    QVERIFY(log.contains(QStringLiteral("line 50,-650 2000,-650 dot 1")));
    const auto dotted =
        std::find_if(surface.calls().begin(), surface.calls().end(), [](const auto &call) {
            return call.kind == RecordingSurface::Call::Kind::Line && call.y == -650;
        });
    QCOMPARE(dotted->pen.color, QColor(Qt::black));
    QCOMPARE(surface.currentPen().style, PagePen::Style::Solid);
}

void TestWorkCardReport::centreNameByCentreType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("centre");
    QTest::addColumn<QString>("name");
    QTest::newRow("none") << 0 << 1 << "<None>";
    QTest::newRow("crop centre") << 1 << 1 << "Vigneto";
    QTest::newRow("crop centre that is not one") << 1 << 4 << "";
    QTest::newRow("field, named in the card's year") << 2 << 1 << "Campo Nord";
    QTest::newRow("machine") << 3 << 50 << "Trattore cingolato";
    QTest::newRow("other centre") << 4 << 4 << "Uffici";
    QTest::newRow("other centre that is a machine") << 4 << 50 << "";
    QTest::newRow("unknown type") << 9 << 1 << "";
}

void TestWorkCardReport::centreNameByCentreType()
{
    QFETCH(int, type);
    QFETCH(int, centre);
    QFETCH(QString, name);
    FarmFixture(*m_db).addWork(m_card, {1, 1, 0, 0, type, centre, type == 2 ? 100 : 0});
    const RecordingSurface surface = drawPage(1, 1);
    QCOMPARE(surface.textAt(50, -500), QString::number(centre));
    QCOMPARE(surface.textAt(300, -500), name);
}

void TestWorkCardReport::movementLine_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<QString>("itemName");
    QTest::newRow("none, unknown item") << 0 << 77 << "<None>"
                                        << "<None>";
    QTest::newRow("production, 26 characters")
        << 1 << 10 << "Production" << QString(22, 'r') + "...";
    QTest::newRow("working, 25 characters") << 3 << 11 << "Working" << QString(25, 's');
    QTest::newRow("sale") << 4 << 9 << "Sale"
                          << "Rame";
    QTest::newRow("initial inventory") << 5 << 9 << "In.Inv."
                                       << "Rame";
    QTest::newRow("unknown type") << 8 << 9 << ""
                                  << "Rame";
}

void TestWorkCardReport::movementLine()
{
    QFETCH(int, type);
    QFETCH(int, item);
    QFETCH(QString, typeName);
    QFETCH(QString, itemName);
    FarmFixture(*m_db).addWork(m_card, {1, 1}, {type, item});
    const RecordingSurface surface = drawPage(1, 1);
    QCOMPARE(surface.textAt(50, -600), typeName);
    QCOMPARE(surface.textAt(350, -600), QString::number(item));
    QCOMPARE(surface.textAt(600, -600), itemName);
}

void TestWorkCardReport::largeFiguresPrintWhole_data()
{
    QTest::addColumn<QLocale::Language>("language");
    QTest::newRow("English") << QLocale::English;
    QTest::newRow("Italian") << QLocale::Italian;
}

void TestWorkCardReport::largeFiguresPrintWhole()
{
    QFETCH(QLocale::Language, language);
    QLocale::setDefault(QLocale(language));
    // Figures a single precision column keeps exactly.
    const double hours = 1099511627776.0;
    const double quantity = 1125899906842624.0;
    const QString unit = QStringLiteral("Kg/q per ettaro di superficie");
    FarmFixture(*m_db).addWork(m_card, {1, hours, 1, 1},
                               {2, 9, 30, quantity, QStringLiteral("Fioritura"), unit});
    const RecordingSurface surface = drawPage(1, 1);

    // Whole, smaller, and ending before the next column.
    const struct
    {
        int x;
        int y;
        int end;
        QString text;
    } cells[] = {{900, -450, 1190, FormatNumber(hours, false)},
                 {1700, -600, 2000, FormatNumber(quantity, false)}};
    for (const auto &cell : cells) {
        QCOMPARE(surface.textAt(cell.x, cell.y), cell.text);
        const RecordingSurface::Call *call = surface.findText(cell.text);
        QVERIFY2(call->x2 <= cell.end, qPrintable(cell.text));
        QVERIFY(call->font.pointSize < 10);
        QVERIFY(call->font.pointSize >= 6);
    }
    // The unit too long for its column even in 6 points takes a second line in its own cell,
    // above the dotted rule that closes the work.
    QCOMPARE(surface.textAt(1500, -600), QStringLiteral("Kg/q per ettaro di"));
    QCOMPARE(surface.textAt(1500, -624), QStringLiteral("superficie"));
    QCOMPARE(surface.findText(QStringLiteral("superficie"))->font.pointSize, 6.0);
    QVERIFY(surface.findText(QStringLiteral("superficie"))->x2 <= 1690);
    QCOMPARE(surface.textAt(1200, -450), FormatNumber(1, false));
}

void TestWorkCardReport::workWithoutMovementKeepsItsSeparator()
{
    FarmFixture(*m_db).addWorkWithoutMovement(m_card, {1, 1});
    const RecordingSurface surface = drawPage(1, 1);
    for (const auto &call : surface.calls())
        QVERIFY2(call.y != -600, qPrintable(call.text));
    QVERIFY(surface.log().contains(QStringLiteral("line 50,-650 2000,-650 dot 1")));
    QCOMPARE(surface.textAt(300, -450), QString(24, QLatin1Char('w')));
}

void TestWorkCardReport::ninthWorkOnPageTwo()
{
    FarmFixture farm(*m_db);
    for (int i = 1; i <= 9; ++i)
        farm.addWork(m_card, {1, double(i)});
    const RecordingSurface first = drawPage(1, 2);
    QCOMPARE(first.textAt(900, -450), FormatNumber(1, false));
    QCOMPARE(first.textAt(900, -450 - 7 * 250), FormatNumber(8, false));
    QVERIFY(first.findText(QStringLiteral("Page 1 of 2")));
    const RecordingSurface second = drawPage(2, 2);
    QCOMPARE(second.textAt(900, -450), FormatNumber(9, false));
    QCOMPARE(second.textAt(900, -700), QString());
    QVERIFY(second.findText(QStringLiteral("Page 2 of 2")));
}

void TestWorkCardReport::tableHoldsWhatThePagesPrint()
{
    FarmFixture farm(*m_db);
    farm.addWorker(3, QStringLiteral("Bianchi"), 10);
    farm.addWork(m_card, {3, 4.5, 1, 2, 1, 1, 0, 7, 51, 0, 51},
                 {2, 9, 12.5, 3.25, QStringLiteral("Fioritura"), QStringLiteral("kg")});
    farm.addWorkWithoutMovement(m_card, {3, 8, 0, 0, 2, 1, 100, 7});
    for (int i = 0; i < 7; ++i)
        farm.addWork(m_card, {3, double(i), 0, 0, 4, 4, 0, 7}, {1, 9, 0, 1});

    WorkCardReport report(context());
    FakeProgress progress;
    const int pages = report.countPages(progress);
    QCOMPARE(pages, 2);
    const QStringList columns = report.tableColumns();
    int rows = 0;
    for (int number = 1; number <= pages; ++number) {
        const RecordingSurface page = drawPage(number, pages);
        for (const RecordingSurface::Call &call : page.calls())
            if (call.y <= -200 && call.y >= -350 && call.kind == RecordingSurface::Call::Kind::Text)
                QVERIFY2(columns.contains(call.text), qPrintable(call.text));
        int top = -450;
        for (const QVariantList &row : report.tableRows(number, pages)) {
            QCOMPARE(row[0].toDate(), QDate(2015, 3, 10));
            const QList<std::tuple<int, int, QString>> printed{
                {50, top, row[1].toString()},
                {300, top, row[2].toString()},
                {900, top, FormatNumber(row[3].toDouble(), false)},
                {1200, top, FormatNumber(row[4].toDouble(), false)},
                {1500, top, FormatNumber(row[5].toDouble(), false)},
                {50, top - 50, row[6].toString()},
                {300, top - 50, row[7].toString()},
                {900, top - 50, row[8].toString()},
                {1150, top - 50, row[9].toString()},
                {50, top - 100, row[10].toString()},
                {250, top - 100, row[11].toString()},
                {650, top - 100, row[12].toString()},
                {850, top - 100, row[13].toString()},
                {1250, top - 100, row[14].toString()},
                {1450, top - 100, row[15].toString()},
                {50, top - 150, row.value(16).toString()},
                {350, top - 150, row.value(17).toString()},
                {600, top - 150, row.value(18).toString()},
                {1200, top - 150, row.value(19).toString()},
                {1500, top - 150, row.value(20).toString()},
                {1700, top - 150,
                 row.size() > 21 ? FormatNumber(row[21].toDouble(), false) : QString()}};
            for (const auto &[x, y, text] : printed) {
                const QString drawn = page.textAt(x, y);
                QCOMPARE(drawn.isNull() ? QString() : drawn, text);
            }
            top -= 250;
            ++rows;
        }
    }
    QCOMPARE(rows, 9);
}

QTEST_GUILESS_MAIN(TestWorkCardReport)
#include "TestWorkCardReport.moc"
