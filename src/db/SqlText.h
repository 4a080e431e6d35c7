#pragma once

#include <QString>
#include <QVariant>

// SQL text made ready for the engine: positional "?" and named ":[Name]" parameters become
// "?" placeholders with their values in text order. Quoted strings and bracketed names are
// left untouched.
struct SqlText
{
    QString sql;
    QVariantList values;

    // Throws DbException when a placeholder has no value or positional values are left over.
    static SqlText bind(const QString &sql, const QVariantList &positional,
                        const QVariantMap &named);
    // The ":[Name]" parameter names in text order, each once, written "[Name]".
    static QStringList namedParameters(const QString &sql);
};
