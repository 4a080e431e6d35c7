#include "RegistryFixture.h"
#include "TestEnvironment.h"
#include "db/Database.h"
#include "registries/RegistryCascade.h"
#include "registries/RegistryKey.h"

#include <QTest>

using namespace RegistryKey;
using Usage = RegistryCascade::Usage;

// The question asked before a registry record is deleted: what uses it, counted on the farm.
class TestRegistryCascade : public QObject
{
    Q_OBJECT
private slots:
    void usageCountsWhatTheDeletionChanges();
    void questionWording_data();
    void questionWording();

private:
    TestEnvironment m_env;
};

void TestRegistryCascade::usageCountsWhatTheDeletionChanges()
{
    Database db;
    db.open(m_env.copyTemplate());
    RegistryFixture::seed(db);
    const struct
    {
        int kind, code, year;
        Usage expected;
    } cases[] = {
        // Work 7 uses the tractor while its card is still being entered: a work on no card.
        {Machine, 3, 0, {4, 2, 0}},
        {Crop, 2, 0, {0, 0, 1}},
        {Item, 3, 0, {1, 1, 0}},
        // The same field code in another year is not this row's.
        {Field, 10, 2014, {0, 0, 0}},
        {Worker, 9, 0, {0, 0, 0}},
    };
    for (const auto &each : cases) {
        const Usage found = RegistryCascade::usage(db, each.kind, each.code, each.code, each.year);
        QCOMPARE(QList<int>({found.works, found.cards, found.fields}),
                 QList<int>({each.expected.works, each.expected.cards, each.expected.fields}));
    }
}

void TestRegistryCascade::questionWording_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("works");
    QTest::addColumn<int>("cards");
    QTest::addColumn<int>("fields");
    QTest::addColumn<QString>("question");
    QTest::newRow("unused") << int(Worker) << 0 << 0 << 0
                            << "Do you want to delete ROSSI MARIO from registries?";
    QTest::newRow("many works")
        << int(Worker) << 1469 << 212 << 0
        << "The worker ROSSI MARIO is used by 1,469 works on 212 cards. Deleting the worker "
           "leaves those works without a worker. Delete it?";
    QTest::newRow("only a work being entered")
        << int(Operation) << 1 << 0 << 0
        << "The operation ROSSI MARIO is used by 1 work not yet on a card. Deleting it leaves "
           "those works without an operation. Delete it?";
    QTest::newRow("crop centre with fields only")
        << int(Crop) << 0 << 0 << 2
        << "The crop centre ROSSI MARIO has 2 fields over the years. Deleting it deletes those "
           "fields. Delete it?";
    QTest::newRow("crop centre with works only")
        << int(Crop) << 3 << 1 << 0
        << "The crop centre ROSSI MARIO is used by 3 works on 1 card. Deleting it leaves those "
           "works without a cost centre. Delete it?";
    QTest::newRow("one stock movement")
        << int(Item) << 1 << 1 << 0
        << "The item ROSSI MARIO is used by 1 stock movement on 1 card. Deleting it leaves those "
           "stock movements without an item. Delete it?";
}

void TestRegistryCascade::questionWording()
{
    QFETCH(int, kind);
    QFETCH(int, works);
    QFETCH(int, cards);
    QFETCH(int, fields);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QTEST(RegistryCascade::deleteQuestion(kind, "ROSSI MARIO", {works, cards, fields}), "question");
}

QTEST_GUILESS_MAIN(TestRegistryCascade)
#include "TestRegistryCascade.moc"
