#include "CheckDatabase.h"

#include "Database.h"
#include "DbException.h"
#include "RecordSet.h"
#include "base/Prompter.h"

#include <QCoreApplication>

bool CheckDatabase(const QString &path, Prompter &prompter)
{
    Database db;
    try {
        db.open(path);
    } catch (const DbException &) {
        prompter.error(QCoreApplication::translate("CheckDatabase", "Database not found!"));
        return false;
    }
    try {
        RecordSet cards(db, QStringLiteral("SELECT Fattore, Assenti, Pioggia FROM Scheda"));
        cards.open();
    } catch (const DbException &) {
        prompter.error(QCoreApplication::translate(
            "CheckDatabase", "Database not compatible for the Verdimo software!"));
        return false;
    }
    return true;
}
