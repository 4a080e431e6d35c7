#include "CardsFixture.h"
#include "cards/WorkListQuery.h"

#include <QTest>

using Row = WorkListRow;

class TestWorkListQuery : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f.init();
        f.seedRegistries();
        card = f.addCard(QStringLiteral("2024-03-01 08:00:00"));
    }
    void lookupsByKind_data();
    void lookupsByKind();
    void firstMovementAndWorksInOrder();
    void missingMovementAndLookups();
    void fieldYearsOfThePeriod();

private:
    // The fixture's working period, 2024.
    WorkListQuery query() const
    {
        return WorkListQuery(*f.db, WorkingPeriod{QDate(2024, 1, 1), QDate(2024, 12, 31)});
    }
    int addWork(int kind, int centre, int field, int worker = 1)
    {
        return f.db
            ->execute(QStringLiteral(
                          "INSERT INTO Opere (IDScheda, Aggiornato, CodOperaio, [Tipo Centro], "
                          "CodCentro, CodCampo, CodOperazione, CodMacch1, CodMacch2) "
                          "VALUES (?, 1, ?, ?, ?, ?, 7, 20, 10)"),
                      {card, worker, kind, centre, field})
            .lastInsertId()
            .toInt();
    }

    CardsFixture f;
    int card = 0;
};

void TestWorkListQuery::lookupsByKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("centre");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("shown");

    QTest::newRow("crop centre") << 1 << 10 << 0 << "Vineyard (10)";
    QTest::newRow("crop centre code of a machine") << 1 << 20 << 0 << "";
    QTest::newRow("field of the period's year") << 2 << 10 << 100 << "North (100)";
    QTest::newRow("field of another year") << 2 << 11 << 200 << "";
    QTest::newRow("machine") << 3 << 20 << 0 << "Tractor (20)";
    QTest::newRow("machine code of a crop centre") << 3 << 10 << 0 << "";
    QTest::newRow("other centre") << 4 << 30 << 0 << "Barn (30)";
    QTest::newRow("no kind") << 0 << 10 << 0 << "";
}

void TestWorkListQuery::lookupsByKind()
{
    QFETCH(int, kind);
    QFETCH(int, centre);
    QFETCH(int, field);
    QFETCH(QString, shown);
    const int workId = addWork(kind, centre, field);
    const auto data = query().work(workId);
    QVERIFY(data.has_value());
    const Row row = Row::build(*data, Row::Wording::Stored);
    QCOMPARE(row.texts[Row::CostCentre], shown);
    QCOMPARE(row.icons[Row::CostCentre], shown.isEmpty() ? int(Row::Nothing) : int(Row::House));
    QCOMPARE(row.texts[Row::Worker], QStringLiteral("Rossi (1)"));
    QCOMPARE(row.texts[Row::Operation], QStringLiteral("Pruning (7)"));
    QCOMPARE(row.texts[Row::FirstMachine], QStringLiteral("Tractor (20)"));
    // Code 10 names a crop centre, not a machine.
    QCOMPARE(row.texts[Row::SecondMachine], QString());
    QCOMPARE(row.icons[Row::SecondMachine], int(Row::Nothing));
}

void TestWorkListQuery::firstMovementAndWorksInOrder()
{
    QList<int> ids;
    for (int i = 0; i < 50; ++i)
        ids << f.addWork(card, i % 3);
    f.exec(QStringLiteral(
               "INSERT INTO Magazzino (IDOpera, [Codice Articolo], Quantita) VALUES (?, 6, 9)"),
           {ids[0]});
    f.exec(QStringLiteral(
        "UPDATE Magazzino SET [Codice Articolo] = 5, Quantita = 2, UniMis = 'kg', "
        "Prezzo = 10, Iva = 0.1 WHERE IDBolla = (SELECT min(IDBolla) FROM Magazzino)"));
    const int other = f.addCard(QStringLiteral("2024-03-02 08:00:00"));
    f.addWork(other, 1);

    const QList<Row::Data> rows = query().worksOfCard(card);
    QCOMPARE(rows.size(), 50);
    for (int i = 0; i < 50; ++i)
        QCOMPARE(rows[i].workId, ids[i]);
    const Row first = Row::build(rows[0], Row::Wording::Stored);
    QCOMPARE(first.texts[Row::Item], QStringLiteral("Copper (5)"));
    QCOMPARE(first.texts[Row::Quantity], QStringLiteral("kg 2.00"));
    QCOMPARE(first.texts[Row::Total], QStringLiteral("$11.00"));
    QCOMPARE(first.icons[Row::Worker], int(Row::Nothing));
    QCOMPARE(Row::build(rows[1], Row::Wording::Stored).icons[Row::Worker],
             int(Row::SeasonalWorker));
    QCOMPARE(Row::build(rows[2], Row::Wording::Stored).icons[Row::Worker],
             int(Row::PermanentWorker));

    const QList<Row::Data> chosen = query().works({ids[7], ids[3]});
    QCOMPARE(chosen.size(), 2);
    QCOMPARE(chosen[0].workId, ids[3]);
    QVERIFY(query().works({}).isEmpty());
}

void TestWorkListQuery::missingMovementAndLookups()
{
    const int workId = addWork(1, 10, 0, 99);
    const auto data = query().work(workId);
    QVERIFY(data.has_value());
    QVERIFY(!data->movement.has_value());
    const Row row = Row::build(*data, Row::Wording::Stored);
    QCOMPARE(row.texts[Row::Worker], QString());
    QCOMPARE(row.icons[Row::Worker], int(Row::Nothing));
    QCOMPARE(row.texts[Row::CentreKind], QStringLiteral("Crop"));
    QCOMPARE(row.texts[Row::Value], QString());

    f.exec(
        QStringLiteral(
            "INSERT INTO Magazzino (IDOpera, [Codice Articolo], [Tipo Bolla]) VALUES (?, 77, 6)"),
        {workId});
    const Row withMovement = Row::build(*query().work(workId), Row::Wording::Stored);
    QCOMPARE(withMovement.texts[Row::Item], QString());
    QCOMPARE(withMovement.icons[Row::Item], int(Row::Nothing));
    QCOMPARE(withMovement.texts[Row::MovementType], QString());
    QCOMPARE(withMovement.texts[Row::Value], QStringLiteral("$0.00"));
    QVERIFY(!query().work(workId + 1000).has_value());
}

void TestWorkListQuery::fieldYearsOfThePeriod()
{
    const int workId = addWork(2, 10, 100);
    const auto shownFor = [&](const WorkingPeriod &period) {
        return Row::build(*WorkListQuery(*f.db, period).work(workId), Row::Wording::Stored)
            .texts[Row::CostCentre];
    };
    QCOMPARE(shownFor({QDate(2023, 1, 1), QDate(2023, 12, 31)}),
             QStringLiteral("North 2023 (100)"));
    // A period across two years names the field of either; the first one entered is shown.
    QCOMPARE(shownFor({QDate(2023, 6, 1), QDate(2024, 5, 31)}), QStringLiteral("North 2023 (100)"));
    QCOMPARE(shownFor({QDate(2020, 1, 1), QDate(2021, 12, 31)}), QString());
}

QTEST_GUILESS_MAIN(TestWorkListQuery)
#include "TestWorkListQuery.moc"
