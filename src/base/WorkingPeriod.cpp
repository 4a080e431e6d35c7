#include "WorkingPeriod.h"

#include "SettingsStore.h"

WorkingPeriod WorkingPeriod::fromSettings()
{
    return {SettingsStore::readDate(SettingsStore::Settings, QStringLiteral("DataInit"),
                                    QStringLiteral("01/01/2015")),
            SettingsStore::readDate(SettingsStore::Settings, QStringLiteral("DataEnd"),
                                    QStringLiteral("31/12/2015"))};
}
