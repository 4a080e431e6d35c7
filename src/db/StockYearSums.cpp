#include "StockYearSums.h"

#include "Database.h"
#include "DbException.h"
#include "RowCursor.h"

#include <QMap>
#include <QSet>
#include <iterator>

const QString StockYearSums::SumsTable = QStringLiteral("Scorte Annuali");
const QString StockYearSums::YearsTable = QStringLiteral("Anni Scorte");

namespace {

// The movements of the stock: those of works on a card (pending works count in no stock), with
// an item and a movement type 1 to 5, per item and type. %1 bounds the cards' date texts.
const char *const StockSql =
    "SELECT m.[Codice Articolo], m.[Tipo Bolla], SUM(COALESCE(m.Quantita, 0)) "
    "FROM Scheda AS s INDEXED BY SchedaData "
    "CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda "
    "CROSS JOIN Magazzino AS m INDEXED BY MagazzinoOpera ON m.IDOpera = o.IDOpera "
    "WHERE o.IDScheda <> 0 AND %1 AND m.[Codice Articolo] > 0 AND m.[Tipo Bolla] BETWEEN 1 AND 5 "
    "GROUP BY m.[Codice Articolo], m.[Tipo Bolla]";

// A kept year (a row of %2) whose range of date texts holds the date text %3.
#define HOLDS(date)                                                                                \
    "printf('%04d-01-01', [%2].Anno) <= " date " AND " date " < printf('%04d-01-01', [%2].Anno + " \
    "1)"

// Forgets the kept years of the cards of the works with the given IDOpera condition, of the
// cards with the given IDScheda condition, or of the given date texts.
#define FORGET_WORKS(works)                                                                        \
    "DELETE FROM [%2] WHERE EXISTS (SELECT 1 FROM Opere AS o JOIN Scheda AS s ON s.IDScheda = "    \
    "o.IDScheda WHERE o.IDOpera " works " AND " HOLDS("s.Data") "); END"
#define FORGET_CARDS(cards)                                                                        \
    "DELETE FROM [%2] WHERE EXISTS (SELECT 1 FROM Scheda AS s WHERE s.IDScheda " cards             \
    " AND " HOLDS("s.Data") "); END"

// A year's kept sums hold while nothing that its stock reads changes: a movement, the work it
// belongs to, the card of that work. %1 holds the sums, %2 the years summed.
const char *const Statements[] = {
    "CREATE TABLE IF NOT EXISTS [%1] (Anno INTEGER NOT NULL, Articolo INTEGER NOT NULL, "
    "Tipo INTEGER NOT NULL, Quantita REAL, PRIMARY KEY (Anno, Articolo, Tipo))",
    "CREATE TABLE IF NOT EXISTS [%2] (Anno INTEGER PRIMARY KEY)",
    "CREATE TRIGGER IF NOT EXISTS MagazzinoAggiuntoScorte AFTER INSERT ON Magazzino BEGIN " //
    FORGET_WORKS("= NEW.IDOpera"),
    "CREATE TRIGGER IF NOT EXISTS MagazzinoToltoScorte AFTER DELETE ON Magazzino BEGIN " //
    FORGET_WORKS("= OLD.IDOpera"),
    "CREATE TRIGGER IF NOT EXISTS MagazzinoCambiatoScorte AFTER UPDATE OF IDOpera, "
    "[Codice Articolo], [Tipo Bolla], Quantita ON Magazzino BEGIN " //
    FORGET_WORKS("IN (OLD.IDOpera, NEW.IDOpera)"),
    "CREATE TRIGGER IF NOT EXISTS OperaAggiuntaScorte AFTER INSERT ON Opere WHEN EXISTS "
    "(SELECT 1 FROM Magazzino WHERE IDOpera = NEW.IDOpera) BEGIN " //
    FORGET_CARDS("= NEW.IDScheda"),
    "CREATE TRIGGER IF NOT EXISTS OperaToltaScorte AFTER DELETE ON Opere BEGIN " //
    FORGET_CARDS("= OLD.IDScheda"),
    "CREATE TRIGGER IF NOT EXISTS OperaSpostataScorte AFTER UPDATE OF IDOpera, IDScheda ON Opere "
    "BEGIN " //
    FORGET_CARDS("IN (OLD.IDScheda, NEW.IDScheda)"),
    "CREATE TRIGGER IF NOT EXISTS SchedaAggiuntaScorte AFTER INSERT ON Scheda WHEN EXISTS "
    "(SELECT 1 FROM Opere WHERE IDScheda = NEW.IDScheda) BEGIN DELETE FROM [%2] WHERE " //
    HOLDS("NEW.Data") "; END",
    "CREATE TRIGGER IF NOT EXISTS SchedaToltaScorte AFTER DELETE ON Scheda BEGIN DELETE FROM [%2] "
    "WHERE " HOLDS("OLD.Data") "; END",
    "CREATE TRIGGER IF NOT EXISTS SchedaSpostataScorte AFTER UPDATE OF Data, IDScheda ON Scheda "
    "BEGIN DELETE FROM [%2] WHERE (" HOLDS("OLD.Data") ") OR (" HOLDS("NEW.Data") "); END",
};

#undef FORGET_CARDS
#undef FORGET_WORKS
#undef HOLDS

const char *const Triggers[] = {
    "MagazzinoAggiuntoScorte", "MagazzinoToltoScorte", "MagazzinoCambiatoScorte",
    "OperaAggiuntaScorte",     "OperaToltaScorte",     "OperaSpostataScorte",
    "SchedaAggiuntaScorte",    "SchedaToltaScorte",    "SchedaSpostataScorte"};

QString withTables(const char *statement)
{
    // Replaced by name: printf's patterns are no placeholders.
    return QString::fromLatin1(statement)
        .replace(QStringLiteral("%1"), StockYearSums::SumsTable)
        .replace(QStringLiteral("%2"), StockYearSums::YearsTable);
}

// The first date text of a year, as the cards' dates are written.
QString yearStart(int year)
{
    return QStringLiteral("%1-01-01").arg(year, 4, 10, QLatin1Char('0'));
}

using Sums = QMap<std::pair<int, int>, double>;

void addRows(Sums &sums, QSqlQuery &query)
{
    RowCursor rows(query);
    while (rows.next())
        sums[{query.value(0).toInt(), query.value(1).toInt()}] += query.value(2).toDouble();
}

QList<StockYearSums::Row> rowsOf(const Sums &sums)
{
    QList<StockYearSums::Row> rows;
    for (auto it = sums.cbegin(); it != sums.cend(); ++it)
        rows.append({it.key().first, it.key().second, it.value()});
    return rows;
}

// The stock of the cards dated from `from` (a date text; none: from the first) up to before
// `until`.
void addStraight(Database &db, Sums &sums, const QString &from, const QString &until)
{
    if (from.isNull()) {
        QSqlQuery query =
            db.execute(QString::fromLatin1(StockSql).arg(QStringLiteral("s.Data < ?")), {until});
        addRows(sums, query);
        return;
    }
    QSqlQuery query =
        db.execute(QString::fromLatin1(StockSql).arg(QStringLiteral("s.Data >= ? AND s.Data < ?")),
                   {from, until});
    addRows(sums, query);
}

} // namespace

