#include "RecordSet.h"

#include "Database.h"
#include "DbDate.h"
#include "DbException.h"
#include "RowCursor.h"
#include "base/SinglePrecision.h"

#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <limits>

namespace {

QString quoted(const QString &name)
{
    return QLatin1Char('[') + name + QLatin1Char(']');
}

QString whereClause(const QStringList &conditions)
{
    QStringList parts;
    for (const QString &condition : conditions)
        if (!condition.trimmed().isEmpty())
            parts << QLatin1Char('(') + condition + QLatin1Char(')');
    return parts.isEmpty() ? QString()
                           : QStringLiteral(" WHERE ") + parts.join(QStringLiteral(" AND "));
}

QVariant nullOr(const QVariant &stored, const QVariant &value)
{
    return stored.isNull() ? QVariant() : value;
}

// How many host parameters one statement may carry; SQLite's default limit is 32766.
constexpr int maxBoundValues = 30000;

} // namespace

RecordSet::RecordSet(Database &db, QString source, std::vector<Column> columns)
    : m_db(db), m_source(std::move(source)), m_columns(std::move(columns))
{
}

RecordSet::~RecordSet() = default;

void RecordSet::setFilter(const QString &filter, const QVariantList &params)
{
    m_filter = filter;
    m_filterParams = params;
}

void RecordSet::setSort(const QString &sort)
{
    m_sort = sort;
}

void RecordSet::setParameter(const QString &name, const QVariant &value)
{
    m_parameters.insert(name, value);
}

bool RecordSet::isTable() const
{
    const QString source = m_source.trimmed();
    return source.startsWith(QLatin1Char('[')) && source.endsWith(QLatin1Char(']')) &&
           source.count(QLatin1Char('[')) == 1;
}

QString RecordSet::tableName() const
{
    return m_source.trimmed();
}

QString RecordSet::selectSql(const QString &extraCondition) const
{
    QString sort = m_sort.trimmed();
    if (isTable()) {
        QStringList names{QStringLiteral("rowid")};
        for (const Column &column : m_columns)
            names << quoted(column.name);
        return QStringLiteral("SELECT %1 FROM %2")
                   .arg(names.join(QStringLiteral(", ")), tableName()) +
               whereClause({m_filter, extraCondition}) + QStringLiteral(" ORDER BY ") +
               (sort.isEmpty() ? QStringLiteral("rowid") : sort);
    }
    if (m_filter.trimmed().isEmpty() && extraCondition.isEmpty() && sort.isEmpty())
        return m_source;
    return QStringLiteral("SELECT * FROM (%1)").arg(m_source) +
           whereClause({m_filter, extraCondition}) +
           (sort.isEmpty() ? QString() : QStringLiteral(" ORDER BY ") + sort);
}

void RecordSet::open()
{
    close();
    load();
    m_open = true;
}

void RecordSet::requery()
{
    if (!m_open)
        throw DbException(QStringLiteral("The record set is not open."));
    cancelUpdate();
    load();
}

void RecordSet::close()
{
    m_open = false;
    m_rows.clear();
    m_liveRows = 0;
    m_current = -1;
    m_editMode = EditMode::None;
    m_buffer.clear();
    m_dirty.clear();
}

void RecordSet::load()
{
    QSqlQuery query = m_db.execute(selectSql(QString()), m_filterParams, m_parameters);
    const bool table = isTable();
    if (!table) {
        const QSqlRecord record = query.record();
        m_columns.clear();
        for (int i = 0; i < record.count(); ++i)
            m_columns.push_back({record.fieldName(i), ColumnType::Text});
    }
    m_rows.clear();
    const int offset = table ? 1 : 0;
    RowCursor rows(query);
    while (rows.next()) {
        Row row;
        row.rowId = table ? query.value(0).toLongLong() : qint64(m_rows.size()) + 1;
        for (int i = 0; i < int(m_columns.size()); ++i)
            row.values << fromStored(i, query.value(i + offset));
        m_rows.push_back(std::move(row));
    }
    m_liveRows = int(m_rows.size());
    m_current = m_rows.empty() ? -1 : 0;
}

int RecordSet::recordCount() const
{
    return m_liveRows;
}

bool RecordSet::isEOF() const
{
    return recordCount() == 0 || m_current >= int(m_rows.size());
}

bool RecordSet::isBOF() const
{
    return recordCount() == 0 || m_current < 0;
}

int RecordSet::liveIndexFrom(int index, int step) const
{
    while (index >= 0 && index < int(m_rows.size()) && m_rows[index].deleted)
        index += step;
    return index;
}

void RecordSet::moveFirst()
{
    cancelUpdate();
    m_current = liveIndexFrom(0, 1);
}

void RecordSet::moveLast()
{
    cancelUpdate();
    m_current = liveIndexFrom(int(m_rows.size()) - 1, -1);
    if (m_current < 0 && !m_rows.empty())
        m_current = int(m_rows.size());
}

