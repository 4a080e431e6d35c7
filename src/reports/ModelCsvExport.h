#pragma once

#include "base/CsvTable.h"

#include <QList>
#include <QString>

class QAbstractItemModel;

// A list model's table as CSV, the way a spreadsheet should receive it: the horizontal header
// as the header row, then every row with every column, numbers as numbers rather than the
// locale texts the list shows.
class ModelCsvExport
{
public:
    // How a column's cells are written.
    enum class ColumnKind {
        // A number when the value role holds one, else the shown text.
        Auto,
        // The shown text as it stands (codes with leading zeros, notes).
        Text,
        // The shown text read as a number of the user's locale (grouping, currency symbol);
        // an empty cell stays empty and a text that is no number is written as it stands.
        Number,
        // As Number for a text with "%": 12,5% is written 0.125.
        Percent,
    };

    explicit ModelCsvExport(const QAbstractItemModel &model);

    // The kinds by column; columns without one are Auto.
    void setColumnKinds(const QList<ColumnKind> &kinds) { m_kinds = kinds; }
    // The role that holds a cell's own value (Qt::EditRole unless the model keeps it elsewhere).
    void setValueRole(int role) { m_valueRole = role; }

    CsvTable table() const;
    // Replaces path only with a complete file; false with a message in error.
    bool save(const QString &path, QString *error) const;

private:
    QVariant cell(int row, int column) const;

    const QAbstractItemModel &m_model;
    QList<ColumnKind> m_kinds;
    int m_valueRole;
};
