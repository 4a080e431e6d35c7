#pragma once

class QSqlQuery;

// Steps through the rows of an executed query and tells a read that ended on an engine error
// (a damaged page, a lock, a full disk) from the end of the rows: next() raises DbException
// then, so that a loop over rows never ends quietly with a shorter result.
//
//     RowCursor rows(query);
//     while (rows.next())
//         use(query.value(0));
class RowCursor
{
public:
    explicit RowCursor(QSqlQuery &query) : m_query(query) {}

    // True on the next row; false past the last one; raises DbException when the engine fails.
    bool next();

private:
    QSqlQuery &m_query;
};
