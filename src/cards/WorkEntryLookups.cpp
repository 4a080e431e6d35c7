#include "WorkEntryLookups.h"

#include "base/DomainCodes.h"
#include "db/Database.h"
#include "db/MovementTexts.h"
#include "db/RowCursor.h"

#include <QCollator>
#include <QSqlQuery>
#include <algorithm>

namespace {

// Names in the order people look for them: without regard to case and with accented letters
// beside their plain ones, as the user's language sorts them. The engine's own order is by
// character codes.
QCollator nameOrder()
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

void sortByName(WorkEntryLookups::EntryList &list, qsizetype from)
{
    const QCollator collator = nameOrder();
    std::stable_sort(
        list.begin() + from, list.end(),
        [&collator](const WorkEntryLookups::Entry &a, const WorkEntryLookups::Entry &b) {
            return collator.compare(a.text, b.text) < 0;
        });
}

} // namespace

WorkEntryLookups::WorkEntryLookups(Database &db, const WorkingPeriod &period)
    : m_db(db), m_period(period)
{
}

WorkEntryLookups::EntryList WorkEntryLookups::codeList(const QString &sql,
                                                       const QVariantList &params)
{
    EntryList list{{tr("<None>"), 0}};
    QSqlQuery query = m_db.execute(sql, params);
    RowCursor rows(query);
    while (rows.next())
        list.append({query.value(1).toString(), query.value(0).toInt()});
    sortByName(list, 1);
    return list;
}

QStringList WorkEntryLookups::sortedTexts(QStringList list)
{
    const QCollator collator = nameOrder();
    std::stable_sort(list.begin(), list.end(), [&collator](const QString &a, const QString &b) {
        return collator.compare(a, b) < 0;
    });
    return list;
}

WorkEntryLookups::EntryList WorkEntryLookups::workers()
{
    return codeList(QStringLiteral("SELECT Codice, Nome FROM Operai ORDER BY Nome"));
}

WorkEntryLookups::EntryList WorkEntryLookups::operations()
{
    return codeList(
        QStringLiteral("SELECT Codice, Descrizione FROM Operazioni ORDER BY Descrizione"));
}

WorkEntryLookups::EntryList WorkEntryLookups::machines()
{
    return codeList(QStringLiteral(
        "SELECT Codice, Descrizione FROM Centri WHERE Macchina <> 0 ORDER BY Descrizione"));
}

WorkEntryLookups::EntryList WorkEntryLookups::centres(int kind, FieldYears years)
{
    switch (CentreKind(kind)) {
    case CentreKind::Crop:
        return codeList(QStringLiteral("SELECT Codice, Descrizione FROM Centri WHERE Macchina = 0 "
                                       "AND Campo <> 0 ORDER BY Descrizione"));
    case CentreKind::Field:
        if (years == FieldYears::All)
            return codeList(
                QStringLiteral("SELECT Codice, Descrizione FROM Campi ORDER BY Descrizione"));
        return codeList(
            QStringLiteral("SELECT Codice, Descrizione FROM Campi WHERE Anno BETWEEN ? AND ? "
                           "ORDER BY Descrizione"),
            {m_period.start.year(), m_period.end.year()});
    case CentreKind::Machine:
        return codeList(QStringLiteral("SELECT Codice, Descrizione FROM Centri WHERE Macchina <> 0 "
                                       "AND Campo = 0 ORDER BY Descrizione"));
    case CentreKind::Other:
        return codeList(QStringLiteral("SELECT Codice, Descrizione FROM Centri WHERE Macchina = 0 "
                                       "AND Campo = 0 ORDER BY Descrizione"));
    case CentreKind::None:
        break;
    }
    return {{tr("<None>"), 0}};
}

WorkEntryLookups::EntryList WorkEntryLookups::items(QStringList *units)
{
    EntryList list{{tr("<None>"), 0}};
    QSqlQuery query = m_db.execute(
        QStringLiteral("SELECT Codice, Descrizione, UnMis FROM Articoli ORDER BY Descrizione"));
    RowCursor rows(query);
    while (rows.next()) {
        list.append({query.value(1).toString(), query.value(0).toInt()});
        const QString unit = query.value(2).toString();
        if (units && !query.value(2).isNull() && unitIndex(*units, unit) < 0)
            units->append(unit);
    }
    sortByName(list, 1);
    return list;
}

QStringList WorkEntryLookups::stages()
{
    return sortedTexts(MovementTexts::distinct(m_db, MovementTexts::Column::Phase));
}

QStringList WorkEntryLookups::adversities()
{
    return sortedTexts(MovementTexts::distinct(m_db, MovementTexts::Column::Adversity));
}

int WorkEntryLookups::centreOfField(int fieldCode)
{
    return m_db
        .scalar(QStringLiteral("SELECT Centro FROM Campi WHERE Codice = ? ORDER BY rowid LIMIT 1"),
                {fieldCode})
        .toInt();
}

std::optional<WorkEntryLookups::Item> WorkEntryLookups::item(int code)
{
    QSqlQuery query =
        m_db.execute(QStringLiteral("SELECT UnMis, [Costo Unitario] FROM Articoli WHERE Codice = ? "
                                    "ORDER BY rowid LIMIT 1"),
                     {code});
    if (!RowCursor(query).next())
        return std::nullopt;
    return Item{query.value(0).toString(), query.value(1).toDouble()};
}

void WorkEntryLookups::applyCentreCode(int code, WorkEntry &entry)
{
    if (entry.centreKind <= 0)
        return;
    if (entry.centreKind == WorkEntry::FieldKind) {
        entry.centreCode = centreOfField(code);
        entry.fieldCode = code;
    } else {
        entry.centreCode = code;
        entry.fieldCode = 0;
    }
}

int WorkEntryLookups::unitIndex(const QStringList &units, const QString &unit)
{
    for (int i = 0; i < units.size(); ++i)
        if (units[i].compare(unit, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int WorkEntryLookups::indexOfCode(const EntryList &list, int code)
{
    for (int i = 0; i < list.size(); ++i)
        if (list[i].code == code)
            return i;
    return 0;
}
