#pragma once

#include <QDateTime>
#include <QVariant>

// The one conversion between date values and their stored text "yyyy-MM-dd HH:mm:ss" (local
// time), so that BETWEEN and SQLite's date functions work on stored dates.
class DbDate
{
public:
    static QString toText(const QDateTime &moment);
    static QString toText(const QDate &day);
    static QDateTime fromText(const QString &text);
    // A QDate or QDateTime becomes its stored text; other values pass unchanged.
    static QVariant toStored(const QVariant &value);
};
