#pragma once

#include "FieldYearFilter.h"
#include "RegistryForm.h"
#include "RegistryTreeModel.h"
#include "StatisticsModel.h"
#include "base/WorkingPeriod.h"

#include <QCoreApplication>
#include <memory>

class CArticoliSet;
class CCampiSet;
class CCentriSet;
class COperaiSet;
class COperazioniSet;
class Clock;
class Database;
class Prompter;
class RecordSet;
class RegistryScreen;

// The rules of the registries view: the tree of master data, the record shown in the detail
// form and its automatic save, adding, saving and deleting records with their code checks and
// cascades, and which statistics list goes with which node. The screen only shows them.
class RegistryEditor
{
    Q_DECLARE_TR_FUNCTIONS(RegistryEditor)

public:
    // Which record set holds the record shown in the form.
    enum LoadedKind {
        NoRecord = -1,
        CentreRecord,
        FieldRecord,
        WorkerRecord,
        OperationRecord,
        ItemRecord
    };
    enum class Command { Add, Save, CancelInsert, Delete };

    RegistryEditor(Prompter &prompter, RegistryScreen &screen, const Clock &clock);
    ~RegistryEditor();

    void setDatabase(Database *db);
    Database *database() const { return m_db; }

    RegistryTreeModel &tree() { return m_tree; }
    StatisticsModel &statistics() { return m_statistics; }

    // First showing: builds the tree and selects the first root.
    void fillTree();
    // The database was replaced: builds the tree again on it.
    void rebuildTree();
    // The period of the statistics lists and of the field years (the stored one at first).
    void setPeriod(const WorkingPeriod &period) { m_period = period; }
    // Takes the new period: fields outside its years leave the tree, the list is filled again.
    void applyWorkingPeriod(const WorkingPeriod &period);
    // The user made node the tree's current node, coming from previous (ShowNode): the record
    // shown is saved, then node is shown. The screen calls this; the editor never calls the
    // screen back for it.
    void nodeSelected(QStandardItem *node, QStandardItem *previous);
    void nodeExpanded(QStandardItem *node, bool expanded);
    void refreshStatistics(int key);
    // The radio buttons: 0 "Workers and Hours", 1 "Stock and Articles".
    void setChoice(int choice);
    int choice() const { return m_choice; }
    void saveState() const;

    bool isEnabled(Command command) const;
    // A database that can only be read is browsed: nothing is added, saved or deleted.
    bool isReadOnly() const;
    void add();
    void save();
    void cancelInsert();
    void deleteSelected();

    bool saveShownRecord(bool checkCode, int loadedKind, QStandardItem *node);

    QStandardItem *selectedNode() const { return m_selected; }
    int loadedKind() const { return m_loadedKind; }
    bool isNewRecordMode() const { return m_newMode; }
    const FieldYearFilter &fieldFilter() const { return m_fieldFilter; }
    const WorkingPeriod &period() const { return m_period; }

    // Folders of the tree (nullptr before it is filled).
    QStandardItem *costCentersFolder() const { return m_folders[0]; }
    QStandardItem *folder(int kind) const;

private:
    enum class Autosave { Yes, No };
    // The editor's own move of the selection: the screen shows node, then node is shown as
    // if the user had picked it.
    void select(QStandardItem *node, Autosave autosave);
    bool setsOpen() const;
    void openSets();
    void closeSets();
    enum class TreeLabels { WithCodes, WithoutCodes };
    void buildTree(TreeLabels labels);
    QStandardItem *addFolder(QStandardItem *parent, const QString &label, int kind);
    void pushForm();
    RecordSet *setOfLoaded(int loadedKind) const;
    static int loadedKindOf(int nodeKind);
    bool lookUp(int kind, int code);
    void showFolder(int kind);
    void showRecord(int kind, int code);
    void fillListOfRecord(int kind, int code);
    void fillListOfFolder(int kind);
    bool askCarryCode(int oldCode, int newCode);
    void writeRecord(RecordSet &set, int loadedKind, const RegistryForm::Values &values);
    void setRecordPicture(QStandardItem *node, int kind, const RegistryForm::Values &values);
    int fieldYearOfNewField();
    int kindOfNewNode() const;
    int parentPictureAfterCancel(QStandardItem *parent) const;
    // The authorisation number of an item, the EPPO code of a crop centre: kept in columns
    // the record sets do not bind, which older files lack.
    bool hasRegistration(int kind) const;
    void setRegistrationLayout(int kind, bool record);
    QString readRegistration(int kind, int code) const;
    void writeRegistration(int kind, const RegistryForm::Values &values);

    Prompter &m_prompter;
    RegistryScreen &m_screen;
    const Clock &m_clock;
    Database *m_db = nullptr;

    RegistryTreeModel m_tree;
    StatisticsModel m_statistics;
    QStandardItem *m_folders[8] = {};

    std::unique_ptr<CCentriSet> m_centri;
    std::unique_ptr<CCampiSet> m_campi;
    std::unique_ptr<COperaiSet> m_operai;
    std::unique_ptr<COperazioniSet> m_operazioni;
    std::unique_ptr<CArticoliSet> m_articoli;

    FieldYearFilter m_fieldFilter;
    WorkingPeriod m_period;
    RegistryForm::Values m_values;
    RegistryForm::Layout m_layout;
    int m_choice = 0;
    int m_loadedKind = NoRecord;
    bool m_newMode = false;
    QStandardItem *m_selected = nullptr;
    QStandardItem *m_newNode = nullptr;
};
