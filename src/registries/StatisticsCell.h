#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// One cell of a statistics list: the text the list shows and the value the text stands for, so
// that whoever writes the list elsewhere (a CSV file) takes the value as it is rather than
// reading it back from the text. The value is an int for a code, a double for a figure as shown
// (to the decimals the text has; a percentage as its fraction), a QDate for a date, the text
// itself for any other text, and null for an empty cell.
struct StatisticsCell
{
    QString text;
    QVariant value;
};

using StatisticsRow = QList<StatisticsCell>;

// The values of a row's cells, as a table written elsewhere takes them.
inline QVariantList valuesOf(const StatisticsRow &row)
{
    QVariantList values;
    for (const StatisticsCell &cell : row)
        values << cell.value;
    return values;
}
