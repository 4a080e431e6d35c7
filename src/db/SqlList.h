#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// Lists in SQL text: the "?, ?, ?" of an IN (...) or VALUES (...) with the values bound to
// them, and names joined for a column list. Values always go to the engine as parameters.
namespace SqlList {

inline QString placeholders(qsizetype count)
{
    return QStringList(count, QStringLiteral("?")).join(QStringLiteral(", "));
}

template <typename T> QString placeholders(const QList<T> &values)
{
    return placeholders(values.size());
}

template <typename T> QVariantList values(const QList<T> &items)
{
    QVariantList bound;
    bound.reserve(items.size());
    for (const T &item : items)
        bound << QVariant::fromValue(item);
    return bound;
}

inline QString names(const QStringList &names)
{
    return names.join(QStringLiteral(", "));
}

} // namespace SqlList
