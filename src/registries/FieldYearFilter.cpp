#include "FieldYearFilter.h"

#include "base/Clock.h"
#include "base/SettingsStore.h"

namespace {

int yearOfSetting(const QString &name, const Clock &clock)
{
    const QString text = SettingsStore::readString(SettingsStore::Settings, name, QString());
    if (text.isEmpty())
        return clock.now().date().year();
    bool ok = false;
    const int year = text.right(4).toInt(&ok);
    return ok ? year : -1;
}

} // namespace

SettingsYears SettingsYears::read(const Clock &clock)
{
    return {yearOfSetting(QStringLiteral("DataInit"), clock),
            yearOfSetting(QStringLiteral("DataEnd"), clock)};
}

FieldYearFilter FieldYearFilter::fromSettings(const Clock &clock)
{
    const SettingsYears years = SettingsYears::read(clock);
    return fromYears(years.start, years.end);
}

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
