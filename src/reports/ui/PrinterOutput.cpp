#include "PrinterOutput.h"

#include "base/ui/BusyCursor.h"
#include "base/ui/UserTurn.h"
#include "db/DbException.h"
#include "reports/PainterSurface.h"
#include "reports/Report.h"

#include <QAction>
#include <QCoreApplication>
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

void PrinterOutput::paint(Report &report, int first, int last, int pageCount)
{
    const BusyCursor busy;
    QPainter painter;
    if (!painter.begin(&m_printer))
        return;
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
        QPrintDialog dialog(&m_printer, m_parent);
        dialog.setMinMax(1, pageCount);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        {
            const UserTurn turn;
            if (dialog.exec() != QDialog::Accepted)
                return false;
        }
        beginJob(report);
        prepare(report);
        const bool range =
            m_printer.printRange() == QPrinter::PageRange && m_printer.fromPage() > 0;
        paint(report, range ? m_printer.fromPage() : 1,
              range ? qMin(m_printer.toPage(), pageCount) : pageCount, pageCount);
    }
    endJob();
    if (m_failure)
        throw *m_failure;
    return true;
}
