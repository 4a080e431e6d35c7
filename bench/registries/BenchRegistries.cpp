// Shows the "Cost centers" list (all activity on fields) and a crop centre's works on a farm
// holding ten years, for a working period of the last year and one of all ten: the time until
// the first screenful is there, the time to read every row (as the print does), and the
// process's resident size after showing the list. Showing a list should cost about the same
// whatever the period holds.
//
// Usage: bench_registries [works per card] [runs per step]

#include "BenchFarm.h"
#include "db/Database.h"
#include "registries/StatisticsLists.h"
#include "registries/StatisticsModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

constexpr int LastYear = 2024;
constexpr int Years = 10;

double residentMb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0.0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// The median of runs timings of step, in milliseconds.
double medianMs(int runs, const std::function<void()> &step)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        step();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

struct Figures
{
    double showMs = 0.0;
    double allRowsMs = 0.0;
    int shownRows = 0;
    int allRows = 0;
    double residentMb = 0.0;
};

Figures measure(Database &db, const WorkingPeriod &period, int runs,
                const std::function<void(StatisticsLists &)> &fill)
{
    Figures figures;
    StatisticsModel model;
    StatisticsLists lists(&db, model, period);
    figures.showMs = medianMs(runs, [&] { fill(lists); });
    figures.shownRows = model.rowCount();
    figures.residentMb = residentMb();
    figures.allRowsMs = medianMs(runs, [&] {
        fill(lists);
        figures.allRows = int(model.allRows().size());
    });
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    const int worksPerCard = args.size() > 1 ? std::max(1, args.at(1).toInt()) : 30;
    const int runs = args.size() > 2 ? std::max(1, args.at(2).toInt()) : 5;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("farm.mdb"));
    if (!QFile::copy(QStringLiteral(VERDIMO_TEMPLATE), path))
        qFatal("cannot copy the template %s", VERDIMO_TEMPLATE);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    Database db;
    db.open(path);
    BenchFarm::seedYears(db, LastYear - Years + 1, Years, worksPerCard);

    const WorkingPeriod oneYear{QDate(LastYear, 1, 1), QDate(LastYear, 12, 31)};
    const WorkingPeriod tenYears{QDate(LastYear - Years + 1, 1, 1), QDate(LastYear, 12, 31)};
    const std::pair<QString, std::function<void(StatisticsLists &)>> listsShown[] = {
        {QStringLiteral("Cost centers"), [](StatisticsLists &l) { l.fillFieldActivity(); }},
        {QStringLiteral("Crop centre 1 works"),
         [](StatisticsLists &l) {
             l.fillCentreActivity(1, 1, StatisticsLists::Choice::WorkersAndHours);
         }},
    };

    out << QStringLiteral("%1 works a card, median of %2 runs\n").arg(worksPerCard).arg(runs);
    out << QStringLiteral("%1 %2 %3 %4\n")
               .arg(QStringLiteral("list / figure"), -28)
               .arg(QStringLiteral("1 year"), 12)
               .arg(QStringLiteral("10 years"), 12)
               .arg(QStringLiteral("ratio"), 8);
    const auto line = [&](const QString &label, double one, double ten) {
        out << QStringLiteral("%1 %2 %3 %4\n")
                   .arg(label, -28)
                   .arg(one, 12, 'f', 2)
                   .arg(ten, 12, 'f', 2)
                   .arg(one > 0 ? ten / one : 0.0, 8, 'f', 2);
    };
    for (const auto &[name, fill] : listsShown) {
        const Figures one = measure(db, oneYear, runs, fill);
        const Figures ten = measure(db, tenYears, runs, fill);
        line(name + QStringLiteral(": show ms"), one.showMs, ten.showMs);
        line(name + QStringLiteral(": rows shown"), one.shownRows, ten.shownRows);
        line(name + QStringLiteral(": resident MB"), one.residentMb, ten.residentMb);
        line(name + QStringLiteral(": all rows ms"), one.allRowsMs, ten.allRowsMs);
        line(name + QStringLiteral(": all rows"), one.allRows, ten.allRows);
    }
    return 0;
}
