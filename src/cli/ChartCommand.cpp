#include "ChartCommand.h"

#include "CommandLine.h"
#include "chart/ChartData.h"
#include "chart/ChartFile.h"
#include "chart/WeatherChartPainter.h"
#include "db/DbException.h"
#include "db/FarmSession.h"

#include <QGuiApplication>
#include <QRegularExpression>

// The texts of the chart command.
class ChartCommand
{
    Q_DECLARE_TR_FUNCTIONS(ChartCommand)
};

namespace {

constexpr int MaxSide = 20000;

const QString SizeOption = QStringLiteral("size");

struct Output
{
    const char *option;
    ChartFile::Format format;
};

const Output Outputs[] = {
    {"pdf", ChartFile::Format::Pdf},
    {"png", ChartFile::Format::Png},
    {"svg", ChartFile::Format::Svg},
};

// "1600x1000" as a size; an empty size for any other text.
QSize parseSize(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return {};
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    if (size.width() > MaxSide || size.height() > MaxSide)
        return {};
    return size;
}

// The one output the command line names; a usage mistake when it names none or several.
const Output *chosenOutput(const CommandLine &line)
{
    const Output *chosen = nullptr;
    for (const Output &each : Outputs) {
        if (!line.isSet(QLatin1String(each.option)))
            continue;
        if (chosen)
            return nullptr;
        chosen = &each;
    }
    return chosen;
}

} // namespace

CommandLine chartCommandLine()
{
    CommandLine line(QStringLiteral("chart"),
                     QStringLiteral("--pdf|--png|--svg FILE [--db FILE] [--from YYYY-MM-DD "
                                    "--to YYYY-MM-DD] [--size WIDTHxHEIGHT]"),
                     CommandLine::tr("Draw the weather chart of a period as a PDF page, a PNG or "
                                     "an SVG picture."));
    line.addValueOption(QStringLiteral("pdf"), QStringLiteral("FILE"),
                        CommandLine::tr("the PDF file to write"));
    line.addValueOption(QStringLiteral("png"), QStringLiteral("FILE"),
                        CommandLine::tr("the PNG picture to write"));
    line.addValueOption(QStringLiteral("svg"), QStringLiteral("FILE"),
                        CommandLine::tr("the SVG picture to write"));
    line.addDatabaseOption();
    line.addPeriodOptions();
    line.addValueOption(SizeOption, QStringLiteral("WIDTHxHEIGHT"),
                        CommandLine::tr("the picture's size in pixels (default 1600x1000)"));
    return line;
}

int runChartCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    CommandLine line = chartCommandLine();
    if (!line.parse(args, out, err))
        return line.exitStatus();
    const Output *output = chosenOutput(line);
    if (!output)
        return line.usageError(err, ChartCommand::tr("give one of --pdf, --png or --svg"));
    const QString path = line.value(QLatin1String(output->option));

    QSize size;
    if (line.isSet(SizeOption)) {
        size = parseSize(line.value(SizeOption));
        if (size.isEmpty()) {
            err << ChartCommand::tr("The size is written WIDTHxHEIGHT in pixels, each from 1 to "
                                    "%1, for example 1600x1000.")
                       .arg(MaxSide)
                << Qt::endl;
            return CommandLine::UsageError;
        }
    } else if (output->format != ChartFile::Format::Pdf) {
        size = ChartFile::DefaultImageSize;
    }
    if (!line.checkPeriod(err))
        return CommandLine::UsageError;
    const WorkingPeriod period = line.period();

    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        err << ChartCommand::tr(
                   "verdimo-cli chart: drawing needs a QGuiApplication (offscreen platform).")
            << Qt::endl;
        return 1;
    }
    FarmSession farm;
    if (!line.openFarm(farm, err))
        return CommandLine::Failed;
    ChartData data;
    try {
        data = ChartData::read(farm.database(), period);
    } catch (const DbException &e) {
        return CommandLine::failure(err, e, farm.databasePath());
    }

    const WeatherChartPainter chart(data, farm.company().name());
    ChartFile file;
    if (!file.write(chart, output->format, path, size)) {
        err << file.errorString() << Qt::endl;
        return CommandLine::Failed;
    }
    out << ChartCommand::tr("Wrote the weather chart from %1 to %2 to %3.")
               .arg(period.start.toString(Qt::ISODate), period.end.toString(Qt::ISODate), path)
        << Qt::endl;
    return 0;
}