void RecordSet::moveNext()
{
    if (isEOF())
        throw DbException(QStringLiteral("No current record."));
    cancelUpdate();
    m_current = liveIndexFrom(m_current + 1, 1);
}

void RecordSet::movePrev()
{
    if (isBOF())
        throw DbException(QStringLiteral("No current record."));
    cancelUpdate();
    m_current = liveIndexFrom(m_current - 1, -1);
}

bool RecordSet::findFirst(const QString &condition, const QVariantList &params)
{
    const QSet<qint64> matches = matchingRowIds(condition, params);
    for (int i = 0; i < int(m_rows.size()); ++i) {
        if (!m_rows[i].deleted && matches.contains(m_rows[i].rowId)) {
            cancelUpdate();
            m_current = i;
            return true;
        }
    }
    return false;
}

QSet<qint64> RecordSet::matchingRowIds(const QString &condition, const QVariantList &params) const
{
    QSet<qint64> ids;
    if (isTable()) {
        QSqlQuery query = m_db.execute(QStringLiteral("SELECT rowid FROM %1").arg(tableName()) +
                                           whereClause({condition}),
                                       params, m_parameters);
        RowCursor rows(query);
        while (rows.next())
            ids.insert(query.value(0).toLongLong());
        return ids;
    }
    // A result set has no row identity in the engine: the condition is tested on the rows
    // already read, by handing them back to the engine as a table of values.
    QStringList names{QStringLiteral("[__row]")};
    for (const Column &column : m_columns)
        names << quoted(column.name);
    const int perRow = int(names.size());
    const int rowsPerBatch = qMax(1, maxBoundValues / perRow - 1);
    const QString oneRow = QLatin1Char('(') +
                           QStringList(perRow, QStringLiteral("?")).join(QLatin1Char(',')) +
                           QLatin1Char(')');
    for (int start = 0; start < int(m_rows.size()); start += rowsPerBatch) {
        const int end = qMin(int(m_rows.size()), start + rowsPerBatch);
        QVariantList values;
        QStringList tuples;
        for (int i = start; i < end; ++i) {
            values << m_rows[i].rowId;
            for (int c = 0; c < int(m_columns.size()); ++c)
                values << DbDate::toStored(m_rows[i].values.value(c));
            tuples << oneRow;
        }
        values << params;
        const QString sql =
            QStringLiteral("WITH r(%1) AS (VALUES %2) SELECT [__row] FROM r")
                .arg(names.join(QStringLiteral(", ")), tuples.join(QLatin1Char(','))) +
            whereClause({condition});
        QSqlQuery query = m_db.execute(sql, values, m_parameters);
        RowCursor rows(query);
        while (rows.next())
            ids.insert(query.value(0).toLongLong());
    }
    return ids;
}

void RecordSet::requireRow() const
{
    if (!m_open)
        throw DbException(QStringLiteral("The record set is not open."));
    if (isEOF() || isBOF() || m_rows[m_current].deleted)
        throw DbException(QStringLiteral("No current record."));
}

void RecordSet::requireUpdatable() const
{
    if (!m_open)
        throw DbException(QStringLiteral("The record set is not open."));
    if (!isTable())
        throw DbException(QStringLiteral("The record set is not updatable."));
}

void RecordSet::addNew()
{
    requireUpdatable();
    m_editMode = EditMode::Add;
    m_buffer = QVariantList(int(m_columns.size()));
    m_dirty = QList<bool>(int(m_columns.size()), false);
}

void RecordSet::edit()
{
    requireUpdatable();
    requireRow();
    m_editMode = EditMode::Edit;
    m_buffer = m_rows[m_current].values;
    m_dirty = QList<bool>(int(m_columns.size()), false);
}

void RecordSet::cancelUpdate()
{
    m_editMode = EditMode::None;
    m_buffer.clear();
    m_dirty.clear();
}

void RecordSet::update()
{
    if (m_editMode == EditMode::None)
        throw DbException(QStringLiteral("Update without AddNew or Edit."));
    QStringList names;
    QVariantList values;
    for (int i = 0; i < int(m_columns.size()); ++i) {
        if (!m_dirty[i])
            continue;
        names << quoted(m_columns[i].name);
        values << toStored(i, m_buffer[i]);
    }
    qint64 rowId = 0;
    if (m_editMode == EditMode::Add) {
        const QString sql = names.isEmpty()
                                ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(tableName())
                                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                      .arg(tableName(), names.join(QStringLiteral(", ")),
                                           QStringList(names.size(), QStringLiteral("?"))
                                               .join(QStringLiteral(", ")));
        rowId = m_db.execute(sql, values).lastInsertId().toLongLong();
        m_rows.push_back(readRow(rowId));
        ++m_liveRows;
    } else {
        rowId = m_rows[m_current].rowId;
        if (!names.isEmpty()) {
            values << rowId;
            m_db.execute(QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                             .arg(tableName(), names.join(QStringLiteral(" = ?, "))),
                         values);
        }
        m_rows[m_current] = readRow(rowId);
    }
    m_lastModified = rowId;
    cancelUpdate();
}

