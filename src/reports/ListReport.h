#pragma once

#include "Report.h"

#include <QList>
#include <QSqlQuery>
#include <QVariantList>
#include <functional>

class Database;
class PageSurface;

// A text of a list page at a column's x, and the value it stands for where that is not the text
// itself (a code, a figure), which is what the list's table gets. A cell with a value is a
// figure on the page: never cut.
struct ListCell
{
    int x;
    QString text;
    QVariant value = {};
};

// What a registry list prints: its title, column headings, the rows (an SQL query whose order
// is the printed order) and the cells of one row.
struct ListLayout
{
    QString title;
    // The company's name in the title, which gives way when the title is too long.
    QString company;
    QList<ListCell> headings;
    QString sql;
    QVariantList params;
    std::function<QList<ListCell>(const QSqlQuery &row)> cells;
};

// A list of 40 rows per page in the list page frame: the title centred in the band at the
// top, rules under the title and under the column headings, the rows every 50 units from
// y = -300, and "Page n of N" at the foot. A text too wide for its column (up to the next
// heading) is cut with "..."; a code or figure is drawn whole, smaller where it must be.
class ListReport : public Report
{
public:
    static constexpr int RowsPerPage = 40;

    ListReport(Database &db, ListLayout layout);

    int countPages(Progress &progress) override;
    void drawPage(PageSurface &surface, int page, int pageCount) override;
    QStringList tableColumns() const override;
    QList<QVariantList> tableRows(int page, int pageCount) override;

    // The parts of the frame, shared with the work card.
    static void drawTitle(PageSurface &surface, const QString &title, const QString &company);
    static void drawFooter(PageSurface &surface, int page, int pageCount);

private:
    // Where the cell of a column starting at x must end.
    int columnEnd(int x) const;
    void drawCell(PageSurface &surface, const ListCell &cell, int y) const;
    QSqlQuery pageRows(int page) const;

    Database &m_db;
    ListLayout m_layout;
};
