#pragma once

#include <QSqlQuery>
#include <QVariant>

class Database;

// The rows of a query read front to back, one at a time as they are asked for: the statement
// stays open between rows, so that the first rows of a long result cost only what they cost.
// Values come back as a record set over SQL gives them (the engine's own types, an invalid
// QVariant for NULL).
//
// An open cursor holds a read on the database. Writes on the same connection still work, but
// the rows still to come may or may not show them; close() (or the destructor) ends the read.
// Closing the database closes every cursor on it, which then reads as ended.
class ForwardCursor
{
public:
    // sql takes "?" values from params and ":[Name]" values from named, as Database::execute.
    ForwardCursor(Database &db, const QString &sql, const QVariantList &params = {},
                  const QVariantMap &named = {});
    ~ForwardCursor();
    ForwardCursor(const ForwardCursor &) = delete;
    ForwardCursor &operator=(const ForwardCursor &) = delete;

    bool isOpen() const { return m_open; }
    // True past the last row, and once closed.
    bool isEOF() const { return !m_open; }
    // Steps to the next row; raises DbException (and closes) when the engine fails.
    void moveNext();
    void close();

    int columnCount() const { return m_columns; }
    QVariant value(int position) const;
    bool isNull(int position) const;

    // Closes every cursor open on db (before its connection closes).
    static void closeAll(const Database &db);

private:
    Database *m_db;
    QSqlQuery m_query;
    int m_columns = 0;
    bool m_open = false;
};
