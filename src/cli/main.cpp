#include "ChartCommand.h"
#include "CheckCommand.h"
#include "CommandLine.h"
#include "ExchangeCommands.h"
#include "ReportCommands.h"
#include "UpdateCommand.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>

namespace {

using Command = std::function<int(const QStringList &, QTextStream &, QTextStream &)>;

CommandLine processCommandLine()
{
    CommandLine line(QStringLiteral("process"),
                     QStringLiteral("[--db FILE] [--from YYYY-MM-DD --to YYYY-MM-DD]"),
                     CommandLine::tr("Rebuild the cost and revenue totals of a period."));
    line.addDatabaseOption();
    line.addPeriodOptions();
    return line;
}

CommandLine printCommandLine()
{
    CommandLine line(
        QStringLiteral("print"),
        QStringLiteral("KIND --pdf FILE [--db FILE] [--from YYYY-MM-DD --to YYYY-MM-DD] "
                       "[--process] [--economic] [--date YYYY-MM-DD]"),
        CommandLine::tr("Write a report to PDF; KIND is one of workers, machines, crops, fields, "
                        "cost-centres, operations, others, items, card, field-report, register; "
                        "or 'registry NODE' for the registries view's print of NODE: centres, "
                        "crops, machines, others, workers, operations, items, or crop:CODE, "
                        "field:CODE, machine:CODE, other:CODE, worker:CODE, operation:CODE, "
                        "item:CODE (--movements lists a centre's or field's movements)."));
    line.addPositional(QStringLiteral("KIND"));
    line.addValueOption(QStringLiteral("pdf"), QStringLiteral("FILE"),
                        CommandLine::tr("the PDF file to write"));
    line.addDatabaseOption();
    line.addPeriodOptions();
    line.addFlag(QStringLiteral("process"), CommandLine::tr("process the data first"));
    line.addFlag(QStringLiteral("economic"), CommandLine::tr("print amounts"));
    line.addFlag(QStringLiteral("movements"),
                 CommandLine::tr("registry print: the stock movements instead of the works"));
    line.addDateOption(QStringLiteral("date"),
                       CommandLine::tr("the day of the card (default: the card shown)"));
    return line;
}

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
    line.addValueOption(QStringLiteral("size"), QStringLiteral("WIDTHxHEIGHT"),
                        CommandLine::tr("the picture's size in pixels (default 1600x1000)"));
    return line;
}

CommandLine updateCommandLine()
{
    CommandLine line(QStringLiteral("update"), QStringLiteral("[--check | --download DIR]"),
                     CommandLine::tr("Look for a newer version, or download and verify its "
                                     "package."));
    line.addFlag(QStringLiteral("check"),
                 CommandLine::tr("only say whether a newer version exists"));
    line.addValueOption(QStringLiteral("download"), QStringLiteral("DIR"),
                        CommandLine::tr("download and verify the package into DIR"));
    return line;
}

struct Subcommand
{
    CommandLine (*define)();
    Command run;
};

const std::map<QString, Subcommand> &subcommands()
{
    static const std::map<QString, Subcommand> table{
        {QStringLiteral("chart"), {chartCommandLine, runChartCommand}},
        {QStringLiteral("check"), {checkCommandLine, runCheckCommand}},
        {QStringLiteral("export"), {exportCommandLine, runExportCommand}},
        {QStringLiteral("import"), {importCommandLine, runImportCommand}},
        {QStringLiteral("backup"), {backupCommandLine, runBackupCommand}},
        {QStringLiteral("process"), {processCommandLine, runProcessCommand}},
        {QStringLiteral("print"), {printCommandLine, runPrintCommand}},
        {QStringLiteral("update"), {updateCommandLine, runUpdateCommand}},
    };
    return table;
}

void printHelp(QTextStream &out)
{
    out << "Usage: verdimo-cli COMMAND [ARGS...]\n\n"
           "Works on a Verdimo farm database without the window.\n\nCommands:\n";
    for (const auto &[name, command] : subcommands()) {
        const CommandLine line = command.define();
        out << "  " << name << ' ' << line.synopsis() << "\n      " << line.summary() << '\n';
    }
    out << "\n'verdimo-cli COMMAND --help' describes the options of a command.\n";
}

int unknownCommand(const QString &name, QTextStream &err)
{
    err << "verdimo-cli: unknown command '" << name << "'\n\n";
    printHelp(err);
    return CommandLine::UsageError;
}

} // namespace

int main(int argc, char *argv[])
{
    // Reports are drawn with fonts and painters, which need a GUI application even without a
    // screen; the other commands run on a plain one.
    const bool drawsPages =
        argc > 1 && (qstrcmp(argv[1], "print") == 0 || qstrcmp(argv[1], "chart") == 0);
    if (drawsPages && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> application =
        drawsPages ? std::make_unique<QGuiApplication>(argc, argv)
                   : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication &app = *application;
    QCoreApplication::setOrganizationName(QStringLiteral("Brivex"));
    QCoreApplication::setApplicationName(QStringLiteral("Tellan"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        printHelp(err);
        return CommandLine::UsageError;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") ||
        name == QLatin1String("help")) {
        // "help COMMAND" is the same as "COMMAND --help".
        if (args.isEmpty()) {
            printHelp(out);
            return 0;
        }
        const auto found = subcommands().find(args.first());
        if (found == subcommands().end())
            return unknownCommand(args.first(), err);
        out << found->second.define().helpText();
        return 0;
    }
    const auto found = subcommands().find(name);
    if (found == subcommands().end())
        return unknownCommand(name, err);
    const CommandLine line = found->second.define();
    if (line.asksForHelp(args)) {
        out << line.helpText();
        return 0;
    }
    return found->second.run(args, out, err);
}
