#include "ProcessingWarnings.h"

#include "CodeLookup.h"
#include "TreatmentRecord.h"
#include "base/DomainCodes.h"
#include "base/NumberText.h"
#include "db/Database.h"
#include "db/RowCursor.h"
#include "db/StoredQuery.h"

#include <QHash>
#include <QSet>
#include <map>

namespace {

using Warning = ProcessingWarnings::Warning;
using Kind = ProcessingWarnings::Kind;

const QString StartParameter = QStringLiteral("[Data Iniziale]");
const QString EndParameter = QStringLiteral("[Data Finale]");

// Code to amount, summed over the rows of a processing query, in the order of the codes.
std::map<int, double> sumsOf(Database &db, const QString &name, const WorkingPeriod &period)
{
    StoredQuery stored(db, name);
    stored.setParameter(StartParameter, period.startAt());
    stored.setParameter(EndParameter, period.endAt());
    const QString sql = stored.sql();
    QSqlQuery rows =
        db.execute(sql, {}, {{StartParameter, period.startAt()}, {EndParameter, period.endAt()}});
    std::map<int, double> sums;
    RowCursor cursor(rows);
    while (cursor.next())
        sums[rows.value(0).toInt()] += rows.value(1).toDouble();
    return sums;
}

QSet<int> codesOf(Database &db, const QString &table)
{
    QSet<int> codes;
    QSqlQuery query = db.execute(QStringLiteral("SELECT DISTINCT Codice FROM %1").arg(table));
    RowCursor cursor(query);
    while (cursor.next())
        codes.insert(query.value(0).toInt());
    return codes;
}

QVariantList periodValues(const WorkingPeriod &period)
{
    return {period.startAt(), period.endAt()};
}

void workersWithoutWage(Database &db, const WorkingPeriod &period, QList<Warning> &warnings)
{
    const QHash<int, QVariant> wages = CodeLookup::firstValues(
        db, QStringLiteral("SELECT Codice, Stipendio FROM Operai ORDER BY rowid"));
    const QHash<int, QVariant> names = CodeLookup::firstValues(
        db, QStringLiteral("SELECT Codice, Nome FROM Operai ORDER BY rowid"));
    const std::map<int, double> hours = sumsOf(db, QStringLiteral("Ore Totali Operai"), period);
    for (const auto &[code, worked] : hours) {
        // A code in no registry is listed with the works on unknown codes.
        if (worked > 0 && wages.contains(code) && !(wages.value(code).toDouble() > 0))
            warnings.append(
                {Kind::WorkerWithoutWage, code, names.value(code).toString(), worked, 0});
    }
}

void machinesWithoutHours(Database &db, const WorkingPeriod &period, QList<Warning> &warnings)
{
    const std::map<int, double> hours = sumsOf(db, QStringLiteral("Ore Totali Macchine"), period);
    std::map<int, double> costs;
    for (const QString &name : {QStringLiteral("Costo Macchine da Operai"),
                                QStringLiteral("Costo Macchine da Magazzino")}) {
        for (const auto &[code, cost] : sumsOf(db, name, period))
            costs[code] += cost;
    }
    const QHash<int, QVariant> names = CodeLookup::firstValues(
        db, QStringLiteral("SELECT Codice, Descrizione FROM Centri ORDER BY rowid"));
    for (const auto &[code, cost] : costs) {
        // The hourly rate divides the costs by the hours: without hours nobody bears them.
        const auto ran = hours.find(code);
        if (code > 0 && cost != 0 && (ran == hours.end() || !(ran->second > 0)))
            warnings.append(
                {Kind::MachineWithoutHours, code, names.value(code).toString(), cost, 0});
    }
}

void worksOnUnknownCodes(Database &db, const WorkingPeriod &period, QList<Warning> &warnings)
{
    const QSet<int> workers = codesOf(db, QStringLiteral("Operai"));
    const QSet<int> operations = codesOf(db, QStringLiteral("Operazioni"));
    const QSet<int> centres = codesOf(db, QStringLiteral("Centri"));
    const QSet<int> fields = codesOf(db, QStringLiteral("Campi"));
    std::map<std::pair<Kind, int>, int> unknown;
    const auto check = [&](Kind kind, const QVariant &value, const QSet<int> &registry) {
        const int code = value.toInt();
        if (code > 0 && !registry.contains(code))
            ++unknown[{kind, code}];
    };
    QSqlQuery works = db.execute(
        QStringLiteral("SELECT o.CodOperaio, o.CodOperazione, o.[Tipo Centro], o.CodCentro, "
                       "o.CodCampo, o.CodMacch1, o.CodMacch2, o.CodMacch3 "
                       "FROM Scheda AS s JOIN Opere AS o ON o.IDScheda = s.IDScheda "
                       "WHERE o.IDScheda <> 0 AND s.Data BETWEEN ? AND ?"),
        periodValues(period));
    RowCursor workRows(works);
    while (workRows.next()) {
        check(Kind::UnknownWorker, works.value(0), workers);
        check(Kind::UnknownOperation, works.value(1), operations);
        const int centreKind = works.value(2).toInt();
        if (centreKind >= int(CentreKind::Crop) && centreKind <= int(CentreKind::Other))
            check(Kind::UnknownCentre, works.value(3), centres);
        if (centreKind == int(CentreKind::Field))
            check(Kind::UnknownField, works.value(4), fields);
        for (int machine = 5; machine <= 7; ++machine)
            check(Kind::UnknownMachine, works.value(machine), centres);
    }
    for (const auto &[key, count] : unknown)
        warnings.append({key.first, key.second, QString(), 0, count});
}

void movementsWithoutItem(Database &db, const WorkingPeriod &period, QList<Warning> &warnings)
{
    const QSet<int> items = codesOf(db, QStringLiteral("Articoli"));
    std::map<int, Warning> byCode;
    QSqlQuery movements =
        db.execute(QStringLiteral("SELECT m.[Codice Articolo], m.Prezzo "
                                  "FROM Scheda AS s JOIN Opere AS o ON o.IDScheda = s.IDScheda "
                                  "JOIN Magazzino AS m ON m.IDOpera = o.IDOpera "
                                  "WHERE o.IDScheda <> 0 AND s.Data BETWEEN ? AND ? "
                                  "AND COALESCE(m.Prezzo, 0) <> 0"),
                   periodValues(period));
    RowCursor movementRows(movements);
    while (movementRows.next()) {
        const int code = qMax(0, movements.value(0).toInt());
        if (code > 0 && items.contains(code))
            continue;
        Warning &warning =
            byCode.try_emplace(code, Warning{Kind::MovementWithoutItem, code, {}, 0, 0})
                .first->second;
        warning.amount += movements.value(1).toDouble();
        ++warning.count;
    }
    for (const auto &[code, warning] : byCode)
        warnings.append(warning);
}

// Each application the record of treatments would list as incomplete, with what it lacks.
void incompleteTreatments(Database &db, const WorkingPeriod &period, QList<Warning> &warnings)
{
    for (const TreatmentRecord::Treatment &treatment :
         TreatmentRecord(db, period, {}).incomplete()) {
        Warning warning{Kind::IncompleteTreatment, 0, TreatmentRecord::describeMissing(treatment),
                        0, 1};
        warning.cardId = treatment.cardId;
        warnings.append(warning);
    }
}

} // namespace

