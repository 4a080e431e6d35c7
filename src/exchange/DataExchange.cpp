#include "DataExchange.h"

#include "ArchiveDatabase.h"
#include "ArchiveMerge.h"
#include "ArchiveRegistryCodes.h"
#include "ArchiveValueCheck.h"
#include "CZipArchive.h"
#include "CZipException.h"
#include "CZipFileHeader.h"
#include "ExchangeTemp.h"
#include "FarmFileCheck.h"
#include "base/FolderChoice.h"
#include "base/Progress.h"
#include "base/Prompter.h"
#include "base/SettingsKeys.h"
#include "base/WorkingPeriod.h"
#include "db/Database.h"
#include "db/DbDate.h"
#include "db/DbErrorText.h"
#include "db/DbException.h"
#include "db/FarmSession.h"
#include "db/SchemaUpgrade.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// Every installation packs and unpacks data archives with this password.
const QString ArchivePassword = QStringLiteral("corvo3719");
const QString ArchiveEntry = QStringLiteral("TellanTemp.mdb");
const QString BackupEntry = QStringLiteral("Backup Verdimo.mdb");
constexpr int BufferSize = 65535;
// The largest database an archive may unpack to: 32 times the exchange database of a large
// farm (about 30 MB), so no real archive comes near it while a crafted one that declares
// gigabytes is refused before a byte is written.
constexpr qint64 MaxArchiveDatabase = 1024LL * 1024 * 1024;

// Holds the working database's write lock from the first statement on, so that another
// program's short write makes the import wait for the busy timeout instead of failing when
// the merge turns from reading to writing.
class WriteTransaction
{
public:
    explicit WriteTransaction(Database &db) : m_db(db)
    {
        m_db.execute(QStringLiteral("BEGIN IMMEDIATE"));
    }
    ~WriteTransaction()
    {
        if (!m_open)
            return;
        try {
            m_db.execute(QStringLiteral("ROLLBACK"));
        } catch (const DbException &) {
            // The connection is gone; SQLite has rolled the transaction back.
        }
    }
    WriteTransaction(const WriteTransaction &) = delete;
    WriteTransaction &operator=(const WriteTransaction &) = delete;

    void commit()
    {
        m_db.execute(QStringLiteral("COMMIT"));
        m_open = false;
    }

private:
    Database &m_db;
    bool m_open = true;
};

// The file dialogs' default extension: added when the user typed a name without one.
QString withSuffix(const QString &path, const QString &suffix)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + suffix : path;
}

} // namespace

DataExchange::DataExchange(Prompter &prompter, Progress &progress)
    : m_prompter(prompter), m_progress(progress)
{
}

QString DataExchange::workingDatabasePath() const
{
    return m_workingDatabase.isEmpty() ? SettingsKeys::Database.read() : m_workingDatabase;
}

QString DataExchange::workingDatabase()
{
    const QString path = workingDatabasePath();
    if (path.isEmpty())
        m_prompter.error(tr("Database not loaded!"));
    return path;
}

QString DataExchange::schemaSource(const QString &workingPath) const
{
    if (!m_templatePath.isEmpty())
        return m_templatePath;
    const QString installed = ExchangeDatabase::installedTemplatePath();
    return installed.isEmpty() ? workingPath : installed;
}

bool DataExchange::buildDatabase(const QString &databasePath, const QString &workingPath,
                                 const QList<ExchangeDatabase::TableCopy> &tables)
{
    try {
        ExchangeDatabase::create(databasePath, schemaSource(workingPath));
        Database database;
        database.open(databasePath);
        SchemaUpgrade::upgrade(database);
        ExchangeDatabase::copyTables(database, workingPath, tables);
    } catch (const DbException &e) {
        m_prompter.error(DbErrorText::describe(e, workingPath));
        return false;
    }
    return true;
}

bool DataExchange::storeInArchive(const QString &archivePath, const QString &databasePath,
                                  const QString &password)
{
    // The finished archive is renamed over its destination: never let that be the working
    // database.
    const QString working = QFileInfo(workingDatabasePath()).canonicalFilePath();
    if (!working.isEmpty() && QFileInfo(archivePath).canonicalFilePath() == working) {
        m_prompter.error(tr("Unable to store!"));
        return false;
    }
    CZipArchive zip;
    auto giveUp = [&](const QString &message) {
        zip.Close(true);
        m_prompter.error(message);
        return false;
    };
    try {
        zip.Open(archivePath, CZipArchive::CreateNew, 0);
        if (!password.isEmpty() && !zip.SetPassword(password))
            return giveUp(tr("Unable to store!"));
        if (!zip.AddFile(databasePath, m_compressionLevel, true, BufferSize))
            return giveUp(tr("Unable to store!"));
        zip.Close(false);
    } catch (const CZipException &e) {
        return giveUp(e.message());
    }
    return true;
}

