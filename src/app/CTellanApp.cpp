#include "CTellanApp.h"

#include "AutomaticBackups.h"
#include "BackupRestoring.h"
#include "CDittaDialog.h"
#include "CMainFrame.h"
#include "FarmFileOpening.h"
#include "InstanceLock.h"
#include "RecentFarms.h"
#include "RestoreDialog.h"
#include "StartupSteps.h"
#include "base/Clock.h"
#include "base/SettingsKeys.h"
#include "base/ui/CAttesa.h"
#include "base/ui/ErrorBoundary.h"
#include "base/ui/WidgetPrompter.h"
#include "db/FarmSession.h"
#include "exchange/BackgroundBackup.h"
#include "exchange/BackupRotation.h"
#include "exchange/ExchangeTemp.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

namespace {

// How long the note of a finished backup stays in the status bar.
constexpr int NoteShownMs = 10000;

DisplayMode currentDisplayMode()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return {true, screen->size().width(), screen->size().height(), screen->depth()};
}

} // namespace

CTellanApp::CTellanApp()
    : m_prompter(std::make_unique<WidgetPrompter>(nullptr)),
      m_farm(std::make_unique<FarmSession>()), m_clock(std::make_unique<SystemClock>())
{
}

CTellanApp::~CTellanApp() = default;

void CTellanApp::setFrameSetup(FrameSetup setup)
{
    m_frameSetup = std::move(setup);
}

QString CTellanApp::lockPath()
{
    return StartupSteps::lockPath(StartupSteps::machineLockFolders());
}

