#include "ChartData.h"

#include "db/Database.h"
#include "db/DbDate.h"
#include "db/RowCursor.h"

namespace {

std::optional<float> optionalValue(const QVariant &value)
{
    if (value.isNull())
        return std::nullopt;
    return value.toFloat();
}

} // namespace

std::optional<float> ChartCard::value(ChartSeries series) const
{
    switch (series) {
    case ChartSeries::MaxTemperature:
        return maxTemperature;
    case ChartSeries::MinTemperature:
        return minTemperature;
    case ChartSeries::Rain:
        return rain;
    }
    return std::nullopt;
}

int ChartData::days() const
{
    if (!period.start.isValid() || !period.end.isValid())
        return 0;
    return int(period.start.daysTo(period.end));
}

ChartData ChartData::read(Database &db, const WorkingPeriod &period)
{
    ChartData data{period, {}};
    if (!period.start.isValid() || !period.end.isValid() || period.start > period.end)
        return data;
    // The engine works out each card's day in the period: parsing the date texts here would
    // take most of the time of a long period.
    QSqlQuery query = db.execute(
        QStringLiteral("SELECT CAST(julianday(date(Data)) - julianday(date(?)) AS INTEGER), "
                       "TempMax, TempMin, Pioggia FROM Scheda "
                       "WHERE Data BETWEEN ? AND ? ORDER BY Data"),
        {DbDate::toText(period.start), DbDate::toText(period.startAt()),
         DbDate::toText(period.endAt())});
    RowCursor rows(query);
    while (rows.next()) {
        if (query.value(0).isNull())
            continue;
        data.cards.push_back({query.value(0).toInt(), optionalValue(query.value(1)),
                              optionalValue(query.value(2)), optionalValue(query.value(3))});
    }
    return data;
}
