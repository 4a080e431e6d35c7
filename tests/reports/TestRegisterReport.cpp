#include "FakeProgress.h"
#include "FarmFixture.h"
#include "TestEnvironment.h"
#include "base/CompanyData.h"
#include "base/NumberText.h"
#include "base/SettingsStore.h"
#include "reports/DataProcessing.h"
#include "reports/RecordingSurface.h"
#include "reports/RegisterReport.h"
#include "reports/ReportText.h"

#include <QTest>
#include <QTranslator>

class TestRegisterReport : public QObject
{
    Q_OBJECT

private slots:
    void tableHoldsWhatThePagesPrint();
    void datesFollowTheTranslatedPattern();
    void init();
    void cleanup();

    void oneCentreWithThreeTreatments();
    void coverMarks_data();
    void coverMarks();
    void rowCuts_data();
    void rowCuts();
    void perHectare_data();
    void perHectare();
    void treatmentsOfADeletedCentre();
    void quantityDoesNotDependOnTheLocale_data();
    void quantityDoesNotDependOnTheLocale();
    void largeFiguresPrintWhole_data();
    void largeFiguresPrintWhole();
    void yearsOfThePeriod_data();
    void yearsOfThePeriod();
    void databaseWithoutTheQuantityColumn();
    void noRowsIsRefused();

private:
    ReportContext context() const;
    QList<RecordingSurface> print();
    // Compares the table of every page with the texts the page prints.
    void checkTableAgainstPages();
    // One treatment of the register, written as the processing writes it.
    void addRow(int centre, const QString &day, const QString &product, double quantity,
                const QString &adversity = QStringLiteral("Peronospora"),
                const QString &unit = QStringLiteral("kg"));
    // The figure drawn at (x, y), with its second line when it took one.
    static QString figureAt(const RecordingSurface &page, int x, int y);

    TestEnvironment m_env;
    std::unique_ptr<Database> m_db;
    WorkingPeriod m_period;
};

void TestRegisterReport::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_env.clearSettings();
    m_period = {QDate(2015, 1, 1), QDate(2015, 12, 31)};
    m_db = std::make_unique<Database>();
    m_db->open(m_env.copyTemplate());
}

void TestRegisterReport::cleanup()
{
    m_db.reset();
}

ReportContext TestRegisterReport::context() const
{
    return {*m_db, m_period, 0, 2015, 2015, QString(), QDate(2015, 6, 1), CompanyData::load()};
}

QList<RecordingSurface> TestRegisterReport::print()
{
    RegisterReport report(context());
    FakeProgress progress;
    const int pages = report.countPages(progress);
    QList<RecordingSurface> surfaces;
    for (int page = 1; page <= pages; ++page) {
        surfaces.append(RecordingSurface());
        report.printPage(surfaces.last(), page, pages);
    }
    return surfaces;
}

void TestRegisterReport::addRow(int centre, const QString &day, const QString &product,
                                double quantity, const QString &adversity, const QString &unit)
{
    const bool withNumber = m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM "
                                                        "pragma_table_info('Appoggio Articoli') "
                                                        "WHERE name = 'Quantita'"))
                                .toInt() > 0;
    m_db->execute(
        QStringLiteral(
            "INSERT INTO [Appoggio Articoli] (Data, Articolo, UnMis, TQ, [Codice Centro], "
            "Avverso%1) VALUES (?, ?, ?, ?, ?, ?%2)")
            .arg(withNumber ? QStringLiteral(", Quantita") : QString(),
                 withNumber ? QStringLiteral(", ?") : QString()),
        withNumber ? QVariantList{day + QStringLiteral(" 08:00:00"), product, unit,
                                  FormatNumber(quantity, false), centre, adversity, quantity}
                   : QVariantList{day + QStringLiteral(" 08:00:00"), product, unit,
                                  FormatNumber(quantity, false), centre, adversity});
}

QString TestRegisterReport::figureAt(const RecordingSurface &page, int x, int y)
{
    const QString second = page.textAt(x, y - ReportText::FigureLineStep);
    return second.isNull() ? page.textAt(x, y) : page.textAt(x, y) + QLatin1Char(' ') + second;
}

