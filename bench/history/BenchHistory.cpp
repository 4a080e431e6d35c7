// Compares a year's work on a farm holding one year with the same work on a farm holding ten:
// processing the last year (and the bare stored queries it reads), exporting the last year,
// importing a year, moving through cards, filling lists and laying out the long reports. The
// history a database holds should cost the year's work little; the table prints each step on
// both farms and the ratio.
//
// Usage: bench_history [works per card] [runs per step]

#include "BenchFarm.h"
#include "BenchFiles.h"
#include "BenchPrompter.h"
#include "base/Clock.h"
#include "base/Progress.h"
#include "base/Prompter.h"
#include "cards/CardForm.h"
#include "cards/CardSession.h"
#include "cards/WorkListQuery.h"
#include "cards/WorkListRow.h"
#include "db/Database.h"
#include "db/StoredQuery.h"
#include "exchange/DataExchange.h"
#include "registries/StatisticsLists.h"
#include "registries/StatisticsModel.h"
#include "reports/CardPrintJob.h"
#include "reports/DataProcessing.h"
#include "reports/PrintChoice.h"
#include "reports/RecordingSurface.h"
#include "reports/Report.h"
#include "reports/ReportContext.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr int LastYear = 2024;
constexpr int CardMoves = 60;

const QStringList ProcessingQueries = {
    QStringLiteral("Ore Totali Operai"),
    QStringLiteral("Ore Totali Macchine"),
    QStringLiteral("Costo Macchine da Operai"),
    QStringLiteral("Costo Macchine da Magazzino"),
    QStringLiteral("Costo Operai su Centri"),
    QStringLiteral("Costo Operai su Campi"),
    QStringLiteral("Costo Macchine su Centri"),
    QStringLiteral("Costo Macchine su Campi"),
    QStringLiteral("Costo e Ricavo da Magazzino"),
    QStringLiteral("Costo e Ricavo da Magazzino Campi"),
};

struct Farm
{
    QString label;
    QString path;
    WorkingPeriod lastYear;
};

QString makeFarm(const QString &path, int firstYear, int years, int worksPerCard)
{
    BenchFiles::copyTemplate(path);
    Database db;
    db.open(path);
    BenchFarm::seedYears(db, firstYear, years, worksPerCard);
    return path;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Milliseconds of one call of step; prepare runs before it, untimed.
double timeOnce(const std::function<void()> &step, const std::function<void()> &prepare = {})
{
    if (prepare)
        prepare();
    QElapsedTimer timer;
    timer.start();
    step();
    return timer.nsecsElapsed() / 1e6;
}

// Every row of the processing queries read straight from the engine, nothing else done.
int bareQueries(Database &db, const WorkingPeriod &period)
{
    int rows = 0;
    for (const QString &name : ProcessingQueries) {
        const QString sql =
            db.scalar(QStringLiteral("SELECT Sql FROM QueryDefs WHERE Name = ?"), {name})
                .toString();
        QSqlQuery query = db.execute(sql, {},
                                     {{QStringLiteral("[Data Iniziale]"), period.startAt()},
                                      {QStringLiteral("[Data Finale]"), period.endAt()}});
        const int columns = query.record().count();
        while (query.next()) {
            for (int i = 0; i < columns; ++i)
                query.value(i);
            ++rows;
        }
    }
    return rows;
}

void processing(Database &db, const WorkingPeriod &period)
{
    NullProgress progress;
    DataProcessing(db, period).ProcessTotals(progress);
}

void exportYear(const Farm &farm, const QString &archive)
{
    QFile::remove(archive);
    BenchPrompter prompter(archive, Prompter::Answer::Ok);
    NullProgress progress;
    DataExchange exchange(prompter, progress);
    exchange.setTemplatePath(BenchFiles::templatePath());
    exchange.setWorkingDatabase(farm.path);
    exchange.setExportPeriod(farm.lastYear);
    if (exchange.ExportArchive() != DataExchange::Outcome::Done)
        qFatal("export failed");
}

void importArchive(const QString &target, const QString &archive, bool overwrite)
{
    BenchPrompter prompter(archive, overwrite ? Prompter::Answer::Yes : Prompter::Answer::No);
    NullProgress progress;
    DataExchange exchange(prompter, progress);
    exchange.setTemplatePath(BenchFiles::templatePath());
    exchange.setWorkingDatabase(target);
    if (exchange.ImportArchive() != DataExchange::Outcome::Done)
        qFatal("import failed");
}

// Milliseconds of one card move, the form written back as the card view does, averaged over
// moves back and forth within the last year.
double cardMove(Database &db, const WorkingPeriod &period)
{
    BenchPrompter prompter;
    SystemClock clock;
    CardSession session(db, period, prompter, clock);
    session.open(period.end);
    QElapsedTimer timer;
    timer.start();
    for (const CardSession::Move move : {CardSession::Move::Previous, CardSession::Move::Next})
        for (int i = 0; i < CardMoves; ++i)
            if (!session.move(move, CardForm::input(session.card())).done)
                qFatal("a card move failed");
    if (prompter.messageCount() != 0)
        qFatal("a card move asked the user");
    return timer.nsecsElapsed() / 1e6 / (2 * CardMoves);
}

double workListFill(Database &db, const WorkingPeriod &period)
{
    const int card =
        db.scalar(QStringLiteral("SELECT IDScheda FROM Scheda WHERE Data <= ? ORDER BY Data DESC "
                                 "LIMIT 1"),
                  {period.endAt()})
            .toInt();
    WorkListQuery query(db, period.start.year(), period.end.year());
    constexpr int Fills = 50;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < Fills; ++i)
        for (const WorkListRow::Data &work : query.worksOfCard(card))
            WorkListRow::build(work, WorkListRow::Wording::Stored);
    return timer.nsecsElapsed() / 1e6 / Fills;
}

