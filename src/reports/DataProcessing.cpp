#include "DataProcessing.h"

#include "CodeLookup.h"
#include "RegisterReport.h"
#include "base/NumberText.h"
#include "base/Progress.h"
#include "base/SinglePrecision.h"
#include "db/Database.h"
#include "db/DbDate.h"
#include "db/PreparedStatement.h"
#include "db/RowCursor.h"
#include "db/StoredQuery.h"

#include <QHash>
#include <vector>

namespace {

const QString StartParameter = QStringLiteral("[Data Iniziale]");
const QString EndParameter = QStringLiteral("[Data Finale]");

// The SQL of a stored query over the period. Making the stored query checks its name and
// parameters, so that a database without them fails with a clear message.
QString periodSql(Database &db, const QString &name, const QString &startParameter,
                  const QString &endParameter, const WorkingPeriod &period)
{
    StoredQuery stored(db, name);
    stored.setParameter(startParameter, period.startAt());
    stored.setParameter(endParameter, period.endAt());
    QString sql = stored.sql();
    sql = sql.trimmed();
    if (sql.endsWith(QLatin1Char(';')))
        sql.chop(1);
    return sql;
}

// Runs a stored query over the period and hands each of its rows to visit, read straight from
// the engine in one pass front to back.
template <typename Visit>
void forEachRow(Database &db, const QString &name, const QString &startParameter,
                const QString &endParameter, const WorkingPeriod &period, Visit visit)
{
    QSqlQuery rows =
        db.execute(periodSql(db, name, startParameter, endParameter, period), {},
                   {{startParameter, period.startAt()}, {endParameter, period.endAt()}});
    RowCursor cursor(rows);
    while (cursor.next())
        visit(std::as_const(rows));
}

template <typename Visit>
void forEachTotalsRow(Database &db, const QString &name, const WorkingPeriod &period, Visit visit)
{
    forEachRow(db, name, StartParameter, EndParameter, period, visit);
}

// How rows of a totals query become rows of a table, written in one statement: values are
// made from the query's row q (joined to copies when one row gives several, or grouped), and
// order is the query's own order, so that the table's rows come in the order the query reads.
struct TableRows
{
    QString into;
    QString values;
    QString order;
    QString copies = {};
    QString group = {};
};

void insertRows(Database &db, const QString &query, const WorkingPeriod &period,
                const TableRows &rows)
{
    const QString sql =
        QStringLiteral("INSERT INTO %1 SELECT %2 FROM (%3) AS q%4%5 ORDER BY %6")
            .arg(rows.into, rows.values, periodSql(db, query, StartParameter, EndParameter, period),
                 rows.copies,
                 rows.group.isEmpty() ? QString() : QStringLiteral(" GROUP BY ") + rows.group,
                 rows.order);
    db.execute(sql, {}, {{StartParameter, period.startAt()}, {EndParameter, period.endAt()}});
}

// The value of column in the first row (in the table's order) of a registry code, as a
// find-first on the registry table would give; fallback when there is none.
QString firstOf(const QString &table, const QString &column, const QString &code,
                const QString &fallback)
{
    return QStringLiteral("COALESCE((SELECT r.%2 FROM %1 AS r WHERE r.Codice = %3 "
                          "ORDER BY r.rowid LIMIT 1), %4)")
        .arg(table, column, code, fallback);
}

// Names are written as empty texts, never as nulls.
QString workerName(const QString &code)
{
    return firstOf(QStringLiteral("Operai"), QStringLiteral("Nome"), code, QStringLiteral("''"));
}

QString centreName(const QString &code)
{
    return firstOf(QStringLiteral("Centri"), QStringLiteral("Descrizione"), code,
                   QStringLiteral("''"));
}

const QString SummaryTable =
    QStringLiteral("Riepilogo (Codice, CosRic, OpeMac, OreSol, Ore, Soldi)");
const QString CentreTotalsTable = QStringLiteral(
    "Totali (CodCentro, Codice, CodOperazione, CosRic, Descrizione, OpeMac, OreQua, Tipo)");
const QString FieldTotalsTable =
    QStringLiteral("[Totali Campi] (CodCentro, Codice, CodOperazione, CosRic, Descrizione, "
                   "OpeMac, OreQua, Tipo)");
// One row of a query twice, the first copy (1) before the second (0).
const QString TwoCopies = QStringLiteral(" CROSS JOIN (SELECT 1 AS Copy UNION ALL SELECT 0) AS c");

// Texts are written as empty texts, never as nulls.
QString text(const QVariant &value)
{
    const QString string = value.toString();
    return string.isNull() ? QStringLiteral("") : string;
}

QString nameOf(const QHash<int, QVariant> &names, int code)
{
    return text(names.value(code));
}

// Warehouse totals of the fields. Movements of the same item on the same field with the same
// cost/revenue side add up into one row, in the order the query reads them (the phases of a
// side make several rows); they never merge into a worker or machine row, whatever its
// operation code.
class StockTotals
{
public:
    void add(int centre, int item, int movementType, double value, double quantity,
             const QString &description, const QString &phase)
    {
        const bool cost = movementType == 2 || movementType == 3;
        const Key key{centre, item, cost};
        const auto found = m_index.constFind(key);
        if (found != m_index.constEnd()) {
            Row &row = m_rows[*found];
            row.quantity = SinglePrecision::rounded(row.quantity + quantity);
            row.value += value;
            return;
        }
        m_index.insert(key, int(m_rows.size()));
        m_rows.push_back(
            {centre, item, cost, value, SinglePrecision::rounded(quantity), description, phase});
    }

