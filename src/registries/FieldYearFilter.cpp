#include "FieldYearFilter.h"

FieldYearFilter FieldYearFilter::fromDates(const QDate &start, const QDate &end)
{
    return fromYears(start.isValid() ? start.year() : -1, end.isValid() ? end.year() : -1);
}

FieldYearFilter FieldYearFilter::fromYears(int startYear, int endYear)
{
    if (startYear == endYear)
        return {QStringLiteral("Anno = ?"), {endYear}};
    return {QStringLiteral("Anno BETWEEN ? AND ?"), {startYear, endYear}};
}

FieldYearFilter FieldYearFilter::and_(const QString &condition, const QVariantList &values) const
{
    return {QStringLiteral("(%1) AND %2").arg(sql, condition), params + values};
}
