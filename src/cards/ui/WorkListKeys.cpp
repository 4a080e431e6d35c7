#include "WorkListKeys.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QKeyEvent>

#include <algorithm>

namespace {

bool opensWork(const QKeyEvent &key)
{
    const Qt::KeyboardModifiers modifiers =
        key.modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Menu:
        return modifiers == Qt::NoModifier;
    case Qt::Key_F10:
        return modifiers == Qt::ShiftModifier;
    default:
        return false;
    }
}

} // namespace

WorkListKeys::WorkListKeys(QAbstractItemView &list, Opener open)
    : QObject(&list), m_list(list), m_open(std::move(open))
{
    list.installEventFilter(this);
}

int WorkListKeys::chosenRow() const
{
    const QItemSelectionModel *selection = m_list.selectionModel();
    if (!selection)
        return -1;
    const QModelIndex current = m_list.currentIndex();
    if (current.isValid() && selection->isRowSelected(current.row(), current.parent()))
        return current.row();
    QModelIndexList rows = selection->selectedRows();
    if (rows.isEmpty())
        return -1;
    return std::min_element(rows.cbegin(), rows.cend(),
                            [](const auto &a, const auto &b) { return a.row() < b.row(); })
        ->row();
}

bool WorkListKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_list)
        return false;
    bool open = false;
    if (event->type() == QEvent::KeyPress)
        open = opensWork(*static_cast<QKeyEvent *>(event));
    else if (event->type() == QEvent::ContextMenu)
        open = static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard;
    if (!open)
        return false;
    // A key that finds no work selected does nothing more than a double click on no row.
    if (const int row = chosenRow(); row >= 0)
        m_open(row);
    event->accept();
    return true;
}
