#include "MovementTexts.h"

#include "Database.h"
#include "RowCursor.h"

namespace {

struct ColumnIndex
{
    const char *column;
    const char *index;
};

ColumnIndex indexOf(MovementTexts::Column column)
{
    return column == MovementTexts::Column::Phase ? ColumnIndex{"Fase", "MagazzinoFase"}
                                                  : ColumnIndex{"Avverso", "MagazzinoAvverso"};
}

QStringList textsOf(QSqlQuery &query)
{
    QStringList texts;
    RowCursor rows(query);
    while (rows.next())
        texts << query.value(0).toString();
    return texts;
}

} // namespace

QStringList MovementTexts::distinct(Database &db, Column column)
{
    if (!hasIndex(db, column))
        return scanned(db, column);
    const ColumnIndex c = indexOf(column);
    // Each step seeks the next greater value in the index: one step per distinct text.
    QSqlQuery query = db.execute(
        QStringLiteral("WITH RECURSIVE v(x) AS (SELECT MIN([%1]) FROM Magazzino INDEXED BY [%2] "
                       "UNION ALL SELECT (SELECT MIN([%1]) FROM Magazzino INDEXED BY [%2] WHERE "
                       "[%1] > v.x) FROM v WHERE v.x IS NOT NULL) SELECT x FROM v WHERE x IS NOT "
                       "NULL")
            .arg(QLatin1String(c.column), QLatin1String(c.index)));
    return textsOf(query);
}

QStringList MovementTexts::scanned(Database &db, Column column)
{
    QSqlQuery query = db.execute(QStringLiteral("SELECT [%1] FROM Magazzino GROUP BY [%1] HAVING "
                                                "[%1] IS NOT NULL ORDER BY [%1]")
                                     .arg(QLatin1String(indexOf(column).column)));
    return textsOf(query);
}

void MovementTexts::keep(Database &db)
{
    if (db.isReadOnly() || !db.tableExists(QStringLiteral("Magazzino")))
        return;
    for (const Column column : {Column::Phase, Column::Adversity}) {
        const ColumnIndex c = indexOf(column);
        db.execute(QStringLiteral("CREATE INDEX IF NOT EXISTS [%1] ON Magazzino ([%2])")
                       .arg(QLatin1String(c.index), QLatin1String(c.column)));
    }
}

bool MovementTexts::hasIndex(Database &db, Column column)
{
    // Only an index of exactly this column, as the program makes it, steps through the values.
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND "
                                    "name = ? COLLATE NOCASE AND tbl_name = 'Magazzino' COLLATE "
                                    "NOCASE AND sql = ?"),
                     {QString::fromLatin1(indexOf(column).index),
                      QStringLiteral("CREATE INDEX [%1] ON Magazzino ([%2])")
                          .arg(QLatin1String(indexOf(column).index),
                               QLatin1String(indexOf(column).column))})
               .toInt() > 0;
}
