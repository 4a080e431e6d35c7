#include "TestEnvironment.h"
#include "db/Database.h"
#include "db/DbException.h"
#include "db/StoredQuery.h"

#include <QTest>

class TestStoredQuery : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

private slots:
    void parametersAndResults()
    {
        Database db;
        db.open(m_env.copyTemplate());
        db.execute(
            QStringLiteral("INSERT INTO QueryDefs (Name, Sql) VALUES (?, ?)"),
            {QStringLiteral("Cards Between"),
             QStringLiteral("SELECT IDScheda, Data, Fattore FROM Scheda WHERE Data BETWEEN "
                            ":[Data Init] AND :[Data End] AND Fattore <> ':[not a parameter]' "
                            "ORDER BY Data")});
        for (const char *day :
             {"2015-01-01 08:00:00", "2015-02-01 08:00:00", "2015-03-01 08:00:00"})
            db.execute(QStringLiteral("INSERT INTO Scheda (Data, Fattore) VALUES (?, 'x')"),
                       {QString::fromLatin1(day)});

        StoredQuery query(db, QStringLiteral("Cards Between"));
        QCOMPARE(query.parameterNames(), QStringList({"[Data Init]", "[Data End]"}));
        query.setParameter(QStringLiteral("[Data Init]"), QDateTime(QDate(2015, 1, 15), QTime()));
        query.setParameter(QStringLiteral("[Data End]"), QDate(2015, 3, 1));
        query.open();
        QCOMPARE(query.recordCount(), 1);
        QCOMPARE(query.value(1).toString(), QStringLiteral("2015-02-01 08:00:00"));

        query.setParameter(QStringLiteral("[Data End]"), QDate(2015, 12, 31));
        query.requery();
        QCOMPARE(query.recordCount(), 2);
        QVERIFY(query.findFirst(QStringLiteral("Data > ?"), {QStringLiteral("2015-02-15")}));
        QCOMPARE(query.value(QStringLiteral("Data")).toString(),
                 QStringLiteral("2015-03-01 08:00:00"));
    }

    void errors()
    {
        Database db;
        db.open(m_env.copyTemplate());
        try {
            StoredQuery missing(db, QStringLiteral("No Such Query"));
            QFAIL("a missing query must raise");
        } catch (const DbException &e) {
            QVERIFY(e.message().contains(QLatin1String("No Such Query")));
        }
        db.execute(QStringLiteral("INSERT INTO QueryDefs (Name, Sql) VALUES ('One', "
                                  "'SELECT Codice FROM Operai WHERE Codice = :[Codice]')"));
        StoredQuery query(db, QStringLiteral("One"));
        QVERIFY_THROWS_EXCEPTION(DbException, query.setParameter(QStringLiteral("[Codex]"), 1));
        // A parameter left without a value is an error, not a silent NULL.
        QVERIFY_THROWS_EXCEPTION(DbException, query.open());
    }
};

QTEST_GUILESS_MAIN(TestStoredQuery)
#include "TestStoredQuery.moc"
