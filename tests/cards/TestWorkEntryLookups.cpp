#include "CardsFixture.h"
#include "cards/WorkEntryLookups.h"
#include "db/FarmSession.h"
#include "db/MovementTexts.h"
#include "db/SchemaUpgrade.h"

#include <QTest>

class TestWorkEntryLookups : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f.init();
        f.seedRegistries();
    }
    void codeLists();
    void centresByKind_data();
    void centresByKind();
    void unitsIgnoreCase();
    void centreCodeUnderKind_data();
    void centreCodeUnderKind();
    void stagesAndAdversities();
    void textListsEqualTheFullScan_data();
    void textListsEqualTheFullScan();
    void namesSortAsPeopleSort();

private:
    QStringList texts(const WorkEntryLookups::EntryList &list)
    {
        QStringList result;
        for (const auto &entry : list)
            result << QStringLiteral("%1=%2").arg(entry.text).arg(entry.code);
        return result;
    }

    CardsFixture f;
};

void TestWorkEntryLookups::codeLists()
{
    WorkEntryLookups lookups(*f.db, FarmSession::storedPeriod());
    QCOMPARE(texts(lookups.workers()), QStringList({"<None>=0", "Bianchi=2", "Rossi=1"}));
    QCOMPARE(texts(lookups.machines()), QStringList({"<None>=0", "Sprayer=21", "Tractor=20"}));
    QCOMPARE(texts(lookups.operations()), QStringList({"<None>=0", "Pruning=7"}));
    const auto items = lookups.items();
    QCOMPARE(WorkEntryLookups::indexOfCode(items, 6), 2);
    QCOMPARE(WorkEntryLookups::indexOfCode(items, 99), 0);
    const auto item = lookups.item(5);
    QVERIFY(item.has_value());
    QCOMPARE(WorkEntryLookups::valueOf(3, *item), 7.5);
    QVERIFY(!lookups.item(99).has_value());
}

void TestWorkEntryLookups::centresByKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("periodYears");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("none") << 0 << false << QStringList{"<None>=0"};
    QTest::newRow("crop") << 1 << false << QStringList{"<None>=0", "Vineyard=10"};
    QTest::newRow("fields of every year")
        << 2 << false << QStringList{"<None>=0", "North=100", "North 2023=100", "Old hill=200"};
    QTest::newRow("fields of the period") << 2 << true << QStringList{"<None>=0", "North=100"};
    QTest::newRow("machines") << 3 << false << QStringList{"<None>=0", "Sprayer=21", "Tractor=20"};
    QTest::newRow("others") << 4 << false << QStringList{"<None>=0", "Barn=30"};
}

void TestWorkEntryLookups::centresByKind()
{
    QFETCH(int, kind);
    QFETCH(bool, periodYears);
    QFETCH(QStringList, entries);
    WorkEntryLookups lookups(*f.db, FarmSession::storedPeriod());
    QCOMPARE(texts(lookups.centres(kind, periodYears ? WorkEntryLookups::FieldYears::WorkingPeriod
                                                     : WorkEntryLookups::FieldYears::All)),
             entries);
}

void TestWorkEntryLookups::unitsIgnoreCase()
{
    QStringList units;
    WorkEntryLookups(*f.db, FarmSession::storedPeriod()).items(&units);
    // Items in description order: Copper kg, Diesel l, Sulphur KG.
    QCOMPARE(units, QStringList({"kg", "l"}));
    QCOMPARE(WorkEntryLookups::unitIndex(units, QStringLiteral("KG")), 0);
    QCOMPARE(WorkEntryLookups::unitIndex(units, QStringLiteral("t")), -1);
}

void TestWorkEntryLookups::centreCodeUnderKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("centre");
    QTest::addColumn<int>("field");
    QTest::newRow("field gives its crop centre") << 2 << 100 << 10 << 100;
    QTest::newRow("unknown field") << 2 << 555 << 0 << 555;
    QTest::newRow("crop centre clears the field") << 1 << 10 << 10 << 0;
    QTest::newRow("no kind changes nothing") << 0 << 30 << 7 << 8;
}

void TestWorkEntryLookups::centreCodeUnderKind()
{
    QFETCH(int, kind);
    QFETCH(int, code);
    QFETCH(int, centre);
    QFETCH(int, field);
    WorkEntry entry;
    entry.centreKind = kind;
    entry.centreCode = 7;
    entry.fieldCode = 8;
    WorkEntryLookups(*f.db, FarmSession::storedPeriod()).applyCentreCode(code, entry);
    QCOMPARE(entry.centreCode, centre);
    QCOMPARE(entry.fieldCode, field);
}

