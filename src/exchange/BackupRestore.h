#pragma once

#include <QCoreApplication>
#include <QString>

class BackupRotation;

// Puts a backup archive back as the working database. The archive must hold a sound database
// of this program. Before anything is replaced the current working database is kept: backed up
// by the rotation when it can be read, else (or when an interrupted write left its journal)
// copied aside as the plain file it is, with that journal; nothing is kept of a missing or
// empty file. The replacement is one
// rename, so a refusal or a failure leaves the working database as it was. The caller closes
// the working database first and reopens it after.
class BackupRestore
{
    Q_DECLARE_TR_FUNCTIONS(BackupRestore)

public:
    explicit BackupRestore(BackupRotation &rotation);

    // False with the reason in error when nothing was changed.
    bool restore(const QString &archive, const QString &workingDatabase, QString *error);
    // The file the last successful restore kept of the database it replaced; empty when there
    // was nothing to keep.
    QString keptBackup() const { return m_keptBackup; }
    // One sentence on what was kept of the replaced database, and where.
    QString keptNote() const { return m_keptNote; }

    // Whether another process holds the engine's lock on the file: a program reading or
    // writing it right now.
    static bool inUseElsewhere(const QString &database);

private:
    bool extract(const QString &archive, const QString &folder, QString *database,
                 QString *error) const;
    bool check(const QString &database, QString *error) const;
    bool keepWorking(const QString &archive, const QString &workingDatabase, QString *error);
    bool keepPlainCopy(const QString &workingDatabase, QString *error);
    bool setLeftoversAside(const QString &workingDatabase, QString *error);
    bool replace(const QString &database, const QString &workingDatabase, QString *error) const;

    BackupRotation &m_rotation;
    QString m_keptBackup;
    QString m_keptNote;
};
