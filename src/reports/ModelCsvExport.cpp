#include "ModelCsvExport.h"

#include "base/NumberText.h"

#include <QAbstractItemModel>

namespace {

bool isNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

} // namespace

ModelCsvExport::ModelCsvExport(const QAbstractItemModel &model)
    : m_model(model), m_valueRole(Qt::EditRole)
{
}

QVariant ModelCsvExport::cell(int row, int column) const
{
    const QModelIndex index = m_model.index(row, column);
    const QString shown = m_model.data(index, Qt::DisplayRole).toString();
    const ColumnKind kind = m_kinds.value(column, ColumnKind::Auto);
    switch (kind) {
    case ColumnKind::Auto: {
        const QVariant value = m_model.data(index, m_valueRole);
        return isNumber(value) ? value : QVariant(shown);
    }
    case ColumnKind::Text:
        return shown;
    case ColumnKind::Number:
    case ColumnKind::Percent:
        if (shown.trimmed().isEmpty())
            return QVariant();
        if (const std::optional<double> number = ReadNumber(shown, kind == ColumnKind::Percent))
            return *number;
        return shown;
    }
    return shown;
}

CsvTable ModelCsvExport::table() const
{
    QStringList header;
    for (int column = 0; column < m_model.columnCount(); ++column)
        header << m_model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    CsvTable table(header);
    for (int row = 0; row < m_model.rowCount(); ++row) {
        QVariantList cells;
        for (int column = 0; column < m_model.columnCount(); ++column)
            cells << cell(row, column);
        table.addRow(cells);
    }
    return table;
}

bool ModelCsvExport::save(const QString &path, QString *error) const
{
    return table().save(path, error);
}
