#include "FarmFileCheck.h"

#include "CZipArchive.h"
#include "CZipFileHeader.h"
#include "db/BuiltInQueries.h"
#include "db/Database.h"
#include "db/DbException.h"
#include "db/RowCursor.h"
#include "db/SchemaUpgrade.h"
#include "db/StockYearSums.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QTemporaryDir>

namespace {

// The longest piece of a file's own SQL quoted in a message.
constexpr int QuotedSql = 200;

// SQL text compared for its meaning only: without comments, with one space where words meet
// and none beside punctuation, names in brackets, and everything lower case except string
// literals.
QString normalized(const QString &sql)
{
    QString out;
    bool space = false;
    auto isWord = [](QChar c) {
        return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char(']') ||
               c == QLatin1Char('[') || c == QLatin1Char('\'');
    };
    auto append = [&](QChar c) {
        if (space && !out.isEmpty() && isWord(out.back()) && isWord(c))
            out += QLatin1Char(' ');
        space = false;
        out += c;
    };
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = sql.at(i);
        const QChar next = i + 1 < n ? sql.at(i + 1) : QChar();
        if (c == QLatin1Char('-') && next == QLatin1Char('-')) {
            while (i < n && sql.at(i) != QLatin1Char('\n'))
                ++i;
            space = true;
        } else if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
            const qsizetype end = sql.indexOf(QStringLiteral("*/"), i + 2);
            i = end < 0 ? n : end + 1;
            space = true;
        } else if (c.isSpace()) {
            space = true;
        } else if (c == QLatin1Char('\'')) {
            append(c);
            for (++i; i < n; ++i) {
                out += sql.at(i);
                if (sql.at(i) == QLatin1Char('\''))
                    break;
            }
        } else if (c == QLatin1Char('[') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            qsizetype end = sql.indexOf(close, i + 1);
            if (end < 0)
                end = n;
            append(QLatin1Char('['));
            out += sql.mid(i + 1, end - i - 1).toLower();
            out += QLatin1Char(']');
            i = end;
        } else {
            append(c.toLower());
        }
    }
    return out;
}

struct SchemaObject
{
    QString type;
    QString name;
    QString table;
    QSet<QString> definitions; // normalized SQL texts the program writes for it
    QString columns;           // of a table, as the program makes it
    bool required = false;
};

struct FileObject
{
    QString type;
    QString name;
    QString table;
    QString sql;
};

QList<FileObject> objectsOf(Database &db)
{
    QList<FileObject> objects;
    QSqlQuery rows = db.execute(QStringLiteral(
        "SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY type DESC, name"));
    RowCursor cursor(rows);
    while (cursor.next())
        objects.append({rows.value(0).toString(), rows.value(1).toString(),
                        rows.value(2).toString(), rows.value(3).toString()});
    return objects;
}

QString columnsOf(Database &db, const QString &table)
{
    QStringList columns;
    QSqlQuery rows =
        db.execute(QStringLiteral("SELECT name, type, hidden FROM pragma_table_xinfo(?)"), {table});
    RowCursor cursor(rows);
    while (cursor.next()) {
        QString column = rows.value(0).toString();
        if (!rows.value(1).toString().isEmpty())
            column += QLatin1Char(' ') + rows.value(1).toString();
        if (rows.value(2).toInt() != 0)
            column += QStringLiteral(" (hidden)");
        columns << column;
    }
    return columns.join(QStringLiteral(", "));
}

// The internal tables and key indexes of the engine itself, which every file may have.
bool isEngineObject(const FileObject &object)
{
    static const QSet<QString> tables{"sqlite_sequence", "sqlite_stat1", "sqlite_stat4"};
    if (object.type == QLatin1String("table"))
        return tables.contains(object.name.toLower());
    return object.type == QLatin1String("index") && object.sql.isEmpty() &&
           object.name.startsWith(QLatin1String("sqlite_autoindex_"), Qt::CaseInsensitive);
}

// What the program itself makes: the schema of a new farm (required), and what opening it
// adds (the columns of later versions and the tables and triggers of the kept sums).
QHash<QString, SchemaObject> buildProgramSchema()
{
    QTemporaryDir folder;
    if (!folder.isValid())
        throw DbException(FarmFileCheck::tr("Could not make a temporary folder to check the "
                                            "database: %1")
                              .arg(folder.errorString()));
    const QString path = folder.filePath(QStringLiteral("schema.db"));
    Database::create(path);
    Database db;
    db.open(path);
    for (const QString &statement : BuiltInQueries::schemaStatements())
        db.execute(statement);

    QHash<QString, SchemaObject> schema;
    auto take = [&](bool required) {
        for (const FileObject &object : objectsOf(db)) {
            if (isEngineObject(object))
                continue;
            SchemaObject &known = schema[object.name.toLower()];
            known.type = object.type;
            known.name = object.name;
            known.table = object.table.toLower();
            known.definitions.insert(normalized(object.sql));
            known.required = known.required || required;
            if (object.type == QLatin1String("table"))
                known.columns = columnsOf(db, object.name);
        }
    };
    take(true);
    SchemaUpgrade::upgrade(db);
    SchemaUpgrade::keepYearSums(db);
    take(false);
    return schema;
}

