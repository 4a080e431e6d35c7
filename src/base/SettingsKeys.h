#pragma once

#include "SettingsStore.h"
#include "Translations.h"

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
    // The value, or fallback when none is stored (a default that is not known before run time).
    QString read(const QString &fallback) const
    {
        return SettingsStore::readString(section, name, fallback);
    }
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
// The folder the user last chose in a dialog that saves a file (FolderChoice).
inline const TextKey LastFolder{SettingsStore::Settings, QStringLiteral("LastFolder"), {}};

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

// The company values of the report headings and the treatment register: texts default empty,
// flags 0. Dates of birth are kept as the text the company dialog shows ("dd/MM/yyyy"). Only
// CompanyData reads and writes these; everyone else asks FarmSession::company().
inline const TextKey CompanyName{SettingsStore::Settings, QStringLiteral("DittaRagSoc"), {}};
inline const TextKey CompanyFirstName{SettingsStore::Settings, QStringLiteral("DittaNome"), {}};
inline const TextKey CompanyBirthCity{
    SettingsStore::Settings, QStringLiteral("DittaComuneNasc"), {}};
inline const TextKey CompanyBirthDate{SettingsStore::Settings, QStringLiteral("DittaDataNasc"), {}};
inline const TextKey CompanyTaxCode{SettingsStore::Settings, QStringLiteral("DittaCodFisc"), {}};
inline const TextKey CompanyVatNumber{SettingsStore::Settings, QStringLiteral("DittaPartIva"), {}};
inline const TextKey CompanyAddress{SettingsStore::Settings, QStringLiteral("DittaIndirizzo"), {}};
inline const TextKey CompanyCity{SettingsStore::Settings, QStringLiteral("DittaComune"), {}};
// The business location, when it differs from the home or head office.
inline const TextKey LocationAddress{
    SettingsStore::Settings, QStringLiteral("DittaIndirizzo2"), {}};
inline const TextKey LocationCity{SettingsStore::Settings, QStringLiteral("DittaComune2"), {}};
// The legal representative, only when the holder is a legal person.
inline const TextKey RepresentativeName{
    SettingsStore::Settings, QStringLiteral("DittaRagSoc2"), {}};
inline const TextKey RepresentativeFirstName{
    SettingsStore::Settings, QStringLiteral("DittaNome2"), {}};
inline const TextKey RepresentativeBirthCity{
    SettingsStore::Settings, QStringLiteral("DittaComuneNasc2"), {}};
inline const TextKey RepresentativeBirthDate{
    SettingsStore::Settings, QStringLiteral("DittaDataNasc2"), {}};
// Yes/no values: the holder is a woman, the address is the home (not the registered office), the
// representative is a woman.
inline const IntKey CompanyWoman{SettingsStore::Settings, QStringLiteral("DittaDonna"), 0};
inline const IntKey CompanyAtHome{SettingsStore::Settings, QStringLiteral("DittaDomicilio"), 0};
inline const IntKey RepresentativeWoman{SettingsStore::Settings, QStringLiteral("DittaDonna2"), 0};

// The interface language: one of the choices of Translations, "System" when absent.
inline const TextKey Language{SettingsStore::Settings, QStringLiteral("Language"),
                              Translations::SystemChoice};

// The centre kind a card print preview leaves while it is open (0 when none is).
inline const IntKey TypeCenter{SettingsStore::Settings, QStringLiteral("TypeCenter"), 0};

// How many automatic backups are kept; an unset or non-positive value keeps the usual 10.
inline const IntKey BackupsKept{SettingsStore::Settings, QStringLiteral("BackupsKept"), 10};

// The update check: when it last ran, and the servers it asks. The servers' values of the
// installation (the system scope) are the defaults of the user's.
inline const TextKey LastUpdateCheck{SettingsStore::Settings, QStringLiteral("DtUpdShow"), {}};
inline const TextKey UpdateWebServer{
    SettingsStore::Settings, QStringLiteral("UpdateWebServer"), {}};
inline const TextKey UpdateFileServer{
    SettingsStore::Settings, QStringLiteral("UpdateFileServer"), {}};
inline const TextKey UpdateFileUser{SettingsStore::Settings, QStringLiteral("UpdateFileUser"), {}};
inline const TextKey UpdateFilePassword{
    SettingsStore::Settings, QStringLiteral("UpdateFilePassword"), {}};

// The farms opened last, newest first, one path a line (kept by RecentFarms).
inline const TextKey RecentFarms{SettingsStore::Settings, QStringLiteral("RecentFarms"), {}};

} // namespace SettingsKeys
