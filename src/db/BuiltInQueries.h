#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Database;

// The program's own stored queries and schema, built into it. The queries that run are always
// these: a database file's QueryDefs table only carries them for other installations, which
// read them from the file.
class BuiltInQueries
{
public:
    struct Query
    {
        QString name;
        QString sql;
    };

    static const QList<Query> &all();
    // The query's SQL, or a null text when the program has no query of that name.
    static QString sql(const QString &name);
    // The statements that make the tables and indexes of a new farm database.
    static const QStringList &schemaStatements();

    // Makes the QueryDefs table of a file that can be written hold exactly the program's
    // queries, creating the table in a farm database that lacks it. Writes nothing when the
    // table already holds them or the file can only be read. Returns true when it wrote.
    static bool restore(Database &db);
};
