#pragma once

#include "base/ui/RecordView.h"
#include "registries/RegistryScreen.h"

#include <QWidget>
#include <functional>
#include <memory>

class CAnnoDlg;
class Database;
class ParcelPanel;
class Clock;
class FarmSession;
class Prompter;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableView;
class QTreeView;
class RegistryEditor;
struct WorkingPeriod;

// The registries view: the tree of master data, the detail form of the selected record and the
// statistics list below it. The rules live in RegistryEditor; this widget shows them.
class CTabelleView : public QWidget, public RecordView, private RegistryScreen
{
    Q_OBJECT

public:
    // Shows the registries of the farm's database in the farm's working period. prompter and
    // clock default to message boxes and the system clock.
    CTabelleView(QWidget *parent, ViewHost &host, FarmSession &farm, Prompter *prompter = nullptr,
                 const Clock *clock = nullptr);
    ~CTabelleView() override;

    QWidget *widget() override { return this; }
    bool isCommandEnabled(ViewCommand command) const override;
    void runCommand(ViewCommand command) override;
    void saveState() override;

    // Print and Print preview of the selected node's list are handed to the report subsystem by
    // whoever creates the view.
    using PrintHandler = std::function<void(CTabelleView &view, bool preview)>;
    void setPrintHandler(PrintHandler handler) { m_printHandler = std::move(handler); }
    Prompter &prompter() const { return m_prompter; }
    // Writes the statistics list to a file (the context menu of the list and the File menu).
    using ListExportHandler = std::function<void(CTabelleView &view)>;
    void setListExportHandler(ListExportHandler handler);
    void exportList();
    // The widths the user gave the list's six columns, which the print keeps in proportion.
    QList<int> listColumnWidths() const;

    RegistryEditor &editor() { return *m_editor; }
    QTreeView *treeView() const { return m_tree; }
    QTableView *listView() const { return m_list; }
    ParcelPanel *parcelPanel() const { return m_parcel; }
    // Replaces the year dialog of a new field (tests).
    void setFieldYearChooser(std::function<std::optional<int>(int, int)> chooser);
    // The year dialog of "New fields year" while it is open.
    CAnnoDlg *yearDialog() const { return m_yearDialog; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void build();
    void connectSignals();
    void followSession();
    // Runs work of a signal of the tree, the form or the session: a failure of the database is
    // shown and the view goes on with what the user typed.
    void runGuarded(const std::function<void()> &work);
    void setDatabase(Database *database);
    void releaseDatabase();
    void takeReplacedDatabase();
    void fillTree();
    void rebuildTree();
    void applyWorkingPeriod(const WorkingPeriod &period);
    void newFieldsYear();
    void showFormAvailability();
    QLineEdit *focusedEdit() const;
    void treeCurrentChanged(const QModelIndex &current, const QModelIndex &previous);
    void showSelection(const QModelIndex &index);
    void showSelectionLater(const QModelIndex &index);
    // The editor moved its current node: the tree shows it without reporting it back.
    void showCurrentNode(QStandardItem *node);

    // RegistryScreen
    RegistryForm::Texts formTexts() const override;
    void showForm(const RegistryForm::Texts &texts) override;
    void showLayout(const RegistryForm::Layout &layout) override;
    void showUsedFields(bool number, bool place, bool relationship);
    void expandNode(QStandardItem *node) override;
    bool isExpanded(QStandardItem *node) const override;
    void focusCode() override;
    std::optional<int> chooseFieldYear(int first, int last) override;

    ViewHost &m_host;
    FarmSession &m_farm;
    std::unique_ptr<Prompter> m_ownPrompter;
    std::unique_ptr<Clock> m_ownClock;
    Prompter &m_prompter;
    const Clock &m_clock;
    std::unique_ptr<RegistryEditor> m_editor;
    Database *m_db = nullptr;
    bool m_filled = false;
    // Set while the tree shows the editor's selection, so that the change is not reported back.
    bool m_showingSelection = false;
    // Set while the tree reports the user's change to the editor.
    bool m_reportingChange = false;
    std::function<std::optional<int>(int, int)> m_yearChooser;
    CAnnoDlg *m_yearDialog = nullptr;
    PrintHandler m_printHandler;
    ListExportHandler m_listExportHandler;
    QAction *m_exportListAction = nullptr;

    QTreeView *m_tree = nullptr;
    QTableView *m_list = nullptr;
    QLineEdit *m_code = nullptr;
    QLineEdit *m_description = nullptr;
    QLineEdit *m_number = nullptr;
    QLineEdit *m_place = nullptr;
    QLabel *m_codeLabel = nullptr;
    QLabel *m_descriptionLabel = nullptr;
    QLabel *m_numberLabel = nullptr;
    QLabel *m_placeLabel = nullptr;
    QLabel *m_relationshipLabel = nullptr;
    QComboBox *m_relationship = nullptr;
    // A field the current kind does not use shows nothing, while the record's own value is
    // kept here and given back unchanged when the form is read.
    struct HeldValues
    {
        bool numberShown = true;
        bool placeShown = true;
        bool relationshipShown = true;
        QString number;
        QString place;
        int relationship = 0;
    } m_held;
    QCheckBox *m_print = nullptr;
    QLineEdit *m_registration = nullptr;
    QLabel *m_registrationLabel = nullptr;
    ParcelPanel *m_parcel = nullptr;
    QWidget *m_form = nullptr;
    QRadioButton *m_workersHours = nullptr;
    QRadioButton *m_stockArticles = nullptr;
};
