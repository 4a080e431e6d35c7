#pragma once

#include <QDateTime>
#include <QString>

// When the automatic update check runs: at most once a day, counted from the moment stored in
// the settings (DtUpdShow).
class UpdateSchedule
{
public:
    // The stored moment in the form written by format(), or in the locale's own date-and-time
    // forms that other installations wrote; invalid when it reads as none of them.
    static QDateTime parse(const QString &stored);
    static QString format(const QDateTime &moment);

    // True when a day has passed since the last check. A missing or unreadable moment is due;
    // a moment in the future (a clock set back) counts as two days ago, so it is due too.
    static bool isDue(const QDateTime &lastCheck, const QDateTime &now);
};
