// Times the card view's logic on ten years of daily cards (one card a day, 20 works each, every
// work with a movement; the last card holds 50 works): opening on the last card, moving
// through a year of cards one card at a time, and filling the work list of a card.
//
// Usage: bench_cards [years] [copy of the database to keep]
//
// The moves that write the form back commit a transaction each, so their times include the
// journal syncs of the disk holding the temporary folder.

#include "BenchFarm.h"
#include "BenchFiles.h"
#include "BenchPrompter.h"
#include "base/Clock.h"
#include "base/Prompter.h"
#include "cards/CardForm.h"
#include "cards/CardSession.h"
#include "cards/WorkListQuery.h"
#include "cards/WorkListRow.h"
#include "cards/WorkStore.h"
#include "db/Database.h"
#include "db/DbDate.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDriver>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <numeric>
#include <vector>

#ifdef VERDIMO_BENCH_TRACE
#include <sqlite3.h>
#endif

namespace {

constexpr int WorksPerCard = 20;
constexpr int WorksOnLastCard = 50;
constexpr int FirstYear = 2015;

// One card a day from the first of January of the first year; returns the last card's day.
QDate seed(Database &db, int years)
{
    QRandomGenerator random(2015);
    Transaction transaction(db);
    BenchFarm::seedRegistries(db, FirstYear, years);
    const QDate first(FirstYear, 1, 1);
    const int cards = 365 * years;
    for (int card = 0; card < cards; ++card) {
        db.execute(QStringLiteral("INSERT INTO Scheda (Data, Pioggia, TempMax, TempMin, Tempo, "
                                  "Vento) VALUES (?, ?, ?, ?, ?, ?)"),
                   {DbDate::toText(QDateTime(first.addDays(card), QTime(8, 0))),
                    double(random.bounded(30)), 10.0 + random.bounded(25),
                    double(random.bounded(10)), QStringLiteral("Sereno"),
                    QStringLiteral("Debole")});
        const qint64 cardId = db.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
        const int works = card == cards - 1 ? WorksOnLastCard : WorksPerCard;
        for (int w = 0; w < works; ++w)
            BenchFarm::seedWork(db, random, cardId);
    }
    transaction.commit();
    return first.addDays(cards - 1);
}

// Counts the statements the engine starts on the connection.
class StatementCounter
{
public:
    explicit StatementCounter(Database &db)
    {
#ifdef VERDIMO_BENCH_TRACE
        const QVariant handle = db.connection().driver()->handle();
        if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
            m_handle = *static_cast<sqlite3 *const *>(handle.constData());
            sqlite3_trace_v2(m_handle, SQLITE_TRACE_STMT, &StatementCounter::trace, this);
        }
#else
        Q_UNUSED(db)
#endif
    }
    ~StatementCounter()
    {
#ifdef VERDIMO_BENCH_TRACE
        if (m_handle)
            sqlite3_trace_v2(m_handle, 0, nullptr, nullptr);
#endif
    }
    StatementCounter(const StatementCounter &) = delete;
    StatementCounter &operator=(const StatementCounter &) = delete;

    bool active() const
    {
        return m_handle != nullptr;
    }
    qint64 count() const
    {
        return m_count;
    }

private:
#ifdef VERDIMO_BENCH_TRACE
    static int trace(unsigned, void *context, void *, void *)
    {
        ++static_cast<StatementCounter *>(context)->m_count;
        return 0;
    }
    sqlite3 *m_handle = nullptr;
#else
    void *m_handle = nullptr;
#endif
    qint64 m_count = 0;
};

struct Stats
{
    int runs = 0;
    double mean = 0;
    double median = 0;
    double max = 0;
    double statements = -1; // per run; negative when not counted
};

// Runs the step `runs` times, timing each run on its own.
Stats measure(int runs, StatementCounter &counter, const std::function<void()> &step)
{
    std::vector<double> times;
    times.reserve(runs);
    const qint64 before = counter.count();
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        step();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    Stats stats;
    stats.runs = runs;
    if (runs == 0)
        return stats;
    if (counter.active())
        stats.statements = double(counter.count() - before) / runs;
    stats.mean = std::accumulate(times.begin(), times.end(), 0.0) / runs;
    std::sort(times.begin(), times.end());
    stats.median = times[runs / 2];
    stats.max = times.back();
    return stats;
}

void printHeader(QTextStream &out)
{
    out << QStringLiteral("%1 %2 %3 %4 %5 %6")
               .arg(QStringLiteral("step"), -44)
               .arg(QStringLiteral("runs"), 5)
               .arg(QStringLiteral("mean ms"), 9)
               .arg(QStringLiteral("median ms"), 10)
               .arg(QStringLiteral("max ms"), 9)
               .arg(QStringLiteral("SQL/run"), 8)
        << Qt::endl;
}

void print(QTextStream &out, const QString &step, const Stats &stats)
{
    out << QStringLiteral("%1 %2 %3 %4 %5 %6")
               .arg(step, -44)
               .arg(stats.runs, 5)
               .arg(stats.mean, 9, 'f', 3)
               .arg(stats.median, 10, 'f', 3)
               .arg(stats.max, 9, 'f', 3)
               .arg(stats.statements < 0 ? QStringLiteral("-")
                                         : QString::number(stats.statements, 'f', 1),
                    8)
        << Qt::endl;
}

