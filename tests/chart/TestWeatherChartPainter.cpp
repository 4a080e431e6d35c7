#include "ChartRecorder.h"
#include "chart/WeatherChartPainter.h"

#include <QPainter>
#include <QTest>

// An area of 1000 x 600 gives the plot 100..900 across and 50..550 down, the zero line at
// 450, 6 units per degree and a label every 30 units.
namespace {

const QSize Area(1000, 600);
constexpr int Left = 100;
constexpr int Right = 900;
constexpr int Top = 50;
constexpr int Bottom = 550;
constexpr int Zero = 450;

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Green(0, 255, 0);

WorkingPeriod period(QDate start, QDate end)
{
    return {start, end};
}

const WorkingPeriod Year2015 = period(QDate(2015, 1, 1), QDate(2015, 12, 31));

ChartCard card(int day, std::optional<float> max, std::optional<float> min,
               std::optional<float> rain)
{
    return {day, max, min, rain};
}

void draw(ChartRecorder &recorder, const ChartData &data, const QString &company = {})
{
    QPainter painter(&recorder);
    WeatherChartPainter(data, company).paint(painter, QRect(QPoint(0, 0), Area));
}

// The scale labels as "text@y" (their top), top to bottom.
QStringList scaleLabels(const ChartRecorder &recorder)
{
    QList<std::pair<int, QString>> labels;
    for (const ChartRecorder::Text &text : recorder.texts)
        if (text.topLeft.x() == Left - 20)
            labels.append({text.topLeft.y(), text.text});
    std::sort(labels.begin(), labels.end());
    QStringList result;
    for (const auto &[y, text] : labels)
        result << QStringLiteral("%1@%2").arg(text).arg(y);
    return result;
}

// The month texts as "name year@x", in drawing order.
QStringList monthTexts(const ChartRecorder &recorder)
{
    QStringList result;
    for (const ChartRecorder::Text &text : recorder.texts) {
        if (text.topLeft.y() != Bottom + 10)
            continue;
        const ChartRecorder::Text *year = nullptr;
        for (const ChartRecorder::Text &other : recorder.texts)
            if (other.topLeft == QPoint(text.topLeft.x(), Bottom + 20))
                year = &other;
        result << QStringLiteral("%1 %2@%3")
                      .arg(text.text, year ? year->text : QStringLiteral("-"))
                      .arg(text.topLeft.x());
    }
    return result;
}

QStringList points(const QPolygon &polygon)
{
    QStringList result;
    for (const QPoint &point : polygon)
        result << QStringLiteral("%1,%2").arg(point.x()).arg(point.y());
    return result;
}

} // namespace

class TestWeatherChartPainter : public QObject
{
    Q_OBJECT

private slots:
    void plotGeometry_data();
    void plotGeometry();
    void titleAndAxes();
    void scaleLabelsStandAtTheirValues();
    void tinyAreaDrawsNoScale();
    void months_data();
    void months();
    void onlyTitleAndAxesWithoutAPeriod_data();
    void onlyTitleAndAxesWithoutAPeriod();
    void seriesPlacedByDateAndJoinedOverNulls();
    void seriesClippedToThePlotAndRainClamped();
    void legendsWithoutCards();
    void fittedDrawingKeepsProportions();
};

void TestWeatherChartPainter::plotGeometry_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QList<int>>("expected"); // left, top, right, bottom, zero, unit

    QTest::newRow("1000x600") << QRect(0, 0, 1000, 600) << QList<int>{100, 50, 900, 550, 450, 6};
    // Integer steps: 903 / 5 = 180, so the zero line is 720 below the top; 903 / 80 = 11.
    QTest::newRow("offset 1600x1003")
        << QRect(10, 20, 1600, 1003) << QList<int>{110, 70, 1510, 973, 790, 11};
    QTest::newRow("below one unit")
        << QRect(0, 0, 400, 170) << QList<int>{100, 50, 300, 120, 106, 0};
}

void TestWeatherChartPainter::plotGeometry()
{
    QFETCH(QRect, area);
    QFETCH(QList<int>, expected);
    const WeatherChartPainter::Plot plot = WeatherChartPainter::plotOf(area);
    QCOMPARE((QList<int>{plot.left, plot.top, plot.right, plot.bottom, plot.zero, plot.unit}),
             expected);
}

void TestWeatherChartPainter::titleAndAxes()
{
    ChartRecorder recorder(Area);
    draw(recorder, {Year2015, {}}, QStringLiteral("Podere Rossi"));

    const ChartRecorder::Text *title =
        recorder.findText(QStringLiteral("Podere Rossi - Weather Chart"));
    QVERIFY(title);
    QCOMPARE(title->topLeft, QPoint(Left, Top - 30));
    QCOMPARE(title->pointSize, 14.0);
    QCOMPARE(recorder.findText(QStringLiteral("Jan."))->pointSize, 7.0);

    QCOMPARE(recorder.lines.at(0).line, QLine(Left, Bottom, Left, Top));
    QCOMPARE(recorder.lines.at(1).line, QLine(Left, Zero, Right, Zero));
    QCOMPARE(recorder.polygons.size(), size_t(2));
    QCOMPARE(recorder.polygons.at(0).points,
             QPolygon({QPoint(Left - 5, Top), QPoint(Left + 5, Top), QPoint(Left, Top - 5)}));
    QCOMPARE(recorder.polygons.at(1).points,
             QPolygon({QPoint(Right, Zero - 5), QPoint(Right, Zero + 5), QPoint(Right + 5, Zero)}));
    for (const ChartRecorder::Shape &arrow : recorder.polygons) {
        QVERIFY(arrow.filled);
        QCOMPARE(arrow.colour, QColor(Qt::black));
    }
}