void RecordSet::deleteRecord()
{
    requireUpdatable();
    requireRow();
    cancelUpdate();
    m_db.execute(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(tableName()),
                 {m_rows[m_current].rowId});
    // The deleted row stays current until the next move, as callers expect to move on from it.
    m_rows[m_current].deleted = true;
    --m_liveRows;
}

RecordSet::Row RecordSet::readRow(qint64 rowId) const
{
    QStringList names;
    for (const Column &column : m_columns)
        names << quoted(column.name);
    QSqlQuery query = m_db.execute(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                       .arg(names.join(QStringLiteral(", ")), tableName()),
                                   {rowId});
    if (!RowCursor(query).next())
        throw DbException(QStringLiteral("The record was deleted by another operation."));
    Row row;
    row.rowId = rowId;
    for (int i = 0; i < int(m_columns.size()); ++i)
        row.values << fromStored(i, query.value(i));
    return row;
}

RecordSet::Bookmark RecordSet::bookmark() const
{
    requireRow();
    return m_rows[m_current].rowId;
}

void RecordSet::setBookmark(Bookmark mark)
{
    for (int i = 0; i < int(m_rows.size()); ++i) {
        if (m_rows[i].rowId == mark && !m_rows[i].deleted) {
            cancelUpdate();
            m_current = i;
            return;
        }
    }
    throw DbException(QStringLiteral("Not a valid bookmark."));
}

int RecordSet::columnCount() const
{
    return int(m_columns.size());
}

QString RecordSet::columnName(int position) const
{
    return position >= 0 && position < columnCount() ? m_columns[position].name : QString();
}

ColumnType RecordSet::columnType(int position) const
{
    checkPosition(position);
    return m_columns[position].type;
}

int RecordSet::columnIndex(const QString &name) const
{
    for (int i = 0; i < columnCount(); ++i)
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void RecordSet::checkPosition(int position) const
{
    if (position < 0 || position >= columnCount())
        throw DbException(
            QStringLiteral("Item not found in this collection (column %1).").arg(position));
}

QVariant RecordSet::value(int position) const
{
    checkPosition(position);
    if (m_editMode != EditMode::None)
        return m_buffer[position];
    requireRow();
    return m_rows[m_current].values[position];
}

void RecordSet::setValue(int position, const QVariant &value)
{
    checkPosition(position);
    if (m_editMode == EditMode::None)
        throw DbException(QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    m_buffer[position] = (value.isValid() && !value.isNull())
                             ? fromStored(position, toStored(position, value))
                             : QVariant();
    m_dirty[position] = true;
}

bool RecordSet::isNull(int position) const
{
    const QVariant v = value(position);
    return !v.isValid() || v.isNull();
}

QVariant RecordSet::fromStored(int position, const QVariant &stored) const
{
    if (!stored.isValid() || stored.isNull())
        return QVariant();
    switch (m_columns[position].type) {
    case ColumnType::Long:
    case ColumnType::Short:
        return nullOr(stored, stored.toInt());
    case ColumnType::Single:
    case ColumnType::Double:
        return nullOr(stored, stored.toDouble());
    case ColumnType::Boolean:
        return nullOr(stored, stored.toInt() != 0);
    case ColumnType::Date:
        return nullOr(stored, DbDate::fromText(stored.toString()));
    case ColumnType::Text:
        // Result sets of SQL texts keep the engine's own value types.
        return isTable() ? QVariant(stored.toString()) : stored;
    }
    return stored;
}

QVariant RecordSet::toStored(int position, const QVariant &value) const
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    switch (m_columns[position].type) {
    case ColumnType::Short: {
        bool ok = false;
        const int number = value.toInt(&ok);
        if (!ok || number < std::numeric_limits<qint16>::min() ||
            number > std::numeric_limits<qint16>::max())
            throw DbException(QStringLiteral("Overflow: %1 does not fit column %2.")
                                  .arg(value.toString(), m_columns[position].name));
        return number;
    }
    case ColumnType::Long:
        return value.toInt();
    case ColumnType::Single:
        // A single-precision column keeps only single precision.
        return SinglePrecision::rounded(value.toDouble());
    case ColumnType::Double:
        return value.toDouble();
    case ColumnType::Boolean:
        return value.toBool() ? 1 : 0;
    case ColumnType::Date:
        if (value.typeId() == QMetaType::QString)
            return DbDate::toText(DbDate::fromText(value.toString()));
        return DbDate::toStored(value);
    case ColumnType::Text:
        return value.toString();
    }
    return value;
}
