#include "ReadOnlyFolder.h"
#include "TestEnvironment.h"
#include "base/FolderChoice.h"
#include "base/SettingsKeys.h"
#include "db/DbException.h"
#include "reports/Report.h"
#include "reports/ui/PrinterOutput.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace {

class BlankReport : public Report
{
public:
    explicit BlankReport(bool landscape) : m_landscape(landscape) {}
    bool landscape() const override { return m_landscape; }
    int countPages(Progress &) override { return 1; }
    void drawPage(PageSurface &, int, int) override { cursors << cursorShape(); }

    static int cursorShape()
    {
        const QCursor *cursor = QGuiApplication::overrideCursor();
        return cursor ? cursor->shape() : -1;
    }
    QList<int> cursors;

private:
    bool m_landscape;
};

// A report on a farm with a damaged page: reading fails when the job begins, or when the
// preview draws its page.
class DamagedReport : public BlankReport
{
public:
    explicit DamagedReport(bool failsToBegin) : BlankReport(false), m_failsToBegin(failsToBegin) {}
    void begin() override
    {
        if (m_failsToBegin)
            fail();
    }
    void drawPage(PageSurface &, int, int) override { fail(); }

private:
    static void fail()
    {
        throw DbException(QStringLiteral("database disk image is malformed"), DbErrorKind::Damaged);
    }
    bool m_failsToBegin;
};

void closePreviewSoon(QObject *context)
{
    QTimer::singleShot(0, context, [] {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<QPrintPreviewDialog *>(window))
                dialog->reject();
    });
}

} // namespace

class TestPrinterOutput : public QObject
{
    Q_OBJECT

private slots:
    void jobSetsPortraitA4AndRestores();
    void landscapeReportTurnsThePage();
    void previewOffersNoPageTurn();
    void aReportThatCannotBeReadFailsWithItsKind_data();
    void aReportThatCannotBeReadFailsWithItsKind();
    void printToFileProposesAWritableFolder();

private:
    TestEnvironment m_env;
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

void TestPrinterOutput::previewOffersNoPageTurn()
{
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    PrinterOutput output(printer, true, nullptr);
    QStringList offered;
    int cursorWhileAsking = -1;
    QTimer::singleShot(0, this, [&] {
        cursorWhileAsking = BlankReport::cursorShape();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<QPrintPreviewDialog *>(window)) {
                for (const QAction *action : dialog->findChildren<QAction *>())
                    if (action->isVisible())
                        offered << action->text();
                dialog->reject();
            }
        }
    });
    BlankReport report(false);
    QVERIFY(output.print(report, 1));
    QVERIFY2(offered.contains("Print"), qPrintable(offered.join(", ")));
    // Drawing shows the wait cursor; the dialog waiting for the user shows the usual one.
    QVERIFY(!report.cursors.isEmpty());
    for (int shape : std::as_const(report.cursors))
        QCOMPARE(shape, int(Qt::WaitCursor));
    QCOMPARE(cursorWhileAsking, int(Qt::ArrowCursor));
    QCOMPARE(BlankReport::cursorShape(), -1);
    for (const char *text : {"Portrait", "Landscape", "Page setup"})
        QVERIFY2(!offered.contains(text), text);
}

void TestPrinterOutput::aReportThatCannotBeReadFailsWithItsKind_data()
{
    QTest::addColumn<bool>("failsToBegin");
    QTest::newRow("on beginning") << true;
    QTest::newRow("on drawing in the preview") << false;
}

void TestPrinterOutput::aReportThatCannotBeReadFailsWithItsKind()
{
    QFETCH(bool, failsToBegin);
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    QWidget search;
    search.show();
    PrinterOutput output(printer, true, nullptr, &search);
    DamagedReport report(failsToBegin);
    closePreviewSoon(this);
    std::optional<DbErrorKind> kind;
    try {
        output.print(report, 1);
    } catch (const DbException &error) {
        kind = error.kind();
    }
    QCOMPARE(kind, std::optional(DbErrorKind::Damaged));
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::Letter);
    QVERIFY(search.isVisible());
    QCOMPARE(BlankReport::cursorShape(), -1);
}

// The file of a print to PDF lies where the user can write; the one the user chose stays.
void TestPrinterOutput::printToFileProposesAWritableFolder()
{
    ReadOnlyFolder program(m_env.path("program"));
    if (!program.usable())
        QSKIP("running as root where no read-only mount can be made: permissions do not stop "
              "root");
    QFile(m_env.path("note")).open(QIODevice::WriteOnly);
    program.protect(m_env.path("note"), "note");
    QDir().mkpath(m_env.path("chosen"));
    SettingsKeys::LastFolder.write(m_env.path("chosen"));
    const struct
    {
        QString before, after;
    } cases[] = {
        {m_env.path("program/Register.pdf"), m_env.path("chosen/Register.pdf")},
        {QString(), m_env.path("chosen/Verdimo.pdf")},
        {m_env.path("Cards.pdf"), m_env.path("Cards.pdf")},
    };
    for (const auto &each : cases) {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(each.before);
        printer.setOutputFormat(QPrinter::PdfFormat);
        PrinterOutput::proposeWritableFile(printer);
        QCOMPARE(printer.outputFileName(), each.after);
    }
}

QTEST_MAIN(TestPrinterOutput)
#include "TestPrinterOutput.moc"
