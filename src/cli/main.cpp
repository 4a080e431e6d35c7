#include "ChartCommand.h"
#include "CheckCommand.h"
#include "CommandLine.h"
#include "DemoCommand.h"
#include "ExchangeCommands.h"
#include "RegisterExportCommand.h"
#include "ReportCommands.h"
#include "RestoreCommand.h"
#include "TempFolderCleanup.h"
#include "UpdateCommand.h"
#include "base/SettingsKeys.h"
#include "base/Translations.h"
#include "exchange/ExchangeTemp.h"
#include "online/VersionText.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>

namespace {

using Command = std::function<int(const QStringList &, QTextStream &, QTextStream &)>;

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
        {QStringLiteral("demo"), {demoCommandLine, runDemoCommand}},
        {QStringLiteral("export"), {exportCommandLine, runExportCommand}},
        {QStringLiteral("import"), {importCommandLine, runImportCommand}},
        {QStringLiteral("backup"), {backupCommandLine, runBackupCommand}},
        {QStringLiteral("process"), {processCommandLine, runProcessCommand}},
        {QStringLiteral("print"), {printCommandLine, runPrintCommand}},
        {QStringLiteral("register-export"), {registerExportCommandLine, runRegisterExportCommand}},
        {QStringLiteral("restore"),
         {restoreCommandLine,
          static_cast<int (*)(const QStringList &, QTextStream &, QTextStream &)>(
              runRestoreCommand)}},
        {QStringLiteral("update"), {updateCommandLine, runUpdateCommand}},
    };
    return table;
}

void printHelp(QTextStream &out)
{
    out << CommandLine::tr("Usage: verdimo-cli COMMAND [ARGS...]") << "\n\n"
        << CommandLine::tr("Works on a Verdimo farm database without the window.") << "\n\n"
        << CommandLine::tr("Commands:") << '\n';
    for (const auto &[name, command] : subcommands()) {
        const CommandLine line = command.define();
        out << "  " << name << ' ' << line.synopsis() << "\n      " << line.summary() << '\n';
    }
    out << '\n'
        << CommandLine::tr("'verdimo-cli COMMAND --help' describes the options of a command.")
        << '\n';
}

int unknownCommand(const QString &name, QTextStream &err)
{
    err << CommandLine::tr("verdimo-cli: unknown command '%1'").arg(name) << "\n\n";
    printHelp(err);
    return CommandLine::UsageError;
}

// Creating the GUI application looks into the user's runtime folder and warns on every run when
// the session has none (a cron job, a container, a plain su). Such a run gets a private folder
// of its own instead, removed when the program ends.
std::unique_ptr<QTemporaryDir> provideRuntimeFolder()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return nullptr;
    // QTemporaryDir makes it readable by its owner only, as a runtime folder must be. Named as
    // the run's other folders, it is removed with them when the run is killed.
    auto folder = std::make_unique<QTemporaryDir>(ExchangeTemp::folderTemplate());
    if (folder->isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder->path()));
    return folder;
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
    const std::unique_ptr<QTemporaryDir> runtimeFolder =
        drawsPages ? provideRuntimeFolder() : nullptr;
    std::unique_ptr<QCoreApplication> application =
        drawsPages ? std::make_unique<QGuiApplication>(argc, argv)
                   : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication &app = *application;
    const TempFolderCleanup cleanup;
    QCoreApplication::setOrganizationName(QStringLiteral("Brivex"));
    QCoreApplication::setApplicationName(QStringLiteral("Tellan"));
    QCoreApplication::setApplicationVersion(VersionText::programVersion());
    installTranslations(app, SettingsKeys::Language.read());
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        printHelp(err);
        return CommandLine::UsageError;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--version") || name == QLatin1String("-V")) {
        out << "verdimo-cli " << VersionText::programVersion() << '\n';
        return 0;
    }
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
