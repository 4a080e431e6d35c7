#include "FakeProgress.h"
#include "FarmFixture.h"
#include "TestEnvironment.h"
#include "base/NumberText.h"
#include "db/DbException.h"
#include "reports/CardPrintJob.h"
#include "reports/PageSurface.h"
#include "reports/PdfOutput.h"
#include "reports/Report.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

class TestPdfOutput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void workersList_data();
    void workersList();
    void registerFiguresPrintWhole_data();
    void registerFiguresPrintWhole();
    void unwritableFile();
    void failedJobKeepsTheOldFile();

private:
    QString run(const QString &program, const QStringList &arguments);

    TestEnvironment m_env;
};

void TestPdfOutput::initTestCase()
{
    REQUIRE_TOOL(QStringLiteral("pdftotext"));
}

QString TestPdfOutput::run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

void TestPdfOutput::workersList_data()
{
    QTest::addColumn<int>("workers");
    QTest::addColumn<int>("pages");
    QTest::newRow("40 workers") << 40 << 1;
    QTest::newRow("41 workers") << 41 << 2;
}

void TestPdfOutput::workersList()
{
    QFETCH(int, workers);
    QFETCH(int, pages);
    Database db;
    db.open(m_env.copyTemplate());
    FarmFixture farm(db);
    for (int i = 1; i <= workers; ++i)
        farm.addWorker(i, QStringLiteral("Worker%1").arg(i, 2, 10, QLatin1Char('0')), 10);

    const ReportContext context{db,
                                {QDate(2015, 1, 1), QDate(2015, 12, 31)},
                                0,
                                2015,
                                2015,
                                QStringLiteral("Podere Rossi"),
                                QDate(2015, 6, 1)};
    const auto report = CardPrintJob::createReport(PrintChoice::WorkersList, context);
    FakeProgress progress;
    const int count = report->countPages(progress);
    QCOMPARE(count, pages);
    const QString path = m_env.path(QStringLiteral("workers%1.pdf").arg(workers));
    PdfOutput output(path);
    QVERIFY(output.print(*report, count));

    const QString info = run(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))),
             qPrintable(info));
    QVERIFY(info.contains(QStringLiteral("A4")));
    const QString text =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY(text.contains(QStringLiteral("Podere Rossi - Workers")));
    QVERIFY(text.contains(
        QRegularExpression(QStringLiteral("Worker Code\\s+Worker Name\\s+Relationship"))));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("1\\s+Worker01\\s+INDETERMINATE"))));
    QVERIFY(text.contains(QStringLiteral("Page %1 of %1").arg(pages)));
    const QStringList printedPages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY(printedPages.last().contains(QStringLiteral("Worker%1").arg(workers)));
    QCOMPARE(printedPages.last().contains(QStringLiteral("Worker01")), pages == 1);
}

void TestPdfOutput::registerFiguresPrintWhole_data()
{
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<QStringList>("figures");
    QTest::newRow("English") << QLocale::English
                             << QStringList{"kg 1,250.00", "kg 250.00", "kg 12,345.68",
                                            "kg 2,469.14", "Kg/q 45.00"};
    QTest::newRow("Italian") << QLocale::Italian
                             << QStringList{"kg 1.250,00", "kg 250,00", "kg 12.345,68",
                                            "kg 2.469,14", "Kg/q 45,00"};
}

void TestPdfOutput::registerFiguresPrintWhole()
{
    QFETCH(QLocale::Language, language);
    QFETCH(QStringList, figures);
    QLocale::setDefault(QLocale(language));
    Database db;
    db.open(m_env.copyTemplate());
    FarmFixture farm(db);
    farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 5);
    db.execute(QStringLiteral("ALTER TABLE [Appoggio Articoli] ADD COLUMN Quantita REAL"));
    const QList<std::pair<QString, double>> treatments{{QStringLiteral("kg"), 1250},
                                                       {QStringLiteral("kg"), 12345.68},
                                                       {QStringLiteral("Kg/q"), 45}};
    for (const auto &[unit, quantity] : treatments)
        db.execute(QStringLiteral("INSERT INTO [Appoggio Articoli] (Data, Articolo, UnMis, TQ, "
                                  "[Codice Centro], Avverso, Quantita) "
                                  "VALUES ('2015-05-02 08:00:00', 'Zolfo', ?, ?, 1, 'Oidio', ?)"),
                   {unit, FormatNumber(quantity, false), quantity});
    const ReportContext context{
        db, {QDate(2015, 1, 1), QDate(2015, 12, 31)}, 0, 2015, 2015, {}, QDate(2015, 6, 1)};
    const auto report = CardPrintJob::createReport(PrintChoice::TreatmentRegister, context);
    FakeProgress progress;
    const int count = report->countPages(progress);
    QCOMPARE(count, 2);
    const QString path = m_env.path(QStringLiteral("register.pdf"));
    PdfOutput output(path);
    QVERIFY(output.print(*report, count));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    const QString text =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    for (const QString &figure : figures)
        QVERIFY2(text.contains(figure), qPrintable(figure + QLatin1Char('\n') + text));
    QVERIFY(!text.contains(QStringLiteral("...")));
}

void TestPdfOutput::unwritableFile()
{
    Database db;
    db.open(m_env.copyTemplate());
    FarmFixture(db).addWorker(1, QStringLiteral("Rossi"), 10);
    const ReportContext context{db, {QDate(2015, 1, 1), QDate(2015, 12, 31)}, 0, 2015, 2015, {},
                                {}};
    const auto report = CardPrintJob::createReport(PrintChoice::WorkersList, context);
    PdfOutput output(m_env.path(QStringLiteral("missing/folder/out.pdf")));
    QVERIFY(!output.print(*report, 1));
    QVERIFY(output.errorString().contains(QStringLiteral("missing/folder/out.pdf")));
}

void TestPdfOutput::failedJobKeepsTheOldFile()
{
    // A report whose second page fails, as a database error would make it.
    class FailingReport : public Report
    {
    public:
        int countPages(Progress &) override { return 2; }
        void drawPage(PageSurface &surface, int page, int) override
        {
            surface.drawText(100, -100, QStringLiteral("Page"));
            if (page == 2)
                throw DbException(QStringLiteral("disk I/O error"));
        }
    };
    const QString path = m_env.path(QStringLiteral("kept.pdf"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("previous report");
    old.close();

    FailingReport report;
    PdfOutput output(path);
    QVERIFY_THROWS_EXCEPTION(DbException, output.print(report, 2));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("previous report"));
    QCOMPARE(QDir(m_env.folder()).entryList({QStringLiteral("kept.pdf*")}, QDir::Files),
             QStringList{QStringLiteral("kept.pdf")});
}

QTEST_MAIN(TestPdfOutput)
#include "TestPdfOutput.moc"
