#include "ListCsvExport.h"

#include "base/DateText.h"
#include "base/NumberText.h"
#include "base/Prompter.h"
#include "registries/StatisticsModel.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QIdentityProxyModel>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

namespace {

QDate listDate(const QString &text)
{
    return QDate::fromString(text.trimmed(), ShownDatePattern());
}

// The list with its date columns shown in ISO 8601.
class IsoDates : public QIdentityProxyModel
{
public:
    IsoDates(QAbstractItemModel &model, QSet<int> dateColumns) : m_dateColumns(dateColumns)
    {
        setSourceModel(&model);
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        const QVariant value = QIdentityProxyModel::data(index, role);
        if (role != Qt::DisplayRole || !m_dateColumns.contains(index.column()))
            return value;
        const QDate date = listDate(value.toString());
        return date.isValid() ? date.toString(Qt::ISODate) : value;
    }

private:
    QSet<int> m_dateColumns;
};

enum class Shape { Empty, Dates, Numbers, Percents, Text };

// What every filled cell of a column holds.
Shape shapeOf(const QAbstractItemModel &model, int column)
{
    bool filled = false;
    bool dates = true;
    bool numbers = true;
    bool percent = false;
    for (int row = 0; row < model.rowCount() && (dates || numbers); ++row) {
        const QString text = model.data(model.index(row, column)).toString().trimmed();
        if (text.isEmpty())
            continue;
        filled = true;
        const bool hasPercent = text.contains(QLatin1Char('%'));
        percent = percent || hasPercent;
        dates = dates && listDate(text).isValid();
        numbers = numbers && ReadNumber(text, hasPercent).has_value();
    }
    if (!filled)
        return Shape::Empty;
    if (dates)
        return Shape::Dates;
    if (numbers)
        return percent ? Shape::Percents : Shape::Numbers;
    return Shape::Text;
}

// A name for a file from the list's label: letters, digits, spaces and dashes.
QString fileNameOf(const QString &listName)
{
    QString name = listName;
    name.replace(QRegularExpression(QStringLiteral("[^\\w\\- ]+")), QStringLiteral(" "));
    name = name.simplified();
    return (name.isEmpty() ? QStringLiteral("list") : name) + QStringLiteral(".csv");
}

} // namespace

QList<ModelCsvExport::ColumnKind> ListCsvExport::columnKinds(const QAbstractItemModel &model)
{
    using Kind = ModelCsvExport::ColumnKind;
    QList<Kind> kinds;
    for (int column = 0; column < model.columnCount(); ++column) {
        switch (shapeOf(model, column)) {
        case Shape::Numbers:
            kinds << Kind::Number;
            break;
        case Shape::Percents:
            kinds << Kind::Percent;
            break;
        default:
            // Dates are written as the ISO texts table() shows.
            kinds << Kind::Text;
            break;
        }
    }
    return kinds;
}

CsvTable ListCsvExport::table(StatisticsModel &model)
{
    model.fetchAll();
    QSet<int> dateColumns;
    for (int column = 0; column < model.columnCount(); ++column)
        if (shapeOf(model, column) == Shape::Dates)
            dateColumns.insert(column);
    const IsoDates shown(model, dateColumns);
    ModelCsvExport exporter(shown);
    exporter.setColumnKinds(columnKinds(model));
    return exporter.table();
}

bool ListCsvExport::run(StatisticsModel &model, const QString &listName, Prompter &prompter)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = prompter.saveFileName(tr("Export list as CSV"), folder, tr("CSV files (*.csv)"),
                                         fileNameOf(listName));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    const CsvTable csv = table(model);
    QString error;
    if (!csv.save(path, &error)) {
        prompter.error(error);
        return false;
    }
    prompter.information(tr("%n row(s) of the list written to %1.", nullptr, csv.rowCount())
                             .arg(QDir::toNativeSeparators(path)));
    return true;
}
