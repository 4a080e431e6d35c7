// Times the processing run, the register preparation and the page counting of the cost reports
// on a year of a mid-size farm: 25 workers, 8 machines, 15 crop centres with 60 fields, 5 other
// centres, 40 operations, 120 items, 310 cards of 20 works each, every work with a movement.
//
// Usage: bench_reports [cards] [works per card] [copy of the database to keep]

#include "BenchFarm.h"
#include "BenchFiles.h"
#include "base/Progress.h"
#include "db/Database.h"
#include "db/DbDate.h"
#include "reports/DataProcessing.h"
#include "reports/RegisterPagination.h"
#include "reports/TotalsPagination.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

void seed(Database &db, int cards, int worksPerCard)
{
    QRandomGenerator random(2015);
    Transaction transaction(db);
    BenchFarm::seedRegistries(db, 2015, 1);

    const QDate first(2015, 1, 1);
    for (int card = 0; card < cards; ++card) {
        db.execute(QStringLiteral("INSERT INTO Scheda (Data) VALUES (?)"),
                   {DbDate::toText(QDateTime(first.addDays(card % 365), QTime(8, 0)))});
        const qint64 cardId = db.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
        for (int w = 0; w < worksPerCard; ++w)
            BenchFarm::seedWork(db, random, cardId);
    }
    transaction.commit();
}

// Prints the time spent in each phase the processing reports.
class PhaseTimes : public Progress
{
public:
    explicit PhaseTimes(QTextStream &out) : m_out(out) { m_timer.start(); }
    ~PhaseTimes() override { finish(); }

    void setText(int line, const QString &text) override
    {
        if (line != 0)
            return;
        finish();
        m_phase = text;
        m_timer.restart();
    }
    void setRange(int, int, int) override {}
    void setValue(int, int) override {}

private:
    void finish()
    {
        if (!m_phase.isEmpty())
            m_out << "    " << m_phase << " " << m_timer.nsecsElapsed() / 1e6 << " ms" << Qt::endl;
        m_phase.clear();
    }

    QTextStream &m_out;
    QElapsedTimer m_timer;
    QString m_phase;
};

template <typename Step> double timed(Step step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    const int cards = args.size() > 1 ? args.at(1).toInt() : 310;
    const int worksPerCard = args.size() > 2 ? args.at(2).toInt() : 20;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.mdb"));
    BenchFiles::copyTemplate(path);
    Database db;
    db.open(path);
    const WorkingPeriod year{QDate(2015, 1, 1), QDate(2015, 12, 31)};
    NullProgress progress;

    out << "farm: " << cards << " cards x " << worksPerCard << " works" << Qt::endl;
    out << "seed                       " << timed([&] { seed(db, cards, worksPerCard); }) << " ms"
        << Qt::endl;
    for (int run = 1; run <= 2; ++run) {
        const double ms = timed([&] {
            PhaseTimes phases(out);
            DataProcessing(db, year).ProcessTotals(phases);
        });
        out << "ProcessTotals (run " << run << ")      " << ms << " ms" << Qt::endl;
    }
    out << "PrepareFieldNotebook       "
        << timed([&] { DataProcessing(db, year).PrepareFieldNotebook(); }) << " ms" << Qt::endl;
    int pages = 0;
    out << "pages, centres with amounts  " << timed([&] {
        pages =
            TotalsPagination(db, TotalsPagination::Section::Centres, true, year).paginate(progress);
    }) << " ms ("
        << pages << " pages)" << Qt::endl;
    out << "pages, fields without amounts " << timed([&] {
        pages =
            TotalsPagination(db, TotalsPagination::Section::Fields, false, year).paginate(progress);
    }) << " ms ("
        << pages << " pages)" << Qt::endl;
    out << "pages, register            "
        << timed([&] { pages = RegisterPagination(db).paginate(progress); }) << " ms (" << pages
        << " pages)" << Qt::endl;
    out << "rows: Totali " << db.scalar(QStringLiteral("SELECT COUNT(*) FROM Totali")).toInt()
        << ", Totali Campi "
        << db.scalar(QStringLiteral("SELECT COUNT(*) FROM [Totali Campi]")).toInt()
        << ", Appoggio Articoli "
        << db.scalar(QStringLiteral("SELECT COUNT(*) FROM [Appoggio Articoli]")).toInt()
        << Qt::endl;
    db.close();
    if (args.size() > 3)
        QFile::copy(path, args.at(3));
    return 0;
}
