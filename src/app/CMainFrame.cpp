#include "CMainFrame.h"

#include "CAboutDlg.h"
#include "CDittaDialog.h"
#include "CPropDialog.h"
#include "CSearchScheda.h"
#include "CSplashWnd.h"
#include "DemoFarmOpening.h"
#include "FarmFileOpening.h"
#include "FrameStatusBar.h"
#include "HelpPages.h"
#include "RecentFarms.h"
#include "RecentFarmsMenu.h"
#include "SettingsCommand.h"
#include "WindowPlacement.h"
#include "base/Clock.h"
#include "base/SettingsKeys.h"
#include "base/WorkingPeriod.h"
#include "base/ui/ErrorBoundary.h"
#include "base/ui/SharedPrinter.h"
#include "base/ui/WidgetPrompter.h"
#include "db/DbErrorText.h"
#include "db/DbException.h"
#include "db/FarmSession.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <type_traits>
#include <variant>

static void initAppResources()
{
    Q_INIT_RESOURCE(verdimo_app);
}

CMainFrame::CMainFrame(FarmSession &farm, QWidget *parent) : QMainWindow(parent), m_farm(farm)
{
    initAppResources();
    setWindowTitle(QStringLiteral("Brivex - Verdimo"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/verdimo.svg")));
    setObjectName(QStringLiteral("CMainFrame"));
    m_ownPrompter =
        std::make_unique<WidgetPrompter>(this, [this](int page) { showHelpPage(page); });
    m_prompter = m_ownPrompter.get();
    m_urlOpener = [this](const QUrl &url) { openInBrowser(url); };

    m_stack = new QStackedWidget(this);
    m_stack->addWidget(new QWidget(m_stack));
    setCentralWidget(m_stack);

    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    createSearchWindow();
    m_placement = std::make_unique<WindowPlacement>(*this, *m_search);

    connect(&m_farm, &FarmSession::databaseReplaced, this, &CMainFrame::showReplacedDatabase);
    connect(&m_farm, &FarmSession::periodChanged, this, &CMainFrame::showPeriod);
    // The edit commands follow the field that has the focus, and what the user does in it.
    connect(qApp, &QApplication::focusChanged, this, &CMainFrame::scheduleUpdate);
    qApp->installEventFilter(this);

    m_updateTimer = new QTimer(this);
    m_updateTimer->setInterval(UpdateCheckMilliseconds);
    connect(m_updateTimer, &QTimer::timeout, this,
            [this] { guarded([this] { runFrameCommand(FrameCommand::AutoUpdateCheck); }); });
    m_updateTimer->start();

    // Created at the size of the screen; start-up then moves it to the stored placement.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    showAccess();
    updateCommandStates();
}

CMainFrame::~CMainFrame()
{
    // The views and the focus go on changing while the widgets are taken down: nothing may
    // reach the frame's half-destroyed commands then.
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
    for (RecordView *each : std::as_const(m_views))
        each->setCommandsChangedHandler({});
}

void CMainFrame::createActions()
{
    for (const CommandRow &row : CommandTable::rows()) {
        auto *action = new QAction(tr(row.text), this);
        const QStringList lines = tr(row.prompt).split(QLatin1Char('\n'));
        action->setStatusTip(lines.value(0));
        action->setToolTip(lines.value(1, lines.value(0)));
        action->setIconText(lines.value(1, lines.value(0)));
        action->setData(row.id);
        action->setObjectName(QStringLiteral("command%1").arg(row.id));
        if (!row.keys.isEmpty()) {
            action->setShortcuts(row.keys);
            action->setShortcutContext(Qt::WindowShortcut);
        }
        if (row.icon.file) {
            const QIcon own(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(row.icon.file)));
            action->setIcon(QIcon::fromTheme(QLatin1String(row.icon.theme), own));
        }
        if (const auto *own = std::get_if<OwnCommand>(&row.target)) {
            const OwnCommand command = *own;
            action->setCheckable(
                command == OwnCommand::ToolBar || command == OwnCommand::StatusBar ||
                command == OwnCommand::SearchBar || command == OwnCommand::ShowCards ||
                command == OwnCommand::ShowRegistries || command == OwnCommand::ShowChart);
        }
        connect(action, &QAction::triggered, this, [this, &row] { runCommand(row); });
        m_actions.insert(row.id, action);
    }
}

void CMainFrame::createMenus()
{
    for (const CommandTable::Menu &items : CommandTable::menus()) {
        QMenu *menu = menuBar()->addMenu(tr(items.title));
        for (int id : items.ids) {
            if (id == IdSeparator)
                menu->addSeparator();
            else
                menu->addAction(m_actions[id]);
            if (id == IdOpenFarm) {
                auto *recent = new RecentFarmsMenu(m_farm, menu);
                menu->addMenu(recent);
                connect(recent, &RecentFarmsMenu::farmChosen, this,
                        [this](const QString &path) { guarded([&] { openFarm(path); }); });
            }
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);
    }
    addActions(m_actions.values());
}

void CMainFrame::createToolBar()
{
    m_toolBar = addToolBar(tr("Barra degli strumenti"));
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setAccessibleName(tr("Toolbar"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setMovable(true);
    for (int id : CommandTable::toolBar()) {
        if (id == IdSeparator)
            m_toolBar->addSeparator();
        else
            m_toolBar->addAction(m_actions[id]);
    }
}

void CMainFrame::createStatusBar()
{
    m_status = new FrameStatusBar(*statusBar());
    connect(m_status, &FrameStatusBar::periodClicked, this,
            [this] { guarded([this] { showSettingsDialog(SettingsFocus::Period); }); });
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString &message) {
        if (message.isEmpty())
            statusBar()->showMessage(tr("Ready"));
    });
    statusBar()->showMessage(tr("Ready"));
    m_status->showPeriod(m_farm.period());
}

void CMainFrame::createSearchWindow()
{
    m_search = new CSearchScheda(this);
    const WorkingPeriod period = m_farm.period();
    m_search->setRange(period.startAt(), period.endAt());
    connect(m_search, &CSearchScheda::datePicked, this, [this](const QDate &day) {
        if (RecordView *cards = m_views.value(CardsView); cards && m_kind == CardsView)
            guarded([cards, day] { cards->searchDatePicked(day); });
    });
    connect(m_search, &CSearchScheda::visibilityChanged, this, &CMainFrame::updateCommandStates);
}

void CMainFrame::showSplash()
{
    auto *splash = new CSplashWnd(this);
    splash->show();
}

void CMainFrame::registerView(int kind, ViewFactory factory)
{
    m_factories.insert(kind, std::move(factory));
}

RecordView *CMainFrame::createView(int kind)
{
    RecordView *created = m_factories.value(kind)(m_stack, *this);
    created->setCommandsChangedHandler([this] { updateCommandStates(); });
    m_views.insert(kind, created);
    m_stack->addWidget(created->widget());
    return created;
}

void CMainFrame::createInitialView()
{
    if (m_views.contains(CardsView) || !m_factories.contains(CardsView))
        return;
    // A card view that cannot read its farm says why; the frame stays to choose another.
    guarded([this] {
        RecordView *cards = createView(CardsView);
        if (m_kind == CardsView)
            m_stack->setCurrentWidget(cards->widget());
    });
}

void CMainFrame::setCommandHandler(FrameCommand command, std::function<void()> handler)
{
    m_handlers[command] = std::move(handler);
    updateCommandStates();
}

void CMainFrame::setPrompter(Prompter *prompter)
{
    m_prompter = prompter ? prompter : m_ownPrompter.get();
}

Prompter &CMainFrame::prompter()
{
    return *m_prompter;
}

void CMainFrame::setBrowser(std::function<bool(const QUrl &)> browser)
{
    m_browser = std::move(browser);
}

void CMainFrame::openInBrowser(const QUrl &url)
{
    if (!m_browser(url))
        prompter().warning(HelpPages::noBrowserText(url));
}

void CMainFrame::setUrlOpener(std::function<void(const QUrl &)> opener)
{
    m_urlOpener = std::move(opener);
}

RecordView *CMainFrame::activeView() const
{
    return m_views.value(m_kind);
}

void CMainFrame::switchToView(int kind)
{
    if (kind == m_kind)
        return;
    RecordView *target = m_views.value(kind);
    if (!target && !m_factories.contains(kind))
        return;
    if (!target && !guarded([this, kind, &target] { target = createView(kind); }))
        return;
    if (m_kind == CardsView)
        SettingsKeys::SearchShownInCards.write(m_search->isVisible() ? 1 : 0);
    m_search->hide();
    if (kind == CardsView && SettingsKeys::SearchShownInCards.read() != 0)
        m_search->show();
    m_stack->setCurrentWidget(target->widget());
    m_kind = kind;
    target->widget()->setFocus();
    updateCommandStates();
}

void CMainFrame::showReplacedDatabase()
{
    showAccess();
    updateCommandStates();
}

bool CMainFrame::isReadOnly() const
{
    return m_farm.isReadOnly();
}

void CMainFrame::showAccess()
{
    const QString title = QStringLiteral("Brivex - Verdimo");
    setWindowTitle(isReadOnly() ? tr("%1 (read-only)").arg(title) : title);
    m_status->showAccess(isReadOnly());
}

void CMainFrame::ReloadViews()
{
    try {
        m_farm.openStored();
    } catch (const DbException &error) {
        prompter().error(
            databaseFailureText(DbErrorText::describe(error, SettingsKeys::Database.read())));
    }
}

QString CMainFrame::databaseFailureText(const QString &error)
{
    return tr("%1\n\nSettings in the Program menu chooses another farm database.").arg(error);
}

void CMainFrame::showPeriod(const WorkingPeriod &period)
{
    m_search->setRange(period.startAt(), period.endAt());
    m_status->showPeriod(period);
    updateCommandStates();
}

void CMainFrame::ApplyPeriodToViews()
{
    m_farm.reloadPeriod();
}

void CMainFrame::showSettingsDialog(SettingsFocus focus)
{
    const PropValues before = SettingsCommand::load();
    CPropDialog dialog(
        prompter(), [this](int page) { showHelpPage(page); }, this);
    dialog.setValues(before);
    if (focus == SettingsFocus::Period)
        dialog.focusPeriod();
    if (dialog.exec() != QDialog::Accepted)
        return;
    SettingsCommand::apply(
        before, dialog.values(), [this] { ReloadViews(); }, [this] { ApplyPeriodToViews(); });
}

void CMainFrame::openDemoFarm()
{
    const SystemClock clock;
    DemoFarmOpening opening(prompter(), clock);
    const QString path = opening.create();
    if (path.isEmpty())
        return;
    const PropValues before = SettingsCommand::load();
    PropValues after = before;
    after.path = path;
    after.start = opening.period().start;
    after.end = opening.period().end;
    const auto outcome = SettingsCommand::apply(
        before, after, [this] { ReloadViews(); }, [this] { ApplyPeriodToViews(); });
    // The file was written anew: views already on it must read it again.
    if (!outcome.databaseChanged)
        ReloadViews();
    if (QDir::cleanPath(before.path) != QDir::cleanPath(path))
        prompter().information(
            tr("The demo farm %1 is now the working database. Settings in the "
               "Program menu chooses your own farm database %2 again.")
                .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(before.path)));
}

