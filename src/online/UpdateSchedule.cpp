#include "UpdateSchedule.h"

#include <QLocale>

QDateTime UpdateSchedule::parse(const QString &stored)
{
    const QString text = stored.trimmed();
    if (text.isEmpty())
        return {};
    QDateTime moment = QDateTime::fromString(text, Qt::ISODate);
    if (moment.isValid())
        return moment;
    const QLocale locale;
    for (const QLocale::FormatType form : {QLocale::ShortFormat, QLocale::LongFormat}) {
        moment = locale.toDateTime(text, form);
        if (moment.isValid())
            return moment;
    }
    return {};
}

// Written with the full year and the seconds: the locale's short form has two-digit years,
// which read back a century early.
QString UpdateSchedule::format(const QDateTime &moment)
{
    return moment.toString(Qt::ISODate);
}

bool UpdateSchedule::isDue(const QDateTime &lastCheck, const QDateTime &now)
{
    if (!lastCheck.isValid())
        return true;
    const QDateTime last = lastCheck > now ? now.addDays(-2) : lastCheck;
    return now > last.addDays(1);
}
