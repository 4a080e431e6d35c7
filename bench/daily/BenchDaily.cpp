// The actions a farmer repeats every day, on generated farms of 1, 10 and 30 years: opening the
// work editor (all its lists, the last year the working period), the item folder's inventory, and
// each totals list over the whole history: its first showing (no year summed yet), its showing
// after one work of the last year changed, and its showing with every year kept. None of them
// should grow with the history: the table prints the processor milliseconds on each farm and the
// ratio of 30 years to 1 year.
//
// Usage: bench_daily [works per card] [runs per step]

#include "BenchFarm.h"
#include "BenchFiles.h"
#include "cards/WorkEntryLookups.h"
#include "db/Database.h"
#include "db/SchemaUpgrade.h"
#include "db/StockYearSums.h"
#include "registries/StatisticsLists.h"
#include "registries/StatisticsModel.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

namespace {

constexpr int LastYear = 2024;
const int Histories[] = {1, 10, 30};

using Fill = std::function<void(StatisticsLists &)>;

double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The median processor time of runs of step; prepare runs before each, untimed.
double medianMs(int runs, const std::function<void()> &step,
                const std::function<void()> &prepare = {})
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        const double start = cpuMs();
        step();
        times.push_back(cpuMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A list shown as selecting its node does, every row read as the print reads them.
void show(Database &db, const WorkingPeriod &period, const Fill &fill)
{
    StatisticsModel model;
    StatisticsLists lists(&db, model, period);
    fill(lists);
    model.allRows();
}

// Everything the work editor reads when it opens.
void openEditor(Database &db, const WorkingPeriod &period)
{
    WorkEntryLookups lookups(db, period);
    lookups.workers();
    lookups.operations();
    lookups.machines();
    for (int kind = 1; kind <= 4; ++kind)
        lookups.centres(kind, WorkEntryLookups::FieldYears::WorkingPeriod);
    QStringList units;
    lookups.items(&units);
    lookups.stages();
    lookups.adversities();
}

struct Farm
{
    int years = 0;
    std::unique_ptr<Database> db;
    WorkingPeriod history;
    // The working period of a day's work: the last year.
    WorkingPeriod lastYear;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    const int worksPerCard = args.size() > 1 ? std::max(1, args.at(1).toInt()) : 20;
    const int runs = args.size() > 2 ? std::max(1, args.at(2).toInt()) : 5;

    QTemporaryDir dir;
    std::vector<Farm> farms;
    for (const int years : Histories) {
        const QString path = dir.filePath(QStringLiteral("farm%1.mdb").arg(years));
        BenchFiles::copyTemplate(path);
        {
            Database seeding;
            seeding.open(path);
            BenchFarm::seedYears(seeding, LastYear - years + 1, years, worksPerCard);
        }
        // Opened as the program opens a farm: the kept sums' tables, triggers and indexes.
        Farm farm;
        farm.years = years;
        farm.db = std::make_unique<Database>();
        farm.db->open(path);
        SchemaUpgrade::keepYearSums(*farm.db);
        farm.history = {QDate(LastYear - years + 1, 1, 1), QDate(LastYear, 12, 31)};
        farm.lastYear = {QDate(LastYear, 1, 1), QDate(LastYear, 12, 31)};
        farms.push_back(std::move(farm));
    }

    out << QStringLiteral("%1 works a card, processor ms, median of %2 runs\n")
               .arg(worksPerCard)
               .arg(runs);
    out << QStringLiteral("%1").arg(QStringLiteral("step"), -44);
    for (const int years : Histories)
        out << QStringLiteral("%1").arg(QStringLiteral("%1 y").arg(years), 10);
    out << QStringLiteral("%1\n").arg(QStringLiteral("30y/1y"), 9);
    const auto line = [&](const QString &label, const std::function<double(Farm &)> &measure) {
        out << QStringLiteral("%1").arg(label, -44);
        std::vector<double> figures;
        for (Farm &farm : farms) {
            figures.push_back(measure(farm));
            out << QStringLiteral("%1").arg(figures.back(), 10, 'f', 2);
        }
        out << QStringLiteral("%1\n").arg(
            figures.front() > 0 ? figures.back() / figures.front() : 0.0, 9, 'f', 2);
        out.flush();
    };

    const std::pair<QString, std::function<void(WorkEntryLookups &)>> editorLists[] = {
        {QStringLiteral("  workers, operations, machines"),
         [](WorkEntryLookups &l) {
             l.workers();
             l.operations();
             l.machines();
         }},
        {QStringLiteral("  centres and fields"),
         [](WorkEntryLookups &l) {
             for (int kind = 1; kind <= 4; ++kind)
                 l.centres(kind, WorkEntryLookups::FieldYears::WorkingPeriod);
         }},
        {QStringLiteral("  items"), [](WorkEntryLookups &l) { l.items(); }},
        {QStringLiteral("  phases and adversities"),
         [](WorkEntryLookups &l) {
             l.stages();
             l.adversities();
         }},
    };
    for (const auto &[name, lists] : editorLists)
        line(name, [&](Farm &farm) {
            return medianMs(runs, [&] {
                WorkEntryLookups lookups(*farm.db, farm.lastYear);
                lists(lookups);
            });
        });

    line(QStringLiteral("work editor opening"),
         [&](Farm &farm) { return medianMs(runs, [&] { openEditor(*farm.db, farm.history); }); });

    const Fill inventory = [](StatisticsLists &l) { l.fillInventory(); };
    const auto forgetStock = [](Farm &farm) {
        farm.db->execute(QStringLiteral("DELETE FROM [%1]").arg(StockYearSums::YearsTable));
    };
    line(QStringLiteral("Items folder, first showing"), [&](Farm &farm) {
        return medianMs(
            runs, [&] { show(*farm.db, farm.history, inventory); }, [&] { forgetStock(farm); });
    });
    line(QStringLiteral("Items folder"), [&](Farm &farm) {
        show(*farm.db, farm.history, inventory);
        return medianMs(runs, [&] { show(*farm.db, farm.history, inventory); });
    });

    const std::pair<QString, Fill> totals[] = {
        {QStringLiteral("crop centres"), [](StatisticsLists &l) { l.fillCentreTotals(1); }},
        {QStringLiteral("machines"), [](StatisticsLists &l) { l.fillCentreTotals(3); }},
        {QStringLiteral("other centres"), [](StatisticsLists &l) { l.fillCentreTotals(4); }},
        {QStringLiteral("workers"), [](StatisticsLists &l) { l.fillWorkerTotals(); }},
        {QStringLiteral("operations"), [](StatisticsLists &l) { l.fillOperationTotals(); }},
    };
    const auto forgetHours = [](Farm &farm) {
        farm.db->execute(QStringLiteral("DELETE FROM [%1]").arg(SchemaUpgrade::SummedYearsTable));
    };
    // One work of the last year changes, as saving a card does.
    const auto editLastYear = [](Farm &farm) {
        farm.db->execute(
            QStringLiteral(
                "UPDATE Opere SET OreOrd = OreOrd WHERE IDOpera = (SELECT MAX(o.IDOpera) FROM "
                "Opere "
                "AS o JOIN Scheda AS s ON s.IDScheda = o.IDScheda WHERE s.Data >= '%1-01-01')")
                .arg(LastYear));
    };
    for (const auto &[name, fill] : totals) {
        line(name + QStringLiteral(" totals, first showing"), [&](Farm &farm) {
            return medianMs(
                runs, [&] { show(*farm.db, farm.history, fill); }, [&] { forgetHours(farm); });
        });
        line(name + QStringLiteral(" totals, after an edit"), [&](Farm &farm) {
            show(*farm.db, farm.history, fill);
            return medianMs(
                runs, [&] { show(*farm.db, farm.history, fill); }, [&] { editLastYear(farm); });
        });
        line(name + QStringLiteral(" totals, every year kept"), [&](Farm &farm) {
            show(*farm.db, farm.history, fill);
            return medianMs(runs, [&] { show(*farm.db, farm.history, fill); });
        });
    }
    return 0;
}
