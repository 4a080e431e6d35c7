#include "CardsFixture.h"
#include "cards/WorkStore.h"
#include "db/SchemaUpgrade.h"

#include <QTest>

class TestWorkStore : public QObject
{
    Q_OBJECT

private slots:
    void init() { f.init(); }
    void insertWritesTheWorkAndOneMovement();
    void defaultsGiveCodesZeroAndEmptyTexts();
    void editKeepsAggiornatoAndAddsAMissingMovement();
    void removeTakesEveryMovement();
    void treatmentValuesRoundTrip();

private:
    WorkEntry sample() const
    {
        WorkEntry e;
        e.workerCode = 3;
        e.regularHours = 8;
        e.overtimeHours = 1;
        e.holidayHours = 2;
        e.operationCode = 7;
        e.machineCodes = {20, 21, 0};
        e.centreKind = 2;
        e.centreCode = 10;
        e.fieldCode = 100;
        e.itemCode = 5;
        e.movementType = 2;
        e.stage = QStringLiteral("Bloom");
        e.documentRef = QStringLiteral("INV-9");
        e.unit = QStringLiteral("kg");
        e.quantity = 3;
        e.value = 7.5;
        e.vat = 0.22;
        e.note = QStringLiteral("windy");
        e.adversity = QStringLiteral("Mildew");
        return e;
    }

    CardsFixture f;
};

void TestWorkStore::insertWritesTheWorkAndOneMovement()
{
    WorkStore store(*f.db);
    const int id = store.insert(sample(), 0, true);
    QCOMPARE(f.count(QStringLiteral("Opere"), QStringLiteral("IDScheda = 0 AND Aggiornato = 0")),
             1);
    QCOMPARE(f.count(QStringLiteral("Magazzino"),
                     QStringLiteral(
                         "IDOpera = %1 AND CodCentro = 10 AND CodCampo = 100 AND [Tipo Centro] = 2 "
                         "AND [Tipo Bolla] = 2 AND Prezzo = 7.5 AND RifDoc = 'INV-9'")
                         .arg(id)),
             1);
    const auto loaded = store.load(id);
    QVERIFY(loaded && loaded->hasMovement);
    const WorkEntry &e = loaded->entry;
    QCOMPARE(e.machineCodes, sample().machineCodes);
    QCOMPARE(e.holidayHours, 2.0);
    QCOMPARE(e.overtimeHours, 1.0);
    QCOMPARE(float(e.vat), 0.22f);
    QCOMPARE(e.adversity, QStringLiteral("Mildew"));
    QCOMPARE(e.fieldCode, 100);

    const int linked = store.insert(sample(), 12, false);
    QCOMPARE(
        f.scalar(QStringLiteral("SELECT Aggiornato FROM Opere WHERE IDOpera = ? AND IDScheda = 12"),
                 {linked})
            .toInt(),
        1);
}

void TestWorkStore::defaultsGiveCodesZeroAndEmptyTexts()
{
    const int id = WorkStore(*f.db).insert(WorkEntry(), 4, false);
    QCOMPARE(f.count(QStringLiteral("Opere"),
                     QStringLiteral(
                         "IDOpera = %1 AND CodOperaio = 0 AND CodMacch1 = 0 AND CodCentro = 0 "
                         "AND CodCampo = 0 AND [Tipo Centro] = 0 AND OreOrd = 0")
                         .arg(id)),
             1);
    QCOMPARE(
        f.count(QStringLiteral("Magazzino"),
                QStringLiteral("IDOpera = %1 AND [Tipo Bolla] = 0 AND Prezzo = 0 AND Fase IS NULL "
                               "AND Note IS NULL")
                    .arg(id)),
        1);
}

