#include "ArchiveFixtures.h"
#include "FakeProgress.h"
#include "FakePrompter.h"
#include "TestEnvironment.h"
#include "base/SettingsStore.h"
#include "db/Database.h"
#include "db/DbErrorText.h"
#include "db/DbException.h"
#include "db/SchemaUpgrade.h"
#include "exchange/ArchiveDatabase.h"
#include "exchange/CZipArchive.h"
#include "exchange/DataExchange.h"
#include "exchange/ExchangeTemp.h"
#include "exchange/ImportedCards.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <atomic>
#include <sys/time.h>
#include <thread>

using Icon = Prompter::Icon;
using Answer = Prompter::Answer;

namespace {

const QString Password = QStringLiteral("corvo3719");

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

QStringList column(Database &db, const QString &sql, const QVariantList &values = {})
{
    QStringList result;
    QSqlQuery query = db.execute(sql, values);
    while (query.next()) {
        QStringList row;
        for (int i = 0; i < query.record().count(); ++i)
            row << (query.value(i).isNull() ? QStringLiteral("NULL") : query.value(i).toString());
        result << row.join(QLatin1Char('|'));
    }
    return result;
}

// Every row of every table, to compare a database's content before and after.
QStringList dump(const QString &path)
{
    Database db;
    db.open(path);
    QStringList rows;
    const QStringList tables = column(
        db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"));
    for (const QString &table : tables)
        for (const QString &row : column(db, QStringLiteral("SELECT * FROM [%1]").arg(table)))
            rows << table + QLatin1Char(':') + row;
    return rows;
}

int count(Database &db, const QString &table)
{
    return db.scalar(QStringLiteral("SELECT count(*) FROM [%1]").arg(table)).toInt();
}

qint64 addCard(Database &db, const QString &date, const QString &weather)
{
    return db
        .execute(QStringLiteral("INSERT INTO Scheda (Data, Tempo, Fattore, Pioggia, Assenti) "
                                "VALUES (?, ?, 'Mario', 1.5, '')"),
                 {date, weather})
        .lastInsertId()
        .toLongLong();
}

qint64 addWork(Database &db, qint64 card, int worker, double hours, bool withMovement = true)
{
    const qint64 work =
        db.execute(QStringLiteral("INSERT INTO Opere (IDScheda, CodOperaio, OreOrd, Aggiornato, "
                                  "CodOperazione, [Tipo Centro], CodCentro) "
                                  "VALUES (?, ?, ?, 1, 3, 1, 20)"),
                   {card, worker, hours})
            .lastInsertId()
            .toLongLong();
    if (withMovement)
        db.execute(QStringLiteral("INSERT INTO Magazzino (IDOpera, [Codice Articolo], Quantita, "
                                  "Prezzo, Iva, Note, [Tipo Bolla], RifDoc) "
                                  "VALUES (?, 5, ?, 10.0, 0.22, 'note', 2, 'F1')"),
                   {work, hours * 2});
    return work;
}

void addMasterData(Database &db, const QString &suffix)
{
    db.execute(QStringLiteral("INSERT INTO Articoli (Codice, Descrizione, UnMis, [Costo Unitario], "
                              "[Stampa Quaderno]) VALUES (5, ?, 'kg', 2.5, 1)"),
               {QStringLiteral("Rame ") + suffix});
    db.execute(QStringLiteral("INSERT INTO Operai (Codice, Nome, Rapporto, Stipendio) "
                              "VALUES (1, ?, 0, 12.5)"),
               {QStringLiteral("Mario ") + suffix});
    db.execute(QStringLiteral("INSERT INTO Operazioni (Codice, Descrizione) VALUES (3, ?)"),
               {QStringLiteral("Potatura ") + suffix});
    db.execute(QStringLiteral("INSERT INTO Centri (Codice, Descrizione, Campo, Macchina, SupAnno) "
                              "VALUES (20, ?, 1, 0, 4.5)"),
               {QStringLiteral("Vigneto ") + suffix});
    for (int year : {2014, 2015, 2016})
        db.execute(QStringLiteral("INSERT INTO Campi (Codice, Descrizione, Centro, Anno, "
                                  "Superficie, [Località]) VALUES (7, ?, 20, ?, 1.25, 'Colle')"),
                   {QStringLiteral("Campo %1 ").arg(year) + suffix, year});
}

} // namespace

class TestDataExchange : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void exportWritesThePeriodInAnArchive();
    void commandsNeedADatabase_data();
    void commandsNeedADatabase();
    void cancelledDialogsDoNothing();
    void archiveNeverReplacesTheWorkingDatabase_data();
    void archiveNeverReplacesTheWorkingDatabase();
    void importKeepsOrOverwrites_data();
    void importKeepsOrOverwrites();
    void importOfArchiveWithoutCards();
    void importAnswerCancelChangesNothing();
    void failingMergeLeavesTargetUnchanged();
    void badArchivesLeaveDatabaseUntouched_data();
    void badArchivesLeaveDatabaseUntouched();
    void craftedArchivesAreRefused_data();
    void craftedArchivesAreRefused();
    void backupCopiesEveryDataTable();
    void backupWithoutATableWritesNoArchive();
    void exportCarriesOnlyTheWorksOfItsCards();
    void importWaitsForABusyDatabase();
    void staleTemporaryFoldersAreRemoved();
    void saveDialogsStartInTheFolderChosenLast();
    void archiveDatabaseWorkIsBounded();

private:
    // Exports the archive of a second farm whose data differs from the working one.
    QString makeArchive(const QString &period1, const QString &period2, bool withCards = true);
    void useDatabase(const QString &path);
    QStringList tempLeftovers() const;

    std::unique_ptr<TestEnvironment> m_env;
    QString m_working;
    QString m_temp;
};

void TestDataExchange::initTestCase()
{
    m_env = std::make_unique<TestEnvironment>();
}