    void write(Database &db) const
    {
        PreparedStatement insert(
            db, QStringLiteral("INSERT INTO [Totali Campi] (CodCentro, OreQua, Tipo, Descrizione, "
                               "CodOperazione, CosRic, Codice, Fase) "
                               "VALUES (?, ?, ?, ?, ?, ?, -1, ?)"));
        for (const Row &row : m_rows)
            insert.exec({row.centre, row.quantity, row.cost ? 1 : 0, row.description, row.item,
                         row.value, row.phase});
    }

private:
    struct Key
    {
        int centre;
        int item;
        bool cost;
        bool operator==(const Key &other) const
        {
            return centre == other.centre && item == other.item && cost == other.cost;
        }
    };
    friend size_t qHash(const Key &key, size_t seed)
    {
        return qHashMulti(seed, key.centre, key.item, key.cost);
    }

    struct Row
    {
        int centre;
        int item;
        bool cost;
        double value;
        double quantity;
        QString description;
        QString phase;
    };

    QHash<Key, int> m_index;
    std::vector<Row> m_rows;
};

} // namespace

DataProcessing::DataProcessing(Database &db, const WorkingPeriod &period)
    : m_db(db), m_period(period)
{
}

void DataProcessing::ProcessTotals(Progress &progress)
{
    const auto phase = [&progress](const char *text, int position) {
        progress.setText(0, tr(text));
        progress.setValue(0, position);
    };
    progress.setRange(0, 1, 100);
    progress.setRange(1, 1, 100);
    phase(QT_TR_NOOP("Phase (1) : Make archives..."), 1);
    progress.setText(1, tr("Phase (2) : Waiting"));
    progress.setValue(1, 1);

    Transaction transaction(m_db);
    // A page-number copy left by printing from a file that refused writes would take the new
    // totals in place of the file's own table.
    m_db.execute(QStringLiteral("DROP TABLE IF EXISTS temp.Totali"));
    m_db.execute(QStringLiteral("DROP TABLE IF EXISTS temp.[Totali Campi]"));
    m_db.execute(QStringLiteral("DELETE FROM Riepilogo"));
    m_db.execute(QStringLiteral("DELETE FROM Totali"));
    m_db.execute(QStringLiteral("DELETE FROM [Totali Campi]"));

    phase(QT_TR_NOOP("Phase (1) : Importing data..."), 5);
    phase(QT_TR_NOOP("Phase (1) : Calculating hours and workers costs..."), 20);
    // A worker's hours row, then its money row: the wage applies to the hours as they are
    // kept, in single precision.
    insertRows(m_db, QStringLiteral("Ore Totali Operai"), m_period,
               {SummaryTable,
                QStringLiteral("q.Codice, 1, 1, c.Copy, CASE c.Copy WHEN 1 THEN SINGLE(q.Ore) END, "
                               "CASE c.Copy WHEN 0 THEN SINGLE(q.Ore) * %1 END")
                    .arg(firstOf(QStringLiteral("Operai"), QStringLiteral("Stipendio"),
                                 QStringLiteral("q.Codice"), QStringLiteral("0"))),
                QStringLiteral("q.Codice, c.Copy DESC"), TwoCopies});

    phase(QT_TR_NOOP("Phase (1) : Calculating total hours machines..."), 30);
    insertRows(m_db, QStringLiteral("Ore Totali Macchine"), m_period,
               {SummaryTable, QStringLiteral("q.Codice, 1, 0, 1, SINGLE(q.Ore), NULL"),
                QStringLiteral("q.Codice")});

    phase(QT_TR_NOOP("Phase (1) : Calculating total costs machines..."), 25);
    for (const QString &name : {QStringLiteral("Costo Macchine da Operai"),
                                QStringLiteral("Costo Macchine da Magazzino")})
        insertRows(m_db, name, m_period,
                   {SummaryTable, QStringLiteral("q.Codice, 1, 0, 0, NULL, q.Costo"),
                    QStringLiteral("q.Codice")});

    phase(QT_TR_NOOP("Phase (1) : Calculating workers operations..."), 40);
    const QString workerValues = QStringLiteral("q.%1, q.Operaio, q.Operazione, q.Costo, %2, 1, "
                                                "SINGLE(q.Ore), 1");
    insertRows(m_db, QStringLiteral("Costo Operai su Centri"), m_period,
               {CentreTotalsTable,
                workerValues.arg(QStringLiteral("Centro"), workerName(QStringLiteral("q.Operaio"))),
                QStringLiteral("q.Operaio, q.Centro, q.Operazione")});
    insertRows(m_db, QStringLiteral("Costo Operai su Campi"), m_period,
               {FieldTotalsTable,
                workerValues.arg(QStringLiteral("Campo"), workerName(QStringLiteral("q.Operaio"))),
                QStringLiteral("q.Operaio, q.Campo, q.Operazione")});

    phase(QT_TR_NOOP("Phase (1) : Calculating machines operations..."), 50);
    // Machine use costs the centre that used the machine (first copy) and is the machine's own
    // revenue (second copy).
    const QString user = QStringLiteral("CASE c.Copy WHEN 1 THEN q.Centro ELSE q.Macchina END");
    const QString other = QStringLiteral("CASE c.Copy WHEN 1 THEN q.Macchina ELSE q.Centro END");
    insertRows(m_db, QStringLiteral("Costo Macchine su Centri"), m_period,
               {CentreTotalsTable,
                QStringLiteral("%1, %2, q.Operazione, q.Costo, %3, 0, SINGLE(q.Ore), c.Copy")
                    .arg(user, other, centreName(other)),
                QStringLiteral("q.Macchina, q.Centro, q.Operazione, c.Copy DESC"), TwoCopies});
    insertRows(
        m_db, QStringLiteral("Costo Macchine su Campi"), m_period,
        {FieldTotalsTable,
         QStringLiteral("q.Campo, q.Macchina, q.Operazione, q.Costo, %1, 0, SINGLE(q.Ore), 1")
             .arg(centreName(QStringLiteral("q.Macchina"))),
         QStringLiteral("q.Macchina, q.Campo, q.Operazione")});

    phase(QT_TR_NOOP("Phase (1) : Warehouse processing..."), 75);
    const QHash<int, QVariant> items = CodeLookup::firstValues(
        m_db, QStringLiteral("SELECT Codice, Descrizione FROM Articoli ORDER BY rowid"));
    // An item's purchases and workings on a centre make one cost row, its productions and sales
    // one revenue row, in the order their first movement type comes. Each side holds at most
    // two rows, the lower type first, whose quantities add in single precision as they are
    // kept.
    const QString low = QStringLiteral("MAX(CASE WHEN q.Tipo IN (1, 2) THEN q.Quantita END)");
    const QString high = QStringLiteral("MAX(CASE WHEN q.Tipo IN (3, 4) THEN q.Quantita END)");
    insertRows(m_db, QStringLiteral("Costo e Ricavo da Magazzino"), m_period,
               {QStringLiteral("Totali (CodCentro, OreQua, Tipo, Descrizione, CodOperazione, "
                               "CosRic, Codice)"),
                QStringLiteral("q.Centro, CASE WHEN %1 IS NULL OR %2 IS NULL "
                               "THEN SINGLE(SUM(q.Quantita)) ELSE SINGLE(SINGLE(%1) + %2) END, "
                               "q.Tipo IN (2, 3), %3, q.Articolo, SUM(q.Valore), -1")
                    .arg(low, high,
                         firstOf(QStringLiteral("Articoli"), QStringLiteral("Descrizione"),
                                 QStringLiteral("q.Articolo"), QStringLiteral("''"))),
                QStringLiteral("q.Articolo, q.Centro, MIN(q.Tipo)"), QString(),
                QStringLiteral("q.Articolo, q.Centro, q.Tipo IN (2, 3)")});
    StockTotals fieldStock;
    forEachTotalsRow(m_db, QStringLiteral("Costo e Ricavo da Magazzino Campi"), m_period,
                     [&](const QSqlQuery &row) {
                         const int item = row.value(0).toInt();
                         fieldStock.add(row.value(1).toInt(), item, row.value(2).toInt(),
                                        row.value(3).toDouble(), row.value(4).toDouble(),
                                        nameOf(items, item), text(row.value(5)));
                     });
    fieldStock.write(m_db);

    SummaryFigures summary = readSummary();
    transaction.commit();
    m_summary = std::move(summary);
    phase(QT_TR_NOOP("Phase (1) : Closing archives..."), 100);
}

