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
// is hidden; afterwards both are as they were. A print to a PDF file proposes a file in a folder
// the user can write (FolderChoice) and remembers the folder chosen; a printer or file that
// cannot be started is reported, never taken for a printed job.
class PrinterOutput : public PrintOutput
{
public:
    PrinterOutput(QPrinter &printer, bool preview, QWidget *parent,
                  QWidget *searchWindow = nullptr);

    bool print(Report &report, int pageCount) override;

    // The job's start and end, apart so that the printer and window set-up can be checked.
    void beginJob(const Report &report);
    void endJob();
    // Before the printer dialog: a print to a file that has no name, or one in a folder the
    // user cannot write, gets the same name in FolderChoice's folder ("Verdimo.pdf" when it had
    // none). A printer is left as it is.
    static void proposeWritableFile(QPrinter &printer);

private:
    // Readies the report for its pages, with the wait cursor; a report that cannot be read
    // ends the job, so that the printer and the search window are given back.
    void prepare(Report &report);
    // Draws pages first..last of pageCount; a database failure is kept for after the dialog.
    // False when the printer or file could not be started.
    bool paint(Report &report, int first, int last, int pageCount);
    void reportUnstartedJob();

    QPrinter &m_printer;
    bool m_preview;
    QWidget *m_parent;
    QWidget *m_searchWindow;
    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    QPageSize m_pageSize;
    bool m_searchWasVisible = false;
    std::optional<DbException> m_failure;
};
