#include "FakeProgress.h"
#include "FarmFaults.h"
#include "FarmFixture.h"
#include "TestEnvironment.h"
#include "db/DbException.h"
#include "db/SchemaUpgrade.h"
#include "reports/DataProcessing.h"
#include "reports/RegisterPagination.h"
#include "reports/TreatmentRecord.h"

#include <QTest>

#include <functional>

namespace {

const WorkingPeriod Year2015{QDate(2015, 1, 1), QDate(2015, 12, 31)};

// Treatments enough to fill many pages of every table they touch.
constexpr int TreatmentCount = 800;

enum class Step { TreatmentRecord, Totals, FieldNotebook, RegisterPages };

} // namespace

Q_DECLARE_METATYPE(Step)

// A farm with a page lost to the disk: each report step fails as damaged, never with a shorter
// result, and leaves the tables it would rebuild as they were.
class TestDamagedFarmReports : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

    // A farm whose working tables were built from its cards, as after a first printing.
    QString processedFarm()
    {
        const QString path = m_env.copyTemplate();
        Database db;
        db.open(path);
        SchemaUpgrade::upgrade(db);
        FarmFixture farm(db);
        farm.addWorker(1, QStringLiteral("Rossi"), 10.0);
        farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 2.5);
        farm.addOperation(7, QStringLiteral("Trattamento"));
        farm.addItem(9, QStringLiteral("Rame"), QStringLiteral("kg"), true);
        Transaction transaction(db);
        for (int day = 0; day < TreatmentCount; ++day) {
            const qint64 card =
                farm.addCard(QDateTime(QDate(2015, 1, 1).addDays(day % 365), QTime(8, 0)));
            farm.addWork(card,
                         {.worker = 1, .regular = 2, .centreType = 1, .centre = 1, .operation = 7},
                         {.type = 3,
                          .item = 9,
                          .quantity = 1.5,
                          .phase = "Fioritura",
                          .unit = "kg",
                          .adversity = "Peronospora"});
        }
        transaction.commit();
        FakeProgress progress;
        DataProcessing processing(db, Year2015);
        processing.ProcessTotals(progress);
        processing.PrepareFieldNotebook();
        return path;
    }

    static void run(Step step, Database &db)
    {
        FakeProgress progress;
        switch (step) {
        case Step::TreatmentRecord:
            TreatmentRecord(db, Year2015, {});
            return;
        case Step::Totals:
            DataProcessing(db, Year2015).ProcessTotals(progress);
            return;
        case Step::FieldNotebook:
            DataProcessing(db, Year2015).PrepareFieldNotebook();
            return;
        case Step::RegisterPages:
            RegisterPagination(db).paginate(progress);
            return;
        }
    }

private slots:
    void aStepOnADamagedTableFails_data()
    {
        QTest::addColumn<Step>("step");
        QTest::addColumn<QString>("damaged");
        QTest::addColumn<QString>("kept");
        QTest::newRow("treatment record") << Step::TreatmentRecord << "Magazzino" << QString();
        QTest::newRow("totals") << Step::Totals << "Opere"
                                << "Totali";
        QTest::newRow("field notebook") << Step::FieldNotebook << "Magazzino"
                                        << "Appoggio Articoli";
        QTest::newRow("register pages") << Step::RegisterPages << "Appoggio Articoli" << QString();
    }
    void aStepOnADamagedTableFails()
    {
        QFETCH(Step, step);
        QFETCH(QString, damaged);
        QFETCH(QString, kept);
        const QString path = processedFarm();
        QStringList before;
        if (!kept.isEmpty()) {
            Database db;
            db.open(path);
            before = FarmFixture(db).rows(QStringLiteral("SELECT * FROM [%1]").arg(kept));
            QVERIFY(!before.isEmpty());
        }
        FarmFaults::zeroLastTablePage(path, damaged);

        Database db;
        db.open(path);
        std::optional<DbErrorKind> kind;
        try {
            run(step, db);
        } catch (const DbException &error) {
            kind = error.kind();
        }
        QCOMPARE(kind, std::optional(DbErrorKind::Damaged));
        QCOMPARE(db.transactionDepth(), 0);
        if (!kept.isEmpty())
            QCOMPARE(FarmFixture(db).rows(QStringLiteral("SELECT * FROM [%1]").arg(kept)), before);
    }
};

QTEST_GUILESS_MAIN(TestDamagedFarmReports)
#include "TestDamagedFarmReports.moc"
