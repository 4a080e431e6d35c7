#include "reports/Report.h"
#include "reports/ui/PrinterOutput.h"

#include <QPrinter>
#include <QTest>
#include <QWidget>

namespace {

class BlankReport : public Report
{
public:
    explicit BlankReport(bool landscape) : m_landscape(landscape) {}
    bool landscape() const override { return m_landscape; }
    int countPages(Progress &) override { return 1; }
    void drawPage(PageSurface &, int, int) override {}

private:
    bool m_landscape;
};

} // namespace

class TestPrinterOutput : public QObject
{
    Q_OBJECT

private slots:
    void jobSetsPortraitA4AndRestores();
    void landscapeReportTurnsThePage();
};

void TestPrinterOutput::jobSetsPortraitA4AndRestores()
{
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Landscape);
    QWidget search;
    search.show();

    PrinterOutput output(printer, true, nullptr, &search);
    const BlankReport portrait(false);
    output.beginJob(portrait);
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
    QVERIFY(!search.isVisible());
    output.endJob();
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::Letter);
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    QVERIFY(search.isVisible());

    search.hide();
    output.beginJob(portrait);
    output.endJob();
    QVERIFY(!search.isVisible());
}

void TestPrinterOutput::landscapeReportTurnsThePage()
{
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageOrientation(QPageLayout::Portrait);
    PrinterOutput output(printer, true, nullptr);
    output.beginJob(BlankReport(true));
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
    output.endJob();
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
}

QTEST_MAIN(TestPrinterOutput)
#include "TestPrinterOutput.moc"
