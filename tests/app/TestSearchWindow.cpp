#include "TestEnvironment.h"
#include "app/CSearchScheda.h"
#include "base/SettingsKeys.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

// The search window's place from one start to the next.
class TestSearchWindow : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_env.clearSettings(); }
    void keepsItsPlaceOverStarts();
    void placeOffTheScreenComesBackOnIt();
    void firstStartUsesTheGivenCorner();

private:
    TestEnvironment m_env;
};

namespace {

QRect freeArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

} // namespace

// Each start restores the stored corner and saves it again at exit: placed before it is shown
// or once it is on screen, its frame stands where it stood, with no drift by the title bar.
void TestSearchWindow::keepsItsPlaceOverStarts()
{
    SettingsKeys::SearchLeft.write(120);
    SettingsKeys::SearchTop.write(90);
    for (const bool shownFirst : {false, true, false, true}) {
        CSearchScheda search;
        if (shownFirst) {
            search.show();
            QVERIFY(QTest::qWaitForWindowExposed(&search));
            search.restorePlace(QPoint());
        } else {
            search.restorePlace(QPoint());
            search.show();
            QVERIFY(QTest::qWaitForWindowExposed(&search));
        }
        QTRY_COMPARE(search.frameGeometry().topLeft(), QPoint(120, 90));
        search.savePlace();
        QCOMPARE(SettingsKeys::SearchLeft.read(), 120);
        QCOMPARE(SettingsKeys::SearchTop.read(), 90);
    }
}

void TestSearchWindow::placeOffTheScreenComesBackOnIt()
{
    const QRect area = freeArea();
    const QPoint places[] = {{area.right() + 4000, area.bottom() + 3000},
                             {area.left() - 3000, area.top() + 40},
                             {area.right() - 10, area.bottom() - 5}};
    for (const QPoint &place : places) {
        SettingsKeys::SearchLeft.write(place.x());
        SettingsKeys::SearchTop.write(place.y());
        CSearchScheda search;
        search.restorePlace(QPoint());
        search.show();
        QVERIFY(QTest::qWaitForWindowExposed(&search));
        QTRY_VERIFY2(area.contains(search.frameGeometry()),
                     qPrintable(QStringLiteral("%1,%2 in %3x%4")
                                    .arg(search.frameGeometry().x())
                                    .arg(search.frameGeometry().y())
                                    .arg(area.width())
                                    .arg(area.height())));
    }
}

void TestSearchWindow::firstStartUsesTheGivenCorner()
{
    CSearchScheda search;
    search.restorePlace(QPoint(200, 150));
    search.show();
    QVERIFY(QTest::qWaitForWindowExposed(&search));
    QTRY_COMPARE(search.frameGeometry().topLeft(), QPoint(200, 150));
}

QTEST_MAIN(TestSearchWindow)
#include "TestSearchWindow.moc"