void CMainFrame::openFarm(const QString &path)
{
    // The views let go of the farm they show: a record being typed is stored first.
    if (!settleTypedWork())
        return;
    const PropValues before = SettingsCommand::load();
    PropValues after = before;
    after.path = path;
    SettingsCommand::apply(
        before, after, [this] { ReloadViews(); }, [this] { ApplyPeriodToViews(); });
    if (m_farm.isOpen() && QFileInfo(m_farm.databasePath()) == QFileInfo(path))
        RecentFarms::add(path);
    else
        RecentFarms::remove(path);
}

void CMainFrame::showCompanyDialog()
{
    CDittaDialog dialog(
        m_farm, [this](int page) { showHelpPage(page); }, this);
    dialog.exec();
}

void CMainFrame::setSearchDate(const QDateTime &date)
{
    m_search->setDate(date);
}

void CMainFrame::setSearchRange(const QDateTime &start, const QDateTime &end)
{
    m_search->setRange(start, end);
}

void CMainFrame::showHelpPage(int page)
{
    const QUrl url = HelpPages::helpUrl(page);
    if (url.isValid())
        m_urlOpener(url);
}

bool CMainFrame::guarded(const std::function<void()> &work)
{
    const bool done = ErrorBoundary::run(prompter(), m_farm.databasePath(), work);
    updateCommandStates();
    return done;
}