// The rows the card view shows for a card.
int fillWorkList(WorkListQuery &query, int cardId)
{
    const QList<WorkListRow::Data> works = query.worksOfCard(cardId);
    std::vector<WorkListRow> rows;
    rows.reserve(works.size());
    for (const WorkListRow::Data &work : works)
        rows.push_back(WorkListRow::build(work, WorkListRow::Wording::Stored));
    return int(rows.size());
}

// Moves `count` times the same way through the session, writing the form back each time as
// the view does; the moves must all succeed.
bool walk(CardSession &session, CardSession::Move move, int count, StatementCounter &counter,
          Stats &stats)
{
    bool ok = true;
    stats = measure(count, counter, [&] {
        const CardSession::Result result = session.move(move, CardForm::input(session.card()));
        ok = ok && result.done;
    });
    return ok;
}

bool walkNavigator(CardNavigator &navigator, bool forward, int count, StatementCounter &counter,
                   Stats &stats)
{
    int moved = 0;
    stats = measure(count, counter, [&] {
        const int before = navigator.current().id();
        forward ? navigator.next() : navigator.previous();
        moved += navigator.current().id() != before ? 1 : 0;
    });
    return moved == count;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    const int years = args.size() > 1 ? std::max(2, args.at(1).toInt()) : 10;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.mdb"));
    BenchFiles::copyTemplate(path);
    Database db;
    db.open(path);

    QElapsedTimer seedTimer;
    seedTimer.start();
    const QDate lastDay = seed(db, years);
    out << "farm: " << years << " years, "
        << db.scalar(QStringLiteral("SELECT COUNT(*) FROM Scheda")).toInt() << " cards, "
        << db.scalar(QStringLiteral("SELECT COUNT(*) FROM Opere")).toInt() << " works, "
        << db.scalar(QStringLiteral("SELECT COUNT(*) FROM Magazzino")).toInt()
        << " movements (seeded in " << seedTimer.elapsed() << " ms)" << Qt::endl;

    BenchPrompter prompter;
    SystemClock clock;
    StatementCounter counter(db);
    const WorkingPeriod allYears{QDate(FirstYear, 1, 1), lastDay};
    const WorkingPeriod lastYear{lastDay.addDays(-364), lastDay};
    const int moves = 364;
    bool ok = true;

    out << Qt::endl;
    printHeader(out);
    for (const auto &[label, period] : {std::pair{QStringLiteral("ten-year period"), allYears},
                                        std::pair{QStringLiteral("one-year period"), lastYear}}) {
        int lastCard = 0;
        print(out, QStringLiteral("open on the last card, ") + label, measure(20, counter, [&] {
                  CardSession session(db, period, prompter, clock);
                  session.open(lastDay);
                  lastCard = session.hasCard() ? session.card().id() : 0;
              }));
        ok = ok && lastCard != 0;
        // The two halves of opening: clearing works an earlier run left behind, then finding
        // the card of the day with the flags of the moves.
        WorkStore works(db);
        print(out, QStringLiteral("  of which: removal of abandoned works"),
              measure(20, counter, [&] { works.removeAbandoned(); }));
        CardNavigator opening(db, period);
        print(out, QStringLiteral("  of which: navigator openAt"),
              measure(20, counter, [&] { opening.openAt(lastDay); }));

        CardSession session(db, period, prompter, clock);
        session.open(lastDay);
        Stats stats;
        ok = walk(session, CardSession::Move::Previous, moves, counter, stats) && ok;
        print(out, QStringLiteral("  previous, form written back"), stats);
        ok = walk(session, CardSession::Move::Next, moves, counter, stats) && ok;
        print(out, QStringLiteral("  next, form written back"), stats);
        ok = ok && session.card().id() == lastCard;

        CardNavigator &navigator = session.navigator();
        ok = walkNavigator(navigator, false, moves, counter, stats) && ok;
        print(out, QStringLiteral("  navigator previous"), stats);
        ok = walkNavigator(navigator, true, moves, counter, stats) && ok;
        print(out, QStringLiteral("  navigator next"), stats);
        print(out, QStringLiteral("  navigator last"),
              measure(100, counter, [&] { navigator.last(); }));
    }

    CardNavigator navigator(db, allYears);
    navigator.last();
    const int bigCard = navigator.current().id();
    navigator.previous();
    const int plainCard = navigator.current().id();
    WorkListQuery query(db, FirstYear, lastDay.year());
    int rows = 0;
    const Stats big = measure(200, counter, [&] { rows = fillWorkList(query, bigCard); });
    ok = ok && rows == WorksOnLastCard;
    print(out, QStringLiteral("work list, %1 works").arg(WorksOnLastCard), big);
    const Stats plain = measure(200, counter, [&] { rows = fillWorkList(query, plainCard); });
    ok = ok && rows == WorksPerCard;
    print(out, QStringLiteral("work list, %1 works").arg(WorksPerCard), plain);
    const int oneWork =
        db.scalar(QStringLiteral("SELECT max(IDOpera) FROM Opere WHERE IDScheda = ?"), {bigCard})
            .toInt();
    print(out, QStringLiteral("one work's row"),
          measure(200, counter, [&] { rows = query.work(oneWork) ? 1 : 0; }));
    ok = ok && rows == 1;

    if (prompter.messageCount() != 0)
        out << prompter.messageCount() << " unexpected messages" << Qt::endl;
    if (!ok)
        out << "some step did not reach the card it should have" << Qt::endl;
    db.close();
    if (args.size() > 2)
        QFile::copy(path, args.at(2));
    return ok && prompter.messageCount() == 0 ? 0 : 1;
}
