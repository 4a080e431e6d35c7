#include "RegistryFixture.h"
#include "TestEnvironment.h"
#include "db/Database.h"
#include "db/StoredQuery.h"

#include <QTest>

using Rows = QList<QStringList>;

// The stored queries of the registries against figures worked out by hand from the fixture.
class TestRegistryQueries : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    Database m_db;

    static Rows rowsOf(StoredQuery &query)
    {
        Rows rows;
        for (; !query.isEOF(); query.moveNext()) {
            QStringList row;
            for (int i = 0; i < query.columnCount(); ++i)
                row << query.value(i).toString();
            rows << row;
        }
        return rows;
    }

private slots:
    void initTestCase()
    {
        m_db.open(m_env.copyTemplate());
        RegistryFixture::seed(m_db);
    }

    void results_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariantMap>("params");
        QTest::addColumn<Rows>("expected");

        const QVariant start = QDateTime(QDate(2015, 1, 1), QTime(0, 0));
        const QVariant end = QDateTime(QDate(2015, 12, 31), QTime(23, 59, 59));
        const QVariantMap period = {{"[DataInit]", start}, {"[DataEnd]", end}};
        auto with = [&](QVariantMap more) {
            more.insert(period);
            return more;
        };
        const QString s1 = "2015-03-10 08:00:00";
        const QString s2 = "2015-06-01 07:30:00";
        const QString s3 = "2015-12-31 23:59:59";

        // A plain end date at 00:00:00 still takes the whole last day (card 3 at 23:59:59).
        const QVariantMap plain = {{"[Data Init]", start},
                                   {"[Data End]", QDateTime(QDate(2015, 12, 31), QTime(0, 0))}};
        auto centres = [&](int tipo, int type) {
            QVariantMap map = plain;
            map.insert("[Tipo]", tipo);
            map.insert("[Type]", type);
            return map;
        };
        QTest::newRow("centre hours, crops with their fields")
            << "Ore Totali su Centri" << centres(1, 2)
            << Rows{{"1", "Vineyard", "7", "1.5", "1", "9.5"}};
        // The tractor's own work (3 h), a work using it as machine 1 and 2 at once (2 + 1 h,
        // counted once) and a work on a field using it (4 + 1 h).
        QTest::newRow("centre hours, machines") << "Ore Totali su Centri" << centres(3, 255)
                                                << Rows{{"3", "Tractor", "9", "1", "1", "11"}};
        QTest::newRow("centre hours, others") << "Ore Totali su Centri" << centres(4, 255)
                                              << Rows{{"4", "Office", "5", "0", "2", "7"}};
        QTest::newRow("worker hours")
            << "Ore Totali Addetti" << period
            << Rows{{"1", "Anna", "8", "1.5", "0", "9.5"}, {"2", "Bruno", "9", "0", "3", "12"}};
        QTest::newRow("operation hours") << "Ore Totali Operazioni" << period
                                         << Rows{{"1", "Pruning", "12", "1.5", "2", "15.5"},
                                                 {"2", "Spraying", "5", "0", "1", "6"}};

        const Rows inventory = {{"1", "Copper", "2", "kg", "10"},
                                {"1", "Copper", "3", "kg", "2"},
                                {"2", "Wine", "4", "l", "100"},
                                {"3", "Diesel", "2", "l", "50"}};
        QTest::newRow("inventory")
            << "Inventario Magazzino" << QVariantMap{{"[Data]", end}} << inventory;
        QTest::newRow("inventory two")
            << "Inventario Magazzino Due" << QVariantMap{{"[Data]", end}} << inventory;
        QTest::newRow("inventory up to a plain day")
            << "Inventario Magazzino"
            << QVariantMap{{"[Data]", QDateTime(QDate(2015, 3, 10), QTime(0, 0))}}
            << Rows{{"1", "Copper", "3", "kg", "2"}};
        QTest::newRow("inventory of one item")
            << "Inventario Magazzino Articolo" << QVariantMap{{"[Data]", end}, {"[Codice]", 1}}
            << Rows{{"1", "Copper", "2", "kg", "10"}, {"1", "Copper", "3", "kg", "2"}};

        QTest::newRow("works of a crop centre and its fields")
            << "Lavori su Centri"
            << with({{"[TipoCentri]", 1}, {"[TipoCampi]", 2}, {"[Codice]", 1}})
            << Rows{{s1, "1", "Anna", "5", "1", "Pruning"},
                    {s1, "2", "Bruno", "3", "2", "Spraying"},
                    {s3, "1", "Anna", "1.5", "1", "Pruning"}};
        QTest::newRow("works of a machine, listed twice on one work")
            << "Lavori su Centri"
            << with({{"[TipoCentri]", 3}, {"[TipoCampi]", 2}, {"[Codice]", 3}})
            << Rows{{s1, "1", "Anna", "5", "1", "Pruning"},
                    {s1, "2", "Bruno", "3", "2", "Spraying"},
                    {s2, "1", "Anna", "3", "2", "Spraying"}};
        QTest::newRow("works of a field")
            << "Lavori su Campi" << with({{"[Tipo]", 2}, {"[Codice]", 10}})
            << Rows{{s1, "1", "Anna", "5", "1", "Pruning"},
                    {s2, "2", "Bruno", "2", "1", "Pruning"}};
        QTest::newRow("movements of a crop centre")
            << "Movimenti su Centri"
            << with({{"[TipoCentri]", 1}, {"[TipoCampi]", 2}, {"[Codice]", 1}})
            << Rows{{s1, "1", "Copper", "3", "kg", "2", "Bloom", "D1", "1"},
                    {s3, "1", "Copper", "7", "kg", "1", "", "X", "1"}};
        QTest::newRow("movements of a field")
            << "Movimenti su Campi" << with({{"[Tipo]", 2}, {"[Codice]", 10}})
            << Rows{{s1, "1", "Copper", "3", "kg", "2", "1", "Bloom", "D1", "1"},
                    {s2, "1", "Copper", "2", "kg", "10", "0", "Prep", "F1", "1"}};
        QTest::newRow("works of a worker") << "Lavori Operai" << with({{"[CodOpe]", 1}})
                                           << Rows{{s1, "1", "Vineyard", "5", "1", "Pruning"},
                                                   {s2, "3", "Tractor", "3", "2", "Spraying"},
                                                   {s3, "1", "Vineyard", "1.5", "1", "Pruning"}};
        QTest::newRow("works of an operation") << "Lavori Operazioni" << with({{"[CodOpe]", 2}})
                                               << Rows{{s1, "2", "Bruno", "3", "1", "Vineyard"},
                                                       {s2, "1", "Anna", "3", "3", "Tractor"}};
        QTest::newRow("movements of an item")
            << "Movimenti Magazzino" << with({{"[Anno]", 2015}, {"[CodArt]", 1}})
            << Rows{{s1, "1", "Vineyard", "10", "North Vines", "3", "kg", "5", "2", "", "Bloom",
                     "D1", "1"},
                    {s2, "", "", "10", "North Vines", "2", "kg", "25", "10", "", "Prep", "F1", "1"},
                    {s3, "1", "Vineyard", "11", "South Vines", "7", "kg", "0", "1", "", "", "X",
                     "1"}};
        QTest::newRow("movements of an item, fields named from the year asked")
            << "Movimenti Magazzino" << with({{"[Anno]", 2014}, {"[CodArt]", 1}})
            << Rows{{s1, "1", "Vineyard", "10", "North Vines old", "3", "kg", "5", "2", "", "Bloom",
                     "D1", "1"},
                    {s2, "", "", "10", "North Vines old", "2", "kg", "25", "10", "", "Prep", "F1",
                     "1"},
                    {s3, "1", "Vineyard", "11", "South Vines", "7", "kg", "0", "1", "", "", "X",
                     "1"}};
        QTest::newRow("all works on fields")
            << "Lavori su Campi Totali" << with({{"[AnnoInit]", 2015}, {"[AnnoEnd]", 2015}})
            << Rows{{s1, "1", "Anna", "5", "10", "North Vines", "1", "Pruning"},
                    {s2, "2", "Bruno", "2", "10", "North Vines", "1", "Pruning"},
                    {s3, "1", "Anna", "1.5", "11", "South Vines", "1", "Pruning"}};
        QTest::newRow("all items on fields")
            << "Articoli su Campi Totali" << with({{"[AnnoInit]", 2015}, {"[AnnoEnd]", 2015}})
            << Rows{{s1, "1", "Anna", "kg", "2", "10", "North Vines", "1", "Copper"},
                    {s2, "2", "Bruno", "kg", "10", "10", "North Vines", "1", "Copper"},
                    {s3, "1", "Anna", "kg", "1", "11", "South Vines", "1", "Copper"}};
    }

    void results()
    {
        QFETCH(QString, name);
        QFETCH(QVariantMap, params);
        QFETCH(Rows, expected);
        StoredQuery query(m_db, name);
        for (auto it = params.cbegin(); it != params.cend(); ++it)
            query.setParameter(it.key(), it.value());
        query.open();
        QCOMPARE(rowsOf(query), expected);
    }

    void machineTotalsAgreeWithTheirWorks()
    {
        StoredQuery totals(m_db, "Ore Totali su Centri");
        totals.setParameter("[Data Init]", QDateTime(QDate(2015, 1, 1), QTime(0, 0)));
        totals.setParameter("[Data End]", QDateTime(QDate(2015, 12, 31), QTime(0, 0)));
        totals.setParameter("[Tipo]", 3);
        totals.setParameter("[Type]", 255);
        totals.open();
        QVERIFY(!totals.isEOF());
        for (; !totals.isEOF(); totals.moveNext()) {
            StoredQuery works(m_db, "Lavori su Centri");
            works.setParameter("[DataInit]", QDateTime(QDate(2015, 1, 1), QTime(0, 0)));
            works.setParameter("[DataEnd]", QDateTime(QDate(2015, 12, 31), QTime(23, 59, 59)));
            works.setParameter("[TipoCentri]", 3);
            works.setParameter("[TipoCampi]", 2);
            works.setParameter("[Codice]", totals.value(0));
            works.open();
            double hours = 0;
            for (; !works.isEOF(); works.moveNext())
                hours += works.value(3).toDouble();
            QCOMPARE(totals.value(5).toDouble(), hours);
        }
    }

    void periodBoundsExcludeTheDaysAround()
    {
        // Only the cards of 31/12/2015 fall into a one-day period of that day.
        StoredQuery query(m_db, "Ore Totali Addetti");
        query.setParameter("[DataInit]", QDateTime(QDate(2015, 12, 31), QTime(0, 0)));
        query.setParameter("[DataEnd]", QDateTime(QDate(2015, 12, 31), QTime(23, 59, 59)));
        query.open();
        QCOMPARE(rowsOf(query), (Rows{{"1", "Anna", "1", "0.5", "0", "1.5"}}));
    }
};

QTEST_GUILESS_MAIN(TestRegistryQueries)
#include "TestRegistryQueries.moc"
