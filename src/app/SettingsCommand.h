#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>

#include <functional>

class Prompter;

// What the settings dialog edits: the working database, the working period and the interface
// language (one of the Translations choices; empty leaves the stored one as it is).
struct PropValues
{
    QString path;
    QDate start;
    QDate end;
    QString language;
};

// The rules of the settings command: the values it starts from, the checks of the dialog's OK
// and how an accepted change reaches the settings store and the views.
class SettingsCommand
{
    Q_DECLARE_TR_FUNCTIONS(SettingsCommand)
public:
    static constexpr int MaximumPathLength = 255;

    // Database, DataInit, DataEnd and Language of the store (period 01/01/2015 - 31/12/2015 and
    // "System" when absent).
    static PropValues load();
    // The interface language the program installs at start.
    static QString storedLanguage();
    // The OK checks in their order; the first failure has told the user and keeps the dialog.
    static bool validate(const PropValues &values, Prompter &prompter);

    struct Outcome
    {
        bool databaseChanged = false;
        bool periodChanged = false;
        bool languageChanged = false;
    };
    // Stores what changed. A new database is opened in the views first, still with the old
    // period; a new period is handed to the views afterwards. A new language is only stored:
    // the interface takes it at the next start.
    static Outcome apply(const PropValues &before, const PropValues &after,
                         const std::function<void()> &reloadViews,
                         const std::function<void()> &applyPeriod);

    // Where the file dialog of "Browse..." starts for the path text in the field: the folder
    // of the path and the file name without its extension ("Verdimo" for a bare name).
    struct BrowseStart
    {
        QString folder;
        QString name;
    };
    static BrowseStart browseStart(const QString &pathText);
};
