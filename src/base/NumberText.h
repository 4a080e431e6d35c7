#pragma once

#include <QString>

// Number and money texts in the user's regional conventions (the default QLocale), and the way
// back from such a text to a number.

// The value with the locale's decimal separator, grouping and two decimals; when percent is
// set the value is shown multiplied by 100 and followed by "%". Empty for a value that has no
// decimal form (infinity, not-a-number).
QString FormatNumber(double value, bool percent);

// The value as a money amount of the locale (symbol, grouping, two decimals); empty for a value
// that has no decimal form.
QString FormatCurrency(double value);

// Reads a number typed by the user or written by FormatNumber/FormatCurrency: digits and the
// locale's decimal separator count, a comma is a decimal separator in any locale that does not
// group digits with it, everything else (group separators, symbols, blanks) is skipped. A minus
// sign before the first digit, or a text in parentheses, makes the number negative unless
// ignoreSign is set. percent divides the result by 100. An empty text gives 0.
double ParseNumber(const QString &text, bool percent, bool ignoreSign);
