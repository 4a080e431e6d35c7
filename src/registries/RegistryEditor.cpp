#include "RegistryEditor.h"

#include "CodeChange.h"
#include "CodeInUse.h"
#include "RegistryCascade.h"
#include "RegistryKey.h"
#include "RegistryLists.h"
#include "RegistryRecords.h"
#include "RegistryScreen.h"
#include "StatisticsLists.h"
#include "base/Prompter.h"
#include "base/SettingsKeys.h"
#include "db/CCampiSet.h"
#include "db/Database.h"
#include "db/DbErrorText.h"
#include "db/DbException.h"
#include "db/FarmSession.h"

using namespace RegistryKey;
using Picture = RegistryTreeModel::Picture;

RegistryEditor::RegistryEditor(Prompter &prompter, RegistryScreen &screen, QObject *parent)
    : QObject(parent), m_prompter(prompter), m_screen(screen), m_period(FarmSession::storedPeriod())
{
}

RegistryEditor::~RegistryEditor() = default;

void RegistryEditor::setDatabase(Database *db)
{
    if (db == m_db)
        return;
    // The sets belong to the database being replaced: nothing is shown or saved from them
    // until the tree is built again on the new one.
    closeSets();
    m_loadedKind = NoRecord;
    m_newMode = false;
    m_newNode = nullptr;
    m_db = db;
}

QStandardItem *RegistryEditor::folder(int kind) const
{
    return kind >= 0 && kind < RegistryKinds::Count ? m_folders[kind] : nullptr;
}

void RegistryEditor::reportError(const DbException &error)
{
    m_prompter.error(DbErrorText::describe(error, m_db ? m_db->path() : QString()));
}

bool RegistryEditor::setsOpen() const
{
    return m_records && m_records->isOpen();
}

void RegistryEditor::closeSets()
{
    m_records.reset();
    m_rereadShown = false;
}

void RegistryEditor::openSets()
{
    closeSets();
    m_records = std::make_unique<RegistryRecords>(*m_db);
}

RecordSet *RegistryEditor::setOfLoaded(int loadedKind) const
{
    return m_records ? m_records->set(loadedKind) : nullptr;
}

void RegistryEditor::buildTree(RegistryTreeBuilder::Labels labels)
{
    openSets();
    m_folders = RegistryTreeBuilder(m_tree, *m_records, m_fieldFilter, labels).build();
}

void RegistryEditor::fillTree()
{
    if (!m_db || !m_db->isOpen())
        return;
    m_choice = SettingsKeys::Choice.read();
    m_fieldFilter = FieldYearFilter::fromDates(m_period.start, m_period.end);
    try {
        buildTree(RegistryTreeBuilder::Labels::WithCodes);
    } catch (const DbException &e) {
        reportError(e);
        closeSets();
        return;
    }
    pushForm();
    if (!m_selected)
        select(m_folders[CostCenters], Autosave::No);
}

void RegistryEditor::rebuildTree()
{
    closeSets();
    m_choice = SettingsKeys::Choice.read();
    m_newMode = false;
    m_newNode = nullptr;
    m_selected = nullptr;
    m_loadedKind = NoRecord;
    m_folders.fill(nullptr);
    m_tree.clear();
    m_statistics.clear();
    if (!m_db || !m_db->isOpen())
        return;
    // The fields' years are those fixed when the tree was first filled; a tree rebuilt before
    // it was ever filled takes them from the period as the first filling would.
    if (m_fieldFilter.sql.isEmpty())
        m_fieldFilter = FieldYearFilter::fromDates(m_period.start, m_period.end);
    try {
        buildTree(RegistryTreeBuilder::Labels::WithoutCodes);
    } catch (const DbException &e) {
        reportError(e);
        closeSets();
        return;
    }
    pushForm();
    // The form would otherwise still show a record of the database that was replaced.
    select(m_folders[CostCenters], Autosave::No);
}

