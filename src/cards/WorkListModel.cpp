#include "WorkListModel.h"

#include <QSet>

WorkListModel::WorkListModel(QObject *parent) : QAbstractTableModel(parent) {}

void WorkListModel::setPictureProvider(PictureProvider provider)
{
    m_pictures = std::move(provider);
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::DecorationRole});
}

int WorkListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int WorkListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : WorkListRow::ColumnCount;
}

QVariant WorkListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const WorkListRow &row = m_rows.at(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return row.texts[column];
    case Qt::ToolTipRole:
        return row.texts[column].isEmpty() ? QVariant() : QVariant(row.texts[column]);
    case Qt::DecorationRole:
        if (row.icons[column] == WorkListRow::NoIcon || !m_pictures)
            return {};
        return m_pictures(row.icons[column]);
    case WorkIdRole:
        return row.workId;
    default:
        return {};
    }
}

QVariant WorkListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= WorkListRow::ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return WorkListRow::headerText(section);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

int WorkListModel::workId(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).workId : 0;
}

int WorkListModel::rowOfWork(int workId) const
{
    for (int row = 0; row < m_rows.size(); ++row)
        if (m_rows.at(row).workId == workId)
            return row;
    return -1;
}

void WorkListModel::setRows(const QList<WorkListRow> &rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

int WorkListModel::append(const WorkListRow &row)
{
    const int at = int(m_rows.size());
    beginInsertRows({}, at, at);
    m_rows.append(row);
    endInsertRows();
    return at;
}

bool WorkListModel::replace(const WorkListRow &row)
{
    const int at = rowOfWork(row.workId);
    if (at < 0)
        return false;
    m_rows[at] = row;
    emit dataChanged(index(at, 0), index(at, WorkListRow::ColumnCount - 1));
    return true;
}

void WorkListModel::removeWorks(const QList<int> &workIds)
{
    const QSet<int> gone(workIds.cbegin(), workIds.cend());
    for (int at = int(m_rows.size()) - 1; at >= 0; --at) {
        if (!gone.contains(m_rows.at(at).workId))
            continue;
        beginRemoveRows({}, at, at);
        m_rows.removeAt(at);
        endRemoveRows();
    }
}
