#pragma once

#include <QColor>
#include <QFont>
#include <QLine>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <memory>
#include <vector>

// A paint device that keeps what is drawn on it instead of pixels: every line, polygon,
// poly-line and text with the pen colour and clip in force, so the chart's geometry can be
// checked exactly. It behaves as a 96 dpi surface of the given size.
class ChartRecorder : public QPaintDevice
{
public:
    struct Line
    {
        QLine line;
        QColor colour;
        int width;
    };
    struct Shape
    {
        QPolygon points;
        QColor colour;
        bool filled;
        // The clip in force, empty when none.
        QRect clip;
    };
    struct Text
    {
        QString text;
        // Top-left corner of the text, as the chart places it.
        QPoint topLeft;
        QColor colour;
        qreal pointSize;
    };

    explicit ChartRecorder(const QSize &size);
    ~ChartRecorder() override;

    QPaintEngine *paintEngine() const override;

    std::vector<Line> lines;
    std::vector<Shape> polylines;
    std::vector<Shape> polygons;
    std::vector<Text> texts;

    // The texts drawn in a colour, in drawing order.
    QStringList textsIn(const QColor &colour) const;
    const Text *findText(const QString &text) const;
    // The poly-lines drawn in a colour.
    std::vector<Shape> polylinesIn(const QColor &colour) const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize m_size;
    std::unique_ptr<QPaintEngine> m_engine;
};
