#include "CMainFrame.h"

#include "CAboutDlg.h"
#include "CDittaDialog.h"
#include "CPropDialog.h"
#include "CSearchScheda.h"
#include "CSplashWnd.h"
#include "DemoFarmOpening.h"
#include "HelpPages.h"
#include "LockKeyState.h"
#include "SettingsCommand.h"
#include "base/Clock.h"
#include "base/SettingsKeys.h"
#include "base/SettingsStore.h"
#include "base/WorkingPeriod.h"
#include "base/ui/SharedPrinter.h"
#include "base/ui/WidgetPrompter.h"
#include "db/DbException.h"
#include "db/FarmSession.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <algorithm>

#include <limits>
#include <optional>

static void initAppResources()
{
    Q_INIT_RESOURCE(verdimo_app);
}

namespace {

// Text of each command and its prompt: the status-bar line, then after "\n" the tool tip.
struct CommandText
{
    int id;
    const char *text;
    const char *prompt;
};

const CommandText commandTexts[] = {
    {IdExportData, QT_TRANSLATE_NOOP("CMainFrame", "Export &data"),
     QT_TRANSLATE_NOOP("CMainFrame", "Export data to an archive\nExport data")},
    {IdImportData, QT_TRANSLATE_NOOP("CMainFrame", "&Import data"),
     QT_TRANSLATE_NOOP("CMainFrame", "Import data from an archive\nImport data")},
    {IdCompany, QT_TRANSLATE_NOOP("CMainFrame", "&Company"),
     QT_TRANSLATE_NOOP("CMainFrame", "Modify current company\nCompany")},
    {IdBackupData, QT_TRANSLATE_NOOP("CMainFrame", "Bac&kup data"),
     QT_TRANSLATE_NOOP("CMainFrame", "Backup data\nBackup")},
    {IdExportTreatmentRecord, QT_TRANSLATE_NOOP("CMainFrame", "Export treatment rec&ord..."),
     QT_TRANSLATE_NOOP("CMainFrame", "Write the treatments of the working period as CSV or JSON "
                                     "records\nExport treatment record")},
    {IdExportListCsv, QT_TRANSLATE_NOOP("CMainFrame", "Export &list as CSV..."),
     QT_TRANSLATE_NOOP("CMainFrame", "Write the list shown in the registries as a CSV table\n"
                                     "Export list as CSV")},
    {IdRestore, QT_TRANSLATE_NOOP("CMainFrame", "&Restore..."),
     QT_TRANSLATE_NOOP("CMainFrame", "Put a backup back as the working database\nRestore")},
    {IdOpenDemoFarm, QT_TRANSLATE_NOOP("CMainFrame", "Open de&mo farm"),
     QT_TRANSLATE_NOOP("CMainFrame", "Open a demo farm with a few years of work cards, to try the "
                                     "program on\nOpen demo farm")},
    {IdPrintSetup, QT_TRANSLATE_NOOP("CMainFrame", "P&rint setup..."),
     QT_TRANSLATE_NOOP("CMainFrame", "Change the printer and printing options\nPage Setup")},
    {IdPrintPreview, QT_TRANSLATE_NOOP("CMainFrame", "Prin&t preview"),
     QT_TRANSLATE_NOOP("CMainFrame", "Display full pages\nPrint Preview")},
    {IdPrint, QT_TRANSLATE_NOOP("CMainFrame", "&Print"),
     QT_TRANSLATE_NOOP("CMainFrame", "Print the active document\nPrint")},
    {IdExit, QT_TRANSLATE_NOOP("CMainFrame", "&Exit"),
     QT_TRANSLATE_NOOP("CMainFrame", "Quit the application\nExit")},
    {IdUndo, QT_TRANSLATE_NOOP("CMainFrame", "&Undo\tCtrl+Z"),
     QT_TRANSLATE_NOOP("CMainFrame", "Undo the last action\nUndo")},
    {IdCut, QT_TRANSLATE_NOOP("CMainFrame", "Cu&t\tCtrl+X"),
     QT_TRANSLATE_NOOP("CMainFrame", "Cut the selection and put it on the Clipboard\nCut")},
    {IdCopy, QT_TRANSLATE_NOOP("CMainFrame", "&Copy\tCtrl+C"),
     QT_TRANSLATE_NOOP("CMainFrame", "Copy the selection and put it on the Clipboard\nCopy")},
    {IdPaste, QT_TRANSLATE_NOOP("CMainFrame", "&Paste\tCtrl+V"),
     QT_TRANSLATE_NOOP("CMainFrame", "Insert Clipboard contents\nPaste")},
    {IdFirst, QT_TRANSLATE_NOOP("CMainFrame", "&First"),
     QT_TRANSLATE_NOOP("CMainFrame", "Move to first record\nFirst Record")},
    {IdPrevious, QT_TRANSLATE_NOOP("CMainFrame", "&Previous"),
     QT_TRANSLATE_NOOP("CMainFrame", "Move to previous record\nPrevious Record")},
    {IdNext, QT_TRANSLATE_NOOP("CMainFrame", "&Next"),
     QT_TRANSLATE_NOOP("CMainFrame", "Move to next record\nNext Record")},
    {IdLast, QT_TRANSLATE_NOOP("CMainFrame", "&Last"),
     QT_TRANSLATE_NOOP("CMainFrame", "Move to final record\nLast Record")},
    {IdAdd, QT_TRANSLATE_NOOP("CMainFrame", "&Add"),
     QT_TRANSLATE_NOOP("CMainFrame", "Add a new record\nAdd")},
    {IdSave, QT_TRANSLATE_NOOP("CMainFrame", "&Save"),
     QT_TRANSLATE_NOOP("CMainFrame", "Save record\nSave")},
    {IdDelete, QT_TRANSLATE_NOOP("CMainFrame", "&Delete"),
     QT_TRANSLATE_NOOP("CMainFrame", "Delete current record\nDelete")},
    {IdNewWork, QT_TRANSLATE_NOOP("CMainFrame", "N&ew work\tIns"),
     QT_TRANSLATE_NOOP("CMainFrame", "Add a new work to tab\nAdd work")},
    {IdDeleteWork, QT_TRANSLATE_NOOP("CMainFrame", "Delete &work\tCtrl+Canc"),
     QT_TRANSLATE_NOOP("CMainFrame", "Delete selected rows in tab\nDelete row")},
    {IdCancelInsert, QT_TRANSLATE_NOOP("CMainFrame", "&Cancel insert"),
     QT_TRANSLATE_NOOP("CMainFrame", "Undo current inserting\nUndo inserting")},
    {IdNewFieldsYear, QT_TRANSLATE_NOOP("CMainFrame", "New fields &year"),
     QT_TRANSLATE_NOOP("CMainFrame",
                       "Copy the fields of a year into another year\nNew fields year")},
    {IdSettings, QT_TRANSLATE_NOOP("CMainFrame", "&Settings"),
     QT_TRANSLATE_NOOP("CMainFrame", "Set application properties\nSettings")},
    {IdToolBar, QT_TRANSLATE_NOOP("CMainFrame", "&Tool bar"),
     QT_TRANSLATE_NOOP("CMainFrame", "Show or hide the toolbar\nToggle ToolBar")},
    {IdStatusBar, QT_TRANSLATE_NOOP("CMainFrame", "St&atus bar"),
     QT_TRANSLATE_NOOP("CMainFrame", "Show or hide the status bar\nToggle StatusBar")},
    {IdSearchBar, QT_TRANSLATE_NOOP("CMainFrame", "&Search bar"),
     QT_TRANSLATE_NOOP("CMainFrame", "Show or hide the search window\nSearch bar")},
    {IdRegistries, QT_TRANSLATE_NOOP("CMainFrame", "&Registries\tCtrl + T"),
     QT_TRANSLATE_NOOP("CMainFrame", "Show the registries\nRegistries")},
    {IdWorks, QT_TRANSLATE_NOOP("CMainFrame", "&Works\tCtrl + S"),
     QT_TRANSLATE_NOOP("CMainFrame", "Show the daily work cards\nWorks")},
    {IdGraphs, QT_TRANSLATE_NOOP("CMainFrame", "&Graphs\tCtrl + G"),
     QT_TRANSLATE_NOOP("CMainFrame", "Show the weather chart\nGraphs")},
    {IdHelpOnline, QT_TRANSLATE_NOOP("CMainFrame", "&Help online\tF1"),
     QT_TRANSLATE_NOOP("CMainFrame", "Open the online help\nHelp")},
    {IdWebPage, QT_TRANSLATE_NOOP("CMainFrame", "&Web page"),
     QT_TRANSLATE_NOOP("CMainFrame", "Open the Verdimo web page\nWeb page")},
    {IdUpdate, QT_TRANSLATE_NOOP("CMainFrame", "&Update"),
     QT_TRANSLATE_NOOP("CMainFrame", "Check for a newer version\nUpdate")},
    {IdLatestNews, QT_TRANSLATE_NOOP("CMainFrame", "&Lastest news"),
     QT_TRANSLATE_NOOP("CMainFrame", "Show the latest news\nLatest news")},
    {IdAbout, QT_TRANSLATE_NOOP("CMainFrame", "&About..."),
     QT_TRANSLATE_NOOP("CMainFrame",
                       "Display program information, version number and copyright\nAbout")},
};

struct MenuItems
{
    const char *title;
    QList<int> ids;
};

const MenuItems menus[] = {
    {QT_TRANSLATE_NOOP("CMainFrame", "&File"),
     {IdExportData, IdImportData, IdExportTreatmentRecord, IdExportListCsv, IdSeparator, IdCompany,
      IdBackupData, IdOpenDemoFarm, IdSeparator, IdPrintSetup, IdPrintPreview, IdPrint, IdSeparator,
      IdExit}},
    {QT_TRANSLATE_NOOP("CMainFrame", "&Edit"), {IdUndo, IdSeparator, IdCut, IdCopy, IdPaste}},
    {QT_TRANSLATE_NOOP("CMainFrame", "F&orms"),
     {IdFirst, IdPrevious, IdNext, IdLast, IdSeparator, IdAdd, IdSave, IdDelete, IdSeparator,
      IdNewWork, IdDeleteWork, IdSeparator, IdCancelInsert, IdSeparator, IdNewFieldsYear}},
    {QT_TRANSLATE_NOOP("CMainFrame", "&Program"), {IdSettings, IdSeparator, IdRestore}},
    {QT_TRANSLATE_NOOP("CMainFrame", "&View"),
     {IdToolBar, IdStatusBar, IdSearchBar, IdSeparator, IdRegistries, IdWorks, IdGraphs}},
    {QT_TRANSLATE_NOOP("CMainFrame", "&Help"),
     {IdHelpOnline, IdSeparator, IdWebPage, IdUpdate, IdLatestNews, IdSeparator, IdAbout}},
};

const int toolBarIds[] = {IdExportData,
                          IdImportData,
                          0,
                          IdCut,
                          IdCopy,
                          IdPaste,
                          0,
                          IdPrintPreview,
                          IdPrint,
                          0,
                          IdFirst,
                          IdPrevious,
                          IdNext,
                          IdLast,
                          0,
                          IdAdd,
                          IdSave,
                          IdCancelInsert,
                          IdDelete,
                          0,
                          IdNewWork,
                          0,
                          IdWorks,
                          IdRegistries,
                          IdGraphs,
                          0,
                          IdAbout};

struct Shortcuts
{
    int id;
    QList<QKeySequence> keys;
};

const QList<Shortcuts> &shortcuts()
{
    static const QList<Shortcuts> table = {
        {IdCopy, {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}},
        {IdCut, {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)}},
        {IdPaste, {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}},
        {IdUndo, {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)}},
        {IdHelpOnline, {QKeySequence(Qt::Key_F1)}},
        {IdDeleteWork, {QKeySequence(Qt::CTRL | Qt::Key_Delete)}},
        {IdNewWork, {QKeySequence(Qt::Key_Insert)}},
        {IdRegistries, {QKeySequence(Qt::CTRL | Qt::Key_T)}},
        {IdWorks, {QKeySequence(Qt::CTRL | Qt::Key_S)}},
        {IdGraphs, {QKeySequence(Qt::CTRL | Qt::Key_G)}},
    };
    return table;
}

