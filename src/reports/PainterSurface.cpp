#include "PainterSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <cmath>

namespace {

// Page units are tenths of a millimetre; an inch is 254 of them.
constexpr double UnitsPerInch = 254.0;

// The layouts were drawn for Times New Roman and Arial; the metric-compatible Liberation
// faces (or their Chrome OS twins) stand in where those are not installed.
void installSubstitutes()
{
    static const bool installed = [] {
        QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                                   {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                    QStringLiteral("DejaVu Serif")});
        QFont::insertSubstitutions(QStringLiteral("Arial"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("DejaVu Sans")});
        return true;
    }();
    Q_UNUSED(installed);
}

QFont toQFont(const PageFont &font)
{
    QFont qfont(font.face);
    qfont.setPointSizeF(font.pointSize);
    qfont.setWeight(QFont::Weight(font.weight));
    return qfont;
}

// Texts are black whatever the pen that draws the lines: the pen only rules.
class TextPen
{
public:
    explicit TextPen(QPainter &painter) : m_painter(painter), m_previous(painter.pen())
    {
        m_painter.setPen(Qt::black);
    }
    ~TextPen() { m_painter.setPen(m_previous); }
    TextPen(const TextPen &) = delete;
    TextPen &operator=(const TextPen &) = delete;

private:
    QPainter &m_painter;
    QPen m_previous;
};

} // namespace

PainterSurface::PainterSurface(QPainter &painter)
    : m_painter(painter), m_dotsPerUnitX(painter.device()->logicalDpiX() / UnitsPerInch),
      m_dotsPerUnitY(painter.device()->logicalDpiY() / UnitsPerInch), m_font{QStringLiteral(
                                                                                 "Sans Serif"),
                                                                             10, PageFont::Normal}
{
    installSubstitutes();
    applyFont();
    applyPen();
}

double PainterSurface::deviceX(int x) const
{
    return x * m_dotsPerUnitX;
}

double PainterSurface::deviceY(int y) const
{
    return -y * m_dotsPerUnitY;
}

void PainterSurface::applyFont()
{
    m_painter.setFont(toQFont(m_font));
}

void PainterSurface::applyPen()
{
    QPen pen(m_pen.color, qMax(1.0, m_pen.width * m_dotsPerUnitX),
             m_pen.style == PagePen::Style::Dot ? Qt::DotLine : Qt::SolidLine);
    m_painter.setPen(pen);
}

PageFont PainterSurface::selectFont(const PageFont &font)
{
    const PageFont previous = m_font;
    m_font = font;
    applyFont();
    return previous;
}

PagePen PainterSurface::selectPen(const PagePen &pen)
{
    const PagePen previous = m_pen;
    m_pen = pen;
    applyPen();
    return previous;
}

void PainterSurface::drawText(int x, int y, const QString &text)
{
    const QFontMetricsF metrics(m_painter.font(), m_painter.device());
    const TextPen black(m_painter);
    m_painter.drawText(QPointF(deviceX(x), deviceY(y) + metrics.ascent()), text);
}

void PainterSurface::drawCenteredText(int left, int top, int right, int bottom, const QString &text)
{
    const QRectF rect =
        QRectF(QPointF(deviceX(left), deviceY(top)), QPointF(deviceX(right), deviceY(bottom)))
            .normalized();
    const TextPen black(m_painter);
    m_painter.drawText(
        rect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text);
}

void PainterSurface::drawLine(int x1, int y1, int x2, int y2)
{
    m_painter.drawLine(QPointF(deviceX(x1), deviceY(y1)), QPointF(deviceX(x2), deviceY(y2)));
}

void PainterSurface::drawRectangle(int left, int top, int right, int bottom)
{
    const QBrush previous = m_painter.brush();
    m_painter.setBrush(Qt::white);
    m_painter.drawRect(
        QRectF(QPointF(deviceX(left), deviceY(top)), QPointF(deviceX(right), deviceY(bottom)))
            .normalized());
    m_painter.setBrush(previous);
}

int PainterSurface::textWidth(const QString &text) const
{
    const QFontMetricsF metrics(m_painter.font(), m_painter.device());
    return int(std::ceil(metrics.horizontalAdvance(text) / m_dotsPerUnitX));
}
