#pragma once

#include "Report.h"
#include "base/WorkingPeriod.h"
#include "registries/StatisticsCell.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

class Database;

// What the registries view shows of its selected node: the node's key (see RegistryKey) and
// label in the tree, and the statistics list with its six titles, the widths the user gave its
// columns and its rows of six cells, each with its text and value.
struct RegistryPrintList
{
    int nodeKey = 0;
    QString nodeLabel;
    QStringList titles;
    QList<int> widths;
    QList<StatisticsRow> rows;
};

// The registries view's print: the statistics list of the selected node as a table on landscape
// A4 pages, 30 rows a page, under a heading that names the company and the node and, for crop
// centres and fields, their surface, for items their stock at the start and the end of the
// period.
class RegistryPrintReport : public Report
{
    Q_DECLARE_TR_FUNCTIONS(RegistryPrintReport)

public:
    static constexpr int RowsPerPage = 30;
    static constexpr int ColumnCount = 6;

    RegistryPrintReport(Database &db, const WorkingPeriod &period, QString companyName,
                        RegistryPrintList list);

    bool landscape() const override { return true; }
    int countPages(Progress &progress) override;
    void drawPage(PageSurface &surface, int page, int pageCount) override;
    // The list's columns, each cell written as its value: numbers as numbers, dates as ISO
    // dates, texts whole as the list shows them, also where the page cuts them short.
    QStringList tableColumns() const override { return m_list.titles; }
    QList<QVariantList> tableRows(int page, int pageCount) override;

    // The heading line of the node. Reads the database for centres, fields and items.
    QString heading() const;
    // An item's stock (loads less discharges) from its movements up to the end of day.
    static double stockUpTo(Database &db, int item, const QDate &day);

private:
    QList<int> columnLefts() const;

    Database &m_db;
    WorkingPeriod m_period;
    QString m_companyName;
    RegistryPrintList m_list;
};
