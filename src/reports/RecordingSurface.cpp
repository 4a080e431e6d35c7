#include "RecordingSurface.h"

RecordingSurface::RecordingSurface() : m_font{QStringLiteral("Sans Serif"), 10, PageFont::Normal} {}

PageFont RecordingSurface::selectFont(const PageFont &font)
{
    const PageFont previous = m_font;
    m_font = font;
    return previous;
}

PagePen RecordingSurface::selectPen(const PagePen &pen)
{
    const PagePen previous = m_pen;
    m_pen = pen;
    return previous;
}

void RecordingSurface::record(Call::Kind kind, int x, int y, int x2, int y2, const QString &text)
{
    m_calls.append({kind, x, y, x2, y2, text, m_font, m_pen, x});
}

void RecordingSurface::drawText(int x, int y, const QString &text)
{
    record(Call::Kind::Text, x, y, x + textWidth(text, m_font), y, text);
}

void RecordingSurface::drawCenteredText(int left, int top, int right, int bottom,
                                        const QString &text)
{
    m_calls.append({Call::Kind::CenteredText, left, top, right, bottom, text, m_font, m_pen,
                    (left + right - textWidth(text, m_font)) / 2});
}

void RecordingSurface::drawLine(int x1, int y1, int x2, int y2)
{
    record(Call::Kind::Line, x1, y1, x2, y2);
}

void RecordingSurface::drawRectangle(int left, int top, int right, int bottom)
{
    record(Call::Kind::Rectangle, left, top, right, bottom);
}

int RecordingSurface::textWidth(const QString &text, const PageFont &font)
{
    return int(text.size() * 15 * font.pointSize / 10.0);
}

QStringList RecordingSurface::texts() const
{
    QStringList result;
    for (const Call &call : m_calls)
        if (call.kind == Call::Kind::Text || call.kind == Call::Kind::CenteredText)
            result << call.text;
    return result;
}

QString RecordingSurface::textAt(int x, int y) const
{
    for (const Call &call : m_calls)
        if (call.kind == Call::Kind::Text && call.x == x && call.y == y)
            return call.text;
    return QString();
}

const RecordingSurface::Call *RecordingSurface::findText(const QString &text) const
{
    for (const Call &call : m_calls)
        if ((call.kind == Call::Kind::Text || call.kind == Call::Kind::CenteredText) &&
            call.text == text)
            return &call;
    return nullptr;
}

QStringList RecordingSurface::log() const
{
    QStringList lines;
    for (const Call &call : m_calls) {
        const QString font = QStringLiteral("[%1 %2 %3]")
                                 .arg(call.font.face)
                                 .arg(call.font.pointSize)
                                 .arg(call.font.weight);
        switch (call.kind) {
        case Call::Kind::Text:
            lines << QStringLiteral("text %1,%2 \"%3\" %4")
                         .arg(call.x)
                         .arg(call.y)
                         .arg(call.text, font);
            break;
        case Call::Kind::CenteredText:
            lines << QStringLiteral("centred %1,%2 %3,%4 \"%5\" %6")
                         .arg(call.x)
                         .arg(call.y)
                         .arg(call.x2)
                         .arg(call.y2)
                         .arg(call.text, font);
            break;
        case Call::Kind::Line:
            lines << QStringLiteral("line %1,%2 %3,%4 %5 %6")
                         .arg(call.x)
                         .arg(call.y)
                         .arg(call.x2)
                         .arg(call.y2)
                         .arg(call.pen.style == PagePen::Style::Dot ? QStringLiteral("dot")
                                                                    : QStringLiteral("solid"))
                         .arg(call.pen.width);
            break;
        case Call::Kind::Rectangle:
            lines << QStringLiteral("rectangle %1,%2 %3,%4")
                         .arg(call.x)
                         .arg(call.y)
                         .arg(call.x2)
                         .arg(call.y2);
            break;
        }
    }
    return lines;
}