void TestWeatherChartPainter::scaleLabelsStandAtTheirValues()
{
    ChartRecorder recorder(Area);
    draw(recorder, {Year2015, {}});
    // 6 units a degree: a label every 30, each 5 above the height of its value.
    QStringList expected;
    for (int value = 65; value >= -15; value -= 5)
        expected << QStringLiteral("%1@%2").arg(value).arg(Zero - value * 6 - 5);
    QCOMPARE(scaleLabels(recorder), expected);
}

void TestWeatherChartPainter::tinyAreaDrawsNoScale()
{
    // Less than a unit per degree: the labels would have no room (and no step to advance by).
    ChartRecorder recorder(QSize(400, 170));
    QPainter painter(&recorder);
    WeatherChartPainter({Year2015, {card(0, 10, 5, 1), card(10, 12, 6, 0)}}, {})
        .paint(painter, QRect(0, 0, 400, 170));
    painter.end();
    QVERIFY(!recorder.findText(QStringLiteral("0")));
    QCOMPARE(recorder.polylinesIn(Red).size(), size_t(1));
}

void TestWeatherChartPainter::months_data()
{
    QTest::addColumn<WorkingPeriod>("period");
    QTest::addColumn<QStringList>("expected");

    // 364 days make 12 months of 800 / 12 units.
    QTest::newRow("calendar year")
        << Year2015
        << QStringList{"Jan. 2015@100", "Feb. 2015@166", "Mar. 2015@233", "Apr. 2015@300",
                       "May. 2015@366", "Jun. 2015@433", "Jul. 2015@500", "Aug. 2015@566",
                       "Sep. 2015@633", "Oct. 2015@700", "Nov. 2015@766", "Dec. 2015@833"};
    QTest::newRow("farming year") << period(QDate(2014, 10, 1), QDate(2015, 9, 30))
                                  << QStringList{"Oct. 2014@100", "Nov. 2014@166", "Dec. 2014@233",
                                                 "Jan. 2015@300", "Feb. 2015@366", "Mar. 2015@433",
                                                 "Apr. 2015@500", "May. 2015@566", "Jun. 2015@633",
                                                 "Jul. 2015@700", "Aug. 2015@766", "Sep. 2015@833"};
    QTest::newRow("30 days") << period(QDate(2015, 6, 1), QDate(2015, 7, 1))
                             << QStringList{"Jun. 2015@100"};
    QTest::newRow("29 days") << period(QDate(2015, 6, 1), QDate(2015, 6, 30)) << QStringList{};
}

void TestWeatherChartPainter::months()
{
    QFETCH(WorkingPeriod, period);
    QFETCH(QStringList, expected);
    ChartRecorder recorder(Area);
    draw(recorder, {period, {}});
    QCOMPARE(monthTexts(recorder), expected);

    // Under each month a bar of its season's colour along the bottom of the plot.
    std::vector<ChartRecorder::Line> bars;
    for (const ChartRecorder::Line &line : recorder.lines)
        if (line.line.y1() == Bottom && line.line.y2() == Bottom)
            bars.push_back(line);
    QCOMPARE(int(bars.size()), int(expected.size()));
    int month = period.start.month();
    for (size_t i = 0; i < bars.size(); ++i, month = month % 12 + 1) {
        QCOMPARE(bars[i].colour, WeatherChartPainter::seasonColour(month));
        QCOMPARE(bars[i].line.x1(), expected[int(i)].section(QLatin1Char('@'), 1).toInt());
        QCOMPARE(bars[i].line.x2(), i + 1 < bars.size()
                                        ? expected[int(i + 1)].section(QLatin1Char('@'), 1).toInt()
                                        : Left + int(expected.size() * (800.0f / expected.size())));
    }
    if (!expected.isEmpty()) {
        QCOMPARE(WeatherChartPainter::seasonColour(2), QColor(0, 71, 140));
        QCOMPARE(WeatherChartPainter::seasonColour(5), QColor(255, 128, 0));
        QCOMPARE(WeatherChartPainter::seasonColour(8), QColor(255, 190, 130));
        QCOMPARE(WeatherChartPainter::seasonColour(11), QColor(150, 78, 0));
    }
}

void TestWeatherChartPainter::onlyTitleAndAxesWithoutAPeriod_data()
{
    QTest::addColumn<WorkingPeriod>("period");
    QTest::newRow("one day") << period(QDate(2015, 3, 1), QDate(2015, 3, 1));
    QTest::newRow("backwards") << period(QDate(2015, 3, 1), QDate(2015, 2, 1));
    QTest::newRow("no first day") << period(QDate(), QDate(2015, 12, 31));
    QTest::newRow("no last day") << period(QDate(2015, 1, 1), QDate());
}