bool CTellanApp::InitInstance()
{
    StartupSteps steps(*m_prompter);
    StartupSteps::syncWithInstallationKey();
    const QString installFolder =
        StartupSteps::installationFolder(QCoreApplication::applicationDirPath());

    {
        // A copy that is ending (backing its farm up) is waited for, with a word on why.
        std::unique_ptr<QProgressDialog> waiting;
        steps.setWaitNotice([&waiting](const QString &text) {
            if (!waiting) {
                waiting = std::make_unique<QProgressDialog>();
                waiting->setRange(0, 0);
                waiting->setMinimumDuration(0);
                waiting->show();
            }
            waiting->setLabelText(text);
            QCoreApplication::processEvents();
            return !waiting->wasCanceled();
        });
        m_instanceLock = steps.claimSingleInstance(lockPath());
    }
    if (!m_instanceLock)
        return false;
    // Folders of an export, import or backup that was killed before it could clean up.
    ExchangeTemp::removeStale();

    const QString userFolder =
        steps.userDataFolder(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    if (userFolder.isEmpty())
        return false;
    StartupSteps::placeWorkingDatabase(userFolder, installFolder);

    if (!steps.checkDisplay(currentDisplayMode()))
        return false;
    const bool importArchive = askAboutStartFile();

    m_frame = std::make_unique<CMainFrame>(*m_farm);
    m_frame->showSplash();
    // No command-line restore or import may replace or merge into the farm under the window.
    m_farm->holdFarmLock(true);
    // Start-up may have just copied the template or synchronised the period.
    m_farm->reloadPeriod();
    if (m_frameSetup)
        m_frameSetup(*m_frame, *m_farm);
    m_backups = std::make_unique<BackupRotation>(BackupRotation::defaultFolder(), *m_clock,
                                                 BackupRotation::keptFromSettings());
    // A farm that cannot be opened gets the offer of its backups first. The check of an open
    // one's pages, which reads all of them, runs with the day's backup once the window is up.
    const bool backUp = m_farm->isOpen() || offerRestore(BackupRestoring::unusable(*m_farm));
    m_frame->createInitialView();
    m_frame->restorePlacement();
    if (m_farm->isOpen())
        RecentFarms::add(m_farm->databasePath());

    if (StartupSteps::companyMissing())
        m_frame->showCompanyDialog();
    // Once the window is up, with its progress window and its views to reload.
    if (importArchive)
        QTimer::singleShot(0, m_frame.get(), [this] { importStartArchive(); });
    // Once the window is shown: the backup is written while the user works.
    if (backUp)
        QTimer::singleShot(0, m_frame.get(), [this] { startDayBackup(); });
    return true;
}

void CTellanApp::startDayBackup()
{
    m_dayBackup = std::make_unique<BackgroundBackup>();
    QObject::connect(m_dayBackup.get(), &BackgroundBackup::finished, m_frame.get(),
                     [this](const BackgroundBackup::Outcome &outcome) {
                         // A damaged farm gets the offer of its backups, and is not backed up.
                         if (!outcome.damage.isEmpty()) {
                             offerRestore(outcome.damage);
                             return;
                         }
                         const QString note =
                             AutomaticBackups(*m_backups, m_frame->prompter()).finished(outcome);
                         if (!note.isEmpty())
                             m_frame->statusBar()->showMessage(note, NoteShownMs);
                     });
    AutomaticBackups(*m_backups, m_frame->prompter()).startAtStart(*m_farm, *m_dayBackup);
}

bool CTellanApp::askAboutStartFile()
{
    if (m_startFile.isEmpty())
        return false;
    FarmFileOpening opening(*m_prompter);
    switch (opening.askAbout(m_startFile, SettingsKeys::Database.read())) {
    case FarmFileOpening::Action::OpenFarm:
        SettingsKeys::Database.write(QFileInfo(m_startFile).absoluteFilePath());
        return false;
    case FarmFileOpening::Action::ImportArchive:
        return true;
    case FarmFileOpening::Action::Nothing:
        break;
    }
    return false;
}

void CTellanApp::importStartArchive()
{
    CAttesa progress(m_frame.get());
    progress.setWindowModality(Qt::NonModal);
    Prompter &prompter = m_frame->prompter();
    ErrorBoundary::run(prompter, m_farm->databasePath(), [&] {
        FarmFileOpening(prompter).importArchive(m_startFile, progress, [&](DataExchange &exchange) {
            exchange.setReloadViews([this] { m_frame->ReloadViews(); });
            exchange.setShowImported([this, &prompter](const ImportedCards &cards) {
                cards.show(*m_farm, prompter, [this] { m_frame->ReloadViews(); });
            });
            exchange.setShowProgress([&progress](bool shown) {
                progress.setVisible(shown);
                if (shown)
                    QCoreApplication::processEvents();
            });
        });
    });
}

bool CTellanApp::offerRestore(const QString &problem)
{
    BackupRestoring restoring(*m_farm, *m_backups, m_frame->prompter());
    return restoring.offerRestore(problem, [this] {
        RestoreDialog dialog(m_backups->backups(), m_backups->folder(), m_frame->prompter(),
                             m_frame.get());
        return dialog.exec() == QDialog::Accepted ? dialog.archive() : QString();
    });
}

int CTellanApp::ExitInstance(int exitCode)
{
    // The window is gone from here on: a copy started now waits for this one instead of being
    // refused, and is told what it waits for.
    const QString farmPath = m_farm->databasePath();
    if (m_instanceLock)
        m_instanceLock->markEnding(InstanceLock::Ending::Stage::Closing, farmPath);
    m_frame.reset();
    if (m_dayBackup && m_dayBackup->isRunning()) {
        if (m_instanceLock)
            m_instanceLock->markEnding(InstanceLock::Ending::Stage::BackingUp, farmPath);
        m_dayBackup->wait();
    }
    if (m_backups && AutomaticBackups::dueAtExit(*m_farm)) {
        if (m_instanceLock)
            m_instanceLock->markEnding(InstanceLock::Ending::Stage::BackingUp, farmPath);
        AutomaticBackups(*m_backups, *m_prompter).atExit(*m_farm);
    }
    m_farm->close();
    m_instanceLock.reset();
    return exitCode;
}
