#include "base/DateText.h"

#include <QTest>

// Dates typed with figures, in the order of a field's format.
class TestDateText : public QObject
{
    Q_OBJECT
private slots:
    void numericDates_data();
    void numericDates();
    void twoFigureYearsTakeTheNearCentury();
};

void TestDateText::numericDates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("day first") << "16/03/2026"
                               << "dd/MM/yyyy" << QDate(2026, 3, 16);
    QTest::newRow("month first") << "3/16/2026"
                                 << "MM/dd/yyyy" << QDate(2026, 3, 16);
    QTest::newRow("month first, no year") << "3-16"
                                          << "M/d/yy" << QDate(2025, 3, 16);
    QTest::newRow("year first") << "2026.3.16"
                                << "yyyy.MM.dd" << QDate(2026, 3, 16);
    QTest::newRow("weekday is no day") << "16 3 26"
                                       << "dddd d MMMM yyyy" << QDate(2026, 3, 16);
    QTest::newRow("separators repeated") << " 16 / 3 / 2026 "
                                         << "dd/MM/yyyy" << QDate(2026, 3, 16);
    QTest::newRow("ISO in a day-first field") << "2026-03-16"
                                              << "dd/MM/yyyy" << QDate(2026, 3, 16);
    QTest::newRow("no such day") << "30/02/2026"
                                 << "dd/MM/yyyy" << QDate();
    QTest::newRow("month 13") << "16/13"
                              << "dd/MM/yyyy" << QDate();
    QTest::newRow("three-figure year") << "16/03/202"
                                       << "dd/MM/yyyy" << QDate();
    QTest::newRow("day of three figures") << "016/03/2026"
                                          << "dd/MM/yyyy" << QDate();
    QTest::newRow("one figure alone") << "16"
                                      << "dd/MM/yyyy" << QDate();
    QTest::newRow("four parts") << "16/03/20/26"
                                << "dd/MM/yyyy" << QDate();
    QTest::newRow("letters") << "16/mar/2026"
                             << "dd/MM/yyyy" << QDate();
    QTest::newRow("other separator") << "16,03,2026"
                                     << "dd/MM/yyyy" << QDate();
}

void TestDateText::numericDates()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QTEST(ReadNumericDate(text, pattern, 2025), "expected");
}

void TestDateText::twoFigureYearsTakeTheNearCentury()
{
    const struct
    {
        int typed, completion, expected;
    } cases[] = {{26, 2026, 2026}, {70, 2026, 1970}, {45, 2026, 2045}, {46, 2026, 1946},
                 {0, 2026, 2000},  {99, 2026, 1999}, {5, 2090, 2105},  {15, 2015, 2015},
                 {34, 2015, 2034}, {35, 2015, 1935}};
    for (const auto &each : cases)
        QCOMPARE(CompletedYear(each.typed, each.completion), each.expected);
}

QTEST_APPLESS_MAIN(TestDateText)
#include "TestDateText.moc"
