#pragma once

#include "CommandTable.h"
#include "FrameStatusBar.h"
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
class QToolButton;
class WindowPlacement;
struct WorkingPeriod;

// The main window: menus, tool bar and status bar, one of the three views (1 cards,
// 2 registries, 3 chart) at a time, and the search window that goes with the card view.
// Each command is one row of the command table; view commands go to the active view,
// whole-database commands run here or in the handlers other parts of the program set, and every
// one of them runs inside the error boundary, so a database error is told and the window stays.
// The commands' states follow the farm session's and the views' signals.
class CMainFrame : public QMainWindow, public ViewHost
{
    Q_OBJECT
public:
    enum ViewKind { CardsView = 1, RegistriesView = 2, ChartView = 3 };
    using ViewFactory = std::function<RecordView *(QWidget *parent, ViewHost &host)>;

    static constexpr int UpdateCheckMilliseconds = 300000;

    // The frame shows the farm the session has open, and follows it.
    explicit CMainFrame(FarmSession &farm, QWidget *parent = nullptr);
    ~CMainFrame() override;

    FarmSession &farmSession() const { return m_farm; }

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
    QLabel *lockIndicator(int index) const { return m_status->lockIndicator(index); }
    // Shown in the status bar while the database can only be read.
    QLabel *accessIndicator() const { return m_status->accessIndicator(); }
    // The working period in the status bar; a click opens Settings at the period.
    QToolButton *periodIndicator() const { return m_status->periodIndicator(); }

    // Start-up placement of the frame and the search window from the settings store.
    void restorePlacement();

    void switchToView(int kind);
    // The Database setting may name another file: the farm opens it again and every view
    // follows it.
    void ReloadViews();
    // Why the farm database could not be opened, and where the user chooses another.
    static QString databaseFailureText(const QString &error);
    // The stored working period changed: the farm takes it and every view follows.
    void ApplyPeriodToViews();

    // Where the cursor starts in Settings: its first field, or the period's first day.
    enum class SettingsFocus { First, Period };
    void showSettingsDialog(SettingsFocus focus = SettingsFocus::First);
    void showCompanyDialog();
    void openDemoFarm();
    // Makes the farm database at path the working farm, as Settings would, and keeps it at the
    // top of the recent farms.
    void openFarm(const QString &path);

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
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createSearchWindow();
    // Runs work inside the error boundary on the working file, then brings the commands up to
    // date; false when it failed.
    bool guarded(const std::function<void()> &work);
    // One update once the event being handled is done, however many ask for it meanwhile.
    void scheduleUpdate();
    void runCommand(const CommandRow &row);
    void runViewCommand(ViewCommand command);
    void runFrameCommand(FrameCommand command);
    void runOwnCommand(OwnCommand command);
    bool isEnabled(const CommandRow &row) const;
    bool isOwnCommandEnabled(OwnCommand command) const;
    void updateCheckMarks();
    // Saves a record being typed (asking first) and stores the changes of the one shown; false
    // when the user goes back to it or it could not be saved.
    bool settleTypedWork();
    bool viewsCanClose();
    void toggleSearchWindow();
    void showLatestNews();
    void showAbout();
    void printSetup();
    void savePlacement();
    void openInBrowser(const QUrl &url);
    RecordView *createView(int kind);
    void showReplacedDatabase();
    bool isReadOnly() const;
    void showAccess();
    void showPeriod(const WorkingPeriod &period);

    FarmSession &m_farm;
    QStackedWidget *m_stack = nullptr;
    QToolBar *m_toolBar = nullptr;
    CSearchScheda *m_search = nullptr;
    std::unique_ptr<WindowPlacement> m_placement;
    FrameStatusBar *m_status = nullptr;
    QTimer *m_updateTimer = nullptr;
    QHash<int, QAction *> m_actions;
    QHash<int, ViewFactory> m_factories;
    QHash<int, RecordView *> m_views;
    std::map<FrameCommand, std::function<void()>> m_handlers;
    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter *m_prompter = nullptr;
    std::function<void(const QUrl &)> m_urlOpener;
    std::function<bool(const QUrl &)> m_browser = &QDesktopServices::openUrl;
    int m_kind = CardsView;
    bool m_placementSaved = false;
    bool m_updatePending = false;
};
