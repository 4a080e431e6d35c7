#pragma once

#include <QDate>
#include <QString>
#include <QVariantList>

class Clock;

// Which production years of the fields the registry shows: a condition on Campi.Anno with its
// bound values, the base of every field lookup of the registry.
struct FieldYearFilter
{
    QString sql;
    QVariantList params;

    // From the working period's settings: the last four characters of DataInit and DataEnd,
    // the current year for a setting that is empty.
    static FieldYearFilter fromSettings(const Clock &clock);
    // From the period's dates; an invalid date counts as the year -1.
    static FieldYearFilter fromDates(const QDate &start, const QDate &end);
    static FieldYearFilter fromYears(int startYear, int endYear);

    // The condition with " AND <condition>" appended, values following in order.
    FieldYearFilter and_(const QString &condition, const QVariantList &values) const;
};
