#include "FakeProgress.h"
#include "FarmFaults.h"
#include "TestEnvironment.h"
#include "db/Database.h"
#include "db/DbException.h"
#include "exchange/ArchiveDatabase.h"
#include "exchange/ArchiveMerge.h"
#include "exchange/ArchiveRegistryCodes.h"

#include <QTest>

#include <functional>

namespace {

constexpr int CardCount = 600;

// Cards of the first days of 2015, enough to fill many pages of Scheda.
void addCards(Database &db, int count, const QString &weather)
{
    db.execute(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n "
                              "WHERE i < ? - 1) INSERT INTO Scheda (Data, Tempo, Fattore, Pioggia, "
                              "Assenti) SELECT datetime('2015-01-01 08:00:00', '+' || i || "
                              "' days'), ?, 'Mario', 1.5, '' FROM n"),
               {count, weather});
}

} // namespace

// An import into a farm that another program holds, or whose pages are damaged, or from an
// archive with a damaged page, ends with the kind of the failure and the farm as it was.
class TestFaultyFarmMerge : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

    QString archiveFarm(int cards)
    {
        const QString path = m_env.copyTemplate();
        Database db;
        db.open(path);
        addCards(db, cards, QStringLiteral("archive"));
        return path;
    }

    // The merge as the import runs it: the write lock first, all or nothing.
    static void merge(Database &source, Database &target)
    {
        FakeProgress progress;
        target.execute(QStringLiteral("BEGIN IMMEDIATE"));
        try {
            ArchiveMerge(source, target, true, progress).run();
            ArchiveRegistryCodes::merge(source, target, true);
            target.execute(QStringLiteral("COMMIT"));
        } catch (...) {
            try {
                target.execute(QStringLiteral("ROLLBACK"));
            } catch (const DbException &) {
                // The engine rolled back already.
            }
            throw;
        }
    }

private slots:
    void aFarmHeldByAnotherProgramIsBusy()
    {
        Database source;
        source.open(archiveFarm(3));
        const QString working = m_env.copyTemplate();
        Database target;
        target.open(working);
        const QByteArray before = FarmFaults::contents(working);
        {
            const FarmFaults::ExclusiveLock lock(working);
            QCOMPARE(FarmFaults::failureKind([&] { merge(source, target); }), DbErrorKind::Busy);
        }
        QCOMPARE(FarmFaults::contents(working), before);
    }

    void aDamagedFarmIsNotWrittenInto()
    {
        Database source;
        source.open(archiveFarm(CardCount));
        const QString working = m_env.copyTemplate();
        {
            Database db;
            db.open(working);
            addCards(db, CardCount, QStringLiteral("working"));
        }
        FarmFaults::zeroLastTablePage(working, QStringLiteral("Scheda"));
        const QByteArray before = FarmFaults::contents(working);
        Database target;
        target.open(working);
        QCOMPARE(FarmFaults::failureKind([&] { merge(source, target); }), DbErrorKind::Damaged);
        QCOMPARE(FarmFaults::contents(working), before);
    }

    // The archive's own check finds the page before any row is merged.
    void anArchiveWithADamagedPageIsRefused()
    {
        const QString archive = archiveFarm(CardCount);
        FarmFaults::zeroLastTablePage(archive, QStringLiteral("Scheda"));
        ArchiveDatabase source;
        QCOMPARE(FarmFaults::failureKind([&] { source.open(archive); }), DbErrorKind::Damaged);
        QVERIFY(!source.database().isOpen());
    }

    // Read without the check, the archive's cards end on the damaged page: the merge fails
    // rather than import the cards before it.
    void aMergeThatMeetsADamagedArchivePageFails()
    {
        const QString archive = archiveFarm(CardCount);
        FarmFaults::zeroLastTablePage(archive, QStringLiteral("Scheda"));
        Database source;
        source.open(archive);
        const QString working = m_env.copyTemplate();
        Database target;
        target.open(working);
        QCOMPARE(FarmFaults::failureKind([&] { merge(source, target); }), DbErrorKind::Damaged);
        QCOMPARE(target.scalar(QStringLiteral("SELECT count(*) FROM Scheda")).toInt(), 0);
    }
};

QTEST_GUILESS_MAIN(TestFaultyFarmMerge)
#include "TestFaultyFarmMerge.moc"
