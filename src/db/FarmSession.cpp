#include "FarmSession.h"

#include "base/FarmLock.h"
#include "base/SettingsKeys.h"
#include "base/WorkingPeriod.h"
#include "db/DbException.h"
#include "db/SchemaUpgrade.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

FarmSession::FarmSession(QObject *parent)
    : QObject(parent), m_period(storedPeriod()), m_actualDate(SettingsKeys::ActualDate.read()),
      m_company(CompanyData::load())
{
}

FarmSession::~FarmSession()
{
    closeOpen();
}

void FarmSession::closeOpen()
{
    if (!m_db.isOpen())
        return;
    emit aboutToReplaceDatabase();
    m_changed = changedInSession();
    m_db.close();
}

void FarmSession::startCounting(const QString &path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    if (file != m_countedPath) {
        m_countedPath = file;
        m_changed = false;
    }
}

qint64 FarmSession::dataVersion()
{
    try {
        return m_db.scalar(QStringLiteral("PRAGMA data_version")).toLongLong();
    } catch (const DbException &) {
        return -1;
    }
}

bool FarmSession::changedInSession()
{
    if (m_changed)
        return true;
    if (!m_db.isOpen())
        return false;
    // The data version moves with every commit of another connection to the file. A file that
    // can only be read counts only those: its own writes went to the temporary store.
    return (!m_db.isReadOnly() && m_db.changeCount() > 0) || dataVersion() != m_openedVersion;
}

void FarmSession::holdFarmLock(bool hold)
{
    m_holdLock = hold;
    if (!hold)
        m_lock.reset();
    else if (m_db.isOpen())
        lockFarm(m_db.path());
}

bool FarmSession::holdsFarmLock() const
{
    return m_lock && m_lock->isLocked();
}

void FarmSession::lockFarm(const QString &path)
{
    if (!m_holdLock)
        return;
    const QString file = QFileInfo(path).absoluteFilePath();
    if (m_lock && m_lock->isLocked() && QFileInfo(m_lock->farmPath()).absoluteFilePath() == file)
        return;
    m_lock = std::make_unique<FarmLock>(file);
    // A command changing the farm right now keeps its lock; the window works on all the same,
    // as it did before farms were locked.
    m_lock->tryLock(FarmLock::Holder::Window);
}

void FarmSession::open(const QString &path, Database::Access access)
{
    closeOpen();
    startCounting(path);
    lockFarm(path);
    try {
        m_db.open(path, access);
        SchemaUpgrade::upgrade(m_db);
        SchemaUpgrade::keepYearSums(m_db);
        m_openedVersion = dataVersion();
    } catch (const DbException &error) {
        // A farm that could not be brought up to date is not left half open, nor locked.
        closeFailed();
        throw DbException(tr("Cannot open the farm database %1: %2")
                              .arg(QDir::toNativeSeparators(path), error.message()),
                          error.kind());
    } catch (...) {
        closeFailed();
        throw;
    }
    emit databaseReplaced();
}

void FarmSession::closeFailed()
{
    m_db.close();
    m_lock.reset();
    m_openedVersion = -1;
    emit databaseReplaced();
}

void FarmSession::openStored()
{
    open(SettingsKeys::Database.read());
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

std::pair<QString, QString> FarmSession::storedPeriodTexts()
{
    const auto text = [](const SettingsKeys::DateKey &key) {
        return SettingsStore::readString(key.section, key.name);
    };
    return {text(SettingsKeys::DataInit), text(SettingsKeys::DataEnd)};
}

void FarmSession::storePeriod(const WorkingPeriod &period)
{
    SettingsKeys::DataInit.write(period.start);
    SettingsKeys::DataEnd.write(period.end);
}

void FarmSession::settleFirstStart(const QDate &today)
{
    const auto stored = [](const SettingsKeys::DateKey &key) {
        const QString text = SettingsStore::readString(key.section, key.name);
        return text.trimmed().isEmpty() ? std::optional<QDate>() : key.read();
    };
    const std::optional<QDate> start = stored(SettingsKeys::DataInit);
    const std::optional<QDate> end = stored(SettingsKeys::DataEnd);
    if (start && end)
        return;
    const std::optional<QDate> shown = stored(SettingsKeys::ActualDate);
    if (!shown) {
        m_actualDate = today;
        SettingsKeys::ActualDate.write(today);
    }
    // The year the period is completed in: that of the stored bound, else of the card day.
    QDate within = start ? *start : end ? *end : shown ? *shown : today;
    if (!within.isValid())
        within = today;
    if (!start)
        SettingsKeys::DataInit.write(QDate(within.year(), 1, 1));
    if (!end)
        SettingsKeys::DataEnd.write(QDate(within.year(), 12, 31));
    reloadPeriod();
}

void FarmSession::setActualDate(const QDate &day)
{
    if (!day.isValid())
        return;
    m_actualDate = day;
    SettingsKeys::ActualDate.write(day);
}

void FarmSession::setCompany(const CompanyData &company)
{
    company.store();
    m_company = company;
    emit companyChanged();
}
