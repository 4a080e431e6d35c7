#include "FakeProgress.h"
#include "FakePrompter.h"
#include "FarmFixture.h"
#include "TestEnvironment.h"
#include "base/NumberText.h"
#include "base/SettingsStore.h"
#include "db/DbErrorText.h"
#include "db/DbException.h"
#include "reports/CardPrintJob.h"
#include "reports/PrintOutput.h"
#include "reports/RecordingSurface.h"
#include "reports/Report.h"

#include <QTest>

namespace {

// Draws the job's pages on recording surfaces, or cancels like a closed printer dialog.
class RecordingOutput : public PrintOutput
{
public:
    bool print(Report &report, int pageCount) override
    {
        ++jobs;
        typeCenterDuringJob =
            SettingsStore::readInt(SettingsStore::Settings, QStringLiteral("TypeCenter"), -1);
        if (cancel)
            return false;
        report.begin();
        for (int page = 1; page <= pageCount; ++page) {
            pages.append(RecordingSurface());
            report.printPage(pages.last(), page, pageCount);
        }
        return true;
    }

    bool cancel = false;
    int jobs = 0;
    int typeCenterDuringJob = -1;
    QList<RecordingSurface> pages;
};

int typeCenter()
{
    return SettingsStore::readInt(SettingsStore::Settings, QStringLiteral("TypeCenter"), -1);
}

} // namespace

class TestCardPrintJob : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void kindOfChoice_data();
    void kindOfChoice();
    void checkBoxesByRadio_data();
    void checkBoxesByRadio();
    void typeCenterByKind();

    void listPrintedAfterProcessing();
    void progressWindowOnlyWhileProcessing_data();
    void progressWindowOnlyWhileProcessing();
    void nothingChosenOnlyProcesses();
    void emptyListIsRefused();
    void processingFailureShowsItsKindAndTheEngineMessage();
    void processedReports_data();
    void processedReports();
    void typeCenterAroundTheJob_data();
    void typeCenterAroundTheJob();

private:
    CardPrintJob job(FakePrompter &prompter);
    int totalsRows();

    TestEnvironment m_env;
    std::unique_ptr<Database> m_db;
    int m_progressWindows = 0;
};

void TestCardPrintJob::init()
{
    QLocale::setDefault(QLocale::c());
    m_env.clearSettings();
    m_progressWindows = 0;
    m_db = std::make_unique<Database>();
    m_db->open(m_env.copyTemplate());
    FarmFixture farm(*m_db);
    farm.addWorker(1, QStringLiteral("Rossi"), 10);
    farm.addCentre(1, QStringLiteral("Vigneto"), false, true);
    farm.addWork(farm.addCard(QDateTime(QDate(2015, 3, 10), QTime(8, 0))),
                 {1, 4, 0, 0, 1, 1, 0, 7});
}

void TestCardPrintJob::cleanup()
{
    m_db.reset();
}

CardPrintJob TestCardPrintJob::job(FakePrompter &prompter)
{
    const ReportContext context{*m_db,
                                {QDate(2015, 1, 1), QDate(2015, 12, 31)},
                                0,
                                2015,
                                2015,
                                QStringLiteral("Podere"),
                                QDate(2015, 6, 1)};
    return CardPrintJob(context, prompter, [this] {
        ++m_progressWindows;
        return std::make_unique<FakeProgress>();
    });
}

int TestCardPrintJob::totalsRows()
{
    return m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM Totali")).toInt();
}

void TestCardPrintJob::kindOfChoice_data()
{
    QTest::addColumn<int>("radio");
    QTest::addColumn<bool>("process");
    QTest::addColumn<bool>("economic");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("processTotals");
    QTest::addColumn<bool>("prepareNotebook");

    QTest::newRow("nothing, processing") << 0 << true << false << 0 << true << false;
    QTest::newRow("nothing") << 0 << false << false << 0 << false << false;
    QTest::newRow("workers with the disabled box ticked")
        << 1 << true << false << 1 << true << false;
    QTest::newRow("items") << 8 << false << true << 8 << false << false;
    QTest::newRow("current card") << 9 << false << false << 9 << false << false;
    QTest::newRow("costs centre, economic") << 5 << true << true << 5 << true << false;
    QTest::newRow("costs centre") << 5 << false << false << 11 << false << false;
    QTest::newRow("fields report, economic") << 10 << false << true << 10 << false << false;
    QTest::newRow("fields report") << 10 << true << false << 12 << true << false;
    QTest::newRow("register, processing") << 11 << true << false << 13 << false << true;
    QTest::newRow("register") << 11 << false << true << 13 << false << false;
}