void RegistryEditor::applyWorkingPeriod(const WorkingPeriod &period)
{
    m_statistics.clear();
    if (m_db && m_db->isOpen() && m_folders[Crop]) {
        const FieldYearFilter years = FieldYearFilter::fromDates(period.start, period.end);
        const RegistryKindInfo &fieldKind = RegistryKinds::of(Field);
        try {
            CCampiSet fields(*m_db);
            QStandardItem *crops = m_folders[Crop];
            for (int row = 0; row < crops->rowCount(); ++row) {
                QStandardItem *centre = crops->child(row);
                if (centre->rowCount() == 0)
                    continue;
                const FieldYearFilter filter = FieldYearFilter{
                    QString::fromLatin1(fieldKind.parentFilter),
                    {codeOf(RegistryTreeModel::key(
                        centre))}}.and_(years.sql, years.params);
                fields.setFilter(filter.sql, filter.params);
                fields.isOpen() ? fields.requery() : fields.open();
                if (!fields.isEOF())
                    continue;
                if (m_selected && m_selected != m_newNode && m_selected->parent() == centre)
                    select(centre, Autosave::Yes);
                // A field being added keeps its node: its insertion is still pending and the
                // form shows it until it is saved or cancelled.
                for (int child = centre->rowCount() - 1; child >= 0; --child)
                    if (centre->child(child) != m_newNode)
                        centre->removeRow(child);
                if (centre->rowCount() == 0)
                    m_tree.setPicture(centre, RegistryKinds::of(Crop).picture);
            }
        } catch (const DbException &e) {
            reportError(e);
        }
    }
    m_period = period;
    nodeSelected(m_selected, nullptr);
}

void RegistryEditor::nodeExpanded(QStandardItem *node, bool expanded)
{
    m_tree.setPicture(
        node, RegistryTreeModel::pictureWhenExpanded(RegistryTreeModel::picture(node), expanded));
}

void RegistryEditor::pushForm()
{
    const int kind = m_selected ? kindOf(RegistryTreeModel::key(m_selected)) : CostCenters;
    m_screen.showForm(
        RegistryForm::write(m_values, m_layout.itemLayout, RegistryForm::numberStyleFor(kind)));
}

void RegistryEditor::select(QStandardItem *node, Autosave autosave)
{
    QStandardItem *previous = m_selected;
    emit currentNodeChanged(node);
    if (node == previous)
        return;
    nodeSelected(node, autosave == Autosave::Yes ? previous : nullptr);
}

void RegistryEditor::nodeSelected(QStandardItem *node, QStandardItem *previous)
{
    if (m_newMode || !setsOpen())
        return;
    if (node && previous) {
        // The record shown is saved before anything moves: should the save fail with an
        // exception, the tree goes back to it and the form keeps what the user typed.
        try {
            saveShownRecord(true, m_loadedKind, previous);
        } catch (...) {
            emit currentNodeChanged(m_selected);
            throw;
        }
    }
    m_selected = node;
    if (!node)
        return;

    const int key = RegistryTreeModel::key(node);
    const RegistryKindInfo *kind = RegistryKinds::find(kindOf(key));
    m_layout = RegistryForm::layoutFor(kindOf(key), m_layout);
    if (kind)
        setRegistrationLayout(*kind, !isFolder(key));
    m_screen.showLayout(m_layout);
    try {
        if (kind)
            isFolder(key) ? showFolder(*kind) : showRecord(*kind, codeOf(key));
    } catch (const DbException &e) {
        reportError(e);
    }
    pushForm();
}

void RegistryEditor::showFolder(const RegistryKindInfo &kind)
{
    m_rereadShown = false;
    m_values.code = 0;
    m_values.description = tr(kind.folderText);
    m_values.number = 0.0;
    m_values.place.clear();
    m_values.relationship = 0;
    m_values.unitCost = 0.0;
    m_values.printInNotebook = false;
    m_values.registration.clear();
    m_loadedKind = NoRecord;
    fillList(make(0, kind.kind));
}

void RegistryEditor::showRecord(const RegistryKindInfo &kind, int code)
{
    m_rereadShown = false;
    if (!m_records->lookUp(kind, code, m_fieldFilter)) {
        m_loadedKind = NoRecord;
        // A field of other years than the tree's still shows its activity.
        if (kind.yearBound)
            fillList(make(code, kind.kind));
        return;
    }
    m_records->read(kind, m_values);
    m_loadedKind = kind.set;
    fillList(make(code, kind.kind));
}

void RegistryEditor::fillList(int key)
{
    StatisticsLists lists(m_db, m_statistics, m_period);
    // A database that can only be read cannot hold the helper table some lists are gathered
    // in: their list stays as it is then.
    if (RegistryLists::writesDatabase(key) && isReadOnly())
        return;
    RegistryLists::fill(lists, key, StatisticsLists::Choice(m_choice));
}

void RegistryEditor::refreshStatistics(int key)
{
    if (!setsOpen())
        return;
    const RegistryKindInfo *kind = RegistryKinds::find(kindOf(key));
    // The lists that write are filled only when their node is shown.
    if (!kind || kind->listsWrite)
        return;
    try {
        if (isFolder(key) && !kind->yearBound) {
            fillList(key);
            return;
        }
        const bool found = m_records->lookUp(*kind, codeOf(key), m_fieldFilter);
        if (found || kind->yearBound)
            fillList(key);
    } catch (const DbException &e) {
        reportError(e);
    }
}