void TestRegisterReport::oneCentreWithThreeTreatments()
{
    // The heading names the printed period's year, even when the stored period says otherwise.
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("DataEnd"),
                               QStringLiteral("31/12/2019"));
    FarmFixture(*m_db).addCentre(1, QStringLiteral("Vigneto"), false, true, 2.5);
    addRow(1, QStringLiteral("2015-05-02"), QStringLiteral("Zolfo"), 5);
    addRow(1, QStringLiteral("2015-04-01"), QStringLiteral("Rame"), 2.5);
    addRow(1, QStringLiteral("2015-06-03"), QStringLiteral("Zolfo"), 10);

    const QList<RecordingSurface> pages = print();
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages[0].textAt(800, -2700),
             QStringLiteral("This register consists of n.2 pages including the cover"));
    const RecordingSurface &page = pages[1];
    QCOMPARE(page.textAt(200, -100), QStringLiteral("TREATMENTS REPORT"));
    QCOMPARE(page.findText(QStringLiteral("TREATMENTS REPORT"))->font.weight, PageFont::Bold);
    QCOMPARE(page.textAt(1400, -200), QStringLiteral("ANNO  2015"));
    QCOMPARE(page.textAt(500, -300), QStringLiteral("Report for Vigneto (surface: 2.50 Ha)"));
    QCOMPARE(page.textAt(850, -2750), QStringLiteral("Page 1 of 1"));
    // In date order, in the 9-point font.
    const QList<QStringList> rows{
        {"04/01/2015", "Peronospora", "Rame", "kg 1.00", "kg 2.50"},
        {"05/02/2015", "Peronospora", "Zolfo", "kg 2.00", "kg 5.00"},
        {"06/03/2015", "Peronospora", "Zolfo", "kg 4.00", "kg 10.00"},
    };
    const int xs[] = {140, 360, 710, 1260, 1410};
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < 5; ++column)
            QCOMPARE(page.textAt(xs[column], -630 - 100 * row), rows[row][column]);
    QCOMPARE(page.findText(QStringLiteral("04/01/2015"))->font.pointSize, 9.0);
    // The grid: its frame, 20 rules under the heading band, 5 column rules, all grey.
    const QStringList log = page.log();
    QVERIFY(log.contains(QStringLiteral("rectangle 100,-400 1900,-2600")));
    QCOMPARE(log.filter(QRegularExpression(QStringLiteral("^line 100,-\\d+ 1900,"))).size(), 20);
    QCOMPARE(log.filter(QRegularExpression(QStringLiteral("^line \\d+,-400 \\d+,-2600"))).size(),
             5);
    for (const RecordingSurface::Call &call : page.calls())
        if (call.kind == RecordingSurface::Call::Kind::Line)
            QCOMPARE(call.pen.color, QColor(192, 192, 192));
}

void TestRegisterReport::coverMarks_data()
{
    QTest::addColumn<int>("woman");
    QTest::addColumn<int>("office");
    QTest::addColumn<QString>("representative");
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QStringList>("marks");

    // DittaDomicilio is the company dialog's "Home" box: ticked (non-zero) marks home.
    QTest::newRow("man, home ticked, no representative")
        << 0 << 1 << QString() << QStringLiteral("07/03/1960")
        << QStringList{"1040,-480 M", "1390,-1080 H", "1330,-480 07", "1450,-480 03",
                       "1630,-480 1960"};
    QTest::newRow("woman, home not ticked, representative")
        << 1 << 0 << QStringLiteral("Srl Verdi") << QStringLiteral("not a date")
        << QStringList{"1160,-480 W", "1540,-1080 R", "1160,-2180 W"};
    QTest::newRow("home stored as another non-zero value")
        << 0 << -1 << QString() << QString() << QStringList{"1040,-480 M", "1390,-1080 H"};
}