// Theme icon where the desktop has a fitting one, our own picture otherwise.
struct CommandIcon
{
    int id;
    const char *theme;
    const char *file;
};

const CommandIcon commandIcons[] = {
    {IdExportData, "document-export", "export"},
    {IdImportData, "document-import", "import"},
    {IdCut, "edit-cut", "cut"},
    {IdCopy, "edit-copy", "copy"},
    {IdPaste, "edit-paste", "paste"},
    {IdPrintPreview, "document-print-preview", "preview"},
    {IdPrint, "document-print", "print"},
    {IdFirst, "go-first", "first"},
    {IdPrevious, "go-previous", "previous"},
    {IdNext, "go-next", "next"},
    {IdLast, "go-last", "last"},
    {IdAdd, "document-new", "add"},
    {IdSave, "document-save", "save"},
    {IdCancelInsert, "edit-undo", "cancel"},
    {IdDelete, "edit-delete", "delete"},
    {IdNewWork, "list-add", "newwork"},
    {IdWorks, "x-office-calendar", "works"},
    {IdRegistries, "x-office-address-book", "registries"},
    {IdGraphs, "x-office-spreadsheet", "graphs"},
    {IdAbout, "help-about", "about"},
};

const QHash<int, ViewCommand> &viewCommandTable()
{
    static const QHash<int, ViewCommand> table = {
        {IdFirst, ViewCommand::First},
        {IdPrevious, ViewCommand::Previous},
        {IdNext, ViewCommand::Next},
        {IdLast, ViewCommand::Last},
        {IdAdd, ViewCommand::Add},
        {IdSave, ViewCommand::Save},
        {IdDelete, ViewCommand::Delete},
        {IdCancelInsert, ViewCommand::CancelInsert},
        {IdNewWork, ViewCommand::NewWork},
        {IdDeleteWork, ViewCommand::DeleteWork},
        {IdNewFieldsYear, ViewCommand::NewFieldsYear},
        {IdPrint, ViewCommand::Print},
        {IdPrintPreview, ViewCommand::Preview},
        {IdHelpOnline, ViewCommand::Help},
        {IdUndo, ViewCommand::Undo},
        {IdCut, ViewCommand::Cut},
        {IdCopy, ViewCommand::Copy},
        {IdPaste, ViewCommand::Paste},
    };
    return table;
}

