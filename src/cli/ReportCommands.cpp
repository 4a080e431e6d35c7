#include "ReportCommands.h"

#include "CliPrompter.h"
#include "base/Progress.h"
#include "base/SettingsStore.h"
#include "base/WorkingPeriod.h"
#include "db/Database.h"
#include "db/DbDate.h"
#include "db/DbException.h"
#include "registries/RegistryKey.h"
#include "registries/StatisticsLists.h"
#include "registries/StatisticsModel.h"
#include "reports/CardPrintJob.h"
#include "reports/DataProcessing.h"
#include "reports/PdfOutput.h"
#include "reports/RegistryPrintReport.h"

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
};

const Kind Kinds[] = {
    {"workers", PrintChoice::Workers},
    {"machines", PrintChoice::Machines},
    {"crops", PrintChoice::Crops},
    {"fields", PrintChoice::Fields},
    {"cost-centres", PrintChoice::CostCentres},
    {"operations", PrintChoice::Operations},
    {"others", PrintChoice::Others},
    {"items", PrintChoice::Items},
    {"card", PrintChoice::CurrentCard},
    {"field-report", PrintChoice::FieldsReport},
    {"register", PrintChoice::Register},
};

const QString RegistryKind = QStringLiteral("registry");

// A node of the registry tree as the command line names it: a folder by its name, a record as
// "name:CODE".
struct RegistryNode
{
    const char *folder;
    const char *record;
    RegistryKey::Kind kind;
    const char *folderLabel;
    // The record's name, by its code.
    const char *recordSql;
};

const RegistryNode RegistryNodes[] = {
    {"centres", nullptr, RegistryKey::CostCenters,
     QT_TRANSLATE_NOOP("RegistryEditor", "Cost centers"), nullptr},
    {"crops", "crop", RegistryKey::Crop, QT_TRANSLATE_NOOP("RegistryEditor", "Crops"),
     "SELECT Descrizione FROM Centri WHERE Codice = ? AND Campo <> 0 ORDER BY rowid LIMIT 1"},
    {nullptr, "field", RegistryKey::Field, nullptr,
     "SELECT Descrizione FROM Campi WHERE Codice = ? ORDER BY Anno DESC, rowid LIMIT 1"},
    {"machines", "machine", RegistryKey::Machine, QT_TRANSLATE_NOOP("RegistryEditor", "Machines"),
     "SELECT Descrizione FROM Centri WHERE Codice = ? AND Macchina <> 0 ORDER BY rowid LIMIT 1"},
    {"others", "other", RegistryKey::Other, QT_TRANSLATE_NOOP("RegistryEditor", "Others"),
     "SELECT Descrizione FROM Centri WHERE Codice = ? AND COALESCE(Macchina, 0) = 0 "
     "AND COALESCE(Campo, 0) = 0 ORDER BY rowid LIMIT 1"},
    {"workers", "worker", RegistryKey::Worker, QT_TRANSLATE_NOOP("RegistryEditor", "Workers"),
     "SELECT Nome FROM Operai WHERE Codice = ? ORDER BY rowid LIMIT 1"},
    {"operations", "operation", RegistryKey::Operation,
     QT_TRANSLATE_NOOP("RegistryEditor", "Operations"),
     "SELECT Descrizione FROM Operazioni WHERE Codice = ? ORDER BY rowid LIMIT 1"},
    {"items", "item", RegistryKey::Item, QT_TRANSLATE_NOOP("RegistryEditor", "Items"),
     "SELECT Descrizione FROM Articoli WHERE Codice = ? ORDER BY rowid LIMIT 1"},
};

QString registryNodeNames()
{
    QStringList names;
    for (const RegistryNode &node : RegistryNodes)
        if (node.folder)
            names << QLatin1String(node.folder);
    for (const RegistryNode &node : RegistryNodes)
        if (node.record)
            names << QLatin1String(node.record) + QStringLiteral(":CODE");
    return names.join(QStringLiteral(", "));
}

// Finds the node NAME names in db and gives its key and its label in the tree; reports on err
// why it cannot.
bool resolveRegistryNode(Database &db, const QString &name, RegistryPrintList &list,
                         QTextStream &err)
{
    const qsizetype colon = name.indexOf(QLatin1Char(':'));
    for (const RegistryNode &node : RegistryNodes) {
        if (colon < 0 && node.folder && name == QLatin1String(node.folder)) {
            list.nodeKey = RegistryKey::make(0, node.kind);
            list.nodeLabel = QCoreApplication::translate("RegistryEditor", node.folderLabel);
            return true;
        }
        if (colon < 0 || !node.record || name.left(colon) != QLatin1String(node.record))
            continue;
        bool isNumber = false;
        const int code = name.mid(colon + 1).toInt(&isNumber);
        if (!isNumber || code <= 0 || code >= 32768) {
            err << "A record is named " << node.record << ":CODE with a code from 1 to 32767."
                << Qt::endl;
            return false;
        }
        const QVariant description = db.scalar(QString::fromLatin1(node.recordSql), {code});
        if (!description.isValid()) {
            err << "There is no " << node.record << " with code " << code << " in " << db.path()
                << '.' << Qt::endl;
            return false;
        }
        list.nodeKey = RegistryKey::make(code, node.kind);
        // The tree names a record by its name and code.
        list.nodeLabel = QStringLiteral("%1 (%2)").arg(description.toString()).arg(code);
        return true;
    }
    err << "Unknown registry node '" << name << "'. A node is one of: " << registryNodeNames()
        << Qt::endl;
    return false;
}

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
    names << RegistryKind + QStringLiteral(" NODE");
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

