#include "StartupSteps.h"

#include "InstanceLock.h"
#include "base/FarmLock.h"
#include "base/InstallPaths.h"
#include "base/NumberText.h"
#include "base/Prompter.h"
#include "base/SettingsKeys.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QThread>

#include <cmath>

namespace {

const QString WorkingFile = QStringLiteral("Tellan.mdb");

// Longer values are not taken from the installation key.
constexpr int MaximumKeyValueBytes = 4096;

bool isSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

} // namespace

QString StartupSteps::installationValue(const QString &name)
{
    QSettings key(QSettings::SystemScope, QStringLiteral("Brivex"), QStringLiteral("Tellan"));
    const QString value = key.value(SettingsStore::Settings + QLatin1Char('/') + name).toString();
    return value.toUtf8().size() > MaximumKeyValueBytes ? QString() : value;
}

void StartupSteps::syncWithInstallationKey()
{
    const QString userDirectory = SettingsKeys::Directory.read();
    if (userDirectory.isEmpty()) {
        for (const QString &name : {SettingsKeys::Directory.name, SettingsKeys::DataInit.name,
                                    SettingsKeys::DataEnd.name}) {
            const QString value = installationValue(name);
            if (!value.isEmpty())
                SettingsStore::writeString(SettingsStore::Settings, name, value);
        }
        return;
    }
    const QString keyDirectory = installationValue(SettingsKeys::Directory.name);
    if (!keyDirectory.isEmpty() && keyDirectory != userDirectory)
        SettingsKeys::Directory.write(keyDirectory);
}

QString StartupSteps::installationFolder(const QString &programFolder)
{
    QString folder = SettingsKeys::Directory.read();
    if (folder.isEmpty()) {
        folder = QDir::toNativeSeparators(programFolder);
        SettingsKeys::Directory.write(folder);
    }
    return folder;
}

QString StartupSteps::underFolder(const QString &folder, const QString &relative)
{
    QString head = folder;
    while (!head.isEmpty() && isSeparator(head.back()))
        head.chop(1);
    QString tail = relative;
    while (!tail.isEmpty() && isSeparator(tail.front()))
        tail.remove(0, 1);
    return head + QLatin1Char('/') + tail;
}

QString StartupSteps::waitingText(const QString &lockPath)
{
    const InstanceLock::Ending ending = InstanceLock::ending(lockPath);
    switch (ending.stage) {
    case InstanceLock::Ending::Stage::Running:
        break;
    case InstanceLock::Ending::Stage::BackingUp:
        if (!ending.farm.isEmpty())
            return tr("Waiting for the backup of %1 to finish…")
                .arg(QDir::toNativeSeparators(ending.farm));
        [[fallthrough]];
    case InstanceLock::Ending::Stage::Closing:
        return tr("Waiting for the copy of Verdimo that is closing…");
    }
    return {};
}

std::unique_ptr<InstanceLock> StartupSteps::claimSingleInstance(const QString &lockPath)
{
    const QDeadlineTimer deadline(EndingWaitMs);
    for (;;) {
        auto lock = std::make_unique<InstanceLock>(lockPath);
        switch (lock->tryLock()) {
        case InstanceLock::Result::Taken:
            return lock;
        case InstanceLock::Result::Unavailable:
            qWarning("verdimo: cannot lock %s; the one-copy check is skipped",
                     qPrintable(QDir::toNativeSeparators(lockPath)));
            return lock;
        case InstanceLock::Result::HeldElsewhere:
            break;
        }
        const QString waiting = waitingText(lockPath);
        if (waiting.isEmpty() || deadline.hasExpired())
            break;
        if (m_waitNotice && !m_waitNotice(waiting))
            return nullptr;
        QThread::msleep(100);
    }
    m_prompter.error(
        tr("For synchronization data only one instance of the application per computer can be "
           "started!"));
    return nullptr;
}

QStringList StartupSteps::machineLockFolders()
{
    return FarmLock::machineLockFolders();
}

QString StartupSteps::lockPath(const QStringList &folders)
{
    return QDir(FarmLock::firstWritableFolder(folders))
        .filePath(QStringLiteral("VerdimoAppMutex.lock"));
}

QString StartupSteps::userDataFolder(const QString &dataRoot)
{
    // A new account may not have its data folder yet.
    QString folder = dataRoot;
    if (!QFileInfo(folder).isDir())
        QDir().mkpath(folder);
    for (const QString &part : {QStringLiteral("Brivex"), QStringLiteral("Tellan")}) {
        folder = underFolder(folder, part);
        if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder)) {
            m_prompter.error(tr("Unable to create user folder!"));
            return {};
        }
    }
    return folder;
}

void StartupSteps::placeWorkingDatabase(const QString &userFolder, const QString &installFolder)
{
    const QString userCopy = underFolder(userFolder, WorkingFile);
    if (!QFileInfo::exists(userCopy)) {
        // The installed template may be read-only; the user's copy must be writable.
        if (QFile::copy(InstallPaths::templateDatabasePath(installFolder), userCopy))
            QFile::setPermissions(userCopy, QFile::permissions(userCopy) | QFile::ReadOwner |
                                                QFile::WriteOwner);
    }
    if (SettingsKeys::Database.read().isEmpty())
        SettingsKeys::Database.write(userCopy);
}

bool StartupSteps::checkDisplay(const DisplayMode &mode)
{
    if (!mode.readable)
        return false;
    if (mode.width < MinimumWidth || mode.height < MinimumHeight) {
        m_prompter.error(
            tr("The display resolution of your system is %1x%2, it must be at least 800x600!")
                .arg(mode.width)
                .arg(mode.height));
        return false;
    }
    if (mode.depth < MinimumDepth) {
        m_prompter.error(tr("Your video depth color is %1 and should be at least 16 bits (over "
                            "64,000 colors)!")
                             .arg(FormatNumber(std::pow(2.0, mode.depth), false)));
        return false;
    }
    return true;
}

bool StartupSteps::companyMissing()
{
    return SettingsKeys::CompanyName.read().isEmpty();
}
