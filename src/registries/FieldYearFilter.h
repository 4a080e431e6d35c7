#pragma once

#include <QDate>
#include <QString>
#include <QVariantList>

// Which production years of the fields the registry shows: a condition on Campi.Anno with its
// bound values, the base of every field lookup of the registry.
struct FieldYearFilter
{
    QString sql;
    QVariantList params;

    // The years of the working period's first and last day; an invalid date counts as the
    // year -1.
    static FieldYearFilter fromDates(const QDate &start, const QDate &end);
    static FieldYearFilter fromYears(int startYear, int endYear);

    // The condition with " AND <condition>" appended, values following in order.
    FieldYearFilter and_(const QString &condition, const QVariantList &values) const;
};
