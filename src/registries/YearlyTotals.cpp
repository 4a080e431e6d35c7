#include "YearlyTotals.h"

#include "db/Database.h"
#include "db/DbException.h"
#include "db/ForwardCursor.h"
#include "db/PreparedStatement.h"
#include "db/RowCursor.h"
#include "db/SchemaUpgrade.h"
#include "db/StoredQuery.h"

#include <QMap>

namespace {

WorkingPeriod wholeYear(int year)
{
    return {QDate(year, 1, 1), QDate(year, 12, 31)};
}

void add(QMap<int, YearlyTotals::Row> &sums, const YearlyTotals::Row &row)
{
    YearlyTotals::Row &sum = sums[row.code];
    sum.code = row.code;
    sum.regular += row.regular;
    sum.overtime += row.overtime;
    sum.holiday += row.holiday;
    sum.total += row.total;
}

void add(QMap<int, YearlyTotals::Row> &sums, const QList<YearlyTotals::Row> &rows)
{
    for (const YearlyTotals::Row &row : rows)
        add(sums, row);
}

// The query's other parameters as one text, the same for the same values in any order.
QString parametersOf(const QVariantMap &more)
{
    QStringList pairs;
    for (auto it = more.cbegin(); it != more.cend(); ++it)
        pairs << it.key() + QLatin1Char('=') + it.value().toString();
    // Never a null text, which the engine would store as NULL.
    return pairs.isEmpty() ? QStringLiteral("-") : pairs.join(QLatin1Char(';'));
}

} // namespace

YearlyTotals::YearlyTotals(Database &db, QString query, QString startName, QString endName,
                           QVariantMap more)
    : m_db(db), m_query(std::move(query)), m_startName(std::move(startName)),
      m_endName(std::move(endName)), m_more(std::move(more)), m_parameters(parametersOf(m_more))
{
}

QList<YearlyTotals::Row> YearlyTotals::read(const WorkingPeriod &period)
{
    if (!period.start.isValid() || !period.end.isValid() || period.end < period.start || !canKeep())
        return readStraight(period);
    QMap<int, Row> sums;
    int firstWhole = period.start.year();
    int lastWhole = period.end.year();
    // The partial years at the ends are read straight from the query.
    if (period.start != QDate(firstWhole, 1, 1)) {
        add(sums, queryRows({period.start, qMin(period.end, QDate(firstWhole, 12, 31))}));
        ++firstWhole;
    }
    if (lastWhole >= firstWhole && period.end != QDate(lastWhole, 12, 31)) {
        add(sums, queryRows({QDate(lastWhole, 1, 1), period.end}));
        --lastWhole;
    }
    if (firstWhole <= lastWhole)
        add(sums, keptRows(firstWhole, lastWhole));
    return sums.values();
}

QList<YearlyTotals::Row> YearlyTotals::readStraight(const WorkingPeriod &period)
{
    return queryRows(period);
}

bool YearlyTotals::canKeep()
{
    // Without every trigger a change of the works would leave its year's sums as they were.
    return !m_db.isReadOnly() && m_db.tableExists(SchemaUpgrade::YearSumsTable) &&
           m_db.tableExists(SchemaUpgrade::SummedYearsTable) &&
           SchemaUpgrade::hasYearSumTriggers(m_db);
}

QList<YearlyTotals::Row> YearlyTotals::queryRows(const WorkingPeriod &period)
{
    StoredQuery query(m_db, m_query);
    for (auto it = m_more.cbegin(); it != m_more.cend(); ++it)
        query.setParameter(it.key(), it.value());
    query.setParameter(m_startName, period.startAt());
    query.setParameter(m_endName, period.endAt());
    QList<Row> rows;
    for (const auto cursor = query.openCursor(); !cursor->isEOF(); cursor->moveNext())
        rows.append({cursor->value(0).toInt(), cursor->value(2).toDouble(),
                     cursor->value(3).toDouble(), cursor->value(4).toDouble(),
                     cursor->value(5).toDouble()});
    return rows;
}

