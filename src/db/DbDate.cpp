#include "DbDate.h"

namespace {
const QString storedFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
}

QString DbDate::toText(const QDateTime &moment)
{
    return moment.toString(storedFormat);
}

QString DbDate::toText(const QDate &day)
{
    return toText(QDateTime(day, QTime(0, 0, 0)));
}

QDateTime DbDate::fromText(const QString &text)
{
    QDateTime moment = QDateTime::fromString(text, storedFormat);
    if (!moment.isValid())
        moment = QDateTime(QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd")),
                           QTime(0, 0, 0));
    return moment;
}

QVariant DbDate::toStored(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return value.isNull() ? QVariant() : QVariant(toText(value.toDateTime()));
    case QMetaType::QDate:
        return value.isNull() ? QVariant() : QVariant(toText(value.toDate()));
    default:
        return value;
    }
}
