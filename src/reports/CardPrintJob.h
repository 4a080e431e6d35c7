#pragma once

#include "PrintChoice.h"
#include "ProcessingWarnings.h"
#include "ReportContext.h"
#include "base/CsvTable.h"

#include <QCoreApplication>
#include <functional>
#include <memory>
#include <optional>

class DbException;
class PrintOutput;
class Progress;
class Prompter;
class Report;

// The print and preview commands of the card view once the print choice is made: optional
// processing, the report kind, the page count (or the message that there is nothing to
// print, with the period looked at), the job on the output, and the TypeCenter setting that a
// preview leaves while it is open. Database failures are shown with their kind's message and
// the engine's, and end the command. When the
// choice processes the totals, what they leave out is handed to the caller as soon as the
// processing has ended, before anything is counted or printed.
class CardPrintJob
{
    Q_DECLARE_TR_FUNCTIONS(CardPrintJob)

public:
    enum class Outcome {
        Printed,       // the job ran
        Cancelled,     // the user cancelled the printer dialog
        ProcessedOnly, // "Nothing" chosen: at most the processing ran
        NoData,        // nothing to print; the user was told
        Failed         // a database failure; the user was shown its message
    };

    using ProgressFactory = std::function<std::unique_ptr<Progress>()>;
    using WarningsHandler = std::function<void(const QList<ProcessingWarnings::Warning> &)>;

    CardPrintJob(const ReportContext &context, Prompter &prompter, ProgressFactory progress);

    Outcome run(const PrintChoice &choice, bool preview, PrintOutput &output);
    // The table the chosen report prints, for CSV, after the processing the choice asks for;
    // nothing after a database failure (the user was shown its message).
    std::optional<CsvTable> table(const PrintChoice &choice);
    // The kind of the last run; it keeps its value until the next one.
    int printKind() const { return m_printKind; }
    // Called after a processing of the totals whose warnings are not empty.
    void setWarningsHandler(WarningsHandler handler) { m_warningsHandler = std::move(handler); }
    // The warnings of the totals processed by the last run or table; empty when that did not
    // process them.
    const QList<ProcessingWarnings::Warning> &warnings() const { return m_warnings; }

    // How the user chooses another period, told when the period gave nothing to print; the
    // window's Program › Settings unless the caller has its own way (the command line's options).
    void setOtherPeriodHint(const QString &hint) { m_otherPeriodHint = hint; }

    // The report object of a kind; nullptr for NoReport.
    static std::unique_ptr<Report> createReport(int kind, const ReportContext &context);

private:
    bool process(const PrintChoice &choice);
    Outcome printReport(Report &report, PrintOutput &output);
    QString noDataText(const Report &report) const;
    void tellFailure(const DbException &error);

    ReportContext m_context;
    Prompter &m_prompter;
    ProgressFactory m_progress;
    int m_printKind = PrintChoice::NoReport;
    WarningsHandler m_warningsHandler;
    QList<ProcessingWarnings::Warning> m_warnings;
    QString m_otherPeriodHint;
};
