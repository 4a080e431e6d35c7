#include "cards/WorkListModel.h"

#include <QAbstractItemModelTester>
#include <QTest>

// The work list rows: texts, pictures and the work each row stands for, kept through adds,
// edits and removals.
class TestWorkListModel : public QObject
{
    Q_OBJECT

private:
    static WorkListRow row(int workId, const QString &worker)
    {
        WorkListRow::Data data;
        data.workId = workId;
        data.regularHours = 8;
        data.worker = WorkListRow::Named{workId, worker};
        return WorkListRow::build(data, WorkListRow::Wording::Stored);
    }

private slots:
    void rowsKeepTheirWorks()
    {
        WorkListModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.columnCount(), WorkListRow::ColumnCount);
        QCOMPARE(model.headerData(WorkListRow::CostCentre, Qt::Horizontal).toString(),
                 QStringLiteral("Cost Center"));

        model.setRows({row(11, "Anna"), row(12, "Bruno"), row(13, "Carla")});
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.index(1, WorkListRow::Worker).data().toString(),
                 QStringLiteral("Bruno (12)"));
        QCOMPARE(model.index(1, WorkListRow::RegularHours).data(WorkListModel::WorkIdRole).toInt(),
                 12);
        QCOMPARE(model.index(1, WorkListRow::Worker).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("Bruno (12)"));
        QVERIFY(!model.index(1, WorkListRow::Item).data(Qt::ToolTipRole).isValid());

        // Pictures come from the screen's provider, by the row's picture number.
        QVERIFY(!model.index(0, WorkListRow::Worker).data(Qt::DecorationRole).isValid());
        model.setPictureProvider([](int icon) { return QVariant(icon); });
        QCOMPARE(model.index(0, WorkListRow::Worker).data(Qt::DecorationRole).toInt(),
                 int(WorkListRow::PermanentWorker));

        QCOMPARE(model.append(row(14, "Dario")), 3);
        QVERIFY(model.replace(row(12, "Bea")));
        QVERIFY(!model.replace(row(99, "Nobody")));
        QCOMPARE(model.index(1, WorkListRow::Worker).data().toString(), QStringLiteral("Bea (12)"));

        model.removeWorks({11, 13, 99});
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.workId(0), 12);
        QCOMPARE(model.workId(1), 14);
        QCOMPARE(model.rowOfWork(14), 1);
        QCOMPARE(model.rowOfWork(11), -1);
        QCOMPARE(model.workId(5), 0);
    }
};

QTEST_GUILESS_MAIN(TestWorkListModel)
#include "TestWorkListModel.moc"
