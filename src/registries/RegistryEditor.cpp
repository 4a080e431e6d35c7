#include "RegistryEditor.h"

#include "base/SettingsYears.h"

#include "CodeChange.h"
#include "CodeInUse.h"
#include "RegistryCascade.h"
#include "RegistryKey.h"
#include "RegistryScreen.h"
#include "StatisticsLists.h"
#include "base/Clock.h"
#include "base/Prompter.h"
#include "base/SettingsKeys.h"
#include "db/CArticoliSet.h"
#include "db/CCampiSet.h"
#include "db/CCentriSet.h"
#include "db/COperaiSet.h"
#include "db/COperazioniSet.h"
#include "db/Database.h"
#include "db/DbException.h"
#include "db/FarmSession.h"
#include "db/SchemaUpgrade.h"

using namespace RegistryKey;
using Picture = RegistryTreeModel::Picture;

namespace {

QString nodeLabel(const QString &text, int code)
{
    return QStringLiteral("%1 (%2)").arg(text).arg(code);
}

const char *const FolderTexts[] = {
    QT_TRANSLATE_NOOP("RegistryEditor", "Cost centers root"),
    QT_TRANSLATE_NOOP("RegistryEditor", "Crops root"),
    "",
    QT_TRANSLATE_NOOP("RegistryEditor", "Machines root"),
    QT_TRANSLATE_NOOP("RegistryEditor", "Others root"),
    QT_TRANSLATE_NOOP("RegistryEditor", "Workers root"),
    QT_TRANSLATE_NOOP("RegistryEditor", "Operations root"),
    QT_TRANSLATE_NOOP("RegistryEditor", "Items root"),
};

// The centres' lookup of one record of a kind.
QString centreFilter(int kind)
{
    switch (kind) {
    case Crop:
        return QStringLiteral("Campo = TRUE AND Macchina = FALSE AND Codice = ?");
    case Machine:
        return QStringLiteral("Campo = FALSE AND Macchina = TRUE AND Codice = ?");
    default:
        return QStringLiteral("Campo = FALSE AND Macchina = FALSE AND Codice = ?");
    }
}

// Where a node kind's registration value is stored: an item's authorisation number, a crop
// centre's EPPO code. The columns are missing from a read-only file of an older installation.
struct RegistrationColumn
{
    const QString *table = nullptr;
    const QString *column = nullptr;
};

RegistrationColumn registrationColumn(int kind)
{
    switch (kind) {
    case Crop:
        return {&SchemaUpgrade::CentresTable, &SchemaUpgrade::EppoColumn};
    case Item:
        return {&SchemaUpgrade::ItemsTable, &SchemaUpgrade::AuthorisationColumn};
    default:
        return {};
    }
}

} // namespace

RegistryEditor::RegistryEditor(Prompter &prompter, RegistryScreen &screen, const Clock &clock)
    : m_prompter(prompter), m_screen(screen), m_clock(clock), m_period(FarmSession::storedPeriod())
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
    return kind >= 0 && kind < 8 ? m_folders[kind] : nullptr;
}

bool RegistryEditor::setsOpen() const
{
    return m_centri && m_centri->isOpen();
}

void RegistryEditor::closeSets()
{
    m_centri.reset();
    m_campi.reset();
    m_operai.reset();
    m_operazioni.reset();
    m_articoli.reset();
}

void RegistryEditor::openSets()
{
    closeSets();
    m_centri = std::make_unique<CCentriSet>(*m_db);
    m_campi = std::make_unique<CCampiSet>(*m_db);
    m_operai = std::make_unique<COperaiSet>(*m_db);
    m_operazioni = std::make_unique<COperazioniSet>(*m_db);
    m_articoli = std::make_unique<CArticoliSet>(*m_db);
    m_centri->setSort(QStringLiteral("Descrizione"));
    m_campi->setSort(QStringLiteral("Descrizione"));
    m_operai->setSort(QStringLiteral("Nome"));
    m_operazioni->setSort(QStringLiteral("Descrizione"));
    m_articoli->setSort(QStringLiteral("Descrizione"));
}

QStandardItem *RegistryEditor::addFolder(QStandardItem *parent, const QString &label, int kind)
{
    m_folders[kind] = m_tree.addNode(parent, label, Picture::FolderClosed, make(0, kind));
    return m_folders[kind];
}

