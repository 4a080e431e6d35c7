// Builds the template database: runs the schema, then stores each named query after checking
// that the engine accepts its SQL. With --source it writes instead the C++ source that builds
// the same schema statements and queries into the program, so that the program runs its own
// SQL whatever a database file holds.
//
// Query files hold blocks that start with a line "-- query: Name"; the block's text up to the
// next such line is the query's SQL. Parameters are written :[Name].

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <cstdio>

namespace {

bool fail(const QString &message)
{
    std::fprintf(stderr, "verdimo-mktemplate: %s\n", qPrintable(message));
    return false;
}

bool readText(const QString &path, QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(QStringLiteral("cannot read %1").arg(path));
    text = QString::fromUtf8(file.readAll());
    return true;
}

QString withoutComments(const QString &sql)
{
    QStringList kept;
    for (const QString &line : sql.split(QLatin1Char('\n')))
        if (!line.trimmed().startsWith(QLatin1String("--")))
            kept << line;
    return kept.join(QLatin1Char('\n'));
}

bool readSchema(const QString &path, QStringList &statements)
{
    QString text;
    if (!readText(path, text))
        return false;
    for (const QString &statement : withoutComments(text).split(QLatin1Char(';')))
        if (!statement.trimmed().isEmpty())
            statements << statement;
    return true;
}

bool runSchema(QSqlDatabase &db, const QString &path)
{
    QStringList statements;
    if (!readSchema(path, statements))
        return false;
    for (const QString &statement : statements) {
        QSqlQuery query(db);
        if (!query.exec(statement))
            return fail(QStringLiteral("%1: %2\n%3")
                            .arg(path, query.lastError().text(), statement.trimmed()));
    }
    return true;
}

struct Query
{
    QString name;
    QString sql;
};

bool storeQuery(QSqlDatabase &db, const Query &query)
{
    const QString &name = query.name;
    const QString &sql = query.sql;
    QString probe = sql;
    probe.replace(QRegularExpression(QStringLiteral(":\\[[^\\]]+\\]")), QStringLiteral("?"));
    QSqlQuery check(db);
    if (!check.prepare(probe))
        return fail(QStringLiteral("query \"%1\": %2").arg(name, check.lastError().text()));
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO QueryDefs (Name, Sql) VALUES (?, ?)"));
    insert.addBindValue(name);
    insert.addBindValue(sql);
    if (!insert.exec())
        return fail(QStringLiteral("query \"%1\": %2").arg(name, insert.lastError().text()));
    return true;
}

// The query's text as it is stored and run: without the blank lines around it and the final
// semicolon.
Query makeQuery(const QString &name, QString sql)
{
    sql = sql.trimmed();
    if (sql.endsWith(QLatin1Char(';')))
        sql.chop(1);
    return {name, sql};
}

bool readQueries(const QString &path, QList<Query> &queries)
{
    QString text;
    if (!readText(path, text))
        return false;
    static const QRegularExpression header(QStringLiteral("^--\\s*query:\\s*(.+?)\\s*$"),
                                           QRegularExpression::MultilineOption);
    auto match = header.globalMatch(text);
    QString name;
    qsizetype bodyStart = -1;
    while (match.hasNext()) {
        const auto m = match.next();
        if (bodyStart >= 0)
            queries << makeQuery(name, text.mid(bodyStart, m.capturedStart() - bodyStart));
        name = m.captured(1);
        bodyStart = m.capturedEnd();
    }
    if (bodyStart >= 0)
        queries << makeQuery(name, text.mid(bodyStart));
    return true;
}

bool runQueries(QSqlDatabase &db, const QString &path)
{
    QList<Query> queries;
    if (!readQueries(path, queries))
        return false;
    for (const Query &query : queries)
        if (!storeQuery(db, query))
            return false;
    return true;
}

// A C++ raw string literal of the text; fails when the text holds the literal's end.
bool literal(const QString &text, QByteArray &out)
{
    static const QByteArray end = QByteArrayLiteral(")verdimo_sql\"");
    const QByteArray utf8 = text.toUtf8();
    if (utf8.contains(end))
        return fail(QStringLiteral("the SQL holds %1").arg(QString::fromLatin1(end)));
    out += QByteArrayLiteral("R\"verdimo_sql(") + utf8 + end;
    return true;
}

bool writeSource(const QString &output, const QString &schemaPath, const QStringList &queryPaths)
{
    QStringList statements;
    QList<Query> queries;
    if (!readSchema(schemaPath, statements))
        return false;
    for (const QString &path : queryPaths)
        if (!readQueries(path, queries))
            return false;
    QByteArray source = QByteArrayLiteral("// Generated by verdimo-mktemplate --source.\n"
                                          "#include \"db/BuiltInText.h\"\n\n"
                                          "namespace BuiltInText {\n\n"
                                          "const char *const SchemaStatements[] = {\n");
    for (const QString &statement : statements) {
        source += "    ";
        if (!literal(statement.trimmed(), source))
            return false;
        source += ",\n";
    }
    source += QByteArrayLiteral("};\nconst int SchemaStatementCount = ") +
              QByteArray::number(statements.size()) +
              QByteArrayLiteral(";\n\nconst Query Queries[] = {\n");
    for (const Query &query : queries) {
        source += "    {";
        if (!literal(query.name, source))
            return false;
        source += ",\n     ";
        if (!literal(query.sql, source))
            return false;
        source += "},\n";
    }
    source += QByteArrayLiteral("};\nconst int QueryCount = ") +
              QByteArray::number(queries.size()) +
              QByteArrayLiteral(";\n\n} // namespace BuiltInText\n");
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || file.write(source) != source.size() || !file.commit())
        return fail(QStringLiteral("cannot write %1").arg(output));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 4 && args.at(1) == QLatin1String("--source"))
        return writeSource(args.at(2), args.at(3), args.mid(4)) ? 0 : 1;
    if (args.size() < 3)
        return fail(QStringLiteral("usage: verdimo-mktemplate OUTPUT SCHEMA [QUERIES...]\n"
                                   "       verdimo-mktemplate --source OUTPUT.cpp SCHEMA "
                                   "[QUERIES...]")),
               2;

    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        db.setDatabaseName(args.at(1));
        if (!db.open())
            return fail(db.lastError().text()), 1;
        db.transaction();
        ok = runSchema(db, args.at(2));
        for (qsizetype i = 3; ok && i < args.size(); ++i)
            ok = runQueries(db, args.at(i));
        ok = ok && db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
    if (!ok)
        QFile::remove(args.at(1));
    return ok ? 0 : 1;
}
