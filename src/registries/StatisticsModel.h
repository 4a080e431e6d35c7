#pragma once

#include "StatisticsCell.h"
#include "base/CsvTable.h"
#include "db/DbException.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <optional>

// The six-column statistics list of the registries. A list can be long (all the work of many
// years), so its rows come from a source that formats them one at a time, and the model takes
// them in batches as a view scrolls to them; a reader that needs every row calls allRows(). The
// source, with the open query it reads, is let go at the end of the list and whenever the
// model is given another source or cleared. Each cell shows its text and holds its value
// (StatisticsCell) under ValueRole.
//
// A query left open between batches would keep every other connection and program from
// writing the file for as long as the list is shown. So the source's read is released once the
// list has been idle for IdleMs (the source reads on from where it was when asked for more):
// scrolling keeps one read going, while a write from elsewhere waits at most that long.
//
// A read that fails as a view scrolls cannot be reported there (the view only asks for rows):
// the list stops, keeps the failure and emits readFailed(), so that its owner tells the user
// that the rows shown are not the whole list.
class StatisticsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int ColumnCount = 6;
    static constexpr int BatchSize = 64;
    static constexpr int ValueRole = Qt::UserRole;

    static constexpr int IdleMs = 250;

    // Writes the next row into cells and returns true, or returns false at the end of the list.
    using RowSource = std::function<bool(StatisticsRow &cells)>;
    // Lets go of the source's hold on the file until it is asked for the next row.
    using Release = std::function<void()>;

    explicit StatisticsModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent = {}) const override;
    void fetchMore(const QModelIndex &parent = {}) override;

    void setTitles(const QStringList &titles);
    QStringList titles() const { return m_titles; }

    // Replaces every row by those of source, of which the first batch is taken at once.
    // release, when given, is called whenever the list stops being read before its end.
    void setSource(RowSource source, Release release = {});
    void clear() { setSource({}); }

    // Takes the rest of the list, for readers that need all of it.
    void fetchAll();
    QList<StatisticsRow> allRows();
    // The whole list under its titles, each cell written as its value.
    CsvTable table();

    // Why the list stopped before its end while a view read it; none after a new source.
    const std::optional<DbException> &failure() const { return m_failure; }

    // The text shown in a cell of the rows taken so far.
    QString cell(int row, int column) const { return m_rows.at(row).value(column).text; }

signals:
    // The list could not be read on as a view scrolled: see failure().
    void readFailed();

private:
    void fetch(int count);
    void endSource();
    void releaseSource();

    QStringList m_titles;
    QList<StatisticsRow> m_rows;
    RowSource m_source;
    Release m_release;
    QTimer m_idle;
    std::optional<DbException> m_failure;
    bool m_fetching = false;
};