void TestDataExchange::init()
{
    m_env->clearSettings();
    // Exchange works in the system's temporary folder: point it at a folder of our own.
    m_temp = m_env->path(QStringLiteral("tmp%1").arg(QTest::currentDataTag()).remove(' '));
    QDir(m_temp).removeRecursively();
    QDir().mkpath(m_temp);
    qputenv("TMPDIR", m_temp.toUtf8());
    m_working = m_env->copyTemplate();
    useDatabase(m_working);
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("Directory"),
                               m_env->folder());
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("DataInit"),
                               QStringLiteral("01/03/2015"));
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("DataEnd"),
                               QStringLiteral("10/06/2015"));
}

void TestDataExchange::useDatabase(const QString &path)
{
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("Database"), path);
}

QStringList TestDataExchange::tempLeftovers() const
{
    return QDir(m_temp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

QString TestDataExchange::makeArchive(const QString &period1, const QString &period2,
                                      bool withCards)
{
    const QString farm = m_env->copyTemplate();
    {
        Database db;
        db.open(farm);
        addMasterData(db, QStringLiteral("archive"));
        db.execute(QStringLiteral("INSERT INTO Operai (Codice, Nome, Stipendio) "
                                  "VALUES (2, 'Luca', 9.0)"));
        if (withCards) {
            const qint64 card = addCard(db, QStringLiteral("2015-05-03 08:00:00"), period1);
            addWork(db, card, 1, 6);
            addWork(db, card, 2, 4);
            addWork(db, addCard(db, QStringLiteral("2015-05-04 08:00:00"), period2), 2, 8);
        }
    }
    useDatabase(farm);
    const QString archive = m_env->path(QStringLiteral("farm%1.czp").arg(QTest::currentDataTag()));
    FakePrompter prompter;
    FakeProgress progress;
    prompter.expectSaveFile(archive);
    prompter.expect(Icon::Information, QStringLiteral("Export data completed successfully!"));
    DataExchange(prompter, progress).ExportArchive();
    useDatabase(m_working);
    if (!prompter.verify())
        return {};
    return archive;
}

void TestDataExchange::exportWritesThePeriodInAnArchive()
{
    {
        Database db;
        db.open(m_working);
        for (const char *date : {"2015-02-28 23:59:59", "2015-03-01 00:00:00",
                                 "2015-06-10 23:59:59", "2015-06-11 00:00:00"})
            addWork(db, addCard(db, QString::fromLatin1(date), QStringLiteral("sole")), 1, 2);
        addMasterData(db, QStringLiteral("w"));
    }
    // A file left behind by an interrupted run must not get in the way.
    QFile stale(m_temp + QStringLiteral("/TellanTemp.mdb"));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("stale");
    stale.close();

    FakePrompter prompter;
    FakeProgress progress;
    prompter.expectSaveFile(m_env->path(QStringLiteral("export")));
    prompter.expect(Icon::Information, QStringLiteral("Export data completed successfully!"));
    QCOMPARE(DataExchange(prompter, progress).ExportArchive(), DataExchange::Outcome::Done);
    QVERIFY(prompter.verify());
    QCOMPARE(tempLeftovers(), QStringList{QStringLiteral("TellanTemp.mdb")});
    QCOMPARE(fileHash(stale.fileName()),
             QCryptographicHash::hash("stale", QCryptographicHash::Sha256));

    const QString archive = m_env->path(QStringLiteral("export.czp"));
    CZipArchive zip;
    zip.Open(archive, CZipArchive::OpenExisting, 0);
    QCOMPARE(zip.entryCount(), 1);
    QCOMPARE(zip.entry(0).name(), QStringLiteral("TellanTemp.mdb"));
    QCOMPARE(zip.entry(0).flag, quint16(0x000B));
    QVERIFY(zip.SetPassword(Password));
    QTemporaryDir out;
    QVERIFY(zip.ExtractEntry(0, out.path(), true, 65535));
    zip.Close(false);

    Database db;
    db.open(out.filePath(QStringLiteral("TellanTemp.mdb")));
    QCOMPARE(column(db, QStringLiteral("SELECT Data FROM Scheda ORDER BY Data")),
             (QStringList{"2015-03-01 00:00:00", "2015-06-10 23:59:59"}));
    QCOMPARE(column(db, QStringLiteral("SELECT Anno FROM Campi")), QStringList{"2015"});
    // Only the works and movements of the exported cards travel.
    QCOMPARE(count(db, QStringLiteral("Opere")), 2);
    QCOMPARE(count(db, QStringLiteral("Magazzino")), 2);
    QCOMPARE(count(db, QStringLiteral("Articoli")), 1);
    // A real database of the program: its keys, indexes and stored queries.
    QVERIFY(count(db, QStringLiteral("QueryDefs")) > 0);
    QVERIFY(db.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index' "
                                     "AND name = 'SchedaData'"))
                .toInt() == 1);
}

void TestDataExchange::commandsNeedADatabase_data()
{
    QTest::addColumn<int>("command");
    QTest::newRow("export") << 0;
    QTest::newRow("import") << 1;
    QTest::newRow("backup") << 2;
}

void TestDataExchange::commandsNeedADatabase()
{
    QFETCH(int, command);
    useDatabase({});
    FakePrompter prompter;
    FakeProgress progress;
    prompter.expect(Icon::Error, QStringLiteral("Database not loaded!"));
    DataExchange exchange(prompter, progress);
    const DataExchange::Outcome outcome = command == 0   ? exchange.ExportArchive()
                                          : command == 1 ? exchange.ImportArchive()
                                                         : exchange.BackupDatabase();
    QCOMPARE(outcome, DataExchange::Outcome::Failed);
    QVERIFY(prompter.verify());
}

void TestDataExchange::cancelledDialogsDoNothing()
{
    FakePrompter prompter;
    FakeProgress progress;
    prompter.expectSaveFile({});
    prompter.expectOpenFile({});
    prompter.expectSaveFile({});
    DataExchange exchange(prompter, progress);
    QCOMPARE(exchange.ExportArchive(), DataExchange::Outcome::Cancelled);
    QCOMPARE(exchange.ImportArchive(), DataExchange::Outcome::Cancelled);
    QCOMPARE(exchange.BackupDatabase(), DataExchange::Outcome::Cancelled);
    QVERIFY(prompter.verify());
    QVERIFY(tempLeftovers().isEmpty());
    // The import proposes the same name as the export.
    QCOMPARE(prompter.suggestedNames(), QStringList({"Verdimo", "Verdimo", "Backup Verdimo"}));
}

