#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

class Clock;

// The automatic backups of the working databases: timestamped ZIP files in a folder of their
// own for each farm (under the user's data folder's Backups/ by default), made at the first
// start of each day and on exit after the data changed, of which the newest N of each farm are
// kept. A farm's folder is named after its file and records the farm's full path, so farms of
// the same file name in different folders stay apart. The backups older versions put directly
// in Backups/ are still listed, with no farm. Only files named as this class names them are
// ever counted or removed.
class BackupRotation
{
    Q_DECLARE_TR_FUNCTIONS(BackupRotation)

public:
    static constexpr int DefaultKept = 10;
    // The level the automatic backups are compressed with: nearly as small as the highest,
    // in a third of its time.
    static constexpr int CompressionLevel = 6;

    struct Backup
    {
        QString path;
        QDateTime made;
        qint64 size = 0;
        // The farm database the backup was made of; empty when not recorded (older versions).
        QString farm;
    };

    BackupRotation(QString folder, const Clock &clock, int kept = DefaultKept);

    // <user data folder>/Backups.
    static QString defaultFolder();
    // The setting, DefaultKept when unset or not a positive number.
    static int keptFromSettings();

    QString folder() const { return m_folder; }
    // The folder of the farm's backups.
    QString farmFolder(const QString &farm) const;
    // Every farm's backups and the older ones without a farm, newest first.
    QList<Backup> backups() const;
    // The farm's backups, newest first.
    QList<Backup> backupsOf(const QString &farm) const;
    // The farm a backup archive was made of, as recorded beside it; empty when not recorded.
    static QString farmOf(const QString &archive);
    // Whether two paths name the same farm file.
    static bool sameFarm(const QString &a, const QString &b);
    // The same backups with those of farm first, each part newest first.
    static QList<Backup> farmFirst(QList<Backup> backups, const QString &farm);

    // Backs workingDatabase up now and removes its oldest backups beyond the number kept, but
    // never spared (the archive a restore is putting back). Returns the new file, or an empty
    // text with the reason in error.
    QString backUp(const QString &workingDatabase, QString *error, const QString &spared = {});
    // Whether the farm has no backup made today.
    bool dueAtStart(const QString &workingDatabase) const;
    // At start-up: a backup unless one was made today. Empty without error when none was due.
    QString backUpAtStart(const QString &workingDatabase, QString *error);
    // At exit: a backup when the session changed the farm's data, else none (empty, no error).
    QString backUpAtExit(const QString &workingDatabase, bool changed, QString *error);
    // A name in the farm's folder, timestamped as the backups are, for a file kept beside them
    // that the rotation never counts or removes; suffix ends it (" damaged.mdb").
    QString keptFilePath(const QString &farm, const QString &stem, const QString &suffix) const;

private:
    static QList<Backup> backupsIn(const QString &folder, const QString &farm);
    QString newBackupPath(const QString &folder) const;
    bool recordFarm(const QString &folder, const QString &farm, QString *error) const;
    void removeOldest(const QString &farm, const QString &spared);

    QString m_folder;
    const Clock &m_clock;
    int m_kept;
};