const std::map<FrameCommand, int> &frameCommandIds()
{
    static const std::map<FrameCommand, int> ids = {
        {FrameCommand::ExportData, IdExportData},
        {FrameCommand::ImportData, IdImportData},
        {FrameCommand::BackupData, IdBackupData},
        {FrameCommand::Update, IdUpdate},
        {FrameCommand::ExportTreatmentRecord, IdExportTreatmentRecord},
        {FrameCommand::ExportListCsv, IdExportListCsv},
        {FrameCommand::Restore, IdRestore},
    };
    return ids;
}

// How the frame was shown when it closed (setting Style).
enum class WindowStyle { Normal = 1, Minimised = 2, Maximised = 3 };

} // namespace

CMainFrame::CMainFrame(QWidget *parent) : QMainWindow(parent)
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

    m_idleTimer = new QTimer(this);
    m_idleTimer->setInterval(250);
    connect(m_idleTimer, &QTimer::timeout, this, &CMainFrame::updateCommandStates);
    m_idleTimer->start();

    m_updateTimer = new QTimer(this);
    m_updateTimer->setInterval(UpdateCheckMilliseconds);
    connect(m_updateTimer, &QTimer::timeout, this,
            [this] { runFrameCommand(FrameCommand::AutoUpdateCheck); });
    m_updateTimer->start();

    // Created at the size of the screen; start-up then moves it to the stored placement.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    updateCommandStates();
}