void TestDataExchange::archiveNeverReplacesTheWorkingDatabase_data()
{
    QTest::addColumn<bool>("backup");
    QTest::newRow("export") << false;
    QTest::newRow("backup") << true;
}

void TestDataExchange::archiveNeverReplacesTheWorkingDatabase()
{
    QFETCH(bool, backup);
    const QByteArray before = fileHash(m_working);
    FakePrompter prompter;
    FakeProgress progress;
    prompter.expectSaveFile(m_working);
    prompter.expect(Icon::Error, QStringLiteral("Unable to store!"));
    DataExchange exchange(prompter, progress);
    QCOMPARE(backup ? exchange.BackupDatabase() : exchange.ExportArchive(),
             DataExchange::Outcome::Failed);
    QVERIFY(prompter.verify());
    QCOMPARE(fileHash(m_working), before);
    QVERIFY(tempLeftovers().isEmpty());
}

void TestDataExchange::importKeepsOrOverwrites_data()
{
    QTest::addColumn<bool>("overwrite");
    QTest::newRow("keep") << false;
    QTest::newRow("overwrite") << true;
}

void TestDataExchange::importKeepsOrOverwrites()
{
    QFETCH(bool, overwrite);
    qint64 existingCard = 0;
    {
        Database db;
        db.open(m_working);
        addMasterData(db, QStringLiteral("work"));
        existingCard = addCard(db, QStringLiteral("2015-05-03 17:30:00"), QStringLiteral("old"));
        addWork(db, existingCard, 1, 1);
        addWork(db, existingCard, 1, 2, false);
        addWork(db, addCard(db, QStringLiteral("2015-05-20 08:00:00"), QStringLiteral("other")), 1,
                3);
    }
    const QString archive = makeArchive(QStringLiteral("new"), QStringLiteral("next"));
    QVERIFY(!archive.isEmpty());

    FakePrompter prompter;
    FakeProgress progress;
    prompter.expectOpenFile(archive);
    prompter.expect(Icon::Question, QStringLiteral("Do you want to overwrite existing data?"),
                    overwrite ? Answer::Yes : Answer::No);
    prompter.expect(Icon::Information, QStringLiteral("Import data completed successfully!"));
    DataExchange exchange(prompter, progress);
    int messagesBeforeReload = -1;
    exchange.setReloadViews([&] { messagesBeforeReload = int(prompter.shown().size()); });
    // What the import brought is shown after its success message.
    int messagesBeforeShown = -1;
    ImportedCards shown;
    exchange.setShowImported([&](const ImportedCards &cards) {
        messagesBeforeShown = int(prompter.shown().size());
        shown = cards;
    });
    QCOMPARE(exchange.ImportArchive(), DataExchange::Outcome::Done);
    QVERIFY(prompter.verify());
    QCOMPARE(messagesBeforeReload, 1); // the views reload before the success message
    QCOMPARE(messagesBeforeShown, 2);
    QCOMPARE(shown.first, QDate(2015, 5, 3));
    QCOMPARE(shown.last, QDate(2015, 5, 4));
    QVERIFY(tempLeftovers().isEmpty());

    QCOMPARE(progress.texts[0].first(), QStringLiteral("Import forms"));
    QCOMPARE(progress.texts[1].first(), QStringLiteral("Awaiting instruction"));
    QVERIFY(progress.texts[0].contains(QStringLiteral("Importing form of 05/03/2015")));
    QCOMPARE(progress.texts[0].last(), QStringLiteral("Importing form of 05/04/2015"));
    QCOMPARE(progress.maxima[0], 2);
    QCOMPARE(progress.values[0], 2);
    QVERIFY(progress.texts[1].contains(QStringLiteral("Importing item Rame archive")));
    QVERIFY(progress.texts[1].contains(QStringLiteral("Importing field Campo 2015 archive")));
    QVERIFY(progress.texts[1].contains(QStringLiteral("Importing center Vigneto archive")));
    QVERIFY(progress.texts[1].contains(QStringLiteral("Importing worker Luca")));
    QCOMPARE(progress.texts[1].last(), QStringLiteral("Importing operation Potatura archive"));

    Database db;
    db.open(m_working);
    // The card of 4 May is new in both modes.
    QCOMPARE(column(db, QStringLiteral("SELECT Tempo FROM Scheda ORDER BY Data")),
             overwrite ? (QStringList{"new", "next", "other"})
                       : (QStringList{"old", "next", "other"}));
    QCOMPARE(
        column(db, QStringLiteral("SELECT Data FROM Scheda WHERE IDScheda = ?"), {existingCard}),
        overwrite ? QStringList{"2015-05-03 08:00:00"} : QStringList{"2015-05-03 17:30:00"});
    QCOMPARE(column(db,
                    QStringLiteral("SELECT CodOperaio, OreOrd FROM Opere WHERE IDScheda = ? "
                                   "ORDER BY IDOpera"),
                    {existingCard}),
             overwrite ? (QStringList{"1|6", "2|4"}) : (QStringList{"1|1", "1|2"}));
    // Imported movements follow their new works; VAT and note keep the target's defaults.
    QCOMPARE(column(db, QStringLiteral("SELECT o.OreOrd, m.Quantita, m.Iva, m.Note, m.RifDoc "
                                       "FROM Magazzino m JOIN Opere o ON o.IDOpera = m.IDOpera "
                                       "JOIN Scheda s ON s.IDScheda = o.IDScheda "
                                       "WHERE s.Tempo <> 'other' ORDER BY m.IDBolla")),
             overwrite ? (QStringList{"6|12|NULL|NULL|F1", "4|8|NULL|NULL|F1", "8|16|NULL|NULL|F1"})
                       : (QStringList{"1|2|0.22|note|F1", "8|16|NULL|NULL|F1"}));
    QCOMPARE(count(db, QStringLiteral("Opere")), overwrite ? 4 : 4);
    QCOMPARE(
        column(db, QStringLiteral("SELECT Codice, Nome, Stipendio FROM Operai ORDER BY Codice")),
        overwrite ? (QStringList{"1|Mario archive|12.5", "2|Luca|NULL"})
                  : (QStringList{"1|Mario work|12.5", "2|Luca|NULL"}));
    QCOMPARE(column(db, QStringLiteral("SELECT Descrizione, [Stampa Quaderno] FROM Articoli")),
             QStringList{overwrite ? "Rame archive|1" : "Rame work|1"});
    // Fields match on code and year: the other years of the working farm stay as they were.
    QCOMPARE(column(db, QStringLiteral("SELECT Anno, Descrizione FROM Campi ORDER BY Anno")),
             overwrite ? (QStringList{"2014|Campo 2014 work", "2015|Campo 2015 archive",
                                      "2016|Campo 2016 work"})
                       : (QStringList{"2014|Campo 2014 work", "2015|Campo 2015 work",
                                      "2016|Campo 2016 work"}));
}

