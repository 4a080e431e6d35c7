#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// The days whose cards the program works on: from the first day at 00:00:00 to the last day
// at 23:59:59.
struct WorkingPeriod
{
    QDate start;
    QDate end;

    QDateTime startAt() const { return QDateTime(start, QTime(0, 0, 0)); }
    QDateTime endAt() const { return QDateTime(end, QTime(23, 59, 59)); }
    bool contains(const QDateTime &moment) const
    {
        return moment >= startAt() && moment <= endAt();
    }
    // "first – last", each day written with the date pattern.
    QString daysText(const QString &pattern) const;

    // The period of the settings, 01/01/2015 - 31/12/2015 when none is stored. FarmSession is
    // the one reader and writer of the period settings: everyone else asks it
    // (FarmSession::period(), or FarmSession::storedPeriod() where no session is at hand).
    static WorkingPeriod fromSettings();
};
