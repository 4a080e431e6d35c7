#pragma once

#include "base/WorkingPeriod.h"

#include "base/ui/RecordView.h"
#include "cards/CardForm.h"
#include "cards/CardSession.h"
#include "cards/WorkListModel.h"

#include <QHash>
#include <QWidget>
#include <functional>
#include <memory>

class COperaiDlg;
class Clock;
class Database;
class FarmSession;
class Prompter;
class QDateTimeEdit;
class QLineEdit;
class QTableView;
class SpinField;

// The daily card view: one card of the working period at a time with its work list, and the
// card and work commands the frame routes to it.
class CMainView : public QWidget, public RecordView
{
    Q_OBJECT

public:
    // Shows the card of ActualDate of the farm's open database in the farm's working period.
    // prompter and clock default to message boxes and the system clock.
    CMainView(QWidget *parent, ViewHost &host, FarmSession &farm, Prompter *prompter = nullptr,
              const Clock *clock = nullptr);
    ~CMainView() override;

    // Print and Print preview are handed to the report subsystem by whoever creates the view.
    using PrintHandler = std::function<void(CMainView &view, bool preview)>;
    void setPrintHandler(PrintHandler handler);
    int currentCardId() const;
    WorkingPeriod workingPeriod() const;
    Prompter &prompter() const { return m_prompter; }

    QWidget *widget() override { return this; }
    bool isCommandEnabled(ViewCommand command) const override;
    void runCommand(ViewCommand command) override;
    Database *database() override;
    void setDatabase(Database *database) override;
    void releaseDatabase() override;
    void reopenDatabase() override { ReopenDatabase(); }
    void applyWorkingPeriod(const WorkingPeriod &period) override { ApplyWorkingPeriod(period); }
    void searchDatePicked(const QDate &date) override { FindCardByDate(date); }
    bool canClose() override;
    void saveState() override;

    void ReopenDatabase();
    void ApplyWorkingPeriod(const WorkingPeriod &period);
    bool FindCardByDate(const QDate &date);
    void FillWorkList();
    void LoadColumnLayout();
    void SaveColumnLayout();
    void NewWork();
    void EditWork(int row);

    // How the work editor is run; the default shows it modally. Tests drive it instead.
    using EditorRunner = std::function<bool(COperaiDlg &)>;
    void setEditorRunner(EditorRunner runner) { m_runEditor = std::move(runner); }

    CardSession *session() const { return m_session.get(); }
    QTableView *workList() const { return m_list; }
    QDateTimeEdit *dateField() const { return m_date; }
    QLineEdit *textField(int column) const;

private:
    void buildForm();
    QWidget *buildTopBlock();
    QWidget *buildBottomBlock();
    void addFormField(int column);
    bool isPeriodReadable(const WorkingPeriod &period);
    int firstStartWidth(int column) const;
    void startSession();
    void showWorkList(WorkListModel &model);
    void loadForm();
    CardForm::Input formInput() const;
    void showResult(const CardSession::Result &result);
    void selectWorkRow(int row);
    void deleteWork();
    void runMove(CardSession::Move move);
    void setPeriodRange(const WorkingPeriod &period);
    QLineEdit *focusedEdit() const;
    void printCards(bool preview);
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

    QDateTimeEdit *m_date = nullptr;
    QHash<int, QLineEdit *> m_texts;
    QHash<int, SpinField *> m_spins;
    QTableView *m_list = nullptr;
};