void RegistryEditor::setChoice(int choice)
{
    m_choice = choice;
    if (!m_selected)
        return;
    const int key = RegistryTreeModel::key(m_selected);
    const int kind = kindOf(key);
    if (choice == 0) {
        if (kind != Item)
            refreshStatistics(key);
        return;
    }
    const bool centreFolder =
        isFolder(key) && (kind == CostCenters || kind == Crop || kind == Machine || kind == Other);
    if (!centreFolder && kind != Worker && kind != Operation)
        refreshStatistics(key);
}

void RegistryEditor::saveState() const
{
    SettingsKeys::Choice.write(m_choice);
}

bool RegistryEditor::askCarryCode(int oldCode, int newCode)
{
    const QString question = tr("The code %1 has been changed to %2. Do you want to give the new "
                                "code also to the works, movements and fields that use %1?")
                                 .arg(oldCode)
                                 .arg(newCode);
    return m_prompter.question(question, Prompter::Buttons::YesNo) == Prompter::Answer::Yes;
}

void RegistryEditor::setRecordPicture(QStandardItem *node, const RegistryKindInfo &kind,
                                      const RegistryForm::Values &values)
{
    // Only a flag of the record changes its picture; others keep theirs (a crop centre's
    // shows whether it has fields).
    if (kind.flagged)
        m_tree.setPicture(node, kind.pictureOf(values));
}

bool RegistryEditor::saveShownRecord(bool checkCode, int loadedKind, QStandardItem *node)
{
    const int nodeKind = node ? kindOf(RegistryTreeModel::key(node)) : -1;
    const RegistryKindInfo *kind = RegistryKinds::find(nodeKind);
    RecordSet *set = setOfLoaded(loadedKind);
    if (m_rereadShown && set && kind) {
        m_records->lookUp(*kind, codeOf(RegistryTreeModel::key(node)), m_fieldFilter);
        m_rereadShown = false;
    }
    if (isReadOnly() || !set || !set->isOpen() || set->isEOF() || set->isBOF())
        return false;
    RegistryForm::NumberStyle style = RegistryForm::numberStyleFor(nodeKind);
    RegistryForm::Values values = m_values;
    if (!RegistryForm::read(m_screen.formTexts(), loadedKind == ItemRecord, style, values,
                            m_prompter, nodeKind)) {
        m_prompter.warning(tr("Can not save data."));
        return false;
    }

    const int oldCode = node ? codeOf(RegistryTreeModel::key(node)) : 0;
    const bool codeChanged = node && oldCode > 0 && oldCode != values.code;
    CodeSpace space;
    if (checkCode && codeChanged && codeSpaceOfKind(nodeKind, &space)) {
        QString holder;
        if (CodeInUse(m_db, space, QString::number(values.code), &holder)) {
            m_prompter.warning(tr("The code %1 is already used by %2, can not save!")
                                   .arg(values.code)
                                   .arg(holder));
            return false;
        }
    }
    const bool carry = codeChanged && askCarryCode(oldCode, values.code);

    const RecordSet::Bookmark mark = set->bookmark();
    try {
        Transaction transaction(*m_db);
        CodeChange::Field field{};
        if (loadedKind == FieldRecord)
            field = {set->value(CCampiSet::Centro).toInt(), set->value(CCampiSet::Anno).toInt()};
        set->edit();
        RegistryKinds::ofSet(loadedKind).write(*set, values);
        set->update();
        if (kind)
            m_records->writeRegistration(*kind, values);
        if (carry)
            CodeChange::run(*m_db, nodeKind, oldCode, values.code, field);
        transaction.commit();
    } catch (const DbException &) {
        set->cancelUpdate();
        // The set may hold what the engine has just undone: read the record again. The failure
        // goes on to the caller, which stays on the record with what the user typed, so that
        // a file held by another program loses nothing.
        try {
            set->requery();
            set->setBookmark(mark);
        } catch (const DbException &) {
            // Still unreadable (another program holds the file): the record is read again
            // before the next save of the form.
            m_rereadShown = true;
        }
        throw;
    }
    m_values = values;
    if (node) {
        if (kind)
            setRecordPicture(node, *kind, values);
        node->setText(RegistryTreeBuilder::nodeLabel(values.description, values.code));
        RegistryTreeModel::setKey(node, make(values.code, nodeKind));
    }
    return true;
}