void TestRegisterReport::coverMarks()
{
    QFETCH(int, woman);
    QFETCH(int, office);
    QFETCH(QString, representative);
    QFETCH(QString, birth);
    QFETCH(QStringList, marks);
    const auto write = [](const char *name, const QString &value) {
        SettingsStore::writeString(SettingsStore::Settings, QString::fromLatin1(name), value);
    };
    SettingsStore::writeInt(SettingsStore::Settings, QStringLiteral("DittaDonna"), woman);
    SettingsStore::writeInt(SettingsStore::Settings, QStringLiteral("DittaDomicilio"), office);
    // The representative's gender counts only when there is a representative.
    SettingsStore::writeInt(SettingsStore::Settings, QStringLiteral("DittaDonna2"), 1);
    write("DittaRagSoc2", representative);
    write("DittaDataNasc", birth);
    write("DittaRagSoc", QStringLiteral("Rossi"));
    FarmFixture(*m_db).addCentre(1, QStringLiteral("Vigneto"), false, true, 2.5);
    addRow(1, QStringLiteral("2015-05-02"), QStringLiteral("Zolfo"), 5);

    const RecordingSurface cover = print().first();
    QStringList found;
    for (const RecordingSurface::Call &call : cover.calls())
        if (call.kind == RecordingSurface::Call::Kind::Text &&
            ((call.x >= 1000 && call.y == -480) || call.y == -1080 || call.y == -2180))
            found << QStringLiteral("%1,%2 %3").arg(call.x).arg(call.y).arg(call.text);
    found.sort();
    marks.sort();
    QCOMPARE(found, marks);
    QCOMPARE(cover.textAt(250, -280), QStringLiteral("Rossi"));
    QCOMPARE(cover.textAt(200, -1400),
             QStringLiteral("COMPANY LOCATION (if different from the home or head office)"));
    QCOMPARE(cover
                 .findText(QStringLiteral("LEGAL REPRESENTATIVE (only if the holder is a legal "
                                          "person)"))
                 ->font.weight,
             PageFont::Bold);
}

void TestRegisterReport::rowCuts_data()
{
    QTest::addColumn<QString>("adversity");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("printedAdversity");
    QTest::addColumn<QString>("printedProduct");
    const QString p34(34, QLatin1Char('p'));
    QTest::newRow("whole") << QString(19, 'a') << QStringLiteral("Rame") << QString(19, 'a')
                           << QStringLiteral("Rame");
    QTest::newRow("cut") << QString(20, 'a') << QString(35, 'P') << QString(17, 'a') + "..."
                         << QString(32, 'P') + "...";
    QTest::newRow("34 characters") << QStringLiteral("x") << p34 << QStringLiteral("x") << p34;
}

void TestRegisterReport::rowCuts()
{
    QFETCH(QString, adversity);
    QFETCH(QString, product);
    QFETCH(QString, printedAdversity);
    QFETCH(QString, printedProduct);
    FarmFixture(*m_db).addCentre(1, QStringLiteral("Vigneto"), false, true, 1);
    addRow(1, QStringLiteral("2015-05-02"), product, 5, adversity);
    const RecordingSurface page = print().at(1);
    QCOMPARE(page.textAt(710, -630), printedProduct);
    QCOMPARE(page.textAt(360, -630), printedAdversity);
}

void TestRegisterReport::perHectare_data()
{
    QTest::addColumn<double>("quantity");
    QTest::addColumn<double>("surface");
    QTest::addColumn<QString>("printed");
    QTest::newRow("5 on 2.5") << 5.0 << 2.5 << "2.00";
    QTest::newRow("no surface") << 5.0 << 0.0 << "-";
    QTest::newRow("negative surface") << 5.0 << -1.0 << "-";
    QTest::newRow("sign ignored") << -3.0 << 1.5 << "2.00";
}

void TestRegisterReport::perHectare()
{
    QFETCH(double, quantity);
    QFETCH(double, surface);
    QFETCH(QString, printed);
    QCOMPARE(RegisterReport::perHectare(qAbs(quantity), surface), printed);

    FarmFixture(*m_db).addCentre(1, QStringLiteral("Vigneto"), false, true, surface);
    addRow(1, QStringLiteral("2015-05-02"), QStringLiteral("Zolfo"), quantity);
    const RecordingSurface page = print().at(1);
    QCOMPARE(page.textAt(1260, -630), printed == "-" ? printed : "kg " + printed);
}

