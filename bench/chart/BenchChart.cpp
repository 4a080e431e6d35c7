// Times one full drawing of the weather chart, reading the cards included, on a 1600 x 1000
// image: a year and ten years of daily cards.
//
// Usage: bench_chart [repetitions]

#include "BenchFiles.h"
#include "chart/ChartData.h"
#include "chart/WeatherChartPainter.h"
#include "db/Database.h"
#include "db/DbDate.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cmath>

namespace {

constexpr int Years = 10;
const QDate FirstDay(2015, 1, 1);

void seed(Database &db)
{
    QRandomGenerator random(2015);
    Transaction transaction(db);
    for (QDate day = FirstDay; day < FirstDay.addYears(Years); day = day.addDays(1)) {
        const double season = 12 * std::sin((day.dayOfYear() - 110) * 2 * M_PI / 365);
        const QVariant rain = random.bounded(4) == 0 ? QVariant(random.bounded(40.0)) : 0.0;
        db.execute(QStringLiteral("INSERT INTO Scheda (Data, TempMax, TempMin, Pioggia) "
                                  "VALUES (?, ?, ?, ?)"),
                   {DbDate::toText(QDateTime(day, QTime(8, 0))), 20 + season + random.bounded(4.0),
                    8 + season + random.bounded(4.0), rain});
    }
    transaction.commit();
}

struct Times
{
    double read = 0;
    double paint = 0;
    double total() const { return read + paint; }
};

// One drawing as the view does it: read the period's cards, then paint them.
Times drawOnce(Database &db, const WorkingPeriod &period, QImage &image)
{
    Times times;
    QElapsedTimer timer;
    timer.start();
    const ChartData data = ChartData::read(db, period);
    times.read = timer.nsecsElapsed() / 1e6;
    timer.restart();
    image.fill(Qt::white);
    QPainter painter(&image);
    WeatherChartPainter(data, QStringLiteral("Podere Rossi")).paint(painter, image.rect());
    painter.end();
    times.paint = timer.nsecsElapsed() / 1e6;
    return times;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    const int repetitions = argc > 1 ? qMax(1, atoi(argv[1])) : 20;

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Tellan.mdb"));
    BenchFiles::copyTemplate(path);
    Database db;
    db.open(path);
    seed(db);

    QImage image(1600, 1000, QImage::Format_RGB32);
    const struct
    {
        const char *name;
        WorkingPeriod period;
    } cases[] = {
        {"one year", {FirstDay, FirstDay.addYears(1).addDays(-1)}},
        {"ten years", {FirstDay, FirstDay.addYears(Years).addDays(-1)}},
    };
    out << "Weather chart on a 1600 x 1000 image, reading the cards included (" << repetitions
        << " runs each)" << Qt::endl;
    for (const auto &each : cases) {
        drawOnce(db, each.period, image); // warm the caches and the font engine
        std::vector<Times> times;
        for (int i = 0; i < repetitions; ++i)
            times.push_back(drawOnce(db, each.period, image));
        std::sort(times.begin(), times.end(),
                  [](const Times &a, const Times &b) { return a.total() < b.total(); });
        const Times &median = times[times.size() / 2];
        out << "  " << each.name << ": median " << median.total() << " ms (reading " << median.read
            << " ms, painting " << median.paint << " ms), best " << times.front().total()
            << " ms, worst " << times.back().total() << " ms" << Qt::endl;
    }
    return 0;
}
