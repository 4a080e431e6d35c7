#include "NumberText.h"

#include <QLocale>
#include <QStringList>

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

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isApostrophe(QChar c)
{
    return c == QLatin1Char('\'') || c == QChar(0x2019) || c == QChar(0x02BC);
}

// The locale's group separator, or what users type for it (a plain blank for a no-break space,
// a straight apostrophe for a typographic one).
bool isGroupMark(QChar c, const QLocale &locale)
{
    const QString group = locale.groupSeparator();
    if (group.size() != 1)
        return false;
    const QChar g = group.front();
    return c == g || (g.isSpace() && c.isSpace()) || (isApostrophe(g) && isApostrophe(c));
}

bool isPointOrComma(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char(',');
}

struct Unwrapped
{
    QString core;
    bool negative = false;
};

// Takes off what may surround the digits: blanks, one sign or a pair of parentheses, the
// currency symbol and, for percent texts, the "%".
Unwrapped unwrap(QString text, bool percent, const QLocale &locale)
{
    Unwrapped result;
    text = text.trimmed();
    bool signSeen = false;
    if (text.size() >= 2 && text.startsWith(QLatin1Char('(')) && text.endsWith(QLatin1Char(')'))) {
        text = text.mid(1, text.size() - 2).trimmed();
        result.negative = signSeen = true;
    }
    const QString currency = locale.currencySymbol();
    bool currencySeen = currency.isEmpty();
    bool percentSeen = !percent;
    while (!text.isEmpty()) {
        const QChar c = text.front();
        if (!currencySeen && text.startsWith(currency)) {
            text.remove(0, currency.size());
            currencySeen = true;
        } else if (!signSeen && (isMinus(c, locale) || c == QLatin1Char('+'))) {
            result.negative = isMinus(c, locale);
            signSeen = true;
            text.remove(0, 1);
        } else if (c.isSpace()) {
            text.remove(0, 1);
        } else {
            break;
        }
    }
    while (!text.isEmpty()) {
        const QChar c = text.back();
        if (!currencySeen && text.endsWith(currency)) {
            text.chop(currency.size());
            currencySeen = true;
        } else if (!percentSeen && c == QLatin1Char('%')) {
            text.chop(1);
            percentSeen = true;
        } else if (!signSeen && isMinus(c, locale)) {
            result.negative = signSeen = true;
            text.chop(1);
        } else if (c.isSpace()) {
            text.chop(1);
        } else {
            break;
        }
    }
    result.core = text;
    return result;
}

// The digits between marks: "1,234.5" is the runs 1, 234 and 5 with the marks "," and ".".
struct Runs
{
    QStringList digits{QString()};
    QList<QChar> marks;
};

std::optional<Runs> splitRuns(const QString &core, const QLocale &locale)
{
    Runs runs;
    for (const QChar c : core) {
        if (isDigit(c)) {
            runs.digits.last() += c;
        } else if (isPointOrComma(c) || QString(c) == locale.decimalPoint() ||
                   isGroupMark(c, locale)) {
            runs.marks << c;
            runs.digits << QString();
        } else {
            return std::nullopt;
        }
    }
    return runs;
}

// The sizes of the locale's digit groups: the one next to the decimal mark (three almost
// everywhere) and the ones before it (two in India), read from how the locale writes a number.
struct Grouping
{
    qsizetype primary = 3;
    qsizetype secondary = 3;
};

Grouping groupingOf(const QLocale &locale)
{
    const QStringList groups =
        locale.toString(1234567890LL).split(locale.groupSeparator(), Qt::SkipEmptyParts);
    Grouping grouping;
    if (groups.size() >= 2)
        grouping.primary = grouping.secondary = groups.last().size();
    if (groups.size() >= 3)
        grouping.secondary = groups.at(groups.size() - 2).size();
    return grouping;
}

// The first count marks are group separators where the locale's grouping puts them, and none
// of them is the decimal mark (a null QChar when there is none). The first group has no
// leading 0.
bool isGrouped(const Runs &runs, qsizetype count, const QLocale &locale, QChar decimal)
{
    if (count == 0)
        return true;
    const Grouping grouping = groupingOf(locale);
    const QString &first = runs.digits.front();
    const qsizetype firstMost = count == 1 ? grouping.primary : grouping.secondary;
    if (first.isEmpty() || first.size() > firstMost || first.front() == QLatin1Char('0'))
        return false;
    for (qsizetype i = 0; i < count; ++i) {
        const QChar mark = runs.marks.at(i);
        if (!isGroupMark(mark, locale) || mark == decimal)
            return false;
        const qsizetype size = i == count - 1 ? grouping.primary : grouping.secondary;
        if (runs.digits.at(i + 1).size() != size)
            return false;
    }
    return true;
}

// Which mark is the decimal mark (-1: none), or no answer when the text is not a number.
std::optional<qsizetype> decimalMarkOf(const Runs &runs, const QLocale &locale)
{
    const QChar localeMark = locale.decimalPoint().front();
    const qsizetype localeMarks = runs.marks.count(localeMark);
    if (localeMarks > 1)
        return std::nullopt;
    if (localeMarks == 1)
        return runs.marks.indexOf(localeMark);
    if (runs.marks.isEmpty() || isGrouped(runs, runs.marks.size(), locale, QChar()))
        return -1;
    if (!isPointOrComma(runs.marks.last()))
        return std::nullopt;
    return runs.marks.size() - 1;
}

std::optional<double> readCore(const QString &core, const QLocale &locale)
{
    const std::optional<Runs> runs = splitRuns(core, locale);
    if (!runs)
        return std::nullopt;
    const std::optional<qsizetype> point = decimalMarkOf(*runs, locale);
    if (!point)
        return std::nullopt;
    const qsizetype groupMarks = *point < 0 ? runs->marks.size() : *point;
    // After the decimal mark only digits follow.
    if (*point >= 0 && *point != runs->marks.size() - 1)
        return std::nullopt;
    const QChar decimal = *point < 0 ? QChar() : runs->marks.at(*point);
    if (!isGrouped(*runs, groupMarks, locale, decimal))
        return std::nullopt;
    const QString integer = runs->digits.mid(0, groupMarks + 1).join(QString());
    const QString fraction = *point < 0 ? QString() : runs->digits.last();
    if (integer.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    QString plain = integer.isEmpty() ? QStringLiteral("0") : integer;
    if (!fraction.isEmpty())
        plain += QLatin1Char('.') + fraction;
    return plain.toDouble();
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

QString FixedDecimals(double value, int decimals)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals);
}

QString FormatCurrency(double value)
{
    if (!std::isfinite(value))
        return {};
    return QLocale().toCurrencyString(roundedAsWritten(value, Decimals), QLocale().currencySymbol(),
                                      Decimals);
}

std::optional<double> ReadNumber(const QString &text, bool percent)
{
    if (text.trimmed().isEmpty())
        return 0.0;
    const QLocale locale;
    const Unwrapped unwrapped = unwrap(text, percent, locale);
    std::optional<double> value = readCore(unwrapped.core, locale);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    if (unwrapped.negative)
        *value = -*value;
    if (percent)
        *value /= 100.0;
    return value;
}

double ParseNumber(const QString &text, bool percent, bool ignoreSign)
{
    const double value = ReadNumber(text, percent).value_or(0.0);
    return ignoreSign ? std::abs(value) : value;
}
