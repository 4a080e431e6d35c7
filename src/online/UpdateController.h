#pragma once

#include "ConnectionState.h"
#include "SetupDownload.h"
#include "UpdateCheck.h"
#include "UpdateServers.h"
#include "UpdateTransport.h"
#include "base/Clock.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class DownloadDisplay;
class Prompter;
class QTemporaryDir;
class QThread;

// The update check and the download of the new version, for the "&Update" command and the
// automatic check after start. The network work runs on a worker thread, so the window stays
// responsive; the user is reached only through the Prompter and the download display.
//
// States: idle -> checking -> offering -> downloading -> idle (or the program ends once the
// installer has started). Outside idle, further checks do nothing.
class UpdateController : public QObject
{
    Q_OBJECT
public:
    enum class State { Idle, Checking, Offering, Downloading };
    using DisplayFactory = std::function<std::unique_ptr<DownloadDisplay>()>;
    // Opens the verified package with the desktop's installer; false when it could not.
    using Opener = std::function<bool(const QString &path)>;

    explicit UpdateController(Prompter &prompter, QObject *parent = nullptr);
    ~UpdateController() override;

    // automatic: the check after start, done once per run and at most once a day, silent
    // unless a newer version is found; otherwise the "&Update" command with its messages.
    void checkNow(bool automatic);

    State state() const { return m_state; }
    bool isDownloading() const { return m_state == State::Downloading; }

    // The defaults are the system's clock and connection state, the servers of the settings
    // (read at each check), the built-in key, this program's version, a private folder made
    // in the temporary folder for each download (kept only for the installer it opened), no
    // visible download window and the desktop's "open".
    void setClock(const Clock *clock) { m_clock = clock; }
    void setConnectionState(ConnectionState *connection) { m_connection = connection; }
    void setServers(const UpdateServers &servers) { m_fixedServers = servers; }
    void setPublicKey(const QByteArray &key) { m_publicKey = key; }
    void setCurrentVersion(const QString &version) { m_currentVersion = version; }
    void setLimits(const TransferLimits &limits) { m_limits = limits; }
    void setDownloadFolder(const QString &folder) { m_downloadFolder = folder; }
    void setDisplayFactory(DisplayFactory factory) { m_displayFactory = std::move(factory); }
    void setOpener(Opener opener) { m_opener = std::move(opener); }

signals:
    void stateChanged(UpdateController::State state);
    // The installer of the new version was started: the program should end (exit code 0) so
    // that the installer can replace it.
    void quitRequested();

private:
    bool isConnected();
    bool isDueToday();
    void startWorker(std::function<void()> work);
    void finishWorker();
    void setState(State state);
    void checkFinished(const UpdateCheck::Result &result);
    void startDownload();
    void showProgress(qint64 received, qint64 total);
    void confirmCancel();
    void downloadFinished(const SetupDownload::Result &result);
    void completeDownload(const SetupDownload::Result &result);

    Prompter &m_prompter;
    SystemClock m_systemClock;
    SystemConnectionState m_systemConnection;
    const Clock *m_clock = &m_systemClock;
    ConnectionState *m_connection = &m_systemConnection;
    std::optional<UpdateServers> m_fixedServers;
    UpdateServers m_servers;
    QByteArray m_publicKey;
    QString m_currentVersion;
    TransferLimits m_limits;
    QString m_downloadFolder;
    DisplayFactory m_displayFactory;
    Opener m_opener;

    State m_state = State::Idle;
    bool m_connected = false;
    bool m_automaticDone = false;
    bool m_automatic = false;
    std::unique_ptr<QThread> m_worker;
    std::atomic_bool m_cancel = false;
    std::unique_ptr<DownloadDisplay> m_display;
    bool m_askingCancel = false;
    std::optional<SetupDownload::Result> m_pendingResult;
    std::unique_ptr<QTemporaryDir> m_privateFolder;
};
