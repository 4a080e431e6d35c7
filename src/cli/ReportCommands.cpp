#include "ReportCommands.h"

#include "CliPrompter.h"
#include "CommandLine.h"
#include "TerminalProgress.h"
#include "base/CsvTable.h"
#include "base/Progress.h"
#include "db/Database.h"
#include "db/DbDate.h"
#include "db/DbException.h"
#include "db/FarmSession.h"
#include "registries/RegistryKey.h"
#include "registries/RegistryLists.h"
#include "registries/StatisticsLists.h"
#include "registries/StatisticsModel.h"
#include "reports/CardPrintJob.h"
#include "reports/DataProcessing.h"
#include "reports/PdfOutput.h"
#include "reports/ProcessingWarnings.h"
#include "reports/RegistryPrintReport.h"

#include <QDir>
#include <QGuiApplication>

// The texts of the process and print commands.
class ReportCommands
{
    Q_DECLARE_TR_FUNCTIONS(ReportCommands)
};

namespace {

struct Kind
{
    const char *name;
    int radio;
    // A list of a registry, which reads no cards.
    bool isList;
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
    {"card", PrintChoice::CurrentCard, false},
    {"field-report", PrintChoice::FieldsReport, false},
    {"register", PrintChoice::Register, false},
    {"eu-record", PrintChoice::EuRecord, false},
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
            err << ReportCommands::tr("A record is named %1:CODE with a code from 1 to 32767.")
                       .arg(QLatin1String(node.record))
                << Qt::endl;
            return false;
        }
        const QVariant description = db.scalar(QString::fromLatin1(node.recordSql), {code});
        if (!description.isValid()) {
            err << ReportCommands::tr("There is no %1 with code %2 in %3.")
                       .arg(QLatin1String(node.record))
                       .arg(code)
                       .arg(db.path())
                << Qt::endl;
            return false;
        }
        list.nodeKey = RegistryKey::make(code, node.kind);
        // The tree names a record by its name and code.
        list.nodeLabel = QStringLiteral("%1 (%2)").arg(description.toString()).arg(code);
        return true;
    }
    err << ReportCommands::tr("Unknown registry node '%1'. A node is one of: %2")
               .arg(name, registryNodeNames())
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

const QString PdfOption = QStringLiteral("pdf");
const QString CsvOption = QStringLiteral("csv");
const QString ProcessOption = QStringLiteral("process");
const QString EconomicOption = QStringLiteral("economic");
const QString MovementsOption = QStringLiteral("movements");
const QString DateOption = QStringLiteral("date");