void TestDataExchange::importOfArchiveWithoutCards()
{
    const QString archive = makeArchive({}, {}, false);
    QVERIFY(!archive.isEmpty());
    FakePrompter prompter;
    FakeProgress progress;
    prompter.expectOpenFile(archive);
    prompter.expect(Icon::Question, QStringLiteral("Do you want to overwrite existing data?"),
                    Answer::No);
    prompter.expect(Icon::Information, QStringLiteral("Import data completed successfully!"));
    QCOMPARE(DataExchange(prompter, progress).ImportArchive(), DataExchange::Outcome::Done);
    QVERIFY(prompter.verify());
    QCOMPARE(progress.maxima[0], 100);
    QCOMPARE(progress.values[0], 100);
    QCOMPARE(progress.texts[0], QStringList{"Import forms"});
    Database db;
    db.open(m_working);
    QCOMPARE(count(db, QStringLiteral("Scheda")), 0);
    QCOMPARE(count(db, QStringLiteral("Operai")), 2);
    QCOMPARE(count(db, QStringLiteral("Campi")), 1);
}

void TestDataExchange::importAnswerCancelChangesNothing()
{
    const QString archive = makeArchive(QStringLiteral("new"), QStringLiteral("next"));
    const QByteArray before = fileHash(m_working);
    FakePrompter prompter;
    FakeProgress progress;
    prompter.expectOpenFile(archive);
    prompter.expect(Icon::Question, QStringLiteral("Do you want to overwrite existing data?"),
                    Answer::Cancel);
    QCOMPARE(DataExchange(prompter, progress).ImportArchive(), DataExchange::Outcome::Cancelled);
    QVERIFY(prompter.verify());
    QCOMPARE(fileHash(m_working), before);
    QVERIFY(tempLeftovers().isEmpty());
}

void TestDataExchange::failingMergeLeavesTargetUnchanged()
{
    const QString archive = makeArchive(QStringLiteral("new"), QStringLiteral("next"));
    {
        // The workers phase comes after the cards: the engine refuses there.
        Database db;
        db.open(m_working);
        db.execute(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Operai "
                                  "BEGIN SELECT RAISE(ABORT, 'workers are locked'); END"));
    }
    const QStringList before = dump(m_working);
    QVERIFY(before.size() > 10);
    FakePrompter prompter;
    FakeProgress progress;
    prompter.expectOpenFile(archive);
    prompter.expect(Icon::Question, QStringLiteral("Do you want to overwrite existing data?"),
                    Answer::Yes);
    // The kind's sentence about the working farm, then the engine's own words.
    prompter.expect(Icon::Error, DbErrorText::describe(
                                     DbException(QStringLiteral("workers are locked")), m_working));
    prompter.expect(Icon::Error,
                    QStringLiteral("Nothing was imported: the working database is unchanged."));
    QList<bool> shown;
    DataExchange exchange(prompter, progress);
    exchange.setShowProgress([&](bool show) { shown << show; });
    bool reloaded = false;
    exchange.setReloadViews([&] { reloaded = true; });
    QCOMPARE(exchange.ImportArchive(), DataExchange::Outcome::Failed);
    QVERIFY(prompter.verify());
    QVERIFY(!reloaded);
    QCOMPARE(shown, (QList<bool>{true, false}));
    QVERIFY(progress.texts[1].contains(QStringLiteral("Importing worker Mario archive")));
    QCOMPARE(dump(m_working), before);
    QVERIFY(tempLeftovers().isEmpty());
}

void TestDataExchange::badArchivesLeaveDatabaseUntouched_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("not an archive") << "text"
                                    << "The archive %1 is not a ZIP archive or is truncated.";
    QTest::newRow("truncated") << "truncated"
                               << "The archive %1 is not a ZIP archive or is truncated.";
    QTest::newRow("damaged") << "damaged"
                             << "The archive %1 is damaged or is not a ZIP archive.";
    QTest::newRow("wrong password") << "password"
                                    << "Wrong password for the archive %1.";
    QTest::newRow("missing") << "missing"
                             << "Cannot read or write the file %1.\nNo such file or directory";
    QTest::newRow("empty archive") << "empty"
                                   << "Unable to check out!";
    QTest::newRow("other name") << "name"
                                << "Unable to check out!";
    QTest::newRow("not a database") << "notdb"
                                    << "Database not compatible for the Verdimo software!";
    QTest::newRow("other database") << "otherdb"
                                    << "Database not compatible for the Verdimo software!";
    QTest::newRow("endless view") << "view"
                                  << "Database not compatible for the Verdimo software!";
    QTest::newRow("trigger") << "trigger"
                             << "Database not compatible for the Verdimo software!";
    QTest::newRow("declared 4 GiB") << "bomb"
                                    << "The archive %1 holds an entry too large to be extracted.";
}

