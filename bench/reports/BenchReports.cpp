// Times the processing run, the register preparation and the page counting of the cost reports
// on a year of a mid-size farm: 25 workers, 8 machines, 15 crop centres with 60 fields, 5 other
// centres, 40 operations, 120 items, 310 cards of 20 works each, every work with a movement.
//
// Usage: bench_reports [cards] [works per card] [copy of the database to keep]

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

constexpr int Workers = 25;
constexpr int Machines = 8;
constexpr int Crops = 15;
constexpr int Others = 5;
constexpr int FieldsPerCrop = 4;
constexpr int Operations = 40;
constexpr int Items = 120;

int machineCode(int i)
{
    return 100 + i;
}

void seed(Database &db, int cards, int worksPerCard)
{
    QRandomGenerator random(2015);
    Transaction transaction(db);
    for (int i = 1; i <= Workers; ++i)
        db.execute(
            QStringLiteral(
                "INSERT INTO Operai (Codice, Nome, Rapporto, Stipendio) VALUES (?, ?, ?, ?)"),
            {i, QStringLiteral("Worker %1").arg(i), i % 4 == 0 ? 1 : 0, 8.0 + i % 7});
    for (int i = 1; i <= Crops; ++i)
        db.execute(QStringLiteral("INSERT INTO Centri (Codice, Descrizione, Campo, Macchina, "
                                  "SupAnno) VALUES (?, ?, 1, 0, ?)"),
                   {i, QStringLiteral("Crop centre %1").arg(i), 2.0 + i});
    for (int i = 0; i < Machines; ++i)
        db.execute(QStringLiteral("INSERT INTO Centri (Codice, Descrizione, Campo, Macchina, "
                                  "SupAnno) VALUES (?, ?, 0, 1, ?)"),
                   {machineCode(i), QStringLiteral("Machine %1").arg(i), 1990 + i});
    for (int i = 1; i <= Others; ++i)
        db.execute(QStringLiteral("INSERT INTO Centri (Codice, Descrizione, Campo, Macchina, "
                                  "SupAnno) VALUES (?, ?, 0, 0, 0)"),
                   {200 + i, QStringLiteral("Other centre %1").arg(i)});
    for (int i = 1; i <= Crops * FieldsPerCrop; ++i)
        db.execute(QStringLiteral("INSERT INTO Campi (Codice, Descrizione, Centro, Superficie, "
                                  "Anno) VALUES (?, ?, ?, ?, 2015)"),
                   {1000 + i, QStringLiteral("Field %1").arg(i), 1 + (i - 1) / FieldsPerCrop,
                    0.5 + i % 3});
    for (int i = 1; i <= Operations; ++i)
        db.execute(QStringLiteral("INSERT INTO Operazioni (Codice, Descrizione) VALUES (?, ?)"),
                   {i, QStringLiteral("Operation with a long name %1").arg(i)});
    for (int i = 1; i <= Items; ++i)
        db.execute(QStringLiteral("INSERT INTO Articoli (Codice, Descrizione, UnMis, [Stampa "
                                  "Quaderno]) VALUES (?, ?, 'kg', ?)"),
                   {i, QStringLiteral("Item %1").arg(i), i <= 20 ? 1 : 0});

    const QDate first(2015, 1, 1);
    for (int card = 0; card < cards; ++card) {
        db.execute(QStringLiteral("INSERT INTO Scheda (Data) VALUES (?)"),
                   {DbDate::toText(QDateTime(first.addDays(card % 365), QTime(8, 0)))});
        const qint64 cardId = db.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
        for (int w = 0; w < worksPerCard; ++w) {
            const int kind = random.bounded(10);
            const int type = kind < 4 ? 1 : kind < 8 ? 2 : kind < 9 ? 3 : 4;
            const int field = 1001 + random.bounded(Crops * FieldsPerCrop);
            const int centre = type == 1   ? 1 + random.bounded(Crops)
                               : type == 2 ? 1 + (field - 1001) / FieldsPerCrop
                               : type == 3 ? machineCode(random.bounded(Machines))
                                           : 201 + random.bounded(Others);
            const int machine = random.bounded(3) == 0 ? 0 : machineCode(random.bounded(Machines));
            db.execute(
                QStringLiteral(
                    "INSERT INTO Opere (Aggiornato, IDScheda, CodOperaio, OreOrd, OreStr, OreFest, "
                    "[Tipo Centro], CodCentro, CodCampo, CodOperazione, CodMacch1) "
                    "VALUES (1, ?, ?, ?, ?, 0, ?, ?, ?, ?, ?)"),
                {cardId, 1 + random.bounded(Workers), 1 + random.bounded(8), random.bounded(3),
                 type, centre, type == 2 ? field : 0, 1 + random.bounded(Operations), machine});
            const qint64 work =
                db.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
            const int movement = random.bounded(6);
            db.execute(QStringLiteral("INSERT INTO Magazzino (IDOpera, [Tipo Centro], CodCentro, "
                                      "CodCampo, [Tipo Bolla], "
                                      "[Codice Articolo], Prezzo, Quantita, Fase, UniMis) VALUES "
                                      "(?, ?, ?, ?, ?, ?, ?, ?, ?, 'kg')"),
                       {work, type, centre, type == 2 ? field : 0, movement > 4 ? 0 : movement,
                        movement == 0 ? 0 : 1 + random.bounded(Items), 10.0 * random.bounded(50),
                        double(random.bounded(100)),
                        QStringLiteral("Phase %1").arg(random.bounded(4))});
        }
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
    if (!QFile::copy(QStringLiteral(VERDIMO_TEMPLATE), path)) {
        out << "cannot copy the template " << VERDIMO_TEMPLATE << Qt::endl;
        return 1;
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
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
