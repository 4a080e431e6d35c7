#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

class PageSurface;

// Texts as the printed pages write them.
namespace ReportText {

// The text cut at limit to keep: its first keep characters and "..." when it has limit or
// more characters, whole otherwise.
QString cut(const QString &text, int limit, int keep);

// A date on a page in the shown date pattern (ShownDatePattern()).
QString date(const QDate &day);
QString date(const QDateTime &moment);

// The text as it fits in width page units in the surface's current font: whole when it fits,
// else its longest beginning followed by "..." that fits, or nothing when "..." does not.
QString fit(const PageSurface &surface, const QString &text, int width);
// The text at (x, y), cut to end before right.
void drawFitted(PageSurface &surface, int x, int y, int right, const QString &text);
// The text as it fits in width: whole when it fits, else with the part name (a company's or a
// centre's name within it) shortened with "..." so that the rest (a code, a figure, a date)
// stays whole.
QString fitAround(const PageSurface &surface, const QString &text, const QString &name, int width);

// The smallest size a figure is drawn in before it takes a second line.
constexpr double SmallestFigureSize = 6;
// How far below the first line of a figure its second line starts: one line of 6 pt text, so
// that both lines stay within the height of one line of 10 pt text (50 units) and so within
// the row that holds the figure.
constexpr int FigureLineStep = 24;

// How a figure is drawn: the point size and its one or two lines.
struct FigureLayout
{
    double pointSize = 0;
    QStringList lines;
};
// A figure (a quantity, hours, an amount, with or without its unit) is never shortened, since a
// shortened figure reads as another number. It is laid out to end before width: in the current
// font when it fits; else in the largest smaller size of the same face, in half points down to
// SmallestFigureSize, that holds it; else in that smallest size on two lines, broken at the last
// blank (between a unit and its number) or else after the last mark between digit groups that
// lets both lines fit. When no break lets it fit, it takes the break that runs past the column
// least (or stays on one line without a place to break): it runs past rather than lose a
// character.
FigureLayout layOutFigure(PageSurface &surface, const QString &text, int width);
// The figure at (x, y), whole, to end before right as layOutFigure lays it out; its second line
// FigureLineStep below the first. The current font is kept.
void drawFigure(PageSurface &surface, int x, int y, int right, const QString &text);
// The title centred on one line in the band between left and right at top. When it is too wide
// the part name (a company's or a centre's name within it) gives way, so that the rest (a code,
// a date, a report's name) stays on the page.
void drawCenteredTitle(PageSurface &surface, int left, int top, int right, int bottom,
                       const QString &title, const QString &name);

// "Page %d of %d".
QString pageOf(int page, int pageCount);

} // namespace ReportText