CMainFrame::~CMainFrame() = default;

QAction *CMainFrame::addCommand(int id, const QString &text, const QString &prompt)
{
    auto *action = new QAction(text, this);
    const QStringList lines = prompt.split(QLatin1Char('\n'));
    action->setStatusTip(lines.value(0));
    action->setToolTip(lines.value(1, lines.value(0)));
    action->setIconText(lines.value(1, lines.value(0)));
    action->setData(id);
    action->setObjectName(QStringLiteral("command%1").arg(id));
    m_actions.insert(id, action);
    return action;
}

void CMainFrame::createActions()
{
    for (const CommandText &command : commandTexts)
        addCommand(command.id, tr(command.text), tr(command.prompt));
    for (const Shortcuts &entry : shortcuts()) {
        m_actions[entry.id]->setShortcuts(entry.keys);
        m_actions[entry.id]->setShortcutContext(Qt::WindowShortcut);
    }
    for (const CommandIcon &icon : commandIcons) {
        const QIcon own(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon.file)));
        m_actions[icon.id]->setIcon(QIcon::fromTheme(QLatin1String(icon.theme), own));
    }

    m_viewCommands = viewCommandTable();
    for (auto it = m_viewCommands.cbegin(); it != m_viewCommands.cend(); ++it) {
        const ViewCommand command = it.value();
        connect(m_actions[it.key()], &QAction::triggered, this,
                [this, command] { runViewCommand(command); });
    }
    for (const auto &[command, id] : frameCommandIds()) {
        const FrameCommand which = command;
        connect(m_actions[id], &QAction::triggered, this,
                [this, which] { runFrameCommand(which); });
    }

    connect(m_actions[IdCompany], &QAction::triggered, this, &CMainFrame::showCompanyDialog);
    connect(m_actions[IdOpenDemoFarm], &QAction::triggered, this, &CMainFrame::openDemoFarm);
    connect(m_actions[IdSettings], &QAction::triggered, this, &CMainFrame::showSettingsDialog);
    connect(m_actions[IdPrintSetup], &QAction::triggered, this, &CMainFrame::printSetup);
    connect(m_actions[IdExit], &QAction::triggered, this, &QWidget::close);
    connect(m_actions[IdSearchBar], &QAction::triggered, this, &CMainFrame::toggleSearchWindow);
    connect(m_actions[IdWorks], &QAction::triggered, this, [this] { switchToView(CardsView); });
    connect(m_actions[IdRegistries], &QAction::triggered, this,
            [this] { switchToView(RegistriesView); });
    connect(m_actions[IdGraphs], &QAction::triggered, this, [this] { switchToView(ChartView); });
    connect(m_actions[IdWebPage], &QAction::triggered, this,
            [this] { m_urlOpener(HelpPages::productUrl()); });
    connect(m_actions[IdLatestNews], &QAction::triggered, this, &CMainFrame::showLatestNews);
    connect(m_actions[IdAbout], &QAction::triggered, this, &CMainFrame::showAbout);

    for (int id : {IdToolBar, IdStatusBar, IdSearchBar, IdRegistries, IdWorks, IdGraphs})
        m_actions[id]->setCheckable(true);
}

