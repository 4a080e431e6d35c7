#include "FakeProgress.h"
#include "TestEnvironment.h"
#include "db/Database.h"
#include "db/DbException.h"
#include "db/SchemaUpgrade.h"
#include "exchange/ArchiveDatabase.h"
#include "exchange/ArchiveMerge.h"
#include "exchange/ArchiveValueCheck.h"
#include "exchange/ExchangeDatabase.h"

#include <QTest>

namespace {

const QString Outline =
    QStringLiteral("{\"coordinates\":[[[9,45],[9.001,45],[9.001,45.001],[9,45]]],\"type\":"
                   "\"Polygon\"}");

// A card of 10 March 2024 with one treatment on field 10, which lies on a parcel, when the
// farm keeps them; with the template's columns only otherwise.
QString farm(TestEnvironment &env, bool treatments)
{
    const QString path = env.copyTemplate();
    Database db;
    db.open(path);
    if (treatments)
        SchemaUpgrade::upgrade(db);
    db.execute("INSERT INTO Scheda (IDScheda, Data) VALUES (1, '2024-03-10 08:00:00')");
    db.execute("INSERT INTO Opere (IDOpera, IDScheda, Aggiornato, [Tipo Centro], CodCentro, "
               "CodCampo) VALUES (1, 1, 1, 2, 1, 10)");
    db.execute("INSERT INTO Magazzino (IDOpera, [Tipo Centro], CodCentro, CodCampo, "
               "[Tipo Bolla], [Codice Articolo], Quantita) VALUES (1, 2, 1, 10, 3, 5, 2)");
    db.execute("INSERT INTO Campi (Codice, Descrizione, Centro, Superficie, Anno) VALUES "
               "(10, 'North', 1, 2, 2024)");
    if (treatments) {
        db.execute("UPDATE Magazzino SET SuperficieTrattata = 0.5, CodiceBBCH = '61', "
                   "OraTrattamento = '07:30'");
        db.execute("UPDATE Campi SET IdParcella = 'IT-E648-12-101', CodiceComune = 'E648', "
                   "Foglio = '12', Particella = '101', Geometria = ?",
                   {Outline});
    }
    return path;
}

// The archive that an export of the farm writes: the template's tables made current, and the
// farm's rows copied into them.
QString archiveOf(TestEnvironment &env, const QString &farmPath, const QString &name)
{
    const QString path = env.path(name);
    ExchangeDatabase::create(path, TestEnvironment::templatePath());
    Database archive;
    archive.open(path);
    SchemaUpgrade::upgrade(archive);
    ExchangeDatabase::copyTables(archive, farmPath,
                                 {{"Scheda", {}}, {"Opere", {}}, {"Magazzino", {}}, {"Campi", {}}});
    return path;
}

void merge(const QString &archivePath, Database &target, bool overwrite)
{
    ArchiveDatabase source;
    source.open(archivePath);
    QVERIFY(ArchiveMerge::canRead(source.database()));
    ArchiveValueCheck::verify(source.database());
    FakeProgress progress;
    Transaction transaction(target);
    ArchiveMerge(source.database(), target, overwrite, progress).run();
    transaction.commit();
}

QString treatment(Database &db)
{
    return db
        .scalar("SELECT COALESCE(SuperficieTrattata, 'null') || '|' || COALESCE(CodiceBBCH, "
                "'null') || '|' || COALESCE(OraTrattamento, 'null') FROM Magazzino")
        .toString();
}

QString parcel(Database &db)
{
    return db
        .scalar("SELECT COALESCE(IdParcella, 'null') || '|' || COALESCE(CodiceComune, 'null') "
                "|| '|' || COALESCE(Foglio, 'null') || '|' || COALESCE(Particella, 'null') || "
                "'|' || COALESCE(Geometria, 'null') FROM Campi WHERE Codice = 10")
        .toString();
}

const QString KeptParcel = "IT-E648-12-101|E648|12|101|" + Outline;

} // namespace

class TestArchiveTreatmentColumns : public QObject
{
    Q_OBJECT

private slots:
    void roundTripKeepsTreatmentsAndParcels();
    void olderArchiveImportsThemEmpty();
    void impossibleValuesAreRefused_data();
    void impossibleValuesAreRefused();

private:
    TestEnvironment m_env;
};