// Processing writes its results into the farm file; one that can only be read is refused
// before anything runs. Returns false after saying so on err.
bool canProcess(const Database &db, QTextStream &err)
{
    if (!db.isReadOnly())
        return true;
    err << ReportCommands::tr("Cannot process %1: the file can only be read. Its reports print "
                              "the data as it was last processed.")
               .arg(QDir::toNativeSeparators(db.path()))
        << Qt::endl;
    return false;
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

// The card the card view would show: the one of the day shown last when that day lies in the
// period and has a card, else the earliest card of the period.
qint64 shownCard(Database &db, const WorkingPeriod &period, const QDate &actual)
{
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
    err << ReportCommands::tr(
               "verdimo-cli print: drawing pages needs a QGuiApplication (offscreen platform).")
        << Qt::endl;
    return false;
}

// Fills the statistics list the registries view shows for the node.
void fillStatistics(Database &db, const WorkingPeriod &period, bool movements,
                    RegistryPrintList &list)
{
    StatisticsModel model;
    StatisticsLists lists(&db, model, period);
    RegistryLists::fill(lists, list.nodeKey,
                        movements ? StatisticsLists::Choice::StockAndArticles
                                  : StatisticsLists::Choice::WorkersAndHours);
    list.titles = model.titles();
    // The view's columns start 100 wide each.
    list.widths = QList<int>(StatisticsModel::ColumnCount, 100);
    list.rows = model.allRows();
}

// What the totals just processed leave out, one warning a line, as the process command and the
// print command's processing tell it.
void writeWarnings(const QList<ProcessingWarnings::Warning> &warnings, QTextStream &err)
{
    for (const ProcessingWarnings::Warning &warning : warnings)
        err << warning.text() << Qt::endl;
}

QString wrotePages(int pages, const QString &pdf)
{
    return ReportCommands::tr("Wrote %1 page(s) to %2.").arg(pages).arg(pdf);
}

int saveCsv(const CsvTable &table, const QString &path, QTextStream &out, QTextStream &err)
{
    QString error;
    if (!table.save(path, &error)) {
        err << error << Qt::endl;
        return 1;
    }
    out << ReportCommands::tr("Wrote %n row(s) to %1.", nullptr, table.rowCount()).arg(path)
        << Qt::endl;
    return 0;
}

int printRegistry(const CommandLine &line, bool movements, QTextStream &out, QTextStream &err)
{
    if (line.positionalCount() < 2)
        return line.usageError(err, ReportCommands::tr("NODE is missing"));
    if (!line.checkPeriod(err))
        return CommandLine::UsageError;
    if (!ensureGuiApplication(err))
        return 1;
    FarmSession farm;
    if (!line.openFarm(farm, err))
        return CommandLine::Failed;
    Database &db = farm.database();
    const WorkingPeriod period = line.period();
    const QString pdf = line.value(PdfOption);
    try {
        RegistryPrintList list;
        if (!resolveRegistryNode(db, line.positional(1), list, err))
            return 1;
        fillStatistics(db, period, movements, list);
        RegistryPrintReport report(db, period, farm.company().name(), std::move(list));
        NullProgress progress;
        if (line.isSet(CsvOption))
            return saveCsv(report.table(progress), line.value(CsvOption), out, err);
        PdfOutput output(pdf);
        if (!output.print(report, report.countPages(progress))) {
            err << output.errorString() << Qt::endl;
            return 1;
        }
        out << wrotePages(output.pagesWritten(), pdf) << Qt::endl;
        return 0;
    } catch (const DbException &e) {
        return CommandLine::failure(err, e, farm.databasePath());
    }
}

// Whether printing kind needs the working period: the registry lists read the registries
// alone (the fields list takes its years from the settings or the days given), and a card
// named by its day needs no period to be found; processing always needs one.
bool needsPeriod(const Kind &kind, const CommandLine &line)
{
    if (line.isSet(ProcessOption))
        return true;
    if (kind.radio == PrintChoice::CurrentCard)
        return !line.isSet(DateOption);
    return !kind.isList;
}

int printReport(const CommandLine &line, const Kind &kind, QTextStream &out, QTextStream &err)
{
    if (line.positionalCount() > 1)
        return line.usageError(err,
                               CommandLine::tr("unexpected argument '%1'").arg(line.positional(1)));
    if (needsPeriod(kind, line) && !line.checkPeriod(err))
        return CommandLine::UsageError;
    if (!ensureGuiApplication(err))
        return 1;
    FarmSession farm;
    if (!line.openFarm(farm, err))
        return CommandLine::Failed;
    Database &db = farm.database();
    if (line.isSet(ProcessOption) && !canProcess(db, err))
        return CommandLine::Failed;

    const WorkingPeriod period = line.period();
    const QString pdf = line.value(PdfOption);
    try {
        const qint64 card = line.isSet(DateOption) ? cardOfDay(db, line.date(DateOption))
                                                   : shownCard(db, period, farm.actualDate());
        const ReportContext context =
            ReportContext::forPeriod(db, period, card, farm.company(), QDate::currentDate());
        const PrintChoice choice{kind.radio, line.isSet(ProcessOption), line.isSet(EconomicOption)};
        CliPrompter prompter(out, err);
        CardPrintJob job(context, prompter, [&err] {
            return std::make_unique<TerminalProgress>(err, TerminalProgress::Lines::Upper);
        });
        job.setOtherPeriodHint(CommandLine::tr(
            "Give --from and --to, or choose another working period in the settings."));
        job.setWarningsHandler([&err](const QList<ProcessingWarnings::Warning> &warnings) {
            writeWarnings(warnings, err);
        });
        if (line.isSet(CsvOption)) {
            const std::optional<CsvTable> table = job.table(choice);
            return table ? saveCsv(*table, line.value(CsvOption), out, err) : 1;
        }
        PdfOutput output(pdf);
        switch (job.run(choice, false, output)) {
        case CardPrintJob::Outcome::Printed:
            out << wrotePages(output.pagesWritten(), pdf) << Qt::endl;
            return 0;
        case CardPrintJob::Outcome::Cancelled:
            err << output.errorString() << Qt::endl;
            return 1;
        case CardPrintJob::Outcome::NoData:
            if (!choice.process && PrintChoice::processEnabled(kind.radio))
                err << CommandLine::tr("These pages print what the last processing left; give "
                                       "--process to process the period first.")
                    << Qt::endl;
            return 1;
        default:
            return CommandLine::Failed;
        }
    } catch (const DbException &e) {
        return CommandLine::failure(err, e, farm.databasePath());
    }
}

} // namespace

