#pragma once

#include "SettingsStore.h"

#include <QDate>
#include <QString>

// Every value the program keeps in the settings store, named once with its section and its
// default. Code reads and writes a value through its key, so a name or a default cannot drift
// apart between the places that use it.
namespace SettingsKeys {

struct TextKey
{
    QString section;
    QString name;
    QString defaultValue;

    QString read() const { return SettingsStore::readString(section, name, defaultValue); }
    void write(const QString &value) const { SettingsStore::writeString(section, name, value); }
};

struct IntKey
{
    QString section;
    QString name;
    int defaultValue;

    int read() const { return SettingsStore::readInt(section, name, defaultValue); }
    void write(int value) const { SettingsStore::writeInt(section, name, value); }
};

// A day stored day first ("dd/mm/yyyy"); an absent or unreadable value gives the default day.
struct DateKey
{
    QString section;
    QString name;
    QString defaultValue;

    QDate read() const { return SettingsStore::readDate(section, name, defaultValue); }
    void write(const QDate &day) const { SettingsStore::writeDate(section, name, day); }
};

// The working database and the folders.
inline const TextKey Database{SettingsStore::Settings, QStringLiteral("Database"), {}};
inline const TextKey Directory{SettingsStore::Settings, QStringLiteral("Directory"), {}};
inline const TextKey WebSite{SettingsStore::Settings, QStringLiteral("WebSite"), {}};

// The working period. Only FarmSession reads and writes these two.
inline const DateKey DataInit{SettingsStore::Settings, QStringLiteral("DataInit"),
                              QStringLiteral("01/01/2015")};
inline const DateKey DataEnd{SettingsStore::Settings, QStringLiteral("DataEnd"),
                             QStringLiteral("31/12/2015")};

// The card shown at the last exit.
inline const DateKey ActualDate{SettingsStore::Settings, QStringLiteral("ActualDate"),
                                QStringLiteral("01/01/2015")};

// The registries view's statistics choice: 0 workers and hours, 1 stock and articles.
inline const IntKey Choice{SettingsStore::Settings, QStringLiteral("Choice"), 0};

// The main window's normal rectangle and show state (1 normal, 2 minimised, 3 maximised).
inline const IntKey Left{SettingsStore::Settings, QStringLiteral("Left"), 0};
inline const IntKey Top{SettingsStore::Settings, QStringLiteral("Top"), 0};
inline const IntKey Right{SettingsStore::Settings, QStringLiteral("Right"), 640};
inline const IntKey Bottom{SettingsStore::Settings, QStringLiteral("Bottom"), 480};
inline const IntKey Style{SettingsStore::Settings, QStringLiteral("Style"), 1};

// The search window: its corner, whether it shows at start, and whether it showed when the
// card view was last left.
inline const IntKey SearchLeft{SettingsStore::Settings, QStringLiteral("searchLeft"), 50};
inline const IntKey SearchTop{SettingsStore::Settings, QStringLiteral("searchTop"), 50};
inline const IntKey SearchShownAtStart{SettingsStore::Settings, QStringLiteral("searchStyle"), 1};
inline const IntKey SearchShownInCards{SettingsStore::Settings, QStringLiteral("SearchStyle"), 1};

// The card view's work list columns, section Header: the logical column at each position and
// each column's width.
inline IntKey columnOrder(int position)
{
    return {SettingsStore::Header, QStringLiteral("Order (%1)").arg(position), position};
}
inline IntKey columnWidth(int column)
{
    return {SettingsStore::Header, QStringLiteral("Width (%1)").arg(column), 100};
}

// The company values of the report headings: texts default empty, flags 0.
inline const TextKey CompanyName{SettingsStore::Settings, QStringLiteral("DittaRagSoc"), {}};

} // namespace SettingsKeys
