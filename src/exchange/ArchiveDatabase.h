#pragma once

#include "db/Database.h"

#include <QCoreApplication>
#include <QString>
#include <memory>

// The database unpacked from an archive, opened so that a crafted file can neither run code
// of its own nor keep the program busy: SQLite's defensive settings, no schema functions,
// read-only, a bound on the work any statement on it may do, and only plain tables. A file
// that is damaged (quick_check) or holds views, triggers or virtual tables is refused.
class ArchiveDatabase
{
    Q_DECLARE_TR_FUNCTIONS(ArchiveDatabase)

public:
    // Virtual machine steps between two calls of the progress handler.
    static constexpr int StepsPerCall = 1000;

    ArchiveDatabase();
    ~ArchiveDatabase();
    ArchiveDatabase(const ArchiveDatabase &) = delete;
    ArchiveDatabase &operator=(const ArchiveDatabase &) = delete;

    // Raises DbException with the reason when the file is refused, and stays closed.
    void open(const QString &path);
    Database &database() { return m_db; }
    // True once a statement was stopped for taking too much work.
    bool workExhausted() const;

    // The work every statement together may do on a file of this size, in handler calls.
    static qint64 workBudget(qint64 fileSize);

    // What is left of the work budget; the progress handler spends it.
    struct Budget
    {
        qint64 left = 0;
        bool exhausted = false;
    };

private:
    void secure(const QString &path);

    std::unique_ptr<Budget> m_budget;
    Database m_db;
};
