#include "TestEnvironment.h"
#include "base/SettingsKeys.h"
#include "cards/WorkListModel.h"
#include "cards/WorkListRow.h"
#include "cards/ui/WorkColumnSettings.h"

#include <QHeaderView>
#include <QTableView>
#include <QTest>

#include <memory>

class TestWorkColumnSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_env = std::make_unique<TestEnvironment>(); }
    void init() { m_env->clearSettings(); }
    void orderAndWidthsComeBack();
    void firstStartFitsTheTitles();
    void orderThatIsNoPermutationIsRefused_data();
    void orderThatIsNoPermutationIsRefused();

private:
    // A work list as the card view shows it.
    struct List
    {
        WorkListModel model;
        QTableView view;
        List() { view.setModel(&model); }
        QHeaderView &header() { return *view.horizontalHeader(); }
    };

    static QList<int> logicalOrder(const QHeaderView &header)
    {
        QList<int> order;
        for (int position = 0; position < header.count(); ++position)
            order << header.logicalIndex(position);
        return order;
    }

    std::unique_ptr<TestEnvironment> m_env;
};

void TestWorkColumnSettings::orderAndWidthsComeBack()
{
    QList<int> order;
    {
        List left;
        left.header().setSectionsMovable(true);
        WorkColumnSettings::restore(left.header());
        left.header().moveSection(left.header().visualIndex(WorkListRow::CostCentre), 0);
        left.header().moveSection(left.header().visualIndex(WorkListRow::Worker), 17);
        left.header().resizeSection(WorkListRow::Quantity, 143);
        left.header().resizeSection(WorkListRow::Worker, 61);
        order = logicalOrder(left.header());
        WorkColumnSettings::store(left.header());
    }
    QCOMPARE(order.first(), int(WorkListRow::CostCentre));
    QCOMPARE(order.last(), int(WorkListRow::Worker));
    const std::optional<QList<int>> stored = WorkColumnSettings::storedOrder();
    QVERIFY(stored);
    QCOMPARE(*stored, order);
    QCOMPARE(SettingsKeys::columnWidth(WorkListRow::Quantity).read(), 143);

    List next;
    WorkColumnSettings::restore(next.header());
    QCOMPARE(logicalOrder(next.header()), order);
    QCOMPARE(next.header().sectionSize(WorkListRow::Quantity), 143);
    QCOMPARE(next.header().sectionSize(WorkListRow::Worker), 61);
}

void TestWorkColumnSettings::firstStartFitsTheTitles()
{
    List list;
    WorkColumnSettings::restore(list.header());
    const QFontMetrics metrics = list.header().fontMetrics();
    const int usual = SettingsKeys::columnWidth(0).defaultValue;
    int total = 0;
    for (int column = 0; column < WorkListRow::ColumnCount; ++column) {
        const QString title = WorkListRow::headerText(column);
        const int width = list.header().sectionSize(column);
        QVERIFY2(width <= usual, qPrintable(title));
        QVERIFY2(width >= qMin(usual, metrics.horizontalAdvance(title)), qPrintable(title));
        total += width;
    }
    QCOMPARE(list.header().sectionSize(WorkListRow::Worker), usual);
    QCOMPARE(list.header().sectionSize(WorkListRow::CostCentre), usual);
    QVERIFY(total < WorkListRow::ColumnCount * usual);
    QCOMPARE(logicalOrder(list.header()).first(), 0);
}

void TestWorkColumnSettings::orderThatIsNoPermutationIsRefused_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("stored");
    QTest::newRow("a column twice") << 1 << 5;
    QTest::newRow("a column past the last") << 3 << WorkListRow::ColumnCount;
    QTest::newRow("a negative column") << 0 << -1;
}

void TestWorkColumnSettings::orderThatIsNoPermutationIsRefused()
{
    QFETCH(int, position);
    QFETCH(int, stored);
    QList<int> reversed;
    for (int column = WorkListRow::ColumnCount - 1; column >= 0; --column)
        reversed << column;
    for (int i = 0; i < reversed.size(); ++i)
        SettingsKeys::columnOrder(i).write(reversed[i]);
    SettingsKeys::columnWidth(WorkListRow::Item).write(77);
    QVERIFY(WorkColumnSettings::storedOrder());

    SettingsKeys::columnOrder(position).write(stored);
    QVERIFY(!WorkColumnSettings::storedOrder());
    List list;
    WorkColumnSettings::restore(list.header());
    // Every column stays shown once, in its own place; the widths still apply.
    for (int column = 0; column < WorkListRow::ColumnCount; ++column)
        QCOMPARE(list.header().visualIndex(column), column);
    QCOMPARE(list.header().sectionSize(WorkListRow::Item), 77);
}

QTEST_MAIN(TestWorkColumnSettings)
#include "TestWorkColumnSettings.moc"
