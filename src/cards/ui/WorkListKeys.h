#pragma once

#include <QObject>

#include <functional>

class QAbstractItemView;

// Opens the selected work of the work list from the keyboard as a double click does: Enter and
// Return, the context-menu key and Shift+F10.
class WorkListKeys : public QObject
{
    Q_OBJECT
public:
    using Opener = std::function<void(int row)>;
    WorkListKeys(QAbstractItemView &list, Opener open);

    // The row a key opens: the current row when it is selected, else the first selected row,
    // -1 when no row is selected.
    int chosenRow() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractItemView &m_list;
    Opener m_open;
};
