#pragma once

#include "Database.h"
#include "base/WorkingPeriod.h"

#include <QObject>
#include <QString>

// The farm the program works on: the open working database and the working period. The
// application owns the one session; the frame, the views and the print path take the database
// and the period from it and follow its signals, so that nobody keeps a connection or a period
// of their own.
class FarmSession : public QObject
{
    Q_OBJECT

public:
    explicit FarmSession(QObject *parent = nullptr);
    ~FarmSession() override;

    Database &database() { return m_db; }
    bool isOpen() const { return m_db.isOpen(); }
    // A database that can only be read (a write-protected file or folder) is open for reading:
    // every command that writes is off.
    bool isReadOnly() const { return m_db.isOpen() && m_db.isReadOnly(); }
    QString databasePath() const { return m_db.path(); }

    // Opens the file, closing the database open before (holders are told first); a file that
    // cannot be written is opened for reading. Raises DbException when the file cannot be
    // opened; the session is then closed.
    void open(const QString &path, Database::Access access = Database::Access::Auto);
    // Opens the file the Database setting names.
    void openStored();
    // The Database setting may name another file now: every holder lets go of the database,
    // then it is opened again from the setting. Raises DbException as open does.
    void reopen();
    void close();

    WorkingPeriod period() const { return m_period; }
    // Stores the period in the settings and tells every holder.
    void setPeriod(const WorkingPeriod &period);
    // Takes the stored period again (after the settings were written elsewhere) and tells every
    // holder.
    void reloadPeriod();
    // The stored working period, 01/01/2015 - 31/12/2015 when none is stored.
    static WorkingPeriod storedPeriod();
    // Writes the period to the settings without telling anyone (the settings dialog stores
    // first and has the frame apply the stored period afterwards).
    static void storePeriod(const WorkingPeriod &period);

signals:
    // The open database is about to close: close every record set on it now.
    void aboutToReplaceDatabase();
    // Another database is open (or none, when opening it failed).
    void databaseReplaced();
    void periodChanged(const WorkingPeriod &period);

private:
    void closeOpen();

    Database m_db;
    WorkingPeriod m_period;
};