void RegistryEditor::buildTree(TreeLabels labels)
{
    // A rebuilt tree names its records without their codes, and its root differently; a
    // record's label takes its code again when the record is next saved. Pictures are those
    // of the first filling in both cases, so that each node keeps the picture of its role.
    const bool withCodes = labels == TreeLabels::WithCodes;
    auto label = [withCodes](const QString &text, int code) {
        return withCodes ? nodeLabel(text, code) : text;
    };
    openSets();
    QStandardItem *root =
        addFolder(nullptr, withCodes ? tr("Cost centers") : tr("Cost Centers"), CostCenters);
    QStandardItem *crops = addFolder(root, tr("Crops"), Crop);

    m_centri->setFilter(QStringLiteral("Campo = TRUE"));
    m_centri->open();
    m_campi->open();
    for (; !m_centri->isEOF(); m_centri->moveNext()) {
        const int code = m_centri->value(CCentriSet::Codice).toInt();
        QStandardItem *centre =
            m_tree.addNode(crops, label(m_centri->value(CCentriSet::Descrizione).toString(), code),
                           Picture::CropEmpty, make(code, Crop));
        const FieldYearFilter fields = m_fieldFilter.and_(QStringLiteral("Centro = ?"), {code});
        m_campi->setFilter(fields.sql, fields.params);
        m_campi->requery();
        if (!m_campi->isEOF())
            m_tree.setPicture(centre, Picture::CropClosed);
        for (; !m_campi->isEOF(); m_campi->moveNext()) {
            const int fieldCode = m_campi->value(CCampiSet::Codice).toInt();
            m_tree.addNode(centre,
                           label(m_campi->value(CCampiSet::Descrizione).toString(), fieldCode),
                           Picture::FieldPicture, make(fieldCode, Field));
        }
        centre->sortChildren(0);
    }
    crops->sortChildren(0);
    m_campi->setFilter(m_fieldFilter.sql, m_fieldFilter.params);
    m_campi->requery();

    struct CentreGroup
    {
        int kind;
        const char *label;
        const char *filter;
        int picture;
    };
    const CentreGroup groups[] = {
        {Machine, QT_TR_NOOP("Machines"), "Macchina = TRUE", Picture::MachinePicture},
        {Other, QT_TR_NOOP("Others"), "Macchina = FALSE AND Campo = FALSE", Picture::OtherPicture},
    };
    for (const CentreGroup &group : groups) {
        QStandardItem *folder = addFolder(root, tr(group.label), group.kind);
        m_centri->setFilter(QString::fromLatin1(group.filter));
        m_centri->requery();
        for (; !m_centri->isEOF(); m_centri->moveNext()) {
            const int code = m_centri->value(CCentriSet::Codice).toInt();
            m_tree.addNode(folder, label(m_centri->value(CCentriSet::Descrizione).toString(), code),
                           group.picture, make(code, group.kind));
        }
        folder->sortChildren(0);
    }

    QStandardItem *workers = addFolder(nullptr, tr("Workers"), Worker);
    for (m_operai->open(); !m_operai->isEOF(); m_operai->moveNext()) {
        const int code = m_operai->value(COperaiSet::Codice).toInt();
        const bool seasonal = m_operai->value(COperaiSet::Rapporto).toBool();
        m_tree.addNode(workers, label(m_operai->value(COperaiSet::Nome).toString(), code),
                       seasonal ? Picture::WorkerSeasonal : Picture::WorkerFixed,
                       make(code, Worker));
    }
    workers->sortChildren(0);
    QStandardItem *operations = addFolder(nullptr, tr("Operations"), Operation);
    for (m_operazioni->open(); !m_operazioni->isEOF(); m_operazioni->moveNext()) {
        const int code = m_operazioni->value(COperazioniSet::Codice).toInt();
        m_tree.addNode(operations,
                       label(m_operazioni->value(COperazioniSet::Descrizione).toString(), code),
                       Picture::OperationPicture, make(code, Operation));
    }
    operations->sortChildren(0);
    QStandardItem *items = addFolder(nullptr, tr("Items"), Item);
    for (m_articoli->open(); !m_articoli->isEOF(); m_articoli->moveNext()) {
        const int code = m_articoli->value(CArticoliSet::Codice).toInt();
        const bool notebook = m_articoli->value(CArticoliSet::StampaQuaderno).toBool();
        m_tree.addNode(items, label(m_articoli->value(CArticoliSet::Descrizione).toString(), code),
                       notebook ? Picture::ItemNotebook : Picture::ItemPicture, make(code, Item));
    }
    items->sortChildren(0);
}

