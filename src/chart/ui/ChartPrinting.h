#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QSize>

class QPainter;
class QPrinter;
class QWidget;
class WeatherChartPainter;

// Prints the chart, or shows it in the print preview, on one landscape A4 page: the drawing
// laid out as on a surface of the view's size, scaled to fill the page with its proportions
// kept. The printer's orientation and paper are as they were afterwards.
class ChartPrinting
{
public:
    ChartPrinting(QPrinter &printer, QWidget *parent);

    // Shows the printer dialog (which the user may cancel) or the preview; false when nothing
    // was printed.
    bool print(const WeatherChartPainter &chart, const QSize &viewSize, bool preview);

    // The job's steps, apart so that the printer set-up and the page can be checked.
    void beginJob();
    void paintPage(const WeatherChartPainter &chart, const QSize &viewSize);
    void endJob();

private:
    QPrinter &m_printer;
    QWidget *m_parent;
    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    QPageSize m_pageSize;
};
