#pragma once

#include <QString>
#include <QStringList>

// The farm databases opened last, newest first, for the File menu. Kept in the user's
// settings; a farm opened again moves to the top, the list holds at most Capacity farms, and a
// farm whose file is gone is left out of what the menu shows (and out of the stored list the
// next time it is written).
class RecentFarms
{
public:
    static constexpr int Capacity = 6;

    // The stored farms whose files still exist, newest first.
    static QStringList list();
    // Puts path at the top (by its absolute, cleaned spelling) and stores the list.
    static void add(const QString &path);
    // Takes path out of the list (a farm that could not be opened).
    static void remove(const QString &path);

private:
    static QStringList stored();
    static void store(const QStringList &farms);
};
