#pragma once

#include <QDate>
#include <QString>

// The pattern of the dates the program's lists and pages show: "MM/dd/yyyy" in English, each
// language giving its own order of day and month, always with a four-digit year.
QString ShownDatePattern();

// A date typed with figures only: day, month and year in the order they have in pattern (a Qt
// date format), apart by "/", "-", "." or spaces. A missing year is completionYear; a year of
// one or two figures takes the century that CompletedYear gives. Year, month and day typed in
// that order with a four-figure year (ISO 8601) are read too. Invalid when the text is no such
// date.
QDate ReadNumericDate(const QString &text, const QString &pattern, int completionYear);

// The full year a year typed with two figures stands for: the one from 80 years before
// completionYear to 19 years after it, so that "70" is a birth year and "26" this year's.
int CompletedYear(int twoFigureYear, int completionYear);
