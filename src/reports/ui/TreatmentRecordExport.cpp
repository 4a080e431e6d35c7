#include "TreatmentRecordExport.h"

#include "base/Prompter.h"
#include "db/DbException.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const char *const CsvFilter = QT_TRANSLATE_NOOP("TreatmentRecordExport", "CSV files (*.csv)");
const char *const JsonFilter = QT_TRANSLATE_NOOP("TreatmentRecordExport", "JSON files (*.json)");

} // namespace

TreatmentRecordExport::TreatmentRecordExport(Database &db, const WorkingPeriod &period,
                                             Prompter &prompter)
    : m_db(db), m_period(period), m_prompter(prompter)
{
}

TreatmentRecordExport::Destination
TreatmentRecordExport::destinationFor(const QString &typed, TreatmentRecord::Format filter)
{
    const QString suffix = QFileInfo(typed).suffix().toLower();
    if (suffix == QLatin1String("json"))
        return {typed, TreatmentRecord::Format::Json};
    if (suffix == QLatin1String("csv"))
        return {typed, TreatmentRecord::Format::Csv};
    return {typed + (filter == TreatmentRecord::Format::Json ? QStringLiteral(".json")
                                                             : QStringLiteral(".csv")),
            filter};
}

TreatmentRecordExport::Chooser TreatmentRecordExport::dialogChooser(QWidget *parent)
{
    return [parent](const QString &suggestedPath) -> std::optional<Destination> {
        const QString csv = tr(CsvFilter);
        const QString json = tr(JsonFilter);
        QString chosenFilter = csv;
        const QString path =
            QFileDialog::getSaveFileName(parent, tr("Export treatment record"), suggestedPath,
                                         csv + QStringLiteral(";;") + json, &chosenFilter);
        if (path.isEmpty())
            return std::nullopt;
        return destinationFor(path, chosenFilter == json ? TreatmentRecord::Format::Json
                                                         : TreatmentRecord::Format::Csv);
    };
}

QString TreatmentRecordExport::suggestedPath() const
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name =
        QStringLiteral("treatments-%1-%2.csv")
            .arg(m_period.start.toString(Qt::ISODate), m_period.end.toString(Qt::ISODate));
    return QDir(folder).filePath(name);
}

bool TreatmentRecordExport::run(const Chooser &chooser, const TreatmentRecord::Company &company)
{
    const std::optional<Destination> destination = chooser(suggestedPath());
    if (!destination)
        return false;
    try {
        const TreatmentRecord record(m_db, m_period, company);
        QString error;
        if (!record.write(destination->path, destination->format, &error)) {
            m_prompter.error(error);
            return false;
        }
        m_prompter.message(record.incomplete().isEmpty() ? Prompter::Icon::Information
                                                         : Prompter::Icon::Warning,
                           report(record, destination->path));
        return true;
    } catch (const DbException &e) {
        m_prompter.error(
            tr("The treatment record could not be read from the database: %1").arg(e.message()));
        return false;
    }
}

QString TreatmentRecordExport::report(const TreatmentRecord &record, const QString &path)
{
    QString text =
        tr("%n treatment record(s) written to %1.", nullptr, int(record.treatments().size()))
            .arg(QDir::toNativeSeparators(path));
    const QList<TreatmentRecord::Treatment> incomplete = record.incomplete();
    if (incomplete.isEmpty())
        return text;
    text += QStringLiteral("\n\n") +
            tr("%n treatment(s) written without an authorisation number or an EPPO code; "
               "complete them in the registries:",
               nullptr, int(incomplete.size()));
    for (int i = 0; i < incomplete.size() && i < MaxListed; ++i)
        text += QStringLiteral("\n") + TreatmentRecord::describeMissing(incomplete.at(i));
    if (incomplete.size() > MaxListed)
        text +=
            QStringLiteral("\n") + tr("and %n more.", nullptr, int(incomplete.size()) - MaxListed);
    return text;
}
