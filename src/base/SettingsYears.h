#pragma once

#include <QDate>

// The production years of fields that go with the working period: the last four characters of
// the stored DataInit and DataEnd, today's year for a setting that is empty or holds no year.
struct SettingsYears
{
    int start;
    int end;

    static SettingsYears read(const QDate &today);
};
