#pragma once

#include <QCoreApplication>
#include <QStringList>

class Database;
class Progress;
struct MasterTable;

// Merges the content of an archive's database into the working database: the cards with
// their works and stock movements, then items, fields, cost centres, workers and operations,
// keeping or overwriting what the target already holds. Engine errors raise DbException; the
// caller runs the merge inside one transaction.
class ArchiveMerge
{
    Q_DECLARE_TR_FUNCTIONS(ArchiveMerge)

public:
    ArchiveMerge(Database &source, Database &target, bool overwrite, Progress &progress);

    void run();

    // True when source holds every table and column the merge reads.
    static bool canRead(Database &source);

private:
    void mergeCards();
    void mergeMasterTable(const MasterTable &table);
    // Upper (0) or lower (1) bar: 1 to count, or full when there is nothing to do.
    void startBar(int line, int count);

    Database &m_source;
    Database &m_target;
    bool m_overwrite;
    Progress &m_progress;
};
