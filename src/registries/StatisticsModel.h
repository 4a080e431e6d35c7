#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// The six-column statistics list of the registries. A fill overwrites the rows it reaches,
// appends the ones beyond the previous length, and finally drops the surplus, so that views
// keep their scroll position and selection where they can.
class StatisticsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int ColumnCount = 6;

    explicit StatisticsModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void setTitles(const QStringList &titles);
    QStringList titles() const { return m_titles; }

    // Writes row (overwriting it, or appending it when row is the current count).
    void setRow(int row, const QStringList &cells);
    // Drops every row from count on.
    void truncate(int count);
    void clear() { truncate(0); }

    QStringList row(int row) const { return m_rows.at(row); }
    QString cell(int row, int column) const { return m_rows.at(row).value(column); }

private:
    QStringList m_titles;
    QList<QStringList> m_rows;
};
