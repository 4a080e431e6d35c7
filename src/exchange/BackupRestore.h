#pragma once

#include <QCoreApplication>
#include <QString>

class BackupRotation;

// Puts a backup archive back as the working database. The archive must hold a sound database
// of this program; before anything is replaced the current working database is itself backed
// up, and the replacement is one rename, so a refusal or a failure leaves the working database
// as it was. The caller closes the working database first and reopens it after.
class BackupRestore
{
    Q_DECLARE_TR_FUNCTIONS(BackupRestore)

public:
    explicit BackupRestore(BackupRotation &rotation);

    // False with the reason in error when nothing was changed.
    bool restore(const QString &archive, const QString &workingDatabase, QString *error);
    // The backup made of the working database by the last successful restore.
    QString keptBackup() const { return m_keptBackup; }

private:
    bool extract(const QString &archive, const QString &folder, QString *database,
                 QString *error) const;
    bool check(const QString &database, QString *error) const;
    bool replace(const QString &database, const QString &workingDatabase, QString *error) const;

    BackupRotation &m_rotation;
    QString m_keptBackup;
};