void CMainFrame::runCommand(const CommandRow &row)
{
    // A shortcut reaches a command the frame has just turned off only before the states
    // caught up; it does nothing then.
    if (!isEnabled(row))
        return;
    guarded([this, &row] {
        std::visit(
            [this](auto command) {
                using Target = decltype(command);
                if constexpr (std::is_same_v<Target, ViewCommand>)
                    runViewCommand(command);
                else if constexpr (std::is_same_v<Target, FrameCommand>)
                    runFrameCommand(command);
                else
                    runOwnCommand(command);
            },
            row.target);
    });
}

void CMainFrame::runViewCommand(ViewCommand command)
{
    if (RecordView *target = activeView(); target && target->isCommandEnabled(command))
        target->runCommand(command);
}

void CMainFrame::runFrameCommand(FrameCommand command)
{
    const auto handler = m_handlers.find(command);
    if (handler == m_handlers.end() || !handler->second)
        return;
    // These replace what the views show: a record being typed is saved first or the command
    // is not run, so that it is never lost, whatever the command then does.
    const CommandRow *row = CommandTable::find(command);
    if (row && row->writes && !settleTypedWork())
        return;
    handler->second();
}

void CMainFrame::runOwnCommand(OwnCommand command)
{
    switch (command) {
    case OwnCommand::Company:
        showCompanyDialog();
        break;
    case OwnCommand::OpenFarm:
        if (const QString path = FarmFileOpening(prompter())
                                     .chooseFarm(QFileInfo(m_farm.databasePath()).absolutePath());
            !path.isEmpty())
            openFarm(path);
        break;
    case OwnCommand::OpenDemoFarm:
        openDemoFarm();
        break;
    case OwnCommand::PrintSetup:
        printSetup();
        break;
    case OwnCommand::Exit:
        close();
        break;
    case OwnCommand::Settings:
        showSettingsDialog();
        break;
    case OwnCommand::ToolBar:
        m_toolBar->setVisible(m_actions[IdToolBar]->isChecked());
        break;
    case OwnCommand::StatusBar:
        statusBar()->setVisible(m_actions[IdStatusBar]->isChecked());
        break;
    case OwnCommand::SearchBar:
        toggleSearchWindow();
        break;
    case OwnCommand::ShowCards:
        switchToView(CardsView);
        break;
    case OwnCommand::ShowRegistries:
        switchToView(RegistriesView);
        break;
    case OwnCommand::ShowChart:
        switchToView(ChartView);
        break;
    case OwnCommand::WebPage:
        m_urlOpener(HelpPages::productUrl());
        break;
    case OwnCommand::LatestNews:
        showLatestNews();
        break;
    case OwnCommand::About:
        showAbout();
        break;
    }
}

