#include "FarmSession.h"

#include "base/SettingsKeys.h"
#include "base/WorkingPeriod.h"
#include "db/DbException.h"
#include "db/SchemaUpgrade.h"

#include <QDir>

FarmSession::FarmSession(QObject *parent) : QObject(parent), m_period(storedPeriod()) {}

FarmSession::~FarmSession()
{
    closeOpen();
}

void FarmSession::closeOpen()
{
    if (!m_db.isOpen())
        return;
    emit aboutToReplaceDatabase();
    m_db.close();
}

void FarmSession::open(const QString &path, Database::Access access)
{
    closeOpen();
    try {
        m_db.open(path, access);
        SchemaUpgrade::upgrade(m_db);
        SchemaUpgrade::keepYearSums(m_db);
    } catch (const DbException &error) {
        emit databaseReplaced();
        throw DbException(tr("Cannot open the farm database %1: %2")
                              .arg(QDir::toNativeSeparators(path), error.message()));
    } catch (...) {
        emit databaseReplaced();
        throw;
    }
    emit databaseReplaced();
}

void FarmSession::openStored()
{
    open(SettingsKeys::Database.read());
}

void FarmSession::reopen()
{
    openStored();
}

void FarmSession::close()
{
    if (!m_db.isOpen())
        return;
    closeOpen();
    emit databaseReplaced();
}

void FarmSession::setPeriod(const WorkingPeriod &period)
{
    storePeriod(period);
    m_period = period;
    emit periodChanged(m_period);
}

void FarmSession::reloadPeriod()
{
    m_period = storedPeriod();
    emit periodChanged(m_period);
}

WorkingPeriod FarmSession::storedPeriod()
{
    return WorkingPeriod::fromSettings();
}

void FarmSession::storePeriod(const WorkingPeriod &period)
{
    SettingsKeys::DataInit.write(period.start);
    SettingsKeys::DataEnd.write(period.end);
}