void TestDataExchange::badArchivesLeaveDatabaseUntouched()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    const QString archive = m_env->path(QStringLiteral("bad-%1.czp").arg(kind));
    const QString staging = m_env->path(QStringLiteral("staging-") + kind);
    QDir().mkpath(staging);
    QString entry = staging + QStringLiteral("/TellanTemp.mdb");
    QString password = Password;
    if (kind == QLatin1String("notdb") || kind == QLatin1String("text")) {
        QFile file(kind == QLatin1String("text") ? archive : entry);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(5000, 'z'));
    } else if (kind == QLatin1String("otherdb")) {
        Database::create(entry);
        Database db;
        db.open(entry);
        db.execute(QStringLiteral("CREATE TABLE Scheda (Data TEXT)"));
    } else if (kind == QLatin1String("view") || kind == QLatin1String("trigger")) {
        QFile::copy(m_env->copyTemplate(), entry);
        Database db;
        db.open(entry);
        if (kind == QLatin1String("view")) {
            // Counting its rows never ends.
            db.execute(QStringLiteral("DROP TABLE Scheda"));
            db.execute(QStringLiteral(
                "CREATE VIEW Scheda AS WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL SELECT n + 1 "
                "FROM r) SELECT n AS IDScheda, '' AS Assenti, '2015-05-03 08:00:00' AS Data, "
                "'' AS Fattore, '' AS Ferie, '' AS Infortunio, '' AS Malattia, '' AS Permesso, "
                "0 AS Pioggia, 0 AS TempMax, 0 AS TempMin, '' AS Tempo, '' AS Vento FROM r"));
        } else {
            db.execute(QStringLiteral("CREATE TRIGGER spread AFTER INSERT ON Operai "
                                      "BEGIN DELETE FROM Articoli; END"));
        }
    } else if (kind == QLatin1String("name")) {
        entry = staging + QStringLiteral("/Other.mdb");
        QFile::copy(m_env->copyTemplate(), entry);
    } else {
        QFile::copy(m_env->copyTemplate(), entry);
    }
    if (kind == QLatin1String("password"))
        password = QStringLiteral("guess");
    if (kind != QLatin1String("text") && kind != QLatin1String("missing")) {
        CZipArchive zip;
        zip.Open(archive, CZipArchive::CreateNew, 0);
        zip.SetPassword(password);
        if (kind != QLatin1String("empty"))
            QVERIFY(zip.AddFile(entry, 9, true, 65535));
        zip.Close(false);
    }
    if (kind == QLatin1String("bomb")) {
        // A small archive whose entry claims almost 4 GiB.
        QFile file(archive);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray raw = file.readAll();
        const qsizetype central = qFromLittleEndian<quint32>(raw.constData() + raw.size() - 6);
        qToLittleEndian<quint32>(0xFFFFFFF0, raw.data() + central + 24);
        file.seek(0);
        file.write(raw);
    }
    if (kind == QLatin1String("truncated") || kind == QLatin1String("damaged")) {
        QFile file(archive);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray raw = file.readAll();
        if (kind == QLatin1String("truncated"))
            raw.truncate(raw.size() / 2);
        else
            raw[0] = 'Q'; // the local header's signature
        file.resize(0);
        file.seek(0);
        file.write(raw);
    }

    const QByteArray before = fileHash(m_working);
    FakePrompter prompter;
    FakeProgress progress;
    prompter.expectOpenFile(archive);
    prompter.expect(Icon::Error,
                    message.contains(QLatin1String("%1")) ? message.arg(archive) : message);
    prompter.expect(Icon::Error,
                    QStringLiteral("Nothing was imported: the working database is unchanged."));
    QCOMPARE(DataExchange(prompter, progress).ImportArchive(), DataExchange::Outcome::Failed);
    QVERIFY(prompter.verify());
    QCOMPARE(fileHash(m_working), before);
    QVERIFY(tempLeftovers().isEmpty());
}

void TestDataExchange::craftedArchivesAreRefused_data()
{
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<QString>("refused"); // the start of the message; empty: imported

    const QString value = QStringLiteral("The archive's table %1 holds an impossible value in the "
                                         "row %2, column %3: %4 (");
    QTest::newRow("good archive with forged sums")
        << QStringList{"CREATE TABLE [Somme Annuali] (Lista TEXT NOT NULL, Parametri TEXT NOT "
                       "NULL, Anno INTEGER NOT NULL, Codice INTEGER NOT NULL, OreOrd REAL, OreStr "
                       "REAL, OreFest REAL, Totale REAL)",
                       "INSERT INTO [Somme Annuali] VALUES ('Ore Totali Addetti', '', 2015, 1, "
                       "99999, 0, 0, 99999)"}
        << QString();
    QTest::newRow("wrong columns") << QStringList{"ALTER TABLE Opere ADD COLUMN Extra TEXT"}
                                   << "The table Opere of the database has the columns";
    QTest::newRow("check constraint")
        << QStringList{"DROP TABLE Operazioni",
                       "CREATE TABLE Operazioni (Codice INTEGER, Descrizione TEXT, "
                       "CHECK (length(Descrizione) < 100))",
                       "CREATE INDEX OperazioniCodice ON Operazioni (Codice)"}
        << "The table Operazioni of the database has a constraint or key of its own";
    QTest::newRow("damaged index") << QStringList{"damage"} << "The database is damaged: ";
    QTest::newRow("month 13") << QStringList{"UPDATE Scheda SET Data = '2025-13-45 08:00:00' "
                                             "WHERE IDScheda = 9"}
                              << value.arg("Scheda", "IDScheda 9", "Data",
                                           "\"2025-13-45 08:00:00\"");
    QTest::newRow("day first") << QStringList{"UPDATE Scheda SET Data = '15/06/2025' "
                                              "WHERE IDScheda = 9"}
                               << value.arg("Scheda", "IDScheda 9", "Data", "\"15/06/2025\"");
    QTest::newRow("date as number")
        << QStringList{"UPDATE Scheda SET Data = 20250615 WHERE IDScheda = 9"}
        << value.arg("Scheda", "IDScheda 9", "Data", "\"20250615\"");
    QTest::newRow("no date") << QStringList{"UPDATE Scheda SET Data = NULL WHERE IDScheda = 7"}
                             << value.arg("Scheda", "IDScheda 7", "Data", "NULL");
    QTest::newRow("negative hours")
        << QStringList{"UPDATE Opere SET OreOrd = -500 WHERE IDOpera = 43"}
        << value.arg("Opere", "IDOpera 43", "OreOrd", "-500");
    QTest::newRow("endless hours")
        << QStringList{"UPDATE Opere SET OreStr = 1e300 WHERE IDOpera = 43"}
        << value.arg("Opere", "IDOpera 43", "OreStr", "1.0000000000000001e+300");
    QTest::newRow("hours as text")
        << QStringList{"UPDATE Opere SET OreFest = 'abc' WHERE IDOpera = 40"}
        << value.arg("Opere", "IDOpera 40", "OreFest", "\"abc\"");
    QTest::newRow("worker code as name")
        << QStringList{"UPDATE Opere SET CodOperaio = 'Mario' WHERE IDOpera = 41"}
        << value.arg("Opere", "IDOpera 41", "CodOperaio", "\"Mario\"");
    QTest::newRow("registry code as name")
        << QStringList{"UPDATE Operai SET Codice = 'Mario' WHERE Codice = 2"}
        << value.arg("Operai", "rowid 2", "Codice", "\"Mario\"");
    QTest::newRow("name of 1 MB")
        << QStringList{"UPDATE Operai SET Nome = printf('%.*c', 1048576, 'x') WHERE Codice = 1"}
        << value.arg("Operai", "rowid 1", "Nome",
                     "\"" + QString(40, QLatin1Char('x')) + "…\" (1048576 characters)");
}

