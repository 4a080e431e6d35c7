#include "SettingsYears.h"

#include "SettingsStore.h"

namespace {

int yearOfSetting(const QString &name, const QDate &today)
{
    const QString text = SettingsStore::readString(SettingsStore::Settings, name).trimmed();
    bool ok = false;
    const int year = text.right(4).toInt(&ok);
    return ok && text.size() >= 4 ? year : today.year();
}

} // namespace

SettingsYears SettingsYears::read(const QDate &today)
{
    return {yearOfSetting(QStringLiteral("DataInit"), today),
            yearOfSetting(QStringLiteral("DataEnd"), today)};
}
