// Shows the registries' statistics lists on a farm holding ten years, for a working period of
// the last year and one of all ten: for every kind of node, the time until the list holds its
// first screenful; for the "Cost centers" list (all the activity on fields) also the process's
// resident size after showing it and the time to read every row, as the print does. Showing a
// list should cost about the same whatever the period holds.
//
// Usage: bench_registries [works per card] [runs per step]

#include "BenchFarm.h"
#include "BenchFiles.h"
#include "db/Database.h"
#include "db/SchemaUpgrade.h"
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

using Fill = std::function<void(StatisticsLists &)>;

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

// Milliseconds until a fresh model shows the list, as selecting the node does.
double showMs(Database &db, const WorkingPeriod &period, int runs, const Fill &fill)
{
    return medianMs(runs, [&] {
        StatisticsModel model;
        StatisticsLists lists(&db, model, period);
        fill(lists);
    });
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
    BenchFiles::copyTemplate(path);
    Database db;
    db.open(path);
    BenchFarm::seedYears(db, LastYear - Years + 1, Years, worksPerCard);
    // As the program opens a farm: the hour totals add up sums kept per year.
    SchemaUpgrade::keepYearSums(db);

    const WorkingPeriod periods[2] = {{QDate(LastYear, 1, 1), QDate(LastYear, 12, 31)},
                                      {QDate(LastYear - Years + 1, 1, 1), QDate(LastYear, 12, 31)}};
    using Choice = StatisticsLists::Choice;
    const Fill costCentres = [](StatisticsLists &l) { l.fillFieldActivity(); };
    const std::pair<QString, Fill> nodes[] = {
        {QStringLiteral("Cost centers"), costCentres},
        {QStringLiteral("crop centres (totals)"),
         [](StatisticsLists &l) { l.fillCentreTotals(1); }},
        {QStringLiteral("crop centre 1, works"),
         [](StatisticsLists &l) { l.fillCentreActivity(1, 1, Choice::WorkersAndHours); }},
        {QStringLiteral("crop centre 1, movements"),
         [](StatisticsLists &l) { l.fillCentreActivity(1, 1, Choice::StockAndArticles); }},
        {QStringLiteral("field 1001, works"),
         [](StatisticsLists &l) { l.fillCentreActivity(2, 1001, Choice::WorkersAndHours); }},
        {QStringLiteral("machine, works"),
         [](StatisticsLists &l) {
             l.fillCentreActivity(3, BenchFarm::machineCode(0), Choice::WorkersAndHours);
         }},
        {QStringLiteral("workers (totals)"), [](StatisticsLists &l) { l.fillWorkerTotals(); }},
        {QStringLiteral("worker 1, works"), [](StatisticsLists &l) { l.fillWorkerWorks(1); }},
        {QStringLiteral("operations (totals)"),
         [](StatisticsLists &l) { l.fillOperationTotals(); }},
        {QStringLiteral("operation 1, works"), [](StatisticsLists &l) { l.fillOperationWorks(1); }},
        {QStringLiteral("item 1, movements"), [](StatisticsLists &l) { l.fillItemMovements(1); }},
        {QStringLiteral("inventory"), [](StatisticsLists &l) { l.fillInventory(); }},
    };

    out << QStringLiteral("%1 works a card, median of %2 runs\n").arg(worksPerCard).arg(runs);
    out << QStringLiteral("%1 %2 %3 %4\n")
               .arg(QStringLiteral("list / figure"), -36)
               .arg(QStringLiteral("1 year"), 12)
               .arg(QStringLiteral("10 years"), 12)
               .arg(QStringLiteral("ratio"), 8);
    const auto line = [&](const QString &label, double one, double ten) {
        out << QStringLiteral("%1 %2 %3 %4\n")
                   .arg(label, -36)
                   .arg(one, 12, 'f', 2)
                   .arg(ten, 12, 'f', 2)
                   .arg(one > 0 ? ten / one : 0.0, 8, 'f', 2);
    };

    // The memory first, before any list has been read whole.
    double resident[2] = {};
    int shownRows[2] = {};
    std::unique_ptr<StatisticsModel> shown[2];
    for (int p = 0; p < 2; ++p) {
        shown[p] = std::make_unique<StatisticsModel>();
        StatisticsLists lists(&db, *shown[p], periods[p]);
        costCentres(lists);
        shownRows[p] = shown[p]->rowCount();
        resident[p] = residentMb();
    }
    line(QStringLiteral("Cost centers: resident MB"), resident[0], resident[1]);
    line(QStringLiteral("Cost centers: rows shown"), shownRows[0], shownRows[1]);
    shown[0].reset();
    shown[1].reset();

    // The first showing of a totals list sums every year of the period and keeps the sums;
    // later showings add up the kept sums.
    for (const auto &[name, fill] : nodes) {
        if (!name.contains(QStringLiteral("(totals)")))
            continue;
        double first[2] = {};
        for (int p = 0; p < 2; ++p) {
            db.execute(QStringLiteral("DELETE FROM [%1]").arg(SchemaUpgrade::SummedYearsTable));
            first[p] = showMs(db, periods[p], 1, fill);
        }
        line(name + QStringLiteral(": first show ms"), first[0], first[1]);
    }

    for (const auto &[name, fill] : nodes)
        line(name + QStringLiteral(": show ms"), showMs(db, periods[0], runs, fill),
             showMs(db, periods[1], runs, fill));

    double allMs[2] = {};
    int allRows[2] = {};
    for (int p = 0; p < 2; ++p) {
        allMs[p] = medianMs(runs, [&] {
            StatisticsModel model;
            StatisticsLists lists(&db, model, periods[p]);
            costCentres(lists);
            allRows[p] = int(model.allRows().size());
        });
    }
    line(QStringLiteral("Cost centers: all rows ms"), allMs[0], allMs[1]);
    line(QStringLiteral("Cost centers: all rows"), allRows[0], allRows[1]);
    return 0;
}
