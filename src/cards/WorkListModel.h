#pragma once

#include "WorkListRow.h"

#include <QAbstractTableModel>
#include <QList>
#include <functional>

// The rows of the card's work list, one per work, with the eighteen columns of WorkListRow.
// Each row keeps its work's IDOpera, so that the list never needs to look a work up by its
// texts. Pictures come from the provider the screen sets (the model itself holds no images).
class WorkListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The IDOpera of a row, on every column.
    static constexpr int WorkIdRole = Qt::UserRole;
    using PictureProvider = std::function<QVariant(int icon)>;

    explicit WorkListModel(QObject *parent = nullptr);

    void setPictureProvider(PictureProvider provider);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    int workId(int row) const;
    int rowOfWork(int workId) const;
    const WorkListRow &row(int index) const { return m_rows.at(index); }

    void setRows(const QList<WorkListRow> &rows);
    void clear() { setRows({}); }
    // Adds the row at the end; returns its index.
    int append(const WorkListRow &row);
    // Writes the row over the one of the same work; false when the work has no row.
    bool replace(const WorkListRow &row);
    void removeWorks(const QList<int> &workIds);

private:
    QList<WorkListRow> m_rows;
    PictureProvider m_pictures;
};
