#include "TerminalProgress.h"

#include <QTest>

#include <functional>

using Steps = std::function<void(TerminalProgress &)>;
Q_DECLARE_METATYPE(Steps)
Q_DECLARE_METATYPE(TerminalProgress::Lines)

class TestTerminalProgress : public QObject
{
    Q_OBJECT

private slots:
    void lastDrawing_data();
    void lastDrawing();
    void finishEndsTheLineOnce();
};

void TestTerminalProgress::lastDrawing_data()
{
    QTest::addColumn<TerminalProgress::Lines>("lines");
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("shown");

    using Lines = TerminalProgress::Lines;
    QTest::newRow("the upper line fills the bar, the lower one is not shown")
        << Lines::Upper << Steps([](TerminalProgress &p) {
               p.setRange(0, 1, 101);
               p.setText(0, QStringLiteral("Phase (1)"));
               p.setText(1, QStringLiteral("Phase (2) : Waiting"));
               p.setValue(0, 51);
           })
        << QStringLiteral("[###############               ]  50% Phase (1)");
    QTest::newRow("cards fill the first half")
        << Lines::UpperThenLower << Steps([](TerminalProgress &p) {
               p.setRange(0, 0, 10);
               p.setText(0, QStringLiteral("Cards"));
               p.setValue(0, 10);
           })
        << QStringLiteral("[###############               ]  50% Cards");
    QTest::newRow("master data fill the second half")
        << Lines::UpperThenLower << Steps([](TerminalProgress &p) {
               p.setRange(0, 0, 10);
               p.setValue(0, 10);
               p.setRange(1, 0, 4);
               p.setText(1, QStringLiteral("Workers"));
               p.setValue(1, 2);
           })
        << QStringLiteral("[######################        ]  75% Workers");
    QTest::newRow("an empty range counts as done")
        << Lines::Upper << Steps([](TerminalProgress &p) {
               p.setRange(0, 5, 5);
               p.setText(0, QStringLiteral("Nothing to do"));
           })
        << QStringLiteral("[##############################] 100% Nothing to do");
    QTest::newRow("a shorter text covers a longer one")
        << Lines::Upper << Steps([](TerminalProgress &p) {
               p.setText(0, QStringLiteral("A long first phase"));
               p.setText(0, QStringLiteral("Short"));
           })
        << QStringLiteral("[                              ]   0% Short             ");
}

void TestTerminalProgress::lastDrawing()
{
    QFETCH(TerminalProgress::Lines, lines);
    QFETCH(Steps, steps);
    QFETCH(QString, shown);
    QString written;
    {
        QTextStream err(&written);
        TerminalProgress progress(err, lines);
        steps(progress);
    }
    QVERIFY2(written.endsWith(QLatin1Char('\n')), qPrintable(written));
    QCOMPARE(written.chopped(1).section(QLatin1Char('\r'), -1), shown);
}

void TestTerminalProgress::finishEndsTheLineOnce()
{
    QString written;
    QTextStream err(&written);
    {
        TerminalProgress progress(err, TerminalProgress::Lines::Upper);
        progress.finish();
        QVERIFY(written.isEmpty());
        progress.setText(0, QStringLiteral("Working"));
        progress.finish();
        err << "warning";
    }
    QCOMPARE(written.count(QLatin1Char('\n')), 1);
    QVERIFY(written.endsWith(QStringLiteral("Working\nwarning")));
}

QTEST_GUILESS_MAIN(TestTerminalProgress)
#include "TestTerminalProgress.moc"
