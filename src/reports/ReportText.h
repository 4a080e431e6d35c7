#pragma once

#include <QDateTime>
#include <QString>

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
// The title centred on one line in the band between left and right at top. When it is too wide
// the part name (a company's or a centre's name within it) gives way, so that the rest (a code,
// a date, a report's name) stays on the page.
void drawCenteredTitle(PageSurface &surface, int left, int top, int right, int bottom,
                       const QString &title, const QString &name);

// "Page %d of %d".
QString pageOf(int page, int pageCount);

} // namespace ReportText
