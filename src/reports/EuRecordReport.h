#pragma once

#include "Report.h"
#include "ReportContext.h"
#include "TreatmentRecord.h"

#include <QCoreApplication>
#include <QStringList>
#include <optional>

// The record of treatments as an inspector reads it on paper: landscape pages with the farm's
// identity and the period on each, one row per application with every element the record holds
// (day and time, product and authorisation number, quantity, treated area and dose per hectare,
// crop and EPPO code, BBCH stage, adversity, field and parcel reference, what is missing). A
// row takes as many lines as its longest cell and never runs across a page break. The rows are
// those of the record written as data, in the same order.
class EuRecordReport : public Report
{
    Q_DECLARE_TR_FUNCTIONS(EuRecordReport)

public:
    explicit EuRecordReport(const ReportContext &context);

    bool landscape() const override { return true; }
    // Reads the treatments of the period and lays them out; 0 when there are none.
    int countPages(Progress &progress) override;
    QString noDataMessage() const override;
    void drawPage(PageSurface &surface, int page, int pageCount) override;
    // The values of each printed row under the names of the record written as JSON.
    QStringList tableColumns() const override;
    QList<QVariantList> tableRows(int page, int pageCount) override;

    // The lines of a cell text in a column width page units wide, broken between words (inside
    // a word only when it is longer than a line), at most MaxCellLines, the last one cut.
    static QStringList wrap(const QString &text, int width);
    // The cells of one treatment, each a list of lines, in the order of the columns.
    static QList<QStringList> cellsOf(const TreatmentRecord::Treatment &treatment);
    // Rows of the given heights (in lines) spread on pages without splitting one: the first row
    // index of each page.
    static QList<int> pageStarts(const QList<int> &lines);

    static constexpr int MaxCellLines = 8;
    static constexpr int LineStep = 34;
    static constexpr int RowPadding = 16;
    static constexpr int BodyTop = -330;
    static constexpr int BodyBottom = -1860;

private:
    void drawHeading(PageSurface &surface) const;

    ReportContext m_context;
    std::optional<TreatmentRecord> m_record;
    QList<QList<QStringList>> m_rows;
    QList<int> m_starts;
};
