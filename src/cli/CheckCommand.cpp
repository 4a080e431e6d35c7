#include "CheckCommand.h"

#include "CliPrompter.h"
#include "db/CheckDatabase.h"

int runCheckCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1 || args.first().startsWith(QLatin1String("--"))) {
        err << "Usage: verdimo-cli check FILE\n";
        return 2;
    }
    CliPrompter prompter(out, err);
    if (!CheckDatabase(args.first(), prompter))
        return 1;
    out << args.first() << ": a Verdimo database" << Qt::endl;
    return 0;
}
