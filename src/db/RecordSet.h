#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

class Database;

enum class ColumnType { Long, Short, Single, Double, Boolean, Date, Text };

struct Column
{
    QString name;
    ColumnType type;
};

// An updatable result set over a table (a dynaset): rows are read on open and requery, the
// current row can be edited, added or deleted, and changes made elsewhere show up on requery.
// Values come back typed by their column: int, double, bool, QDateTime, QString, and an
// invalid QVariant for NULL. A record set over an SQL text or a stored query is read-only and
// takes its columns from the result.
//
// Filters and sorts are SQL fragments; they may use "?" placeholders (bound from the list
// passed with the filter) and named parameters ":[Name]" set with setParameter("[Name]", v).
class RecordSet
{
public:
    using Bookmark = qint64;

    // source is a table written "[Table]", or a SELECT statement.
    RecordSet(Database &db, QString source, std::vector<Column> columns = {});
    virtual ~RecordSet();
    RecordSet(const RecordSet &) = delete;
    RecordSet &operator=(const RecordSet &) = delete;

    void setFilter(const QString &filter, const QVariantList &params = {});
    void setSort(const QString &sort);
    // name is written with its brackets, e.g. "[IDScheda Param]".
    virtual void setParameter(const QString &name, const QVariant &value);

    void open();
    void requery();
    void close();
    bool isOpen() const { return m_open; }

    bool isEOF() const;
    bool isBOF() const;
    void moveFirst();
    void moveNext();
    void movePrev();
    void moveLast();
    int recordCount() const;
    int currentIndex() const { return m_current; }

    // Moves to the first row, in the set's order, that also meets condition; stays put and
    // returns false when none does.
    bool findFirst(const QString &condition, const QVariantList &params = {});

    void addNew();
    void edit();
    void update();
    void deleteRecord();
    void cancelUpdate();
    bool isEditing() const { return m_editMode != EditMode::None; }

    Bookmark bookmark() const;
    Bookmark lastModified() const { return m_lastModified; }
    void setBookmark(Bookmark mark);

    int columnCount() const;
    QString columnName(int position) const;
    ColumnType columnType(int position) const;
    int columnIndex(const QString &name) const;
    QVariant value(int position) const;
    QVariant value(const QString &name) const { return value(columnIndex(name)); }
    void setValue(int position, const QVariant &value);
    void setNull(int position) { setValue(position, QVariant()); }
    bool isNull(int position) const;

    Database &database() const { return m_db; }

protected:
    // Stored queries replace their source text before opening.
    void setSource(const QString &source) { m_source = source; }
    const QVariantMap &parameters() const { return m_parameters; }

private:
    enum class EditMode { None, Add, Edit };
    struct Row
    {
        qint64 rowId = 0;
        QVariantList values;
        bool deleted = false;
    };

    bool isTable() const;
    QString tableName() const;
    QString selectSql(const QString &extraCondition) const;
    void load();
    void requireRow() const;
    void requireUpdatable() const;
    QVariant fromStored(int position, const QVariant &stored) const;
    QVariant toStored(int position, const QVariant &value) const;
    Row readRow(qint64 rowId) const;
    int liveIndexFrom(int index, int step) const;
    QSet<qint64> matchingRowIds(const QString &condition, const QVariantList &params) const;
    void checkPosition(int position) const;

    Database &m_db;
    QString m_source;
    std::vector<Column> m_columns;
    QString m_filter;
    QVariantList m_filterParams;
    QString m_sort;
    QVariantMap m_parameters;
    bool m_open = false;
    std::vector<Row> m_rows;
    int m_liveRows = 0;
    int m_current = -1;
    bool m_beforeFirst = false;
    EditMode m_editMode = EditMode::None;
    QVariantList m_buffer;
    QList<bool> m_dirty;
    Bookmark m_lastModified = 0;
};
