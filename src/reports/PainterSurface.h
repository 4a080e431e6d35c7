#pragma once

#include "PageSurface.h"

class QPainter;

// A page surface on a QPainter (printer, preview, PDF writer, image). It maps page units to
// the device's pixels itself, so the painter keeps its plain top-down system and text is
// never drawn mirrored. The painter's origin must be the top-left corner of the printable
// area.
class PainterSurface : public PageSurface
{
public:
    explicit PainterSurface(QPainter &painter);

    PageFont selectFont(const PageFont &font) override;
    PageFont currentFont() const override { return m_font; }
    PagePen selectPen(const PagePen &pen) override;

    void drawText(int x, int y, const QString &text) override;
    void drawCenteredText(int left, int top, int right, int bottom, const QString &text) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void drawRectangle(int left, int top, int right, int bottom) override;
    int textWidth(const QString &text) const override;

private:
    double deviceX(int x) const;
    double deviceY(int y) const;
    void applyFont();
    void applyPen();

    QPainter &m_painter;
    double m_dotsPerUnitX;
    double m_dotsPerUnitY;
    PageFont m_font;
    PagePen m_pen;
};
