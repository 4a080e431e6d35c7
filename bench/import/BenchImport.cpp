// Imports a data archive holding one year (365 cards x 20 works, each with its stock movement)
// into a working database that already holds ten years, keeping and overwriting, and prints
// the time of the merge and of the whole import (extraction included).
#include "BenchFiles.h"
#include "BenchPrompter.h"
#include "base/Progress.h"
#include "db/Database.h"
#include "exchange/CZipArchive.h"
#include "exchange/DataExchange.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

constexpr int WorksPerCard = 20;

void addMasterData(Database &db)
{
    Transaction transaction(db);
    for (int code = 1; code <= 50; ++code)
        db.execute(QStringLiteral("INSERT INTO Operai (Codice, Nome, Rapporto, Stipendio) "
                                  "VALUES (?, ?, 0, 11.5)"),
                   {code, QStringLiteral("Worker %1").arg(code)});
    for (int code = 1; code <= 30; ++code)
        db.execute(QStringLiteral("INSERT INTO Operazioni (Codice, Descrizione) VALUES (?, ?)"),
                   {code, QStringLiteral("Operation %1").arg(code)});
    for (int code = 1; code <= 100; ++code)
        db.execute(QStringLiteral("INSERT INTO Articoli (Codice, Descrizione, UnMis, "
                                  "[Costo Unitario]) VALUES (?, ?, 'kg', 2.5)"),
                   {code, QStringLiteral("Item %1").arg(code)});
    for (int code = 1; code <= 40; ++code)
        db.execute(QStringLiteral("INSERT INTO Centri (Codice, Descrizione, Campo, Macchina, "
                                  "SupAnno) VALUES (?, ?, ?, ?, 3)"),
                   {code, QStringLiteral("Center %1").arg(code), code <= 20, code > 30});
    for (int year = 2006; year <= 2016; ++year)
        for (int code = 1; code <= 60; ++code)
            db.execute(QStringLiteral("INSERT INTO Campi (Codice, Descrizione, Centro, Anno, "
                                      "Superficie) VALUES (?, ?, ?, ?, 1.5)"),
                       {code, QStringLiteral("Field %1").arg(code), 1 + code % 20, year});
    transaction.commit();
}

void addYears(Database &db, int firstYear, int lastYear)
{
    Transaction transaction(db);
    QSqlQuery card(db.connection());
    card.prepare(QStringLiteral("INSERT INTO Scheda (Data, Tempo, Fattore, Pioggia, TempMax, "
                                "TempMin) VALUES (?, 'sole', 'Mario', 0.5, 25, 12)"));
    QSqlQuery work(db.connection());
    work.prepare(QStringLiteral("INSERT INTO Opere (IDScheda, Aggiornato, CodOperaio, "
                                "CodOperazione, OreOrd, [Tipo Centro], CodCentro, CodMacch1) "
                                "VALUES (?, 1, ?, ?, 8, 1, ?, 31)"));
    QSqlQuery movement(db.connection());
    movement.prepare(QStringLiteral("INSERT INTO Magazzino (IDOpera, [Codice Articolo], "
                                    "Quantita, Prezzo, [Tipo Bolla], [Tipo Centro], CodCentro, "
                                    "UniMis, Fase) VALUES (?, ?, 3, 7.5, 2, 1, ?, 'kg', 'F1')"));
    for (int year = firstYear; year <= lastYear; ++year) {
        for (int day = 0; day < 365; ++day) {
            card.addBindValue(
                QDate(year, 1, 1).addDays(day).toString(QStringLiteral("yyyy-MM-dd")) +
                QStringLiteral(" 08:00:00"));
            card.exec();
            const qint64 cardId = card.lastInsertId().toLongLong();
            for (int w = 0; w < WorksPerCard; ++w) {
                work.addBindValue(cardId);
                work.addBindValue(1 + w);
                work.addBindValue(1 + (day + w) % 30);
                work.addBindValue(1 + w % 20);
                work.exec();
                movement.addBindValue(work.lastInsertId());
                movement.addBindValue(1 + (day * w) % 100);
                movement.addBindValue(1 + w % 20);
                movement.exec();
            }
        }
    }
    transaction.commit();
}

QString makeDatabase(const QString &path, int firstYear, int lastYear)
{
    BenchFiles::copyTemplate(path);
    Database db;
    db.open(path);
    addMasterData(db);
    addYears(db, firstYear, lastYear);
    return path;
}

QString makeArchive(const QString &folder, const QString &database)
{
    const QString archive = folder + QStringLiteral("/year.czp");
    CZipArchive zip;
    zip.Open(archive, CZipArchive::CreateNew, 0);
    zip.SetPassword(QStringLiteral("corvo3719"));
    zip.AddFile(database, 9, true, 65535);
    zip.Close(false);
    return archive;
}

double seconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString tenYears = makeDatabase(dir.filePath(QStringLiteral("ten.mdb")), 2006, 2015);
    const QString newYear =
        makeDatabase(dir.filePath(QStringLiteral("TellanTemp.mdb")), 2016, 2016);
    const QString sameYear = dir.filePath(QStringLiteral("same"));
    QDir().mkpath(sameYear);
    makeDatabase(sameYear + QStringLiteral("/TellanTemp.mdb"), 2015, 2015);
    const QString newArchive = makeArchive(dir.path(), newYear);
    const QString sameArchive = makeArchive(sameYear, sameYear + QStringLiteral("/TellanTemp.mdb"));

    struct Case
    {
        const char *name;
        QString archive;
        QString source;
        bool overwrite;
    };
    const Case cases[] = {
        {"new year, keep", newArchive, newYear, false},
        {"existing year, keep", sameArchive, sameYear + QStringLiteral("/TellanTemp.mdb"), false},
        {"existing year, overwrite", sameArchive, sameYear + QStringLiteral("/TellanTemp.mdb"),
         true},
    };
    NullProgress progress;
    out << "target: 3650 cards, " << 3650 * WorksPerCard << " works and movements; archive: 365 "
        << "cards, " << 365 * WorksPerCard << " works and movements\n";
    for (const Case &c : cases) {
        double mergeBest = 1e9, importBest = 1e9;
        for (int round = 0; round < 3; ++round) {
            const QString target = dir.filePath(QStringLiteral("target.mdb"));
            BenchFiles::copyDatabase(tenYears, target);
            {
                BenchPrompter prompter(c.archive, Prompter::Answer::Ok);
                DataExchange exchange(prompter, progress);
                Database source;
                source.open(c.source);
                Database working;
                working.open(target);
                QElapsedTimer timer;
                timer.start();
                if (!exchange.MergeArchiveDatabase(source, working, c.overwrite))
                    qFatal("merge failed");
                mergeBest = qMin(mergeBest, seconds(timer));
            }
            BenchFiles::copyDatabase(tenYears, target);
            BenchPrompter prompter(c.archive,
                                   c.overwrite ? Prompter::Answer::Yes : Prompter::Answer::No);
            DataExchange exchange(prompter, progress);
            exchange.setWorkingDatabase(target);
            QElapsedTimer timer;
            timer.start();
            if (exchange.ImportArchive() != DataExchange::Outcome::Done)
                qFatal("import failed");
            importBest = qMin(importBest, seconds(timer));
        }
        out << c.name << ": merge " << mergeBest << " s, whole import " << importBest
            << " s (best of 3)\n";
    }
    return 0;
}
