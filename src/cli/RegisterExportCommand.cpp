#include "RegisterExportCommand.h"

#include "CommandLine.h"
#include "db/DbException.h"
#include "db/FarmSession.h"
#include "reports/TreatmentRecord.h"

#include <QDir>
#include <optional>

namespace {

const QString FormatOption = QStringLiteral("format");
const QString OutOption = QStringLiteral("out");
const QString StrictOption = QStringLiteral("strict");

std::optional<TreatmentRecord::Format> formatNamed(const QString &name)
{
    if (name == QLatin1String("csv"))
        return TreatmentRecord::Format::Csv;
    if (name == QLatin1String("json"))
        return TreatmentRecord::Format::Json;
    if (name == QLatin1String("geojson"))
        return TreatmentRecord::Format::GeoJson;
    return std::nullopt;
}

void listIncomplete(const QList<TreatmentRecord::Treatment> &incomplete, QTextStream &err)
{
    for (const TreatmentRecord::Treatment &treatment : incomplete)
        err << "  " << TreatmentRecord::describeMissing(treatment) << Qt::endl;
}

} // namespace

CommandLine registerExportCommandLine()
{
    CommandLine line(QStringLiteral("register-export"),
                     QStringLiteral("--format csv|json|geojson --out FILE [--strict] [--db FILE] "
                                    "[--from YYYY-MM-DD --to YYYY-MM-DD]"),
                     CommandLine::tr("Write the record of treatments as data, one record per "
                                     "application (GeoJSON: one feature per treated parcel), and "
                                     "list the applications that lack an element of the record."));
    line.addValueOption(FormatOption, QStringLiteral("csv|json|geojson"),
                        CommandLine::tr("the kind of file to write"));
    line.addValueOption(OutOption, QStringLiteral("FILE"), CommandLine::tr("the file to write"));
    line.addFlag(StrictOption, CommandLine::tr("write nothing and fail when an application lacks "
                                               "an element of the record"));
    line.addDatabaseOption();
    line.addPeriodOptions();
    return line;
}

int runRegisterExportCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    CommandLine line = registerExportCommandLine();
    if (!line.parse(args, out, err))
        return line.exitStatus();
    const std::optional<TreatmentRecord::Format> format =
        formatNamed(line.value(FormatOption).toLower());
    if (!format)
        return line.usageError(err, CommandLine::tr("give --format csv, --format json or "
                                                    "--format geojson"));
    const QString path = line.value(OutOption);
    if (path.isEmpty())
        return line.usageError(err, CommandLine::tr("give the file to write with --out FILE"));
    const WorkingPeriod period = line.period();
    FarmSession farm;
    if (!line.openFarm(farm, err))
        return CommandLine::Failed;
    try {
        const TreatmentRecord record(farm.database(), period,
                                     TreatmentRecord::Company::of(farm.company()));
        const QList<TreatmentRecord::Treatment> incomplete = record.incomplete();
        if (!incomplete.isEmpty() && line.isSet(StrictOption)) {
            err << TreatmentRecord::tr("%n application(s) lack an element of the record; nothing "
                                       "was written to %1:",
                                       nullptr, int(incomplete.size()))
                       .arg(QDir::toNativeSeparators(path))
                << Qt::endl;
            listIncomplete(incomplete, err);
            return CommandLine::Failed;
        }
        QString error;
        if (!record.write(path, *format, &error)) {
            err << error << Qt::endl;
            return CommandLine::Failed;
        }
        if (!incomplete.isEmpty()) {
            err << TreatmentRecord::tr("Applications written without every element of the "
                                       "record (complete the items, crop centres, fields and "
                                       "works):")
                << Qt::endl;
            listIncomplete(incomplete, err);
        }
        out << TreatmentRecord::tr("Wrote %n treatment(s) to %1.", nullptr,
                                   int(record.treatments().size()))
                   .arg(QDir::toNativeSeparators(path))
            << Qt::endl;
        return 0;
    } catch (const DbException &e) {
        return CommandLine::failure(err, e, farm.databasePath());
    }
}
