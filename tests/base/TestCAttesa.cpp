#include "base/ui/CAttesa.h"

#include <QProgressBar>
#include <QTest>

class TestCAttesa : public QObject
{
    Q_OBJECT
private slots:
    void showsBothLinesWithTheirBars();
};

void TestCAttesa::showsBothLinesWithTheirBars()
{
    CAttesa window;
    window.show();
    QCOMPARE(window.windowTitle(), QString("Processing..."));
    QVERIFY(!window.isModal());
    Progress &progress = window;
    progress.setText(0, "Cards");
    progress.setRange(0, 0, 40);
    progress.setValue(0, 10);
    progress.setText(1, "Works");
    progress.setRange(1, 5, 7);
    progress.setValue(1, 6);
    QCOMPARE(window.text(0), QString("Cards"));
    QCOMPARE(window.text(1), QString("Works"));
    QCOMPARE(window.bar(0)->maximum(), 40);
    QCOMPARE(window.bar(0)->value(), 10);
    QCOMPARE(window.bar(1)->minimum(), 5);
    QCOMPARE(window.bar(1)->value(), 6);
    QCOMPARE(window.bar(1)->accessibleName(), QString("Works"));
}

QTEST_MAIN(TestCAttesa)
#include "TestCAttesa.moc"
