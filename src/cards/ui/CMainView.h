#pragma once

#include "base/ui/RecordView.h"
#include "cards/CardSession.h"
#include "cards/WorkListModel.h"

#include <QWidget>
#include <functional>
#include <memory>

class CardFormLayout;
class COperaiDlg;
class Clock;
class FarmSession;
class Prompter;
class QDateTimeEdit;
class QLineEdit;
class QTableView;
struct WorkingPeriod;

// The daily card view: one card of the working period at a time with its work list, and the
// card and work commands the frame routes to it. It works on the farm session's database and
// period and follows the session when either changes.
class CMainView : public QWidget, public RecordView
{
    Q_OBJECT

public:
    // Shows the card of the farm's actual date in the farm's working period. prompter and
    // clock default to message boxes and the system clock.
    CMainView(QWidget *parent, ViewHost &host, FarmSession &farm, Prompter *prompter = nullptr,
              const Clock *clock = nullptr);
    ~CMainView() override;

    // Print and Print preview are handed to the report subsystem by whoever creates the view:
    // the card view itself knows nothing of prints.
    using PrintHandler = std::function<void(CMainView &view, bool preview)>;
    void setPrintHandler(PrintHandler handler);
    int currentCardId() const;
    WorkingPeriod workingPeriod() const;
    Prompter &prompter() const { return m_prompter; }

    QWidget *widget() override { return this; }
    bool isCommandEnabled(ViewCommand command) const override;
    void runCommand(ViewCommand command) override;
    void searchDatePicked(const QDate &date) override;
    bool canClose() override;
    void saveState() override;

    // Opens the work of the list's row in the work editor and stores what it closes with.
    void editWork(int row);
    // Shows the card of the day, the changes typed into the card shown stored first, and
    // selects the work among its rows; false when that cannot be done (a new card is being
    // entered, the form cannot be stored, the period has no card that day).
    bool showWork(const QDate &day, int workId);

    // How the work editor is run; the default shows it modally. Tests drive it instead.
    using EditorRunner = std::function<bool(COperaiDlg &)>;
    void setEditorRunner(EditorRunner runner) { m_runEditor = std::move(runner); }

    CardSession *session() const { return m_session.get(); }
    QTableView *workList() const { return m_list; }
    QDateTimeEdit *dateField() const;
    QLineEdit *textField(int column) const;

private:
    void buildList();
    void followCommandStates();
    bool guarded(const std::function<void()> &command);
    bool isPeriodReadable(const WorkingPeriod &period);
    void startSession();
    void releaseSession();
    void followPeriod(const WorkingPeriod &period);
    void showWorkList(WorkListModel &model);
    void loadForm();
    void fillWorkList();
    void showResult(const CardSession::Result &result);
    void selectWorkRow(int row);
    void newWork();
    void deleteWork();
    void runMove(CardSession::Move move);
    void runSessionCommand(ViewCommand command);
    void addCard();
    void watchDateField();
    void reviewTypedDay();
    bool storeShownCard();
    QLineEdit *focusedEdit() const;
    bool editCommandEnabled(ViewCommand command) const;
    void runEditCommand(ViewCommand command);
    std::unique_ptr<COperaiDlg> makeEditor(const WorkEntry &entry, bool newEntry);

    ViewHost &m_host;
    FarmSession &m_farm;
    std::unique_ptr<Prompter> m_ownPrompter;
    std::unique_ptr<Clock> m_ownClock;
    Prompter &m_prompter;
    const Clock &m_clock;
    std::unique_ptr<CardSession> m_session;
    // What the list shows while no card session is open.
    WorkListModel m_noWorks;
    PrintHandler m_printHandler;
    EditorRunner m_runEditor;

    QTableView *m_list = nullptr;
    std::unique_ptr<CardFormLayout> m_form;
    // The date the field held when the user was last told about its day (or when a card was
    // shown): leaving the field again without a change asks nothing more.
    QDateTime m_reviewedDate;
};
