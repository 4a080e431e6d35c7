// Builds the template database: runs the schema, then stores each named query after checking
// that the engine accepts its SQL.
//
// Query files hold blocks that start with a line "-- query: Name"; the block's text up to the
// next such line is the query's SQL. Parameters are written :[Name].

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
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

bool runSchema(QSqlDatabase &db, const QString &path)
{
    QString text;
    if (!readText(path, text))
        return false;
    for (const QString &statement : withoutComments(text).split(QLatin1Char(';'))) {
        if (statement.trimmed().isEmpty())
            continue;
        QSqlQuery query(db);
        if (!query.exec(statement))
            return fail(QStringLiteral("%1: %2\n%3")
                            .arg(path, query.lastError().text(), statement.trimmed()));
    }
    return true;
}

bool storeQuery(QSqlDatabase &db, const QString &name, QString sql)
{
    sql = sql.trimmed();
    if (sql.endsWith(QLatin1Char(';')))
        sql.chop(1);
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

bool runQueries(QSqlDatabase &db, const QString &path)
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
        if (bodyStart >= 0 &&
            !storeQuery(db, name, text.mid(bodyStart, m.capturedStart() - bodyStart)))
            return false;
        name = m.captured(1);
        bodyStart = m.capturedEnd();
    }
    return bodyStart < 0 || storeQuery(db, name, text.mid(bodyStart));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return fail(QStringLiteral("usage: verdimo-mktemplate OUTPUT SCHEMA [QUERIES...]")), 2;

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
