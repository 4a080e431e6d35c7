#include "ExchangeCommands.h"

#include "CliPrompter.h"
#include "base/Progress.h"
#include "base/WorkingPeriod.h"
#include "exchange/DataExchange.h"

#include <QDate>
#include <optional>

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
    QString openFileName(const QString &, const QString &, const QString &) override
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

struct Options
{
    QString archive;
    QString database;
    std::optional<QDate> from;
    std::optional<QDate> to;
    std::optional<bool> overwrite;
};

// Reads ARCHIVE and the options the command allows; an empty message means success.
QString parse(const QStringList &args, const QStringList &allowed, Options &options)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (!arg.startsWith(QLatin1String("--"))) {
            if (!options.archive.isEmpty())
                return QStringLiteral("only one archive may be given");
            options.archive = arg;
            continue;
        }
        if (!allowed.contains(arg))
            return QStringLiteral("unknown option '%1'").arg(arg);
        if (arg == QLatin1String("--overwrite") || arg == QLatin1String("--keep")) {
            const bool overwrite = arg == QLatin1String("--overwrite");
            if (options.overwrite && *options.overwrite != overwrite)
                return QStringLiteral("give either --overwrite or --keep");
            options.overwrite = overwrite;
            continue;
        }
        if (i + 1 >= args.size())
            return QStringLiteral("option '%1' needs a value").arg(arg);
        const QString value = args.at(++i);
        if (arg == QLatin1String("--db")) {
            options.database = value;
            continue;
        }
        const QDate date = QDate::fromString(value, Qt::ISODate);
        if (!date.isValid())
            return QStringLiteral("'%1' is not a date YYYY-MM-DD").arg(value);
        (arg == QLatin1String("--from") ? options.from : options.to) = date;
    }
    if (options.archive.isEmpty())
        return QStringLiteral("the archive is missing");
    return {};
}

int usage(QTextStream &err, const QString &problem, const char *synopsis)
{
    err << "verdimo-cli: " << problem << "\nUsage: verdimo-cli " << synopsis << Qt::endl;
    return 2;
}

int exitStatus(DataExchange::Outcome outcome)
{
    return outcome == DataExchange::Outcome::Done ? 0 : 1;
}

} // namespace

int runExportCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const char *synopsis = "export ARCHIVE [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--db FILE]";
    Options options;
    const QString problem = parse(
        args, {QStringLiteral("--db"), QStringLiteral("--from"), QStringLiteral("--to")}, options);
    if (!problem.isEmpty())
        return usage(err, problem, synopsis);
    WorkingPeriod period = WorkingPeriod::fromSettings();
    period.start = options.from.value_or(period.start);
    period.end = options.to.value_or(period.end);
    if (period.start.isValid() && period.end.isValid() && period.start > period.end)
        return usage(err, QStringLiteral("the period ends before it starts"), synopsis);

    ExchangePrompter prompter(out, err, options.archive);
    NullProgress progress;
    DataExchange exchange(prompter, progress);
    exchange.setWorkingDatabase(options.database);
    exchange.setExportPeriod(period);
    return exitStatus(exchange.ExportArchive());
}

int runImportCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const char *synopsis = "import ARCHIVE --overwrite|--keep [--db FILE]";
    Options options;
    const QString problem = parse(
        args, {QStringLiteral("--db"), QStringLiteral("--overwrite"), QStringLiteral("--keep")},
        options);
    if (!problem.isEmpty())
        return usage(err, problem, synopsis);
    if (!options.overwrite)
        return usage(err, QStringLiteral("say whether existing data is overwritten or kept"),
                     synopsis);

    ExchangePrompter prompter(out, err, options.archive,
                              *options.overwrite ? Prompter::Answer::Yes : Prompter::Answer::No);
    TerminalProgress progress(err);
    DataExchange exchange(prompter, progress);
    exchange.setWorkingDatabase(options.database);
    exchange.setShowProgress([&progress](bool shown) {
        if (!shown)
            progress.finish();
    });
    return exitStatus(exchange.ImportArchive());
}

int runBackupCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const char *synopsis = "backup ARCHIVE [--db FILE]";
    Options options;
    const QString problem = parse(args, {QStringLiteral("--db")}, options);
    if (!problem.isEmpty())
        return usage(err, problem, synopsis);

    ExchangePrompter prompter(out, err, options.archive);
    NullProgress progress;
    DataExchange exchange(prompter, progress);
    exchange.setWorkingDatabase(options.database);
    return exitStatus(exchange.BackupDatabase());
}
