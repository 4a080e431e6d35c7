#include "RegistryFixture.h"
#include "TestEnvironment.h"
#include "db/COperaiSet.h"
#include "db/Database.h"
#include "db/DbException.h"
#include "registries/StatisticsLists.h"
#include "registries/StatisticsModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using Rows = QList<QStringList>;
using Choice = StatisticsLists::Choice;

// Every statistics list of the registries on the fixture, in a US English locale.
class TestStatisticsLists : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    Database m_db;
    const WorkingPeriod m_period{QDate(2015, 1, 1), QDate(2015, 12, 31)};

    // The texts the model shows, row by row.
    static Rows rowsOf(const StatisticsModel &model)
    {
        Rows rows;
        for (int row = 0; row < model.rowCount(); ++row) {
            QStringList texts;
            for (int column = 0; column < model.columnCount(); ++column)
                texts << model.index(row, column).data().toString();
            rows << texts;
        }
        return rows;
    }

    static Rows texts(const QList<StatisticsRow> &rows)
    {
        Rows all;
        for (const StatisticsRow &row : rows) {
            QStringList texts;
            for (const StatisticsCell &cell : row)
                texts << cell.text;
            all << texts;
        }
        return all;
    }

    // Whether a cell holds the value its text shows, as kind says it should ('c' a code, 'n' a
    // figure, 'd' a date, 't' a text); an empty cell holds none.
    static bool holdsItsText(const StatisticsCell &cell, QChar kind)
    {
        const QVariant &value = cell.value;
        if (cell.text.isEmpty())
            return value.isNull();
        switch (kind.toLatin1()) {
        case 'c':
            return value.typeId() == QMetaType::Int && QString::number(value.toInt()) == cell.text;
        case 'n':
            return value.typeId() == QMetaType::Double &&
                   value.toDouble() == QLocale().toDouble(cell.text);
        case 'd':
            return value.typeId() == QMetaType::QDate &&
                   value.toDate() == QDate::fromString(cell.text, "MM/dd/yyyy");
        default:
            return value.typeId() == QMetaType::QString && value.toString() == cell.text;
        }
    }

    // A source of count rows "<n>" in the first column.
    static StatisticsModel::RowSource numbered(int count)
    {
        return [count, next = 0](StatisticsRow &cells) mutable {
            if (next == count)
                return false;
            cells = {{QString::number(next), next}};
            ++next;
            return true;
        };
    }

    // The fixture with enough more works on field 10 to fill more than one batch.
    static int seedLongList(Database &db)
    {
        RegistryFixture::seed(db);
        const int copies = StatisticsModel::BatchSize + 44;
        db.execute(
            QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                "INSERT INTO Opere (IDScheda, Aggiornato, CodOperaio, CodOperazione, "
                "[Tipo Centro], CodCentro, CodCampo, OreOrd) "
                "SELECT 1, 1, 2, 1, 2, 1, 10, 1 FROM n"),
            {copies});
        return copies;
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_db.open(m_env.copyTemplate());
        RegistryFixture::seed(m_db);
    }

    void lists_data()
    {
        QTest::addColumn<std::function<void(StatisticsLists &)>>("fill");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<Rows>("expected");
        // The kind of value each column holds: c code, n figure, d date, t text.
        QTest::addColumn<QString>("kinds");

        const QStringList hourTitles = {"Tot.Ord.", "Tot.Ext.", "Tot.Hol.", "Total"};
        const QStringList works = {"Date",  "Worker Code",    "Worker",
                                   "Hours", "Operation Code", "Operation"};
        QTest::newRow("1 crop centre hours")
            << std::function([](StatisticsLists &l) { l.fillCentreTotals(1); })
            << QStringList{"Center Code", "Center"} + hourTitles
            << Rows{{"1", "Vineyard", "7.00", "1.50", "1.00", "9.50"}} << QString("ctnnnn");
        QTest::newRow("1 machine hours")
            << std::function([](StatisticsLists &l) { l.fillCentreTotals(3); })
            << QStringList{"Center Code", "Center"} + hourTitles
            << Rows{{"3", "Tractor", "9.00", "1.00", "1.00", "11.00"}} << QString("ctnnnn");
        QTest::newRow("1 other centre hours")
            << std::function([](StatisticsLists &l) { l.fillCentreTotals(4); })
            << QStringList{"Center Code", "Center"} + hourTitles
            << Rows{{"4", "Office", "5.00", "0.00", "2.00", "7.00"}} << QString("ctnnnn");
        QTest::newRow("2 worker hours")
            << std::function([](StatisticsLists &l) { l.fillWorkerTotals(); })
            << QStringList{"Worker Code", "Worker"} + hourTitles
            << Rows{{"1", "Anna", "8.00", "1.50", "0.00", "9.50"},
                    {"2", "Bruno", "9.00", "0.00", "3.00", "12.00"}}
            << QString("ctnnnn");
        QTest::newRow("3 operation hours")
            << std::function([](StatisticsLists &l) { l.fillOperationTotals(); })
            << QStringList{"Operation Code", "Operation"} + hourTitles
            << Rows{{"1", "Pruning", "12.00", "1.50", "2.00", "15.50"},
                    {"2", "Spraying", "5.00", "0.00", "1.00", "6.00"}}
            << QString("ctnnnn");
        QTest::newRow("4 inventory, an item with only sales")
            << std::function([](StatisticsLists &l) { l.fillInventory(); })
            << QStringList{"Item Code", "Item", "Unit", "Tot. loads", "Tot. discharge", "Inventory"}
            << Rows{{"1", "Copper", "kg", "10.00", "2.00", "8.00"},
                    {"2", "Wine", "l", "0.00", "100.00", "-100.00"},
                    {"3", "Diesel", "l", "50.00", "0.00", "50.00"}}
            << QString("cttnnn");
        QTest::newRow("5 works of a crop centre")
            << std::function(
                   [](StatisticsLists &l) { l.fillCentreActivity(1, 1, Choice::WorkersAndHours); })
            << works
            << Rows{{"03/10/2015", "1", "Anna", "5.00", "1", "Pruning"},
                    {"03/10/2015", "2", "Bruno", "3.00", "2", "Spraying"},
                    {"12/31/2015", "1", "Anna", "1.50", "1", "Pruning"}}
            << QString("dctnct");
        QTest::newRow("5 works of a field")
            << std::function(
                   [](StatisticsLists &l) { l.fillCentreActivity(2, 10, Choice::WorkersAndHours); })
            << works
            << Rows{{"03/10/2015", "1", "Anna", "5.00", "1", "Pruning"},
                    {"06/01/2015", "2", "Bruno", "2.00", "1", "Pruning"}}
            << QString("dctnct");
        QTest::newRow("5 movements of a crop centre, a type outside 1..5")
            << std::function(
                   [](StatisticsLists &l) { l.fillCentreActivity(1, 1, Choice::StockAndArticles); })
            << QStringList{"Date", "Phase/Operation", "Item", "Movement Type", "Units", "Quantity"}
            << Rows{{"03/10/2015", "Bloom- (1 Pruning", "1 Copper", "Working D1", "kg", "2.00"},
                    {"12/31/2015", "- (1 Pruning", "1 Copper", "X", "kg", "1.00"}}
            << QString("dttttn");
        QTest::newRow("5 movements of a field, one without a centre")
            << std::function([](StatisticsLists &l) {
                   l.fillCentreActivity(2, 10, Choice::StockAndArticles);
               })
            << QStringList{"Date", "Phase/Operation", "Item", "Movement Type", "Center", "Quantity"}
            << Rows{{"03/10/2015", "Bloom- (1 Pruning", "1 Copper", "Working D1", "Vineyard",
                     "kg 2.00"},
                    {"06/01/2015", "Prep- (1 Pruning", "1 Copper", "Purchase F1", "", "kg 10.00"}}
            << QString("dttttt");
        QTest::newRow("5 no code clears") << std::function([](StatisticsLists &l) {
            l.fillCentreActivity(3, 0, Choice::WorkersAndHours);
        }) << works << Rows{} << QString("dctnct");
        QTest::newRow("6 works of a worker")
            << std::function([](StatisticsLists &l) { l.fillWorkerWorks(1); })
            << QStringList{"Date", "Center Code", "Center", "Hours", "Operation Code", "Operation"}
            << Rows{{"03/10/2015", "1", "Vineyard", "5.00", "1", "Pruning"},
                    {"06/01/2015", "3", "Tractor", "3.00", "2", "Spraying"},
                    {"12/31/2015", "1", "Vineyard", "1.50", "1", "Pruning"}}
            << QString("dctnct");
        QTest::newRow("7 works of an operation")
            << std::function([](StatisticsLists &l) { l.fillOperationWorks(2); })
            << QStringList{"Date", "Worker Code", "Worker", "Hours", "Center Code", "Center"}
            << Rows{{"03/10/2015", "2", "Bruno", "3.00", "1", "Vineyard"},
                    {"06/01/2015", "1", "Anna", "3.00", "3", "Tractor"}}
            << QString("dctnct");
        const QStringList itemTitles = {
            "Date", "Field", "Center", "Movement Type", "Phase - Operation", "Quantity"};
        QTest::newRow("8 movements of an item")
            << std::function([](StatisticsLists &l) { l.fillItemMovements(1); }) << itemTitles
            << Rows{{"03/10/2015", "10 North Vines", "1 Vineyard", "Working D1",
                     "Bloom- (1 Pruning", "kg 2.00"},
                    {"06/01/2015", "10 North Vines", "", "Purchase F1", "Prep- (1 Pruning",
                     "kg 10.00"},
                    {"12/31/2015", "11 South Vines", "1 Vineyard", "X", "- (1 Pruning", "kg 1.00"}}
            << QString("dttttt");
        QTest::newRow("8 movements of an item with only sales")
            << std::function([](StatisticsLists &l) { l.fillItemMovements(2); }) << itemTitles
            << Rows{{"06/01/2015", "", "4 Office", "Sale S7", "- (1 Pruning", "l 100.00"}}
            << QString("dttttt");
        QTest::newRow("9 all field activity")
            << std::function([](StatisticsLists &l) { l.fillFieldActivity(); })
            << QStringList{"Date",   "Field",          "Hours/Quantity",
                           "Worker", "Operation/Item", "Works/Warehouse"}
            << Rows{{"03/10/2015", "10 North Vines", "H. 5.00", "1 Anna", "1 Pruning", "Works"},
                    {"03/10/2015", "10 North Vines", "kg 2.00", "1 Anna", "1 Copper", "Warehouse"},
                    {"06/01/2015", "10 North Vines", "H. 2.00", "2 Bruno", "1 Pruning", "Works"},
                    {"06/01/2015", "10 North Vines", "kg 10.00", "2 Bruno", "1 Copper",
                     "Warehouse"},
                    {"12/31/2015", "11 South Vines", "H. 1.50", "1 Anna", "1 Pruning", "Works"},
                    {"12/31/2015", "11 South Vines", "kg 1.00", "1 Anna", "1 Copper", "Warehouse"}}
            << QString("dttttt");
    }

    void lists()
    {
        QFETCH(std::function<void(StatisticsLists &)>, fill);
        QFETCH(QStringList, titles);
        QFETCH(Rows, expected);
        QFETCH(QString, kinds);
        StatisticsModel model;
        QAbstractItemModelTester tester(&model);
        model.setSource(numbered(StatisticsModel::BatchSize + 1));
        StatisticsLists lists(&m_db, model, m_period);
        fill(lists);
        QCOMPARE(model.titles(), titles);
        for (int column = 0; column < titles.size(); ++column)
            QCOMPARE(model.headerData(column, Qt::Horizontal).toString(), titles.at(column));
        // The fixture's lists fit in the first batch.
        QCOMPARE(rowsOf(model), expected);
        const QList<StatisticsRow> rows = model.allRows();
        QCOMPARE(texts(rows), expected);
        QVERIFY(!model.canFetchMore());
        for (int row = 0; row < rows.size(); ++row)
            for (int column = 0; column < StatisticsModel::ColumnCount; ++column) {
                QVERIFY2(holdsItsText(rows[row][column], kinds[column]),
                         qPrintable(QStringLiteral("row %1 column %2").arg(row).arg(column)));
                QCOMPARE(model.index(row, column).data(StatisticsModel::ValueRole),
                         rows[row][column].value);
            }
    }

    void rowsComeInBatches()
    {
        StatisticsModel model;
        QAbstractItemModelTester tester(&model);
        const int total = 2 * StatisticsModel::BatchSize + 10;
        model.setSource(numbered(total));
        QCOMPARE(model.rowCount(), StatisticsModel::BatchSize);
        QVERIFY(model.canFetchMore());

        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.fetchMore();
        QCOMPARE(model.rowCount(), 2 * StatisticsModel::BatchSize);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.first().at(1).toInt(), StatisticsModel::BatchSize);
        QCOMPARE(inserted.first().at(2).toInt(), 2 * StatisticsModel::BatchSize - 1);

        const Rows all = texts(model.allRows());
        QCOMPARE(all.size(), total);
        QCOMPARE(model.rowCount(), total);
        QVERIFY(!model.canFetchMore());
        for (int row = 0; row < total; ++row)
            QCOMPARE(all.at(row), (QStringList{QString::number(row), "", "", "", "", ""}));
        model.fetchMore();
        QCOMPARE(model.rowCount(), total);
    }

    // A page that cannot be read as the view scrolls stops the list visibly, not quietly.
    void aReadFailingAsAViewScrollsIsReported()
    {
        StatisticsModel model;
        QAbstractItemModelTester tester(&model);
        const int readable = StatisticsModel::BatchSize + 10;
        model.setSource([next = 0](StatisticsRow &cells) mutable {
            if (next == readable)
                throw DbException(QStringLiteral("database disk image is malformed"),
                                  DbErrorKind::Damaged);
            cells = {{QString::number(next), next}};
            ++next;
            return true;
        });
        QSignalSpy failed(&model, &StatisticsModel::readFailed);
        model.fetchMore();
        QCOMPARE(failed.count(), 1);
        QVERIFY(model.failure().has_value());
        QCOMPARE(model.failure()->kind(), DbErrorKind::Damaged);
        QVERIFY(!model.canFetchMore());
        QCOMPARE(model.rowCount(), StatisticsModel::BatchSize);

        model.setSource(numbered(1));
        QVERIFY(!model.failure().has_value());
    }

    void refillLeavesNoStaleRows()
    {
        StatisticsModel model;
        QAbstractItemModelTester tester(&model);
        model.setSource(numbered(3 * StatisticsModel::BatchSize));
        model.fetchMore();
        StatisticsLists lists(&m_db, model, m_period);
        lists.fillFieldActivity();
        QCOMPARE(model.rowCount(), 6);
        QVERIFY(!model.canFetchMore());

        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        lists.fillWorkerTotals();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(texts(model.allRows()), (Rows{{"1", "Anna", "8.00", "1.50", "0.00", "9.50"},
                                               {"2", "Bruno", "9.00", "0.00", "3.00", "12.00"}}));
        lists.fillWorkerWorks(0);
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(!model.canFetchMore());
    }

    void fieldActivityTwiceGivesTheSameRows()
    {
        StatisticsModel model;
        StatisticsLists lists(&m_db, model, m_period);
        lists.fillFieldActivity();
        const Rows first = texts(model.allRows());
        QCOMPARE(first.size(), 6);
        lists.fillFieldActivity();
        QCOMPARE(texts(model.allRows()), first);
    }

    // A list longer than a batch keeps its query open between batches: saving a record
    // meanwhile must still commit, and the list then reads on to its end.
    void savingWhileAListIsHalfRead()
    {
        Database db;
        db.open(m_env.copyTemplate(QStringLiteral("long.mdb")));
        const int copies = seedLongList(db);
        StatisticsModel model;
        QAbstractItemModelTester tester(&model);
        StatisticsLists lists(&db, model, m_period);
        lists.fillFieldActivity();
        QCOMPARE(model.rowCount(), StatisticsModel::BatchSize);
        QVERIFY(model.canFetchMore());

        COperaiSet workers(db);
        workers.setFilter(QStringLiteral("Codice = ?"), {1});
        workers.open();
        workers.edit();
        workers.setValue(COperaiSet::Nome, QStringLiteral("Anna Maria"));
        workers.update();
        Database other;
        other.open(db.path());
        QCOMPARE(other.scalar(QStringLiteral("SELECT Nome FROM Operai WHERE Codice = 1")),
                 QVariant(QStringLiteral("Anna Maria")));

        const Rows all = texts(model.allRows());
        QCOMPARE(all.size(), 6 + copies);
        QCOMPARE(all.at(1), (QStringList{"03/10/2015", "10 North Vines", "H. 1.00", "2 Bruno",
                                         "1 Pruning", "Works"}));
        QCOMPARE(all.at(copies + 1).at(5), QStringLiteral("Warehouse"));
        QCOMPARE(all.last().mid(0, 3), (QStringList{"12/31/2015", "11 South Vines", "kg 1.00"}));
        QVERIFY(!model.canFetchMore());
        // The list is read to its end: nothing holds the file any more.
        other.execute(QStringLiteral("UPDATE Operai SET Nome = 'Anna' WHERE Codice = 1"));
    }

    // The database closing under a half-read list (another farm is opened) ends the list.
    void closingTheDatabaseEndsAHalfReadList()
    {
        Database db;
        db.open(m_env.copyTemplate(QStringLiteral("closed.mdb")));
        seedLongList(db);
        StatisticsModel model;
        QAbstractItemModelTester tester(&model);
        StatisticsLists lists(&db, model, m_period);
        lists.fillFieldActivity();
        QVERIFY(model.canFetchMore());
        db.close();
        model.fetchMore();
        QCOMPARE(model.rowCount(), StatisticsModel::BatchSize);
        QVERIFY(!model.canFetchMore());
    }

    void nothingWithoutDatabase()
    {
        StatisticsModel model;
        model.setTitles({"Kept"});
        model.setSource(numbered(1));
        StatisticsLists lists(nullptr, model, m_period);
        lists.fillWorkerTotals();
        lists.fillFieldActivity();
        QCOMPARE(model.titles().first(), QStringLiteral("Kept"));
        QCOMPARE(texts(model.allRows()), (Rows{{"0", "", "", "", "", ""}}));
    }
};

QTEST_GUILESS_MAIN(TestStatisticsLists)
#include "TestStatisticsLists.moc"
