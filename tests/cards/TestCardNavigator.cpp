#include "CardsFixture.h"
#include "cards/CardNavigator.h"

#include <QTest>

class TestCardNavigator : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f.init();
        ids = {f.addCard(QStringLiteral("2024-02-10 09:00:00")),
               f.addCard(QStringLiteral("2024-01-05 08:00:00")),
               f.addCard(QStringLiteral("2024-12-31 23:00:00")),
               f.addCard(QStringLiteral("2024-02-10 09:00:00")),
               f.addCard(QStringLiteral("2025-01-01 00:00:00")),
               f.addCard(QStringLiteral("2023-12-31 23:59:59"))};
    }
    void openingCard_data();
    void openingCard();
    void walksInDateOrderWithFlags();
    void periodBounds();
    void stepPastRemoved();
    void emptyAndInvalidPeriods();

private:
    WorkingPeriod period() const { return {QDate(2024, 1, 1), QDate(2024, 12, 31)}; }

    CardsFixture f;
    QList<int> ids;
};

void TestCardNavigator::openingCard_data()
{
    QTest::addColumn<QDate>("actual");
    QTest::addColumn<int>("card");
    QTest::newRow("day with a card") << QDate(2024, 2, 10) << 0;
    QTest::newRow("day without a card") << QDate(2024, 3, 1) << 1;
    QTest::newRow("before the period") << QDate(2023, 12, 31) << 1;
    QTest::newRow("after the period") << QDate(2025, 1, 1) << 1;
    QTest::newRow("last day of the period") << QDate(2024, 12, 31) << 2;
    QTest::newRow("unparsable") << QDate() << 1;
}

void TestCardNavigator::openingCard()
{
    QFETCH(QDate, actual);
    QFETCH(int, card);
    CardNavigator navigator(*f.db, period());
    navigator.openAt(actual);
    QVERIFY(navigator.hasCurrent());
    QCOMPARE(navigator.current().id(), ids[card]);
}

void TestCardNavigator::walksInDateOrderWithFlags()
{
    CardNavigator navigator(*f.db, period());
    navigator.first();
    const QList<int> order = {ids[1], ids[0], ids[3], ids[2]};
    QList<int> seen{navigator.current().id()};
    QVERIFY(!navigator.hasPrevious());
    while (navigator.hasNext()) {
        navigator.next();
        seen << navigator.current().id();
    }
    QCOMPARE(seen, order);
    navigator.next();
    QCOMPARE(navigator.current().id(), ids[2]);
    QVERIFY(navigator.hasPrevious());
    navigator.previous();
    QCOMPARE(navigator.current().id(), ids[3]);
    QVERIFY(navigator.hasNext());
    navigator.last();
    QCOMPARE(navigator.current().id(), ids[2]);
    QVERIFY(!navigator.hasNext());
    QVERIFY(navigator.moveTo(ids[0]));
    QVERIFY(navigator.hasPrevious());
    QVERIFY(navigator.hasNext());
    QVERIFY(!navigator.moveTo(ids[4]));
    QCOMPARE(navigator.current().id(), ids[0]);
}

void TestCardNavigator::periodBounds()
{
    CardNavigator navigator(*f.db, {QDate(2024, 1, 1), QDate(2024, 12, 31)});
    QVERIFY(navigator.findDay(QDate(2024, 12, 31)));
    QVERIFY(!navigator.findDay(QDate(2025, 1, 1)));
    QCOMPARE(navigator.current().id(), ids[2]);
    navigator.setPeriod({QDate(2024, 12, 31), QDate(2025, 1, 1)});
    navigator.last();
    QCOMPARE(navigator.current().id(), ids[4]);
    QCOMPARE(navigator.current().date(), QDateTime(QDate(2025, 1, 1), QTime(0, 0)));
}

void TestCardNavigator::stepPastRemoved()
{
    CardNavigator navigator(*f.db, period());
    QVERIFY(navigator.moveTo(ids[0]));
    f.exec(QStringLiteral("DELETE FROM Scheda WHERE IDScheda = ?"), {ids[0]});
    navigator.stepPastRemoved();
    QCOMPARE(navigator.current().id(), ids[3]);
    QVERIFY(navigator.hasPrevious());

    navigator.last();
    f.exec(QStringLiteral("DELETE FROM Scheda WHERE IDScheda = ?"), {ids[2]});
    navigator.stepPastRemoved();
    QCOMPARE(navigator.current().id(), ids[3]);
    QVERIFY(!navigator.hasNext());
}

void TestCardNavigator::emptyAndInvalidPeriods()
{
    CardNavigator navigator(*f.db, {QDate(2030, 1, 1), QDate(2030, 12, 31)});
    navigator.openAt(QDate(2030, 5, 5));
    QVERIFY(!navigator.hasCurrent());
    QVERIFY(!navigator.hasNext());
    navigator.setPeriod({QDate(), QDate(2024, 12, 31)});
    navigator.first();
    QVERIFY(!navigator.hasCurrent());
}

QTEST_GUILESS_MAIN(TestCardNavigator)
#include "TestCardNavigator.moc"
