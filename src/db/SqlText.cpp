#include "SqlText.h"

#include "DbException.h"

namespace {

// Calls onPositional for each "?" and onNamed for each ":[Name]" outside quotes; other
// characters are passed to onText.
template <typename Text, typename Positional, typename Named>
void scan(const QString &sql, Text onText, Positional onPositional, Named onNamed)
{
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            qsizetype end = i + 1;
            while (end < n && sql.at(end) != c)
                ++end;
            onText(sql.mid(i, end - i + 1));
            i = end + 1;
        } else if (c == QLatin1Char(':') && i + 1 < n && sql.at(i + 1) == QLatin1Char('[')) {
            const qsizetype close = sql.indexOf(QLatin1Char(']'), i + 2);
            if (close < 0)
                throw DbException(QStringLiteral("Unterminated parameter name in: %1").arg(sql));
            onNamed(sql.mid(i + 1, close - i));
            i = close + 1;
        } else if (c == QLatin1Char('[')) {
            const qsizetype close = sql.indexOf(QLatin1Char(']'), i + 1);
            const qsizetype end = close < 0 ? n : close + 1;
            onText(sql.mid(i, end - i));
            i = end;
        } else if (c == QLatin1Char('?')) {
            onPositional();
            ++i;
        } else {
            onText(QString(c));
            ++i;
        }
    }
}

} // namespace

SqlText SqlText::bind(const QString &sql, const QVariantList &positional, const QVariantMap &named)
{
    SqlText result;
    qsizetype next = 0;
    scan(
        sql, [&](const QString &text) { result.sql += text; },
        [&] {
            if (next >= positional.size())
                throw DbException(QStringLiteral("Too few parameters in: %1").arg(sql));
            result.sql += QLatin1Char('?');
            result.values << positional.at(next++);
        },
        [&](const QString &name) {
            if (!named.contains(name))
                throw DbException(QStringLiteral("No value given for parameter %1.").arg(name));
            result.sql += QLatin1Char('?');
            result.values << named.value(name);
        });
    if (next != positional.size())
        throw DbException(QStringLiteral("Too many parameters for: %1").arg(sql));
    return result;
}

QStringList SqlText::namedParameters(const QString &sql)
{
    QStringList names;
    scan(
        sql, [](const QString &) {}, [] {},
        [&](const QString &name) {
            if (!names.contains(name))
                names << name;
        });
    return names;
}