QList<ProcessingWarnings::Warning> ProcessingWarnings::find(Database &db,
                                                            const WorkingPeriod &period)
{
    QList<Warning> warnings;
    workersWithoutWage(db, period, warnings);
    machinesWithoutHours(db, period, warnings);
    worksOnUnknownCodes(db, period, warnings);
    movementsWithoutItem(db, period, warnings);
    incompleteTreatments(db, period, warnings);
    return warnings;
}

QString ProcessingWarnings::Warning::text() const
{
    switch (kind) {
    case Kind::WorkerWithoutWage:
        return tr("Worker %1 (%2) has %3 hours and no hourly wage: the hours cost 0.")
            .arg(name)
            .arg(code)
            .arg(FormatNumber(amount, false));
    case Kind::MachineWithoutHours:
        return tr("Machine %1 (%2) has costs of %3 and no running hours: the costs are charged "
                  "to no centre.")
            .arg(name)
            .arg(code)
            .arg(FormatCurrency(amount));
    case Kind::UnknownWorker:
        return tr("%n work(s) on worker code %1, which is in no registry.", nullptr, count)
            .arg(code);
    case Kind::UnknownOperation:
        return tr("%n work(s) on operation code %1, which is in no registry.", nullptr, count)
            .arg(code);
    case Kind::UnknownCentre:
        return tr("%n work(s) on centre code %1, which is in no registry.", nullptr, count)
            .arg(code);
    case Kind::UnknownField:
        return tr("%n work(s) on field code %1, which is in no registry.", nullptr, count)
            .arg(code);
    case Kind::UnknownMachine:
        return tr("%n work(s) with machine code %1, which is in no registry.", nullptr, count)
            .arg(code);
    case Kind::MovementWithoutItem:
        return code > 0 ? tr("%n movement(s) worth %1 on item code %2, which is in no registry.",
                             nullptr, count)
                              .arg(FormatCurrency(amount))
                              .arg(code)
                        : tr("%n movement(s) worth %1 without an item.", nullptr, count)
                              .arg(FormatCurrency(amount));
    case Kind::IncompleteTreatment:
        return tr("Treatment record incomplete: %1").arg(name);
    }
    return {};
}
