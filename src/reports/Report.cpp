#include "Report.h"

#include "base/CsvTable.h"

#include <QCoreApplication>
#include <cmath>

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

QList<QVariantList> Report::tableRows(int, int)
{
    return {};
}

CsvTable Report::table(Progress &progress)
{
    CsvTable table(tableColumns());
    const int pageCount = countPages(progress);
    for (int page = 1; page <= pageCount; ++page)
        for (const QVariantList &row : tableRows(page, pageCount))
            table.addRow(row);
    return table;
}

double Report::cents(double value)
{
    return std::round(value * 100.0) / 100.0;
}
