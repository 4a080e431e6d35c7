#include "reports/ui/PrinterOutput.h"

#include <QPrinter>
#include <QTest>
#include <QWidget>

class TestPrinterOutput : public QObject
{
    Q_OBJECT

private slots:
    void jobSetsPortraitA4AndRestores();
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
    output.beginJob();
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
    QVERIFY(!search.isVisible());
    output.endJob();
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::Letter);
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    QVERIFY(search.isVisible());

    search.hide();
    output.beginJob();
    output.endJob();
    QVERIFY(!search.isVisible());
}

QTEST_MAIN(TestPrinterOutput)
#include "TestPrinterOutput.moc"
