#include "TestEnvironment.h"
#include "db/BuiltInQueries.h"
#include "db/Database.h"
#include "db/DbException.h"
#include "db/SchemaUpgrade.h"
#include "db/StoredQuery.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlQuery>
#include <QTest>

namespace {

const QString WorkerHours = QStringLiteral("Ore Totali Addetti");
const QString OperationHours = QStringLiteral("Ore Totali Operazioni");

void addWork(Database &db, const QString &day, int worker, double hours)
{
    const qint64 card = db.execute(QStringLiteral("INSERT INTO Scheda (Data) VALUES (?)"), {day})
                            .lastInsertId()
                            .toLongLong();
    db.execute(QStringLiteral("INSERT INTO Opere (IDScheda, CodOperaio, CodOperazione, OreOrd) "
                              "VALUES (?, ?, 3, ?)"),
               {card, worker, hours});
}

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

QHash<QString, QString> storedRows(Database &db)
{
    QHash<QString, QString> rows;
    QSqlQuery query = db.execute(QStringLiteral("SELECT Name, Sql FROM QueryDefs"));
    while (query.next())
        rows.insert(query.value(0).toString(), query.value(1).toString());
    return rows;
}

} // namespace

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
        addWork(db, QStringLiteral("2015-01-10 08:00:00"), 1, 4);
        addWork(db, QStringLiteral("2015-02-10 08:00:00"), 1, 2);
        addWork(db, QStringLiteral("2015-02-11 08:00:00"), 2, 3);
        addWork(db, QStringLiteral("2016-01-01 08:00:00"), 2, 1);

        StoredQuery query(db, WorkerHours);
        QCOMPARE(query.parameterNames(), QStringList({"[DataInit]", "[DataEnd]"}));
        query.setParameter(QStringLiteral("[DataInit]"), QDate(2015, 1, 1));
        query.setParameter(QStringLiteral("[DataEnd]"), QDate(2015, 1, 31));
        query.open();
        QCOMPARE(query.recordCount(), 1);
        QCOMPARE(query.value(QStringLiteral("Totale")).toDouble(), 4.0);

        query.setParameter(QStringLiteral("[DataEnd]"), QDate(2015, 12, 31));
        query.requery();
        QCOMPARE(query.recordCount(), 2);
        QVERIFY(query.findFirst(QStringLiteral("Codice = ?"), {2}));
        QCOMPARE(query.value(QStringLiteral("Totale")).toDouble(), 3.0);
    }

    void errors()
    {
        Database db;
        db.open(m_env.copyTemplate());
        // A file's own row never makes a query of the program.
        db.execute(QStringLiteral("INSERT INTO QueryDefs (Name, Sql) VALUES ('No Such Query', "
                                  "'SELECT Codice FROM Operai')"));
        try {
            StoredQuery missing(db, QStringLiteral("No Such Query"));
            QFAIL("a query the program does not have must raise");
        } catch (const DbException &e) {
            QVERIFY(e.message().contains(QLatin1String("No Such Query")));
        }
        StoredQuery query(db, WorkerHours);
        QVERIFY_THROWS_EXCEPTION(DbException, query.setParameter(QStringLiteral("[Codex]"), 1));
        query.setParameter(QStringLiteral("[DataInit]"), QDate(2015, 1, 1));
        // A parameter left without a value is an error, not a silent NULL.
        QVERIFY_THROWS_EXCEPTION(DbException, query.open());
    }

    // The template carries exactly the program's queries, and each of them only reads.
    void builtInQueriesAreTheTemplatesAndOnlyRead()
    {
        Database db;
        db.open(TestEnvironment::templatePath(), Database::Access::ReadOnly);
        QHash<QString, QString> builtIn;
        for (const BuiltInQueries::Query &query : BuiltInQueries::all()) {
            builtIn.insert(query.name, query.sql);
            StoredQuery::requireReadOnly(db, query.name, query.sql);
        }
        QVERIFY(builtIn.size() > 20);
        QCOMPARE(storedRows(db), builtIn);
    }

    void fileQueriesAreReplacedOrIgnored_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::newRow("writable farm") << true;
        QTest::newRow("read-only farm") << false;
    }

    // A farm whose stored queries were changed to write: on a farm that can be written they
    // are put back at open; on one that cannot they stay, and never run either way.
    void fileQueriesAreReplacedOrIgnored()
    {
        QFETCH(bool, writable);
        const QString farm = m_env.copyTemplate();
        const QString copy = m_env.path(QStringLiteral("copy-%1.db").arg(writable));
        QFile::remove(copy);
        const QString wiping =
            QStringLiteral("DELETE FROM Scheda RETURNING IDScheda AS Codice, '' AS Nome, "
                           "0 AS OreOrd, 0 AS OreStr, 0 AS OreFest, 0 AS Totale");
        const QString copying = QStringLiteral("VACUUM INTO '%1'").arg(copy);
        {
            Database db;
            db.open(farm);
            addWork(db, QStringLiteral("2015-03-01 08:00:00"), 1, 5);
            db.execute(QStringLiteral("UPDATE QueryDefs SET Sql = ? WHERE Name = ?"),
                       {wiping, WorkerHours});
            db.execute(QStringLiteral("UPDATE QueryDefs SET Sql = ? WHERE Name = ?"),
                       {copying, OperationHours});
        }
        Database db;
        db.open(farm, writable ? Database::Access::ReadWrite : Database::Access::ReadOnly);
        SchemaUpgrade::upgrade(db);
        const QHash<QString, QString> rows = storedRows(db);
        QCOMPARE(rows.value(WorkerHours), writable ? BuiltInQueries::sql(WorkerHours) : wiping);
        QCOMPARE(rows.value(OperationHours),
                 writable ? BuiltInQueries::sql(OperationHours) : copying);

        for (const QString &name : {WorkerHours, OperationHours}) {
            StoredQuery query(db, name);
            query.setParameter(QStringLiteral("[DataInit]"), QDate(2015, 1, 1));
            query.setParameter(QStringLiteral("[DataEnd]"), QDate(2015, 12, 31));
            const auto cursor = query.openCursor();
            QVERIFY(!cursor->isEOF());
            QCOMPARE(cursor->value(5).toDouble(), 5.0);
        }
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM Scheda")).toInt(), 1);
        QVERIFY(!QFile::exists(copy));
        db.close();

        if (writable) {
            // Once they are the program's, opening again writes nothing.
            const QByteArray before = fileHash(farm);
            Database again;
            again.open(farm, Database::Access::ReadWrite);
            QVERIFY(!SchemaUpgrade::upgrade(again));
            QCOMPARE(fileHash(farm), before);
        }
    }

    void listQueriesMustOnlyRead_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("select with a parameter and a note")
            << "SELECT Codice FROM Operai WHERE Codice = :[Codice] -- one worker" << true;
        QTest::newRow("with") << "WITH c AS (SELECT Codice FROM Operai) SELECT * FROM c" << true;
        QTest::newRow("delete returning") << "DELETE FROM Scheda RETURNING IDScheda" << false;
        QTest::newRow("vacuum into") << "VACUUM INTO '%1'" << false;
        QTest::newRow("insert") << "INSERT INTO Operai (Codice) VALUES (1)" << false;
        QTest::newRow("attach") << "ATTACH DATABASE '%1' AS other" << false;
        QTest::newRow("two statements") << "SELECT 1; DELETE FROM Scheda" << false;
        QTest::newRow("not SQL") << "SELEKT everything" << false;
    }

    void listQueriesMustOnlyRead()
    {
        QFETCH(QString, sql);
        QFETCH(bool, accepted);
        const QString target = m_env.path(QStringLiteral("target.db"));
        QFile::remove(target);
        Database db;
        db.open(m_env.copyTemplate());
        addWork(db, QStringLiteral("2015-03-01 08:00:00"), 1, 5);
        const QString text = sql.contains(QLatin1String("%1")) ? sql.arg(target) : sql;
        try {
            StoredQuery::requireReadOnly(db, QStringLiteral("Probe"), text);
            QVERIFY(accepted);
        } catch (const DbException &e) {
            QVERIFY2(!accepted, qPrintable(e.message()));
            QVERIFY(e.message().contains(QLatin1String("'Probe'")));
        }
        // The check only looks at the statement.
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM Scheda")).toInt(), 1);
        QVERIFY(!QFile::exists(target));
    }
};

QTEST_GUILESS_MAIN(TestStoredQuery)
#include "TestStoredQuery.moc"
