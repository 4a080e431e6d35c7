#include "cards/WorkListRow.h"

#include <QLocale>
#include <QTest>

using Row = WorkListRow;

namespace {

Row::Data fullWork()
{
    Row::Data d;
    d.workId = 42;
    d.regularHours = 8;
    d.centreKind = 1;
    d.worker = Row::Named{3, QStringLiteral("Rossi")};
    d.seasonalWorker = true;
    d.centre = Row::Named{10, QStringLiteral("Vineyard")};
    d.movement = Row::Movement{5,   2,    QStringLiteral("Bloom"), QStringLiteral("kg"), 3,
                               100, 0.22, QStringLiteral("INV-1")};
    d.item = Row::Named{5, QStringLiteral("Copper")};
    d.notebookItem = true;
    d.operation = Row::Named{7, QStringLiteral("Pruning")};
    d.machines[0] = Row::Named{20, QStringLiteral("Tractor")};
    return d;
}

} // namespace

class TestWorkListRow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cells_data();
    void cells();
    void kindAndMovementNames_data();
    void kindAndMovementNames();
    void workWithoutMovementLeavesItsColumnsEmpty();
};

void TestWorkListRow::cells_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<bool>("entered");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");

    QTest::newRow("seasonal worker")
        << 0 << false << int(Row::Worker) << "Rossi (3)" << int(Row::SeasonalWorker);
    QTest::newRow("permanent worker")
        << 1 << false << int(Row::Worker) << "Rossi (3)" << int(Row::PermanentWorker);
    QTest::newRow("missing worker") << 2 << false << int(Row::Worker) << "" << int(Row::Nothing);
    QTest::newRow("missing worker, entered")
        << 2 << true << int(Row::Worker) << "0" << int(Row::Nothing);
    QTest::newRow("worker coded 0")
        << 3 << false << int(Row::Worker) << "Nobody (0)" << int(Row::Nothing);
    QTest::newRow("regular hours")
        << 0 << false << int(Row::RegularHours) << "8.00" << int(Row::NoIcon);
    QTest::newRow("zero hours empty") << 0 << false << int(Row::Overtime) << "" << int(Row::NoIcon);
    QTest::newRow("centre") << 0 << false << int(Row::CostCentre) << "Vineyard (10)"
                            << int(Row::House);
    QTest::newRow("centre not found")
        << 2 << false << int(Row::CostCentre) << "" << int(Row::Nothing);
    QTest::newRow("centre without name")
        << 4 << false << int(Row::CostCentre) << "" << int(Row::Nothing);
    QTest::newRow("notebook item")
        << 0 << false << int(Row::Item) << "Copper (5)" << int(Row::NotebookItemBar);
    QTest::newRow("plain item") << 1 << false << int(Row::Item) << "Copper (5)"
                                << int(Row::ItemBar);
    QTest::newRow("missing item") << 2 << false << int(Row::Item) << "" << int(Row::Nothing);
    QTest::newRow("movement type")
        << 0 << false << int(Row::MovementType) << "Purchase" << int(Row::NoIcon);
    QTest::newRow("stage") << 0 << false << int(Row::Stage) << "Bloom" << int(Row::NoIcon);
    QTest::newRow("quantity") << 0 << false << int(Row::Quantity) << "kg 3.00" << int(Row::NoIcon);
    QTest::newRow("quantity 0") << 2 << false << int(Row::Quantity) << "" << int(Row::NoIcon);
    QTest::newRow("value") << 0 << false << int(Row::Value) << "$100.00" << int(Row::NoIcon);
    QTest::newRow("tax") << 0 << false << int(Row::Tax) << "$22.00" << int(Row::NoIcon);
    QTest::newRow("total") << 0 << false << int(Row::Total) << "$122.00" << int(Row::NoIcon);
    QTest::newRow("zero value") << 2 << false << int(Row::Total) << "$0.00" << int(Row::NoIcon);
    QTest::newRow("document") << 0 << false << int(Row::DocumentRef) << "INV-1" << int(Row::NoIcon);
    QTest::newRow("operation") << 0 << false << int(Row::Operation) << "Pruning (7)"
                               << int(Row::Gears);
    QTest::newRow("missing operation")
        << 2 << false << int(Row::Operation) << "" << int(Row::Nothing);
    QTest::newRow("machine") << 0 << false << int(Row::FirstMachine) << "Tractor (20)"
                             << int(Row::Tractor);
    QTest::newRow("no second machine")
        << 0 << false << int(Row::SecondMachine) << "" << int(Row::Nothing);
}

void TestWorkListRow::cells()
{
    QFETCH(int, variant);
    QFETCH(bool, entered);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(int, icon);

    Row::Data d = fullWork();
    switch (variant) {
    case 1:
        d.seasonalWorker = false;
        d.notebookItem = false;
        break;
    case 2:
        d.worker.reset();
        d.centre.reset();
        d.item.reset();
        d.operation.reset();
        d.movement->quantity = 0;
        d.movement->value = 0;
        break;
    case 3:
        d.worker = Row::Named{0, QStringLiteral("Nobody")};
        break;
    case 4:
        d.centre->name.clear();
        break;
    }
    const Row row = Row::build(d, entered ? Row::Wording::Entered : Row::Wording::Stored);
    QCOMPARE(row.workId, 42);
    QCOMPARE(row.texts[column], text);
    QCOMPARE(row.icons[column], icon);
}

void TestWorkListRow::kindAndMovementNames_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("movement");
    QTest::newRow("-1") << -1 << ""
                        << "";
    QTest::newRow("0") << 0 << ""
                       << "<None>";
    QTest::newRow("1") << 1 << "Crop"
                       << "Production";
    QTest::newRow("2") << 2 << "Field"
                       << "Purchase";
    QTest::newRow("3") << 3 << "Machine"
                       << "Working";
    QTest::newRow("4") << 4 << "Other"
                       << "Sale";
    QTest::newRow("5") << 5 << ""
                       << "In.Inv.";
    QTest::newRow("6") << 6 << ""
                       << "";
}

// A row the editor has just written names its kind as the list filled from the card does.
void TestWorkListRow::kindAndMovementNames()
{
    QFETCH(int, value);
    QFETCH(QString, kind);
    QFETCH(QString, movement);
    Row::Data d = fullWork();
    d.centreKind = value;
    d.movement->type = value;
    QCOMPARE(Row::build(d, Row::Wording::Stored).texts[Row::CentreKind], kind);
    QCOMPARE(Row::build(d, Row::Wording::Entered).texts[Row::CentreKind], kind);
    QCOMPARE(Row::build(d, Row::Wording::Stored).texts[Row::MovementType], movement);
}

void TestWorkListRow::workWithoutMovementLeavesItsColumnsEmpty()
{
    Row::Data d = fullWork();
    d.movement.reset();
    const Row row = Row::build(d, Row::Wording::Stored);
    for (int column = Row::Item; column <= Row::DocumentRef; ++column) {
        QCOMPARE(row.texts[column], QString());
        QCOMPARE(row.icons[column], int(Row::NoIcon));
    }
    QCOMPARE(row.texts[Row::Operation], QStringLiteral("Pruning (7)"));
}

QTEST_GUILESS_MAIN(TestWorkListRow)
#include "TestWorkListRow.moc"
