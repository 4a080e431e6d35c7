#include "NumberText.h"

#include <QLocale>

#include <cmath>

namespace {

// Windows regional settings show two decimals in the usual number and currency formats.
constexpr int Decimals = 2;

// Values from here on are shown without rounding of our own.
constexpr double LargestRounded = 1e15;

// The value rounded half away from zero on the digits of its plain six-decimal text, the way a
// reader of that text would round it (2.005 shows as 2.01 although its binary value is a
// little below).
double roundedAsWritten(double value, int decimals)
{
    if (std::abs(value) >= LargestRounded)
        return value;
    const QString plain = QString::number(std::abs(value), 'f', 6);
    const int point = plain.indexOf(QLatin1Char('.'));
    const QString kept = plain.left(point) + plain.mid(point + 1, decimals);
    qint64 units = kept.toLongLong();
    if (plain.at(point + 1 + decimals) >= QLatin1Char('5'))
        ++units;
    const double rounded = double(units) / std::pow(10.0, decimals);
    return value < 0 && units > 0 ? -rounded : rounded;
}

bool isMinus(QChar c, const QLocale &locale)
{
    return c == QLatin1Char('-') || c == QChar(0x2212) || QString(c) == locale.negativeSign();
}

bool isNegativeText(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QLatin1Char('(')) && trimmed.endsWith(QLatin1Char(')')))
        return true;
    for (const QChar c : trimmed) {
        if (c.isDigit())
            return false;
        if (isMinus(c, locale))
            return true;
    }
    return false;
}

// The digits of the text with one "." for the decimal separator, as far as they form a number.
QString plainDigits(const QString &text, const QLocale &locale)
{
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    const bool commaIsDecimal = group != QStringLiteral(",");
    QString digits;
    bool seenPoint = false;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digits += c;
            continue;
        }
        const bool decimalMark = QString(c) == decimal || (commaIsDecimal && c == QLatin1Char(','));
        if (!decimalMark)
            continue;
        if (seenPoint)
            break;
        seenPoint = true;
        digits += QLatin1Char('.');
    }
    return digits;
}

} // namespace

QString FormatNumber(double value, bool percent)
{
    if (percent)
        value *= 100.0;
    if (!std::isfinite(value))
        return {};
    QString text = QLocale().toString(roundedAsWritten(value, Decimals), 'f', Decimals);
    if (percent)
        text += QLatin1Char('%');
    return text;
}

QString FormatCurrency(double value)
{
    if (!std::isfinite(value))
        return {};
    return QLocale().toCurrencyString(roundedAsWritten(value, Decimals), QLocale().currencySymbol(),
                                      Decimals);
}

double ParseNumber(const QString &text, bool percent, bool ignoreSign)
{
    const QLocale locale;
    const QString digits = plainDigits(text, locale);
    double result = digits.isEmpty() || digits == QStringLiteral(".") ? 0.0 : digits.toDouble();
    if (!ignoreSign && isNegativeText(text, locale))
        result = -result;
    if (percent)
        result /= 100.0;
    return result;
}