void YearlyTotals::keepYear(int year)
{
    Transaction transaction(m_db);
    // Forgetting the year first claims the file for writing before its works are read: another
    // program's change of them waits for this transaction, and makes the year be summed again.
    m_db.execute(QStringLiteral("DELETE FROM [%1] WHERE Lista = ? AND Parametri = ? AND Anno = ?")
                     .arg(SchemaUpgrade::SummedYearsTable),
                 {m_query, m_parameters, year});
    m_db.execute(QStringLiteral("DELETE FROM [%1] WHERE Lista = ? AND Parametri = ? AND Anno = ?")
                     .arg(SchemaUpgrade::YearSumsTable),
                 {m_query, m_parameters, year});
    const QList<Row> rows = queryRows(wholeYear(year));
    if (m_yearRead)
        m_yearRead(year);
    PreparedStatement insert(m_db, QStringLiteral("INSERT INTO [%1] (Lista, Parametri, Anno, "
                                                  "Codice, OreOrd, OreStr, OreFest, Totale) "
                                                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?)")
                                       .arg(SchemaUpgrade::YearSumsTable));
    for (const Row &row : rows)
        insert.exec({m_query, m_parameters, year, row.code, row.regular, row.overtime, row.holiday,
                     row.total});
    m_db.execute(QStringLiteral("INSERT INTO [%1] (Lista, Parametri, Anno) VALUES (?, ?, ?)")
                     .arg(SchemaUpgrade::SummedYearsTable),
                 {m_query, m_parameters, year});
    transaction.commit();
}

QSet<int> YearlyTotals::summedYears(int firstYear, int lastYear)
{
    QSet<int> years;
    QSqlQuery query = m_db.execute(
        QStringLiteral("SELECT Anno FROM [%1] WHERE Lista = ? AND Parametri = ? AND Anno "
                       "BETWEEN ? AND ?")
            .arg(SchemaUpgrade::SummedYearsTable),
        {m_query, m_parameters, firstYear, lastYear});
    RowCursor rows(query);
    while (rows.next())
        years.insert(query.value(0).toInt());
    return years;
}

QList<YearlyTotals::Row> YearlyTotals::keptRows(int firstYear, int lastYear)
{
    const QSet<int> kept = summedYears(firstYear, lastYear);
    QList<int> missing;
    for (int year = firstYear; year <= lastYear; ++year)
        if (!kept.contains(year))
            missing << year;
    if (!missing.isEmpty()) {
        try {
            // Every missing year in one transaction: one commit, whatever the period holds.
            Transaction keeping(m_db);
            for (int year : std::as_const(missing))
                keepYear(year);
            keeping.commit();
        } catch (const DbException &) {
            // Another program holding the file keeps the sums from being written: the years
            // are read straight below, and kept another time.
        }
    }
    // The sums are read with the years they hold for in one statement, which sees the file as
    // it is at one moment: a year another program changed meanwhile is no longer summed, and is
    // read straight from its works.
    QMap<int, Row> sums;
    QSet<int> summed;
    {
        QSqlQuery rows = m_db.execute(
            QStringLiteral("SELECT y.Anno, k.Codice, k.OreOrd, k.OreStr, k.OreFest, k.Totale "
                           "FROM [%1] AS y LEFT JOIN [%2] AS k ON k.Lista = y.Lista AND "
                           "k.Parametri = y.Parametri AND k.Anno = y.Anno "
                           "WHERE y.Lista = ? AND y.Parametri = ? AND y.Anno BETWEEN ? AND ?")
                .arg(SchemaUpgrade::SummedYearsTable, SchemaUpgrade::YearSumsTable),
            {m_query, m_parameters, firstYear, lastYear});
        RowCursor cursor(rows);
        while (cursor.next()) {
            summed.insert(rows.value(0).toInt());
            if (!rows.isNull(1))
                add(sums,
                    {rows.value(1).toInt(), rows.value(2).toDouble(), rows.value(3).toDouble(),
                     rows.value(4).toDouble(), rows.value(5).toDouble()});
        }
    }
    for (int year = firstYear; year <= lastYear; ++year)
        if (!summed.contains(year))
            add(sums, queryRows(wholeYear(year)));
    return sums.values();
}
