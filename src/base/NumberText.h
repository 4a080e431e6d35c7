#pragma once

#include <QString>
#include <optional>

// Number and money texts in the user's regional conventions (the default QLocale), and the way
// back from such a text to a number.

// The value with the locale's decimal separator, grouping and two decimals; when percent is
// set the value is shown multiplied by 100 and followed by "%". Empty for a value that has no
// decimal form (infinity, not-a-number).
QString FormatNumber(double value, bool percent);

// The value with exactly decimals decimals and the locale's decimal mark, without grouping: a
// surface in a page title, "8.60" in English and "8,60" in Italian.
QString FixedDecimals(double value, int decimals);

// The value as a money amount of the locale (symbol, grouping, two decimals); empty for a value
// that has no decimal form.
QString FormatCurrency(double value);

// Reads a number the way the user means it, or refuses it (no value):
// - the locale's decimal mark is always the decimal mark;
// - the locale's group separator counts only where the locale's grouping puts one (groups of
//   three digits before the decimal mark: "1,234.5" in English, "1.234,5" in Italian);
// - any other comma or point is the decimal mark, so "1,5" is 1.5 in every locale;
// - a sign ("-" before or after the number, or the number in parentheses), the locale's
//   currency symbol and, with percent, a "%" may surround the number; percent divides the
//   result by 100;
// - anything else (letters, two decimal marks, misplaced group separators) is not a number.
// A blank text reads as 0. Whether a negative number is allowed is the caller's rule.
std::optional<double> ReadNumber(const QString &text, bool percent);

// ReadNumber for texts that are only shown, never stored (running totals while the user types):
// a text that is not a number counts as 0; ignoreSign drops a minus sign.
double ParseNumber(const QString &text, bool percent, bool ignoreSign);