void TestRegisterReport::treatmentsOfADeletedCentre()
{
    FarmFixture(*m_db).addCentre(1, QStringLiteral("Vigneto"), false, true, 2);
    addRow(1, QStringLiteral("2015-05-02"), QStringLiteral("Zolfo"), 4);
    addRow(7, QStringLiteral("2015-04-02"), QStringLiteral("Rame"), 4);

    const QList<RecordingSurface> pages = print();
    QCOMPARE(pages.size(), 3);
    QCOMPARE(pages[1].textAt(1260, -630), QStringLiteral("kg 2.00"));
    const RecordingSurface &orphan = pages[2];
    QCOMPARE(orphan.textAt(710, -630), QStringLiteral("Rame"));
    QCOMPARE(orphan.textAt(500, -300), QStringLiteral("Center code 7"));
    QVERIFY(orphan.texts().filter(QStringLiteral("Report for")).isEmpty());
    // Surface 1 for a centre that is not there.
    QCOMPARE(orphan.textAt(1260, -630), QStringLiteral("kg 4.00"));
    QCOMPARE(orphan.textAt(850, -2750), QStringLiteral("Page 2 of 2"));
}

void TestRegisterReport::quantityDoesNotDependOnTheLocale_data()
{
    QTest::addColumn<QLocale::Language>("processedIn");
    QTest::addColumn<QLocale::Language>("printedIn");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("perHectare");
    // Processed where the comma is the decimal mark, printed where it groups thousands, and
    // the other way round: both columns print in the language of the print.
    QTest::newRow("Italian run, English print")
        << QLocale::Italian << QLocale::English << "kg 1,012.50"
        << "kg 2,025.00";
    QTest::newRow("English run, Italian print")
        << QLocale::English << QLocale::Italian << "kg 1.012,50"
        << "kg 2.025,00";
}

void TestRegisterReport::quantityDoesNotDependOnTheLocale()
{
    QFETCH(QLocale::Language, processedIn);
    QFETCH(QLocale::Language, printedIn);
    QFETCH(QString, quantity);
    QFETCH(QString, perHectare);
    FarmFixture farm(*m_db);
    farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 0.5);
    farm.addItem(3, QStringLiteral("Rame"), QStringLiteral("kg"), true);
    farm.addWork(farm.addCard(QDateTime(QDate(2015, 5, 2), QTime(8, 0))), {1, 1, 0, 0, 1, 1},
                 {3, 3, 0, 1012.5, {}, QStringLiteral("kg")});

    QLocale::setDefault(QLocale(processedIn));
    DataProcessing(*m_db, context().period).PrepareFieldNotebook();
    QLocale::setDefault(QLocale(printedIn));
    const RecordingSurface page = print().at(1);
    QCOMPARE(figureAt(page, 1410, -630), quantity);
    QCOMPARE(figureAt(page, 1260, -630), perHectare);
}

void TestRegisterReport::largeFiguresPrintWhole_data()
{
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<bool>("smaller");

    QTest::newRow("999.99 fits") << QLocale::English << "kg" << 999.99 << "kg 999.99" << false;
    QTest::newRow("1,250") << QLocale::English << "kg" << 1250.0 << "kg 1,250.00" << true;
    QTest::newRow("1.250") << QLocale::Italian << "kg" << 1250.0 << "kg 1.250,00" << true;
    QTest::newRow("12,345.68") << QLocale::English << "kg" << 12345.68 << "kg 12,345.68" << true;
    QTest::newRow("12.345,68") << QLocale::Italian << "kg" << 12345.68 << "kg 12.345,68" << true;
    QTest::newRow("Kg/q 45") << QLocale::English << "Kg/q" << 45.0 << "Kg/q 45.00" << true;
    QTest::newRow("Kg/q 999.999,99")
        << QLocale::Italian << "Kg/q" << 999999.99 << "Kg/q 999.999,99" << true;
}

