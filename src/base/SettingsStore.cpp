#include "SettingsStore.h"

#include <QSettings>

namespace {

QString key(const QString &section, const QString &name)
{
    return section + QLatin1Char('/') + name;
}

// The user's own file only: the installation's machine-wide file holds what a new user starts
// from, which start-up copies once; read through, it would move every user's choices whenever
// the machine file changes.
class UserStore : public QSettings
{
public:
    UserStore()
        : QSettings(QSettings::UserScope, QStringLiteral("Brivex"), QStringLiteral("Tellan"))
    {
        setFallbacksEnabled(false);
    }
};

UserStore userStore()
{
    return {};
}

} // namespace

QString SettingsStore::readString(const QString &section, const QString &name,
                                  const QString &defaultValue)
{
    const QVariant value = userStore().value(key(section, name));
    return value.isValid() ? value.toString() : defaultValue;
}

void SettingsStore::writeString(const QString &section, const QString &name, const QString &value)
{
    userStore().setValue(key(section, name), value);
}

int SettingsStore::readInt(const QString &section, const QString &name, int defaultValue)
{
    bool ok = false;
    const int value = userStore().value(key(section, name)).toInt(&ok);
    return ok ? value : defaultValue;
}

void SettingsStore::writeInt(const QString &section, const QString &name, int value)
{
    userStore().setValue(key(section, name), value);
}

QDate SettingsStore::readDate(const QString &section, const QString &name,
                              const QString &defaultValue)
{
    return parseDate(readString(section, name, defaultValue));
}

void SettingsStore::writeDate(const QString &section, const QString &name, const QDate &date)
{
    writeString(section, name, formatDate(date));
}

QDate SettingsStore::parseDate(const QString &text)
{
    // Hand-edited files may leave out the leading zeros; day first all the same.
    return QDate::fromString(text.trimmed(), QStringLiteral("d/M/yyyy"));
}

QString SettingsStore::formatDate(const QDate &date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}
