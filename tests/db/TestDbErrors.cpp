#include "FarmFaults.h"
#include "TestEnvironment.h"
#include "db/Database.h"
#include "db/DbErrorText.h"
#include "db/DbException.h"
#include "db/ForwardCursor.h"
#include "db/PreparedStatement.h"
#include "db/RecordSet.h"
#include "db/RowCursor.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QTest>

#include <functional>

Q_DECLARE_METATYPE(DbErrorKind)

namespace {

constexpr int WorkerCount = 2000;

} // namespace

// What the engine reports is sorted into the kinds the user can act on, and a read that ends
// on a damaged page fails instead of returning the rows before it.
class TestDbErrors : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

    // A farm whose workers fill many pages, the last of them zeroed.
    QString farmWithDamagedWorkers()
    {
        const QString path = m_env.copyTemplate();
        {
            Database db;
            db.open(path);
            db.execute(QStringLiteral("DELETE FROM Operai"));
            db.execute(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
                                      "FROM n WHERE i < ?) INSERT INTO Operai (Codice, Nome) "
                                      "SELECT i, printf('Worker %05d', i) FROM n"),
                       {WorkerCount});
        }
        FarmFaults::zeroLastTablePage(path, QStringLiteral("Operai"));
        return path;
    }

private slots:
    void engineCodesHaveTheirKind_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("afterOpen");
        QTest::addColumn<DbErrorKind>("kind");
        QTest::newRow("busy") << 5 << true << DbErrorKind::Busy;
        QTest::newRow("busy, recovery (extended)") << (5 | 1 << 8) << true << DbErrorKind::Busy;
        QTest::newRow("locked") << 6 << true << DbErrorKind::Busy;
        QTest::newRow("corrupt") << 11 << true << DbErrorKind::Damaged;
        QTest::newRow("corrupt index (extended)") << (11 | 3 << 8) << true << DbErrorKind::Damaged;
        QTest::newRow("not a database") << 26 << false << DbErrorKind::Damaged;
        QTest::newRow("read-only") << 8 << true << DbErrorKind::ReadOnly;
        QTest::newRow("read-only, moved (extended)")
            << (8 | 4 << 8) << true << DbErrorKind::ReadOnly;
        QTest::newRow("cannot open the file") << 14 << false << DbErrorKind::Other;
        QTest::newRow("cannot open the journal") << 14 << true << DbErrorKind::ReadOnly;
        QTest::newRow("disk full") << 13 << true << DbErrorKind::DiskFull;
        QTest::newRow("syntax error") << 1 << true << DbErrorKind::Other;
        QTest::newRow("I/O error") << 10 << true << DbErrorKind::Other;
        QTest::newRow("constraint") << 19 << true << DbErrorKind::Other;
    }
    void engineCodesHaveTheirKind()
    {
        QFETCH(int, code);
        QFETCH(bool, afterOpen);
        QFETCH(DbErrorKind, kind);
        QCOMPARE(DbException::kindOf(code, afterOpen), kind);
        const QSqlError error(QStringLiteral("Unable to fetch row"), QStringLiteral("engine text"),
                              QSqlError::StatementError, QString::number(code));
        const DbException exception = DbException::fromError(error, afterOpen);
        QCOMPARE(exception.kind(), kind);
        QCOMPARE(exception.message(), QStringLiteral("engine text"));
    }

    void anErrorWithoutANumberIsOther()
    {
        const QSqlError error(QStringLiteral("Driver not loaded"), QString(),
                              QSqlError::ConnectionError, QStringLiteral("x"));
        QCOMPARE(DbException::fromError(error).kind(), DbErrorKind::Other);
        QCOMPARE(DbException::fromError(error).message(), QStringLiteral("Driver not loaded"));
    }

    void openingWhatIsNoDatabase_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<DbErrorKind>("kind");
        QTest::newRow("a text file") << QByteArray(4096, 'x') << DbErrorKind::Damaged;
        QTest::newRow("an empty file") << QByteArray() << DbErrorKind::Damaged;
    }
    void openingWhatIsNoDatabase()
    {
        QFETCH(QByteArray, content);
        QFETCH(DbErrorKind, kind);
        const QString path = m_env.path(QStringLiteral("%1.mdb").arg(QTest::currentDataTag()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
        file.close();
        Database db;
        QCOMPARE(FarmFaults::failureKind([&] { db.open(path); }), kind);
        QVERIFY(!db.isOpen());
    }

    void openingAMissingFileIsOther()
    {
        Database db;
        QCOMPARE(FarmFaults::failureKind([&] { db.open(m_env.path(QStringLiteral("none.mdb"))); }),
                 DbErrorKind::Other);
    }

    void writingAFileOpenForReadingIsReadOnly()
    {
        Database db;
        db.open(m_env.copyTemplate(), Database::Access::ReadOnly);
        QCOMPARE(FarmFaults::failureKind([&] {
                     db.execute(
                         QStringLiteral("INSERT INTO Operai (Codice, Nome) VALUES (1, 'A')"));
                 }),
                 DbErrorKind::ReadOnly);
    }

    // The wait for a short lock runs out: the write is refused as busy and nothing is written.
    void aFileHeldByAnotherProgramIsBusy()
    {
        const QString path = m_env.copyTemplate();
        Database db;
        db.open(path);
        const QByteArray before = FarmFaults::contents(path);
        {
            const FarmFaults::ExclusiveLock lock(path);
            QCOMPARE(FarmFaults::failureKind([&] {
                         db.execute(
                             QStringLiteral("INSERT INTO Operai (Codice, Nome) VALUES (1, 'A')"));
                     }),
                     DbErrorKind::Busy);
        }
        QCOMPARE(FarmFaults::contents(path), before);
        // The same connection works again once the other program lets go.
        db.execute(QStringLiteral("INSERT INTO Operai (Codice, Nome) VALUES (1, 'A')"));
    }

    // Every way of reading rows fails on the zeroed page after the rows before it were read.
    void aReadThatMeetsADamagedPageFails()
    {
        const QString path = farmWithDamagedWorkers();
        Database db;
        db.open(path);
        const QString all = QStringLiteral("SELECT rowid, Codice, Nome FROM Operai ORDER BY rowid");

        int read = 0;
        QCOMPARE(FarmFaults::failureKind([&] {
                     QSqlQuery query = db.execute(all);
                     RowCursor rows(query);
                     while (rows.next())
                         ++read;
                 }),
                 DbErrorKind::Damaged);
        QVERIFY2(read > 0 && read < WorkerCount, qPrintable(QString::number(read)));

        QCOMPARE(FarmFaults::failureKind([&] {
                     RecordSet workers(db, all);
                     workers.open();
                 }),
                 DbErrorKind::Damaged);
        QCOMPARE(FarmFaults::failureKind([&] {
                     ForwardCursor cursor(db, all);
                     while (!cursor.isEOF())
                         cursor.moveNext();
                 }),
                 DbErrorKind::Damaged);
        // A single value whose row lies on the zeroed page is no "no value".
        QCOMPARE(FarmFaults::failureKind([&] {
                     db.scalar(QStringLiteral("SELECT Nome FROM Operai WHERE rowid = ?"),
                               {WorkerCount});
                 }),
                 DbErrorKind::Damaged);
        QCOMPARE(FarmFaults::failureKind([&] {
                     PreparedStatement(db,
                                       QStringLiteral("SELECT Nome FROM Operai WHERE rowid = ?"))
                         .scalar({WorkerCount});
                 }),
                 DbErrorKind::Damaged);
    }

    // The work of a transaction that meets the damaged page is undone whole, and the
    // connection is left outside any transaction, ready for the next command.
    void aTransactionEndedByADamagedPageIsUndone()
    {
        const QString path = farmWithDamagedWorkers();
        Database db;
        db.open(path);
        const QVariant operations = db.scalar(QStringLiteral("SELECT count(*) FROM Operazioni"));
        QCOMPARE(FarmFaults::failureKind([&] {
                     Transaction transaction(db);
                     db.execute(QStringLiteral("DELETE FROM Operazioni"));
                     db.execute(QStringLiteral("INSERT INTO Operazioni (Codice, Descrizione) "
                                               "SELECT Codice, Nome FROM Operai"));
                     transaction.commit();
                 }),
                 DbErrorKind::Damaged);
        QCOMPARE(db.transactionDepth(), 0);
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM Operazioni")), operations);
        db.execute(QStringLiteral("BEGIN"));
        db.execute(QStringLiteral("ROLLBACK"));
    }

    // A transaction that reads before it writes still waits for another program's short write,
    // which the engine could not let it do once it held a read.
    void aTransactionWaitsForAShortWriteOfAnother()
    {
        const QString path = m_env.copyTemplate();
        FarmFaults::ShortWrite other(path, FarmFaults::ShortWrite::Lock::Immediate);
        Database db;
        db.open(path);
        const std::optional<DbErrorKind> kind = FarmFaults::failureKind([&] {
            Transaction transaction(db);
            const int next = db.scalar(QStringLiteral("SELECT count(*) FROM Operai")).toInt() + 100;
            db.execute(QStringLiteral("INSERT INTO Operai (Codice, Nome) VALUES (?, 'Mine')"),
                       {next});
            transaction.commit();
        });
        QCOMPARE(other.finish(), QString());
        QCOMPARE(kind, std::nullopt);
        QCOMPARE(db.transactionDepth(), 0);
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM Operai WHERE Nome IN ('Other', "
                                          "'Mine')"))
                     .toInt(),
                 2);
    }

    void describeNamesTheKindTheFileAndTheEngine_data()
    {
        QTest::addColumn<DbErrorKind>("kind");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("busy") << DbErrorKind::Busy << "is in use by another program";
        QTest::newRow("damaged") << DbErrorKind::Damaged << "is damaged; restore a backup";
        QTest::newRow("read-only") << DbErrorKind::ReadOnly << "can only be read";
        QTest::newRow("disk full") << DbErrorKind::DiskFull << "is full";
        QTest::newRow("other") << DbErrorKind::Other << "failed";
    }
    void describeNamesTheKindTheFileAndTheEngine()
    {
        QFETCH(DbErrorKind, kind);
        QFETCH(QString, sentence);
        const QString file = QStringLiteral("/farms/Tellan.mdb");
        const QString text =
            DbErrorText::describe(DbException(QStringLiteral("engine words"), kind), file);
        QVERIFY2(text.contains(sentence), qPrintable(text));
        QVERIFY2(text.contains(QDir::toNativeSeparators(file)), qPrintable(text));
        QVERIFY2(text.endsWith(QStringLiteral("\n\nengine words")), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestDbErrors)
#include "TestDbErrors.moc"
