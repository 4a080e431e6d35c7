#include "ListCsvExport.h"

#include "base/FolderChoice.h"
#include "base/Prompter.h"
#include "registries/StatisticsModel.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// A name for a file from the list's label: letters, digits, spaces and dashes.
QString fileNameOf(const QString &listName)
{
    QString name = listName;
    name.replace(QRegularExpression(QStringLiteral("[^\\w\\- ]+")), QStringLiteral(" "));
    name = name.simplified();
    return (name.isEmpty() ? QStringLiteral("list") : name) + QStringLiteral(".csv");
}

} // namespace

bool ListCsvExport::run(StatisticsModel &model, const QString &listName, Prompter &prompter)
{
    QString path = prompter.saveFileName(tr("Export list as CSV"), FolderChoice::startFolder(),
                                         tr("CSV files (*.csv)"), fileNameOf(listName));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    const CsvTable csv = model.table();
    QString error;
    if (!csv.save(path, &error)) {
        prompter.error(error);
        return false;
    }
    FolderChoice::remember(path);
    prompter.information(tr("%n row(s) of the list written to %1.", nullptr, csv.rowCount())
                             .arg(QDir::toNativeSeparators(path)));
    return true;
}