void TestArchiveTreatmentColumns::roundTripKeepsTreatmentsAndParcels()
{
    const QString archive = archiveOf(m_env, farm(m_env, true), "round.mdb");
    Database target;
    target.open(m_env.copyTemplate());
    SchemaUpgrade::upgrade(target);
    merge(archive, target, false);
    QCOMPARE(treatment(target), QStringLiteral("0.5|61|07:30"));
    QCOMPARE(parcel(target), KeptParcel);
}

void TestArchiveTreatmentColumns::olderArchiveImportsThemEmpty()
{
    // An archive of an older installation has none of the columns.
    const QString older = m_env.path("older.mdb");
    ExchangeDatabase::create(older, TestEnvironment::templatePath());
    {
        Database archive;
        archive.open(older);
        const QString farmPath = farm(m_env, false);
        ExchangeDatabase::copyTables(
            archive, farmPath, {{"Scheda", {}}, {"Opere", {}}, {"Magazzino", {}}, {"Campi", {}}});
        QVERIFY(!SchemaUpgrade::hasColumn(archive, "Campi", "Geometria"));
    }

    // Merged over a farm that has them: the card's movements come in without, the field the
    // archive overwrites keeps its parcel.
    Database target;
    target.open(farm(m_env, true));
    merge(older, target, true);
    QCOMPARE(target.scalar("SELECT COUNT(*) FROM Magazzino").toInt(), 1);
    QCOMPARE(treatment(target), QStringLiteral("null|null|null"));
    QCOMPARE(parcel(target), KeptParcel);

    // A new field comes in without a parcel.
    Database fresh;
    fresh.open(m_env.copyTemplate());
    SchemaUpgrade::upgrade(fresh);
    merge(older, fresh, false);
    QCOMPARE(parcel(fresh), QStringLiteral("null|null|null|null|null"));
}

void TestArchiveTreatmentColumns::impossibleValuesAreRefused_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("message");
    const QString movement = "The archive's table Magazzino holds an impossible value in the row "
                             "IDBolla 1, column %1: %2 (%3).";
    const QString field = "The archive's table Campi holds an impossible value in the row rowid "
                          "1, column %1: %2 (%3).";
    QTest::newRow("area 0") << "UPDATE Magazzino SET SuperficieTrattata = 0"
                            << movement.arg("SuperficieTrattata", "0",
                                            "a number above 0 is "
                                            "expected");
    QTest::newRow("area as text") << "UPDATE Magazzino SET SuperficieTrattata = 'half'"
                                  << movement.arg("SuperficieTrattata", "\"half\"",
                                                  "a number above 0 is expected");
    QTest::newRow("stage of one digit")
        << "UPDATE Magazzino SET CodiceBBCH = '6'"
        << movement.arg("CodiceBBCH", "\"6\"", "a BBCH stage of two digits is expected");
    QTest::newRow("time without its zero")
        << "UPDATE Magazzino SET OraTrattamento = '7:30'"
        << movement.arg("OraTrattamento", "\"7:30\"", "a time written HH:MM is expected");
    QTest::newRow("parcel id too long")
        << "UPDATE Campi SET IdParcella = replace(hex(zeroblob(51)), '00', 'x')"
        << field.arg("IdParcella", "\"" + QString(40, 'x') + "…\" (51 characters)",
                     "no more than 50 characters are allowed");
    QTest::newRow("outline of a point")
        << "UPDATE Campi SET Geometria = '{\"type\":\"Point\",\"coordinates\":[9,45]}'"
        << field.arg("Geometria", "\"{\"type\":\"Point\",\"coordinates\":[9,45]}\"",
                     "A parcel needs a Polygon or MultiPolygon geometry, not Point.");
}

void TestArchiveTreatmentColumns::impossibleValuesAreRefused()
{
    QFETCH(QString, change);
    QFETCH(QString, message);
    const QString archive = archiveOf(m_env, farm(m_env, true),
                                      QStringLiteral("bad %1.mdb").arg(QTest::currentDataTag()));
    {
        Database db;
        db.open(archive);
        db.execute(change);
    }
    ArchiveDatabase source;
    source.open(archive);
    try {
        ArchiveValueCheck::verify(source.database());
        QFAIL("the archive was taken");
    } catch (const DbException &e) {
        QCOMPARE(e.message(), message);
    }
}

QTEST_GUILESS_MAIN(TestArchiveTreatmentColumns)
#include "TestArchiveTreatmentColumns.moc"