// The registries' lists of the period: folder totals, the works and movements of one record
// of each kind, and the activity on all fields.
void periodLists(Database &db, const WorkingPeriod &period)
{
    StatisticsModel model;
    StatisticsLists lists(&db, model, period);
    using Choice = StatisticsLists::Choice;
    for (const int group : {1, 3, 4})
        lists.fillCentreTotals(group);
    lists.fillWorkerTotals();
    lists.fillOperationTotals();
    for (const Choice choice : {Choice::WorkersAndHours, Choice::StockAndArticles}) {
        lists.fillCentreActivity(1, 1, choice);
        lists.fillCentreActivity(2, 1001, choice);
        lists.fillCentreActivity(3, BenchFarm::machineCode(0), choice);
        lists.fillCentreActivity(4, 201, choice);
    }
    lists.fillWorkerWorks(1);
    lists.fillOperationWorks(1);
    lists.fillItemMovements(1);
    lists.fillFieldActivity();
}

// Counts the pages of a report on the processed year and lays every page out, as printing
// does before the printer draws them.
void layOutReport(Database &db, const WorkingPeriod &period, int kind)
{
    const ReportContext context{
        db, period, 0, period.start.year(), period.end.year(), QString("Bench"), period.end};
    const std::unique_ptr<Report> report = CardPrintJob::createReport(kind, context);
    NullProgress progress;
    const int pages = report->countPages(progress);
    RecordingSurface surface;
    for (int page = 1; page <= pages; ++page) {
        report->printPage(surface, page, pages);
        surface.clear();
    }
    report->end();
}

double kilobytes(const QString &path)
{
    return QFileInfo(path).size() / 1024.0;
}

struct Line
{
    QString step;
    std::vector<double> times[2];
};

