#include "TestEnvironment.h"
#include "chart/ChartData.h"
#include "db/Database.h"
#include "db/DbDate.h"

#include <QTest>

class TestChartData : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readsThePeriodByDay();
    void invalidPeriodReadsNothing_data();
    void invalidPeriodReadsNothing();

private:
    void addCard(const QDateTime &date, const QVariant &max, const QVariant &min,
                 const QVariant &rain);

    TestEnvironment m_env;
    Database m_db;
};

void TestChartData::init()
{
    m_db.close();
    m_db.open(m_env.copyTemplate());
}

void TestChartData::addCard(const QDateTime &date, const QVariant &max, const QVariant &min,
                            const QVariant &rain)
{
    m_db.execute(
        QStringLiteral("INSERT INTO Scheda (Data, TempMax, TempMin, Pioggia) VALUES (?, ?, ?, ?)"),
        {DbDate::toText(date), max, min, rain});
}

void TestChartData::readsThePeriodByDay()
{
    const QVariant none;
    addCard(QDateTime(QDate(2015, 12, 31), QTime(23, 59, 59)), 8.5, 1, 0);
    addCard(QDateTime(QDate(2015, 1, 4), QTime(7, 30)), 12, none, 3.25);
    addCard(QDateTime(QDate(2015, 1, 1), QTime(0, 0)), 10, -2.5, none);
    addCard(QDateTime(QDate(2014, 12, 31), QTime(23, 59, 59)), 1, 1, 1);
    addCard(QDateTime(QDate(2016, 1, 1), QTime(0, 0)), 1, 1, 1);

    const ChartData data =
        ChartData::read(m_db, WorkingPeriod{QDate(2015, 1, 1), QDate(2015, 12, 31)});
    QCOMPARE(data.days(), 364);
    QStringList cards;
    const auto text = [](std::optional<float> value) {
        return value ? QString::number(*value) : QStringLiteral("null");
    };
    for (const ChartCard &card : data.cards)
        cards << QStringLiteral("%1: %2 %3 %4")
                     .arg(card.day)
                     .arg(text(card.maxTemperature), text(card.minTemperature), text(card.rain));
    QCOMPARE(cards, QStringList({"0: 10 -2.5 null", "3: 12 null 3.25", "364: 8.5 1 0"}));
}

void TestChartData::invalidPeriodReadsNothing_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<int>("days");
    QTest::newRow("no first day") << QDate() << QDate(2015, 12, 31) << 0;
    QTest::newRow("backwards") << QDate(2015, 12, 31) << QDate(2015, 1, 1) << -364;
}

void TestChartData::invalidPeriodReadsNothing()
{
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(int, days);
    addCard(QDateTime(QDate(2015, 6, 1), QTime(8, 0)), 20, 10, 0);
    const ChartData data = ChartData::read(m_db, WorkingPeriod{start, end});
    QCOMPARE(data.days(), days);
    QVERIFY(data.cards.empty());
}

QTEST_MAIN(TestChartData)
#include "TestChartData.moc"