// Fills the statistics list the registries view shows for the node.
void fillStatistics(Database &db, const WorkingPeriod &period, bool movements,
                    RegistryPrintList &list)
{
    StatisticsModel model;
    StatisticsLists lists(&db, model, period);
    const int kind = RegistryKey::kindOf(list.nodeKey);
    const int code = RegistryKey::codeOf(list.nodeKey);
    const auto choice = movements ? StatisticsLists::Choice::StockAndArticles
                                  : StatisticsLists::Choice::WorkersAndHours;
    switch (kind) {
    case RegistryKey::CostCenters:
        lists.fillFieldActivity();
        break;
    case RegistryKey::Crop:
    case RegistryKey::Machine:
    case RegistryKey::Other:
        if (code > 0)
            lists.fillCentreActivity(kind, code, choice);
        else
            lists.fillCentreTotals(kind);
        break;
    case RegistryKey::Field:
        lists.fillCentreActivity(kind, code, choice);
        break;
    case RegistryKey::Worker:
        code > 0 ? lists.fillWorkerWorks(code) : lists.fillWorkerTotals();
        break;
    case RegistryKey::Operation:
        code > 0 ? lists.fillOperationWorks(code) : lists.fillOperationTotals();
        break;
    case RegistryKey::Item:
        code > 0 ? lists.fillItemMovements(code) : lists.fillInventory();
        break;
    default:
        break;
    }
    list.titles = model.titles();
    // The view's columns start 100 wide each.
    list.widths = QList<int>(StatisticsModel::ColumnCount, 100);
    for (int row = 0; row < model.rowCount(); ++row)
        list.rows << model.row(row);
}

int printRegistry(const QCommandLineParser &parser, const QString &nodeName, const QString &pdf,
                  bool movements, QTextStream &out, QTextStream &err)
{
    WorkingPeriod period;
    if (!periodOf(parser, period, err))
        return 2;
    if (!ensureGuiApplication(err))
        return 1;
    Database db;
    if (!openDatabase(db, parser, err))
        return 1;
    try {
        RegistryPrintList list;
        if (!resolveRegistryNode(db, nodeName, list, err))
            return 1;
        fillStatistics(db, period, movements, list);
        RegistryPrintReport report(
            db, period,
            SettingsStore::readString(SettingsStore::Settings, QStringLiteral("DittaRagSoc")),
            std::move(list));
        NullProgress progress;
        PdfOutput output(pdf);
        if (!output.print(report, report.countPages(progress))) {
            err << output.errorString() << Qt::endl;
            return 1;
        }
        out << "Wrote " << output.pagesWritten() << " page(s) to " << pdf << '.' << Qt::endl;
        return 0;
    } catch (const DbException &e) {
        err << e.message() << Qt::endl;
        return 1;
    }
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
    const QCommandLineOption movementsOption(
        QStringLiteral("movements"), QStringLiteral("a centre's or field's stock movements"));
    QCommandLineParser parser;
    parser.addOptions({DbOption, FromOption, ToOption, pdfOption, processOption, economicOption,
                       dateOption, movementsOption});
    const QString usage =
        QStringLiteral("Usage: verdimo-cli print KIND --pdf FILE [--db FILE] [--from YYYY-MM-DD "
                       "--to YYYY-MM-DD] "
                       "[--process] [--economic] [--date YYYY-MM-DD]\n"
                       "       verdimo-cli print registry NODE --pdf FILE [--db FILE] "
                       "[--from YYYY-MM-DD --to YYYY-MM-DD] [--movements]\n"
                       "KIND is one of: ") +
        kindNames() + QStringLiteral("\nNODE is one of: ") + registryNodeNames();
    if (!parse(parser, QStringLiteral("print"), args, err) || !parser.isSet(pdfOption) ||
        parser.positionalArguments().isEmpty() ||
        parser.positionalArguments().size() !=
            (parser.positionalArguments().first() == RegistryKind ? 2 : 1)) {
        err << usage << Qt::endl;
        return 2;
    }
    if (parser.positionalArguments().first() == RegistryKind)
        return printRegistry(parser, parser.positionalArguments().at(1), parser.value(pdfOption),
                             parser.isSet(movementsOption), out, err);
    const Kind *kind = findKind(parser.positionalArguments().first());
    if (!kind) {
        err << "Unknown report '" << parser.positionalArguments().first() << "'.\n"
            << usage << Qt::endl;
        return 2;
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
