#include "TestEnvironment.h"
#include "db/Database.h"
#include "db/DbException.h"
#include "db/ForwardCursor.h"
#include "db/StoredQuery.h"

#include <QTest>

// Reading a query row by row as it is asked for, beside the record set that reads it whole.
class TestForwardCursor : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    Database m_db;

    static QVariantList rowOf(const ForwardCursor &cursor)
    {
        QVariantList values;
        for (int column = 0; column < cursor.columnCount(); ++column)
            values << cursor.value(column);
        return values;
    }

    static QVariantList rowOf(const RecordSet &set)
    {
        QVariantList values;
        for (int column = 0; column < set.columnCount(); ++column)
            values << set.value(column);
        return values;
    }

private slots:
    void init()
    {
        m_db.open(m_env.copyTemplate());
        for (int code = 1; code <= 5; ++code)
            m_db.execute(QStringLiteral("INSERT INTO Operai (Codice, Nome, Stipendio) "
                                        "VALUES (?, ?, ?)"),
                         {code, code == 3 ? QVariant() : QVariant(QStringLiteral("W%1").arg(code)),
                          code * 2.5});
    }

    void cleanup() { m_db.close(); }

    void sameRowsAsTheRecordSet()
    {
        // One work each for workers 2 to 5, whose hours the program's query sums.
        const qint64 card = m_db.execute(QStringLiteral("INSERT INTO Scheda (Data) VALUES "
                                                        "('2015-03-01 08:00:00')"))
                                .lastInsertId()
                                .toLongLong();
        for (int code = 2; code <= 5; ++code)
            m_db.execute(QStringLiteral("INSERT INTO Opere (IDScheda, CodOperaio, OreOrd) "
                                        "VALUES (?, ?, ?)"),
                         {card, code, code});
        const QString name = QStringLiteral("Ore Totali Addetti");
        auto setPeriod = [](StoredQuery &query) {
            query.setParameter(QStringLiteral("[DataInit]"), QDate(2015, 1, 1));
            query.setParameter(QStringLiteral("[DataEnd]"), QDate(2015, 12, 31));
        };
        StoredQuery whole(m_db, name);
        setPeriod(whole);
        whole.open();
        StoredQuery query(m_db, name);
        setPeriod(query);
        const std::unique_ptr<ForwardCursor> cursor = query.openCursor();
        QCOMPARE(cursor->columnCount(), 6);
        int rows = 0;
        for (; !whole.isEOF(); whole.moveNext(), cursor->moveNext(), ++rows) {
            QVERIFY(!cursor->isEOF());
            QCOMPARE(rowOf(*cursor), rowOf(whole));
            QCOMPARE(cursor->isNull(1), whole.isNull(1));
        }
        QCOMPARE(rows, 4);
        QVERIFY(cursor->isEOF());
        QVERIFY_THROWS_EXCEPTION(DbException, cursor->moveNext());
        QVERIFY_THROWS_EXCEPTION(DbException, cursor->value(0));
    }

    void emptyResultAndErrors()
    {
        ForwardCursor empty(m_db, QStringLiteral("SELECT Codice FROM Operai WHERE Codice > ?"),
                            {100});
        QVERIFY(empty.isEOF());
        QVERIFY_THROWS_EXCEPTION(DbException,
                                 ForwardCursor(m_db, QStringLiteral("SELECT Nothing FROM Operai")));
        ForwardCursor one(m_db, QStringLiteral("SELECT Codice FROM Operai"));
        QVERIFY_THROWS_EXCEPTION(DbException, one.value(1));
    }

    // Saving while a list is half read: the write commits, and the cursor reads on.
    void writesCommitWhileACursorIsOpen()
    {
        ForwardCursor cursor(m_db, QStringLiteral("SELECT Codice FROM Operai ORDER BY Codice"));
        QCOMPARE(cursor.value(0).toInt(), 1);
        {
            Transaction transaction(m_db);
            m_db.execute(QStringLiteral("UPDATE Operai SET Nome = 'Saved' WHERE Codice = 4"));
            transaction.commit();
        }
        QCOMPARE(m_db.transactionDepth(), 0);
        Database other;
        other.open(m_db.path());
        QCOMPARE(other.scalar(QStringLiteral("SELECT Nome FROM Operai WHERE Codice = 4")),
                 QVariant(QStringLiteral("Saved")));
        other.close();

        QList<int> codes;
        for (; !cursor.isEOF(); cursor.moveNext())
            codes << cursor.value(0).toInt();
        QCOMPARE(codes, QList<int>({1, 2, 3, 4, 5}));
        // Once the cursor is done, another connection can write too.
        other.open(m_db.path());
        other.execute(QStringLiteral("UPDATE Operai SET Nome = 'Other' WHERE Codice = 5"));
    }

    // A list on screen lets go of its read between rows and reads on from where it was.
    void releasedCursorReadsOnFromWhereItWas_data()
    {
        QTest::addColumn<QList<int>>("releaseAt");
        QTest::newRow("after the first row") << QList<int>{1};
        QTest::newRow("in the middle, twice") << QList<int>{3, 3};
        QTest::newRow("at every row") << QList<int>{1, 2, 3, 4, 5};
        QTest::newRow("at the last row") << QList<int>{5};
    }

    void releasedCursorReadsOnFromWhereItWas()
    {
        QFETCH(QList<int>, releaseAt);
        ForwardCursor cursor(m_db,
                             QStringLiteral("SELECT Codice, Nome FROM Operai "
                                            "WHERE Codice > ? ORDER BY Codice"),
                             {0});
        QList<QVariantList> rows;
        for (; !cursor.isEOF(); cursor.moveNext()) {
            const int code = cursor.value(0).toInt();
            for (int at : releaseAt) {
                if (at != code)
                    continue;
                cursor.release();
                QVERIFY(cursor.isReleased());
                // Nothing holds the file now: another connection writes at once.
                Database other;
                other.open(m_db.path());
                other.execute(QStringLiteral("PRAGMA busy_timeout = 0"));
                other.execute(QStringLiteral("UPDATE Operai SET Stipendio = 1 WHERE Codice = ?"),
                              {code});
            }
            rows << rowOf(cursor);
        }
        QCOMPARE(rows, (QList<QVariantList>{{1, QStringLiteral("W1")},
                                            {2, QStringLiteral("W2")},
                                            {3, QVariant()},
                                            {4, QStringLiteral("W4")},
                                            {5, QStringLiteral("W5")}}));
        QVERIFY(!cursor.isReleased());
    }

    void rowsTakenAwayWhileReleasedEndTheList()
    {
        ForwardCursor cursor(m_db, QStringLiteral("SELECT Codice FROM Operai ORDER BY Codice"));
        cursor.moveNext();
        cursor.release();
        m_db.execute(QStringLiteral("DELETE FROM Operai WHERE Codice >= 2"));
        QCOMPARE(cursor.value(0).toInt(), 2);
        cursor.moveNext();
        QVERIFY(cursor.isEOF());
    }

    // A write of this program on another connection does not wait for a list of the same
    // program that is between its rows; a cursor not marked so, or on the writing connection,
    // is left as it is.
    void aWriteReleasesTheIdleLists()
    {
        ForwardCursor list(m_db, QStringLiteral("SELECT Codice FROM Operai ORDER BY Codice"));
        list.setReleasable(true);
        list.moveNext();
        Database other;
        other.open(m_db.path());
        {
            ForwardCursor report(m_db, QStringLiteral("SELECT Codice FROM Operai"));
            QVERIFY(!ForwardCursor::releaseIdle(m_db));
            QVERIFY(!list.isReleased());
            QVERIFY(ForwardCursor::releaseIdle(other));
            QVERIFY(list.isReleased());
            QVERIFY(!report.isReleased());
            QVERIFY(!ForwardCursor::releaseIdle(other));
        }
        list.moveNext();
        QVERIFY(!list.isReleased());
        // Reads do not need it released; the write does, and does not wait for it.
        other.scalar(QStringLiteral("SELECT count(*) FROM Operai"));
        QVERIFY(!list.isReleased());
        other.execute(QStringLiteral("UPDATE Operai SET Nome = 'Saved' WHERE Codice = 4"));
        QVERIFY(list.isReleased());
        QCOMPARE(list.value(0).toInt(), 3);
        QList<QVariant> rest;
        for (list.moveNext(); !list.isEOF(); list.moveNext())
            rest << list.value(0);
        QCOMPARE(rest, (QList<QVariant>{4, 5}));
    }

    void closingTheDatabaseEndsItsCursors()
    {
        auto cursor = std::make_unique<ForwardCursor>(
            m_db, QStringLiteral("SELECT Codice FROM Operai ORDER BY Codice"));
        QVERIFY(cursor->isOpen());
        m_db.close();
        QVERIFY(!cursor->isOpen());
        QVERIFY(cursor->isEOF());
        cursor.reset();
        // The file is free: it opens again and another cursor reads it.
        m_db.open(m_env.copyTemplate());
        ForwardCursor again(m_db, QStringLiteral("SELECT COUNT(*) FROM Operai"));
        QCOMPARE(again.value(0).toInt(), 0);
    }

    void singlePrecisionFunction()
    {
        const double single = m_db.scalar(QStringLiteral("SELECT SINGLE(0.1)")).toDouble();
        QCOMPARE(single, double(0.1f));
        QVERIFY(single != 0.1);
        QVERIFY(m_db.scalar(QStringLiteral("SELECT SINGLE(NULL)")).isNull());
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT SINGLE(8)")).toDouble(), 8.0);
    }
};

QTEST_GUILESS_MAIN(TestForwardCursor)
#include "TestForwardCursor.moc"
