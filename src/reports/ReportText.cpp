#include "ReportText.h"

#include "PageSurface.h"
#include "base/DateText.h"

#include <QCoreApplication>

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

void drawCenteredTitle(PageSurface &surface, int left, int top, int right, int bottom,
                       const QString &title, const QString &name)
{
    const qsizetype at = name.isEmpty() ? -1 : title.indexOf(name);
    QString text = title;
    if (surface.textWidth(title) > right - left && at >= 0) {
        const QString before = title.left(at);
        const QString after = title.mid(at + name.size());
        const int room = right - left - surface.textWidth(before + after);
        text = before + fit(surface, name, qMax(0, room)) + after;
    }
    surface.drawCenteredText(left, top, right, bottom, text);
}

QString pageOf(int page, int pageCount)
{
    return QCoreApplication::translate("Report", "Page %1 of %2").arg(page).arg(pageCount);
}

} // namespace ReportText
