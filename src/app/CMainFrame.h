#pragma once

#include "CommandIds.h"
#include "base/ui/RecordView.h"

#include <QDesktopServices>
#include <QHash>
#include <QMainWindow>
#include <QUrl>

#include <functional>
#include <map>
#include <memory>

class CSearchScheda;
class FarmSession;
class Prompter;
class QAction;
class QLabel;
class QStackedWidget;
class QTimer;
class QToolBar;

// The main window: menus, tool bar and status bar, one of the three views (1 cards,
// 2 registries, 3 chart) at a time, and the search window that goes with the card view.
// View commands go to the active view; whole-database commands run here or in the handlers
// other parts of the program set.
class CMainFrame : public QMainWindow, public ViewHost
{
    Q_OBJECT
public:
    enum ViewKind { CardsView = 1, RegistriesView = 2, ChartView = 3 };
    using ViewFactory = std::function<RecordView *(QWidget *parent, ViewHost &host)>;

    static constexpr int UpdateCheckMilliseconds = 300000;

    explicit CMainFrame(QWidget *parent = nullptr);
    ~CMainFrame() override;

    // The farm the views show: the frame follows its database and period and hands them to
    // every view. Without one (tests of the frame alone) the frame passes the card view's
    // database and the stored period.
    void setFarmSession(FarmSession *farm);
    FarmSession *farmSession() const { return m_farm; }

    // Views are created on first use; the card view at start when registered.
    void registerView(int kind, ViewFactory factory);
    void createInitialView();
    void setCommandHandler(FrameCommand command, std::function<void()> handler);
    // Messages of the frame and its dialogs (real message boxes unless replaced).
    void setPrompter(Prompter *prompter);
    Prompter &prompter();
    // Opens help and web addresses (the desktop's browser unless replaced).
    void setUrlOpener(std::function<void(const QUrl &)> opener);
    // The desktop's browser behind the default opener; false when none could be started.
    void setBrowser(std::function<bool(const QUrl &)> browser);
    void showSplash();

    int currentViewKind() const { return m_kind; }
    RecordView *activeView() const;
    RecordView *view(int kind) const { return m_views.value(kind); }
    CSearchScheda *searchWindow() const { return m_search; }
    QToolBar *toolBar() const { return m_toolBar; }
    QAction *action(int commandId) const { return m_actions.value(commandId); }
    QLabel *lockIndicator(int index) const { return m_lockLabels[index]; }
    // Shown in the status bar while the database can only be read.
    QLabel *accessIndicator() const { return m_accessLabel; }

    // Start-up placement of the frame and the search window from the settings store.
    void restorePlacement();

    void switchToView(int kind);
    // The Database setting may name another file: the farm opens it again and every existing
    // view shows it.
    void ReloadViews();
    // Why the farm database could not be opened, and where the user chooses another.
    static QString databaseFailureText(const QString &error);
    // The stored working period changed: the farm and every existing view take it.
    void ApplyPeriodToViews();

    void showSettingsDialog();
    void showCompanyDialog();
    void openDemoFarm();

    // ViewHost
    void setSearchDate(const QDateTime &date) override;
    void setSearchRange(const QDateTime &start, const QDateTime &end) override;
    void showHelpPage(int page) override;
    QWidget *searchWidget() const override;

public slots:
    // Enables, disables and checks every command for the current state.
    void updateCommandStates();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createSearchWindow();
    QAction *addCommand(int id, const QString &text, const QString &prompt);
    void runViewCommand(ViewCommand command);
    void runFrameCommand(FrameCommand command);
    // Saves a record being typed (asking first) and stores the changes of the one shown; false
    // when the user goes back to it or it could not be saved.
    bool settleTypedWork();
    void toggleSearchWindow();
    void showLatestNews();
    void showAbout();
    void printSetup();
    void savePlacement();
    // The saved outer rectangle of the frame; invalid when none was saved or it lies on no
    // screen.
    static QRect storedPlacement();
    void centreOnScreen();
    void placeSearchWindow();
    void openInBrowser(const QUrl &url);
    QPoint defaultSearchPlace() const;
    void updateLockIndicators();
    RecordView *createView(int kind);
    Database *databaseForViews() const;
    void releaseViews();
    void showReplacedDatabase();
    bool isReadOnly() const;
    void showAccess();
    void showPeriod(const WorkingPeriod &period);
    WorkingPeriod currentPeriod() const;

    QStackedWidget *m_stack = nullptr;
    QToolBar *m_toolBar = nullptr;
    CSearchScheda *m_search = nullptr;
    QLabel *m_lockLabels[3] = {nullptr, nullptr, nullptr};
    QLabel *m_accessLabel = nullptr;
    QTimer *m_idleTimer = nullptr;
    QTimer *m_updateTimer = nullptr;
    QHash<int, QAction *> m_actions;
    QHash<int, ViewCommand> m_viewCommands;
    QHash<int, ViewFactory> m_factories;
    QHash<int, RecordView *> m_views;
    std::map<FrameCommand, std::function<void()>> m_handlers;
    std::map<FrameCommand, int> m_handlerIds;
    FarmSession *m_farm = nullptr;
    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter *m_prompter = nullptr;
    std::function<void(const QUrl &)> m_urlOpener;
    std::function<bool(const QUrl &)> m_browser = &QDesktopServices::openUrl;
    int m_kind = CardsView;
    bool m_placementSaved = false;
};
