#include "CheckDatabase.h"

#include "Database.h"
#include "DbErrorText.h"
#include "DbException.h"
#include "RecordSet.h"
#include "base/Prompter.h"

#include <QCoreApplication>

DatabaseState InspectDatabase(const QString &path)
{
    Database db;
    try {
        db.open(path, Database::Access::ReadOnly);
    } catch (const DbException &e) {
        if (e.kind() == DbErrorKind::Busy)
            throw;
        return DatabaseState::Missing;
    }
    try {
        RecordSet cards(db, QStringLiteral("SELECT Fattore, Assenti, Pioggia FROM Scheda"));
        cards.open();
    } catch (const DbException &e) {
        if (e.kind() == DbErrorKind::Busy)
            throw;
        return e.kind() == DbErrorKind::Damaged ? DatabaseState::Damaged
                                                : DatabaseState::Incompatible;
    }
    if (!db.pageDamage().isEmpty())
        return DatabaseState::Damaged;
    return Database::isWritable(path) ? DatabaseState::Usable : DatabaseState::ReadOnly;
}

bool CheckDatabase(const QString &path, Prompter &prompter)
{
    DatabaseState state = DatabaseState::Missing;
    try {
        state = InspectDatabase(path);
    } catch (const DbException &e) {
        prompter.error(DbErrorText::describe(e, path));
        return false;
    }
    switch (state) {
    case DatabaseState::Usable:
        return true;
    case DatabaseState::ReadOnly:
        prompter.information(
            QCoreApplication::translate("CheckDatabase", "The database can only be read."));
        return true;
    case DatabaseState::Missing:
        prompter.error(QCoreApplication::translate("CheckDatabase", "Database not found!"));
        return false;
    case DatabaseState::Incompatible:
        prompter.error(QCoreApplication::translate(
            "CheckDatabase", "Database not compatible for the Verdimo software!"));
        return false;
    case DatabaseState::Damaged:
        prompter.error(QCoreApplication::translate(
            "CheckDatabase",
            "The database is damaged: some of its pages cannot be read. Restore one of its "
            "backups."));
        return false;
    }
    return false;
}
