#include "DataProcessing.h"

#include "RegisterReport.h"
#include "base/NumberText.h"
#include "base/Progress.h"
#include "db/Database.h"
#include "db/DbDate.h"
#include "db/PreparedStatement.h"
#include "db/StoredQuery.h"

#include <QHash>
#include <vector>

namespace {

const QString StartParameter = QStringLiteral("[Data Iniziale]");
const QString EndParameter = QStringLiteral("[Data Finale]");

// Runs a stored query over the period and hands each of its rows to visit. The stored query
// checks the name and the parameters; the rows are then read straight from the engine in one
// pass front to back, the same rows the record set would give, because walking a record set
// of thousands of rows cost seconds where the whole run takes a fraction of one.
template <typename Visit>
void forEachRow(Database &db, const QString &name, const QString &startParameter,
                const QString &endParameter, const WorkingPeriod &period, Visit visit)
{
    StoredQuery stored(db, name);
    stored.setParameter(startParameter, period.startAt());
    stored.setParameter(endParameter, period.endAt());
    const QString sql =
        db.scalar(QStringLiteral("SELECT Sql FROM QueryDefs WHERE Name = ?"), {name}).toString();
    QSqlQuery rows =
        db.execute(sql, {}, {{startParameter, period.startAt()}, {endParameter, period.endAt()}});
    while (rows.next())
        visit(std::as_const(rows));
}

template <typename Visit>
void forEachTotalsRow(Database &db, const QString &name, const WorkingPeriod &period, Visit visit)
{
    forEachRow(db, name, StartParameter, EndParameter, period, visit);
}

// Code to the value of its first row, as a find-first on the registry table would give.
QHash<int, QVariant> firstValues(Database &db, const QString &sql)
{
    QHash<int, QVariant> values;
    QSqlQuery query = db.execute(sql);
    while (query.next()) {
        const int code = query.value(0).toInt();
        if (!values.contains(code))
            values.insert(code, query.value(1));
    }
    return values;
}

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

// Hours and quantities are kept in single precision.
double single(double value)
{
    return double(float(value));
}

// Appends rows to Riepilogo: an hours row or a money row of a worker or a machine.
class SummaryRows
{
public:
    explicit SummaryRows(Database &db)
        : m_insert(db, QStringLiteral(
                           "INSERT INTO Riepilogo (Codice, CosRic, OpeMac, OreSol, Ore, Soldi) "
                           "VALUES (?, 1, ?, ?, ?, ?)"))
    {
    }

    void append(int code, bool worker, bool hoursRow, double amount)
    {
        m_insert.exec({code, worker ? 1 : 0, hoursRow ? 1 : 0,
                       hoursRow ? QVariant(single(amount)) : QVariant(),
                       hoursRow ? QVariant() : QVariant(amount)});
    }

private:
    PreparedStatement m_insert;
};

struct TotalsRow
{
    int centre = 0;
    int code = 0;
    int operation = 0;
    double amount = 0;
    QString description;
    bool worker = false;
    double hours = 0;
    bool cost = true;
};

// Appends worker and machine rows to Totali or [Totali Campi].
class TotalsRows
{
public:
    TotalsRows(Database &db, const QString &table)
        : m_insert(db, QStringLiteral(
                           "INSERT INTO %1 (CodCentro, Codice, CodOperazione, CosRic, Descrizione, "
                           "OpeMac, OreQua, Tipo) VALUES (?, ?, ?, ?, ?, ?, ?, ?)")
                           .arg(table))
    {
    }

