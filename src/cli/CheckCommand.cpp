#include "CheckCommand.h"

#include "CliPrompter.h"
#include "CommandLine.h"
#include "db/CheckDatabase.h"

CommandLine checkCommandLine()
{
    CommandLine line(QStringLiteral("check"), QStringLiteral("FILE"),
                     CommandLine::tr("Tell whether FILE is a usable Verdimo database."));
    line.addPositional(QStringLiteral("FILE"));
    return line;
}

int runCheckCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    CommandLine line = checkCommandLine();
    if (!line.parse(args, out, err))
        return line.exitStatus();
    const QString path = line.positional(0);
    CliPrompter prompter(out, err);
    if (!CheckDatabase(path, prompter))
        return 1;
    out << CommandLine::tr("%1: a Verdimo database").arg(path) << Qt::endl;
    return 0;
}
