#include "ListReport.h"

#include "PageSurface.h"
#include "ReportText.h"
#include "db/Database.h"
#include "db/RowCursor.h"

namespace {

constexpr int FirstRowY = -300;
constexpr int RowStep = 50;
constexpr int LastRowLimitY = -2300;
constexpr int RightEdge = 2000;
constexpr int CellGap = 10;

} // namespace

ListReport::ListReport(Database &db, ListLayout layout) : m_db(db), m_layout(std::move(layout)) {}

int ListReport::countPages(Progress &)
{
    const int rows =
        m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM (%1)").arg(m_layout.sql), m_layout.params)
            .toInt();
    return (rows + RowsPerPage - 1) / RowsPerPage;
}

void ListReport::drawTitle(PageSurface &surface, const QString &title, const QString &company)
{
    ReportText::drawCenteredTitle(surface, 100, -100, 1900, -150, title, company);
    surface.drawLine(50, -170, 2000, -170);
}

int ListReport::columnEnd(int x) const
{
    // A column runs to the next heading, a little before it, the last one to the page's rule.
    int end = RightEdge;
    for (const ListCell &heading : m_layout.headings)
        if (heading.x > x)
            end = qMin(end, heading.x - CellGap);
    return end;
}

void ListReport::drawFooter(PageSurface &surface, int page, int pageCount)
{
    surface.drawCenteredText(100, -2750, 1900, -2800, ReportText::pageOf(page, pageCount));
}

void ListReport::drawPage(PageSurface &surface, int page, int pageCount)
{
    drawTitle(surface, m_layout.title, m_layout.company);
    for (const ListCell &heading : m_layout.headings)
        ReportText::drawFitted(surface, heading.x, -200, columnEnd(heading.x), heading.text);
    surface.drawLine(50, -250, 2000, -250);

    QSqlQuery rows = pageRows(page);
    RowCursor cursor(rows);
    for (int y = FirstRowY; y > LastRowLimitY && cursor.next(); y -= RowStep)
        for (const ListCell &cell : m_layout.cells(rows))
            drawCell(surface, cell, y);

    drawFooter(surface, page, pageCount);
}

void ListReport::drawCell(PageSurface &surface, const ListCell &cell, int y) const
{
    // A cell with a value of its own is a code or a figure, which is never cut.
    if (cell.value.isValid())
        ReportText::drawFigure(surface, cell.x, y, columnEnd(cell.x), cell.text);
    else
        ReportText::drawFitted(surface, cell.x, y, columnEnd(cell.x), cell.text);
}

QStringList ListReport::tableColumns() const
{
    QStringList names;
    for (const ListCell &heading : m_layout.headings)
        names << heading.text;
    return names;
}

QList<QVariantList> ListReport::tableRows(int page, int)
{
    QList<QVariantList> table;
    QSqlQuery rows = pageRows(page);
    RowCursor cursor(rows);
    while (cursor.next()) {
        QVariantList row(m_layout.headings.size());
        for (const ListCell &cell : m_layout.cells(rows))
            for (qsizetype column = 0; column < m_layout.headings.size(); ++column)
                if (m_layout.headings.at(column).x == cell.x)
                    row[column] = cell.value.isValid() ? cell.value : QVariant(cell.text);
        table << row;
    }
    return table;
}

QSqlQuery ListReport::pageRows(int page) const
{
    QVariantList params = m_layout.params;
    params << RowsPerPage << (page - 1) * RowsPerPage;
    return m_db.execute(QStringLiteral("%1 LIMIT ? OFFSET ?").arg(m_layout.sql), params);
}
