// What the start and the exit of the window cost on farms of 1, 10 and 30 years of history:
// the farm opened and the check of its pages with the day's backup set going (due, or already
// made today), the check and backup themselves on their own thread, and the exit with and
// without a change (the exit backup is made only after a change). The start and the exit
// without a change must not grow with history.
//
// Usage: bench_startexit [works per card] [runs per step]

#include "BenchFarm.h"
#include "BenchFiles.h"
#include "BenchPrompter.h"
#include "app/AutomaticBackups.h"
#include "base/Clock.h"
#include "db/Database.h"
#include "db/FarmSession.h"
#include "exchange/BackgroundBackup.h"
#include "exchange/BackupRotation.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr int LastYear = 2025;

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

struct Figures
{
    double startDue = 0;
    double dayBackup = 0;
    double startNotDue = 0;
    double exitUnchanged = 0;
    double exitChanged = 0;
    qint64 backupKb = 0;
};

// One start and exit of the window as CTellanApp runs them, timed in parts.
Figures measure(const QString &farmPath, const QString &backups, int runs)
{
    const SystemClock clock;
    BenchPrompter prompter;
    std::vector<double> startDue, dayBackup, startNotDue, exitUnchanged, exitChanged;
    Figures figures;
    for (int run = 0; run < runs; ++run) {
        QDir(backups).removeRecursively();
        BackupRotation rotation(backups, clock);
        AutomaticBackups automatic(rotation, prompter);
        BackgroundBackup job;
        {
            QElapsedTimer timer;
            timer.start();
            FarmSession farm;
            farm.open(farmPath);
            if (!automatic.startAtStart(farm, job))
                qFatal("no backup was due on a farm without backups");
            startDue.push_back(elapsedMs(timer));
            const BackgroundBackup::Outcome outcome = job.wait();
            dayBackup.push_back(elapsedMs(timer));
            if (outcome.archive.isEmpty())
                qFatal("the day's backup failed: %s", qPrintable(outcome.error));
            figures.backupKb = QFileInfo(outcome.archive).size() / 1024;

            timer.restart();
            automatic.atExit(farm);
            farm.close();
            exitUnchanged.push_back(elapsedMs(timer));
        }
        {
            QElapsedTimer timer;
            timer.start();
            FarmSession farm;
            farm.open(farmPath);
            automatic.startAtStart(farm, job);
            startNotDue.push_back(elapsedMs(timer));
            if (!job.wait().archive.isEmpty())
                qFatal("a second backup was made on the same day");

            farm.database().execute(QStringLiteral("UPDATE Operai SET Nome = Nome || '' WHERE "
                                                   "Codice = 1"));
            timer.restart();
            automatic.atExit(farm);
            farm.close();
            exitChanged.push_back(elapsedMs(timer));
        }
    }
    figures.startDue = median(startDue);
    figures.dayBackup = median(dayBackup);
    figures.startNotDue = median(startNotDue);
    figures.exitUnchanged = median(exitUnchanged);
    figures.exitChanged = median(exitChanged);
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    // AutomaticBackups belongs to the window's library; no window is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    const int worksPerCard = args.size() > 1 ? std::max(1, args.at(1).toInt()) : 20;
    const int runs = args.size() > 2 ? std::max(1, args.at(2).toInt()) : 3;

    QTemporaryDir dir;
    const int sizes[] = {1, 10, 30};
    std::vector<Figures> figures;
    QElapsedTimer seeding;
    seeding.start();
    for (int years : sizes) {
        const QString path = dir.filePath(QStringLiteral("farm%1.mdb").arg(years));
        BenchFiles::copyTemplate(path);
        {
            Database db;
            db.open(path);
            BenchFarm::seedYears(db, LastYear - years + 1, years, worksPerCard);
        }
        figures.push_back(measure(path, dir.filePath(QStringLiteral("Backups")), runs));
    }
    out << "farms: " << worksPerCard << " works a card, one card a day, seeded and measured in "
        << seeding.elapsed() / 1000.0 << " s; median of " << runs << " runs" << Qt::endl
        << Qt::endl;

    const auto line = [&](const QString &name, double Figures::*field) {
        out << name.leftJustified(44);
        for (const Figures &f : figures)
            out << QString::number(f.*field, 'f', 1).rightJustified(10);
        out << QString::number(figures.back().*field / std::max(0.001, figures.front().*field), 'f',
                               2)
                   .rightJustified(10)
            << Qt::endl;
    };
    out << QStringLiteral("ms").leftJustified(44) << QStringLiteral("1 year").rightJustified(10)
        << QStringLiteral("10 years").rightJustified(10)
        << QStringLiteral("30 years").rightJustified(10)
        << QStringLiteral("30y/1y").rightJustified(10) << Qt::endl;
    line(QStringLiteral("start, day's backup due: window waits"), &Figures::startDue);
    line(QStringLiteral("  check and backup, off the window's thread"), &Figures::dayBackup);
    line(QStringLiteral("start, backup made today: window waits"), &Figures::startNotDue);
    line(QStringLiteral("exit without a change"), &Figures::exitUnchanged);
    line(QStringLiteral("exit after a change (backup)"), &Figures::exitChanged);
    out << QStringLiteral("backup archive, KB").leftJustified(44);
    for (const Figures &f : figures)
        out << QString::number(f.backupKb).rightJustified(10);
    out << Qt::endl;
    return 0;
}
