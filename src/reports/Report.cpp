#include "Report.h"

#include <QCoreApplication>

QString Report::noDataMessage() const
{
    return QCoreApplication::translate(
        "Report", "There are no data to print, try selecting the option processes data!");
}

void Report::printPage(PageSurface &surface, int page, int pageCount)
{
    const PageFont previous = surface.selectFont(baseFont());
    drawPage(surface, page, pageCount);
    surface.selectFont(previous);
}

PageFont Report::baseFont()
{
    return {QStringLiteral("Times New Roman"), 10, PageFont::Normal};
}