const QHash<QString, SchemaObject> &programSchema()
{
    static const QHash<QString, SchemaObject> schema = buildProgramSchema();
    return schema;
}

QString quoted(const QString &sql)
{
    const QString simple = sql.simplified();
    return simple.size() > QuotedSql ? simple.left(QuotedSql) + QStringLiteral("…") : simple;
}

void checkIntegrity(Database &db)
{
    QSqlQuery rows = db.execute(QStringLiteral("PRAGMA integrity_check"));
    QStringList problems;
    try {
        RowCursor cursor(rows);
        while (cursor.next())
            problems << rows.value(0).toString();
    } catch (const DbException &e) {
        // A lock held by another program says nothing about the pages.
        if (e.kind() == DbErrorKind::Busy)
            throw;
        throw DbException(FarmFileCheck::tr("The database is damaged: %1").arg(e.message()),
                          DbErrorKind::Damaged);
    }
    if (problems != QStringList{QStringLiteral("ok")})
        throw DbException(FarmFileCheck::tr("The database is damaged: %1")
                              .arg(problems.value(0, QStringLiteral("?"))),
                          DbErrorKind::Damaged);
}

void checkObject(Database &db, const FileObject &object, const SchemaObject *known)
{
    const bool table = object.type == QLatin1String("table");
    if (!known || known->type != object.type || known->table != object.table.toLower()) {
        if (table)
            throw DbException(
                FarmFileCheck::tr("The database holds the table %1, which is not one of "
                                  "Verdimo's.")
                    .arg(object.name));
        throw DbException(FarmFileCheck::tr("The database holds the %1 %2, which Verdimo does not "
                                            "make: %3")
                              .arg(object.type, object.name, quoted(object.sql)));
    }
    if (known->definitions.contains(normalized(object.sql)))
        return;
    if (!table)
        throw DbException(FarmFileCheck::tr("The %1 %2 of the database is not Verdimo's: %3")
                              .arg(object.type, object.name, quoted(object.sql)));
    const QString columns = columnsOf(db, object.name);
    if (columns != known->columns)
        throw DbException(
            FarmFileCheck::tr("The table %1 of the database has the columns %2; Verdimo's has %3.")
                .arg(object.name, columns, known->columns));
    throw DbException(FarmFileCheck::tr("The table %1 of the database has a constraint or key of "
                                        "its own: %2")
                          .arg(object.name, quoted(object.sql)));
}

} // namespace

void FarmFileCheck::verify(Database &db)
{
    checkIntegrity(db);
    const QHash<QString, SchemaObject> &schema = programSchema();
    QSet<QString> present;
    for (const FileObject &object : objectsOf(db)) {
        if (isEngineObject(object))
            continue;
        const auto known = schema.constFind(object.name.toLower());
        checkObject(db, object, known == schema.cend() ? nullptr : &*known);
        present.insert(object.name.toLower());
    }
    // A missing table is named before the indexes that went with it.
    for (const bool tables : {true, false}) {
        for (const SchemaObject &object : schema) {
            if (!object.required || (object.type == QLatin1String("table")) != tables ||
                present.contains(object.name.toLower()))
                continue;
            throw DbException(tables
                                  ? tr("The database has no table %1.").arg(object.name)
                                  : tr("The database has no %1 %2.").arg(object.type, object.name));
        }
    }
}

int FarmFileCheck::singleEntry(const CZipArchive &archive, const QString &name,
                               const QString &archivePath)
{
    int found = -1;
    for (int i = 0; i < archive.entryCount(); ++i) {
        if (QFileInfo(archive.entry(i).name()).fileName().compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (found >= 0)
            throw DbException(tr("The archive %1 holds %2 more than once: which one is meant "
                                 "cannot be told.")
                                  .arg(QDir::toNativeSeparators(archivePath), name));
        found = i;
    }
    if (found < 0)
        throw DbException(
            tr("The archive %1 holds no %2.").arg(QDir::toNativeSeparators(archivePath), name));
    return found;
}

void FarmFileCheck::forgetKeptSums(Database &db)
{
    Transaction transaction(db);
    for (const QString &table : {SchemaUpgrade::YearSumsTable, SchemaUpgrade::SummedYearsTable})
        if (db.tableExists(table))
            db.execute(QStringLiteral("DELETE FROM [%1]").arg(table));
    StockYearSums::forget(db);
    transaction.commit();
}
