#include "ArchiveFixtures.h"
#include "TestEnvironment.h"
#include "db/Database.h"
#include "db/DbException.h"
#include "db/SchemaUpgrade.h"
#include "exchange/CZipArchive.h"
#include "exchange/FarmFileCheck.h"

#include <QFile>
#include <QTest>

class TestFarmFileCheck : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

    // Refusal message of the check, or an empty text when the file passes.
    static QString refusal(const QString &path)
    {
        Database db;
        db.open(path, Database::Access::ReadOnly);
        try {
            FarmFileCheck::verify(db);
        } catch (const DbException &e) {
            return e.message().isEmpty() ? QStringLiteral("(no message)") : e.message();
        }
        return {};
    }

private slots:
    void shapeOfTheFile_data()
    {
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QString>("refused");

        QTest::newRow("new farm") << false << QStringList() << QString();
        // Opening adds the later columns and the kept sums with their triggers.
        QTest::newRow("opened farm") << true << QStringList() << QString();
        QTest::newRow("extra column")
            << false << QStringList{"ALTER TABLE Operai ADD COLUMN Extra TEXT"}
            << "The table Operai of the database has the columns Codice INTEGER, Nome TEXT, "
               "Rapporto INTEGER, Stipendio REAL, Extra TEXT; Verdimo's has Codice INTEGER, "
               "Nome TEXT, Rapporto INTEGER, Stipendio REAL.";
        QTest::newRow("missing column")
            << false << QStringList{"ALTER TABLE Operai DROP COLUMN Stipendio"}
            << "The table Operai of the database has the columns";
        QTest::newRow("check constraint")
            << false
            << QStringList{"DROP TABLE Operazioni",
                           "CREATE TABLE Operazioni (Codice INTEGER, Descrizione TEXT, "
                           "CHECK (Codice < 0))",
                           "CREATE INDEX OperazioniCodice ON Operazioni (Codice)"}
            << "The table Operazioni of the database has a constraint or key of its own";
        QTest::newRow("unique index")
            << false
            << QStringList{"DROP INDEX OpereScheda",
                           "CREATE UNIQUE INDEX OpereScheda ON Opere (IDScheda)"}
            << "The index OpereScheda of the database is not Verdimo's";
        QTest::newRow("trigger")
            << false
            << QStringList{"CREATE TRIGGER wipe AFTER INSERT ON Opere BEGIN DELETE FROM Scheda; "
                           "END"}
            << "The database holds the trigger wipe, which Verdimo does not make";
        QTest::newRow("program trigger changed")
            << true
            << QStringList{"DROP TRIGGER OpereAggiunteSomme",
                           "CREATE TRIGGER OpereAggiunteSomme AFTER INSERT ON Opere BEGIN "
                           "DELETE FROM Scheda; END"}
            << "The trigger OpereAggiunteSomme of the database is not Verdimo's";
        QTest::newRow("view") << false << QStringList{"CREATE VIEW Elenco AS SELECT 1"}
                              << "The database holds the view Elenco, which Verdimo does not make";
        QTest::newRow("table of its own")
            << false << QStringList{"CREATE TABLE Extra (x)"}
            << "The database holds the table Extra, which is not one of Verdimo's.";
        QTest::newRow("missing table")
            << false << QStringList{"DROP TABLE Operai"} << "The database has no table Operai.";
        QTest::newRow("missing index") << false << QStringList{"DROP INDEX SchedaData"}
                                       << "The database has no index SchedaData.";
    }

    void shapeOfTheFile()
    {
        QFETCH(bool, opened);
        QFETCH(QStringList, statements);
        QFETCH(QString, refused);
        const QString path = m_env.copyTemplate();
        {
            Database db;
            db.open(path);
            if (opened) {
                SchemaUpgrade::upgrade(db);
                SchemaUpgrade::keepYearSums(db);
            }
            for (const QString &statement : statements)
                db.execute(statement);
        }
        const QString message = refusal(path);
        if (refused.isEmpty())
            QCOMPARE(message, QString());
        else
            QVERIFY2(message.startsWith(refused), qPrintable(message));
    }

    // An index entry changed in place: the page is well formed, but the index no longer
    // matches its table, so a read through it would miss a work.
    void damagedIndexIsFound()
    {
        const QString path = m_env.copyTemplate();
        {
            Database db;
            db.open(path);
            db.execute(QStringLiteral("INSERT INTO Scheda (IDScheda, Data) VALUES "
                                      "(7, '2015-05-03 08:00:00'), (9, '2015-05-04 08:00:00')"));
            db.execute(QStringLiteral("INSERT INTO Opere (IDOpera, IDScheda, OreOrd) VALUES "
                                      "(40, 7, 1), (41, 7, 2), (42, 9, 3), (43, 9, 4)"));
        }
        QCOMPARE(refusal(path), QString());
        // The entry (IDScheda 9, IDOpera 43) becomes (10, 43).
        QVERIFY(corruptIndexEntry(path, QStringLiteral("OpereScheda"),
                                  QByteArray::fromHex("030101092b"), 3, '\x0a'));
        QVERIFY(refusal(path).startsWith(QLatin1String("The database is damaged: ")));
    }

    void oneEntryOfThatName()
    {
        const QString database = m_env.copyTemplate();
        const QString renamed = m_env.path(QStringLiteral("backup verdimo.MDB"));
        QVERIFY(QFile::copy(database, renamed));
        auto archiveOf = [&](const QString &name, const QStringList &files) {
            const QString path = m_env.path(name);
            CZipArchive zip;
            zip.Open(path, CZipArchive::CreateNew, 0);
            for (const QString &file : files)
                zip.AddFile(file, 6, true, 65535);
            zip.Close(false);
            return path;
        };
        const QString entry = QStringLiteral("Backup Verdimo.mdb");
        const QString one = archiveOf(QStringLiteral("one.zip"), {database, renamed});
        const QString twice = archiveOf(QStringLiteral("twice.zip"), {renamed, renamed});
        const QString none = archiveOf(QStringLiteral("none.zip"), {database});

        CZipArchive zip;
        zip.Open(one, CZipArchive::OpenExisting, 0);
        QCOMPARE(FarmFileCheck::singleEntry(zip, entry, one), 1);
        zip.Close(false);
        zip.Open(twice, CZipArchive::OpenExisting, 0);
        try {
            FarmFileCheck::singleEntry(zip, entry, twice);
            QFAIL("an entry found twice was taken");
        } catch (const DbException &e) {
            QVERIFY2(e.message().contains(QLatin1String("more than once")),
                     qPrintable(e.message()));
            QVERIFY(e.message().contains(twice));
        }
        zip.Close(false);
        zip.Open(none, CZipArchive::OpenExisting, 0);
        QVERIFY_THROWS_EXCEPTION(DbException, FarmFileCheck::singleEntry(zip, entry, none));
        zip.Close(false);
    }

    void keptSumsAreForgotten()
    {
        const QString path = m_env.copyTemplate();
        Database db;
        db.open(path);
        // A file without the sums' tables has nothing to forget.
        FarmFileCheck::forgetKeptSums(db);
        SchemaUpgrade::keepYearSums(db);
        db.execute(QStringLiteral("INSERT INTO [Somme Annuali] (Lista, Parametri, Anno, Codice, "
                                  "OreOrd, Totale) VALUES ('Ore Totali Addetti', '', 2015, 1, "
                                  "99999, 99999)"));
        db.execute(QStringLiteral("INSERT INTO [Anni Sommati] (Lista, Parametri, Anno) "
                                  "VALUES ('Ore Totali Addetti', '', 2015)"));
        FarmFileCheck::forgetKeptSums(db);
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM [Somme Annuali]")).toInt(), 0);
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM [Anni Sommati]")).toInt(), 0);
    }
};

QTEST_GUILESS_MAIN(TestFarmFileCheck)
#include "TestFarmFileCheck.moc"
