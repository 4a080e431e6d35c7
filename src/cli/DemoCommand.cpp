#include "DemoCommand.h"

#include "CommandLine.h"
#include "base/Clock.h"
#include "db/DbException.h"
#include "demo/DemoFarm.h"
#include "exchange/ExchangeDatabase.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString YearsOption = QStringLiteral("years");
const QString OverwriteOption = QStringLiteral("overwrite");

// path as one word of the shell, for a command the user copies.
QString shellWord(const QString &path)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./+:=@%-]+$"));
    if (plain.match(path).hasMatch())
        return path;
    return QLatin1Char('\'') + QString(path).replace(QLatin1Char('\''), QLatin1String("'\\''")) +
           QLatin1Char('\'');
}

} // namespace

CommandLine demoCommandLine()
{
    CommandLine line(QStringLiteral("demo"), QStringLiteral("FILE [--years N] [--overwrite]"),
                     CommandLine::tr("Write a demo farm with a few years of work cards ending "
                                     "today, to try the program on."));
    line.addPositional(QStringLiteral("FILE"));
    line.addValueOption(YearsOption, QStringLiteral("N"),
                        CommandLine::tr("the years of cards, from 1 to %1 (default %2)")
                            .arg(DemoFarm::MaximumYears)
                            .arg(DemoFarm::DefaultYears));
    line.addFlag(OverwriteOption, CommandLine::tr("replace FILE when it exists"));
    return line;
}

int runDemoCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    return runDemoCommandAt(args, out, err, SystemClock());
}

int runDemoCommandAt(const QStringList &args, QTextStream &out, QTextStream &err,
                     const Clock &clock)
{
    CommandLine line = demoCommandLine();
    if (!line.parse(args, out, err))
        return line.exitStatus();
    int years = DemoFarm::DefaultYears;
    if (line.isSet(YearsOption)) {
        bool ok = false;
        years = line.value(YearsOption).toInt(&ok);
        if (!ok || years < 1 || years > DemoFarm::MaximumYears)
            return line.usageError(err, CommandLine::tr("--years must be a whole number from 1 "
                                                        "to %1, not '%2'")
                                            .arg(DemoFarm::MaximumYears)
                                            .arg(line.value(YearsOption)));
    }
    const QString path = line.positional(0);
    if (QFileInfo::exists(path) && !line.isSet(OverwriteOption)) {
        err << CommandLine::tr("%1 exists: give --overwrite to replace it with the demo farm.")
                   .arg(path)
            << Qt::endl;
        return 1;
    }
    const QString templatePath = ExchangeDatabase::installedTemplatePath();
    if (templatePath.isEmpty()) {
        err << CommandLine::tr("Cannot write the demo farm: the template database is not "
                               "installed.")
            << Qt::endl;
        return 1;
    }
    const QDate lastDay = clock.now().date();
    try {
        DemoFarm::write(templatePath, path, lastDay, years);
    } catch (const DbException &e) {
        err << CommandLine::tr("Cannot write the demo farm to %1: %2").arg(path, e.message())
            << Qt::endl;
        return 1;
    }
    const QDate firstDay(lastDay.year() - years + 1, 1, 1);
    out << CommandLine::tr("%1: a demo farm with the work cards from %2 to %3")
               .arg(path, firstDay.toString(Qt::ISODate), lastDay.toString(Qt::ISODate))
        << Qt::endl;
    // The commands take the working period of the settings unless told otherwise, which may
    // hold none of these cards.
    const QString from = QDate(lastDay.year(), 1, 1).toString(Qt::ISODate);
    const QString to = lastDay.toString(Qt::ISODate);
    out << CommandLine::tr("Process this year's cards (%1 to %2) and print the crops' costs "
                           "with:")
               .arg(from, to)
        << Qt::endl
        << QStringLiteral("  verdimo-cli print crops --db %1 --from %2 --to %3 --process "
                          "--economic --pdf crops.pdf")
               .arg(shellWord(path), from, to)
        << Qt::endl;
    return 0;
}