void TestCardPrintJob::kindOfChoice()
{
    QFETCH(int, radio);
    QFETCH(bool, process);
    QFETCH(bool, economic);
    const PrintChoice choice{radio, process, economic};
    QTEST(choice.kind(), "kind");
    QTEST(choice.runsProcessTotals(), "processTotals");
    QTEST(choice.runsPrepareFieldNotebook(), "prepareNotebook");
}

void TestCardPrintJob::checkBoxesByRadio_data()
{
    QTest::addColumn<int>("radio");
    QTest::addColumn<bool>("process");
    QTest::addColumn<bool>("economic");
    const bool processEnabled[] = {true,  false, false, false, false, true, false,
                                   false, false, false, true,  true,  false};
    const bool economicEnabled[] = {false, false, false, false, false, true, false,
                                    false, false, false, true,  false, false};
    static_assert(std::size(processEnabled) == PrintChoice::RadioCount);
    for (int radio = 0; radio < PrintChoice::RadioCount; ++radio)
        QTest::addRow("radio %d", radio)
            << radio << processEnabled[radio] << economicEnabled[radio];
}

void TestCardPrintJob::checkBoxesByRadio()
{
    QFETCH(int, radio);
    QTEST(PrintChoice::processEnabled(radio), "process");
    QTEST(PrintChoice::economicEnabled(radio), "economic");
}

void TestCardPrintJob::typeCenterByKind()
{
    const int expected[] = {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 2, 1, 2, 4};
    for (int kind = 0; kind <= 13; ++kind)
        QCOMPARE(PrintChoice::typeCenter(kind), expected[kind]);
}

void TestCardPrintJob::listPrintedAfterProcessing()
{
    FakePrompter prompter;
    RecordingOutput output;
    CardPrintJob printJob = job(prompter);
    QCOMPARE(printJob.run({PrintChoice::Workers, true, false}, false, output),
             CardPrintJob::Outcome::Printed);
    QCOMPARE(printJob.printKind(), 1);
    QCOMPARE(totalsRows(), 1);
    QCOMPARE(output.pages.size(), 1);
    QVERIFY(output.pages.first().findText(QStringLiteral("Podere - Workers")));
    QCOMPARE(output.pages.first().textAt(600, -300), QStringLiteral("Rossi"));
    QVERIFY(prompter.verify());
}

void TestCardPrintJob::progressWindowOnlyWhileProcessing_data()
{
    QTest::addColumn<int>("radio");
    QTest::addColumn<bool>("process");
    QTest::addColumn<int>("windows");
    QTest::newRow("workers") << int(PrintChoice::Workers) << false << 0;
    QTest::newRow("workers after processing") << int(PrintChoice::Workers) << true << 1;
    QTest::newRow("crops") << int(PrintChoice::Crops) << false << 0;
}

void TestCardPrintJob::progressWindowOnlyWhileProcessing()
{
    QFETCH(int, radio);
    QFETCH(bool, process);
    FakePrompter prompter;
    RecordingOutput output;
    QCOMPARE(job(prompter).run({radio, process, false}, false, output),
             CardPrintJob::Outcome::Printed);
    QTEST(m_progressWindows, "windows");
    QVERIFY(prompter.verify());
}

void TestCardPrintJob::nothingChosenOnlyProcesses()
{
    FakePrompter prompter;
    RecordingOutput output;
    QCOMPARE(job(prompter).run({PrintChoice::Nothing, true, false}, true, output),
             CardPrintJob::Outcome::ProcessedOnly);
    QCOMPARE(totalsRows(), 1);
    QCOMPARE(output.jobs, 0);
    QCOMPARE(typeCenter(), -1);
    QVERIFY(prompter.verify());
}

