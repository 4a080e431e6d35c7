#pragma once

#include "PageSurface.h"

#include <QList>
#include <QStringList>

// A page surface that keeps every drawing call, for tests of the page layouts. Text widths are
// made up (a fixed width per character, scaled by the point size), so positions computed from
// them never depend on the fonts installed.
class RecordingSurface : public PageSurface
{
public:
    struct Call
    {
        enum class Kind { Text, CenteredText, Line, Rectangle };

        Kind kind;
        // The point of a text; the corners of a centring rectangle, a line or a rectangle.
        int x;
        int y;
        int x2;
        int y2;
        QString text;
        PageFont font;
        PagePen pen;
        // Left edge of a text, from the made-up width for a centred one.
        int textLeft = 0;
    };

    RecordingSurface();

    PageFont selectFont(const PageFont &font) override;
    PageFont currentFont() const override { return m_font; }
    PagePen selectPen(const PagePen &pen) override;
    PagePen currentPen() const { return m_pen; }

    void drawText(int x, int y, const QString &text) override;
    void drawCenteredText(int left, int top, int right, int bottom, const QString &text) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void drawRectangle(int left, int top, int right, int bottom) override;
    int textWidth(const QString &text) const override { return textWidth(text, m_font); }

    // Width of a text in page units: 15 units per character at 10 points.
    static int textWidth(const QString &text, const PageFont &font);

    const QList<Call> &calls() const { return m_calls; }
    void clear() { m_calls.clear(); }
    // The texts drawn (plain and centred), in drawing order.
    QStringList texts() const;
    // The text drawn with its top-left corner at (x, y); a null string when there is none.
    QString textAt(int x, int y) const;
    // The first text call whose text is text, or nullptr.
    const Call *findText(const QString &text) const;
    // One line per call, e.g. `text 150,-300 "Rossi" [Times New Roman 10 400]`: a readable log
    // to compare whole pages with.
    QStringList log() const;

private:
    void record(Call::Kind kind, int x, int y, int x2, int y2, const QString &text = {});

    PageFont m_font;
    PagePen m_pen;
    QList<Call> m_calls;
};