// Archives made by hand from a sound farm: each flaw refuses the whole archive before anything
// is written.
void TestDataExchange::craftedArchivesAreRefused()
{
    QFETCH(QStringList, statements);
    QFETCH(QString, refused);
    const QString staging = m_env->path(QStringLiteral("crafted-%1").arg(QTest::currentDataTag()));
    QDir().mkpath(staging);
    const QString entry = staging + QStringLiteral("/TellanTemp.mdb");
    QVERIFY(QFile::copy(m_env->copyTemplate(), entry));
    {
        Database db;
        db.open(entry);
        addMasterData(db, QStringLiteral("archive"));
        db.execute(QStringLiteral("INSERT INTO Operai (Codice, Nome) VALUES (2, 'Luca')"));
        db.execute(QStringLiteral("INSERT INTO Scheda (IDScheda, Data, Tempo) VALUES "
                                  "(7, '2015-05-03 08:00:00', 'a'), (9, '2015-05-04 08:00:00', "
                                  "'b')"));
        db.execute(QStringLiteral("INSERT INTO Opere (IDOpera, IDScheda, CodOperaio, OreOrd) "
                                  "VALUES (40, 7, 1, 1), (41, 7, 2, 2), (42, 9, 1, 3), "
                                  "(43, 9, 2, 4)"));
        for (const QString &statement : statements)
            if (statement != QLatin1String("damage"))
                db.execute(statement);
    }
    // The index entry of work 43 moves from card 9 to card 10: a read of card 9's works
    // through the index would miss it.
    if (statements.contains(QStringLiteral("damage")))
        QVERIFY(corruptIndexEntry(entry, QStringLiteral("OpereScheda"),
                                  QByteArray::fromHex("030101092b"), 3, '\x0a'));
    const QString archive =
        m_env->path(QStringLiteral("crafted-%1.czp").arg(QTest::currentDataTag()));
    {
        CZipArchive zip;
        zip.Open(archive, CZipArchive::CreateNew, 0);
        zip.SetPassword(Password);
        QVERIFY(zip.AddFile(entry, 9, true, 65535));
        zip.Close(false);
    }
    {
        Database db;
        db.open(m_working);
        SchemaUpgrade::keepYearSums(db);
    }
    const QStringList before = dump(m_working);

    FakePrompter prompter;
    FakeProgress progress;
    prompter.expectOpenFile(archive);
    if (refused.isEmpty()) {
        prompter.expect(Icon::Question, QStringLiteral("Do you want to overwrite existing data?"),
                        Answer::No);
        prompter.expect(Icon::Information, QStringLiteral("Import data completed successfully!"));
    } else {
        prompter.expectContaining(
            Icon::Error,
            QStringLiteral("The archive %1 cannot be imported: %2").arg(archive, refused));
        prompter.expect(Icon::Error,
                        QStringLiteral("Nothing was imported: the working database is unchanged."));
    }
    const DataExchange::Outcome outcome = DataExchange(prompter, progress).ImportArchive();
    QVERIFY(prompter.verify());
    QVERIFY(tempLeftovers().isEmpty());
    if (!refused.isEmpty()) {
        QCOMPARE(outcome, DataExchange::Outcome::Failed);
        QCOMPARE(dump(m_working), before);
        return;
    }
    QCOMPARE(outcome, DataExchange::Outcome::Done);
    Database db;
    db.open(m_working);
    QCOMPARE(count(db, QStringLiteral("Opere")), 4);
    QCOMPARE(count(db, QStringLiteral("Somme Annuali")), 0);
}

