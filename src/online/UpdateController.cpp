#include "UpdateController.h"

#include "CurlTransport.h"
#include "DownloadDisplay.h"
#include "SetupSignature.h"
#include "UpdateSchedule.h"
#include "VersionText.h"
#include "base/Prompter.h"
#include "base/SettingsKeys.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <limits>

namespace {

// The bar is redrawn at most once for this many bytes.
constexpr qint64 ProgressStepBytes = 64 * 1024;

class HiddenDisplay : public DownloadDisplay
{
public:
    void setText(int, const QString &) override {}
    void setRange(int, int, int) override {}
    void setValue(int, int) override {}
    void setCancelHandler(std::function<void()>) override {}
    void open() override {}
};

} // namespace

UpdateController::UpdateController(Prompter &prompter, QObject *parent)
    : QObject(parent), m_prompter(prompter), m_publicKey(SetupSignature::builtInPublicKey()),
      m_currentVersion(VersionText::programVersion()),
      m_displayFactory([] { return std::make_unique<HiddenDisplay>(); }),
      m_opener(
          [](const QString &path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); })
{
}

UpdateController::~UpdateController()
{
    m_cancel = true;
    if (m_worker)
        m_worker->wait();
}

void UpdateController::checkNow(bool automatic)
{
    if (automatic) {
        if (m_automaticDone)
            return;
        m_automaticDone = true;
    }
    if (!isConnected()) {
        if (!automatic)
            m_prompter.information(tr("It should be connected to the Internet to check for "
                                      "updates!"));
        return;
    }
    if (m_state != State::Idle)
        return;
    m_servers = m_fixedServers ? *m_fixedServers : UpdateServers::fromSettings();
    if (m_servers.webServer.isEmpty()) {
        if (!automatic)
            m_prompter.information(tr("No update address is configured."));
        return;
    }
    const QUrl versionUrl = m_servers.versionUrl();
    if (!versionUrl.isValid()) {
        if (!automatic)
            m_prompter.error(tr("The update address \"%1\" is not an http or https address.")
                                 .arg(m_servers.webServer));
        return;
    }
    if (automatic && !isDueToday())
        return;

    m_automatic = automatic;
    setState(State::Checking);
    startWorker([this, versionUrl, version = m_currentVersion, limits = m_limits] {
        CurlTransport transport(limits);
        const UpdateCheck::Result result =
            UpdateCheck::run(transport, versionUrl, version, &m_cancel);
        QMetaObject::invokeMethod(
            this, [this, result] { checkFinished(result); }, Qt::QueuedConnection);
    });
}

bool UpdateController::isConnected()
{
    // Once the system has reported a connection, it is not asked again.
    if (!m_connected)
        m_connected = m_connection->isConnected();
    return m_connected;
}

bool UpdateController::isDueToday()
{
    const QDateTime now = m_clock->now();
    const QString stored = SettingsKeys::LastUpdateCheck.read();
    if (!UpdateSchedule::isDue(UpdateSchedule::parse(stored), now))
        return false;
    SettingsKeys::LastUpdateCheck.write(UpdateSchedule::format(now));
    return true;
}

void UpdateController::startWorker(std::function<void()> work)
{
    m_cancel = false;
    m_worker.reset(QThread::create(std::move(work)));
    m_worker->start();
}

void UpdateController::finishWorker()
{
    // The worker's last act was to post its result: it ends at once.
    if (m_worker)
        m_worker->wait();
    m_worker.reset();
}

void UpdateController::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void UpdateController::checkFinished(const UpdateCheck::Result &result)
{
    finishWorker();
    if (!result.fetched) {
        setState(State::Idle);
        m_prompter.error(result.error);
        return;
    }
    if (!result.newer) {
        setState(State::Idle);
        if (!m_automatic)
            m_prompter.information(tr("You are using the latest version of the program!"));
        return;
    }
    if (!m_automatic)
        SettingsKeys::LastUpdateCheck.write(UpdateSchedule::format(m_clock->now()));
    setState(State::Offering);
    const Prompter::Answer answer = m_prompter.question(
        tr("Available upgrade to version %1 of the program. Do you want to install it?")
            .arg(result.version));
    if (answer != Prompter::Answer::Yes) {
        setState(State::Idle);
        return;
    }
    startDownload();
}