DataProcessing::SummaryFigures DataProcessing::readSummary()
{
    SummaryFigures summary;
    // Workers' rows are OpeMac 1, machines' 0; hours rows are OreSol 1, money rows 0.
    QSqlQuery rows = m_db.execute(
        QStringLiteral("SELECT Codice, OpeMac, OreSol, Ore, Soldi FROM Riepilogo ORDER BY rowid"));
    RowCursor cursor(rows);
    while (cursor.next()) {
        const int code = rows.value(0).toInt();
        const bool worker = rows.value(1).toInt() != 0;
        const bool hours = rows.value(2).toInt() != 0;
        if (worker && hours)
            summary.workerHours[code] += rows.value(3).toDouble();
        else if (!worker && hours)
            summary.machineHours[code] += rows.value(3).toDouble();
        else if (!worker)
            summary.machineCosts[code] += rows.value(4).toDouble();
    }
    return summary;
}

namespace {

// The register computes each row's quantity per hectare from the quantity itself: TQ holds it
// only as text in the locale of the day it was written. Databases made before the number was
// kept beside the text gain its column here.
void ensureQuantityColumn(Database &db)
{
    const bool present =
        db.scalar(QStringLiteral("SELECT COUNT(*) FROM pragma_table_info('Appoggio Articoli') "
                                 "WHERE name = ?"),
                  {RegisterReport::QuantityColumn})
            .toInt() > 0;
    if (!present)
        db.execute(QStringLiteral("ALTER TABLE [Appoggio Articoli] ADD COLUMN [%1] REAL")
                       .arg(RegisterReport::QuantityColumn));
}

} // namespace

