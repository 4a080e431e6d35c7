#include "ChartPrinting.h"

#include "chart/WeatherChartPainter.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

ChartPrinting::ChartPrinting(QPrinter &printer, QWidget *parent)
    : m_printer(printer), m_parent(parent)
{
}

void ChartPrinting::beginJob()
{
    m_orientation = m_printer.pageLayout().orientation();
    m_pageSize = m_printer.pageLayout().pageSize();
    m_printer.setPageSize(QPageSize(QPageSize::A4));
    m_printer.setPageOrientation(QPageLayout::Landscape);
}

void ChartPrinting::endJob()
{
    m_printer.setPageSize(m_pageSize);
    m_printer.setPageOrientation(m_orientation);
}

bool ChartPrinting::paintPage(const WeatherChartPainter &chart, const QSize &viewSize)
{
    QPainter painter;
    if (!painter.begin(&m_printer)) {
        const QString target = m_printer.outputFileName().isEmpty() ? m_printer.printerName()
                                                                    : m_printer.outputFileName();
        m_error = QCoreApplication::translate("ChartPrinting",
                                              "The weather chart could not be printed on %1.")
                      .arg(target);
        return false;
    }
    const QRect page = m_printer.pageLayout().paintRectPixels(m_printer.resolution());
    chart.paintFitted(painter, viewSize, QRect(QPoint(0, 0), page.size()));
    return painter.end();
}

bool ChartPrinting::print(const WeatherChartPainter &chart, const QSize &viewSize, bool preview)
{
    m_error.clear();
    bool printed = true;
    if (preview) {
        beginJob();
        QPrintPreviewDialog dialog(&m_printer, m_parent);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&](QPrinter *) { paintPage(chart, viewSize); });
        dialog.exec();
    } else {
        m_printer.setFromTo(0, 0);
        QPrintDialog dialog(&m_printer, m_parent);
        dialog.setMinMax(1, 1);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        beginJob();
        printed = paintPage(chart, viewSize);
    }
    endJob();
    return printed;
}
