#include "ExchangeCommands.h"

#include "CliPrompter.h"
#include "CommandLine.h"
#include "TerminalProgress.h"
#include "base/FarmLock.h"
#include "base/Progress.h"
#include "exchange/DataExchange.h"

#include <QDir>

namespace {

// The archive named on the command line stands in for the file dialogs.
class ExchangePrompter : public CliPrompter
{
public:
    ExchangePrompter(QTextStream &out, QTextStream &err, QString archive,
                     Answer questionAnswer = Answer::No)
        : CliPrompter(out, err, questionAnswer), m_archive(std::move(archive))
    {
    }
    QString openFileName(const QString &, const QString &, const QString &,
                         const QString &) override
    {
        return m_archive;
    }
    QString saveFileName(const QString &, const QString &, const QString &,
                         const QString &) override
    {
        return m_archive;
    }
    Answer message(Icon icon, const QString &text, Buttons buttons) override
    {
        m_lastMessage = text;
        return CliPrompter::message(icon, text, buttons);
    }
    QString lastMessage() const { return m_lastMessage; }

private:
    QString m_archive;
    QString m_lastMessage;
};

// Every import that stops says that nothing was merged, after its own reason (once: a merge
// that failed has said so already).
void sayNothingImported(const ExchangePrompter &prompter, QTextStream &err)
{
    const QString nothing =
        DataExchange::tr("Nothing was imported: the working database is unchanged.");
    if (prompter.lastMessage() != nothing)
        err << nothing << Qt::endl;
}

int exitStatus(DataExchange::Outcome outcome)
{
    return outcome == DataExchange::Outcome::Done ? 0 : 1;
}

// Names the file an export or backup wrote, or left as it was, after the message of the outcome:
// the name typed may have been completed with the suffix.
int reportArchive(const DataExchange &exchange, DataExchange::Outcome outcome, QTextStream &out,
                  QTextStream &err)
{
    const QString archive = QDir::toNativeSeparators(exchange.archivePath());
    if (archive.isEmpty())
        return exitStatus(outcome);
    if (outcome == DataExchange::Outcome::Done)
        out << CommandLine::tr("Written to %1.").arg(archive) << Qt::endl;
    else
        err << CommandLine::tr("%1 was not written.").arg(archive) << Qt::endl;
    return exitStatus(outcome);
}

} // namespace

CommandLine exportCommandLine()
{
    CommandLine line(QStringLiteral("export"),
                     QStringLiteral("ARCHIVE [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--db FILE]"),
                     CommandLine::tr("Write the cards of a period and the registries to a data "
                                     "archive."));
    line.addPositional(QStringLiteral("ARCHIVE"));
    line.addPeriodOptions();
    line.addDatabaseOption();
    return line;
}

CommandLine importCommandLine()
{
    CommandLine line(QStringLiteral("import"),
                     QStringLiteral("ARCHIVE --overwrite|--keep [--db FILE]"),
                     CommandLine::tr("Merge a data archive, overwriting or keeping what exists."));
    line.addPositional(QStringLiteral("ARCHIVE"));
    line.addFlag(QStringLiteral("overwrite"), CommandLine::tr("replace the data that exists"));
    line.addFlag(QStringLiteral("keep"), CommandLine::tr("keep the data that exists"));
    line.addDatabaseOption();
    return line;
}

CommandLine backupCommandLine()
{
    CommandLine line(QStringLiteral("backup"), QStringLiteral("ARCHIVE [--db FILE]"),
                     CommandLine::tr("Back the whole database up into a ZIP file."));
    line.addPositional(QStringLiteral("ARCHIVE"));
    line.addDatabaseOption();
    return line;
}

int runExportCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    CommandLine line = exportCommandLine();
    if (!line.parse(args, out, err))
        return line.exitStatus();
    if (!line.checkPeriod(err))
        return CommandLine::UsageError;

    ExchangePrompter prompter(out, err, line.positional(0));
    NullProgress progress;
    DataExchange exchange(prompter, progress);
    exchange.setWorkingDatabase(line.databasePath());
    exchange.setExportPeriod(line.period());
    return reportArchive(exchange, exchange.ExportArchive(), out, err);
}

int runImportCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    CommandLine line = importCommandLine();
    if (!line.parse(args, out, err))
        return line.exitStatus();
    const bool overwrite = line.isSet(QStringLiteral("overwrite"));
    if (overwrite == line.isSet(QStringLiteral("keep")))
        return line.usageError(err, CommandLine::tr("give either --overwrite or --keep"));

    ExchangePrompter prompter(out, err, line.positional(0),
                              overwrite ? Prompter::Answer::Yes : Prompter::Answer::No);
    // No window may have the farm open while the archive is merged into it.
    FarmLock lock(line.databasePath());
    if (!lock.tryLock(FarmLock::Holder::CommandLine)) {
        err << lock.refusal() << Qt::endl;
        sayNothingImported(prompter, err);
        return 1;
    }
    TerminalProgress progress(err, TerminalProgress::Lines::UpperThenLower);
    DataExchange exchange(prompter, progress);
    exchange.setWorkingDatabase(line.databasePath());
    exchange.setShowProgress([&progress](bool shown) {
        if (!shown)
            progress.finish();
    });
    const DataExchange::Outcome outcome = exchange.ImportArchive();
    if (outcome != DataExchange::Outcome::Done)
        sayNothingImported(prompter, err);
    return exitStatus(outcome);
}

int runBackupCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    CommandLine line = backupCommandLine();
    if (!line.parse(args, out, err))
        return line.exitStatus();

    ExchangePrompter prompter(out, err, line.positional(0));
    NullProgress progress;
    DataExchange exchange(prompter, progress);
    exchange.setWorkingDatabase(line.databasePath());
    return reportArchive(exchange, exchange.BackupDatabase(), out, err);
}