void TestCardPrintJob::emptyListIsRefused()
{
    FakePrompter prompter;
    prompter.expect(
        Prompter::Icon::Information,
        QStringLiteral("There are no data to print, try selecting the option processes data!"));
    RecordingOutput output;
    QCOMPARE(job(prompter).run({PrintChoice::Operations, false, false}, false, output),
             CardPrintJob::Outcome::NoData);
    QCOMPARE(output.jobs, 0);
    QCOMPARE(totalsRows(), 0);
    QVERIFY(prompter.verify());
}

void TestCardPrintJob::processingFailureShowsItsKindAndTheEngineMessage()
{
    FakePrompter prompter;
    RecordingOutput output;
    QCOMPARE(job(prompter).run({PrintChoice::Nothing, true, false}, false, output),
             CardPrintJob::Outcome::ProcessedOnly);
    const int before = totalsRows();
    m_db->execute(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Totali "
                                 "BEGIN SELECT RAISE(ABORT, 'totals are locked'); END"));
    m_db->execute(QStringLiteral("UPDATE Operai SET Stipendio = 20"));
    // The failure's kind about the farm file, then the engine's own words.
    prompter.expect(
        Prompter::Icon::Error,
        DbErrorText::describe(DbException(QStringLiteral("totals are locked")), m_db->path()));
    QCOMPARE(job(prompter).run({PrintChoice::Workers, true, false}, false, output),
             CardPrintJob::Outcome::Failed);
    QCOMPARE(output.jobs, 0);
    QCOMPARE(totalsRows(), before);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT CosRic FROM Totali")).toDouble(), 40.0);
    QVERIFY(prompter.verify());
}

void TestCardPrintJob::processedReports_data()
{
    QTest::addColumn<int>("radio");
    QTest::addColumn<bool>("economic");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("cost centres with amounts")
        << int(PrintChoice::CostCentres) << true << "TOTAL COSTS : " + FormatCurrency(40)
        << QString();
    QTest::newRow("cost centres without amounts")
        << int(PrintChoice::CostCentres) << false << "Rossi" << QString();
    // A report of the period names the period it looked at and where another is chosen.
    const QString period = QStringLiteral("\nThe period looked at runs from 01/01/2015 to "
                                          "12/31/2015. Program › Settings chooses another "
                                          "working period.");
    QTest::newRow("no field rows")
        << int(PrintChoice::FieldsReport) << true << QString()
        << "There are no data to print, try selecting the option processes data!" + period;
    QTest::newRow("empty register") << int(PrintChoice::Register) << false << QString()
                                    << "There are no data to print!" + period;
}

void TestCardPrintJob::processedReports()
{
    QFETCH(int, radio);
    QFETCH(bool, economic);
    QFETCH(QString, text);
    QFETCH(QString, refusal);
    FakePrompter prompter;
    if (!refusal.isEmpty())
        prompter.expect(Prompter::Icon::Information, refusal);
    RecordingOutput output;
    job(prompter).run({radio, true, economic}, false, output);
    QCOMPARE(output.pages.size(), refusal.isEmpty() ? 1 : 0);
    if (!text.isEmpty())
        QVERIFY(output.pages.first().findText(text));
    QVERIFY(prompter.verify());
}

void TestCardPrintJob::typeCenterAroundTheJob_data()
{
    QTest::addColumn<bool>("preview");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<int>("during");
    QTest::addColumn<int>("after");
    QTest::newRow("print") << false << false << 7 << 0;
    QTest::newRow("preview") << true << false << 0 << 0;
    QTest::newRow("print cancelled") << false << true << 7 << 7;
}

void TestCardPrintJob::typeCenterAroundTheJob()
{
    QFETCH(bool, preview);
    QFETCH(bool, cancel);
    SettingsStore::writeInt(SettingsStore::Settings, QStringLiteral("TypeCenter"), 7);
    FakePrompter prompter;
    RecordingOutput output;
    output.cancel = cancel;
    job(prompter).run({PrintChoice::Workers, false, false}, preview, output);
    QTEST(output.typeCenterDuringJob, "during");
    QTEST(typeCenter(), "after");
    QVERIFY(prompter.verify());
}

QTEST_GUILESS_MAIN(TestCardPrintJob)
#include "TestCardPrintJob.moc"
