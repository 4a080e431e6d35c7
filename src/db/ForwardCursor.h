#pragma once

#include <QSqlQuery>
#include <QVariant>

class Database;
class QThread;

// The rows of a query read front to back, one at a time as they are asked for: the statement
// stays open between rows, so that the first rows of a long result cost only what they cost.
// Values come back as a record set over SQL gives them (the engine's own types, an invalid
// QVariant for NULL).
//
// An open cursor holds a read on the database, which keeps other connections (and other
// programs) from committing a write. Writes on the same connection still work, but the rows
// still to come may or may not show them; close() (or the destructor) ends the read.
// Closing the database closes every cursor on it, which then reads as ended.
//
// A cursor that a screen reads a little at a time can let go of its read between rows:
// release() keeps the current row and the position, and the next moveNext() runs the query
// again and steps past the rows already read. A write to the rows in between may then shift
// the rows still to come; a list shown on screen is read again after the writes it shows.
// Such a cursor is marked releasable, and a write of this program on another connection of
// the same thread that finds the file locked releases it (see releaseIdle).
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

    // Allows release() at any time between rows, by this cursor's owner or by a write that
    // needs the file.
    void setReleasable(bool releasable) { m_releasable = releasable; }
    bool isReleasable() const { return m_releasable; }
    // Ends the statement's read and keeps the current row; reading on runs the query again.
    void release();
    // True while the statement is ended between rows.
    bool isReleased() const { return m_released; }

    int columnCount() const { return m_columns; }
    QVariant value(int position) const;
    bool isNull(int position) const;

    // Closes every cursor open on db (before its connection closes).
    static void closeAll(const Database &db);
    // Releases the releasable cursors of this thread that read through a connection other than
    // writer, so that writer can take the file; true when any was holding a read.
    static bool releaseIdle(const Database &writer);

private:
    void resume();

    Database *m_db;
    QThread *m_thread;
    QSqlQuery m_query;
    int m_columns = 0;
    // Rows stepped onto so far, the current one included.
    qint64 m_rowsRead = 0;
    // The current row while the statement is released.
    QVariantList m_current;
    bool m_open = false;
    bool m_releasable = false;
    bool m_released = false;
    // True inside moveNext, where the statement must not be released under it.
    bool m_stepping = false;
};
