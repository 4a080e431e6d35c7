#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

class Clock;

// The automatic backups of the working database: timestamped ZIP files made with the
// program's backup in one folder (the user's data folder's Backups/ by default), at the first
// start of each day and on exit after the data changed, of which the newest N are kept. Only files
// named as this class names them are ever counted or removed.
class BackupRotation
{
    Q_DECLARE_TR_FUNCTIONS(BackupRotation)

public:
    static constexpr int DefaultKept = 10;
    // How many backups to keep, in section Settings of the settings store.

    struct Backup
    {
        QString path;
        QDateTime made;
        qint64 size = 0;
    };

    BackupRotation(QString folder, const Clock &clock, int kept = DefaultKept);

    // <user data folder>/Backups.
    static QString defaultFolder();
    // The setting, DefaultKept when unset or not a positive number.
    static int keptFromSettings();

    QString folder() const { return m_folder; }
    // Newest first.
    QList<Backup> backups() const;

    // Backs workingDatabase up now and removes the oldest backups beyond the number kept, but
    // never spared (the archive a restore is putting back). Returns the new file, or an empty
    // text with the reason in error.
    QString backUp(const QString &workingDatabase, QString *error, const QString &spared = {});
    // At start-up: a backup unless one was made today. Empty without error when none was due.
    QString backUpAtStart(const QString &workingDatabase, QString *error);
    // At exit: a backup when the session changed the farm's data, else none (empty, no error).
    QString backUpAtExit(const QString &workingDatabase, bool changed, QString *error);
    // A name in the folder, timestamped as the backups are, for a file kept beside them that
    // the rotation never counts or removes; suffix ends it (" damaged.mdb").
    QString keptFilePath(const QString &stem, const QString &suffix) const;

private:
    QString newBackupPath() const;
    void removeOldest(const QString &spared);

    QString m_folder;
    const Clock &m_clock;
    int m_kept;
};