bool RegistryEditor::isReadOnly() const
{
    return m_db && m_db->isReadOnly();
}

bool RegistryEditor::isEnabled(Command command) const
{
    if (isReadOnly())
        return false;
    switch (command) {
    case Command::Save:
    case Command::CancelInsert:
        return m_newMode;
    case Command::Add:
    case Command::Delete: {
        if (m_newMode || !m_selected || !setsOpen())
            return false;
        const int key = RegistryTreeModel::key(m_selected);
        const RegistryKindInfo *kind = RegistryKinds::find(kindOf(key));
        if (!kind)
            return false;
        // A folder takes records of its kind, a record those of its child kind; every record
        // can be deleted.
        if (command == Command::Delete)
            return !isFolder(key) && kind->set != NoRecord;
        return isFolder(key) ? kind->addsInFolder : kind->childKind >= 0;
    }
    }
    return false;
}

int RegistryEditor::fieldYearOfNewField()
{
    const int first = m_period.start.year();
    const int last = m_period.end.year();
    if (first == last)
        return last;
    const std::optional<int> chosen = m_screen.chooseFieldYear(first, last);
    // A field without a year would never be shown again: no choice keeps the last year.
    return chosen && *chosen > 0 ? *chosen : last;
}

void RegistryEditor::add()
{
    if (!isEnabled(Command::Add))
        return;
    QStandardItem *parent = m_selected;
    const int key = RegistryTreeModel::key(parent);
    const RegistryKindInfo &parentKind = RegistryKinds::of(kindOf(key));
    const bool belowRecord = !isFolder(key);
    const RegistryKindInfo &kind =
        belowRecord ? RegistryKinds::of(parentKind.childKind) : parentKind;

    // The record shown (the crop centre a field is added to) is saved with the code check as
    // well: a code changed to one already in use must not reach the database on this path
    // either.
    if (belowRecord)
        saveShownRecord(true, m_loadedKind, parent);

    RecordSet *set = m_records->set(kind.set);
    try {
        set->addNew();
        if (kind.startNew)
            kind.startNew(*set, codeOf(key), kind.yearBound ? fieldYearOfNewField() : 0);
    } catch (const DbException &e) {
        set->cancelUpdate();
        reportError(e);
        return;
    }

    m_values = RegistryForm::Values{};
    m_values.description = tr(kind.newText);
    m_values.number = kind.newNumber;
    m_loadedKind = kind.set;

    m_newNode = m_tree.addNode(parent, m_values.description, kind.picture, make(0, kind.kind));
    m_screen.expandNode(parent);
    m_tree.setPicture(
        parent, belowRecord ? RegistryTreeModel::pictureWhenExpanded(parentKind.filledPicture, true)
                            : int(Picture::FolderOpen));
    if (belowRecord) {
        // The form keeps the parent's layout, with the place a field has.
        m_layout.placeEnabled = true;
        m_screen.showLayout(m_layout);
    }

    m_newMode = true;
    m_selected = m_newNode;
    emit currentNodeChanged(m_newNode);
    m_layout.itemLayout = kind.kind == Item;
    setRegistrationLayout(kind, true);
    m_screen.showLayout(m_layout);
    pushForm();
    m_screen.focusCode();
}

// A new node below a record is of the record's child kind; in a folder, of its folder's kind.
int RegistryEditor::kindOfNewNode() const
{
    const int parentKey = RegistryTreeModel::key(m_newNode->parent());
    const int kind = kindOf(parentKey);
    return isFolder(parentKey) ? kind : RegistryKinds::of(kind).childKind;
}

void RegistryEditor::save()
{
    if (!m_newMode || !m_newNode)
        return;
    QStandardItem *node = m_newNode;
    QStandardItem *parent = node->parent();
    const RegistryKindInfo &kind = RegistryKinds::of(kindOfNewNode());
    RecordSet *set = m_records->set(kind.set);

    RegistryForm::Values values = m_values;
    if (!RegistryForm::read(m_screen.formTexts(), kind.kind == Item,
                            RegistryForm::numberStyleFor(kind.kind), values, m_prompter, kind.kind))
        return;
    CodeSpace space;
    if (codeSpaceOfKind(kind.kind, &space)) {
        QString holder;
        if (CodeInUse(m_db, space, QString::number(values.code), &holder)) {
            m_prompter.warning(tr("The code %1 is already used by %2, can not save!")
                                   .arg(values.code)
                                   .arg(holder));
            return;
        }
    }
    try {
        Transaction transaction(*m_db);
        kind.write(*set, values);
        set->update();
        m_records->writeRegistration(kind, values);
        transaction.commit();
        set->setBookmark(set->lastModified());
    } catch (const DbException &e) {
        reportError(e);
        return;
    }
    m_values = values;
    m_loadedKind = kind.set;
    RegistryTreeModel::setKey(node, make(values.code, kind.kind));
    // The node shows at once the picture of what was saved (a seasonal worker, an item printed
    // in the notebook); the form keeps the layout of the record, which stays loaded.
    setRecordPicture(node, kind, values);
    pushForm();
    node->setText(RegistryTreeBuilder::nodeLabel(values.description, values.code));
    parent->sortChildren(0);
    m_newMode = false;
    m_newNode = nullptr;
}

