#pragma once

#include "db/DbException.h"
#include "reports/PrintOutput.h"

#include <QPageLayout>
#include <QPageSize>

#include <optional>

class QPainter;
class QPrinter;
class QWidget;

// Prints a job on a printer chosen in the printer dialog, or shows it in the print preview.
// While the job runs the printer is set to A4 in the report's orientation and the search window
// is hidden; afterwards both are as they were.
class PrinterOutput : public PrintOutput
{
public:
    PrinterOutput(QPrinter &printer, bool preview, QWidget *parent,
                  QWidget *searchWindow = nullptr);

    bool print(Report &report, int pageCount) override;

    // The job's start and end, apart so that the printer and window set-up can be checked.
    void beginJob(const Report &report);
    void endJob();

private:
    // Readies the report for its pages, with the wait cursor; a report that cannot be read
    // ends the job, so that the printer and the search window are given back.
    void prepare(Report &report);
    // Draws pages first..last of pageCount; a database failure is kept for after the dialog.
    void paint(Report &report, int first, int last, int pageCount);

    QPrinter &m_printer;
    bool m_preview;
    QWidget *m_parent;
    QWidget *m_searchWindow;
    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    QPageSize m_pageSize;
    bool m_searchWasVisible = false;
    std::optional<DbException> m_failure;
};
