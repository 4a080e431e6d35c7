#include "StatisticsModel.h"

#include "db/DbException.h"

#include <QScopedValueRollback>

StatisticsModel::StatisticsModel(QObject *parent) : QAbstractTableModel(parent)
{
    for (int i = 0; i < ColumnCount; ++i)
        m_titles << QString();
    m_idle.setSingleShot(true);
    m_idle.setInterval(IdleMs);
    connect(&m_idle, &QTimer::timeout, this, &StatisticsModel::releaseSource);
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
    const StatisticsCell &cell = m_rows.at(index.row()).at(index.column());
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return cell.text;
    if (role == ValueRole)
        return cell.value;
    return {};
}

QVariant StatisticsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section >= 0 && section < ColumnCount &&
        (role == Qt::DisplayRole || role == Qt::AccessibleTextRole))
        return m_titles.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool StatisticsModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && bool(m_source);
}

void StatisticsModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid())
        return;
    try {
        fetch(BatchSize);
    } catch (const DbException &error) {
        // A view asks from its scrolling, where nothing can be asked of the user: the list
        // stops with the rows read so far, and its owner is told.
        m_failure = error;
        endSource();
        emit readFailed();
    }
}

void StatisticsModel::setTitles(const QStringList &titles)
{
    m_titles.clear();
    for (int i = 0; i < ColumnCount; ++i)
        m_titles << titles.value(i);
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void StatisticsModel::setSource(RowSource source, Release release)
{
    beginResetModel();
    m_rows.clear();
    m_failure.reset();
    endSource();
    endResetModel();
    // Views ask for rows while the reset is still being announced, so the source comes after.
    m_source = std::move(source);
    m_release = std::move(release);
    fetch(BatchSize);
}

void StatisticsModel::fetchAll()
{
    while (m_source && !m_fetching)
        fetch(BatchSize);
}

QList<StatisticsRow> StatisticsModel::allRows()
{
    fetchAll();
    return m_rows;
}

CsvTable StatisticsModel::table()
{
    CsvTable csv(m_titles);
    for (const StatisticsRow &row : allRows())
        csv.addRow(valuesOf(row));
    return csv;
}

void StatisticsModel::fetch(int count)
{
    // A view answering the insertion may ask for more before this batch is announced.
    if (!m_source || m_fetching)
        return;
    const QScopedValueRollback<bool> fetching(m_fetching, true);
    QList<StatisticsRow> batch;
    StatisticsRow cells;
    while (batch.size() < count) {
        cells.clear();
        if (!m_source(cells)) {
            endSource();
            break;
        }
        while (cells.size() < ColumnCount)
            cells << StatisticsCell();
        batch << cells.mid(0, ColumnCount);
    }
    if (m_source && m_release)
        m_idle.start();
    if (batch.isEmpty())
        return;
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + batch.size()) - 1);
    m_rows.append(std::move(batch));
    endInsertRows();
}

void StatisticsModel::endSource()
{
    // Whatever the source still holds (record sets, caches) goes with it.
    m_idle.stop();
    m_source = {};
    m_release = {};
}

void StatisticsModel::releaseSource()
{
    if (m_release && !m_fetching)
        m_release();
}
