#include "TestEnvironment.h"
#include "db/Database.h"
#include "db/SchemaUpgrade.h"
#include "exchange/ExchangeDatabase.h"

#include <QFile>
#include <QTest>

class TestSchemaUpgrade : public QObject
{
    Q_OBJECT

private slots:
    void olderDatabaseGainsTheColumnsAndKeepsItsRows();
    void archiveGainsTheColumnsOfTheTablesItHas();
    void readOnlyDatabaseIsNotWritten();
    void newerDatabaseIsLeftAlone();

private:
    TestEnvironment m_env;
};

void TestSchemaUpgrade::olderDatabaseGainsTheColumnsAndKeepsItsRows()
{
    Database db;
    db.open(m_env.copyTemplate());
    db.execute(QStringLiteral("INSERT INTO Articoli (Codice, Descrizione) VALUES (7, 'Rame')"));
    QCOMPARE(SchemaUpgrade::version(db), 0);

    QVERIFY(SchemaUpgrade::upgrade(db));
    QCOMPARE(SchemaUpgrade::version(db), SchemaUpgrade::CurrentVersion);
    QVERIFY(SchemaUpgrade::hasColumn(db, QStringLiteral("Articoli"),
                                     QStringLiteral("NumeroRegistrazione")));
    QVERIFY(SchemaUpgrade::hasColumn(db, QStringLiteral("Centri"), QStringLiteral("CodiceEPPO")));
    QCOMPARE(db.scalar(QStringLiteral("SELECT Descrizione || '|' || "
                                      "COALESCE(NumeroRegistrazione, 'null') FROM Articoli"))
                 .toString(),
             QStringLiteral("Rame|null"));
    QCOMPARE(db.transactionDepth(), 0);

    // A second opening finds the file current and changes nothing.
    QVERIFY(!SchemaUpgrade::upgrade(db));
}

void TestSchemaUpgrade::archiveGainsTheColumnsOfTheTablesItHas()
{
    // An archive written by an older installation: the template's tables, and one that holds
    // only some of them.
    const QString full = m_env.path(QStringLiteral("full.mdb"));
    ExchangeDatabase::create(full, TestEnvironment::templatePath());
    const QString partial = m_env.path(QStringLiteral("partial.mdb"));
    Database::create(partial);
    {
        Database db;
        db.open(partial);
        db.execute(QStringLiteral("CREATE TABLE Articoli (Codice INTEGER, Descrizione TEXT)"));
    }

    for (const QString &path : {full, partial}) {
        Database db;
        db.open(path);
        QVERIFY(SchemaUpgrade::upgrade(db));
        QVERIFY2(SchemaUpgrade::hasColumn(db, QStringLiteral("Articoli"),
                                          QStringLiteral("NumeroRegistrazione")),
                 qPrintable(path));
        QCOMPARE(
            SchemaUpgrade::hasColumn(db, QStringLiteral("Centri"), QStringLiteral("CodiceEPPO")),
            path == full);
        QCOMPARE(db.tableExists(QStringLiteral("Centri")), path == full);
    }
}

void TestSchemaUpgrade::readOnlyDatabaseIsNotWritten()
{
    const QString path = m_env.copyTemplate();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    Database db;
    db.open(path, Database::Access::ReadOnly);
    QVERIFY(!SchemaUpgrade::upgrade(db));
    // Queries still run: the missing value reads as null.
    const QString column =
        SchemaUpgrade::columnOrNull(db, QStringLiteral("Centri"), QStringLiteral("CodiceEPPO"));
    QCOMPARE(column, QStringLiteral("NULL"));
    QVERIFY(db.scalar(QStringLiteral("SELECT %1 FROM Centri LIMIT 1").arg(column)).isNull());
    db.close();

    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestSchemaUpgrade::newerDatabaseIsLeftAlone()
{
    Database db;
    db.open(m_env.copyTemplate());
    db.execute(QStringLiteral("PRAGMA user_version = 7"));
    QVERIFY(!SchemaUpgrade::upgrade(db));
    QCOMPARE(SchemaUpgrade::version(db), 7);
    QVERIFY(!SchemaUpgrade::hasColumn(db, QStringLiteral("Centri"), QStringLiteral("CodiceEPPO")));
}

QTEST_GUILESS_MAIN(TestSchemaUpgrade)
#include "TestSchemaUpgrade.moc"
