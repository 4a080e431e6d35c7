#include "TreatmentRecordExport.h"

#include "IncompleteTreatmentsDialog.h"
#include "base/FolderChoice.h"
#include "base/Prompter.h"
#include "db/DbException.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

const char *const CsvFilter = QT_TRANSLATE_NOOP("TreatmentRecordExport", "CSV files (*.csv)");
const char *const JsonFilter = QT_TRANSLATE_NOOP("TreatmentRecordExport", "JSON files (*.json)");
const char *const GeoJsonFilter =
    QT_TRANSLATE_NOOP("TreatmentRecordExport", "GeoJSON files, parcels on a map (*.geojson)");

QString suffixOf(TreatmentRecord::Format format)
{
    switch (format) {
    case TreatmentRecord::Format::Json:
        return QStringLiteral(".json");
    case TreatmentRecord::Format::GeoJson:
        return QStringLiteral(".geojson");
    case TreatmentRecord::Format::Csv:
        break;
    }
    return QStringLiteral(".csv");
}

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
    if (suffix == QLatin1String("geojson"))
        return {typed, TreatmentRecord::Format::GeoJson};
    if (suffix == QLatin1String("csv"))
        return {typed, TreatmentRecord::Format::Csv};
    return {typed + suffixOf(filter), filter};
}

TreatmentRecordExport::Chooser TreatmentRecordExport::dialogChooser(QWidget *parent)
{
    return [parent](const QString &suggestedPath) -> std::optional<Destination> {
        const QString csv = tr(CsvFilter);
        const QString json = tr(JsonFilter);
        const QString geoJson = tr(GeoJsonFilter);
        QString chosenFilter = csv;
        const QString path = QFileDialog::getSaveFileName(
            parent, tr("Export treatment record"), suggestedPath,
            QStringList{csv, json, geoJson}.join(QStringLiteral(";;")), &chosenFilter);
        if (path.isEmpty())
            return std::nullopt;
        FolderChoice::remember(path);
        return destinationFor(path, chosenFilter == json      ? TreatmentRecord::Format::Json
                                    : chosenFilter == geoJson ? TreatmentRecord::Format::GeoJson
                                                              : TreatmentRecord::Format::Csv);
    };
}

TreatmentRecordExport::IncompleteLister TreatmentRecordExport::dialogLister(QWidget *parent,
                                                                            WorkOpener open)
{
    return [parent, open](const QString &headline,
                          const QList<TreatmentRecord::Treatment> &incomplete) {
        IncompleteTreatmentsDialog dialog(headline, incomplete, parent);
        if (open)
            QObject::connect(&dialog, &IncompleteTreatmentsDialog::openWork, parent,
                             [open](qint64 card, qint64 work) { open(card, work); });
        dialog.exec();
    };
}

QString TreatmentRecordExport::suggestedPath() const
{
    return FolderChoice::proposedPath(
        QStringLiteral("treatments-%1-%2.csv")
            .arg(m_period.start.toString(Qt::ISODate), m_period.end.toString(Qt::ISODate)));
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
        const QList<TreatmentRecord::Treatment> incomplete = record.incomplete();
        if (!incomplete.isEmpty() && m_lister)
            m_lister(headline(record, destination->path), incomplete);
        else
            m_prompter.message(incomplete.isEmpty() ? Prompter::Icon::Information
                                                    : Prompter::Icon::Warning,
                               report(record, destination->path));
        return true;
    } catch (const DbException &e) {
        m_prompter.error(
            tr("The treatment record could not be read from the database: %1").arg(e.message()));
        return false;
    }
}

QString TreatmentRecordExport::headline(const TreatmentRecord &record, const QString &path)
{
    QString text =
        tr("%n treatment record(s) written to %1.", nullptr, int(record.treatments().size()))
            .arg(QDir::toNativeSeparators(path));
    const qsizetype incomplete = record.incomplete().size();
    if (incomplete > 0)
        text += QStringLiteral("\n\n") +
                tr("%n treatment(s) written without every element of the record; complete them "
                   "in the registries and works:",
                   nullptr, int(incomplete));
    return text;
}

QString TreatmentRecordExport::report(const TreatmentRecord &record, const QString &path)
{
    QString text = headline(record, path);
    const QList<TreatmentRecord::Treatment> incomplete = record.incomplete();
    for (int i = 0; i < incomplete.size() && i < MaxListed; ++i)
        text += QStringLiteral("\n") + TreatmentRecord::describeMissing(incomplete.at(i));
    if (incomplete.size() > MaxListed)
        text +=
            QStringLiteral("\n") + tr("and %n more.", nullptr, int(incomplete.size()) - MaxListed);
    return text;
}
