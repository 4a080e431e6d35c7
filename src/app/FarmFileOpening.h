#pragma once

#include "exchange/DataExchange.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class Progress;
class Prompter;

// A farm file that comes from outside the program's own dialogs: a file the desktop hands to
// the program (a double click, "Open with", `verdimo FILE`) or File › Open farm…. A farm
// database may become the working farm, after the user agreed; a data archive may be imported
// into the working farm. The file's kind is told by its content, not by its name alone.
class FarmFileOpening
{
    Q_DECLARE_TR_FUNCTIONS(FarmFileOpening)

public:
    enum class Kind { Farm, Archive, Other, Unreadable };
    enum class Action { Nothing, OpenFarm, ImportArchive };

    explicit FarmFileOpening(Prompter &prompter) : m_prompter(prompter) {}

    // A farm database is an SQLite file; a data archive a ZIP file named *.czp.
    static Kind kindOf(const QString &path);

    // What to do with path, asked of the user: whether a farm database is to become the working
    // farm (nothing to ask when it already is), whether an archive is to be imported into the
    // working farm. Anything else is refused with a message naming the file.
    Action askAbout(const QString &path, const QString &workingFarm);

    // File › Open farm…: the farm database the user chose in the file dialog, checked to be
    // one; empty when the user cancelled or chose something else (after the message).
    QString chooseFarm(const QString &startFolder);

    // Imports archive into the working farm: exchange's own steps and messages, with the file
    // choice answered by archive. configure sets the exchange up (reload of the views, the
    // progress window) before it runs.
    DataExchange::Outcome importArchive(const QString &archive, Progress &progress,
                                        const std::function<void(DataExchange &)> &configure = {});

private:
    // Tells the user why path is not a farm database; false then.
    bool checkFarm(const QString &path);

    Prompter &m_prompter;
};
