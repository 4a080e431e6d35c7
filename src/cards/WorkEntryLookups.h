#pragma once

#include "WorkEntry.h"
#include "base/WorkingPeriod.h"

#include <QList>
#include <QStringList>
#include <optional>

class Database;

// The registry lists and lookups of the work editor. Every list of codes starts with "<None>"
// (code 0) and follows with the rows in the order read.
class WorkEntryLookups
{
    Q_DECLARE_TR_FUNCTIONS(WorkEntryLookups)

public:
    struct Entry
    {
        QString text;
        int code = 0;
    };
    using EntryList = QList<Entry>;

    struct Item
    {
        QString unit;
        double unitCost = 0;
    };

    // Which fields the list of the field kind offers.
    enum class FieldYears { All, WorkingPeriod };

    // period: the working period whose years the field list of FieldYears::WorkingPeriod offers.
    WorkEntryLookups(Database &db, const WorkingPeriod &period);

    EntryList workers();
    EntryList operations();
    EntryList machines();
    EntryList centres(int kind, FieldYears years);
    // The items; units collects their distinct units (ignoring letter case) in item order.
    EntryList items(QStringList *units = nullptr);
    // The phases and adversities the movements carry, each once.
    QStringList stages();
    QStringList adversities();

    // The crop centre a field belongs to (0 when there is no such field).
    int centreOfField(int fieldCode);
    std::optional<Item> item(int code);

    // The crop centre and field codes that the cost centre code means under the entry's kind.
    void applyCentreCode(int code, WorkEntry &entry);
    // The value of a quantity of the item, as its unit cost gives it.
    static double valueOf(double quantity, const Item &item) { return quantity * item.unitCost; }
    // Position of the first list entry equal to the unit ignoring case, -1 when none is.
    static int unitIndex(const QStringList &units, const QString &unit);
    // Position of the first entry with the code, 0 ("<None>") when none has it.
    static int indexOfCode(const EntryList &list, int code);

    Database &database() const { return m_db; }
    const WorkingPeriod &period() const { return m_period; }

private:
    EntryList codeList(const QString &sql, const QVariantList &params = {});
    static QStringList sortedTexts(QStringList list);

    Database &m_db;
    WorkingPeriod m_period;
};