StockYearSums::StockYearSums(Database &db) : m_db(db) {}

void StockYearSums::keep(Database &db)
{
    if (db.isReadOnly() || !db.tableExists(QStringLiteral("Magazzino")) ||
        !db.tableExists(QStringLiteral("Opere")) || !db.tableExists(QStringLiteral("Scheda")))
        return;
    const bool forgetAll = db.tableExists(YearsTable) && !hasTriggers(db);
    for (const char *statement : Statements)
        db.execute(withTables(statement));
    if (forgetAll)
        forget(db);
}

bool StockYearSums::hasTriggers(Database &db)
{
    QStringList names;
    for (const char *name : Triggers)
        names << QLatin1Char('\'') + QLatin1String(name) + QLatin1Char('\'');
    return db.scalar(QStringLiteral("SELECT COUNT(DISTINCT lower(name)) FROM sqlite_master WHERE "
                                    "type = 'trigger' AND lower(name) IN (%1)")
                         .arg(names.join(QLatin1Char(',')).toLower()))
               .toInt() == int(std::size(Triggers));
}

void StockYearSums::forget(Database &db)
{
    for (const QString &table : {YearsTable, SumsTable})
        if (db.tableExists(table))
            db.execute(QStringLiteral("DELETE FROM [%1]").arg(table));
}

