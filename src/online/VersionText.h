#pragma once

#include <QList>
#include <QString>

// The dotted version texts published on the update server and their order.
class VersionText
{
public:
    // The version this program was built as.
    static QString programVersion();

    // The version the published text holds: the text cut just after the number that follows
    // its last "." (which drops a trailing line break or anything else after the version); a
    // bare number without any "." stands for "1.0.0". Empty when the text holds no version
    // (an empty answer, an error page, anything else the server sent instead).
    static QString normalize(const QString &fetched);

    // The numbers between the dots; empty when a part is not a plain number.
    static QList<qulonglong> components(const QString &version);
    static bool isValid(const QString &version) { return !components(version).isEmpty(); }

    // Compares part by part, a missing part counting as 0 (3.1 equals 3.1.0); negative, zero
    // or positive as a is older, the same or newer than b. Both must be valid.
    static int compare(const QString &a, const QString &b);
    static bool isNewer(const QString &candidate, const QString &current)
    {
        return isValid(candidate) && compare(candidate, current) > 0;
    }
};
