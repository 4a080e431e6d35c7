#include "WorkColumnSettings.h"

#include "base/SettingsKeys.h"
#include "cards/WorkListRow.h"

#include <QHeaderView>

#include <algorithm>

void WorkColumnSettings::restore(QHeaderView &header)
{
    for (int column = 0; column < WorkListRow::ColumnCount; ++column) {
        const SettingsKeys::IntKey width = SettingsKeys::columnWidth(column);
        const int stored = SettingsStore::readInt(width.section, width.name, 0);
        header.resizeSection(column, stored > 0 ? stored : firstWidth(header, column));
    }
    const std::optional<QList<int>> order = storedOrder();
    if (!order)
        return;
    for (int position = 0; position < order->size(); ++position)
        header.moveSection(header.visualIndex(order->at(position)), position);
}

void WorkColumnSettings::store(const QHeaderView &header)
{
    for (int i = 0; i < WorkListRow::ColumnCount; ++i) {
        SettingsKeys::columnOrder(i).write(header.logicalIndex(i));
        SettingsKeys::columnWidth(i).write(header.sectionSize(i));
    }
}

std::optional<QList<int>> WorkColumnSettings::storedOrder()
{
    QList<int> order;
    for (int position = 0; position < WorkListRow::ColumnCount; ++position)
        order << SettingsKeys::columnOrder(position).read();
    QList<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < WorkListRow::ColumnCount; ++i)
        if (sorted[i] != i)
            return std::nullopt;
    return order;
}

// Until the user sizes the columns, each is as wide as its title needs, up to the usual
// width: a first window then shows most of the list without scrolling. The worker and the
// centre keep the usual width, as their names are what a user reads a work by.
int WorkColumnSettings::firstWidth(const QHeaderView &header, int column)
{
    const int usual = SettingsKeys::columnWidth(column).defaultValue;
    if (column == WorkListRow::Worker || column == WorkListRow::CostCentre || !header.model())
        return usual;
    const QString title = header.model()->headerData(column, Qt::Horizontal).toString();
    const QFontMetrics metrics = header.fontMetrics();
    const int figures = metrics.horizontalAdvance(QStringLiteral("0000.00")) + 14;
    return qBound(figures, metrics.horizontalAdvance(title) + 14, usual);
}