bool StockYearSums::canKeep()
{
    // Without every trigger a change of the movements would leave its year's sums as they were.
    return !m_db.isReadOnly() && m_db.tableExists(SumsTable) && m_db.tableExists(YearsTable) &&
           hasTriggers(m_db);
}

QList<StockYearSums::Row> StockYearSums::readStraight(const QDate &day)
{
    Sums sums;
    addStraight(m_db, sums, {}, day.addDays(1).toString(QStringLiteral("yyyy-MM-dd")));
    return rowsOf(sums);
}

QList<StockYearSums::Row> StockYearSums::read(const QDate &day)
{
    if (!day.isValid() || day.year() < 1 || !canKeep())
        return readStraight(day);
    const int lastYear = day.year();
    const int first = firstYear(lastYear);
    Sums sums;
    // The day's own year, and whatever is dated before the first year summed.
    addStraight(m_db, sums, yearStart(lastYear),
                day.addDays(1).toString(QStringLiteral("yyyy-MM-dd")));
    addStraight(m_db, sums, {}, yearStart(first));
    if (first >= lastYear)
        return rowsOf(sums);

    const QList<int> summed = summedYears(first, lastYear - 1);
    QList<int> missing;
    for (int year = first; year < lastYear; ++year)
        if (!summed.contains(year))
            missing << year;
    if (!missing.isEmpty())
        keepYears(missing);

    // The sums are read with the years they hold for in one statement, which sees the file as
    // it is at one moment: a year another program changed meanwhile is no longer summed, and is
    // read straight from its movements.
    QSet<int> kept;
    {
        QSqlQuery query = m_db.execute(
            QStringLiteral("SELECT y.Anno, k.Articolo, k.Tipo, k.Quantita FROM [%1] AS y LEFT JOIN "
                           "[%2] AS k ON k.Anno = y.Anno WHERE y.Anno BETWEEN ? AND ?")
                .arg(YearsTable, SumsTable),
            {first, lastYear - 1});
        RowCursor rows(query);
        while (rows.next()) {
            kept.insert(query.value(0).toInt());
            if (!query.isNull(1))
                sums[{query.value(1).toInt(), query.value(2).toInt()}] += query.value(3).toDouble();
        }
    }
    for (int year = first; year < lastYear; ++year)
        if (!kept.contains(year))
            addStraight(m_db, sums, yearStart(year), yearStart(year + 1));
    return rowsOf(sums);
}

int StockYearSums::firstYear(int lastYear)
{
    // Date texts from year 1 on; anything sorting before is read straight with the first year.
    const QVariant first = m_db.scalar(
        QStringLiteral("SELECT CAST(substr(MIN(Data), 1, 4) AS INTEGER) FROM Scheda WHERE Data "
                       ">= '0001-01-01'"));
    if (first.isNull())
        return lastYear;
    return qBound(1, first.toInt(), lastYear);
}

QList<int> StockYearSums::summedYears(int firstYear, int lastYear)
{
    QList<int> years;
    QSqlQuery query = m_db.execute(
        QStringLiteral("SELECT Anno FROM [%1] WHERE Anno BETWEEN ? AND ?").arg(YearsTable),
        {firstYear, lastYear});
    RowCursor rows(query);
    while (rows.next())
        years << query.value(0).toInt();
    return years;
}

void StockYearSums::keepYears(const QList<int> &years)
{
    try {
        // All the years in one transaction: one commit, whatever the history holds.
        Transaction transaction(m_db);
        const QString sums =
            QStringLiteral("INSERT INTO [%1] (Anno, Articolo, Tipo, Quantita) SELECT ?, q.* FROM "
                           "(%2) AS q")
                .arg(SumsTable, QString::fromLatin1(StockSql).arg(
                                    QStringLiteral("s.Data >= ? AND s.Data < ?")));
        for (int year : years) {
            m_db.execute(QStringLiteral("DELETE FROM [%1] WHERE Anno = ?").arg(SumsTable), {year});
            m_db.execute(sums, {year, yearStart(year), yearStart(year + 1)});
            m_db.execute(
                QStringLiteral("INSERT OR REPLACE INTO [%1] (Anno) VALUES (?)").arg(YearsTable),
                {year});
        }
        transaction.commit();
    } catch (const DbException &) {
        // Another program holding the file keeps the sums from being written: the years are
        // read straight, and kept another time.
    }
}