CommandLine processCommandLine()
{
    CommandLine line(QStringLiteral("process"),
                     QStringLiteral("[--db FILE] [--from YYYY-MM-DD --to YYYY-MM-DD]"),
                     CommandLine::tr("Rebuild the cost and revenue totals of a period."));
    line.addDatabaseOption();
    line.addPeriodOptions();
    return line;
}

CommandLine printCommandLine()
{
    CommandLine line(
        QStringLiteral("print"),
        QStringLiteral("KIND --pdf FILE|--csv FILE [--db FILE] [--from YYYY-MM-DD --to YYYY-MM-DD] "
                       "[--process] [--economic] [--date YYYY-MM-DD]"),
        CommandLine::tr(
            "Write a report to PDF or its table to CSV; KIND is one of %1. 'registry NODE' is the "
            "registries view's print of NODE, one of %2 (--movements lists a "
            "centre's or field's movements).")
            .arg(kindNames(), registryNodeNames()));
    line.addPositional(QStringLiteral("KIND"));
    line.addOptionalPositional(QStringLiteral("NODE"));
    line.addValueOption(PdfOption, QStringLiteral("FILE"),
                        CommandLine::tr("the PDF file to write"));
    line.addValueOption(CsvOption, QStringLiteral("FILE"),
                        CommandLine::tr("the CSV file to write the printed table to: one row "
                                        "per printed row, numbers as numbers, dates as "
                                        "YYYY-MM-DD"));
    line.addDatabaseOption();
    line.addPeriodOptions();
    line.addFlag(ProcessOption, CommandLine::tr("process the data first"));
    line.addFlag(EconomicOption, CommandLine::tr("print amounts"));
    line.addFlag(MovementsOption,
                 CommandLine::tr("registry print: the stock movements instead of the works"));
    line.addDateOption(DateOption,
                       CommandLine::tr("the day of the card (default: the card shown)"));
    return line;
}

int runProcessCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    CommandLine line = processCommandLine();
    if (!line.parse(args, out, err))
        return line.exitStatus();
    if (!line.checkPeriod(err))
        return CommandLine::UsageError;
    FarmSession farm;
    if (!line.openFarm(farm, err) || !canProcess(farm.database(), err))
        return CommandLine::Failed;
    Database &db = farm.database();
    const WorkingPeriod period = line.period();
    try {
        TerminalProgress progress(err, TerminalProgress::Lines::Upper);
        DataProcessing(db, period).ProcessTotals(progress);
        progress.finish();
        writeWarnings(ProcessingWarnings::find(db, period), err);
    } catch (const DbException &e) {
        return CommandLine::failure(err, e, farm.databasePath());
    }
    out << ReportCommands::tr("Processed the cards from %1 to %2.")
               .arg(period.start.toString(Qt::ISODate), period.end.toString(Qt::ISODate))
        << Qt::endl;
    return 0;
}

int runPrintCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    CommandLine line = printCommandLine();
    if (!line.parse(args, out, err))
        return line.exitStatus();
    if (line.isSet(PdfOption) == line.isSet(CsvOption))
        return line.usageError(
            err, CommandLine::tr("give the file to write with either --pdf FILE or --csv FILE"));
    const QString kindName = line.positional(0);
    const Kind *kind = findKind(kindName);
    if (kindName == RegistryKind)
        return printRegistry(line, line.isSet(MovementsOption), out, err);
    if (!kind)
        return line.usageError(err, ReportCommands::tr("unknown report '%1'; KIND is one of %2")
                                        .arg(kindName, kindNames()));
    return printReport(line, *kind, out, err);
}
