#include "WorkListQuery.h"

#include "db/Database.h"
#include "db/RowCursor.h"
#include "db/SqlList.h"

#include <QDate>
#include <QSqlQuery>

namespace {

// Registry lookups take the first row of the code, in the table's own order.
const QString statement = QStringLiteral(R"(
SELECT o.IDOpera, o.OreOrd, o.OreFest, o.OreStr, o.[Tipo Centro],
       w.Codice, w.Nome, w.Rapporto,
       CASE WHEN o.[Tipo Centro] = 2 THEN f.Codice ELSE c.Codice END,
       CASE WHEN o.[Tipo Centro] = 2 THEN f.Descrizione ELSE c.Descrizione END,
       m.IDBolla, m.[Codice Articolo], m.[Tipo Bolla], m.Fase, m.UniMis, m.Quantita, m.Prezzo,
       m.Iva, m.RifDoc,
       a.Codice, a.Descrizione, a.[Stampa Quaderno],
       p.Codice, p.Descrizione,
       m1.Codice, m1.Descrizione, m2.Codice, m2.Descrizione, m3.Codice, m3.Descrizione
FROM Opere o
LEFT JOIN Operai w ON w.rowid =
    (SELECT rowid FROM Operai WHERE Codice = o.CodOperaio ORDER BY rowid LIMIT 1)
LEFT JOIN Centri c ON c.rowid =
    (SELECT rowid FROM Centri WHERE Codice = o.CodCentro AND (
        (o.[Tipo Centro] = 1 AND Campo <> 0 AND Macchina = 0) OR
        (o.[Tipo Centro] = 3 AND Macchina <> 0) OR
        (o.[Tipo Centro] = 4 AND Campo = 0 AND Macchina = 0))
     ORDER BY rowid LIMIT 1)
LEFT JOIN Campi f ON o.[Tipo Centro] = 2 AND f.rowid =
    (SELECT rowid FROM Campi WHERE Codice = o.CodCampo AND Anno BETWEEN ? AND ?
     ORDER BY rowid LIMIT 1)
LEFT JOIN Magazzino m ON m.IDBolla =
    (SELECT min(IDBolla) FROM Magazzino WHERE IDOpera = o.IDOpera)
LEFT JOIN Articoli a ON a.rowid =
    (SELECT rowid FROM Articoli WHERE Codice = m.[Codice Articolo] ORDER BY rowid LIMIT 1)
LEFT JOIN Operazioni p ON p.rowid =
    (SELECT rowid FROM Operazioni WHERE Codice = o.CodOperazione ORDER BY rowid LIMIT 1)
LEFT JOIN Centri m1 ON m1.rowid =
    (SELECT rowid FROM Centri WHERE Macchina <> 0 AND Codice = o.CodMacch1 ORDER BY rowid LIMIT 1)
LEFT JOIN Centri m2 ON m2.rowid =
    (SELECT rowid FROM Centri WHERE Macchina <> 0 AND Codice = o.CodMacch2 ORDER BY rowid LIMIT 1)
LEFT JOIN Centri m3 ON m3.rowid =
    (SELECT rowid FROM Centri WHERE Macchina <> 0 AND Codice = o.CodMacch3 ORDER BY rowid LIMIT 1)
WHERE %1
ORDER BY o.IDOpera)");

enum Position {
    IDOpera,
    OreOrd,
    OreFest,
    OreStr,
    TipoCentro,
    WorkerCode,
    WorkerName,
    WorkerRapporto,
    CentreCode,
    CentreName,
    MovementId,
    ItemCode,
    MovementType,
    Stage,
    Unit,
    Quantity,
    Value,
    Vat,
    DocumentRef,
    ArticleCode,
    ArticleName,
    ArticleNotebook,
    OperationCode,
    OperationName,
    Machine1Code,
    Machine1Name
};

std::optional<WorkListRow::Named> named(const QSqlQuery &query, int codePosition)
{
    if (query.value(codePosition).isNull())
        return std::nullopt;
    return WorkListRow::Named{query.value(codePosition).toInt(),
                              query.value(codePosition + 1).toString()};
}

} // namespace

WorkListQuery::WorkListQuery(Database &db, int firstYear, int lastYear)
    : m_db(db), m_firstYear(firstYear), m_lastYear(lastYear)
{
}

WorkListQuery::WorkListQuery(Database &db, const WorkingPeriod &period)
    : WorkListQuery(db, period.start.year(), period.end.year())
{
}

QList<WorkListRow::Data> WorkListQuery::worksOfCard(int cardId)
{
    return run(QStringLiteral("o.IDScheda = ?"), {cardId});
}

std::optional<WorkListRow::Data> WorkListQuery::work(int workId)
{
    const QList<WorkListRow::Data> rows = run(QStringLiteral("o.IDOpera = ?"), {workId});
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first();
}

QList<WorkListRow::Data> WorkListQuery::works(const QList<int> &workIds)
{
    if (workIds.isEmpty())
        return {};
    return run(QStringLiteral("o.IDOpera IN (%1)").arg(SqlList::placeholders(workIds)),
               SqlList::values(workIds));
}

QList<WorkListRow::Data> WorkListQuery::run(const QString &condition, const QVariantList &params)
{
    QSqlQuery query =
        m_db.execute(statement.arg(condition), QVariantList{m_firstYear, m_lastYear} + params);
    QList<WorkListRow::Data> rows;
    RowCursor cursor(query);
    while (cursor.next())
        rows << read(query);
    return rows;
}

WorkListRow::Data WorkListQuery::read(const QSqlQuery &query)
{
    WorkListRow::Data data;
    data.workId = query.value(IDOpera).toInt();
    data.regularHours = query.value(OreOrd).toDouble();
    data.festiveHours = query.value(OreFest).toDouble();
    data.overtime = query.value(OreStr).toDouble();
    data.centreKind = query.value(TipoCentro).toInt();
    data.worker = named(query, WorkerCode);
    data.seasonalWorker = query.value(WorkerRapporto).toInt() != 0;
    data.centre = named(query, CentreCode);
    if (!query.value(MovementId).isNull()) {
        WorkListRow::Movement movement;
        movement.itemCode = query.value(ItemCode).toInt();
        movement.type = query.value(MovementType).toInt();
        movement.stage = query.value(Stage).toString();
        movement.unit = query.value(Unit).toString();
        movement.quantity = query.value(Quantity).toDouble();
        movement.value = query.value(Value).toDouble();
        movement.vat = query.value(Vat).toDouble();
        movement.documentRef = query.value(DocumentRef).toString();
        data.movement = movement;
        data.item = named(query, ArticleCode);
        data.notebookItem = query.value(ArticleNotebook).toInt() != 0;
    }
    data.operation = named(query, OperationCode);
    for (int i = 0; i < 3; ++i)
        data.machines[i] = named(query, Machine1Code + 2 * i);
    return data;
}