bool CMainFrame::settleTypedWork()
{
    for (RecordView *each : std::as_const(m_views)) {
        if (!each->isCommandEnabled(ViewCommand::CancelInsert))
            continue;
        if (prompter().question(tr("The new form has not been saved yet. Save it first?\n\nNo "
                                   "goes back to it and does nothing else.")) !=
            Prompter::Answer::Yes)
            return false;
        each->runCommand(ViewCommand::Save);
        // Still being typed: the form was refused, and its message says why.
        if (each->isCommandEnabled(ViewCommand::CancelInsert))
            return false;
    }
    // The changes typed into a record already stored are stored as on close.
    return viewsCanClose();
}

bool CMainFrame::viewsCanClose()
{
    for (RecordView *each : std::as_const(m_views)) {
        if (!each->canClose())
            return false;
    }
    return true;
}

void CMainFrame::toggleSearchWindow()
{
    m_search->setVisible(!m_search->isVisible());
}

void CMainFrame::showLatestNews()
{
    prompter().information(tr("Service not yet enabled!"));
}

void CMainFrame::showAbout()
{
    CAboutDlg about(this);
    about.exec();
}

void CMainFrame::printSetup()
{
    QPageSetupDialog dialog(&SharedPrinter::printer(), this);
    dialog.exec();
}