void TestWorkStore::editKeepsAggiornatoAndAddsAMissingMovement()
{
    const int id =
        f.db->execute(QStringLiteral(
                          "INSERT INTO Opere (IDScheda, Aggiornato, CodOperaio) VALUES (4, 1, 1)"))
            .lastInsertId()
            .toInt();
    WorkStore store(*f.db);
    QVERIFY(!store.load(id)->hasMovement);
    WorkEntry edited = sample();
    store.update(id, edited, 4);
    QCOMPARE(f.count(QStringLiteral("Magazzino"), QStringLiteral("IDOpera = %1").arg(id)), 1);
    QCOMPARE(
        f.scalar(QStringLiteral("SELECT Aggiornato FROM Opere WHERE IDOpera = ?"), {id}).toInt(),
        1);

    edited.machineCodes[1] = 0;
    edited.stage.clear();
    store.update(id, edited, 4);
    QCOMPARE(f.count(QStringLiteral("Magazzino"), QStringLiteral("IDOpera = %1").arg(id)), 1);
    const auto loaded = store.load(id);
    QCOMPARE(loaded->entry.machineCodes[1], 0);
    QCOMPARE(loaded->entry.stage, QString());
    QVERIFY(!store.load(id + 1).has_value());
}

void TestWorkStore::removeTakesEveryMovement()
{
    WorkStore store(*f.db);
    const int a = store.insert(sample(), 4, false);
    const int b = store.insert(sample(), 4, false);
    f.exec(QStringLiteral("INSERT INTO Magazzino (IDOpera) VALUES (?)"), {a});
    store.remove({a});
    QCOMPARE(f.count(QStringLiteral("Magazzino"), QStringLiteral("IDOpera = %1").arg(a)), 0);
    QCOMPARE(f.count(QStringLiteral("Opere")), 1);
    QCOMPARE(f.count(QStringLiteral("Magazzino"), QStringLiteral("IDOpera = %1").arg(b)), 1);
}

// What an application records is written and read with the movement; left at its defaults it
// is stored as NULL. A file without its columns (the template) keeps working without them.
void TestWorkStore::treatmentValuesRoundTrip()
{
    WorkEntry entry = sample();
    entry.movementType = 3;
    entry.treatedArea = 0.5;
    entry.bbchStage = QStringLiteral("61");
    entry.applicationTime = QStringLiteral("07:30");

    WorkStore older(*f.db);
    const int plain = older.insert(entry, 0, true);
    const auto withoutColumns = older.load(plain);
    QVERIFY(withoutColumns);
    QVERIFY(!withoutColumns->entry.treatedArea);
    QCOMPARE(withoutColumns->entry.bbchStage, QString());

    QVERIFY(SchemaUpgrade::upgrade(*f.db));
    WorkStore store(*f.db);
    const int id = store.insert(entry, 0, true);
    QCOMPARE(f.count(QStringLiteral("Magazzino"),
                     QStringLiteral("IDOpera = %1 AND SuperficieTrattata = 0.5 AND CodiceBBCH = "
                                    "'61' AND OraTrattamento = '07:30'")
                         .arg(id)),
             1);
    auto loaded = store.load(id);
    QVERIFY(loaded);
    QCOMPARE(loaded->entry.treatedArea, std::optional<double>(0.5));
    QCOMPARE(loaded->entry.bbchStage, QStringLiteral("61"));
    QCOMPARE(loaded->entry.applicationTime, QStringLiteral("07:30"));

    entry.clearTreatment();
    store.update(id, entry, 0);
    QCOMPARE(f.count(QStringLiteral("Magazzino"),
                     QStringLiteral("IDOpera = %1 AND SuperficieTrattata IS NULL AND CodiceBBCH "
                                    "IS NULL AND OraTrattamento IS NULL")
                         .arg(id)),
             1);
    loaded = store.load(id);
    QVERIFY(!loaded->entry.treatedArea);
    QCOMPARE(loaded->entry.applicationTime, QString());
}

QTEST_GUILESS_MAIN(TestWorkStore)
#include "TestWorkStore.moc"
