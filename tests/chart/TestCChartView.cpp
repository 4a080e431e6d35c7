#include "FakePrompter.h"
#include "FarmFaults.h"
#include "TestEnvironment.h"
#include "base/SettingsStore.h"
#include "chart/WeatherChartPainter.h"
#include "chart/ui/CChartView.h"
#include "chart/ui/ChartPrinting.h"
#include "db/Database.h"
#include "db/DbDate.h"
#include "db/DbErrorText.h"
#include "db/DbException.h"
#include "db/FarmSession.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace {

class FakeHost : public ViewHost
{
public:
    void setSearchDate(const QDateTime &) override {}
    void setSearchRange(const QDateTime &, const QDateTime &) override {}
    void showHelpPage(int page) override { pages << page; }
    QList<int> pages;
};

QList<int> cardDays(const CChartView &view)
{
    QList<int> days;
    for (const ChartCard &card : view.chartData().cards)
        days << card.day;
    return days;
}

bool hasColour(const QImage &image, const QColor &colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

} // namespace

// The chart view as the main window hosts it: what it reads, draws and prints.
class TestCChartView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void followsThePeriodAndTheDatabase();
    void damagedFarmLeavesAnEmptyChart();
    void readsTheCardsAgainWhenShown();
    void drawsTheSeriesOnScreen();
    void commands();
    void printSetsLandscapeA4AndRestores();
    void printedPageFillsALandscapePage();
    void previewShowsOneLandscapePage();
    void refusedPageIsReported();

private:
    void addCard(Database &db, const QDate &day, double max);

    TestEnvironment m_env;
    QString m_path;
    std::unique_ptr<FarmSession> m_farm;
    FakeHost m_host;
    FakePrompter m_prompter;
};

void TestCChartView::init()
{
    m_env.clearSettings();
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("DittaRagSoc"),
                               QStringLiteral("Podere Rossi"));
    m_path = m_env.copyTemplate();
    m_farm = std::make_unique<FarmSession>();
    m_farm->open(m_path);
    addCard(m_farm->database(), QDate(2014, 11, 2), 15);
    addCard(m_farm->database(), QDate(2015, 1, 1), 8);
    addCard(m_farm->database(), QDate(2015, 7, 20), 34);
}

void TestCChartView::cleanup()
{
    m_farm.reset();
    QVERIFY(m_prompter.verify());
}

void TestCChartView::addCard(Database &db, const QDate &day, double max)
{
    db.execute(
        QStringLiteral("INSERT INTO Scheda (Data, TempMax, TempMin, Pioggia) VALUES (?, ?, ?, ?)"),
        {DbDate::toText(QDateTime(day, QTime(8, 0))), max, max - 10, 4});
}

void TestCChartView::followsThePeriodAndTheDatabase()
{
    CChartView view(nullptr, m_host, *m_farm, &m_prompter);
    QCOMPARE(view.chartData().period.start, QDate(2015, 1, 1));
    QCOMPARE(cardDays(view), QList<int>({0, 200}));

    m_farm->setPeriod({QDate(2014, 10, 1), QDate(2015, 9, 30)});
    QCOMPARE(view.chartData().period.end, QDate(2015, 9, 30));
    QCOMPARE(cardDays(view), QList<int>({32, 92, 292}));

    // Another database (a restore, the settings): read again, for the session's period.
    const QString other = m_env.copyTemplate();
    {
        Database db;
        db.open(other);
        addCard(db, QDate(2015, 3, 1), 12);
    }
    m_farm->setPeriod({QDate(2015, 2, 1), QDate(2015, 12, 31)});
    m_farm->open(other);
    QCOMPARE(view.chartData().period.start, QDate(2015, 2, 1));
    QCOMPARE(cardDays(view), QList<int>({28}));

    // No database: an empty chart of the period.
    m_farm->close();
    QVERIFY(view.chartData().cards.empty());
    QCOMPARE(view.chartData().period.start, QDate(2015, 2, 1));
}

void TestCChartView::damagedFarmLeavesAnEmptyChart()
{
    CChartView view(nullptr, m_host, *m_farm, &m_prompter);
    QCOMPARE(cardDays(view).size(), 2);
    m_farm->close();
    FarmFaults::zeroTablePage(m_path, QStringLiteral("Scheda"));
    // Read on the session's signal: told with the damaged kind, not thrown, and nothing stale is
    // drawn.
    m_prompter.expectContaining(
        Prompter::Icon::Error,
        DbErrorText::describe(DbException(QString(), DbErrorKind::Damaged), m_path).trimmed());
    m_farm->open(m_path);
    QVERIFY(view.chartData().cards.empty());
}

