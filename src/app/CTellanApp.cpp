#include "CTellanApp.h"

#include "AutomaticBackups.h"
#include "CDittaDialog.h"
#include "CMainFrame.h"
#include "StartupSteps.h"
#include "base/Clock.h"
#include "base/ui/WidgetPrompter.h"
#include "db/FarmSession.h"
#include "exchange/BackupRotation.h"
#include "exchange/ExchangeTemp.h"

#include <QGuiApplication>
#include <QLockFile>
#include <QScreen>
#include <QStandardPaths>

namespace {

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

    m_instanceLock = steps.claimSingleInstance(lockPath());
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

    m_frame = std::make_unique<CMainFrame>();
    m_frame->showSplash();
    // Start-up may have just copied the template or synchronised the period.
    m_farm->reloadPeriod();
    if (m_frameSetup)
        m_frameSetup(*m_frame, *m_farm);
    m_backups = std::make_unique<BackupRotation>(BackupRotation::defaultFolder(), *m_clock,
                                                 BackupRotation::keptFromSettings());
    AutomaticBackups(*m_backups, m_frame->prompter()).atStart(*m_farm);
    m_frame->createInitialView();
    m_frame->restorePlacement();

    if (StartupSteps::companyMissing())
        m_frame->showCompanyDialog();
    return true;
}

int CTellanApp::ExitInstance(int exitCode)
{
    m_frame.reset();
    if (m_backups)
        AutomaticBackups(*m_backups, *m_prompter).atExit(*m_farm);
    m_farm->close();
    m_instanceLock.reset();
    return exitCode;
}