void DataProcessing::PrepareFieldNotebook()
{
    Transaction transaction(m_db);
    m_db.execute(QStringLiteral("DROP TABLE IF EXISTS temp.[Appoggio Articoli]"));
    ensureQuantityColumn(m_db);
    m_db.execute(QStringLiteral("DELETE FROM [Appoggio Articoli]"));
    PreparedStatement insert(
        m_db, QStringLiteral("INSERT INTO [Appoggio Articoli] (Data, [Codice Articolo], Articolo, "
                             "UnMis, TQ, Fase, [Codice Centro], Centro, [Tipo Bolla], RifDoc, "
                             "Avverso, [%1]) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                  .arg(RegisterReport::QuantityColumn));
    forEachRow(
        m_db, QStringLiteral("Articoli su Colture per Quaderno"), QStringLiteral("[DataInit]"),
        QStringLiteral("[DataEnd]"), m_period, [&](const QSqlQuery &row) {
            const QVariant day = row.value(0);
            const QDateTime date = day.typeId() == QMetaType::QDateTime
                                       ? day.toDateTime()
                                       : DbDate::fromText(day.toString());
            const int centre = row.value(6).toInt();
            insert.exec({date.isValid() ? QVariant(DbDate::toText(date)) : QVariant(),
                         row.value(1).toInt(), text(row.value(2)), text(row.value(3)),
                         FormatNumber(row.value(4).toDouble(), false), text(row.value(5)), centre,
                         centre > 0 ? text(row.value(7)) : text(QString()), row.value(8).toInt(),
                         text(row.value(9)), text(row.value(10)), row.value(4).toDouble()});
        });
    transaction.commit();
}
