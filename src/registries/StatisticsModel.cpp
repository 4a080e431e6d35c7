#include "StatisticsModel.h"

StatisticsModel::StatisticsModel(QObject *parent) : QAbstractTableModel(parent)
{
    for (int i = 0; i < ColumnCount; ++i)
        m_titles << QString();
}

int StatisticsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int StatisticsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant StatisticsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || index.column() >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return m_rows.at(index.row()).value(index.column());
    return {};
}

QVariant StatisticsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section >= 0 && section < ColumnCount &&
        (role == Qt::DisplayRole || role == Qt::AccessibleTextRole))
        return m_titles.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void StatisticsModel::setTitles(const QStringList &titles)
{
    m_titles.clear();
    for (int i = 0; i < ColumnCount; ++i)
        m_titles << titles.value(i);
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void StatisticsModel::setRow(int row, const QStringList &cells)
{
    QStringList padded;
    for (int i = 0; i < ColumnCount; ++i)
        padded << cells.value(i);
    if (row < m_rows.size()) {
        m_rows[row] = padded;
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
        return;
    }
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size()));
    m_rows.append(padded);
    endInsertRows();
}

void StatisticsModel::truncate(int count)
{
    if (count >= m_rows.size())
        return;
    beginRemoveRows({}, count, int(m_rows.size()) - 1);
    m_rows.resize(count);
    endRemoveRows();
}
