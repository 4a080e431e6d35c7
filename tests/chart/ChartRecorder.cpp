#include "ChartRecorder.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>

namespace {

QRect clipOf(const QPainter *painter)
{
    return painter->hasClipping() ? painter->clipBoundingRect().toAlignedRect() : QRect();
}

class RecordingEngine : public QPaintEngine
{
public:
    explicit RecordingEngine(ChartRecorder &device)
        : QPaintEngine(QPaintEngine::AllFeatures), m_device(device)
    {
    }

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    Type type() const override { return User; }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}

    void drawLines(const QLineF *lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            m_device.lines.push_back(
                {lines[i].toLine(), painter()->pen().color(), painter()->pen().width()});
    }

    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        QPolygon polygon;
        for (int i = 0; i < count; ++i)
            polygon << points[i].toPoint();
        const bool polyline = mode == PolylineMode;
        ChartRecorder::Shape shape{polygon, painter()->pen().color(),
                                   !polyline && painter()->brush().style() != Qt::NoBrush,
                                   clipOf(painter())};
        (polyline ? m_device.polylines : m_device.polygons).push_back(shape);
    }

    void drawTextItem(const QPointF &baseline, const QTextItem &item) override
    {
        const QFontMetricsF metrics(item.font(), &m_device);
        m_device.texts.push_back({item.text(),
                                  QPointF(baseline.x(), baseline.y() - metrics.ascent()).toPoint(),
                                  painter()->pen().color(), item.font().pointSizeF()});
    }

private:
    ChartRecorder &m_device;
};

} // namespace

ChartRecorder::ChartRecorder(const QSize &size)
    : m_size(size), m_engine(std::make_unique<RecordingEngine>(*this))
{
}

ChartRecorder::~ChartRecorder() = default;

QPaintEngine *ChartRecorder::paintEngine() const
{
    return m_engine.get();
}

int ChartRecorder::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return m_size.width();
    case PdmHeight:
        return m_size.height();
    case PdmWidthMM:
        return qRound(m_size.width() * 25.4 / 96);
    case PdmHeightMM:
        return qRound(m_size.height() * 25.4 / 96);
    case PdmNumColors:
        return 0x7fffffff;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    default:
        break;
    }
    return 0;
}

QStringList ChartRecorder::textsIn(const QColor &colour) const
{
    QStringList found;
    for (const Text &text : texts)
        if (text.colour == colour)
            found << text.text;
    return found;
}

const ChartRecorder::Text *ChartRecorder::findText(const QString &text) const
{
    for (const Text &each : texts)
        if (each.text == text)
            return &each;
    return nullptr;
}

std::vector<ChartRecorder::Shape> ChartRecorder::polylinesIn(const QColor &colour) const
{
    std::vector<Shape> found;
    for (const Shape &shape : polylines)
        if (shape.colour == colour)
            found.push_back(shape);
    return found;
}
