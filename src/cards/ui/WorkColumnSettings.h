#pragma once

#include <QList>
#include <optional>

class QHeaderView;

// The work list's column order and widths as the user left them, kept in the settings store
// from one start to the next whichever farm is open.
class WorkColumnSettings
{
public:
    // Gives each column its stored width (a column never sized by the user is as wide as its
    // title needs) and puts the columns in the stored order.
    static void restore(QHeaderView &header);
    static void store(const QHeaderView &header);
    // The stored logical column at each position, or nothing when the stored values are not a
    // permutation of the columns: such an order would hide some columns and repeat others.
    static std::optional<QList<int>> storedOrder();

private:
    static int firstWidth(const QHeaderView &header, int column);
};
