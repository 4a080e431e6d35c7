#include "TestEnvironment.h"
#include "db/Database.h"
#include "db/SchemaUpgrade.h"
#include "db/TreatmentColumns.h"
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
    void version1FileGainsTheTreatmentColumns();

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
    QVERIFY(
        SchemaUpgrade::hasColumn(db, TreatmentColumns::FieldsTable, TreatmentColumns::Geometry));
    QVERIFY(SchemaUpgrade::hasColumn(db, TreatmentColumns::MovementsTable,
                                     TreatmentColumns::BbchStage));
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
        QCOMPARE(SchemaUpgrade::hasColumn(db, TreatmentColumns::MovementsTable,
                                          TreatmentColumns::TreatedArea),
                 path == full);
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

namespace {

// A farm as the previous version left it: the template with the version 1 columns and a field
// and a movement of its own.
QString version1File(TestEnvironment &env)
{
    const QString path = env.copyTemplate();
    Database db;
    db.open(path);
    db.execute(QStringLiteral("ALTER TABLE Articoli ADD COLUMN NumeroRegistrazione TEXT"));
    db.execute(QStringLiteral("ALTER TABLE Centri ADD COLUMN CodiceEPPO TEXT"));
    db.execute(QStringLiteral("PRAGMA user_version = 1"));
    db.execute(QStringLiteral("INSERT INTO Campi (Codice, Descrizione, Superficie, Anno) "
                              "VALUES (10, 'North', 2, 2024)"));
    db.execute(QStringLiteral("INSERT INTO Magazzino (IDOpera, Quantita) VALUES (1, 3)"));
    return path;
}

const QList<QPair<QString, QString>> &treatmentColumns()
{
    using namespace TreatmentColumns;
    static const QList<QPair<QString, QString>> columns{
        {FieldsTable, ParcelId},     {FieldsTable, Municipality},
        {FieldsTable, Sheet},        {FieldsTable, CadastralParcel},
        {FieldsTable, Geometry},     {MovementsTable, TreatedArea},
        {MovementsTable, BbchStage}, {MovementsTable, ApplicationTime}};
    return columns;
}

} // namespace

void TestSchemaUpgrade::version1FileGainsTheTreatmentColumns()
{
    const QString path = version1File(m_env);
    {
        // Read only, it stays at version 1 and reads every new value as empty.
        Database db;
        db.open(path, Database::Access::ReadOnly);
        QVERIFY(!SchemaUpgrade::upgrade(db));
        QCOMPARE(SchemaUpgrade::version(db), 1);
        for (const auto &[table, column] : treatmentColumns()) {
            const QString selected = SchemaUpgrade::columnOrNull(db, table, column, "t");
            QCOMPARE(selected, QStringLiteral("NULL"));
            QVERIFY(db.scalar(QStringLiteral("SELECT %1 FROM [%2] AS t").arg(selected, table))
                        .isNull());
        }
    }
    Database db;
    db.open(path);
    QVERIFY(SchemaUpgrade::upgrade(db));
    QCOMPARE(SchemaUpgrade::version(db), 2);
    for (const auto &[table, column] : treatmentColumns()) {
        QVERIFY2(SchemaUpgrade::hasColumn(db, table, column), qPrintable(column));
        QVERIFY(db.scalar(QStringLiteral("SELECT [%1] FROM [%2]").arg(column, table)).isNull());
    }
    QCOMPARE(db.scalar(QStringLiteral("SELECT Descrizione FROM Campi")).toString(),
             QStringLiteral("North"));
    QCOMPARE(db.scalar(QStringLiteral("SELECT Quantita FROM Magazzino")).toDouble(), 3.0);
    // The treated area is a number, the others texts.
    QCOMPARE(db.scalar(QStringLiteral("SELECT type FROM pragma_table_info('Magazzino') WHERE "
                                      "name = 'SuperficieTrattata'"))
                 .toString(),
             QStringLiteral("REAL"));
    QCOMPARE(db.scalar(QStringLiteral("SELECT type FROM pragma_table_info('Campi') WHERE name = "
                                      "'Geometria'"))
                 .toString(),
             QStringLiteral("TEXT"));
    QVERIFY(!SchemaUpgrade::upgrade(db));
}

QTEST_GUILESS_MAIN(TestSchemaUpgrade)
#include "TestSchemaUpgrade.moc"