void RegistryEditor::setRegistrationLayout(const RegistryKindInfo &kind, bool record)
{
    m_layout.registrationVisible = kind.hasRegistration();
    m_layout.registrationEnabled =
        m_layout.registrationVisible && record && m_records && m_records->hasRegistration(kind);
    m_layout.parcelVisible = kind.parcel && record;
    m_layout.parcelEnabled = m_layout.parcelVisible && m_records && m_records->hasParcel(kind);
}

int RegistryEditor::parentPictureAfterCancel(QStandardItem *parent) const
{
    const int key = RegistryTreeModel::key(parent);
    const bool children = parent->rowCount() > 0;
    const bool expanded = m_screen.isExpanded(parent);
    if (!isFolder(key)) {
        const RegistryKindInfo &kind = RegistryKinds::of(kindOf(key));
        return children ? RegistryTreeModel::pictureWhenExpanded(kind.filledPicture, expanded)
                        : kind.picture;
    }
    return children && expanded ? Picture::FolderOpen : Picture::FolderClosed;
}

void RegistryEditor::cancelInsert()
{
    if (!m_newMode || !m_newNode)
        return;
    QStandardItem *node = m_newNode;
    QStandardItem *parent = node->parent();
    if (RecordSet *set = setOfLoaded(RegistryKinds::of(kindOfNewNode()).set))
        set->cancelUpdate();

    m_loadedKind = NoRecord;
    m_newMode = false;
    m_newNode = nullptr;
    select(parent, Autosave::Yes);
    parent->removeRow(node->row());
    m_tree.setPicture(parent, parentPictureAfterCancel(parent));
    if (kindOf(RegistryTreeModel::key(parent)) == Crop)
        pushForm();
}

void RegistryEditor::deleteSelected()
{
    if (!isEnabled(Command::Delete))
        return;
    QStandardItem *node = m_selected;
    const int key = RegistryTreeModel::key(node);
    const RegistryKindInfo &kind = RegistryKinds::of(kindOf(key));
    RecordSet *set = setOfLoaded(kind.set);
    // Only the record the form shows can be deleted; a node whose record was not found has
    // nothing loaded.
    if (m_loadedKind != kind.set || !set || set->isEOF() || set->isBOF())
        return;

    const int fieldYear = kind.set == FieldRecord ? set->value(CCampiSet::Anno).toInt() : 0;
    RegistryCascade::Usage usage;
    try {
        usage = RegistryCascade::usage(*m_db, kind.kind, codeOf(key),
                                       set->value(kind.codeColumn).toInt(), fieldYear);
    } catch (const DbException &e) {
        reportError(e);
        return;
    }
    const QString question =
        RegistryCascade::deleteQuestion(kind.kind, set->value(kind.textColumn).toString(), usage);
    if (m_prompter.question(question, Prompter::Buttons::YesNoDefaultNo) != Prompter::Answer::Yes)
        return;

    QStandardItem *parent = node->parent();
    QStandardItem *next =
        parent && node->row() + 1 < parent->rowCount() ? parent->child(node->row() + 1) : parent;
    const RecordSet::Bookmark mark = set->bookmark();
    try {
        Transaction transaction(*m_db);
        RegistryCascade::run(*m_db, kind.kind, codeOf(key), set->value(kind.codeColumn).toInt(),
                             fieldYear);
        set->deleteRecord();
        transaction.commit();
    } catch (const DbException &e) {
        reportError(e);
        try {
            set->requery();
            set->setBookmark(mark);
        } catch (const DbException &) {
            m_loadedKind = NoRecord;
        }
        return;
    }
    if (!set->isEOF())
        set->moveNext();
    if (set->isEOF() && set->recordCount() > 1)
        set->moveLast();

    // The record shown is gone: nothing is saved on the way to the next node.
    select(next, Autosave::No);
    if (parent)
        parent->removeRow(node->row());
}
