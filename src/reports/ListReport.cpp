#include "ListReport.h"

#include "PageSurface.h"
#include "ReportText.h"
#include "db/Database.h"

namespace {

constexpr int FirstRowY = -300;
constexpr int RowStep = 50;
constexpr int LastRowLimitY = -2300;

} // namespace

ListReport::ListReport(Database &db, ListLayout layout) : m_db(db), m_layout(std::move(layout)) {}

int ListReport::countPages(Progress &)
{
    const int rows =
        m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM (%1)").arg(m_layout.sql), m_layout.params)
            .toInt();
    return (rows + RowsPerPage - 1) / RowsPerPage;
}

void ListReport::drawTitle(PageSurface &surface, const QString &title)
{
    surface.drawCenteredText(100, -100, 1900, -150, title);
    surface.drawLine(50, -170, 2000, -170);
}

void ListReport::drawFooter(PageSurface &surface, int page, int pageCount)
{
    surface.drawCenteredText(100, -2750, 1900, -2800, ReportText::pageOf(page, pageCount));
}

void ListReport::drawPage(PageSurface &surface, int page, int pageCount)
{
    drawTitle(surface, m_layout.title);
    for (const ListCell &heading : m_layout.headings)
        surface.drawText(heading.x, -200, heading.text);
    surface.drawLine(50, -250, 2000, -250);

    QVariantList params = m_layout.params;
    params << RowsPerPage << (page - 1) * RowsPerPage;
    QSqlQuery rows = m_db.execute(QStringLiteral("%1 LIMIT ? OFFSET ?").arg(m_layout.sql), params);
    for (int y = FirstRowY; y > LastRowLimitY && rows.next(); y -= RowStep)
        for (const ListCell &cell : m_layout.cells(rows))
            surface.drawText(cell.x, y, cell.text);

    drawFooter(surface, page, pageCount);
}