void printTable(QTextStream &out, const std::vector<Line> &lines, const QStringList &farms)
{
    out << QStringLiteral("%1 %2 %3 %4")
               .arg(QStringLiteral("step"), -40)
               .arg(farms.at(0), 12)
               .arg(farms.at(1), 12)
               .arg(QStringLiteral("ratio"), 7)
        << Qt::endl;
    for (const Line &line : lines) {
        const double one = median(line.times[0]);
        const double ten = median(line.times[1]);
        out << QStringLiteral("%1 %2 %3 %4")
                   .arg(line.step, -40)
                   .arg(one, 12, 'f', 2)
                   .arg(ten, 12, 'f', 2)
                   .arg(one > 0 ? ten / one : 0.0, 7, 'f', 2)
            << Qt::endl;
    }
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
    const WorkingPeriod lastYear{QDate(LastYear, 1, 1), QDate(LastYear, 12, 31)};
    QElapsedTimer seeding;
    seeding.start();
    const Farm farms[2] = {
        {QStringLiteral("1 year ms"),
         makeFarm(dir.filePath(QStringLiteral("one.mdb")), LastYear, 1, worksPerCard), lastYear},
        {QStringLiteral("10 years ms"),
         makeFarm(dir.filePath(QStringLiteral("ten.mdb")), LastYear - 9, 10, worksPerCard),
         lastYear},
    };
    // The year after, alone in an archive, for the imports.
    const Farm next{
        QString(),
        makeFarm(dir.filePath(QStringLiteral("next.mdb")), LastYear + 1, 1, worksPerCard),
        {QDate(LastYear + 1, 1, 1), QDate(LastYear + 1, 12, 31)}};
    const QString nextArchive = dir.filePath(QStringLiteral("next.czp"));
    exportYear(next, nextArchive);
    out << "farms: " << worksPerCard << " works a card, one card a day, seeded in "
        << seeding.elapsed() / 1000.0 << " s; median of " << runs << " runs" << Qt::endl
        << Qt::endl;

    std::vector<Line> lines = {
        {QStringLiteral("processing of one year"), {}},
        {QStringLiteral("  bare stored queries"), {}},
        {QStringLiteral("export of one year"), {}},
        {QStringLiteral("  its archive, KB"), {}},
        {QStringLiteral("import of a new year"), {}},
        {QStringLiteral("import of the last year, overwriting"), {}},
        {QStringLiteral("card move, form written back"), {}},
        {QStringLiteral("work list fill of a card"), {}},
        {QStringLiteral("registries' period lists"), {}},
        {QStringLiteral("cost-centre report, pages laid out"), {}},
        {QStringLiteral("field report, pages laid out"), {}},
        {QStringLiteral("register, pages laid out"), {}},
    };
    const QString target = dir.filePath(QStringLiteral("target.mdb"));
    // The farms take turns on every run, so that a change in the machine's load hits both.
    for (int run = 0; run < runs; ++run) {
        for (int f = 0; f < 2; ++f) {
            const Farm &farm = farms[f];
            const QString archive = dir.filePath(QStringLiteral("last%1.czp").arg(f));
            int line = 0;
            {
                Database db;
                db.open(farm.path);
                lines[line++].times[f].push_back(timeOnce([&] { processing(db, farm.lastYear); }));
                lines[line++].times[f].push_back(timeOnce([&] { bareQueries(db, farm.lastYear); }));
            }
            lines[line++].times[f].push_back(timeOnce([&] { exportYear(farm, archive); }));
            lines[line++].times[f].push_back(kilobytes(archive));
            lines[line++].times[f].push_back(
                timeOnce([&] { importArchive(target, nextArchive, false); },
                         [&] { BenchFiles::copyDatabase(farm.path, target); }));
            lines[line++].times[f].push_back(
                timeOnce([&] { importArchive(target, archive, true); },
                         [&] { BenchFiles::copyDatabase(farm.path, target); }));
            Database db;
            db.open(farm.path);
            lines[line++].times[f].push_back(cardMove(db, farm.lastYear));
            lines[line++].times[f].push_back(workListFill(db, farm.lastYear));
            lines[line++].times[f].push_back(timeOnce([&] { periodLists(db, farm.lastYear); }));
            // The reports read what processing the year left in the totals tables.
            processing(db, farm.lastYear);
            for (const int kind : {PrintChoice::CostCentreReport, PrintChoice::FieldReport})
                lines[line++].times[f].push_back(
                    timeOnce([&] { layOutReport(db, farm.lastYear, kind); }));
            lines[line++].times[f].push_back(
                timeOnce([&] { layOutReport(db, farm.lastYear, PrintChoice::TreatmentRegister); },
                         [&] { DataProcessing(db, farm.lastYear).PrepareFieldNotebook(); }));
        }
    }
    printTable(out, lines, {farms[0].label, farms[1].label});

    const double processingRatio = median(lines[0].times[1]) / median(lines[1].times[1]);
    out << Qt::endl
        << "processing / bare stored queries, 10 years: "
        << QString::number(processingRatio, 'f', 2) << Qt::endl;
    return 0;
}
