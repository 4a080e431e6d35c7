#include "WorkStore.h"

#include "base/SinglePrecision.h"
#include "db/Database.h"
#include "db/RowCursor.h"
#include "db/SchemaUpgrade.h"
#include "db/SqlList.h"
#include "db/TreatmentColumns.h"

#include <QSqlQuery>
#include <QStringList>

namespace {

const QString workColumns = QStringLiteral(
    "CodOperaio, OreOrd, OreStr, OreFest, CodOperazione, CodMacch1, CodMacch2, CodMacch3, "
    "[Tipo Centro], CodCentro, CodCampo, IDScheda");
const QString movementColumns = QStringLiteral(
    "CodCentro, CodCampo, [Tipo Centro], [Codice Articolo], [Tipo Bolla], Fase, RifDoc, UniMis, "
    "Quantita, Prezzo, Iva, Note, Avverso");

// What an application records, in columns an older file that can only be read lacks.
QString treatmentColumns()
{
    return QStringLiteral("[%1], [%2], [%3]")
        .arg(TreatmentColumns::TreatedArea, TreatmentColumns::BbchStage,
             TreatmentColumns::ApplicationTime);
}

QVariant textOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

QVariantList workValues(const WorkEntry &e, int cardId)
{
    return {e.workerCode,
            SinglePrecision::rounded(e.regularHours),
            SinglePrecision::rounded(e.overtimeHours),
            SinglePrecision::rounded(e.holidayHours),
            e.operationCode,
            e.machineCodes[0],
            e.machineCodes[1],
            e.machineCodes[2],
            e.centreKind,
            e.centreCode,
            e.fieldCode,
            cardId};
}

QVariantList movementValues(const WorkEntry &e)
{
    return {e.centreCode,
            e.fieldCode,
            e.centreKind,
            e.itemCode,
            e.movementType,
            textOrNull(e.stage),
            textOrNull(e.documentRef),
            textOrNull(e.unit),
            SinglePrecision::rounded(e.quantity),
            e.value,
            SinglePrecision::rounded(e.vat),
            textOrNull(e.note),
            textOrNull(e.adversity)};
}

QVariantList treatmentValues(const WorkEntry &e)
{
    return {e.treatedArea ? QVariant(*e.treatedArea) : QVariant(), textOrNull(e.bbchStage),
            textOrNull(e.applicationTime)};
}

QString assignments(const QString &columns)
{
    return columns.split(QStringLiteral(", ")).join(QStringLiteral(" = ?, ")) +
           QStringLiteral(" = ?");
}

} // namespace

WorkStore::WorkStore(Database &db) : m_db(db) {}

bool WorkStore::keepsTreatments()
{
    return SchemaUpgrade::hasColumn(m_db, TreatmentColumns::MovementsTable,
                                    TreatmentColumns::TreatedArea);
}

QString WorkStore::movementColumnList()
{
    return keepsTreatments() ? movementColumns + QStringLiteral(", ") + treatmentColumns()
                             : movementColumns;
}

QVariantList WorkStore::movementValueList(const WorkEntry &entry)
{
    QVariantList values = movementValues(entry);
    if (keepsTreatments())
        values << treatmentValues(entry);
    return values;
}

int WorkStore::insert(const WorkEntry &entry, int cardId, bool pending)
{
    Transaction transaction(m_db);
    const int workId = m_db.execute(QStringLiteral("INSERT INTO Opere (%1, Aggiornato) VALUES (%2)")
                                        .arg(workColumns, SqlList::placeholders(13)),
                                    workValues(entry, cardId) << (pending ? 0 : 1))
                           .lastInsertId()
                           .toInt();
    insertMovement(workId, entry);
    transaction.commit();
    return workId;
}

void WorkStore::insertMovement(int workId, const WorkEntry &entry)
{
    const QVariantList values = movementValueList(entry) << workId;
    m_db.execute(QStringLiteral("INSERT INTO Magazzino (%1, IDOpera) VALUES (%2)")
                     .arg(movementColumnList(), SqlList::placeholders(int(values.size()))),
                 values);
}

