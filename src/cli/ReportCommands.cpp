#include "ReportCommands.h"

#include "CliPrompter.h"
#include "base/Progress.h"
#include "base/SettingsStore.h"
#include "base/WorkingPeriod.h"
#include "db/Database.h"
#include "db/DbDate.h"
#include "db/DbException.h"
#include "reports/CardPrintJob.h"
#include "reports/DataProcessing.h"
#include "reports/PdfOutput.h"

#include <QCommandLineParser>
#include <QGuiApplication>

namespace {

// The upper line of the progress as a bar on the terminal, redrawn in place.
class TerminalProgress : public Progress
{
public:
    explicit TerminalProgress(QTextStream &err) : m_err(err) {}
    ~TerminalProgress() override
    {
        if (m_drawn)
            m_err << Qt::endl;
    }

    void setText(int line, const QString &text) override
    {
        if (line == 0) {
            m_text = text;
            draw();
        }
    }
    void setRange(int line, int minimum, int maximum) override
    {
        if (line == 0) {
            m_minimum = minimum;
            m_maximum = qMax(minimum + 1, maximum);
        }
    }
    void setValue(int line, int value) override
    {
        if (line == 0) {
            m_value = value;
            draw();
        }
    }

private:
    void draw()
    {
        constexpr int Width = 30;
        const int percent = qBound(0, 100 * (m_value - m_minimum) / (m_maximum - m_minimum), 100);
        const int filled = percent * Width / 100;
        const QString line =
            QStringLiteral("[%1%2] %3% %4")
                .arg(QString(filled, QLatin1Char('#')), QString(Width - filled, QLatin1Char(' ')))
                .arg(percent, 3)
                .arg(m_text);
        m_err << '\r' << line.leftJustified(m_width) << Qt::flush;
        m_width = qMax(m_width, int(line.size()));
        m_drawn = true;
    }

    QTextStream &m_err;
    QString m_text;
    int m_minimum = 1;
    int m_maximum = 100;
    int m_value = 1;
    int m_width = 0;
    bool m_drawn = false;
};

struct Kind
{
    const char *name;
    int radio;
    bool available;
};

const Kind Kinds[] = {
    {"workers", PrintChoice::Workers, true},
    {"machines", PrintChoice::Machines, true},
    {"crops", PrintChoice::Crops, true},
    {"fields", PrintChoice::Fields, true},
    {"cost-centres", PrintChoice::CostCentres, false},
    {"operations", PrintChoice::Operations, true},
    {"others", PrintChoice::Others, true},
    {"items", PrintChoice::Items, true},
    {"card", PrintChoice::CurrentCard, true},
    {"field-report", PrintChoice::FieldsReport, false},
    {"register", PrintChoice::Register, false},
};

const Kind *findKind(const QString &name)
{
    for (const Kind &kind : Kinds)
        if (name == QLatin1String(kind.name))
            return &kind;
    return nullptr;
}

QString kindNames()
{
    QStringList names;
    for (const Kind &kind : Kinds)
        names << QLatin1String(kind.name);
    return names.join(QStringLiteral(", "));
}

const QCommandLineOption DbOption(QStringLiteral("db"), QStringLiteral("database file"),
                                  QStringLiteral("FILE"));
const QCommandLineOption FromOption(QStringLiteral("from"), QStringLiteral("first day"),
                                    QStringLiteral("YYYY-MM-DD"));
const QCommandLineOption ToOption(QStringLiteral("to"), QStringLiteral("last day"),
                                  QStringLiteral("YYYY-MM-DD"));

// Parses args after the subcommand; reports bad usage on err.
bool parse(QCommandLineParser &parser, const QString &command, const QStringList &args,
           QTextStream &err)
{
    if (!parser.parse(QStringList{QStringLiteral("verdimo-cli ") + command} + args)) {
        err << "verdimo-cli " << command << ": " << parser.errorText() << Qt::endl;
        return false;
    }
    return true;
}

QDate parseDay(const QString &text)
{
    return QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
}

// The working period of the settings, or the days of --from and --to.
bool periodOf(const QCommandLineParser &parser, WorkingPeriod &period, QTextStream &err)
{
    period = WorkingPeriod::fromSettings();
    if (parser.isSet(FromOption))
        period.start = parseDay(parser.value(FromOption));
    if (parser.isSet(ToOption))
        period.end = parseDay(parser.value(ToOption));
    if (!period.start.isValid() || !period.end.isValid()) {
        err << "Dates are written YYYY-MM-DD." << Qt::endl;
        return false;
    }
    if (period.start > period.end) {
        err << "The first day comes after the last day." << Qt::endl;
        return false;
    }
    return true;
}

bool openDatabase(Database &db, const QCommandLineParser &parser, QTextStream &err)
{
    const QString path =
        parser.isSet(DbOption)
            ? parser.value(DbOption)
            : SettingsStore::readString(SettingsStore::Settings, QStringLiteral("Database"));
    if (path.isEmpty()) {
        err << "No database: give one with --db FILE." << Qt::endl;
        return false;
    }
    try {
        db.open(path);
        return true;
    } catch (const DbException &e) {
        err << e.message() << Qt::endl;
        return false;
    }
}

qint64 cardOfDay(Database &db, const QDate &day)
{
    return db
        .scalar(QStringLiteral("SELECT IDScheda FROM Scheda WHERE Data BETWEEN ? AND ? ORDER BY "
                               "Data, IDScheda LIMIT 1"),
                {DbDate::toText(QDateTime(day, QTime(0, 0, 0))),
                 DbDate::toText(QDateTime(day, QTime(23, 59, 59)))})
        .toLongLong();
}

// The card the card view would show: the one of ActualDate when that day lies in the period
// and has a card, else the earliest card of the period.
qint64 shownCard(Database &db, const WorkingPeriod &period)
{
    const QDate actual = SettingsStore::readDate(
        SettingsStore::Settings, QStringLiteral("ActualDate"), QStringLiteral("01/01/2015"));
    if (actual.isValid() && actual >= period.start && actual <= period.end) {
        if (const qint64 card = cardOfDay(db, actual))
            return card;
    }
    return db
        .scalar(QStringLiteral("SELECT IDScheda FROM Scheda WHERE Data BETWEEN ? AND ? ORDER BY "
                               "Data, IDScheda LIMIT 1"),
                {DbDate::toText(period.startAt()), DbDate::toText(period.endAt())})
        .toLongLong();
}

bool ensureGuiApplication(QTextStream &err)
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return true;
    err << "verdimo-cli print: drawing pages needs a QGuiApplication (offscreen platform)."
        << Qt::endl;
    return false;
}

} // namespace

int runProcessCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.addOptions({DbOption, FromOption, ToOption});
    WorkingPeriod period;
    if (!parse(parser, QStringLiteral("process"), args, err) ||
        !parser.positionalArguments().isEmpty()) {
        err << "Usage: verdimo-cli process [--db FILE] [--from YYYY-MM-DD --to YYYY-MM-DD]"
            << Qt::endl;
        return 2;
    }
    if (!periodOf(parser, period, err))
        return 2;
    Database db;
    if (!openDatabase(db, parser, err))
        return 1;
    try {
        TerminalProgress progress(err);
        DataProcessing(db, period).ProcessTotals(progress);
    } catch (const DbException &e) {
        err << e.message() << Qt::endl;
        return 1;
    }
    out << "Processed the cards from " << period.start.toString(Qt::ISODate) << " to "
        << period.end.toString(Qt::ISODate) << '.' << Qt::endl;
    return 0;
}

int runPrintCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const QCommandLineOption pdfOption(QStringLiteral("pdf"), QStringLiteral("output file"),
                                       QStringLiteral("FILE"));
    const QCommandLineOption processOption(QStringLiteral("process"),
                                           QStringLiteral("process the data first"));
    const QCommandLineOption economicOption(QStringLiteral("economic"),
                                            QStringLiteral("print amounts"));
    const QCommandLineOption dateOption(QStringLiteral("date"), QStringLiteral("day of the card"),
                                        QStringLiteral("YYYY-MM-DD"));
    QCommandLineParser parser;
    parser.addOptions(
        {DbOption, FromOption, ToOption, pdfOption, processOption, economicOption, dateOption});
    const QString usage =
        QStringLiteral("Usage: verdimo-cli print KIND --pdf FILE [--db FILE] [--from YYYY-MM-DD "
                       "--to YYYY-MM-DD] "
                       "[--process] [--economic] [--date YYYY-MM-DD]\nKIND is one of: ") +
        kindNames();
    if (!parse(parser, QStringLiteral("print"), args, err) ||
        parser.positionalArguments().size() != 1 || !parser.isSet(pdfOption)) {
        err << usage << Qt::endl;
        return 2;
    }
    const Kind *kind = findKind(parser.positionalArguments().first());
    if (!kind) {
        err << "Unknown report '" << parser.positionalArguments().first() << "'.\n"
            << usage << Qt::endl;
        return 2;
    }
    if (!kind->available) {
        err << "The report '" << kind->name << "' is not available yet." << Qt::endl;
        return 1;
    }
    WorkingPeriod period;
    if (!periodOf(parser, period, err))
        return 2;
    const QDate cardDay = parseDay(parser.value(dateOption));
    if (parser.isSet(dateOption) && !cardDay.isValid()) {
        err << "Dates are written YYYY-MM-DD." << Qt::endl;
        return 2;
    }
    if (!ensureGuiApplication(err))
        return 1;
    Database db;
    if (!openDatabase(db, parser, err))
        return 1;

    try {
        const qint64 card =
            parser.isSet(dateOption) ? cardOfDay(db, cardDay) : shownCard(db, period);
        ReportContext context = ReportContext::fromSettings(db, period, card, QDate::currentDate());
        if (parser.isSet(FromOption) || parser.isSet(ToOption)) {
            context.fieldsFromYear = period.start.year();
            context.fieldsToYear = period.end.year();
        }
        CliPrompter prompter(out, err);
        CardPrintJob job(context, prompter,
                         [&err] { return std::make_unique<TerminalProgress>(err); });
        PdfOutput output(parser.value(pdfOption));
        const PrintChoice choice{kind->radio, parser.isSet(processOption),
                                 parser.isSet(economicOption)};
        switch (job.run(choice, false, output)) {
        case CardPrintJob::Outcome::Printed:
            out << "Wrote " << output.pagesWritten() << " page(s) to " << parser.value(pdfOption)
                << '.' << Qt::endl;
            return 0;
        case CardPrintJob::Outcome::Cancelled:
            err << output.errorString() << Qt::endl;
            return 1;
        default:
            return 1;
        }
    } catch (const DbException &e) {
        err << e.message() << Qt::endl;
        return 1;
    }
}