bool DataExchange::extractArchive(const QString &archivePath, const QString &folder,
                                  QString *database)
{
    CZipArchive zip;
    zip.setExtractLimit(MaxArchiveDatabase);
    try {
        zip.Open(archivePath, CZipArchive::OpenExisting, 0);
        int entry = -1;
        try {
            entry = FarmFileCheck::singleEntry(zip, ArchiveEntry, archivePath);
        } catch (const DbException &e) {
            // The program's archives hold one entry: another single entry is simply not one of
            // them, while several say which is wrong.
            m_prompter.error(zip.entryCount() > 1 ? e.message() : tr("Unable to check out!"));
            zip.Close(true);
            return false;
        }
        if (!zip.SetPassword(ArchivePassword) ||
            !zip.ExtractEntry(entry, folder, false, BufferSize)) {
            zip.Close(true);
            m_prompter.error(tr("Unable to check out!"));
            return false;
        }
        *database = QDir(folder).filePath(QFileInfo(zip.entry(entry).name()).fileName());
        zip.Close(false);
    } catch (const CZipException &e) {
        zip.Close(true);
        m_prompter.error(e.message());
        return false;
    }
    return true;
}

DataExchange::Outcome DataExchange::ExportArchive()
{
    const QString working = workingDatabase();
    if (working.isEmpty())
        return Outcome::Failed;
    QString archive =
        m_prompter.saveFileName(tr("Verdimo : New data archive"), FolderChoice::startFolder(),
                                tr("Verdimo archives (*.czp)"), QStringLiteral("Verdimo"));
    if (archive.isEmpty())
        return Outcome::Cancelled;
    FolderChoice::remember(archive);
    archive = withSuffix(archive, QStringLiteral("czp"));
    m_archivePath = archive;

    // A folder of its own: nothing left behind by another run can get in the way, and the
    // database goes with the folder on every path.
    QTemporaryDir temp(ExchangeTemp::folderTemplate());
    if (!temp.isValid()) {
        m_prompter.error(tr("Unable to store!"));
        return Outcome::Failed;
    }
    const QString database = temp.filePath(ArchiveEntry);
    const WorkingPeriod period = m_exportPeriod.value_or(FarmSession::storedPeriod());
    const int firstYear = period.start.isValid() ? period.start.year() : -1;
    // The import reads only the works and movements of the archive's cards, so no others go
    // in it. The cards are copied first: main.Scheda holds exactly the exported ones.
    const QString ofExportedCards =
        QStringLiteral("IDScheda IN (SELECT IDScheda FROM main.Scheda)");
    const QList<ExchangeDatabase::TableCopy> tables{
        {QStringLiteral("Scheda"),
         QStringLiteral("Data BETWEEN ? AND ?"),
         {DbDate::toText(period.startAt()), DbDate::toText(period.endAt())}},
        {QStringLiteral("Articoli"), {}},
        {QStringLiteral("Campi"), QStringLiteral("Anno = ?"), {firstYear}},
        {QStringLiteral("Centri"), {}},
        {QStringLiteral("Magazzino"),
         QStringLiteral("IDOpera IN (SELECT IDOpera FROM work.Opere WHERE %1)")
             .arg(ofExportedCards)},
        {QStringLiteral("Operai"), {}},
        {QStringLiteral("Operazioni"), {}},
        {QStringLiteral("Opere"), ofExportedCards},
    };
    if (!buildDatabase(database, working, tables) ||
        !storeInArchive(archive, database, ArchivePassword))
        return Outcome::Failed;
    m_prompter.information(tr("Export data completed successfully!"));
    return Outcome::Done;
}

DataExchange::Outcome DataExchange::ImportArchive()
{
    const QString working = workingDatabase();
    if (working.isEmpty())
        return Outcome::Failed;
    const QString archive =
        m_prompter.openFileName(tr("Verdimo : Select database"), FolderChoice::startFolder(),
                                tr("Verdimo archives (*.czp)"), QStringLiteral("Verdimo"));
    if (archive.isEmpty())
        return Outcome::Cancelled;
    FolderChoice::remember(archive);
    const Outcome outcome = importFrom(archive, working);
    if (outcome == Outcome::Failed)
        m_prompter.error(tr("Nothing was imported: the working database is unchanged."));
    return outcome;
}

