#pragma once

#include "Database.h"
#include "base/CompanyData.h"
#include "base/WorkingPeriod.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <memory>
#include <utility>

class FarmLock;

// The farm the program works on: the open working database, the working period (and with it the
// field years: the years of its first and last day), the card day shown last and the company
// data. The window and every command line command open their farm through a session, so the
// schema upgrade, the kept yearly sums and the read-only rule are the same everywhere; the
// frame, the views and the print path take the database, the period and the company from it and
// follow its signals, so that nobody keeps a connection, a period or a setting of their own.
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
    // Opens the file the Database setting names (the Database setting may name another file
    // than the one open now: every holder lets go of the database first). Raises DbException as
    // open does.
    void openStored();
    void close();

    // Whether the farm's data changed since the session first opened its file: rows written
    // through the session's connections, or commits of other connections (an import) seen by
    // them. Opening another file starts the count again.
    bool changedInSession();
    // While on, the session holds the lock of the file it has open (and of the file it just
    // closed to have it replaced), so that no other program writes the farm meanwhile. The
    // window turns it on; a file whose lock another program holds is opened all the same.
    void holdFarmLock(bool hold);
    bool holdsFarmLock() const;

    WorkingPeriod period() const { return m_period; }
    // Stores the period in the settings and tells every holder.
    void setPeriod(const WorkingPeriod &period);
    // Takes the stored period again (after the settings were written elsewhere) and tells every
    // holder.
    void reloadPeriod();
    // The stored working period, 01/01/2015 - 31/12/2015 when none is stored.
    static WorkingPeriod storedPeriod();
    // The stored period's first and last day as the settings hold them, to show the user a
    // period that cannot be read.
    static std::pair<QString, QString> storedPeriodTexts();
    // Writes the period to the settings without telling anyone (the settings dialog stores
    // first and has the frame apply the stored period afterwards).
    static void storePeriod(const WorkingPeriod &period);
    // The window's first start stores no period: the period becomes the calendar year of today
    // and the card day today, so that the first Add gives today's card. A user who has worked
    // without ever choosing a period (a card day is stored) gets the year of that day, and a
    // period stored in part is completed within the year of its stored day. Stored values are
    // kept as they are; every holder is told of a period that changed.
    void settleFirstStart(const QDate &today);

    // The card day shown last, kept for the next start.
    QDate actualDate() const { return m_actualDate; }
    void setActualDate(const QDate &day);

    // The holder's and the legal representative's data of the report headings.
    CompanyData company() const { return m_company; }
    // Stores the data in the settings and tells every holder.
    void setCompany(const CompanyData &company);

signals:
    // The open database is about to close: close every record set on it now.
    void aboutToReplaceDatabase();
    // Another database is open (or none, when opening it failed).
    void databaseReplaced();
    void periodChanged(const WorkingPeriod &period);
    void companyChanged();

private:
    void closeOpen();
    void closeFailed();
    void startCounting(const QString &path);
    qint64 dataVersion();
    void lockFarm(const QString &path);

    Database m_db;
    WorkingPeriod m_period;
    QDate m_actualDate;
    CompanyData m_company;
    // The file the count belongs to, the changes of its connections already closed, and the
    // engine's data version when the open connection began.
    QString m_countedPath;
    bool m_changed = false;
    qint64 m_openedVersion = -1;
    bool m_holdLock = false;
    std::unique_ptr<FarmLock> m_lock;
};
