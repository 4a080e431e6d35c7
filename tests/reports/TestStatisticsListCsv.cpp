#include "FarmFixture.h"
#include "TestEnvironment.h"
#include "base/Progress.h"
#include "registries/RegistryKey.h"
#include "registries/StatisticsLists.h"
#include "registries/StatisticsModel.h"
#include "reports/RegistryPrintReport.h"

#include <QTest>

using Fill = std::function<void(StatisticsLists &)>;

// A statistics list read from a farm, written as CSV by the registries view's export and by the
// registry print: both write each cell as the value it holds, so names that look like numbers
// or dates stay the texts they are, and figures are written as the list shows them.
class TestStatisticsListCsv : public QObject
{
    Q_OBJECT

private:
    static constexpr int Works = 35;

    TestEnvironment m_env;
    Database m_db;
    const WorkingPeriod m_period{QDate(2015, 1, 1), QDate(2015, 12, 31)};

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_db.open(m_env.copyTemplate());
        FarmFixture farm(m_db);
        farm.addWorker(1, QStringLiteral("0012"), 10);
        farm.addWorker(2, QStringLiteral("1,500"), 10);
        farm.addCentre(1, QStringLiteral("2015"), false, true);
        farm.addOperation(1, QStringLiteral("12/03/2015"));
        // More works than a printed page holds, one a day, each a quarter of an hour longer.
        for (int i = 0; i < Works; ++i)
            farm.addWork(farm.addCard(QDateTime(QDate(2015, 1, 1).addDays(i), QTime(8, 0))),
                         {1, (i + 1) / 4.0, 0, 0, 1, 1, 0, 1});
        // Hours whose sum is no exact binary number.
        const qint64 card = farm.addCard(QDateTime(QDate(2015, 6, 1), QTime(8, 0)));
        farm.addWork(card, {2, 0.1, 0, 0, 1, 1, 0, 1});
        farm.addWork(card, {2, 0.2, 0, 0, 1, 1, 0, 1});
    }

    void bothWritersKeepTheValues_data()
    {
        QTest::addColumn<Fill>("fill");
        QTest::addColumn<QByteArray>("csv");
        QTest::newRow("worker totals, names like numbers")
            << Fill([](StatisticsLists &l) { l.fillWorkerTotals(); })
            << QByteArray("Worker Code,Worker,Tot.Ord.,Tot.Ext.,Tot.Hol.,Total\r\n"
                          "1,0012,157.5,0,0,157.5\r\n"
                          "2,\"1,500\",0.3,0,0,0.3\r\n");
        QByteArray works("Date,Center Code,Center,Hours,Operation Code,Operation\r\n");
        for (int i = 0; i < Works; ++i)
            works += QStringLiteral("%1,1,2015,%2,1,12/03/2015\r\n")
                         .arg(QDate(2015, 1, 1).addDays(i).toString(Qt::ISODate))
                         .arg((i + 1) / 4.0)
                         .toUtf8();
        QTest::newRow("works of a worker on two pages, an operation like a date")
            << Fill([](StatisticsLists &l) { l.fillWorkerWorks(1); }) << works;
    }

    void bothWritersKeepTheValues()
    {
        QFETCH(Fill, fill);
        QFETCH(QByteArray, csv);
        StatisticsModel model;
        StatisticsLists lists(&m_db, model, m_period);
        fill(lists);
        QCOMPARE(model.table().toUtf8(), QByteArray("\xEF\xBB\xBF") + csv);

        RegistryPrintReport print(m_db, m_period, QStringLiteral("Farm"),
                                  {RegistryKey::make(0, RegistryKey::Worker),
                                   QStringLiteral("Workers"), model.titles(), QList<int>(6, 100),
                                   model.allRows()});
        NullProgress progress;
        QCOMPARE(print.table(progress).toUtf8(), QByteArray("\xEF\xBB\xBF") + csv);
    }
};

QTEST_GUILESS_MAIN(TestStatisticsListCsv)
#include "TestStatisticsListCsv.moc"
