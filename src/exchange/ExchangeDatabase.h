#pragma once

#include <QString>
#include <QVariant>

class Database;

// The database files that exchange makes: new files with the schema of the program's
// template, filled with tables copied from the working database.
class ExchangeDatabase
{
public:
    struct TableCopy
    {
        QString table;
        QString condition; // SQL condition on the working table, "?" for its values
        QVariantList values = {};
    };

    // The template database of the installation, or an empty text when none is found.
    static QString installedTemplatePath();

    // Creates path with every table and index of schemaSource and the program's stored queries,
    // no other rows.
    static void create(const QString &path, const QString &schemaSource);
    // Copies the rows of each table, in order, from the database at workingPath into target,
    // all or nothing. A table missing on either side fails with the engine's message.
    static void copyTables(Database &target, const QString &workingPath,
                           const QList<TableCopy> &tables);
};
