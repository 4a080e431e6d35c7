#include "WeatherChartPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>

namespace {

// The layout's unit is a pixel of a 96 dpi screen; fonts are sized in it too.
constexpr qreal LayoutDpi = 96.0;
constexpr qreal TitlePoints = 14;
constexpr qreal TextPoints = 7;

constexpr int SideMargin = 100;
constexpr int TopBottomMargin = 50;
constexpr int ArrowSize = 5;
// The scale has a label every five degrees or millimetres; the zero line lies four fifths
// of the plot height down, which leaves 64 units above it and 16 below.
constexpr int UnitsPerPlot = 80;
constexpr int UnitsPerLabel = 5;
constexpr int DaysPerMonth = 30;

const char *const MonthNames[] = {
    QT_TRANSLATE_NOOP("WeatherChartPainter", "Jan."),
    QT_TRANSLATE_NOOP("WeatherChartPainter", "Feb."),
    QT_TRANSLATE_NOOP("WeatherChartPainter", "Mar."),
    QT_TRANSLATE_NOOP("WeatherChartPainter", "Apr."),
    QT_TRANSLATE_NOOP("WeatherChartPainter", "May."),
    QT_TRANSLATE_NOOP("WeatherChartPainter", "Jun."),
    QT_TRANSLATE_NOOP("WeatherChartPainter", "Jul."),
    QT_TRANSLATE_NOOP("WeatherChartPainter", "Aug."),
    QT_TRANSLATE_NOOP("WeatherChartPainter", "Sep."),
    QT_TRANSLATE_NOOP("WeatherChartPainter", "Oct."),
    QT_TRANSLATE_NOOP("WeatherChartPainter", "Nov."),
    QT_TRANSLATE_NOOP("WeatherChartPainter", "Dec."),
};

// The chart was laid out for Arial; the metric-compatible Liberation face stands in for it.
void installSubstitutes()
{
    static const bool installed = [] {
        QFont::insertSubstitutions(QStringLiteral("Arial"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("DejaVu Sans")});
        return true;
    }();
    Q_UNUSED(installed);
}

// Arial of the given size in layout units, whatever the resolution of the device.
QFont chartFont(const QPainter &painter, qreal points)
{
    installSubstitutes();
    QFont font(QStringLiteral("Arial"));
    const int deviceDpi = painter.device()->logicalDpiY();
    font.setPointSizeF(points * LayoutDpi / (deviceDpi > 0 ? deviceDpi : LayoutDpi));
    return font;
}

// Writes text with its top-left corner at (x, y).
void drawTextAt(QPainter &painter, int x, int y, const QString &text)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    painter.drawText(QPointF(x, y + metrics.ascent()), text);
}

// The height of a value above the zero line. Values far off the plot (a mistyped card) are
// held within a range the integer coordinates can carry; the clip hides them anyway.
int heightOf(float value, int unit)
{
    constexpr float Limit = 1e6f;
    return int(qBound(-Limit, value * unit, Limit));
}

void drawArrowHead(QPainter &painter, const QPolygon &triangle)
{
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::black);
    painter.drawPolygon(triangle);
    painter.setBrush(Qt::NoBrush);
}

} // namespace

WeatherChartPainter::WeatherChartPainter(const ChartData &data, QString companyName)
    : m_data(data), m_companyName(std::move(companyName))
{
}

WeatherChartPainter::Plot WeatherChartPainter::plotOf(const QRect &area)
{
    Plot plot;
    plot.left = area.x() + SideMargin;
    plot.right = area.x() + area.width() - SideMargin;
    plot.top = area.y() + TopBottomMargin;
    plot.bottom = area.y() + area.height() - TopBottomMargin;
    const int height = plot.bottom - plot.top;
    plot.zero = plot.top + (height / 5) * 4;
    plot.unit = qMax(0, height / UnitsPerPlot);
    return plot;
}

QString WeatherChartPainter::monthName(int month)
{
    if (month < 1 || month > 12)
        return {};
    return tr(MonthNames[month - 1]);
}

QColor WeatherChartPainter::seasonColour(int month)
{
    if (month <= 3)
        return QColor(0, 71, 140);
    if (month <= 6)
        return QColor(255, 128, 0);
    if (month <= 9)
        return QColor(255, 190, 130);
    return QColor(150, 78, 0);
}

QColor WeatherChartPainter::seriesColour(ChartSeries series)
{
    switch (series) {
    case ChartSeries::MaxTemperature:
        return QColor(255, 0, 0);
    case ChartSeries::MinTemperature:
        return QColor(0, 0, 255);
    case ChartSeries::Rain:
        return QColor(0, 255, 0);
    }
    return Qt::black;
}

QString WeatherChartPainter::seriesName(ChartSeries series)
{
    switch (series) {
    case ChartSeries::MaxTemperature:
        return tr("Maximum Temperature");
    case ChartSeries::MinTemperature:
        return tr("Minimum Temperature");
    case ChartSeries::Rain:
        return tr("Rain");
    }
    return {};
}

