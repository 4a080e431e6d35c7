#pragma once

#include "db/Database.h"
#include "db/RowCursor.h"

#include <QHash>
#include <QSqlQuery>
#include <QVariant>

namespace CodeLookup {

// Code to the value of its first row (the query selects code, value in the order to keep), as a
// find-first on a registry table gives it: a code registered twice takes its first row.
inline QHash<int, QVariant> firstValues(Database &db, const QString &sql)
{
    QHash<int, QVariant> values;
    QSqlQuery query = db.execute(sql);
    RowCursor cursor(query);
    while (cursor.next()) {
        const int code = query.value(0).toInt();
        if (!values.contains(code))
            values.insert(code, query.value(1));
    }
    return values;
}

} // namespace CodeLookup
