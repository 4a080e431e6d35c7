#include "ExchangeCommands.h"

#include "CliPrompter.h"
#include "CommandLine.h"
#include "base/Progress.h"
#include "exchange/DataExchange.h"

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

private:
    QString m_archive;
};

// A bar on the terminal for the cards (upper line) and the master data (lower line), redrawn
// in place when its percentage changes.
class TerminalProgress : public Progress
{
public:
    explicit TerminalProgress(QTextStream &err) : m_err(err) {}

    void setText(int line, const QString &text) override
    {
        m_lines[line & 1].text = text;
        m_active = line & 1;
        draw(false);
    }
    void setRange(int line, int minimum, int maximum) override
    {
        m_lines[line & 1].minimum = minimum;
        m_lines[line & 1].maximum = maximum;
        draw(false);
    }
    void setValue(int line, int value) override
    {
        m_lines[line & 1].value = value;
        draw(false);
    }
    void finish()
    {
        if (m_drawn) {
            draw(true);
            m_err << Qt::endl;
        }
        m_drawn = false;
    }

private:
    struct Line
    {
        QString text;
        int minimum = 0;
        int maximum = 100;
        int value = 0;
        int percent() const
        {
            if (maximum <= minimum)
                return 100;
            return qBound(0, (value - minimum) * 100 / (maximum - minimum), 100);
        }
    };

    void draw(bool force)
    {
        const Line &cards = m_lines[0];
        const Line &current = m_lines[m_active];
        const int percent = m_active == 0 ? cards.percent() / 2 : 50 + current.percent() / 2;
        if (!force && m_drawn && percent == m_lastPercent && m_active == m_lastActive)
            return;
        constexpr int Width = 30;
        const int filled = percent * Width / 100;
        m_err << '\r' << '[' << QString(filled, QLatin1Char('#'))
              << QString(Width - filled, QLatin1Char(' ')) << "] "
              << QString::number(percent).rightJustified(3) << "% "
              << current.text.left(40).leftJustified(40) << Qt::flush;
        m_drawn = true;
        m_lastPercent = percent;
        m_lastActive = m_active;
    }

    QTextStream &m_err;
    Line m_lines[2];
    int m_active = 0;
    bool m_drawn = false;
    int m_lastPercent = -1;
    int m_lastActive = -1;
};

int exitStatus(DataExchange::Outcome outcome)
{
    return outcome == DataExchange::Outcome::Done ? 0 : 1;
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
    return exitStatus(exchange.ExportArchive());
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
    TerminalProgress progress(err);
    DataExchange exchange(prompter, progress);
    exchange.setWorkingDatabase(line.databasePath());
    exchange.setShowProgress([&progress](bool shown) {
        if (!shown)
            progress.finish();
    });
    return exitStatus(exchange.ImportArchive());
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
    return exitStatus(exchange.BackupDatabase());
}
