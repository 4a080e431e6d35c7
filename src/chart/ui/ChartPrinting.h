#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QSize>
#include <QString>

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
    // was printed, with errorString() saying why when the printer refused the page.
    bool print(const WeatherChartPainter &chart, const QSize &viewSize, bool preview);
    QString errorString() const { return m_error; }

    // The job's steps, apart so that the printer set-up and the page can be checked.
    void beginJob();
    bool paintPage(const WeatherChartPainter &chart, const QSize &viewSize);
    void endJob();

private:
    QPrinter &m_printer;
    QWidget *m_parent;
    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    QPageSize m_pageSize;
    QString m_error;
};