void TestRegisterReport::largeFiguresPrintWhole()
{
    QFETCH(QLocale::Language, language);
    QFETCH(QString, unit);
    QFETCH(double, quantity);
    QFETCH(QString, printed);
    QFETCH(bool, smaller);
    QLocale::setDefault(QLocale(language));
    // A 5 hectare centre; the row under the figure's must stay where it is.
    FarmFixture(*m_db).addCentre(1, QStringLiteral("Vigneto"), false, true, 5);
    addRow(1, QStringLiteral("2015-05-02"), QStringLiteral("Zolfo"), quantity,
           QStringLiteral("Oidio"), unit);
    addRow(1, QStringLiteral("2015-05-03"), QStringLiteral("Rame"), 1, QStringLiteral("Oidio"));

    const RecordingSurface page = print().at(1);
    QCOMPARE(figureAt(page, 1410, -630), printed);
    QCOMPARE(figureAt(page, 1260, -630),
             unit + QLatin1Char(' ') + RegisterReport::perHectare(quantity, 5));
    QCOMPARE(page.textAt(1410, -730), QStringLiteral("kg ") + FormatNumber(1, false));
    for (const RecordingSurface::Call &call : page.calls()) {
        if (call.kind != RecordingSurface::Call::Kind::Text || call.y > -630 || call.y < -700 ||
            (call.x != 1410 && call.x != 1260))
            continue;
        QCOMPARE(call.font.face, QStringLiteral("Times New Roman"));
        QVERIFY(call.font.pointSize >= ReportText::SmallestFigureSize);
        QVERIFY(call.font.pointSize <= 9);
        if (call.x == 1410)
            QCOMPARE(call.font.pointSize < 9, smaller);
        // Each line ends before the next column's rule.
        QVERIFY2(call.x2 <= (call.x == 1410 ? 1550 : 1400), qPrintable(call.text));
    }
    QVERIFY(page.texts().filter(QStringLiteral("...")).isEmpty());
}

void TestRegisterReport::yearsOfThePeriod_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QString>("heading");
    QTest::newRow("one year") << QDate(2015, 1, 1) << QDate(2015, 12, 31) << "ANNO  2015";
    QTest::newRow("part of a year") << QDate(2016, 3, 1) << QDate(2016, 9, 30) << "ANNO  2016";
    QTest::newRow("two years") << QDate(2014, 7, 1) << QDate(2015, 6, 30)
                               << QStringLiteral("ANNO  2014\u20132015");
    QTest::newRow("three years") << QDate(2013, 1, 1) << QDate(2015, 12, 31)
                                 << QStringLiteral("ANNO  2013\u20132015");
}

void TestRegisterReport::yearsOfThePeriod()
{
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QString, heading);
    m_period = {start, end};
    FarmFixture(*m_db).addCentre(1, QStringLiteral("Vigneto"), false, true, 2);
    addRow(1, end.toString(Qt::ISODate), QStringLiteral("Zolfo"), 4);
    addRow(1, start.toString(Qt::ISODate), QStringLiteral("Rame"), 4);
    const RecordingSurface page = print().at(1);
    QCOMPARE(page.textAt(1400, -200), heading);
    QCOMPARE(page.findText(heading)->font.weight, PageFont::Bold);
}

void TestRegisterReport::databaseWithoutTheQuantityColumn()
{
    // A register table without the number column, as databases made before it have: the
    // quantity is read back from its text.
    m_db->execute(QStringLiteral("DROP TABLE [Appoggio Articoli]"));
    m_db->execute(QStringLiteral(
        "CREATE TABLE [Appoggio Articoli] (Data TEXT, Fase TEXT, [Tipo Bolla] INTEGER, "
        "[Codice Articolo] INTEGER, Articolo TEXT, UnMis TEXT, TQ TEXT, NumPag INTEGER, "
        "Ultimo INTEGER DEFAULT 0, Centro TEXT, [Codice Centro] INTEGER, RifDoc TEXT, "
        "Avverso TEXT)"));
    FarmFixture(*m_db).addCentre(1, QStringLiteral("Vigneto"), false, true, 2);
    addRow(1, QStringLiteral("2015-05-02"), QStringLiteral("Zolfo"), 5);
    // Its text is all there is to print.
    m_db->execute(QStringLiteral("UPDATE [Appoggio Articoli] SET TQ = '1,250.00'"));
    const RecordingSurface page = print().at(1);
    QCOMPARE(page.textAt(1260, -630), QStringLiteral("kg 625.00"));
    QCOMPARE(figureAt(page, 1410, -630), QStringLiteral("kg 1,250.00"));

    // The next processing adds the column.
    DataProcessing(*m_db, context().period).PrepareFieldNotebook();
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM pragma_table_info('Appoggio "
                                         "Articoli') WHERE name = 'Quantita'"))
                 .toInt(),
             1);
}

void TestRegisterReport::noRowsIsRefused()
{
    FarmFixture(*m_db).addCentre(1, QStringLiteral("Vigneto"), false, true, 2);
    RegisterReport report(context());
    FakeProgress progress;
    QCOMPARE(report.countPages(progress), 0);
    QCOMPARE(report.noDataMessage(), QStringLiteral("There are no data to print!"));
}

