#pragma once

#include "ChartData.h"

#include <QColor>
#include <QCoreApplication>
#include <QRect>
#include <QString>

class QPainter;

// Draws the weather chart of a period: a title with the company name, the axes, a scale of
// degrees and millimetres, the months of the period under season-coloured bars, and the
// maximum and minimum temperature and the rain of the cards as three lines. One painter for
// the window, the printer, the preview, PDF, SVG and images.
//
// Coordinates are those of the painter; the layout (margins, offsets, fonts) is measured in
// units of a 96 dpi screen pixel, so a drawing keeps its proportions on any device.
class WeatherChartPainter
{
    Q_DECLARE_TR_FUNCTIONS(WeatherChartPainter)

public:
    // The rectangle the series are drawn in and the scale it gives.
    struct Plot
    {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
        // The height of 0 degrees and 0 mm.
        int zero = 0;
        // Device units per degree or millimetre.
        int unit = 0;
    };

    WeatherChartPainter(const ChartData &data, QString companyName);

    // Draws the chart filling area; the painter's state is as before afterwards.
    void paint(QPainter &painter, const QRect &area) const;
    // Draws the chart as laid out on a surface of logicalSize, scaled to fit target while
    // keeping its proportions, from target's top-left corner.
    void paintFitted(QPainter &painter, const QSize &logicalSize, const QRect &target) const;

    static Plot plotOf(const QRect &area);
    // "Jan." ... "Dec." for 1 ... 12.
    static QString monthName(int month);
    // The colour of the bar under a month, by its quarter.
    static QColor seasonColour(int month);
    static QColor seriesColour(ChartSeries series);
    static QString seriesName(ChartSeries series);

private:
    void drawTitle(QPainter &painter, const Plot &plot) const;
    void drawAxes(QPainter &painter, const Plot &plot) const;
    void drawScale(QPainter &painter, const Plot &plot) const;
    void drawMonths(QPainter &painter, const Plot &plot) const;
    void drawSeries(QPainter &painter, const Plot &plot, ChartSeries series,
                    int legendOffset) const;

    const ChartData &m_data;
    QString m_companyName;
};