void CMainFrame::createMenus()
{
    for (const MenuItems &items : menus) {
        QMenu *menu = menuBar()->addMenu(tr(items.title));
        for (int id : items.ids) {
            if (id == IdSeparator)
                menu->addSeparator();
            else
                menu->addAction(m_actions[id]);
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
    for (int id : toolBarIds) {
        if (id == IdSeparator)
            m_toolBar->addSeparator();
        else
            m_toolBar->addAction(m_actions[id]);
    }
    connect(m_actions[IdToolBar], &QAction::triggered, m_toolBar, &QWidget::setVisible);
}

void CMainFrame::createStatusBar()
{
    // The short names of the lock keys, as keyboards and status bars print them.
    static const char *const names[] = {QT_TR_NOOP("CAP"), QT_TR_NOOP("NUM"), QT_TR_NOOP("SCRL")};
    static const char *const lockNames[] = {QT_TR_NOOP("Caps Lock"), QT_TR_NOOP("Num Lock"),
                                            QT_TR_NOOP("Scroll Lock")};
    m_accessLabel = new QLabel(tr("read-only"), this);
    m_accessLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_accessLabel->setToolTip(tr("The database can only be read."));
    m_accessLabel->hide();
    statusBar()->addPermanentWidget(m_accessLabel);
    for (int i = 0; i < 3; ++i) {
        m_lockLabels[i] = new QLabel(tr(names[i]), this);
        m_lockLabels[i]->setAlignment(Qt::AlignCenter);
        int widest = 0;
        for (const char *name : names)
            widest = qMax(widest, m_lockLabels[i]->fontMetrics().horizontalAdvance(tr(name)));
        m_lockLabels[i]->setMinimumWidth(widest + 12);
        m_lockLabels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_lockLabels[i]->setAccessibleName(tr(lockNames[i]));
        statusBar()->addPermanentWidget(m_lockLabels[i]);
    }
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString &message) {
        if (message.isEmpty())
            statusBar()->showMessage(tr("Ready"));
    });
    statusBar()->showMessage(tr("Ready"));
    connect(m_actions[IdStatusBar], &QAction::triggered, statusBar(), &QWidget::setVisible);
    updateLockIndicators();
}