    void append(const TotalsRow &row)
    {
        m_insert.exec({row.centre, row.code, row.operation, row.amount, row.description,
                       row.worker ? 1 : 0, single(row.hours), row.cost ? 1 : 0});
    }

private:
    PreparedStatement m_insert;
};

// Warehouse totals of one table. Movements of the same item on the same centre (or field)
// with the same cost/revenue side add up into one row; they never merge into a worker or
// machine row, whatever its operation code.
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
            row.quantity = single(row.quantity + quantity);
            row.value += value;
            return;
        }
        m_index.insert(key, int(m_rows.size()));
        m_rows.push_back({centre, item, cost, value, single(quantity), description, phase});
    }

    void write(Database &db, const QString &table, bool withPhase) const
    {
        const QString sql =
            withPhase
                ? QStringLiteral("INSERT INTO %1 (CodCentro, OreQua, Tipo, Descrizione, "
                                 "CodOperazione, CosRic, Codice, Fase) "
                                 "VALUES (?, ?, ?, ?, ?, ?, -1, ?)")
                : QStringLiteral("INSERT INTO %1 (CodCentro, OreQua, Tipo, Descrizione, "
                                 "CodOperazione, CosRic, Codice) VALUES (?, ?, ?, ?, ?, ?, -1)");
        PreparedStatement insert(db, sql.arg(table));
        for (const Row &row : m_rows) {
            QVariantList values{row.centre,      row.quantity, row.cost ? 1 : 0,
                                row.description, row.item,     row.value};
            if (withPhase)
                values << row.phase;
            insert.exec(values);
        }
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
    m_db.execute(QStringLiteral("DELETE FROM Riepilogo"));
    m_db.execute(QStringLiteral("DELETE FROM Totali"));
    m_db.execute(QStringLiteral("DELETE FROM [Totali Campi]"));

    phase(QT_TR_NOOP("Phase (1) : Importing data..."), 5);
    phase(QT_TR_NOOP("Phase (1) : Calculating hours and workers costs..."), 20);
    SummaryRows summary(m_db);
    TotalsRows centreTotals(m_db, QStringLiteral("Totali"));
    TotalsRows fieldTotals(m_db, QStringLiteral("[Totali Campi]"));
    const QHash<int, QVariant> wages =
        firstValues(m_db, QStringLiteral("SELECT Codice, Stipendio FROM Operai ORDER BY rowid"));
    forEachTotalsRow(
        m_db, QStringLiteral("Ore Totali Operai"), m_period, [&](const QSqlQuery &row) {
            const int code = row.value(0).toInt();
            // The wage applies to the hours as they are kept, in single precision.
            const float hours = float(row.value(1).toDouble());
            summary.append(code, true, true, hours);
            summary.append(code, true, false, double(hours) * wages.value(code).toDouble());
        });

    phase(QT_TR_NOOP("Phase (1) : Calculating total hours machines..."), 30);
    forEachTotalsRow(m_db, QStringLiteral("Ore Totali Macchine"), m_period,
                     [&](const QSqlQuery &row) {
                         summary.append(row.value(0).toInt(), false, true, row.value(1).toDouble());
                     });

    phase(QT_TR_NOOP("Phase (1) : Calculating total costs machines..."), 25);
    for (const QString &name : {QStringLiteral("Costo Macchine da Operai"),
                                QStringLiteral("Costo Macchine da Magazzino")}) {
        forEachTotalsRow(m_db, name, m_period, [&](const QSqlQuery &row) {
            summary.append(row.value(0).toInt(), false, false, row.value(1).toDouble());
        });
    }

    phase(QT_TR_NOOP("Phase (1) : Calculating workers operations..."), 40);
    const QHash<int, QVariant> workers =
        firstValues(m_db, QStringLiteral("SELECT Codice, Nome FROM Operai ORDER BY rowid"));
    const auto workerRows = [&](const QString &query, TotalsRows &totals) {
        forEachTotalsRow(m_db, query, m_period, [&](const QSqlQuery &row) {
            const int worker = row.value(0).toInt();
            totals.append({row.value(1).toInt(), worker, row.value(2).toInt(),
                           row.value(4).toDouble(), nameOf(workers, worker), true,
                           row.value(3).toDouble(), true});
        });
    };
    workerRows(QStringLiteral("Costo Operai su Centri"), centreTotals);
    workerRows(QStringLiteral("Costo Operai su Campi"), fieldTotals);

    phase(QT_TR_NOOP("Phase (1) : Calculating machines operations..."), 50);
    const QHash<int, QVariant> centres =
        firstValues(m_db, QStringLiteral("SELECT Codice, Descrizione FROM Centri ORDER BY rowid"));
    // Machine use costs the centre that used the machine and is the machine's own revenue.
    forEachTotalsRow(m_db, QStringLiteral("Costo Macchine su Centri"), m_period,
                     [&](const QSqlQuery &row) {
                         const int machine = row.value(0).toInt();
                         const int centre = row.value(1).toInt();
                         const int operation = row.value(2).toInt();
                         const double hours = row.value(3).toDouble();
                         const double amount = row.value(4).toDouble();
                         centreTotals.append({centre, machine, operation, amount,
                                              nameOf(centres, machine), false, hours, true});
                         centreTotals.append({machine, centre, operation, amount,
                                              nameOf(centres, centre), false, hours, false});
                     });
    forEachTotalsRow(m_db, QStringLiteral("Costo Macchine su Campi"), m_period,
                     [&](const QSqlQuery &row) {
                         const int machine = row.value(0).toInt();
                         fieldTotals.append({row.value(1).toInt(), machine, row.value(2).toInt(),
                                             row.value(4).toDouble(), nameOf(centres, machine),
                                             false, row.value(3).toDouble(), true});
                     });

    phase(QT_TR_NOOP("Phase (1) : Warehouse processing..."), 75);
    const QHash<int, QVariant> items = firstValues(
        m_db, QStringLiteral("SELECT Codice, Descrizione FROM Articoli ORDER BY rowid"));
    StockTotals centreStock;
    forEachTotalsRow(m_db, QStringLiteral("Costo e Ricavo da Magazzino"), m_period,
                     [&](const QSqlQuery &row) {
                         const int item = row.value(0).toInt();
                         centreStock.add(row.value(1).toInt(), item, row.value(2).toInt(),
                                         row.value(3).toDouble(), row.value(4).toDouble(),
                                         nameOf(items, item), QString());
                     });
    centreStock.write(m_db, QStringLiteral("Totali"), false);
    StockTotals fieldStock;
    forEachTotalsRow(m_db, QStringLiteral("Costo e Ricavo da Magazzino Campi"), m_period,
                     [&](const QSqlQuery &row) {
                         const int item = row.value(0).toInt();
                         fieldStock.add(row.value(1).toInt(), item, row.value(2).toInt(),
                                        row.value(3).toDouble(), row.value(4).toDouble(),
                                        nameOf(items, item), text(row.value(5)));
                     });
    fieldStock.write(m_db, QStringLiteral("[Totali Campi]"), true);

    transaction.commit();
    phase(QT_TR_NOOP("Phase (1) : Closing archives..."), 100);
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
