#include "ChartCommand.h"
#include "CheckCommand.h"
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

struct Subcommand
{
    Command run;
    const char *usage;
};

const std::map<QString, Subcommand> &subcommands()
{
    static const std::map<QString, Subcommand> table{
        {QStringLiteral("chart"),
         {runChartCommand,
          "chart --pdf|--png|--svg FILE [--db FILE] [--from .. --to ..] [--size WIDTHxHEIGHT]\n"
          "      draw the weather chart of a period as a PDF page, a PNG or an SVG picture"}},
        {QStringLiteral("check"),
         {runCheckCommand, "check FILE\n      tell whether FILE is a usable Verdimo database"}},
        {QStringLiteral("export"),
         {runExportCommand,
          "export ARCHIVE [--from YYYY-MM-DD --to YYYY-MM-DD] [--db FILE]\n"
          "      write the cards of a period and the registries to a data archive"}},
        {QStringLiteral("import"),
         {runImportCommand, "import ARCHIVE --overwrite|--keep [--db FILE]\n"
                            "      merge a data archive, overwriting or keeping what exists"}},
        {QStringLiteral("backup"),
         {runBackupCommand, "backup ARCHIVE [--db FILE]\n"
                            "      back the whole database up into a ZIP file"}},
        {QStringLiteral("process"),
         {runProcessCommand, "process [--db FILE] [--from YYYY-MM-DD --to YYYY-MM-DD]\n"
                             "      rebuild the cost and revenue totals of a period"}},
        {QStringLiteral("print"),
         {runPrintCommand,
          "print KIND --pdf FILE [--db FILE] [--from .. --to ..] [--process] [--economic]\n"
          "      [--date YYYY-MM-DD]   write a report to PDF; KIND is one of workers, machines,\n"
          "      crops, fields, cost-centres, operations, others, items, card, field-report,\n"
          "      register"}},
        {QStringLiteral("update"),
         {runUpdateCommand, "update [--check | --download DIR]\n"
                            "      look for a newer version, or download and verify its package"}},
    };
    return table;
}

void printHelp(QTextStream &out)
{
    out << "Usage: verdimo-cli COMMAND [ARGS...]\n\n"
           "Works on a Verdimo farm database without the window.\n\nCommands:\n";
    for (const auto &[name, command] : subcommands())
        out << "  " << command.usage << '\n';
    out << "\nOptions common to the commands that read the farm database:\n"
           "  --db FILE           use FILE instead of the database of the settings\n";
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
        return 2;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") ||
        name == QLatin1String("help")) {
        printHelp(out);
        return 0;
    }
    const auto found = subcommands().find(name);
    if (found == subcommands().end()) {
        err << "verdimo-cli: unknown command '" << name << "'\n\n";
        printHelp(err);
        return 2;
    }
    return found->second.run(args, out, err);
}
