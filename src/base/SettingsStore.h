#pragma once

#include <QDate>
#include <QString>

// The per-user settings store: sections ("Settings", "Header") holding named string or integer
// values. Every read goes to the store itself, so a value written anywhere is seen by the next
// read everywhere.
class SettingsStore
{
public:
    static inline const QString Settings = QStringLiteral("Settings");
    static inline const QString Header = QStringLiteral("Header");

    static QString readString(const QString &section, const QString &name,
                              const QString &defaultValue = {});
    static void writeString(const QString &section, const QString &name, const QString &value);
    static int readInt(const QString &section, const QString &name, int defaultValue);
    static void writeInt(const QString &section, const QString &name, int value);

    // Dates are stored day first ("dd/mm/yyyy") and read back day first whatever the locale,
    // with or without leading zeros ("1/3/2016").
    // An absent or unparsable value gives an invalid date.
    static QDate readDate(const QString &section, const QString &name,
                          const QString &defaultValue = {});
    static void writeDate(const QString &section, const QString &name, const QDate &date);

    static QDate parseDate(const QString &text);
    static QString formatDate(const QDate &date);
};
