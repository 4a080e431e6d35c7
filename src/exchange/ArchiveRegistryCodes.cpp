#include "ArchiveRegistryCodes.h"

#include "db/Database.h"
#include "db/PreparedStatement.h"
#include "db/RowCursor.h"
#include "db/SchemaUpgrade.h"

#include <QHash>
#include <QList>

namespace {

void mergeColumn(Database &source, Database &target, const QString &table, const QString &column,
                 bool overwrite)
{
    if (!source.tableExists(table) || !SchemaUpgrade::hasColumn(source, table, column) ||
        !SchemaUpgrade::hasColumn(target, table, column))
        return;
    // The first row of a code holds its value, as the registries' lookups read it.
    QHash<int, QString> values;
    QList<int> order;
    QSqlQuery rows = source.execute(
        QStringLiteral("SELECT Codice, [%1] FROM [%2] ORDER BY rowid").arg(column, table));
    RowCursor cursor(rows);
    while (cursor.next()) {
        const int code = rows.value(0).toInt();
        if (values.contains(code))
            continue;
        values.insert(code, rows.value(1).toString().trimmed());
        order << code;
    }
    PreparedStatement update(
        target,
        QStringLiteral("UPDATE [%1] SET [%2] = ? WHERE Codice = ?%3")
            .arg(table, column,
                 overwrite ? QString()
                           : QStringLiteral(" AND TRIM(COALESCE([%1], '')) = ''").arg(column)));
    for (const int code : order) {
        if (!values.value(code).isEmpty())
            update.exec({values.value(code), code});
    }
}

} // namespace

void ArchiveRegistryCodes::merge(Database &source, Database &target, bool overwrite)
{
    SchemaUpgrade::upgrade(target);
    mergeColumn(source, target, SchemaUpgrade::ItemsTable, SchemaUpgrade::AuthorisationColumn,
                overwrite);
    mergeColumn(source, target, SchemaUpgrade::CentresTable, SchemaUpgrade::EppoColumn, overwrite);
}
