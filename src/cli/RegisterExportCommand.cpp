#include "RegisterExportCommand.h"

#include "CommandLine.h"
#include "db/DbException.h"
#include "db/FarmSession.h"
#include "reports/TreatmentRecord.h"

#include <QDir>

namespace {

const QString FormatOption = QStringLiteral("format");
const QString OutOption = QStringLiteral("out");

} // namespace

CommandLine registerExportCommandLine()
{
    CommandLine line(QStringLiteral("register-export"),
                     QStringLiteral("--format csv|json --out FILE [--db FILE] "
                                    "[--from YYYY-MM-DD --to YYYY-MM-DD]"),
                     CommandLine::tr("Write the treatment register as data, one record per "
                                     "treatment, and list the treatments whose product or crop "
                                     "lacks its authorisation number or EPPO code."));
    line.addValueOption(FormatOption, QStringLiteral("csv|json"),
                        CommandLine::tr("the kind of file to write"));
    line.addValueOption(OutOption, QStringLiteral("FILE"), CommandLine::tr("the file to write"));
    line.addDatabaseOption();
    line.addPeriodOptions();
    return line;
}

int runRegisterExportCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    CommandLine line = registerExportCommandLine();
    if (!line.parse(args, out, err))
        return line.exitStatus();
    const QString format = line.value(FormatOption).toLower();
    if (format != QLatin1String("csv") && format != QLatin1String("json"))
        return line.usageError(err, CommandLine::tr("give --format csv or --format json"));
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
        QString error;
        if (!record.write(path,
                          format == QLatin1String("csv") ? TreatmentRecord::Format::Csv
                                                         : TreatmentRecord::Format::Json,
                          &error)) {
            err << error << Qt::endl;
            return CommandLine::Failed;
        }
        const QList<TreatmentRecord::Treatment> incomplete = record.incomplete();
        if (!incomplete.isEmpty()) {
            err << TreatmentRecord::tr("Treatments written without an authorisation number or "
                                       "an EPPO code (complete the items and crop centres):")
                << Qt::endl;
            for (const TreatmentRecord::Treatment &treatment : incomplete)
                err << "  " << TreatmentRecord::describeMissing(treatment) << Qt::endl;
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
