#pragma once

#include "Report.h"
#include "ReportContext.h"
#include "TotalsPagination.h"

#include <QCoreApplication>
#include <QHash>

class QSqlQuery;

// The cost-centre report (Totali) and the field report ([Totali Campi]): one section per centre
// or field, each starting a new page under its header, a line (or two for a long description)
// per worker, machine and warehouse row, and at the foot either "(CONTINUES)" or the section's
// end. With amounts the rows show unit and total amounts and the section ends with its total
// costs, revenues and result, and per unit of surface; without amounts the warehouse rows are
// left out and a rule closes the section.
class TotalsReport : public Report
{
    Q_DECLARE_TR_FUNCTIONS(TotalsReport)

public:
    using Section = TotalsPagination::Section;

    TotalsReport(const ReportContext &context, Section section, bool withAmounts);

    int countPages(Progress &progress) override;
    void drawPage(PageSurface &surface, int page, int pageCount) override;
    // The section's code and name, then the printed columns with the unit apart from the
    // quantity; a section's totals follow its rows, each marked in the Mov.Type column.
    QStringList tableColumns() const override;
    QList<QVariantList> tableRows(int page, int pageCount) override;

    // A centre's name as the section title writes it: cut to 51 characters and "..." when longer
    // than 54, else padded to stand in the middle of 54 characters.
    static QString fittedCentreName(const QString &name);

private:
    struct Row
    {
        int centre;
        int code;
        int operation;
        double amount;
        QString description;
        double quantity;
        bool cost;
        bool last;
        QString phase;
    };
    struct Operation
    {
        QString code;
        QString name;
    };
    struct Heading
    {
        QString name;
        double surface = 0;
        bool machine = false;
    };

    struct Totals
    {
        double costs = 0;
        double revenues = 0;
        // Whether the unit lines print, and what they divide by.
        bool perUnit = false;
        double divisor = 1;
    };

    QList<Row> pageRows(int page) const;
    Totals totals(int code) const;
    QVariant codeCell(const Row &row) const;
    Heading heading(int code) const;
    void drawHeader(PageSurface &surface, int code) const;
    // Draws the row with its first line at y1 and returns whether it took two lines.
    bool drawAmountsRow(PageSurface &surface, const Row &row, int y1);
    bool drawSummaryRow(PageSurface &surface, const Row &row, int y1);
    void drawOperationColumn(PageSurface &surface, const Row &row, bool twoLines, int y1);
    void drawTotals(PageSurface &surface, int code) const;
    const Operation &operation(int code);
    QString warehouseUnit(const Row &row) const;
    // The unit of a row's quantity: its item's for a warehouse row, hours otherwise.
    QString unitOf(const Row &row) const;
    static double unitAmount(const Row &row);
    // What the operation column of a warehouse row names in the amounts report.
    QString warehouseOperation(const Row &row) const;
    // What the operation column of a row names in the summary: a field's own rows (code 0 or
    // less) their phase.
    QString summaryOperation(const Row &row);

    ReportContext m_context;
    Section m_section;
    bool m_withAmounts;
    QString m_table;
    QHash<int, Operation> m_operations;
};