bool CMainFrame::isEnabled(const CommandRow &row) const
{
    // Every view leaves its own writes off on a database that can only be read; the frame
    // keeps the writing commands off as well whatever a view answers.
    if (row.writes && isReadOnly())
        return false;
    if (const auto *command = std::get_if<ViewCommand>(&row.target)) {
        const RecordView *active = activeView();
        return active && active->isCommandEnabled(*command);
    }
    if (const auto *command = std::get_if<FrameCommand>(&row.target)) {
        const auto handler = m_handlers.find(*command);
        return handler != m_handlers.end() && handler->second &&
               (*command != FrameCommand::ExportListCsv || m_kind == RegistriesView);
    }
    return isOwnCommandEnabled(std::get<OwnCommand>(row.target));
}

bool CMainFrame::isOwnCommandEnabled(OwnCommand command) const
{
    const auto canShow = [this](int kind) {
        return m_kind != kind && (m_views.contains(kind) || m_factories.contains(kind));
    };
    switch (command) {
    case OwnCommand::SearchBar: {
        const RecordView *active = activeView();
        return m_kind == CardsView ||
               (active && active->isCommandEnabled(ViewCommand::ToggleSearch));
    }
    case OwnCommand::ShowCards:
        return canShow(CardsView);
    case OwnCommand::ShowRegistries:
        return canShow(RegistriesView);
    case OwnCommand::ShowChart:
        return canShow(ChartView);
    default:
        return true;
    }
}

void CMainFrame::updateCommandStates()
{
    m_updatePending = false;
    for (const CommandRow &row : CommandTable::rows())
        m_actions[row.id]->setEnabled(isEnabled(row));
    updateCheckMarks();
    m_status->updateLockIndicators();
}

void CMainFrame::updateCheckMarks()
{
    m_actions[IdWorks]->setChecked(m_kind == CardsView);
    m_actions[IdRegistries]->setChecked(m_kind == RegistriesView);
    m_actions[IdGraphs]->setChecked(m_kind == ChartView);
    m_actions[IdSearchBar]->setChecked(m_search->isVisible());
    m_actions[IdToolBar]->setChecked(!m_toolBar->isHidden());
    m_actions[IdStatusBar]->setChecked(!statusBar()->isHidden());
}

void CMainFrame::scheduleUpdate()
{
    if (m_updatePending)
        return;
    m_updatePending = true;
    QMetaObject::invokeMethod(this, &CMainFrame::updateCommandStates, Qt::QueuedConnection);
}

bool CMainFrame::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
    case QEvent::WindowActivate: {
        // After the view has handled the key or the click: a selection or a typed text may
        // have changed what its commands can do, and a lock key may have been pressed.
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && (widget->window() == this || widget->window() == m_search))
            scheduleUpdate();
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::restorePlacement()
{
    m_placement->restoreFrame();
    m_search->setVisible(SettingsKeys::SearchShownAtStart.read() != 0 && m_kind == CardsView);
    // Placed once shown, when its borders are known.
    m_placement->restoreSearchWindow();
    updateCommandStates();
}

void CMainFrame::savePlacement()
{
    if (m_kind == CardsView)
        SettingsKeys::SearchShownAtStart.write(m_search->isVisible() ? 1 : 0);
    for (RecordView *each : std::as_const(m_views))
        each->saveState();
    m_placement->save();
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    // A view that cannot store the user's work keeps the window open with the work in it.
    bool canClose = false;
    guarded([this, &canClose] { canClose = viewsCanClose(); });
    if (!canClose) {
        event->ignore();
        return;
    }
    if (!m_placementSaved) {
        savePlacement();
        m_placementSaved = true;
    }
    m_updateTimer->stop();
    m_search->hide();
    QMainWindow::closeEvent(event);
}

QWidget *CMainFrame::searchWidget() const
{
    return m_search;
}
