#pragma once

#include "FieldYearFilter.h"
#include "RegistryForm.h"
#include "RegistryKinds.h"
#include "RegistryTreeBuilder.h"
#include "RegistryTreeModel.h"
#include "StatisticsModel.h"
#include "base/WorkingPeriod.h"

#include <QObject>
#include <memory>

class Database;
class DbException;
class Prompter;
class RegistryRecords;
class RegistryScreen;

// The rules of the registries view: the tree of master data, the record shown in the detail
// form and its automatic save, adding, saving and deleting records with their code checks and
// cascades. The records, the tree's filling and the statistics list of a node are their own
// classes (RegistryRecords, RegistryTreeBuilder, RegistryLists); what differs between the node
// kinds is RegistryKinds'. The screen shows the editor and follows its current node.
class RegistryEditor : public QObject
{
    Q_OBJECT

public:
    // Which record set holds the record shown in the form.
    using LoadedKind = RegistrySet;
    using enum RegistrySet;
    enum class Command { Add, Save, CancelInsert, Delete };

    RegistryEditor(Prompter &prompter, RegistryScreen &screen, QObject *parent = nullptr);
    ~RegistryEditor() override;

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
    // shown is saved, then node is shown. The screen calls this; the editor answers it without
    // currentNodeChanged.
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

signals:
    // The editor moved the current node itself (to a new record, after a delete, back to the
    // record whose save failed): the screen shows node, or nothing, as the tree's current
    // node, without reporting the change back through nodeSelected.
    void currentNodeChanged(QStandardItem *node);

private:
    enum class Autosave { Yes, No };
    // The editor's own move of the selection: the screen shows node, then node is shown as
    // if the user had picked it.
    void select(QStandardItem *node, Autosave autosave);
    bool setsOpen() const;
    void openSets();
    void closeSets();
    void buildTree(RegistryTreeBuilder::Labels labels);
    void pushForm();
    RecordSet *setOfLoaded(int loadedKind) const;
    void showFolder(const RegistryKindInfo &kind);
    void showRecord(const RegistryKindInfo &kind, int code);
    void fillList(int key);
    bool askCarryCode(int oldCode, int newCode);
    void setRecordPicture(QStandardItem *node, const RegistryKindInfo &kind,
                          const RegistryForm::Values &values);
    int fieldYearOfNewField();
    int kindOfNewNode() const;
    int parentPictureAfterCancel(QStandardItem *parent) const;
    void setRegistrationLayout(const RegistryKindInfo &kind, bool record);
    // Shows a failure of the database the editor has caught to keep its state.
    void reportError(const DbException &error);

    Prompter &m_prompter;
    RegistryScreen &m_screen;
    Database *m_db = nullptr;

    RegistryTreeModel m_tree;
    StatisticsModel m_statistics;
    RegistryTreeBuilder::Folders m_folders{};
    std::unique_ptr<RegistryRecords> m_records;

    FieldYearFilter m_fieldFilter;
    WorkingPeriod m_period;
    RegistryForm::Values m_values;
    RegistryForm::Layout m_layout;
    int m_choice = 0;
    int m_loadedKind = NoRecord;
    bool m_newMode = false;
    // A failed save left the shown record's set unread.
    bool m_rereadShown = false;
    QStandardItem *m_selected = nullptr;
    QStandardItem *m_newNode = nullptr;
};
