#include "CheckCommand.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <map>

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
        {QStringLiteral("check"),
         {runCheckCommand, "check FILE          tell whether FILE is a usable Verdimo database"}},
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
    QCoreApplication app(argc, argv);
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
