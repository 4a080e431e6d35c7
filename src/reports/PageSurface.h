#pragma once

#include <QColor>
#include <QString>

// A font as the page layouts name it: face, size in points and weight (400 normal, 700 bold).
struct PageFont
{
    QString face;
    double pointSize = 10;
    int weight = 400;

    static constexpr int Normal = 400;
    static constexpr int Bold = 700;

    PageFont withWeight(int otherWeight) const { return {face, pointSize, otherWeight}; }
    bool operator==(const PageFont &) const = default;
};

// A pen: solid or dotted, width in page units (0.1 mm), colour.
struct PagePen
{
    enum class Style { Solid, Dot };

    Style style = Style::Solid;
    int width = 1;
    QColor color = Qt::black;

    bool operator==(const PagePen &) const = default;
};

// What a printed page is drawn on. Coordinates are in 0.1 mm from the top-left corner of the
// printable area, x to the right and y upwards, so every point of the page has a negative y
// (y = -100 is 10 mm below the top edge).
class PageSurface
{
public:
    virtual ~PageSurface() = default;

    // Makes font the current font and returns the one it replaces.
    virtual PageFont selectFont(const PageFont &font) = 0;
    virtual PageFont currentFont() const = 0;
    // Makes pen the current pen and returns the one it replaces.
    virtual PagePen selectPen(const PagePen &pen) = 0;

    // Texts are black whatever the pen; the pen draws lines and outlines.
    // The text with its top-left corner at (x, y).
    virtual void drawText(int x, int y, const QString &text) = 0;
    // The text on one line, centred between left and right, its top at the rectangle's top.
    virtual void drawCenteredText(int left, int top, int right, int bottom,
                                  const QString &text) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
    // The outline in the current pen, filled white.
    virtual void drawRectangle(int left, int top, int right, int bottom) = 0;

    // Width of the text in page units in the current font.
    virtual int textWidth(const QString &text) const = 0;
};