void TestCChartView::readsTheCardsAgainWhenShown()
{
    CChartView view(nullptr, m_host, *m_farm, &m_prompter);
    QCOMPARE(cardDays(view).size(), 2);
    // A card stored in the card view while the chart was hidden.
    addCard(m_farm->database(), QDate(2015, 1, 2), 9);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(cardDays(view), QList<int>({0, 1, 200}));
}

void TestCChartView::drawsTheSeriesOnScreen()
{
    for (int day = 0; day < 365; day += 3)
        addCard(m_farm->database(), QDate(2015, 1, 1).addDays(day), 20 + day % 5);
    CChartView view(nullptr, m_host, *m_farm, &m_prompter);
    view.resize(1000, 700);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QImage shot = view.grab().toImage();
    QVERIFY(hasColour(shot, QColor(255, 0, 0)));
    QVERIFY(hasColour(shot, QColor(0, 0, 255)));
    QVERIFY(hasColour(shot, QColor(0, 255, 0)));
    QCOMPARE(shot.pixelColor(5, 5), QColor(Qt::white));
}

void TestCChartView::commands()
{
    CChartView view(nullptr, m_host, *m_farm, &m_prompter);
    for (ViewCommand command : {ViewCommand::Print, ViewCommand::Preview, ViewCommand::Help})
        QVERIFY(view.isCommandEnabled(command));
    for (ViewCommand command : {ViewCommand::ToggleSearch, ViewCommand::Add, ViewCommand::Save,
                                ViewCommand::Delete, ViewCommand::First, ViewCommand::Copy})
        QVERIFY(!view.isCommandEnabled(command));
    view.runCommand(ViewCommand::Help);
    QCOMPARE(m_host.pages, QList<int>({7}));
    m_host.pages.clear();
}

void TestCChartView::printSetsLandscapeA4AndRestores()
{
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Portrait);
    ChartPrinting printing(printer, nullptr);
    printing.beginJob();
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    printing.endJob();
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::Letter);
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
}

void TestCChartView::printedPageFillsALandscapePage()
{
    const QString pdf = m_env.path(QStringLiteral("printed.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    const ChartData data =
        ChartData::read(m_farm->database(), {QDate(2014, 10, 1), QDate(2015, 9, 30)});
    const WeatherChartPainter chart(data, QStringLiteral("Podere Rossi"));
    ChartPrinting printing(printer, nullptr);
    printing.beginJob();
    // A view much wider than the page: the drawing spans the page's width and, keeping its
    // proportions, leaves the lower part of the page blank.
    printing.paintPage(chart, QSize(1400, 500));
    printing.endJob();

    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdftoppm is not installed");
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {"-png", "-r", "20", pdf, m_env.path(QStringLiteral("printed"))});
    QVERIFY(render.waitForFinished());
    const QImage page(m_env.path(QStringLiteral("printed-1.png")));
    QVERIFY(!QFile::exists(m_env.path(QStringLiteral("printed-2.png"))));
    // A4 landscape at 20 dpi: 234 x 165 (or 166, by rounding).
    QCOMPARE(page.width(), 234);
    QVERIFY(page.height() == 165 || page.height() == 166);
    QPoint lastInk;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixelColor(x, y) != QColor(Qt::white))
                lastInk = QPoint(qMax(lastInk.x(), x), y);
    QVERIFY2(lastInk.x() > 200, qPrintable(QString::number(lastInk.x())));
    QVERIFY2(lastInk.y() < 100, qPrintable(QString::number(lastInk.y())));
}

void TestCChartView::previewShowsOneLandscapePage()
{
    CChartView view(nullptr, m_host, *m_farm, &m_prompter);
    view.resize(900, 600);
    int pages = 0;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QTimer::singleShot(0, &view, [&] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<QPrintPreviewDialog *>(window);
            if (!dialog)
                continue;
            auto *preview = dialog->findChild<QPrintPreviewWidget *>();
            preview->updatePreview();
            pages = preview->pageCount();
            orientation = dialog->printer()->pageLayout().orientation();
            dialog->reject();
        }
    });
    view.runCommand(ViewCommand::Preview);
    QCOMPARE(pages, 1);
    QCOMPARE(orientation, QPageLayout::Landscape);
}

void TestCChartView::refusedPageIsReported()
{
    const QString pdf = m_env.path(QStringLiteral("no/such/folder/chart.pdf"));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    const ChartData data;
    ChartPrinting printing(printer, nullptr);
    QVERIFY(!printing.paintPage(WeatherChartPainter(data, {}), QSize(800, 600)));
    QCOMPARE(printing.errorString(),
             QStringLiteral("The weather chart could not be printed on %1.").arg(pdf));
}

QTEST_MAIN(TestCChartView)
#include "TestCChartView.moc"