void RegistryEditor::fillTree()
{
    if (!m_db || !m_db->isOpen())
        return;
    m_choice = SettingsKeys::Choice.read();
    m_fieldFilter = FieldYearFilter::fromSettings(m_clock);
    try {
        buildTree(TreeLabels::WithCodes);
    } catch (const DbException &e) {
        m_prompter.error(e.message());
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
    std::fill(std::begin(m_folders), std::end(m_folders), nullptr);
    m_tree.clear();
    m_statistics.clear();
    if (!m_db || !m_db->isOpen())
        return;
    // The fields' years are those fixed when the tree was first filled; a tree rebuilt before
    // it was ever filled takes them from the settings as the first filling would.
    if (m_fieldFilter.sql.isEmpty())
        m_fieldFilter = FieldYearFilter::fromSettings(m_clock);
    try {
        buildTree(TreeLabels::WithoutCodes);
    } catch (const DbException &e) {
        m_prompter.error(e.message());
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
        try {
            CCampiSet fields(*m_db);
            QStandardItem *crops = m_folders[Crop];
            for (int row = 0; row < crops->rowCount(); ++row) {
                QStandardItem *centre = crops->child(row);
                if (centre->rowCount() == 0)
                    continue;
                const FieldYearFilter filter = FieldYearFilter{
                    QStringLiteral("Centro = ?"),
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
                    m_tree.setPicture(centre, Picture::CropEmpty);
            }
        } catch (const DbException &e) {
            m_prompter.error(e.message());
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

RecordSet *RegistryEditor::setOfLoaded(int loadedKind) const
{
    switch (loadedKind) {
    case CentreRecord:
        return m_centri.get();
    case FieldRecord:
        return m_campi.get();
    case WorkerRecord:
        return m_operai.get();
    case OperationRecord:
        return m_operazioni.get();
    case ItemRecord:
        return m_articoli.get();
    default:
        return nullptr;
    }
}

int RegistryEditor::loadedKindOf(int nodeKind)
{
    switch (nodeKind) {
    case Crop:
    case Machine:
    case Other:
        return CentreRecord;
    case Field:
        return FieldRecord;
    case Worker:
        return WorkerRecord;
    case Operation:
        return OperationRecord;
    case Item:
        return ItemRecord;
    default:
        return NoRecord;
    }
}

void RegistryEditor::select(QStandardItem *node, Autosave autosave)
{
    QStandardItem *previous = m_selected;
    m_screen.selectNode(node);
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
            m_screen.selectNode(m_selected);
            throw;
        }
    }
    m_selected = node;
    if (!node)
        return;

    const int key = RegistryTreeModel::key(node);
    const int kind = kindOf(key);
    m_layout = RegistryForm::layoutFor(kind, m_layout);
    if (kind <= Item)
        setRegistrationLayout(kind, !isFolder(key));
    m_screen.showLayout(m_layout);
    try {
        if (kind <= Item) {
            if (isFolder(key))
                showFolder(kind);
            else
                showRecord(kind, codeOf(key));
        }
    } catch (const DbException &e) {
        m_prompter.error(e.message());
    }
    pushForm();
}

void RegistryEditor::showFolder(int kind)
{
    m_values.code = 0;
    m_values.description = tr(FolderTexts[kind]);
    m_values.number = 0.0;
    m_values.place.clear();
    m_values.relationship = 0;
    m_values.unitCost = 0.0;
    m_values.printInNotebook = false;
    m_values.registration.clear();
    m_loadedKind = NoRecord;
    fillListOfFolder(kind);
}

bool RegistryEditor::lookUp(int kind, int code)
{
    switch (kind) {
    case Crop:
    case Machine:
    case Other:
        m_centri->setFilter(centreFilter(kind), {code});
        m_centri->requery();
        return !m_centri->isEOF();
    case Field: {
        const FieldYearFilter filter = m_fieldFilter.and_(QStringLiteral("Codice = ?"), {code});
        m_campi->setFilter(filter.sql, filter.params);
        m_campi->requery();
        const bool found = !m_campi->isEOF();
        const RecordSet::Bookmark mark = found ? m_campi->bookmark() : 0;
        m_campi->setFilter(m_fieldFilter.sql, m_fieldFilter.params);
        m_campi->requery();
        if (found)
            m_campi->setBookmark(mark);
        return found;
    }
    case Worker:
        m_operai->setFilter(QStringLiteral("Codice = ?"), {code});
        m_operai->requery();
        return !m_operai->isEOF();
    case Operation:
        m_operazioni->setFilter(QStringLiteral("Codice = ?"), {code});
        m_operazioni->requery();
        return !m_operazioni->isEOF();
    case Item:
        m_articoli->setFilter(QStringLiteral("Codice = ?"), {code});
        m_articoli->requery();
        return !m_articoli->isEOF();
    default:
        return false;
    }
}

void RegistryEditor::showRecord(int kind, int code)
{
    if (!lookUp(kind, code)) {
        m_loadedKind = NoRecord;
        if (kind == Field)
            fillListOfRecord(kind, code);
        return;
    }
    RegistryForm::Values &v = m_values;
    v.registration.clear();
    switch (kind) {
    case Crop:
    case Machine:
    case Other:
        v.code = m_centri->value(CCentriSet::Codice).toInt();
        v.description = m_centri->value(CCentriSet::Descrizione).toString();
        v.number = kind == Other ? 0.0 : m_centri->value(CCentriSet::SupAnno).toDouble();
        v.place.clear();
        break;
    case Field:
        v.code = m_campi->value(CCampiSet::Codice).toInt();
        v.description = m_campi->value(CCampiSet::Descrizione).toString();
        v.number = m_campi->value(CCampiSet::Superficie).toDouble();
        v.place = m_campi->value(CCampiSet::Localita).toString();
        break;
    case Worker:
        v.code = m_operai->value(COperaiSet::Codice).toInt();
        v.description = m_operai->value(COperaiSet::Nome).toString();
        v.number = m_operai->value(COperaiSet::Stipendio).toDouble();
        v.relationship = m_operai->value(COperaiSet::Rapporto).toBool() ? 1 : 0;
        break;
    case Operation:
        v.code = m_operazioni->value(COperazioniSet::Codice).toInt();
        v.description = m_operazioni->value(COperazioniSet::Descrizione).toString();
        v.number = 0.0;
        break;
    case Item:
        v.code = m_articoli->value(CArticoliSet::Codice).toInt();
        v.description = m_articoli->value(CArticoliSet::Descrizione).toString();
        v.place = m_articoli->value(CArticoliSet::UnMis).toString();
        v.unitCost = m_articoli->value(CArticoliSet::CostoUnitario).toDouble();
        v.printInNotebook = m_articoli->value(CArticoliSet::StampaQuaderno).toBool();
        break;
    default:
        break;
    }
    switch (kind) {
    case Crop:
    case Item:
        v.registration = readRegistration(kind, v.code);
        break;
    default:
        break;
    }
    m_loadedKind = loadedKindOf(kind);
    fillListOfRecord(kind, code);
}

void RegistryEditor::fillListOfFolder(int kind)
{
    StatisticsLists lists(m_db, m_statistics, m_period);
    switch (kind) {
    case CostCenters:
        // The field activity is gathered in a helper table of the database, which cannot be
        // written when the database can only be read: the list stays empty then.
        if (!isReadOnly())
            lists.fillFieldActivity();
        break;
    case Crop:
    case Machine:
    case Other:
        lists.fillCentreTotals(kind);
        break;
    case Worker:
        lists.fillWorkerTotals();
        break;
    case Operation:
        lists.fillOperationTotals();
        break;
    case Item:
        lists.fillInventory();
        break;
    default:
        break;
    }
}

void RegistryEditor::fillListOfRecord(int kind, int code)
{
    StatisticsLists lists(m_db, m_statistics, m_period);
    switch (kind) {
    case Crop:
    case Field:
    case Machine:
    case Other:
        lists.fillCentreActivity(kind, code, StatisticsLists::Choice(m_choice));
        break;
    case Worker:
        lists.fillWorkerWorks(code);
        break;
    case Operation:
        lists.fillOperationWorks(code);
        break;
    case Item:
        lists.fillItemMovements(code);
        break;
    default:
        break;
    }
}

void RegistryEditor::refreshStatistics(int key)
{
    if (!setsOpen())
        return;
    const int kind = kindOf(key);
    const int code = codeOf(key);
    try {
        if (kind == CostCenters || kind > Item)
            return;
        if (isFolder(key) && kind != Field) {
            if (kind != CostCenters)
                fillListOfFolder(kind);
            return;
        }
        if (kind == Field) {
            lookUp(kind, code);
            fillListOfRecord(kind, code);
            return;
        }
        if (lookUp(kind, code))
            fillListOfRecord(kind, kind >= Worker ? m_values.code : code);
    } catch (const DbException &e) {
        m_prompter.error(e.message());
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

void RegistryEditor::writeRecord(RecordSet &set, int loadedKind, const RegistryForm::Values &v)
{
    switch (loadedKind) {
    case CentreRecord:
        set.setValue(CCentriSet::Codice, v.code);
        set.setValue(CCentriSet::Descrizione, v.description);
        set.setValue(CCentriSet::SupAnno, double(float(v.number)));
        break;
    case FieldRecord:
        set.setValue(CCampiSet::Codice, v.code);
        set.setValue(CCampiSet::Descrizione, v.description);
        set.setValue(CCampiSet::Localita, v.place);
        set.setValue(CCampiSet::Superficie, double(float(v.number)));
        break;
    case WorkerRecord:
        set.setValue(COperaiSet::Codice, v.code);
        set.setValue(COperaiSet::Nome, v.description);
        set.setValue(COperaiSet::Stipendio, v.number);
        set.setValue(COperaiSet::Rapporto, v.relationship == 1);
        break;
    case OperationRecord:
        set.setValue(COperazioniSet::Codice, v.code);
        set.setValue(COperazioniSet::Descrizione, v.description);
        break;
    case ItemRecord:
        set.setValue(CArticoliSet::CostoUnitario, v.unitCost);
        set.setValue(CArticoliSet::Codice, v.code);
        set.setValue(CArticoliSet::Descrizione, v.description);
        set.setValue(CArticoliSet::UnMis, v.place);
        set.setValue(CArticoliSet::StampaQuaderno, v.printInNotebook);
        break;
    default:
        break;
    }
}

void RegistryEditor::setRecordPicture(QStandardItem *node, int kind,
                                      const RegistryForm::Values &values)
{
    if (kind == Worker)
        m_tree.setPicture(node, values.relationship == 1 ? Picture::WorkerSeasonal
                                                         : Picture::WorkerFixed);
    else if (kind == Item)
        m_tree.setPicture(node,
                          values.printInNotebook ? Picture::ItemNotebook : Picture::ItemPicture);
}

bool RegistryEditor::saveShownRecord(bool checkCode, int loadedKind, QStandardItem *node)
{
    RecordSet *set = setOfLoaded(loadedKind);
    if (isReadOnly() || !set || !set->isOpen() || set->isEOF() || set->isBOF())
        return false;
    const int nodeKind = node ? kindOf(RegistryTreeModel::key(node)) : -1;
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
        writeRecord(*set, loadedKind, values);
        set->update();
        writeRegistration(nodeKind, values);
        if (carry)
            CodeChange::run(*m_db, nodeKind, oldCode, values.code, field);
        transaction.commit();
    } catch (const DbException &e) {
        m_prompter.error(e.message());
        set->cancelUpdate();
        // The set may hold what the engine has just undone: read the record again.
        try {
            set->requery();
            set->setBookmark(mark);
        } catch (const DbException &) {
            m_loadedKind = NoRecord;
        }
        return false;
    }
    m_values = values;
    if (node) {
        setRecordPicture(node, nodeKind, values);
        node->setText(nodeLabel(values.description, values.code));
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
    case Command::Add: {
        if (m_newMode || !m_selected || !setsOpen())
            return false;
        const int key = RegistryTreeModel::key(m_selected);
        const int kind = kindOf(key);
        return (kind == Crop) || (isFolder(key) && kind >= Machine && kind <= Item);
    }
    case Command::Delete: {
        if (m_newMode || !m_selected || !setsOpen())
            return false;
        const int key = RegistryTreeModel::key(m_selected);
        const int kind = kindOf(key);
        return kind == Field || (!isFolder(key) && kind >= Crop && kind <= Item);
    }
    }
    return false;
}

int RegistryEditor::fieldYearOfNewField()
{
    const SettingsYears years = SettingsYears::read(m_clock.now().date());
    if (years.start == years.end)
        return years.end;
    const std::optional<int> chosen = m_screen.chooseFieldYear(years.start, years.end);
    // A field without a year would never be shown again: no choice keeps the last year.
    return chosen && *chosen > 0 ? *chosen : years.end;
}

void RegistryEditor::add()
{
    if (!isEnabled(Command::Add))
        return;
    QStandardItem *parent = m_selected;
    const int key = RegistryTreeModel::key(parent);
    const int kind = kindOf(key);

    struct Defaults
    {
        const char *description;
        double number;
        int picture;
        int recordKind;
    };
    static const Defaults table[] = {
        {"", 0.0, 0, CostCenters},
        {QT_TR_NOOP("New Cultivation..."), 1.0, Picture::CropEmpty, Crop},
        {QT_TR_NOOP("New Field..."), 1.0, Picture::FieldPicture, Field},
        {QT_TR_NOOP("New Machine..."), 2015.0, Picture::MachinePicture, Machine},
        {QT_TR_NOOP("New Center..."), 0.0, Picture::OtherPicture, Other},
        {QT_TR_NOOP("New Worker..."), 0.0, Picture::WorkerFixed, Worker},
        {QT_TR_NOOP("New Operation..."), 0.0, Picture::OperationPicture, Operation},
        {QT_TR_NOOP("New Item..."), 1.0, Picture::ItemPicture, Item},
    };
    const bool newField = kind == Crop && !isFolder(key);
    const Defaults &d = table[newField ? Field : kind];

    // The shown crop centre is saved with the code check as well: a code changed to one
    // already in use must not reach the database on this path either.
    if (kind == Crop)
        saveShownRecord(true, m_loadedKind, parent);

    const int loaded = loadedKindOf(d.recordKind);
    RecordSet *set = setOfLoaded(loaded);
    try {
        set->addNew();
        switch (d.recordKind) {
        case Crop:
        case Machine:
        case Other:
            set->setValue(CCentriSet::Campo, d.recordKind == Crop);
            set->setValue(CCentriSet::Macchina, d.recordKind == Machine);
            break;
        case Field:
            set->setValue(CCampiSet::Centro, codeOf(key));
            set->setValue(CCampiSet::Anno, fieldYearOfNewField());
            break;
        default:
            break;
        }
    } catch (const DbException &e) {
        set->cancelUpdate();
        m_prompter.error(e.message());
        return;
    }

    m_values = RegistryForm::Values{};
    m_values.description = tr(d.description);
    m_values.number = d.number;
    m_loadedKind = loaded;

    m_newNode = m_tree.addNode(parent, m_values.description, d.picture, make(0, d.recordKind));
    m_screen.expandNode(parent);
    m_tree.setPicture(parent, newField ? Picture::CropOpen : Picture::FolderOpen);
    if (newField) {
        m_layout.placeEnabled = true;
        m_screen.showLayout(m_layout);
    }

    m_newMode = true;
    m_selected = m_newNode;
    m_screen.selectNode(m_newNode);
    m_layout.itemLayout = d.recordKind == Item;
    setRegistrationLayout(d.recordKind, true);
    m_screen.showLayout(m_layout);
    pushForm();
    m_screen.focusCode();
}

// A new node under a crop centre is a field; elsewhere it is of its folder's kind.
int RegistryEditor::kindOfNewNode() const
{
    const int parentKey = RegistryTreeModel::key(m_newNode->parent());
    const int kind = kindOf(parentKey);
    return kind == Crop && !isFolder(parentKey) ? Field : kind;
}

void RegistryEditor::save()
{
    if (!m_newMode || !m_newNode)
        return;
    QStandardItem *node = m_newNode;
    QStandardItem *parent = node->parent();
    const int kind = kindOfNewNode();
    const int loaded = loadedKindOf(kind);
    RecordSet *set = setOfLoaded(loaded);

    RegistryForm::Values values = m_values;
    if (!RegistryForm::read(m_screen.formTexts(), kind == Item, RegistryForm::numberStyleFor(kind),
                            values, m_prompter, kind))
        return;
    CodeSpace space;
    if (codeSpaceOfKind(kind, &space)) {
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
        writeRecord(*set, loaded, values);
        set->update();
        writeRegistration(kind, values);
        transaction.commit();
        set->setBookmark(set->lastModified());
    } catch (const DbException &e) {
        m_prompter.error(e.message());
        return;
    }
    m_values = values;
    m_loadedKind = loaded;
    RegistryTreeModel::setKey(node, make(values.code, kind));
    // The node shows at once the picture of what was saved (a seasonal worker, an item printed
    // in the notebook); the form keeps the layout of the record, which stays loaded.
    setRecordPicture(node, kind, values);
    pushForm();
    node->setText(nodeLabel(values.description, values.code));
    parent->sortChildren(0);
    m_newMode = false;
    m_newNode = nullptr;
}

bool RegistryEditor::hasRegistration(int kind) const
{
    const RegistrationColumn where = registrationColumn(kind);
    return where.table && m_db && SchemaUpgrade::hasColumn(*m_db, *where.table, *where.column);
}

void RegistryEditor::setRegistrationLayout(int kind, bool record)
{
    m_layout.registrationVisible = RegistryForm::registrationLimit(kind) > 0;
    m_layout.registrationEnabled = m_layout.registrationVisible && record && hasRegistration(kind);
}

QString RegistryEditor::readRegistration(int kind, int code) const
{
    if (!hasRegistration(kind))
        return {};
    const RegistrationColumn where = registrationColumn(kind);
    return m_db
        ->scalar(QStringLiteral("SELECT [%1] FROM [%2] WHERE Codice = ?")
                     .arg(*where.column, *where.table),
                 {code})
        .toString();
}

void RegistryEditor::writeRegistration(int kind, const RegistryForm::Values &values)
{
    if (!hasRegistration(kind))
        return;
    const RegistrationColumn where = registrationColumn(kind);
    // An empty value is stored as NULL: the record then says it has none.
    const QVariant value = values.registration.isEmpty() ? QVariant() : values.registration;
    m_db->execute(QStringLiteral("UPDATE [%1] SET [%2] = ? WHERE Codice = ?")
                      .arg(*where.table, *where.column),
                  {value, values.code});
}

int RegistryEditor::parentPictureAfterCancel(QStandardItem *parent) const
{
    const int key = RegistryTreeModel::key(parent);
    const bool children = parent->rowCount() > 0;
    const bool expanded = m_screen.isExpanded(parent);
    if (kindOf(key) == Crop && !isFolder(key)) {
        if (!children)
            return Picture::CropEmpty;
        return expanded ? Picture::CropOpen : Picture::CropClosed;
    }
    return children && expanded ? Picture::FolderOpen : Picture::FolderClosed;
}

void RegistryEditor::cancelInsert()
{
    if (!m_newMode || !m_newNode)
        return;
    QStandardItem *node = m_newNode;
    QStandardItem *parent = node->parent();
    const int kind = kindOfNewNode();
    if (RecordSet *set = setOfLoaded(loadedKindOf(kind)))
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
    const int kind = kindOf(key);
    const int loaded = loadedKindOf(kind);
    RecordSet *set = setOfLoaded(loaded);
    // Only the record the form shows can be deleted; a node whose record was not found has
    // nothing loaded.
    if (m_loadedKind != loaded || !set || set->isEOF() || set->isBOF())
        return;

    int textColumn = CCentriSet::Descrizione;
    int codeColumn = CCentriSet::Codice;
    switch (loaded) {
    case FieldRecord:
        textColumn = CCampiSet::Descrizione;
        codeColumn = CCampiSet::Codice;
        break;
    case WorkerRecord:
        textColumn = COperaiSet::Nome;
        codeColumn = COperaiSet::Codice;
        break;
    case OperationRecord:
        textColumn = COperazioniSet::Descrizione;
        codeColumn = COperazioniSet::Codice;
        break;
    case ItemRecord:
        textColumn = CArticoliSet::Descrizione;
        codeColumn = CArticoliSet::Codice;
        break;
    default:
        break;
    }
    const QString question =
        tr("Do you want to delete %1 from registries?").arg(set->value(textColumn).toString());
    if (m_prompter.question(question, Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return;

    QStandardItem *parent = node->parent();
    QStandardItem *next =
        parent && node->row() + 1 < parent->rowCount() ? parent->child(node->row() + 1) : parent;
    const RecordSet::Bookmark mark = set->bookmark();
    try {
        Transaction transaction(*m_db);
        const int fieldYear = loaded == FieldRecord ? set->value(CCampiSet::Anno).toInt() : 0;
        RegistryCascade::run(*m_db, kind, codeOf(key), set->value(codeColumn).toInt(), fieldYear);
        set->deleteRecord();
        transaction.commit();
    } catch (const DbException &e) {
        m_prompter.error(e.message());
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
