#include "FakePrompter.h"
#include "TestEnvironment.h"
#include "app/CMainFrame.h"
#include "app/ViewJoining.h"
#include "base/SettingsStore.h"
#include "cards/ui/CMainView.h"
#include "chart/ui/CChartView.h"
#include "db/Database.h"
#include "db/DbDate.h"
#include "db/FarmSession.h"

#include <QAction>
#include <QTest>

// The chart as a user reaches it in the main window: Ctrl+G from the card view, on the
// database and period the card view works with, following the period when it changes.
class TestChartInFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void chartFollowsTheCardView();

private:
    TestEnvironment m_env;
    QString m_path;
};

void TestChartInFrame::initTestCase()
{
    m_path = m_env.copyTemplate();
    Database db;
    db.open(m_path);
    for (QDate day(2014, 12, 1); day <= QDate(2015, 12, 31); day = day.addDays(1))
        db.execute(QStringLiteral(
                       "INSERT INTO Scheda (Data, TempMax, TempMin, Pioggia) VALUES (?, ?, ?, ?)"),
                   {DbDate::toText(QDateTime(day, QTime(8, 0))), 20 + day.day() % 7,
                    8 + day.day() % 4, day.day() % 9 == 0 ? 12 : 0});
}

void TestChartInFrame::chartFollowsTheCardView()
{
    m_env.clearSettings();
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("Database"), m_path);
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("ActualDate"),
                               QStringLiteral("10/03/2015"));
    FakePrompter prompter;
    FarmSession farm;
    CMainFrame frame(farm);
    frame.setPrompter(&prompter);
    joinViews(frame, farm, &prompter);
    frame.createInitialView();
    frame.resize(1200, 800);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));

    QTest::keyClick(&frame, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(frame.currentViewKind(), int(CMainFrame::ChartView));
    auto *chart = dynamic_cast<CChartView *>(frame.activeView());
    QVERIFY(chart);
    QVERIFY(chart->isVisible());
    QCOMPARE(chart->chartData().period.start, QDate(2015, 1, 1));
    QCOMPARE(int(chart->chartData().cards.size()), 365);
    QVERIFY(frame.action(IdPrintPreview)->isEnabled());
    QVERIFY(frame.action(IdPrint)->isEnabled());
    QVERIFY(!frame.action(IdSearchBar)->isEnabled());

    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("DataInit"),
                               QStringLiteral("01/10/2014"));
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("DataEnd"),
                               QStringLiteral("30/09/2015"));
    frame.ApplyPeriodToViews();
    QCOMPARE(chart->chartData().period.start, QDate(2014, 10, 1));
    QCOMPARE(chart->chartData().period.end, QDate(2015, 9, 30));
    // Cards from 1 December 2014, the 61st day of the period.
    QCOMPARE(chart->chartData().cards.front().day, 61);
    QCOMPARE(int(chart->chartData().cards.size()), 304);
    QVERIFY(prompter.verify());
}

QTEST_MAIN(TestChartInFrame)
#include "TestChartInFrame.moc"
