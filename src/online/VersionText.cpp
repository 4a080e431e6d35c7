#include "VersionText.h"

#include <algorithm>

QString VersionText::programVersion()
{
    return QStringLiteral(VERDIMO_VERSION);
}

QString VersionText::normalize(const QString &fetched)
{
    const QString text = fetched.trimmed();
    const qsizetype dot = text.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return isValid(text) ? QStringLiteral("1.0.0") : QString();
    qsizetype end = dot + 1;
    while (end < text.size() && text.at(end).isDigit())
        ++end;
    const QString version = text.left(end);
    return isValid(version) ? version : QString();
}

QList<qulonglong> VersionText::components(const QString &version)
{
    QList<qulonglong> numbers;
    for (const QString &part : version.split(QLatin1Char('.'))) {
        const bool digitsOnly =
            !part.isEmpty() && part.size() <= 18 &&
            std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (!digitsOnly)
            return {};
        numbers << part.toULongLong();
    }
    return numbers;
}

int VersionText::compare(const QString &a, const QString &b)
{
    const QList<qulonglong> left = components(a);
    const QList<qulonglong> right = components(b);
    const qsizetype count = std::max(left.size(), right.size());
    for (qsizetype i = 0; i < count; ++i) {
        const qulonglong x = left.value(i, 0);
        const qulonglong y = right.value(i, 0);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}
