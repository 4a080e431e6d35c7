#pragma once

#include "ExchangeDatabase.h"
#include "ImportedCards.h"
#include "base/WorkingPeriod.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <optional>

class Database;
class Progress;
class Prompter;

// The frame's whole-database commands: export of the working period's cards and the master
// data into a password-protected data archive, import of such an archive into the working
// database, and backup of every data table into a ZIP file. The user is reached only through
// the Prompter (messages, file choices, the overwrite question) and the Progress.
class DataExchange
{
    Q_DECLARE_TR_FUNCTIONS(DataExchange)

public:
    enum class Outcome { Done, Cancelled, Failed };

    DataExchange(Prompter &prompter, Progress &progress);

    // The database whose schema new exchange databases get; by default the installation's
    // template, or the working database itself when no template is installed.
    void setTemplatePath(const QString &path) { m_templatePath = path; }
    // The deflate level of the archives written (9 unless set): the automatic backups take a
    // faster one.
    void setCompressionLevel(int level) { m_compressionLevel = level; }
    // The backup goes to this file, with no dialog, and the folder chosen last stays as it is.
    void setBackupArchive(const QString &path) { m_givenBackup = path; }
    // Work on this database file instead of the one named by the settings.
    void setWorkingDatabase(const QString &path) { m_workingDatabase = path; }
    // Export these days instead of the working period of the settings.
    void setExportPeriod(const WorkingPeriod &period) { m_exportPeriod = period; }
    // Called after an import changed the working database, before its success message.
    void setReloadViews(std::function<void()> reload) { m_reloadViews = std::move(reload); }
    // Called after an import's success message with the days of the archive's cards, to show
    // them.
    void setShowImported(std::function<void(const ImportedCards &)> show)
    {
        m_showImported = std::move(show);
    }
    // Shows (true) and closes (false) the progress window around the merge.
    void setShowProgress(std::function<void(bool)> show) { m_showProgress = std::move(show); }

    Outcome ExportArchive();
    // Refuses, writing nothing, an archive whose database is damaged, is not shaped as the
    // program's, or holds a value the forms would not take; every refusal ends with "Nothing
    // was imported".
    Outcome ImportArchive();
    // All or nothing: on an engine error the message is shown, the target is left as it was
    // and the result is false.
    bool MergeArchiveDatabase(Database &source, Database &target, bool overwrite);
    Outcome BackupDatabase();

    // The archive the last export or backup was written to, its name completed with the
    // suffix; empty before one was chosen.
    QString archivePath() const { return m_archivePath; }

private:
    QString workingDatabasePath() const;
    // The working database's path; tells the user when there is none.
    QString workingDatabase();
    QString schemaSource(const QString &workingPath) const;
    // Makes the database at databasePath from the schema and fills it from the working
    // database; reports engine errors.
    bool buildDatabase(const QString &databasePath, const QString &workingPath,
                       const QList<ExchangeDatabase::TableCopy> &tables);
    // Writes databasePath as the only entry of a new archive at archivePath. The archive only
    // replaces the file at archivePath once it is complete; on failure that file is untouched
    // and the message names the cause.
    bool storeInArchive(const QString &archivePath, const QString &databasePath,
                        const QString &password);
    // Unpacks the archive's one database entry into folder; an archive that holds it twice is
    // refused.
    bool extractArchive(const QString &archivePath, const QString &folder, QString *database);
    // The import once the archive is chosen; every failure has told the user its cause.
    Outcome importFrom(const QString &archive, const QString &working);

    Prompter &m_prompter;
    Progress &m_progress;
    QString m_templatePath;
    QString m_workingDatabase;
    std::optional<WorkingPeriod> m_exportPeriod;
    std::function<void()> m_reloadViews;
    std::function<void(bool)> m_showProgress;
    std::function<void(const ImportedCards &)> m_showImported;
    QString m_archivePath;
    int m_compressionLevel = 9;
    QString m_givenBackup;
};
