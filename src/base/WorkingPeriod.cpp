#include "WorkingPeriod.h"

#include "SettingsKeys.h"

#include <QLocale>

WorkingPeriod WorkingPeriod::fromSettings()
{
    return {SettingsKeys::DataInit.read(), SettingsKeys::DataEnd.read()};
}

QString WorkingPeriod::daysText(const QString &pattern) const
{
    const QLocale locale;
    return QStringLiteral("%1 \u2013 %2")
        .arg(locale.toString(start, pattern), locale.toString(end, pattern));
}