void UpdateController::startDownload()
{
    QString folder = m_downloadFolder;
    if (folder.isEmpty()) {
        // The shared temporary folder is open to every user: the package lives in a folder of
        // its own there.
        m_privateFolder = std::make_unique<QTemporaryDir>(
            QDir(QDir::tempPath()).filePath(QStringLiteral("verdimo-update-XXXXXX")));
        if (!m_privateFolder->isValid()) {
            const QString reason = m_privateFolder->errorString();
            m_privateFolder.reset();
            setState(State::Idle);
            m_prompter.error(tr("No folder for the download could be created in %1: %2")
                                 .arg(QDir::toNativeSeparators(QDir::tempPath()), reason));
            return;
        }
        folder = m_privateFolder->path();
    }
    m_display = m_displayFactory();
    setState(State::Downloading);
    m_display->setText(0, tr("Wait while downloading the setup file of the new version"));
    m_display->setRange(0, 0, 0);
    m_display->setCancelHandler([this] { confirmCancel(); });
    m_display->open();

    startWorker([this, folder, servers = m_servers, key = m_publicKey, limits = m_limits] {
        CurlTransport transport(limits);
        SetupDownload download(transport, servers, key, limits);
        qint64 shown = -1;
        const auto progress = [this, &shown](qint64 received, qint64 total) {
            if (shown >= 0 && received - shown < ProgressStepBytes && received != total)
                return;
            shown = received;
            QMetaObject::invokeMethod(
                this, [this, received, total] { showProgress(received, total); },
                Qt::QueuedConnection);
        };
        const SetupDownload::Result result = download.run(folder, progress, m_cancel);
        QMetaObject::invokeMethod(
            this, [this, result] { downloadFinished(result); }, Qt::QueuedConnection);
    });
}

void UpdateController::showProgress(qint64 received, qint64 total)
{
    if (!m_display)
        return;
    if (total < 0) {
        m_display->setRange(0, 0, 0);
        return;
    }
    // Sizes beyond the bar's range are shown in KiB.
    const qint64 unit = total > std::numeric_limits<int>::max() ? 1024 : 1;
    m_display->setRange(0, 0, int(total / unit));
    m_display->setValue(0, int(received / unit));
}

void UpdateController::confirmCancel()
{
    if (m_state != State::Downloading || m_askingCancel)
        return;
    m_askingCancel = true;
    const bool abort =
        m_prompter.question(tr("Downloading setup file, abort it?")) == Prompter::Answer::Yes;
    m_askingCancel = false;
    if (abort)
        m_cancel = true;
    // The download may have ended while the question was shown.
    if (m_pendingResult) {
        const SetupDownload::Result result = *m_pendingResult;
        m_pendingResult.reset();
        completeDownload(result);
    }
}

void UpdateController::downloadFinished(const SetupDownload::Result &result)
{
    finishWorker();
    if (m_askingCancel)
        m_pendingResult = result;
    else
        completeDownload(result);
}

void UpdateController::completeDownload(const SetupDownload::Result &result)
{
    m_display.reset();
    setState(State::Idle);
    // The private folder goes with the download unless the installer was opened from it.
    const std::unique_ptr<QTemporaryDir> privateFolder = std::move(m_privateFolder);
    switch (result.status) {
    case SetupDownload::Result::Verified:
        if (m_cancel) {
            // The user chose to abort just as the download ended.
            QFile::remove(result.path);
            return;
        }
        if (!m_opener(result.path)) {
            m_prompter.error(tr("The setup file %1 could not be opened.")
                                 .arg(QDir::toNativeSeparators(result.path)));
            return;
        }
        if (privateFolder)
            privateFolder->setAutoRemove(false);
        emit quitRequested();
        return;
    case SetupDownload::Result::Cancelled:
        return;
    case SetupDownload::Result::Failed:
    case SetupDownload::Result::Refused:
        m_prompter.error(result.message);
        return;
    }
}