void TestRegisterReport::checkTableAgainstPages()
{
    RegisterReport report(context());
    FakeProgress progress;
    const int pages = report.countPages(progress);
    QCOMPARE(report.tableColumns().size(), 8);
    QVERIFY(report.tableRows(1, pages).isEmpty());
    int rows = 0;
    for (int number = 2; number <= pages; ++number) {
        RecordingSurface page;
        report.printPage(page, number, pages);
        for (const QString heading : {"Date", "Adversity", "Product", "Qt/Ha", "Qt"})
            QVERIFY(report.tableColumns().contains(heading));
        int y = -630;
        for (const QVariantList &row : report.tableRows(number, pages)) {
            QCOMPARE(page.textAt(140, y), row[2].toDate().toString(QStringLiteral("MM/dd/yyyy")));
            QCOMPARE(page.textAt(360, y), row[3].toString());
            QCOMPARE(page.textAt(710, y), row[4].toString());
            QCOMPARE(page.textAt(1260, y),
                     row[6].isValid()
                         ? row[5].toString() + " " + FormatNumber(row[6].toDouble(), false)
                         : QStringLiteral("-"));
            QCOMPARE(page.textAt(1410, y),
                     row[5].toString() + " " + FormatNumber(row[7].toDouble(), false));
            const QString heading = row[1].toString().isEmpty()
                                        ? QStringLiteral("Center code %1").arg(row[0].toInt())
                                        : QStringLiteral("Report for %1 (").arg(row[1].toString());
            QVERIFY2(!page.texts().filter(heading).isEmpty(), qPrintable(heading));
            y -= 100;
            ++rows;
        }
    }
    QCOMPARE(rows,
             m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM [Appoggio Articoli]")).toInt());
}

void TestRegisterReport::tableHoldsWhatThePagesPrint()
{
    FarmFixture farm(*m_db);
    farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 2.5);
    farm.addCentre(2, QStringLiteral("Prato"), false, true, 0);
    for (int day = 1; day <= 22; ++day)
        addRow(1, QStringLiteral("2015-05-%1").arg(day, 2, 10, QLatin1Char('0')),
               QStringLiteral("Zolfo"), day, QStringLiteral("Oidio"));
    addRow(2, QStringLiteral("2015-06-01"), QStringLiteral("Rame"), 3,
           QStringLiteral("Peronospora"));
    // Treatments of a centre deleted since.
    addRow(9, QStringLiteral("2015-06-02"), QStringLiteral("Rame"), 4, QString());
    checkTableAgainstPages();

    RegisterReport report(context());
    FakeProgress progress;
    const QList<QVariantList> first = report.tableRows(2, report.countPages(progress));
    QCOMPARE(first.first(),
             (QVariantList{1, QStringLiteral("Vigneto"), QDate(2015, 5, 1), QStringLiteral("Oidio"),
                           QStringLiteral("Zolfo"), QStringLiteral("kg"), 0.4, 1.0}));
}

void TestRegisterReport::datesFollowTheTranslatedPattern()
{
    // A language that writes the day first gives its own pattern.
    class DayFirst : public QTranslator
    {
    public:
        QString translate(const char *context, const char *source, const char *, int) const override
        {
            return QByteArray(context) == "DateText" && QByteArray(source) == "MM/dd/yyyy"
                       ? QStringLiteral("dd/MM/yyyy")
                       : QString();
        }
        bool isEmpty() const override { return false; }
    } dayFirst;
    FarmFixture(*m_db).addCentre(1, QStringLiteral("Vigneto"), false, true, 2.5);
    addRow(1, QStringLiteral("2015-02-05"), QStringLiteral("Zolfo"), 5);
    QCOMPARE(print().at(1).textAt(140, -630), QStringLiteral("02/05/2015"));
    QCoreApplication::installTranslator(&dayFirst);
    const QString translated = print().at(1).textAt(140, -630);
    QCoreApplication::removeTranslator(&dayFirst);
    QCOMPARE(translated, QStringLiteral("05/02/2015"));
}

QTEST_MAIN(TestRegisterReport)
#include "TestRegisterReport.moc"
