#pragma once

#include "cards/TreatmentLookups.h"
#include "cards/WorkEntry.h"
#include "cards/WorkEntryLookups.h"

#include <QDialog>
#include <QHash>
#include <functional>

class CComboSel;
class Prompter;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The work editor: one work with its movement. The caller gives it the values to show and
// reads them back when it was confirmed by either save button.
class COperaiDlg : public QDialog
{
    Q_OBJECT

public:
    // lookups: the registry lists of the farm the work belongs to.
    COperaiDlg(const WorkEntryLookups &lookups, Prompter &prompter, QWidget *parent = nullptr);

    void setEntry(const WorkEntry &entry) { m_entry = entry; }
    const WorkEntry &entry() const { return m_entry; }
    // New works enable "Save and insert"; an edited work has only "Save and exit".
    void setNewEntry(bool newEntry) { m_newEntry = newEntry; }
    bool exitRequested() const { return m_exit; }
    void setHelpHandler(std::function<void()> handler) { m_help = std::move(handler); }
    // The farm database the lists come from, named when reading them fails.
    void setFarmFile(const QString &file) { m_farmFile = file; }

    // Reads every field back; on success the editor is accepted, otherwise it stays open with
    // the failed field focused.
    bool confirm(bool exit);

    QLineEdit *field(WorkEntry::Field field) const { return m_fields.value(field); }
    QComboBox *kindList() const { return m_kind; }
    QComboBox *movementTypeList() const { return m_movementType; }
    QComboBox *centreList() const { return m_centres; }
    QComboBox *itemList() const { return m_items; }
    QComboBox *workerList() const { return m_workers; }
    CComboSel *unitList() const { return m_unit; }
    // What an application of a product records, shown only for a movement that the treatment
    // register prints.
    QWidget *treatmentGroup() const { return m_treatment; }
    QLineEdit *treatedAreaField() const { return m_treatedArea; }
    QComboBox *bbchList() const { return m_bbch; }
    QLineEdit *applicationTimeField() const { return m_applicationTime; }
    QString summaryText() const;
    // The user picks an entry of a list, as a click on it would.
    void pickKind(int kind);
    void pickCentre(int index);
    void pickItem(int index);

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct CodeList
    {
        WorkEntry::Field field;
        QComboBox *list;
        WorkEntryLookups::EntryList entries;
    };

    QWidget *buildWorkerGroup();
    QWidget *buildMachineGroup();
    QWidget *buildCentreGroup();
    QWidget *buildMovementGroup();
    QWidget *buildTreatmentGroup();
    QLineEdit *addField(WorkEntry::Field field);
    QComboBox *addCodeList(WorkEntry::Field field);
    void prepare();
    void fillLists();
    void showValues();
    void setEntries(QComboBox *list, const WorkEntryLookups::EntryList &entries);
    CodeList *codeListOf(WorkEntry::Field field);
    void codeChanged(WorkEntry::Field field);
    void codePicked(WorkEntry::Field field, int index);
    void centreCodeChanged();
    void quantityChanged();
    void updateSummary();
    // The centres of the kind picked, none chosen yet.
    void showCentresOf(int kind);
    // The entry as the lists and code fields now say, for the treatment's lookups.
    WorkEntry shownMovement() const;
    // Shows or hides the treatment's fields for the movement shown, and offers the surface of
    // its field or centre as the area while the user has not typed another.
    void updateTreatment();
    std::optional<WorkEntry::Error> readTreatment(WorkEntry &entry);
    bool reportFailure(const std::function<void()> &action);

    Prompter &m_prompter;
    WorkEntryLookups m_lookups;
    TreatmentLookups m_treatments;
    WorkEntry m_entry;
    bool m_newEntry = true;
    bool m_exit = false;
    bool m_prepared = false;
    std::function<void()> m_help;
    QString m_farmFile;

    QHash<WorkEntry::Field, QLineEdit *> m_fields;
    QList<CodeList> m_codeLists;
    QComboBox *m_workers = nullptr;
    QComboBox *m_items = nullptr;
    QComboBox *m_kind = nullptr;
    QComboBox *m_centres = nullptr;
    WorkEntryLookups::EntryList m_centreEntries;
    QComboBox *m_movementType = nullptr;
    CComboSel *m_stage = nullptr;
    CComboSel *m_unit = nullptr;
    CComboSel *m_adversity = nullptr;
    QLabel *m_summary = nullptr;
    QPushButton *m_saveInsert = nullptr;
    QWidget *m_treatment = nullptr;
    QLineEdit *m_treatedArea = nullptr;
    QLabel *m_surface = nullptr;
    QComboBox *m_bbch = nullptr;
    QLineEdit *m_applicationTime = nullptr;
    // The surface the area field offers; its text while the user has not changed it.
    double m_shownSurface = 0;
    QString m_offeredArea;
};