void WeatherChartPainter::paint(QPainter &painter, const QRect &area) const
{
    const Plot plot = plotOf(area);
    painter.save();
    // Lines fall on whole device units, as the scale computes them; only text is smoothed.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    drawTitle(painter, plot);
    painter.setFont(chartFont(painter, TextPoints));
    drawAxes(painter, plot);
    if (m_data.days() > 0) {
        drawScale(painter, plot);
        drawMonths(painter, plot);
        drawSeries(painter, plot, ChartSeries::MaxTemperature, 0);
        drawSeries(painter, plot, ChartSeries::MinTemperature, 10);
        drawSeries(painter, plot, ChartSeries::Rain, 20);
    }
    painter.restore();
}

void WeatherChartPainter::paintFitted(QPainter &painter, const QSize &logicalSize,
                                      const QRect &target) const
{
    if (logicalSize.isEmpty() || target.isEmpty())
        return;
    const qreal scale = qMin(qreal(target.width()) / logicalSize.width(),
                             qreal(target.height()) / logicalSize.height());
    painter.save();
    painter.setViewport(target.x(), target.y(), qRound(logicalSize.width() * scale),
                        qRound(logicalSize.height() * scale));
    painter.setWindow(0, 0, logicalSize.width(), logicalSize.height());
    paint(painter, QRect(QPoint(0, 0), logicalSize));
    painter.restore();
}

void WeatherChartPainter::drawTitle(QPainter &painter, const Plot &plot) const
{
    painter.setFont(chartFont(painter, TitlePoints));
    painter.setPen(Qt::black);
    drawTextAt(painter, plot.left, plot.top - 30,
               m_companyName + QStringLiteral(" - ") + tr("Weather Chart"));
}

void WeatherChartPainter::drawAxes(QPainter &painter, const Plot &plot) const
{
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(plot.left, plot.bottom, plot.left, plot.top);
    drawArrowHead(painter, QPolygon({QPoint(plot.left - ArrowSize, plot.top),
                                     QPoint(plot.left + ArrowSize, plot.top),
                                     QPoint(plot.left, plot.top - ArrowSize)}));
    painter.drawLine(plot.left, plot.zero, plot.right, plot.zero);
    drawArrowHead(painter, QPolygon({QPoint(plot.right, plot.zero - ArrowSize),
                                     QPoint(plot.right, plot.zero + ArrowSize),
                                     QPoint(plot.right + ArrowSize, plot.zero)}));
}

void WeatherChartPainter::drawScale(QPainter &painter, const Plot &plot) const
{
    // A label every five units of the scale the values are drawn with, so that each label
    // stands at the height of the value it names.
    const int step = UnitsPerLabel * plot.unit;
    if (step <= 0)
        return;
    painter.setPen(Qt::black);
    const int x = plot.left - 20;
    for (int y = plot.zero, value = 0; y >= plot.top; y -= step, value += UnitsPerLabel)
        drawTextAt(painter, x, y - 5, QString::number(value));
    for (int y = plot.zero + step, value = -UnitsPerLabel; y <= plot.bottom;
         y += step, value -= UnitsPerLabel)
        drawTextAt(painter, x, y - 5, QString::number(value));
}

void WeatherChartPainter::drawMonths(QPainter &painter, const Plot &plot) const
{
    const int months = m_data.days() / DaysPerMonth;
    if (months <= 0)
        return;
    const float width = float(plot.right - plot.left) / months;
    int month = m_data.period.start.month();
    int year = m_data.period.start.year();
    for (int i = 0; i < months; ++i) {
        const int x = plot.left + int(i * width);
        const int next = plot.left + int((i + 1) * width);
        painter.setPen(Qt::black);
        drawTextAt(painter, x, plot.bottom + 10, monthName(month));
        drawTextAt(painter, x, plot.bottom + 20, QString::number(year));
        painter.setPen(QPen(seasonColour(month), 1));
        painter.drawLine(x, plot.bottom, next, plot.bottom);
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
}

void WeatherChartPainter::drawSeries(QPainter &painter, const Plot &plot, ChartSeries series,
                                     int legendOffset) const
{
    const QPen pen(seriesColour(series), 1, Qt::SolidLine);
    painter.setPen(pen);
    const int legendY = plot.top + legendOffset;
    painter.drawLine(plot.right - 50, legendY + 5, plot.right - 30, legendY + 5);
    drawTextAt(painter, plot.right - 30, legendY, seriesName(series));

    // Each card at its own day; a day without a value is joined over.
    const float dx = float(plot.right - plot.left) / m_data.days();
    QPolygon line;
    line.reserve(int(m_data.cards.size()));
    for (const ChartCard &card : m_data.cards) {
        const std::optional<float> value = card.value(series);
        if (!value)
            continue;
        int y = plot.zero - heightOf(*value, plot.unit);
        if (series == ChartSeries::Rain)
            y = qMax(y, plot.top);
        line << QPoint(plot.left + int(card.day * dx), y);
    }
    if (line.size() < 2)
        return;
    painter.save();
    painter.setClipRect(QRect(QPoint(plot.left, plot.top), QPoint(plot.right, plot.bottom)),
                        Qt::IntersectClip);
    painter.drawPolyline(line);
    painter.restore();
}
