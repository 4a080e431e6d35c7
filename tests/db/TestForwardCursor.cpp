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
        m_db.execute(QStringLiteral("INSERT INTO QueryDefs (Name, Sql) VALUES ('Workers From', "
                                    "'SELECT Codice, Nome, Stipendio FROM Operai "
                                    "WHERE Codice >= :[Code] ORDER BY Codice')"));
        for (int code = 1; code <= 5; ++code)
            m_db.execute(QStringLiteral("INSERT INTO Operai (Codice, Nome, Stipendio) "
                                        "VALUES (?, ?, ?)"),
                         {code, code == 3 ? QVariant() : QVariant(QStringLiteral("W%1").arg(code)),
                          code * 2.5});
    }

    void cleanup() { m_db.close(); }

    void sameRowsAsTheRecordSet()
    {
        StoredQuery whole(m_db, QStringLiteral("Workers From"));
        whole.setParameter(QStringLiteral("[Code]"), 2);
        whole.open();
        StoredQuery query(m_db, QStringLiteral("Workers From"));
        query.setParameter(QStringLiteral("[Code]"), 2);
        const std::unique_ptr<ForwardCursor> cursor = query.openCursor();
        QCOMPARE(cursor->columnCount(), 3);
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
