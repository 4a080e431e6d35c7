#pragma once

#include <QCoreApplication>
#include <QString>

class CZipArchive;
class Database;

// The checks a farm database that comes in from outside (an archive to import, a backup to
// restore) must pass before any of it is used: it is sound (PRAGMA integrity_check, which also
// finds an index that no longer matches its table), and it holds the program's own tables with
// exactly their columns, keys and constraints, the program's indexes, and no table, index,
// trigger or view of its own. The hour sums such a file keeps are never trusted: they are
// emptied and summed again from its works.
class FarmFileCheck
{
    Q_DECLARE_TR_FUNCTIONS(FarmFileCheck)

public:
    // Raises DbException with a message that says what is wrong. Reads only.
    static void verify(Database &db);
    // The index of the one entry of archive whose file name is name (in any folder, in any
    // case); raises DbException naming archivePath when there is none or more than one, since
    // then nobody can tell which one was meant.
    static int singleEntry(const CZipArchive &archive, const QString &name,
                           const QString &archivePath);
    // Empties the tables of kept yearly hour sums, where the file has them, so that they are
    // summed again from the works when asked for.
    static void forgetKeptSums(Database &db);
};
