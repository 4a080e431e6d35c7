#include "TestEnvironment.h"
#include "base/Progress.h"
#include "db/Database.h"
#include "db/DbException.h"
#include "demo/DemoFarm.h"
#include "registries/ParcelGeometry.h"
#include "reports/DataProcessing.h"
#include "reports/ProcessingWarnings.h"

#include <QFile>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {

const QDate LastDay(2026, 12, 10);

// Every row of every farm table as text, to compare two farms whole.
QStringList dump(Database &db)
{
    QStringList rows;
    for (const QString &table : QStringList{"Operai", "Centri", "Campi", "Operazioni", "Articoli",
                                            "Scheda", "Opere", "Magazzino"}) {
        QSqlQuery query = db.execute(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table));
        while (query.next()) {
            QStringList values{table};
            for (int i = 0; i < query.record().count(); ++i)
                values << query.value(i).toString();
            rows << values.join(QLatin1Char('|'));
        }
    }
    return rows;
}

double number(Database &db, const QString &sql, const QVariantList &params = {})
{
    return db.scalar(sql, params).toDouble();
}

} // namespace

class TestDemoFarm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_env = std::make_unique<TestEnvironment>(); }

    void sameYearsGiveTheSameFarm()
    {
        QStringList farms[2];
        for (QStringList &farm : farms) {
            Database db;
            db.open(m_env->copyTemplate());
            DemoFarm::fill(db, LastDay, 2);
            farm = dump(db);
        }
        QVERIFY(farms[0].size() > 1000);
        QCOMPARE(farms[0], farms[1]);
    }

    void cardsCoverTheWorkingDaysOfTheYears_data()
    {
        QTest::addColumn<QDate>("lastDay");
        QTest::addColumn<int>("years");
        QTest::addColumn<QString>("firstDay");
        QTest::newRow("three years to a December day") << LastDay << 3 << "2024-01-01";
        // 1 January 2023 is a Sunday: the first card is on the Monday.
        QTest::newRow("one year to a February day") << QDate(2023, 2, 20) << 1 << "2023-01-02";
    }
    void cardsCoverTheWorkingDaysOfTheYears()
    {
        QFETCH(QDate, lastDay);
        QFETCH(int, years);
        QFETCH(QString, firstDay);
        Database db;
        db.open(m_env->copyTemplate());
        DemoFarm::fill(db, lastDay, years);

        QCOMPARE(db.scalar("SELECT substr(MIN(Data), 1, 10) FROM Scheda").toString(), firstDay);
        QCOMPARE(db.scalar("SELECT substr(MAX(Data), 1, 10) FROM Scheda").toString(),
                 lastDay.toString(Qt::ISODate));
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM Scheda WHERE strftime('%w', Data) = '0'").toInt(),
                 0);
        // One card a day, every day but Sunday.
        const int days = int(QDate::fromString(firstDay, Qt::ISODate).daysTo(lastDay)) + 1;
        const int sundays =
            db.scalar("WITH RECURSIVE d(x) AS (SELECT date(?) UNION ALL SELECT date(x, '+1 day') "
                      "FROM d WHERE x < date(?)) SELECT COUNT(*) FROM d WHERE strftime('%w', x) "
                      "= '0'",
                      {firstDay, lastDay.toString(Qt::ISODate)})
                .toInt();
        QCOMPARE(db.scalar("SELECT COUNT(DISTINCT substr(Data, 1, 10)) FROM Scheda").toInt(),
                 days - sundays);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM Scheda").toInt(), days - sundays);
        // Fields are registered for every year of cards.
        QCOMPARE(db.scalar("SELECT COUNT(DISTINCT Anno) FROM Campi").toInt(), years);
    }

    void worksAreBookedOnWhatTheRegistriesHold()
    {
        Database db;
        db.open(m_env->copyTemplate());
        DemoFarm::fill(db, LastDay, 3);
        const FarmSize size = DemoFarm::size();
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM Operai").toInt(), size.workers);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM Centri WHERE Campo = 1").toInt(), size.crops);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM Centri WHERE Macchina = 1").toInt(),
                 size.machines);
        QCOMPARE(db.scalar("SELECT COUNT(DISTINCT Descrizione) FROM Centri").toInt(),
                 size.crops + size.machines + size.others);
        QCOMPARE(db.scalar("SELECT COUNT(DISTINCT Nome) FROM Operai").toInt(), size.workers);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM Operai WHERE Nome GLOB '*[0-9]*'").toInt(), 0);

        QVERIFY(db.scalar("SELECT COUNT(*) FROM Opere").toInt() >
                2 * db.scalar("SELECT COUNT(*) FROM Scheda").toInt());
        // Each work has exactly one movement, booked where the work is.
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM Opere o WHERE (SELECT COUNT(*) FROM Magazzino m "
                           "WHERE m.IDOpera = o.IDOpera) <> 1")
                     .toInt(),
                 0);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM Opere o JOIN Magazzino m ON m.IDOpera = "
                           "o.IDOpera WHERE m.[Tipo Centro] <> o.[Tipo Centro] OR m.CodCentro <> "
                           "o.CodCentro OR m.CodCampo <> o.CodCampo")
                     .toInt(),
                 0);
        const QStringList dangling{
            "SELECT COUNT(*) FROM Opere WHERE IDScheda NOT IN (SELECT IDScheda FROM Scheda)",
            "SELECT COUNT(*) FROM Opere WHERE CodOperaio NOT IN (SELECT Codice FROM Operai)",
            "SELECT COUNT(*) FROM Opere WHERE CodOperazione NOT IN (SELECT Codice FROM "
            "Operazioni)",
            "SELECT COUNT(*) FROM Opere WHERE CodCentro NOT IN (SELECT Codice FROM Centri)",
            "SELECT COUNT(*) FROM Opere WHERE CodMacch1 <> 0 AND CodMacch1 NOT IN (SELECT "
            "Codice FROM Centri WHERE Macchina = 1)",
            // A field work names a field of its crop registered in the card's year.
            "SELECT COUNT(*) FROM Opere o JOIN Scheda s ON s.IDScheda = o.IDScheda WHERE "
            "o.[Tipo Centro] = 2 AND NOT EXISTS (SELECT 1 FROM Campi c WHERE c.Codice = "
            "o.CodCampo AND c.Centro = o.CodCentro AND c.Anno = CAST(substr(s.Data, 1, 4) AS "
            "INTEGER))",
            "SELECT COUNT(*) FROM Magazzino WHERE [Codice Articolo] <> 0 AND [Codice Articolo] "
            "NOT IN (SELECT Codice FROM Articoli)"};
        for (const QString &sql : dangling)
            QVERIFY2(db.scalar(sql).toInt() == 0, qPrintable(sql));
        // Every kind of movement the reports show is there.
        for (int type = 1; type <= 4; ++type)
            QVERIFY2(
                db.scalar("SELECT COUNT(*) FROM Magazzino WHERE [Tipo Bolla] = ?", {type}).toInt() >
                    0,
                qPrintable(QString::number(type)));
    }

    // The totals the processing computes for the farm's last whole year, against sums taken
    // straight from its cards.
    void processingMatchesTheSumsOfTheCards()
    {
        Database db;
        db.open(m_env->copyTemplate());
        DemoFarm::fill(db, LastDay, 3);
        const QString from = QStringLiteral("2025-01-01 00:00:00");
        const QString to = QStringLiteral("2025-12-31 23:59:59");
        NullProgress progress;
        DataProcessing(db, {QDate(2025, 1, 1), QDate(2025, 12, 31)}).ProcessTotals(progress);

        const QString works = QStringLiteral("FROM Opere o JOIN Scheda s ON s.IDScheda = "
                                             "o.IDScheda WHERE s.Data BETWEEN ? AND ?");
        const double hours =
            number(db, "SELECT SUM(o.OreOrd + o.OreStr + o.OreFest) " + works, {from, to});
        QVERIFY(hours > 1000);
        QCOMPARE(number(db, "SELECT SUM(Ore) FROM Riepilogo WHERE OpeMac = 1 AND OreSol = 1"),
                 hours);
        const double wages = number(db,
                                    "SELECT SUM((o.OreOrd + o.OreStr + o.OreFest) * w.Stipendio) "
                                    "FROM Opere o JOIN Scheda s ON s.IDScheda = o.IDScheda JOIN "
                                    "Operai w ON w.Codice = o.CodOperaio WHERE s.Data BETWEEN ? "
                                    "AND ?",
                                    {from, to});
        QVERIFY(qFuzzyCompare(
            number(db, "SELECT SUM(Soldi) FROM Riepilogo WHERE OpeMac = 1 AND OreSol = 0"), wages));
        QVERIFY(
            qFuzzyCompare(number(db, "SELECT SUM(CosRic) FROM Totali WHERE OpeMac = 1"), wages));

        const QString movements =
            QStringLiteral("SELECT SUM(m.Prezzo) FROM Magazzino m JOIN Opere o ON o.IDOpera = "
                           "m.IDOpera JOIN Scheda s ON s.IDScheda = o.IDScheda WHERE s.Data "
                           "BETWEEN ? AND ? AND m.[Tipo Bolla] IN (%1) AND m.CodCentro > 0 %2");
        const double revenues = number(db, movements.arg("1, 4", ""), {from, to});
        const double goodsCosts = number(db, movements.arg("2, 3", ""), {from, to});
        const double fieldCosts = number(
            db, movements.arg("2, 3", "AND m.[Tipo Centro] = 2 AND m.CodCampo > 0"), {from, to});
        QVERIFY(revenues > 0 && goodsCosts > 0 && fieldCosts > 0);
        QVERIFY(qFuzzyCompare(
            number(db, "SELECT SUM(CosRic) FROM Totali WHERE Codice = -1 AND Tipo = 0"), revenues));
        QVERIFY(qFuzzyCompare(
            number(db, "SELECT SUM(CosRic) FROM Totali WHERE Codice = -1 AND Tipo = 1"),
            goodsCosts));
        QVERIFY(qFuzzyCompare(
            number(db, "SELECT SUM(CosRic) FROM [Totali Campi] WHERE Codice = -1 AND Tipo = 1"),
            fieldCosts));
        // Every worker has a wage and every machine with costs has running hours, so nothing
        // is left out of the totals.
        const auto warnings =
            ProcessingWarnings::find(db, {QDate(2025, 1, 1), QDate(2025, 12, 31)});
        for (const ProcessingWarnings::Warning &warning : warnings)
            qWarning("%s", qPrintable(warning.text()));
        QCOMPARE(warnings.size(), 0);
    }

    void treatmentsFillTheRegister()
    {
        Database db;
        db.open(m_env->copyTemplate());
        DemoFarm::fill(db, LastDay, 1);
        DataProcessing(db, {QDate(2026, 1, 1), QDate(2026, 12, 31)}).PrepareFieldNotebook();
        const int treatments =
            db.scalar("SELECT COUNT(*) FROM Magazzino m JOIN Articoli a ON a.Codice = "
                      "m.[Codice Articolo] WHERE a.[Stampa Quaderno] = 1 AND m.[Tipo Bolla] = 3 "
                      "AND m.[Tipo Centro] IN (1, 2) AND m.Avverso <> ''")
                .toInt();
        QVERIFY(treatments > 20);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM [Appoggio Articoli]").toInt(), treatments);
    }

    // Every element a complete treatment record names is there: the fields' parcels near Lodi
    // with outlines of their surface, the crops' EPPO codes, the products' authorisation
    // numbers, and each treatment's stage, time and an area within its field.
    void treatmentsAreRecordedCompletely()
    {
        Database db;
        db.open(m_env->copyTemplate());
        DemoFarm::fill(db, LastDay, 1);
        QSqlQuery fields = db.execute("SELECT Codice, Superficie, IdParcella, CodiceComune, "
                                      "Foglio, Particella, Geometria FROM Campi");
        int count = 0;
        QSet<QString> parcels;
        while (fields.next()) {
            ++count;
            const QString code = fields.value(0).toString();
            QCOMPARE(fields.value(3).toString(), QStringLiteral("E648"));
            QVERIFY(!fields.value(4).toString().isEmpty() && !fields.value(5).toString().isEmpty());
            parcels << fields.value(2).toString();
            QString error;
            const auto outline =
                ParcelGeometry::fromGeoJson(fields.value(6).toString().toUtf8(), &error);
            QVERIFY2(outline, qPrintable(code + ": " + error));
            const double surface = fields.value(1).toDouble();
            QVERIFY2(std::abs(outline->hectares() - surface) <= surface * 0.005,
                     qPrintable(QStringLiteral("%1: %2 ha drawn, %3 ha kept")
                                    .arg(code)
                                    .arg(outline->hectares())
                                    .arg(surface)));
            // Around Lodi, 45.31°N 9.50°E.
            const QPointF corner = outline->polygons()[0][0][0];
            QVERIFY(std::abs(corner.y() - 45.3) < 0.05 && std::abs(corner.x() - 9.5) < 0.1);
        }
        QCOMPARE(count, DemoFarm::size().crops * DemoFarm::size().fieldsPerCrop);
        QCOMPARE(parcels.size(), count);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM Centri WHERE Campo = 1 AND Macchina = 0 AND "
                           "length(CodiceEPPO) = 5")
                     .toInt(),
                 DemoFarm::size().crops);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM Articoli WHERE [Stampa Quaderno] <> 0 AND "
                           "COALESCE(NumeroRegistrazione, '') = ''")
                     .toInt(),
                 0);

        const QString treatments = "FROM Magazzino m JOIN Articoli a ON a.Codice = "
                                   "m.[Codice Articolo] WHERE a.[Stampa Quaderno] <> 0 AND "
                                   "m.[Tipo Bolla] IN (0, 3) AND m.[Tipo Centro] IN (1, 2)";
        const int all = db.scalar("SELECT COUNT(*) " + treatments).toInt();
        QVERIFY(all > 20);
        QCOMPARE(db.scalar("SELECT COUNT(*) " + treatments +
                           " AND m.CodiceBBCH GLOB '[0-9][0-9]' AND m.OraTrattamento GLOB "
                           "'[0-2][0-9]:[0-5][0-9]'")
                     .toInt(),
                 all);
        const int partial =
            db.scalar("SELECT COUNT(*) " + treatments + " AND m.SuperficieTrattata IS NOT NULL")
                .toInt();
        QVERIFY(partial > 0 && partial < all);
        QCOMPARE(db.scalar("SELECT COUNT(*) " + treatments +
                           " AND m.SuperficieTrattata > (SELECT c.Superficie FROM Campi c WHERE "
                           "c.Codice = m.CodCampo LIMIT 1)")
                     .toInt(),
                 0);
    }

    void writeReplacesTheFileOnlyWhenTheFarmIsComplete()
    {
        const QString path = m_env->path(QStringLiteral("farm.mdb"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the previous file");
        old.close();

        QVERIFY_THROWS_EXCEPTION(DbException,
                                 DemoFarm::write(m_env->path("missing.mdb"), path, LastDay, 1));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("the previous file"));
        old.close();

        DemoFarm::write(TestEnvironment::templatePath(), path, LastDay, 1);
        Database db;
        db.open(path);
        QVERIFY(db.scalar("SELECT COUNT(*) FROM Scheda").toInt() > 250);
        db.close();
        // No temporary file is left beside the farm.
        QCOMPARE(QDir(m_env->folder()).entryList({"farm.mdb*"}, QDir::Files),
                 QStringList{"farm.mdb"});
    }

private:
    std::unique_ptr<TestEnvironment> m_env;
};

QTEST_GUILESS_MAIN(TestDemoFarm)
#include "TestDemoFarm.moc"
