#pragma once

#include "Report.h"
#include "ReportContext.h"

#include <QCoreApplication>
#include <QSqlQuery>

// The treatment register ([Appoggio Articoli]): a cover page with the company's registration
// data, then per centre ruled pages of 20 treatments (date, adversity, product, quantity per
// hectare and quantity, an empty column for the signature). The register pages are numbered
// without the cover.
class RegisterReport : public Report
{
    Q_DECLARE_TR_FUNCTIONS(RegisterReport)

public:
    explicit RegisterReport(const ReportContext &context);

    // 0 when there are no rows: a cover alone is no register.
    int countPages(Progress &progress) override;
    QString noDataMessage() const override;
    void drawPage(PageSurface &surface, int page, int pageCount) override;
    // The treatments of the register pages (the cover holds none), each with its centre; the
    // quantity per hectare is empty where the page prints "-".
    QStringList tableColumns() const override;
    QList<QVariantList> tableRows(int page, int pageCount) override;

    // The quantity per hectare as the register prints it: "-" when the surface is not positive.
    static QString perHectare(double quantity, double surface);
    // The year of the period for the register's heading, or "first–last" when it spans several
    // years; empty without an end.
    static QString yearsOf(const WorkingPeriod &period);
    // The column that holds each row's quantity as a number beside its text TQ; databases made
    // before it was added hold the text only.
    static const QString QuantityColumn;

private:
    void drawCover(PageSurface &surface, int pageCount) const;
    void drawRegisterPage(PageSurface &surface, int page, int pageCount) const;
    bool hasQuantityColumn() const;
    QSqlQuery pageRows(int page) const;
    // The treatment's quantity: the stored number when there is one, else as the text was
    // written in the locale of its day.
    static double quantityOf(const QSqlQuery &rows);
    // The quantity as the register prints it: the stored number in the language of the print;
    // the text of the processing run only where no number is stored (older files).
    static QString quantityText(const QSqlQuery &rows);

    ReportContext m_context;
};