void TestWorkEntryLookups::stagesAndAdversities()
{
    for (const char *stage : {"Bloom", "Bloom", "Autumn"})
        f.exec(QStringLiteral("INSERT INTO Magazzino (Fase, Avverso) VALUES (?, NULL)"),
               {QString::fromLatin1(stage)});
    f.exec(QStringLiteral("INSERT INTO Magazzino (Fase, Avverso) VALUES (NULL, 'Mildew')"));
    WorkEntryLookups lookups(*f.db, FarmSession::storedPeriod());
    QCOMPARE(lookups.stages(), QStringList({"Autumn", "Bloom"}));
    QCOMPARE(lookups.adversities(), QStringList({"Mildew"}));
}

// The lists step through the indexes a working farm has, or scan every movement where the
// indexes are missing: both give what a scan of every movement gives.
void TestWorkEntryLookups::textListsEqualTheFullScan_data()
{
    QTest::addColumn<bool>("indexed");
    QTest::newRow("working farm") << true;
    QTest::newRow("file without the indexes") << false;
}

void TestWorkEntryLookups::textListsEqualTheFullScan()
{
    QFETCH(bool, indexed);
    // Repeats, nulls, an empty text, letter case, accents, a number, spaces and a text that
    // is a prefix of another.
    const QList<std::pair<QVariant, QVariant>> movements = {
        {"Bloom", "Mildew"},  {"Bloom", "Mildew"}, {"bloom", QVariant()}, {QVariant(), "Aphid"},
        {"", "Downy mildew"}, {"Élan", " Mildew"}, {7, "Mildew "},        {"Fruit set", "Scab"},
        {"Fruit", "scab"},    {"Bloom", ""},
    };
    for (const auto &[stage, adversity] : movements)
        f.exec(QStringLiteral("INSERT INTO Magazzino (IDOpera, Fase, Avverso) VALUES (0, ?, ?)"),
               {stage, adversity});
    if (indexed)
        SchemaUpgrade::keepYearSums(*f.db);
    for (const MovementTexts::Column column :
         {MovementTexts::Column::Phase, MovementTexts::Column::Adversity}) {
        QCOMPARE(MovementTexts::hasIndex(*f.db, column), indexed);
        QCOMPARE(MovementTexts::distinct(*f.db, column), MovementTexts::scanned(*f.db, column));
    }
    QCOMPARE(MovementTexts::scanned(*f.db, MovementTexts::Column::Phase),
             QStringList({"", "7", "Bloom", "Fruit", "Fruit set", "bloom", "Élan"}));
    WorkEntryLookups lookups(*f.db, FarmSession::storedPeriod());
    QCOMPARE(lookups.stages(),
             QStringList({"", "7", "Bloom", "bloom", "Élan", "Fruit", "Fruit set"}));
    const QStringList adversities = lookups.adversities();
    QCOMPARE(QSet<QString>(adversities.cbegin(), adversities.cend()),
             QSet<QString>(
                 {"", " Mildew", "Aphid", "Downy mildew", "Mildew", "Mildew ", "Scab", "scab"}));
    QCOMPARE(adversities.size(), 8);
}

void TestWorkEntryLookups::namesSortAsPeopleSort()
{
    f.db->execute("DELETE FROM Operai");
    f.db->execute("INSERT INTO Operai (Codice, Nome) VALUES (1, 'Zucca'), (2, 'apple'), "
                  "(3, 'Élan'), (4, 'Fava')");
    f.db->execute("INSERT INTO Magazzino (IDOpera, [Tipo Bolla], Fase) VALUES (0, 0, 'bloom'), "
                  "(0, 0, 'Autumn')");
    WorkEntryLookups lookups(*f.db, FarmSession::storedPeriod());
    QCOMPARE(texts(lookups.workers()),
             QStringList({"<None>=0", "apple=2", "Élan=3", "Fava=4", "Zucca=1"}));
    const QStringList stages = lookups.stages();
    QVERIFY(stages.indexOf("Autumn") >= 0);
    QVERIFY(stages.indexOf("Autumn") < stages.indexOf("bloom"));
}

QTEST_GUILESS_MAIN(TestWorkEntryLookups)
#include "TestWorkEntryLookups.moc"
