#include "PrinterOutput.h"

#include "base/FolderChoice.h"
#include "base/ui/BusyCursor.h"
#include "base/ui/UserTurn.h"
#include "base/ui/WidgetPrompter.h"
#include "db/DbException.h"
#include "reports/PainterSurface.h"
#include "reports/Report.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>

namespace {

// The job fixes the page's size and orientation; a preview that turned or set up the page would
// show, and print, pages cut by the report's own layout.
void lockPageLayout(QPrintPreviewDialog &dialog)
{
    // Qt's own texts of the dialog, in Qt's own translation.
    static const char *const context = "QPrintPreviewDialog";
    static const char *const fixedTexts[] = {"Portrait", "Landscape", "Page setup"};
    QStringList fixed;
    for (const char *text : fixedTexts)
        fixed << QCoreApplication::translate(context, text);
    for (QAction *action : dialog.findChildren<QAction *>()) {
        if (fixed.contains(action->text()))
            action->setVisible(false);
    }
}

} // namespace

PrinterOutput::PrinterOutput(QPrinter &printer, bool preview, QWidget *parent,
                             QWidget *searchWindow)
    : m_printer(printer), m_preview(preview), m_parent(parent), m_searchWindow(searchWindow)
{
}

void PrinterOutput::beginJob(const Report &report)
{
    m_searchWasVisible = m_searchWindow && m_searchWindow->isVisible();
    if (m_searchWindow)
        m_searchWindow->hide();
    m_orientation = m_printer.pageLayout().orientation();
    m_pageSize = m_printer.pageLayout().pageSize();
    m_printer.setPageOrientation(report.landscape() ? QPageLayout::Landscape
                                                    : QPageLayout::Portrait);
    m_printer.setPageSize(QPageSize(QPageSize::A4));
}

void PrinterOutput::endJob()
{
    m_printer.setPageSize(m_pageSize);
    m_printer.setPageOrientation(m_orientation);
    if (m_searchWasVisible)
        m_searchWindow->show();
}

void PrinterOutput::proposeWritableFile(QPrinter &printer)
{
    // Only a print to a file has a file name to propose; a printer keeps its own name.
    if (printer.outputFormat() != QPrinter::PdfFormat)
        return;
    const QFileInfo current(printer.outputFileName());
    if (!printer.outputFileName().isEmpty() &&
        FolderChoice::isWritableFolder(current.absolutePath()))
        return;
    const QString name =
        printer.outputFileName().isEmpty() ? QStringLiteral("Verdimo.pdf") : current.fileName();
    printer.setOutputFileName(FolderChoice::proposedPath(name));
}

bool PrinterOutput::paint(Report &report, int first, int last, int pageCount)
{
    const BusyCursor busy;
    QPainter painter;
    if (!painter.begin(&m_printer))
        return false;
    try {
        PainterSurface surface(painter);
        for (int page = first; page <= last; ++page) {
            if (page > first)
                m_printer.newPage();
            report.printPage(surface, page, pageCount);
        }
    } catch (const DbException &e) {
        // Painting runs in the preview's signal, which no exception may leave.
        m_failure = e;
    }
    painter.end();
    return true;
}

void PrinterOutput::reportUnstartedJob()
{
    const QString file = m_printer.outputFileName();
    const QString message =
        m_printer.outputFormat() == QPrinter::PdfFormat && !file.isEmpty()
            ? QCoreApplication::translate("PrinterOutput",
                                          "The pages could not be written to %1: the folder "
                                          "cannot be written or the file is in use. Print again "
                                          "and choose another file.")
                  .arg(QDir::toNativeSeparators(file))
            : QCoreApplication::translate("PrinterOutput",
                                          "The printer %1 could not be started; nothing was "
                                          "printed.")
                  .arg(m_printer.printerName());
    WidgetPrompter(m_parent).error(message);
}

void PrinterOutput::prepare(Report &report)
{
    const BusyCursor busy;
    try {
        report.begin();
    } catch (...) {
        endJob();
        throw;
    }
}

bool PrinterOutput::print(Report &report, int pageCount)
{
    m_failure.reset();
    if (m_preview) {
        QPrintPreviewDialog dialog(&m_printer, m_parent);
        lockPageLayout(dialog);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&](QPrinter *) { paint(report, 1, pageCount, pageCount); });
        beginJob(report);
        prepare(report);
        const UserTurn turn;
        dialog.exec();
    } else {
        m_printer.setFromTo(0, 0);
        proposeWritableFile(m_printer);
        QPrintDialog dialog(&m_printer, m_parent);
        dialog.setMinMax(1, pageCount);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        {
            const UserTurn turn;
            if (dialog.exec() != QDialog::Accepted)
                return false;
        }
        if (m_printer.outputFormat() == QPrinter::PdfFormat)
            FolderChoice::remember(m_printer.outputFileName());
        beginJob(report);
        prepare(report);
        const bool range =
            m_printer.printRange() == QPrinter::PageRange && m_printer.fromPage() > 0;
        if (!paint(report, range ? m_printer.fromPage() : 1,
                   range ? qMin(m_printer.toPage(), pageCount) : pageCount, pageCount)) {
            endJob();
            reportUnstartedJob();
            return false;
        }
    }
    endJob();
    if (m_failure)
        throw *m_failure;
    return true;
}