void WorkStore::update(int workId, const WorkEntry &entry, int cardId)
{
    Transaction transaction(m_db);
    m_db.execute(
        QStringLiteral("UPDATE Opere SET %1 WHERE IDOpera = ?").arg(assignments(workColumns)),
        workValues(entry, cardId) << workId);
    const QVariant movementId = m_db.scalar(
        QStringLiteral("SELECT min(IDBolla) FROM Magazzino WHERE IDOpera = ?"), {workId});
    if (movementId.isNull())
        insertMovement(workId, entry);
    else
        m_db.execute(QStringLiteral("UPDATE Magazzino SET %1 WHERE IDBolla = ?")
                         .arg(assignments(movementColumnList())),
                     movementValueList(entry) << movementId);
    transaction.commit();
}

std::optional<WorkStore::Loaded> WorkStore::load(int workId)
{
    QSqlQuery work = m_db.execute(
        QStringLiteral("SELECT %1 FROM Opere WHERE IDOpera = ?").arg(workColumns), {workId});
    if (!RowCursor(work).next())
        return std::nullopt;
    Loaded loaded;
    WorkEntry &e = loaded.entry;
    e.workerCode = work.value(0).toInt();
    e.regularHours = work.value(1).toDouble();
    e.overtimeHours = work.value(2).toDouble();
    e.holidayHours = work.value(3).toDouble();
    e.operationCode = work.value(4).toInt();
    for (int i = 0; i < 3; ++i)
        e.machineCodes[i] = work.value(5 + i).toInt();
    e.centreKind = work.value(8).toInt();
    e.centreCode = work.value(9).toInt();
    e.fieldCode = work.value(10).toInt();

    QSqlQuery movement = m_db.execute(
        QStringLiteral("SELECT %1 FROM Magazzino WHERE IDOpera = ? ORDER BY IDBolla LIMIT 1")
            .arg(movementColumnList()),
        {workId});
    loaded.hasMovement = RowCursor(movement).next();
    if (loaded.hasMovement) {
        e.itemCode = movement.value(3).toInt();
        e.movementType = movement.value(4).toInt();
        e.stage = movement.value(5).toString();
        e.documentRef = movement.value(6).toString();
        e.unit = movement.value(7).toString();
        e.quantity = movement.value(8).toDouble();
        e.value = movement.value(9).toDouble();
        e.vat = movement.value(10).toDouble();
        e.note = movement.value(11).toString();
        e.adversity = movement.value(12).toString();
        if (keepsTreatments()) {
            if (!movement.value(13).isNull())
                e.treatedArea = movement.value(13).toDouble();
            e.bbchStage = movement.value(14).toString();
            e.applicationTime = movement.value(15).toString();
        }
    }
    return loaded;
}

void WorkStore::remove(const QList<int> &workIds)
{
    if (workIds.isEmpty())
        return;
    Transaction transaction(m_db);
    m_db.execute(QStringLiteral("DELETE FROM Magazzino WHERE IDOpera IN (%1)")
                     .arg(SqlList::placeholders(workIds)),
                 SqlList::values(workIds));
    m_db.execute(QStringLiteral("DELETE FROM Opere WHERE IDOpera IN (%1)")
                     .arg(SqlList::placeholders(workIds)),
                 SqlList::values(workIds));
    transaction.commit();
}

int WorkStore::removeAbandoned()
{
    Transaction transaction(m_db);
    m_db.execute(
        QStringLiteral("DELETE FROM Magazzino WHERE IDOpera IN "
                       "(SELECT IDOpera FROM Opere WHERE (IDScheda = 0 OR IDScheda IS NULL))"));
    const int removed =
        m_db.execute(QStringLiteral("DELETE FROM Opere WHERE (IDScheda = 0 OR IDScheda IS NULL)"))
            .numRowsAffected();
    transaction.commit();
    return removed;
}