void TestDataExchange::backupCopiesEveryDataTable()
{
    {
        Database db;
        db.open(m_working);
        addMasterData(db, QStringLiteral("w"));
        addWork(db, addCard(db, QStringLiteral("2013-01-01 08:00:00"), QStringLiteral("old")), 1,
                2);
        db.execute(QStringLiteral("INSERT INTO Descrizioni (Codice, Descrizione) VALUES (1, 'd')"));
        db.execute(QStringLiteral("INSERT INTO [Prima Nota] (Data, Descrizione, Importo) "
                                  "VALUES ('2015-01-01 00:00:00', 'x', 3.5)"));
        db.execute(QStringLiteral("INSERT INTO Totali (Codice, Descrizione) VALUES (1, 'work')"));
    }
    const QString archive = m_env->path(QStringLiteral("my backup.zip"));
    FakePrompter prompter;
    FakeProgress progress;
    prompter.expectSaveFile(archive);
    prompter.expect(Icon::Information, QStringLiteral("Backup completed successfully!"));
    QCOMPARE(DataExchange(prompter, progress).BackupDatabase(), DataExchange::Outcome::Done);
    QVERIFY(prompter.verify());
    QVERIFY(tempLeftovers().isEmpty());

    CZipArchive zip;
    zip.Open(archive, CZipArchive::OpenExisting, 0);
    QCOMPARE(zip.entryCount(), 1);
    QCOMPARE(zip.entry(0).name(), QStringLiteral("Backup Verdimo.mdb"));
    QCOMPARE(zip.entry(0).flag, quint16(0x0002));
    QTemporaryDir out;
    QVERIFY(zip.ExtractEntry(0, out.path(), true, 65535));
    Database db;
    db.open(out.filePath(QStringLiteral("Backup Verdimo.mdb")));
    for (const char *table : {"Scheda", "Opere", "Magazzino", "Articoli", "Operai", "Operazioni",
                              "Centri", "Descrizioni", "Prima Nota"})
        QVERIFY2(count(db, QString::fromLatin1(table)) == 1, table);
    QCOMPARE(count(db, QStringLiteral("Campi")), 3);
    QCOMPARE(count(db, QStringLiteral("Totali")), 0);
    QCOMPARE(column(db, QStringLiteral("SELECT Importo FROM [Prima Nota]")), QStringList{"3.5"});
}

void TestDataExchange::backupWithoutATableWritesNoArchive()
{
    {
        Database db;
        db.open(m_working);
        db.execute(QStringLiteral("DROP TABLE [Prima Nota]"));
    }
    const QString archive = m_env->path(QStringLiteral("nothing.zip"));
    FakePrompter prompter;
    FakeProgress progress;
    prompter.expectSaveFile(archive);
    prompter.expectContaining(Icon::Error, QStringLiteral("no such table: work.Prima Nota"));
    DataExchange exchange(prompter, progress);
    exchange.setTemplatePath(TestEnvironment::templatePath());
    QCOMPARE(exchange.BackupDatabase(), DataExchange::Outcome::Failed);
    QVERIFY(prompter.verify());
    QVERIFY(!QFileInfo::exists(archive));
    QVERIFY(tempLeftovers().isEmpty());
}

// The cards of a year with their works and movements, as the user sees them.
static QStringList cardsOfYear(Database &db, int year)
{
    return column(db,
                  QStringLiteral("SELECT s.Data, s.Tempo, o.CodOperaio, o.OreOrd, m.Quantita "
                                 "FROM Scheda s JOIN Opere o ON o.IDScheda = s.IDScheda "
                                 "JOIN Magazzino m ON m.IDOpera = o.IDOpera "
                                 "WHERE s.Data LIKE ? ORDER BY s.Data, o.OreOrd"),
                  {QStringLiteral("%1-%").arg(year)});
}

void TestDataExchange::exportCarriesOnlyTheWorksOfItsCards()
{
    const QString farm = m_env->copyTemplate();
    {
        Database db;
        db.open(farm);
        addMasterData(db, QStringLiteral("farm"));
        for (int year : {2014, 2015}) {
            for (int month : {3, 9}) {
                const QString date = QStringLiteral("%1-%2-10 08:00:00")
                                         .arg(year)
                                         .arg(month, 2, 10, QLatin1Char('0'));
                const qint64 card = addCard(db, date, QStringLiteral("y%1").arg(year));
                addWork(db, card, 1, month);
                addWork(db, card, 1, month + 1);
            }
        }
        // A pending work of a card being inserted belongs to no exported card.
        addWork(db, 0, 1, 7);
    }
    useDatabase(farm);
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("DataInit"),
                               QStringLiteral("01/01/2015"));
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("DataEnd"),
                               QStringLiteral("31/12/2015"));
    const QString archive = m_env->path(QStringLiteral("year.czp"));
    FakePrompter prompter;
    FakeProgress progress;
    prompter.expectSaveFile(archive);
    prompter.expect(Icon::Information, QStringLiteral("Export data completed successfully!"));
    QCOMPARE(DataExchange(prompter, progress).ExportArchive(), DataExchange::Outcome::Done);

    CZipArchive zip;
    zip.Open(archive, CZipArchive::OpenExisting, 0);
    QVERIFY(zip.SetPassword(Password));
    QTemporaryDir out;
    QVERIFY(zip.ExtractEntry(0, out.path(), true, 65535));
    zip.Close(false);
    {
        Database packed;
        packed.open(out.filePath(QStringLiteral("TellanTemp.mdb")));
        QCOMPARE(count(packed, QStringLiteral("Opere")), 4);
        QCOMPARE(count(packed, QStringLiteral("Magazzino")), 4);
        QCOMPARE(column(packed, QStringLiteral("SELECT DISTINCT s.Tempo FROM Opere o "
                                               "JOIN Scheda s ON s.IDScheda = o.IDScheda")),
                 QStringList{"y2015"});
    }

    // Imported into an empty farm, the year arrives whole.
    useDatabase(m_working);
    prompter.expectOpenFile(archive);
    prompter.expect(Icon::Question, QStringLiteral("Do you want to overwrite existing data?"),
                    Answer::No);
    prompter.expect(Icon::Information, QStringLiteral("Import data completed successfully!"));
    QCOMPARE(DataExchange(prompter, progress).ImportArchive(), DataExchange::Outcome::Done);
    QVERIFY(prompter.verify());
    Database source;
    source.open(farm);
    Database target;
    target.open(m_working);
    QCOMPARE(cardsOfYear(target, 2015), cardsOfYear(source, 2015));
    QCOMPARE(cardsOfYear(target, 2015).size(), 4);
    QCOMPARE(count(target, QStringLiteral("Opere")), 4);
}