void CMainFrame::createSearchWindow()
{
    m_search = new CSearchScheda(this);
    const WorkingPeriod period = currentPeriod();
    m_search->setRange(period.startAt(), period.endAt());
    connect(m_search, &CSearchScheda::datePicked, this, [this](const QDate &day) {
        if (RecordView *cards = m_views.value(CardsView); cards && m_kind == CardsView)
            cards->searchDatePicked(day);
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
    m_views.insert(kind, created);
    m_stack->addWidget(created->widget());
    return created;
}

void CMainFrame::createInitialView()
{
    if (m_views.contains(CardsView) || !m_factories.contains(CardsView))
        return;
    RecordView *cards = createView(CardsView);
    if (m_kind == CardsView)
        m_stack->setCurrentWidget(cards->widget());
    updateCommandStates();
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
    RecordView *current = activeView();
    if (!target) {
        target = createView(kind);
        if (kind != CardsView)
            target->setDatabase(m_farm    ? databaseForViews()
                                : current ? current->database()
                                          : nullptr);
    }
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

void CMainFrame::setFarmSession(FarmSession *farm)
{
    if (m_farm)
        disconnect(m_farm, nullptr, this, nullptr);
    m_farm = farm;
    if (!m_farm)
        return;
    connect(m_farm, &FarmSession::aboutToReplaceDatabase, this, &CMainFrame::releaseViews);
    connect(m_farm, &FarmSession::databaseReplaced, this, &CMainFrame::showReplacedDatabase);
    connect(m_farm, &FarmSession::periodChanged, this, &CMainFrame::showPeriod);
    const WorkingPeriod period = m_farm->period();
    m_search->setRange(period.startAt(), period.endAt());
}

Database *CMainFrame::databaseForViews() const
{
    if (m_farm)
        return m_farm->isOpen() ? &m_farm->database() : nullptr;
    const RecordView *cards = m_views.value(CardsView);
    return cards ? const_cast<RecordView *>(cards)->database() : nullptr;
}

WorkingPeriod CMainFrame::currentPeriod() const
{
    return m_farm ? m_farm->period() : FarmSession::storedPeriod();
}

// Every view lets go of the database before its connection closes.
void CMainFrame::releaseViews()
{
    for (int kind : {CardsView, RegistriesView, ChartView})
        if (RecordView *each = m_views.value(kind))
            each->releaseDatabase();
}

void CMainFrame::showReplacedDatabase()
{
    RecordView *cards = m_views.value(CardsView);
    if (cards)
        cards->reopenDatabase();
    for (int kind : {RegistriesView, ChartView}) {
        RecordView *other = m_views.value(kind);
        if (!other)
            continue;
        if (m_farm || cards)
            other->setDatabase(databaseForViews());
        other->reopenDatabase();
    }
    showAccess();
    updateCommandStates();
}

bool CMainFrame::isReadOnly() const
{
    return m_farm && m_farm->isReadOnly();
}

void CMainFrame::showAccess()
{
    const QString title = QStringLiteral("Brivex - Verdimo");
    setWindowTitle(isReadOnly() ? tr("%1 (read-only)").arg(title) : title);
    m_accessLabel->setVisible(isReadOnly());
}

void CMainFrame::ReloadViews()
{
    if (!m_farm) {
        showReplacedDatabase();
        return;
    }
    try {
        m_farm->reopen();
    } catch (const DbException &error) {
        prompter().error(databaseFailureText(error.message()));
    }
}

QString CMainFrame::databaseFailureText(const QString &error)
{
    return tr("%1\n\nSettings in the Program menu chooses another farm database.").arg(error);
}

void CMainFrame::showPeriod(const WorkingPeriod &period)
{
    m_search->setRange(period.startAt(), period.endAt());
    for (int kind : {CardsView, RegistriesView, ChartView}) {
        if (RecordView *each = m_views.value(kind))
            each->applyWorkingPeriod(period);
    }
    updateCommandStates();
}

void CMainFrame::ApplyPeriodToViews()
{
    if (m_farm)
        m_farm->reloadPeriod();
    else
        showPeriod(FarmSession::storedPeriod());
}

void CMainFrame::showSettingsDialog()
{
    const PropValues before = SettingsCommand::load();
    CPropDialog dialog(
        prompter(), [this](int page) { showHelpPage(page); }, this);
    dialog.setValues(before);
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

void CMainFrame::showCompanyDialog()
{
    CDittaDialog dialog([this](int page) { showHelpPage(page); }, this);
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

void CMainFrame::runViewCommand(ViewCommand command)
{
    RecordView *target = activeView();
    if (target && target->isCommandEnabled(command))
        target->runCommand(command);
}

void CMainFrame::runFrameCommand(FrameCommand command)
{
    const auto handler = m_handlers.find(command);
    if (handler == m_handlers.end() || !handler->second)
        return;
    // Both replace what the views show: a record being typed is saved first or the command
    // is not run, so that it is never lost, whatever the command then does.
    const bool replacesData =
        command == FrameCommand::ImportData || command == FrameCommand::Restore;
    if (replacesData && !settleTypedWork())
        return;
    handler->second();
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
    for (RecordView *each : std::as_const(m_views)) {
        if (!each->canClose())
            return false;
    }
    return true;
}

void CMainFrame::toggleSearchWindow()
{
    m_search->setVisible(!m_search->isVisible());
    updateCommandStates();
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

void CMainFrame::updateCommandStates()
{
    RecordView *active = activeView();
    // Every view leaves its own writes off on a database that can only be read; the frame
    // keeps the writing commands off as well whatever a view answers.
    const bool readOnly = isReadOnly();
    const auto writes = [](ViewCommand command) {
        const ViewCommand writing[] = {ViewCommand::Add,        ViewCommand::Save,
                                       ViewCommand::Delete,     ViewCommand::NewWork,
                                       ViewCommand::DeleteWork, ViewCommand::NewFieldsYear};
        return std::find(std::begin(writing), std::end(writing), command) != std::end(writing);
    };
    for (auto it = m_viewCommands.cbegin(); it != m_viewCommands.cend(); ++it)
        m_actions[it.key()]->setEnabled(active && active->isCommandEnabled(it.value()) &&
                                        !(readOnly && writes(it.value())));
    for (const auto &[command, id] : frameCommandIds()) {
        const auto handler = m_handlers.find(command);
        m_actions[id]->setEnabled(
            handler != m_handlers.end() && handler->second &&
            !(readOnly &&
              (command == FrameCommand::ImportData || command == FrameCommand::Restore)) &&
            (command != FrameCommand::ExportListCsv || m_kind == RegistriesView));
    }
    const std::pair<int, int> switches[] = {
        {IdWorks, CardsView}, {IdRegistries, RegistriesView}, {IdGraphs, ChartView}};
    for (const auto &[id, kind] : switches) {
        const bool current = m_kind == kind;
        m_actions[id]->setChecked(current);
        m_actions[id]->setEnabled(!current &&
                                  (m_views.contains(kind) || m_factories.contains(kind)));
    }
    m_actions[IdSearchBar]->setChecked(m_search->isVisible());
    m_actions[IdSearchBar]->setEnabled(
        m_kind == CardsView || (active && active->isCommandEnabled(ViewCommand::ToggleSearch)));
    m_actions[IdToolBar]->setChecked(!m_toolBar->isHidden());
    m_actions[IdStatusBar]->setChecked(!statusBar()->isHidden());
    updateLockIndicators();
}

void CMainFrame::updateLockIndicators()
{
    const LockKeyState::Key keys[] = {LockKeyState::CapsLock, LockKeyState::NumLock,
                                      LockKeyState::ScrollLock};
    for (int i = 0; i < 3; ++i)
        m_lockLabels[i]->setEnabled(LockKeyState::isOn(keys[i]).value_or(false));
}

namespace {

// The stored value of a placement key, or nothing when the user never saved one.
std::optional<int> savedInt(const SettingsKeys::IntKey &key)
{
    constexpr int absent = std::numeric_limits<int>::min();
    const int value = SettingsStore::readInt(key.section, key.name, absent);
    return value == absent ? std::nullopt : std::optional<int>(value);
}

// A rectangle is usable when its middle lies on a screen that is there now.
bool onSomeScreen(const QRect &rect)
{
    return rect.isValid() && QGuiApplication::screenAt(rect.center()) != nullptr;
}

// The first start opens centred on the main screen at about four fifths of its free area.
QRect firstStartRect()
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return QRect(0, 0, 640, 480);
    const QRect free = primary->availableGeometry();
    QRect rect(QPoint(), QSize(free.width() * 9 / 10, free.height() * 9 / 10));
    rect.moveCenter(free.center());
    return rect;
}

} // namespace

QRect CMainFrame::storedPlacement()
{
    const auto left = savedInt(SettingsKeys::Left);
    const auto top = savedInt(SettingsKeys::Top);
    const auto right = savedInt(SettingsKeys::Right);
    const auto bottom = savedInt(SettingsKeys::Bottom);
    if (!left || !top || !right || !bottom)
        return {};
    // The stored corner is the window's outer corner; the size is that of its inside.
    const QRect stored(*left, *top, *right - *left, *bottom - *top);
    return onSomeScreen(stored) ? stored : QRect();
}

void CMainFrame::restorePlacement()
{
    const QRect stored = storedPlacement();
    const QRect placement = stored.isValid() ? stored : firstStartRect();
    move(placement.topLeft());
    resize(placement.size());
    switch (WindowStyle(SettingsKeys::Style.read())) {
    case WindowStyle::Minimised:
        showMinimized();
        break;
    case WindowStyle::Maximised:
        showMaximized();
        break;
    default:
        showNormal();
        break;
    }
    if (!stored.isValid())
        centreOnScreen();
    m_search->setVisible(SettingsKeys::SearchShownAtStart.read() != 0 && m_kind == CardsView);
    // Placed once shown, when its borders are known.
    placeSearchWindow();
    updateCommandStates();
}

void CMainFrame::centreOnScreen()
{
    // Only now are the window's borders known, so the whole window can be centred.
    if (const QScreen *primary = QGuiApplication::primaryScreen(); primary && !isMaximized()) {
        QRect outer = frameGeometry();
        outer.moveCenter(primary->availableGeometry().center());
        move(outer.topLeft());
    }
}

void CMainFrame::placeSearchWindow()
{
    const auto left = savedInt(SettingsKeys::SearchLeft);
    const auto top = savedInt(SettingsKeys::SearchTop);
    m_search->adjustSize();
    if (left && top && onSomeScreen(QRect(QPoint(*left, *top), m_search->size()))) {
        m_search->move(*left, *top);
        return;
    }
    m_search->move(defaultSearchPlace());
}

QPoint CMainFrame::defaultSearchPlace() const
{
    // The top-right corner of the frame's inside, over the free end of the menu bar and the
    // tool bar, where it hides none of the card's fields.
    const QRect inside = geometry();
    return QPoint(inside.right() + 1 - m_search->frameGeometry().width(), inside.top());
}

void CMainFrame::savePlacement()
{
    SettingsKeys::SearchLeft.write(m_search->pos().x());
    SettingsKeys::SearchTop.write(m_search->pos().y());
    if (m_kind == CardsView)
        SettingsKeys::SearchShownAtStart.write(m_search->isVisible() ? 1 : 0);
    for (RecordView *each : std::as_const(m_views))
        each->saveState();
    const QRect normal = normalGeometry();
    const QPoint frameOffset = geometry().topLeft() - frameGeometry().topLeft();
    const QPoint corner = normal.topLeft() - frameOffset;
    SettingsKeys::Left.write(corner.x());
    SettingsKeys::Top.write(corner.y());
    SettingsKeys::Right.write(corner.x() + normal.width());
    SettingsKeys::Bottom.write(corner.y() + normal.height());
    const WindowStyle shown = isMinimized()   ? WindowStyle::Minimised
                              : isMaximized() ? WindowStyle::Maximised
                                              : WindowStyle::Normal;
    SettingsKeys::Style.write(int(shown));
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    for (RecordView *each : std::as_const(m_views)) {
        if (!each->canClose()) {
            event->ignore();
            return;
        }
    }
    if (!m_placementSaved) {
        savePlacement();
        m_placementSaved = true;
    }
    m_idleTimer->stop();
    m_updateTimer->stop();
    m_search->hide();
    QMainWindow::closeEvent(event);
}

QWidget *CMainFrame::searchWidget() const
{
    return m_search;
}