void TestWeatherChartPainter::onlyTitleAndAxesWithoutAPeriod()
{
    QFETCH(WorkingPeriod, period);
    ChartRecorder recorder(Area);
    draw(recorder, {period, {card(0, 20, 10, 5), card(1, 21, 11, 6)}}, QStringLiteral("Farm"));
    QCOMPARE(recorder.textsIn(Qt::black), QStringList{"Farm - Weather Chart"});
    QCOMPARE(recorder.texts.size(), size_t(1));
    QCOMPARE(recorder.lines.size(), size_t(2));
    QCOMPARE(recorder.polygons.size(), size_t(2));
    QVERIFY(recorder.polylines.empty());
}

void TestWeatherChartPainter::seriesPlacedByDateAndJoinedOverNulls()
{
    ChartRecorder recorder(Area);
    // 2 January has no card: the card of 3 January stands at its own day, not at the second.
    // 800 / 364 units a day puts day 1 at 102, day 2 at 104 and day 3 at 106.
    draw(recorder, {Year2015,
                    {card(0, 20, std::nullopt, 0), card(1, 22, 6, std::nullopt),
                     card(3, std::nullopt, 4, 10), card(4, 25, std::nullopt, 2)}});

    QCOMPARE(recorder.polylines.size(), size_t(3));
    QCOMPARE(points(recorder.polylinesIn(Red).at(0).points),
             QStringList({"100,330", "102,318", "108,300"}));
    QCOMPARE(points(recorder.polylinesIn(Blue).at(0).points), QStringList({"102,414", "106,426"}));
    QCOMPARE(points(recorder.polylinesIn(Green).at(0).points),
             QStringList({"100,450", "106,390", "108,438"}));
}

void TestWeatherChartPainter::seriesClippedToThePlotAndRainClamped()
{
    ChartRecorder recorder(Area);
    // 70 degrees lies 420 above the zero line, beyond the plot top; -30 below its bottom.
    // A mistyped 1e20 stays a point far above the plot.
    draw(recorder,
         {Year2015, {card(0, 70, -30, 100), card(182, 1e20f, {}, {}), card(364, 10, 0, 200)}});

    const QRect plot(QPoint(Left, Top), QPoint(Right, Bottom));
    for (const ChartRecorder::Shape &line : recorder.polylines)
        QCOMPARE(line.clip, plot);
    QCOMPARE(points(recorder.polylinesIn(Red).at(0).points),
             QStringList({"100,30", "500,-999550", "900,390"}));
    QCOMPARE(points(recorder.polylinesIn(Blue).at(0).points), QStringList({"100,630", "900,450"}));
    QCOMPARE(points(recorder.polylinesIn(Green).at(0).points), QStringList({"100,50", "900,50"}));
}

void TestWeatherChartPainter::legendsWithoutCards()
{
    ChartRecorder recorder(Area);
    draw(recorder, {Year2015, {}});
    QVERIFY(recorder.polylines.empty());
    const struct
    {
        QColor colour;
        QString text;
        int offset;
    } legends[] = {
        {Red, "Maximum Temperature", 0}, {Blue, "Minimum Temperature", 10}, {Green, "Rain", 20}};
    for (const auto &legend : legends) {
        QCOMPARE(recorder.textsIn(legend.colour), QStringList{legend.text});
        QCOMPARE(recorder.findText(legend.text)->topLeft, QPoint(Right - 30, Top + legend.offset));
        const auto line = std::find_if(recorder.lines.begin(), recorder.lines.end(),
                                       [&](const auto &l) { return l.colour == legend.colour; });
        QVERIFY(line != recorder.lines.end());
        QCOMPARE(line->line,
                 QLine(Right - 50, Top + legend.offset + 5, Right - 30, Top + legend.offset + 5));
    }
}

void TestWeatherChartPainter::fittedDrawingKeepsProportions()
{
    // A 1000 x 600 drawing on a taller image: scaled by 2 from the top-left corner, so 10 mm
    // of rain (60 units above the zero line, at 390) lands at 780 and nothing below 1200.
    QImage image(2000, 1500, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    const ChartData data{Year2015, {card(0, {}, {}, 10), card(364, {}, {}, 10)}};
    QPainter painter(&image);
    WeatherChartPainter(data, {}).paintFitted(painter, Area, image.rect());
    painter.end();

    QList<int> greenRows;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(1000, y) == QColor(Green))
            greenRows << y;
    QVERIFY(!greenRows.isEmpty());
    QVERIFY2(greenRows.first() >= 778 && greenRows.last() <= 782,
             qPrintable(QStringLiteral("rain drawn at rows %1..%2")
                            .arg(greenRows.first())
                            .arg(greenRows.last())));
    for (int y = 1210; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 5)
            QCOMPARE(image.pixelColor(x, y), QColor(Qt::white));
}

QTEST_MAIN(TestWeatherChartPainter)
#include "TestWeatherChartPainter.moc"