DataExchange::Outcome DataExchange::importFrom(const QString &archive, const QString &working)
{
    QTemporaryDir temp(ExchangeTemp::folderTemplate());
    if (!temp.isValid()) {
        m_prompter.error(tr("Unable to check out!"));
        return Outcome::Failed;
    }
    QString database;
    if (!extractArchive(archive, temp.path(), &database))
        return Outcome::Failed;
    if (!QFileInfo(database).isFile()) {
        m_prompter.error(tr("Unable to check out!"));
        return Outcome::Failed;
    }

    ArchiveDatabase source;
    try {
        source.open(database);
    } catch (const DbException &) {
    }
    if (!source.database().isOpen() || source.workExhausted() ||
        !ArchiveMerge::canRead(source.database())) {
        m_prompter.error(tr("Database not compatible for the Verdimo software!"));
        return Outcome::Failed;
    }
    // Nothing is written unless the whole archive is sound and every value one the forms
    // would take.
    try {
        FarmFileCheck::verify(source.database());
        ArchiveValueCheck::verify(source.database());
    } catch (const DbException &e) {
        m_prompter.error(source.workExhausted()
                             ? tr("Database not compatible for the Verdimo software!")
                             : tr("The archive %1 cannot be imported: %2")
                                   .arg(QDir::toNativeSeparators(archive), e.message()));
        return Outcome::Failed;
    }
    const Prompter::Answer answer = m_prompter.question(
        tr("Do you want to overwrite existing data?"), Prompter::Buttons::YesNoCancel);
    if (answer != Prompter::Answer::Yes && answer != Prompter::Answer::No)
        return Outcome::Cancelled;
    // Opened as the window opens it, once the user has chosen to import: an older farm is
    // brought up to date before the archive, made by this version, is merged into it, and a
    // cancelled import leaves the file as it was.
    FarmSession target;
    try {
        target.open(working);
    } catch (const DbException &e) {
        m_prompter.error(DbErrorText::describe(e, working));
        return Outcome::Failed;
    }
    if (!MergeArchiveDatabase(source.database(), target.database(),
                              answer == Prompter::Answer::Yes))
        return Outcome::Failed;
    const ImportedCards cards = ImportedCards::of(source.database());
    source.database().close();
    target.close();
    if (m_reloadViews)
        m_reloadViews();
    m_prompter.information(tr("Import data completed successfully!"));
    if (m_showImported && !cards.isEmpty())
        m_showImported(cards);
    return Outcome::Done;
}

bool DataExchange::MergeArchiveDatabase(Database &source, Database &target, bool overwrite)
{
    auto showProgress = [this](bool shown) {
        if (m_showProgress)
            m_showProgress(shown);
    };
    showProgress(true);
    try {
        WriteTransaction transaction(target);
        ArchiveMerge(source, target, overwrite, m_progress).run();
        ArchiveRegistryCodes::merge(source, target, overwrite);
        transaction.commit();
    } catch (const DbException &e) {
        showProgress(false);
        m_prompter.error(DbErrorText::describe(e, target.path()));
        return false;
    }
    showProgress(false);
    try {
        // The merge may have changed the tables' shape a lot: let SQLite refresh what its
        // planner knows while the user reads the result.
        target.execute(QStringLiteral("PRAGMA optimize"));
    } catch (const DbException &) {
        // Only statistics: the import itself is done.
    }
    return true;
}

DataExchange::Outcome DataExchange::BackupDatabase()
{
    const QString working = workingDatabase();
    if (working.isEmpty())
        return Outcome::Failed;
    QString archive = m_givenBackup;
    if (archive.isEmpty()) {
        archive =
            m_prompter.saveFileName(tr("Verdimo : New data backup"), FolderChoice::startFolder(),
                                    tr("Backup Verdimo (*.zip)"), QStringLiteral("Backup Verdimo"));
        if (archive.isEmpty())
            return Outcome::Cancelled;
        FolderChoice::remember(archive);
    }
    archive = withSuffix(archive, QStringLiteral("zip"));
    m_archivePath = archive;

    QTemporaryDir temp(ExchangeTemp::folderTemplate());
    if (!temp.isValid()) {
        m_prompter.error(tr("Unable to store!"));
        return Outcome::Failed;
    }
    const QString database = temp.filePath(BackupEntry);
    QList<ExchangeDatabase::TableCopy> tables;
    for (const char *table : {"Scheda", "Articoli", "Campi", "Centri", "Magazzino", "Operai",
                              "Operazioni", "Opere", "Descrizioni", "Prima Nota"})
        tables.append({QString::fromLatin1(table), {}});
    if (!buildDatabase(database, working, tables) || !storeInArchive(archive, database, {}))
        return Outcome::Failed;
    m_prompter.information(tr("Backup completed successfully!"));
    return Outcome::Done;
}
