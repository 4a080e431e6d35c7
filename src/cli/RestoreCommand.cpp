#include "RestoreCommand.h"

#include "CommandLine.h"
#include "base/Clock.h"
#include "base/FarmLock.h"
#include "exchange/BackupRestore.h"
#include "exchange/BackupRotation.h"

#include <QDir>

CommandLine restoreCommandLine()
{
    CommandLine line(QStringLiteral("restore"), QStringLiteral("ARCHIVE [--db FILE]"),
                     CommandLine::tr("Replace the database with a backup, after checking the "
                                     "backup and backing the database up first."));
    line.addPositional(QStringLiteral("ARCHIVE"));
    line.addDatabaseOption();
    return line;
}

int runRestoreCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const SystemClock clock;
    return runRestoreCommand(args, out, err, BackupRotation::defaultFolder(), clock);
}

int runRestoreCommand(const QStringList &args, QTextStream &out, QTextStream &err,
                      const QString &backupFolder, const Clock &clock)
{
    CommandLine line = restoreCommandLine();
    if (!line.parse(args, out, err))
        return line.exitStatus();
    const QString database = line.databasePath();
    if (database.isEmpty())
        return line.usageError(err, CommandLine::tr("give the database with --db FILE"));

    // Held until the database is in place: no window may open it half written, and none that
    // has it open may see it replaced.
    FarmLock lock(database);
    if (!lock.tryLock(FarmLock::Holder::CommandLine)) {
        err << lock.refusal() << Qt::endl;
        return 1;
    }
    BackupRotation rotation(backupFolder, clock, BackupRotation::keptFromSettings());
    BackupRestore restore(rotation);
    QString error;
    if (!restore.restore(line.positional(0), database, &error)) {
        err << error << Qt::endl;
        return 1;
    }
    out << BackupRestore::tr("Restored %1 from %2. %3")
               .arg(QDir::toNativeSeparators(database),
                    QDir::toNativeSeparators(line.positional(0)), restore.keptNote())
        << Qt::endl;
    return 0;
}
