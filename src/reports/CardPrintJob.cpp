#include "CardPrintJob.h"

#include "DataProcessing.h"
#include "EuRecordReport.h"
#include "ListReport.h"
#include "PrintOutput.h"
#include "RegisterReport.h"
#include "RegistryLists.h"
#include "TotalsReport.h"
#include "WorkCardReport.h"
#include "base/DateText.h"
#include "base/Progress.h"
#include "base/Prompter.h"
#include "base/SettingsKeys.h"
#include "db/Database.h"
#include "db/DbErrorText.h"
#include "db/DbException.h"

#include <QLocale>

namespace {

void writeTypeCenter(int value)
{
    SettingsKeys::TypeCenter.write(value);
}

// Only the reports numbered line by line into their tables show the progress window while
// their pages are counted; the lists and the card are counted at once.
bool countsWithProgress(int kind)
{
    return kind == PrintChoice::CostCentreReport || kind >= PrintChoice::FieldReport;
}

// The registry lists print the registries whatever the period; every other report reads the
// cards of the period or what their processing left.
bool readsPeriod(int kind)
{
    return kind == PrintChoice::CostCentreReport || kind >= PrintChoice::CardPrint;
}

QString shownDate(const QDate &day)
{
    return QLocale().toString(day, ShownDatePattern());
}

} // namespace

CardPrintJob::CardPrintJob(const ReportContext &context, Prompter &prompter,
                           ProgressFactory progress)
    : m_context(context), m_prompter(prompter), m_progress(std::move(progress)),
      m_otherPeriodHint(tr("Program › Settings chooses another working period."))
{
}

std::unique_ptr<Report> CardPrintJob::createReport(int kind, const ReportContext &context)
{
    const auto list = [&context](ListLayout layout) {
        return std::make_unique<ListReport>(context.db, std::move(layout));
    };
    switch (kind) {
    case PrintChoice::WorkersList:
        return list(RegistryLists::workers(context));
    case PrintChoice::MachinesList:
        return list(RegistryLists::machines(context));
    case PrintChoice::CropsList:
        return list(RegistryLists::crops(context));
    case PrintChoice::FieldsList:
        return list(RegistryLists::fields(context));
    case PrintChoice::OperationsList:
        return list(RegistryLists::operations(context));
    case PrintChoice::OthersList:
        return list(RegistryLists::others(context));
    case PrintChoice::ItemsList:
        return list(RegistryLists::items(context));
    case PrintChoice::CardPrint:
        return std::make_unique<WorkCardReport>(context);
    case PrintChoice::CostCentreReport:
    case PrintChoice::CostCentreSummary:
        return std::make_unique<TotalsReport>(context, TotalsReport::Section::Centres,
                                              kind == PrintChoice::CostCentreReport);
    case PrintChoice::FieldReport:
    case PrintChoice::FieldSummary:
        return std::make_unique<TotalsReport>(context, TotalsReport::Section::Fields,
                                              kind == PrintChoice::FieldReport);
    case PrintChoice::TreatmentRegister:
        return std::make_unique<RegisterReport>(context);
    case PrintChoice::EuTreatmentRecord:
        return std::make_unique<EuRecordReport>(context);
    default:
        return nullptr;
    }
}

bool CardPrintJob::process(const PrintChoice &choice)
{
    m_warnings.clear();
    try {
        DataProcessing processing(m_context.db, m_context.period);
        if (choice.runsProcessTotals()) {
            {
                const std::unique_ptr<Progress> progress = m_progress();
                processing.ProcessTotals(*progress);
            }
            // The progress window has closed before the warnings are told.
            m_warnings = ProcessingWarnings::find(m_context.db, m_context.period);
            if (!m_warnings.isEmpty() && m_warningsHandler)
                m_warningsHandler(m_warnings);
        }
        if (choice.runsPrepareFieldNotebook())
            processing.PrepareFieldNotebook();
        return true;
    } catch (const DbException &e) {
        tellFailure(e);
        return false;
    }
}

CardPrintJob::Outcome CardPrintJob::run(const PrintChoice &choice, bool preview,
                                        PrintOutput &output)
{
    m_printKind = choice.kind();
    if (!process(choice))
        return Outcome::Failed;
    if (m_printKind == PrintChoice::NoReport)
        return Outcome::ProcessedOnly;
    const std::unique_ptr<Report> report = createReport(m_printKind, m_context);
    if (!report)
        return Outcome::ProcessedOnly;
    if (preview)
        writeTypeCenter(PrintChoice::typeCenter(m_printKind));
    Outcome outcome = Outcome::Failed;
    try {
        outcome = printReport(*report, output);
    } catch (const DbException &e) {
        tellFailure(e);
    }
    report->end();
    return outcome;
}

std::optional<CsvTable> CardPrintJob::table(const PrintChoice &choice)
{
    if (!process(choice))
        return std::nullopt;
    const std::unique_ptr<Report> report = createReport(choice.kind(), m_context);
    if (!report)
        return CsvTable({});
    std::optional<CsvTable> table;
    try {
        const std::unique_ptr<Progress> progress = m_progress();
        table = report->table(*progress);
    } catch (const DbException &e) {
        tellFailure(e);
    }
    report->end();
    return table;
}

CardPrintJob::Outcome CardPrintJob::printReport(Report &report, PrintOutput &output)
{
    int pages = 0;
    if (countsWithProgress(m_printKind)) {
        const std::unique_ptr<Progress> progress = m_progress();
        pages = report.countPages(*progress);
    } else {
        NullProgress progress;
        pages = report.countPages(progress);
    }
    if (pages == 0) {
        m_prompter.information(noDataText(report));
        return Outcome::NoData;
    }
    if (!output.print(report, pages))
        return Outcome::Cancelled;
    writeTypeCenter(0);
    return Outcome::Printed;
}

QString CardPrintJob::noDataText(const Report &report) const
{
    const WorkingPeriod &period = m_context.period;
    if (!readsPeriod(m_printKind) || !period.start.isValid() || !period.end.isValid())
        return report.noDataMessage();
    return tr("%1\nThe period looked at runs from %2 to %3. %4")
        .arg(report.noDataMessage(), shownDate(period.start), shownDate(period.end),
             m_otherPeriodHint);
}

void CardPrintJob::tellFailure(const DbException &error)
{
    m_prompter.error(DbErrorText::describe(error, m_context.db.path()));
}
