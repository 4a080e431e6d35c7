#pragma once

#include <QString>

class Database;

// The working table a pagination numbers (Totali, [Totali Campi], [Appoggio Articoli]). On a
// farm file that can be written the page numbers go into the table itself. On one that can only
// be read (opened so, or refusing the write), they go into a copy of the table in the
// connection's temporary store: an unqualified name finds the temporary table before the
// file's, so the report reads the copy's rows and page numbers as it would the file's, and the
// file is left byte for byte as it was. The copy is made afresh from the file's rows at every
// pagination and goes with the connection.
class PageNumberTable
{
public:
    // name: the table's name as the file spells it, without brackets.
    PageNumberTable(Database &db, QString name);

    // Sets every row's page number to 0 and its Ultimo to false, in the file's table or in a
    // fresh temporary copy of it; a copy left by an earlier pagination is dropped first. Run it
    // inside the pagination's transaction. Raises DbException on an engine failure.
    void reset();

private:
    void copyToTemporaryStore();

    Database &m_db;
    QString m_name;
};
