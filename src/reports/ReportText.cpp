#include "ReportText.h"

#include "PageSurface.h"
#include "base/DateText.h"

#include <QCoreApplication>

#include <cmath>

namespace ReportText {

QString cut(const QString &text, int limit, int keep)
{
    return text.size() >= limit ? text.left(keep) + QStringLiteral("...") : text;
}

QString date(const QDate &day)
{
    return day.toString(ShownDatePattern());
}

QString date(const QDateTime &moment)
{
    return date(moment.date());
}

QString fit(const PageSurface &surface, const QString &text, int width)
{
    if (surface.textWidth(text) <= width)
        return text;
    const QString ellipsis = QStringLiteral("...");
    if (surface.textWidth(ellipsis) > width)
        return QString();
    // The longest beginning that fits, found by halving: widths grow with the length.
    qsizetype fits = 0;
    qsizetype tooLong = text.size();
    while (tooLong - fits > 1) {
        const qsizetype middle = (fits + tooLong) / 2;
        if (surface.textWidth(text.left(middle) + ellipsis) <= width)
            fits = middle;
        else
            tooLong = middle;
    }
    return text.left(fits) + ellipsis;
}

void drawFitted(PageSurface &surface, int x, int y, int right, const QString &text)
{
    const QString fitted = fit(surface, text, right - x);
    if (!fitted.isEmpty())
        surface.drawText(x, y, fitted);
}

QString fitAround(const PageSurface &surface, const QString &text, const QString &name, int width)
{
    const qsizetype at = name.isEmpty() ? -1 : text.indexOf(name);
    if (surface.textWidth(text) <= width || at < 0)
        return text;
    const QString before = text.left(at);
    const QString after = text.mid(at + name.size());
    const int room = width - surface.textWidth(before + after);
    return before + fit(surface, name, qMax(0, room)) + after;
}

void drawCenteredTitle(PageSurface &surface, int left, int top, int right, int bottom,
                       const QString &title, const QString &name)
{
    surface.drawCenteredText(left, top, right, bottom,
                             fitAround(surface, title, name, right - left));
}

namespace {

PageFont ofSize(PageFont font, double pointSize)
{
    font.pointSize = pointSize;
    return font;
}

// Where a figure may go on to a second line: at a blank, which neither line keeps, or after a
// mark between two digits (a group or decimal separator), which stays on the first line.
struct FigureBreak
{
    qsizetype firstEnd;
    qsizetype secondStart;
};

// Blanks come first, the last one first: parting a unit from its number reads better than
// parting the digits of a number.
QList<FigureBreak> breaksOf(const QString &text)
{
    QList<FigureBreak> blanks;
    QList<FigureBreak> marks;
    for (qsizetype i = text.size() - 2; i >= 1; --i) {
        const QChar c = text.at(i);
        if (c.isSpace())
            blanks << FigureBreak{i, i + 1};
        else if (!c.isDigit() && text.at(i - 1).isDigit() && text.at(i + 1).isDigit())
            marks << FigureBreak{i + 1, i + 1};
    }
    return blanks + marks;
}

QStringList linesOf(const QString &text, const FigureBreak &at)
{
    return {text.left(at.firstEnd).trimmed(), text.mid(at.secondStart).trimmed()};
}

int widest(const PageSurface &surface, const QStringList &lines)
{
    int width = 0;
    for (const QString &line : lines)
        width = qMax(width, surface.textWidth(line));
    return width;
}

// The two lines that fit width, or, when no break makes both fit, those that run past it
// least; one line when the figure has no place to break.
QStringList twoLines(const PageSurface &surface, const QString &text, int width)
{
    QStringList best{text};
    int bestWidth = surface.textWidth(text);
    for (const FigureBreak &at : breaksOf(text)) {
        const QStringList lines = linesOf(text, at);
        if (lines.first().isEmpty() || lines.last().isEmpty())
            continue;
        const int linesWidth = widest(surface, lines);
        if (linesWidth <= width)
            return lines;
        if (linesWidth < bestWidth) {
            best = lines;
            bestWidth = linesWidth;
        }
    }
    return best;
}

} // namespace

FigureLayout layOutFigure(PageSurface &surface, const QString &text, int width)
{
    const PageFont font = surface.currentFont();
    if (surface.textWidth(text) <= width)
        return {font.pointSize, {text}};
    const double smallest = qMin(font.pointSize, SmallestFigureSize);
    FigureLayout layout{smallest, {}};
    // Half points from just under the current size.
    for (double size = std::ceil(font.pointSize * 2 - 1) / 2; size >= smallest; size -= 0.5) {
        surface.selectFont(ofSize(font, size));
        if (surface.textWidth(text) <= width) {
            layout = {size, {text}};
            break;
        }
    }
    if (layout.lines.isEmpty()) {
        surface.selectFont(ofSize(font, smallest));
        layout.lines = twoLines(surface, text, width);
    }
    surface.selectFont(font);
    return layout;
}

void drawFigure(PageSurface &surface, int x, int y, int right, const QString &text)
{
    if (text.isEmpty())
        return;
    const FigureLayout layout = layOutFigure(surface, text, right - x);
    const PageFont previous = surface.selectFont(ofSize(surface.currentFont(), layout.pointSize));
    for (const QString &line : layout.lines) {
        surface.drawText(x, y, line);
        y -= FigureLineStep;
    }
    surface.selectFont(previous);
}

QString pageOf(int page, int pageCount)
{
    return QCoreApplication::translate("Report", "Page %1 of %2").arg(page).arg(pageCount);
}

} // namespace ReportText
