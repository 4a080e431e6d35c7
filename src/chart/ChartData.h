#pragma once

#include "base/WorkingPeriod.h"

#include <optional>
#include <vector>

class Database;

// The three weather values a daily card records, in the order the chart draws them.
enum class ChartSeries { MaxTemperature, MinTemperature, Rain };

// The weather of one daily card and the day it belongs to.
struct ChartCard
{
    // Days from the first day of the period; the chart places the card there, so a day
    // without a card leaves its place empty instead of shifting the later days.
    int day = 0;
    // Degrees Celsius and millimetres; none where the card leaves the value empty.
    std::optional<float> maxTemperature;
    std::optional<float> minTemperature;
    std::optional<float> rain;

    std::optional<float> value(ChartSeries series) const;
};

// The weather recorded on the cards of a period, in date order.
struct ChartData
{
    WorkingPeriod period;
    std::vector<ChartCard> cards;

    // Whole days from the first to the last day of the period; 0 when either day is not a
    // valid date, negative when the period runs backwards.
    int days() const;

    // The cards of period, read in one query. Raises DbException when the engine fails.
    static ChartData read(Database &db, const WorkingPeriod &period);
};
