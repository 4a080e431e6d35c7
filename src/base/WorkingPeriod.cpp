#include "WorkingPeriod.h"

#include "SettingsKeys.h"

WorkingPeriod WorkingPeriod::fromSettings()
{
    return {SettingsKeys::DataInit.read(), SettingsKeys::DataEnd.read()};
}