void TestDataExchange::importWaitsForABusyDatabase()
{
    const QString archive = makeArchive(QStringLiteral("new"), QStringLiteral("next"));
    QVERIFY(!archive.isEmpty());
    // Another program writes to the working database for a moment while the import starts.
    std::atomic<bool> locked = false;
    std::atomic<bool> written = false;
    std::thread other([&] {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                        QStringLiteral("other program"));
            db.setDatabaseName(m_working);
            if (db.open()) {
                QSqlQuery query(db);
                written = query.exec(QStringLiteral("BEGIN IMMEDIATE")) &&
                          query.exec(QStringLiteral("INSERT INTO Operazioni (Codice, "
                                                    "Descrizione) VALUES (99, 'other')"));
                locked = true;
                std::this_thread::sleep_for(std::chrono::milliseconds(700));
                written = written && query.exec(QStringLiteral("COMMIT"));
            }
            locked = true;
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other program"));
    });
    while (!locked)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));

    FakePrompter prompter;
    FakeProgress progress;
    prompter.expectOpenFile(archive);
    prompter.expect(Icon::Question, QStringLiteral("Do you want to overwrite existing data?"),
                    Answer::No);
    prompter.expect(Icon::Information, QStringLiteral("Import data completed successfully!"));
    const DataExchange::Outcome outcome = DataExchange(prompter, progress).ImportArchive();
    other.join();
    QVERIFY(written);
    QCOMPARE(outcome, DataExchange::Outcome::Done);
    QVERIFY(prompter.verify());
    Database db;
    db.open(m_working);
    QCOMPARE(count(db, QStringLiteral("Scheda")), 2);
    QCOMPARE(column(db, QStringLiteral("SELECT Descrizione FROM Operazioni WHERE Codice = 99")),
             QStringList{"other"});
}

void TestDataExchange::staleTemporaryFoldersAreRemoved()
{
    // A process that has ended.
    QProcess ended;
    ended.start(QStringLiteral("true"));
    QVERIFY(ended.waitForStarted());
    const qint64 endedPid = ended.processId();
    QVERIFY(ended.waitForFinished());

    const qint64 self = QCoreApplication::applicationPid();
    auto folder = [this](qint64 pid, const char *tail) {
        const QString path = QStringLiteral("%1/verdimo-%2-%3").arg(m_temp).arg(pid).arg(tail);
        QDir().mkpath(path + QStringLiteral("/inner"));
        QFile file(path + QStringLiteral("/TellanTemp.mdb"));
        file.open(QIODevice::WriteOnly);
        return path;
    };
    folder(endedPid, "killed");
    folder(self, "running");
    folder(1, "recent");
    const QString old = folder(1, "old");
    const timeval twoDaysAgo[2] = {{time(nullptr) - 2 * 86400, 0}, {time(nullptr) - 2 * 86400, 0}};
    QCOMPARE(::utimes(QFile::encodeName(old).constData(), twoDaysAgo), 0);
    QDir().mkpath(m_temp + QStringLiteral("/verdimo-notes"));

    QCOMPARE(ExchangeTemp::removeStale(), 2);
    QStringList left = tempLeftovers();
    left.sort();
    QCOMPARE(left, (QStringList{QStringLiteral("verdimo-1-recent"),
                                QStringLiteral("verdimo-%1-running").arg(self),
                                QStringLiteral("verdimo-notes")}));
    // The exchange commands name their folders so that this finds them.
    QVERIFY(ExchangeTemp::folderTemplate().startsWith(
        QStringLiteral("%1/verdimo-%2-").arg(QDir::tempPath()).arg(self)));
}

void TestDataExchange::archiveDatabaseWorkIsBounded()
{
    ArchiveDatabase archive;
    archive.open(m_env->copyTemplate());
    QVERIFY(!archive.workExhausted());
    QVERIFY(archive.database().scalar(QStringLiteral("SELECT count(*) FROM Scheda")).isValid());
    try {
        archive.database().execute(
            QStringLiteral("WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM r) "
                           "SELECT count(*) FROM r"));
        QFAIL("an endless query ran to its end");
    } catch (const DbException &) {
    }
    QVERIFY(archive.workExhausted());
    // Nothing in it can be changed.
    ArchiveDatabase again;
    again.open(m_env->copyTemplate());
    QVERIFY_THROWS_EXCEPTION(DbException, again.database().execute(QStringLiteral(
                                              "INSERT INTO Operai (Codice) VALUES (1)")));
}

QTEST_GUILESS_MAIN(TestDataExchange)
// The export and backup dialogs start where the user saved last, whatever the Directory
// setting names, and the import's choice of an archive counts as well.
void TestDataExchange::saveDialogsStartInTheFolderChosenLast()
{
    class FolderPrompter : public FakePrompter
    {
    public:
        QStringList folders;
        QString saveFileName(const QString &title, const QString &folder, const QString &filter,
                             const QString &name) override
        {
            folders << QDir::cleanPath(folder);
            return FakePrompter::saveFileName(title, folder, filter, name);
        }
    };
    const QString chosen = m_env->path(QStringLiteral("chosen"));
    const QString later = m_env->path(QStringLiteral("later"));
    QDir().mkpath(chosen);
    QDir().mkpath(later);
    FolderPrompter prompter;
    FakeProgress progress;
    prompter.expectSaveFile(QDir(chosen).filePath(QStringLiteral("data.czp")));
    prompter.expect(Icon::Information, QStringLiteral("Export data completed successfully!"));
    prompter.expectSaveFile(QDir(later).filePath(QStringLiteral("copy.zip")));
    prompter.expect(Icon::Information, QStringLiteral("Backup completed successfully!"));
    prompter.expectSaveFile({});
    DataExchange exchange(prompter, progress);
    QCOMPARE(exchange.ExportArchive(), DataExchange::Outcome::Done);
    QCOMPARE(exchange.BackupDatabase(), DataExchange::Outcome::Done);
    QCOMPARE(exchange.ExportArchive(), DataExchange::Outcome::Cancelled);
    QVERIFY(prompter.verify());
    QCOMPARE(prompter.folders.size(), 3);
    QCOMPARE(prompter.folders.at(1), QDir::cleanPath(chosen));
    QCOMPARE(prompter.folders.at(2), QDir::cleanPath(later));
}

#include "TestDataExchange.moc"
