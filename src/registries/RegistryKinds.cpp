#include "RegistryKinds.h"

#include "RegistryKey.h"
#include "RegistryTreeModel.h"
#include "base/SinglePrecision.h"
#include "db/CArticoliSet.h"
#include "db/CCampiSet.h"
#include "db/CCentriSet.h"
#include "db/COperaiSet.h"
#include "db/COperazioniSet.h"
#include "db/SchemaUpgrade.h"

#include <QCoreApplication>

using namespace RegistryKey;
using Picture = RegistryTreeModel::Picture;
using Values = RegistryForm::Values;
using Choice = StatisticsLists::Choice;

namespace {

void readCentre(const RecordSet &set, Values &v)
{
    v.code = set.value(CCentriSet::Codice).toInt();
    v.description = set.value(CCentriSet::Descrizione).toString();
    v.number = set.value(CCentriSet::SupAnno).toDouble();
    v.place.clear();
}

// Other centres have no area: the form shows none whatever the row holds.
void readOtherCentre(const RecordSet &set, Values &v)
{
    readCentre(set, v);
    v.number = 0.0;
}

void writeCentre(RecordSet &set, const Values &v)
{
    set.setValue(CCentriSet::Codice, v.code);
    set.setValue(CCentriSet::Descrizione, v.description);
    set.setValue(CCentriSet::SupAnno, SinglePrecision::rounded(v.number));
}

void readField(const RecordSet &set, Values &v)
{
    v.code = set.value(CCampiSet::Codice).toInt();
    v.description = set.value(CCampiSet::Descrizione).toString();
    v.number = set.value(CCampiSet::Superficie).toDouble();
    v.place = set.value(CCampiSet::Localita).toString();
}

void writeField(RecordSet &set, const Values &v)
{
    set.setValue(CCampiSet::Codice, v.code);
    set.setValue(CCampiSet::Descrizione, v.description);
    set.setValue(CCampiSet::Localita, v.place);
    set.setValue(CCampiSet::Superficie, SinglePrecision::rounded(v.number));
}

void readWorker(const RecordSet &set, Values &v)
{
    v.code = set.value(COperaiSet::Codice).toInt();
    v.description = set.value(COperaiSet::Nome).toString();
    v.number = set.value(COperaiSet::Stipendio).toDouble();
    v.relationship = set.value(COperaiSet::Rapporto).toBool() ? 1 : 0;
}

void writeWorker(RecordSet &set, const Values &v)
{
    set.setValue(COperaiSet::Codice, v.code);
    set.setValue(COperaiSet::Nome, v.description);
    set.setValue(COperaiSet::Stipendio, v.number);
    set.setValue(COperaiSet::Rapporto, v.relationship == 1);
}

void readOperation(const RecordSet &set, Values &v)
{
    v.code = set.value(COperazioniSet::Codice).toInt();
    v.description = set.value(COperazioniSet::Descrizione).toString();
    v.number = 0.0;
}

void writeOperation(RecordSet &set, const Values &v)
{
    set.setValue(COperazioniSet::Codice, v.code);
    set.setValue(COperazioniSet::Descrizione, v.description);
}

void readItem(const RecordSet &set, Values &v)
{
    v.code = set.value(CArticoliSet::Codice).toInt();
    v.description = set.value(CArticoliSet::Descrizione).toString();
    v.place = set.value(CArticoliSet::UnMis).toString();
    v.unitCost = set.value(CArticoliSet::CostoUnitario).toDouble();
    v.printInNotebook = set.value(CArticoliSet::StampaQuaderno).toBool();
}

void writeItem(RecordSet &set, const Values &v)
{
    set.setValue(CArticoliSet::CostoUnitario, v.unitCost);
    set.setValue(CArticoliSet::Codice, v.code);
    set.setValue(CArticoliSet::Descrizione, v.description);
    set.setValue(CArticoliSet::UnMis, v.place);
    set.setValue(CArticoliSet::StampaQuaderno, v.printInNotebook);
}

void startCrop(RecordSet &set, int, int)
{
    set.setValue(CCentriSet::Campo, true);
    set.setValue(CCentriSet::Macchina, false);
}

void startMachine(RecordSet &set, int, int)
{
    set.setValue(CCentriSet::Campo, false);
    set.setValue(CCentriSet::Macchina, true);
}

void startOther(RecordSet &set, int, int)
{
    set.setValue(CCentriSet::Campo, false);
    set.setValue(CCentriSet::Macchina, false);
}

void startField(RecordSet &set, int centre, int year)
{
    set.setValue(CCampiSet::Centro, centre);
    set.setValue(CCampiSet::Anno, year);
}

bool seasonal(const Values &v)
{
    return v.relationship == 1;
}

bool inNotebook(const Values &v)
{
    return v.printInNotebook;
}

void fieldActivity(StatisticsLists &lists, int, int, Choice)
{
    lists.fillFieldActivity();
}
void centreTotals(StatisticsLists &lists, int kind, int, Choice)
{
    lists.fillCentreTotals(kind);
}
void centreActivity(StatisticsLists &lists, int kind, int code, Choice choice)
{
    lists.fillCentreActivity(kind, code, choice);
}
void workerTotals(StatisticsLists &lists, int, int, Choice)
{
    lists.fillWorkerTotals();
}
void workerWorks(StatisticsLists &lists, int, int code, Choice)
{
    lists.fillWorkerWorks(code);
}
void operationTotals(StatisticsLists &lists, int, int, Choice)
{
    lists.fillOperationTotals();
}
void operationWorks(StatisticsLists &lists, int, int code, Choice)
{
    lists.fillOperationWorks(code);
}
void inventory(StatisticsLists &lists, int, int, Choice)
{
    lists.fillInventory();
}
void itemMovements(StatisticsLists &lists, int, int code, Choice)
{
    lists.fillItemMovements(code);
}

const RegistryKindInfo Kinds[RegistryKinds::Count] = {
    {.kind = CostCenters,
     .folderLabel = QT_TRANSLATE_NOOP("RegistryEditor", "Cost centers"),
     .folderText = QT_TRANSLATE_NOOP("RegistryEditor", "Cost centers root"),
     .picture = Picture::FolderClosed,
     .flaggedPicture = Picture::FolderClosed,
     .folderList = fieldActivity,
     .recordList = fieldActivity,
     .listsWrite = true},
    {.kind = Crop,
     .folderLabel = QT_TRANSLATE_NOOP("RegistryEditor", "Crops"),
     .folderText = QT_TRANSLATE_NOOP("RegistryEditor", "Crops root"),
     .parentFolder = CostCenters,
     .set = CentreRecord,
     .codeColumn = CCentriSet::Codice,
     .textColumn = CCentriSet::Descrizione,
     .groupFilter = "Campo = TRUE",
     .lookupFilter = "Campo = TRUE AND Macchina = FALSE AND Codice = ?",
     .childKind = Field,
     .picture = Picture::CropEmpty,
     .flaggedPicture = Picture::CropEmpty,
     .filledPicture = Picture::CropClosed,
     .read = readCentre,
     .write = writeCentre,
     .addsInFolder = true,
     .newText = QT_TRANSLATE_NOOP("RegistryEditor", "New Cultivation..."),
     .newNumber = 1.0,
     .startNew = startCrop,
     .registrationTable = &SchemaUpgrade::CentresTable,
     .registrationColumn = &SchemaUpgrade::EppoColumn,
     .folderList = centreTotals,
     .recordList = centreActivity},
    {.kind = Field,
     .parentFolder = Crop,
     .set = FieldRecord,
     .codeColumn = CCampiSet::Codice,
     .textColumn = CCampiSet::Descrizione,
     .lookupFilter = "Codice = ?",
     .yearBound = true,
     .parentFilter = "Centro = ?",
     .picture = Picture::FieldPicture,
     .flaggedPicture = Picture::FieldPicture,
     .read = readField,
     .write = writeField,
     .newText = QT_TRANSLATE_NOOP("RegistryEditor", "New Field..."),
     .newNumber = 1.0,
     .startNew = startField,
     .parcel = true,
     .folderList = centreActivity,
     .recordList = centreActivity},
    {.kind = Machine,
     .folderLabel = QT_TRANSLATE_NOOP("RegistryEditor", "Machines"),
     .folderText = QT_TRANSLATE_NOOP("RegistryEditor", "Machines root"),
     .parentFolder = CostCenters,
     .set = CentreRecord,
     .codeColumn = CCentriSet::Codice,
     .textColumn = CCentriSet::Descrizione,
     .groupFilter = "Macchina = TRUE",
     .lookupFilter = "Campo = FALSE AND Macchina = TRUE AND Codice = ?",
     .picture = Picture::MachinePicture,
     .flaggedPicture = Picture::MachinePicture,
     .read = readCentre,
     .write = writeCentre,
     .addsInFolder = true,
     .newText = QT_TRANSLATE_NOOP("RegistryEditor", "New Machine..."),
     .newNumber = 2015.0,
     .startNew = startMachine,
     .folderList = centreTotals,
     .recordList = centreActivity},
    {.kind = Other,
     .folderLabel = QT_TRANSLATE_NOOP("RegistryEditor", "Others"),
     .folderText = QT_TRANSLATE_NOOP("RegistryEditor", "Others root"),
     .parentFolder = CostCenters,
     .set = CentreRecord,
     .codeColumn = CCentriSet::Codice,
     .textColumn = CCentriSet::Descrizione,
     .groupFilter = "Macchina = FALSE AND Campo = FALSE",
     .lookupFilter = "Campo = FALSE AND Macchina = FALSE AND Codice = ?",
     .picture = Picture::OtherPicture,
     .flaggedPicture = Picture::OtherPicture,
     .read = readOtherCentre,
     .write = writeCentre,
     .addsInFolder = true,
     .newText = QT_TRANSLATE_NOOP("RegistryEditor", "New Center..."),
     .startNew = startOther,
     .folderList = centreTotals,
     .recordList = centreActivity},
    {.kind = Worker,
     .folderLabel = QT_TRANSLATE_NOOP("RegistryEditor", "Workers"),
     .folderText = QT_TRANSLATE_NOOP("RegistryEditor", "Workers root"),
     .set = WorkerRecord,
     .codeColumn = COperaiSet::Codice,
     .textColumn = COperaiSet::Nome,
     .lookupFilter = "Codice = ?",
     .picture = Picture::WorkerFixed,
     .flaggedPicture = Picture::WorkerSeasonal,
     .flagColumn = COperaiSet::Rapporto,
     .flagged = seasonal,
     .read = readWorker,
     .write = writeWorker,
     .addsInFolder = true,
     .newText = QT_TRANSLATE_NOOP("RegistryEditor", "New Worker..."),
     .folderList = workerTotals,
     .recordList = workerWorks},
    {.kind = Operation,
     .folderLabel = QT_TRANSLATE_NOOP("RegistryEditor", "Operations"),
     .folderText = QT_TRANSLATE_NOOP("RegistryEditor", "Operations root"),
     .set = OperationRecord,
     .codeColumn = COperazioniSet::Codice,
     .textColumn = COperazioniSet::Descrizione,
     .lookupFilter = "Codice = ?",
     .picture = Picture::OperationPicture,
     .flaggedPicture = Picture::OperationPicture,
     .read = readOperation,
     .write = writeOperation,
     .addsInFolder = true,
     .newText = QT_TRANSLATE_NOOP("RegistryEditor", "New Operation..."),
     .folderList = operationTotals,
     .recordList = operationWorks},
    {.kind = Item,
     .folderLabel = QT_TRANSLATE_NOOP("RegistryEditor", "Items"),
     .folderText = QT_TRANSLATE_NOOP("RegistryEditor", "Items root"),
     .set = ItemRecord,
     .codeColumn = CArticoliSet::Codice,
     .textColumn = CArticoliSet::Descrizione,
     .lookupFilter = "Codice = ?",
     .picture = Picture::ItemPicture,
     .flaggedPicture = Picture::ItemNotebook,
     .flagColumn = CArticoliSet::StampaQuaderno,
     .flagged = inNotebook,
     .read = readItem,
     .write = writeItem,
     .addsInFolder = true,
     .newText = QT_TRANSLATE_NOOP("RegistryEditor", "New Item..."),
     .newNumber = 1.0,
     .registrationTable = &SchemaUpgrade::ItemsTable,
     .registrationColumn = &SchemaUpgrade::AuthorisationColumn,
     .folderList = inventory,
     .recordList = itemMovements},
};

} // namespace

const RegistryKindInfo *RegistryKinds::find(int kind)
{
    return kind >= 0 && kind < Count ? &Kinds[kind] : nullptr;
}

const RegistryKindInfo &RegistryKinds::of(int kind)
{
    Q_ASSERT(find(kind));
    return Kinds[kind];
}

const RegistryKindInfo &RegistryKinds::ofSet(int set)
{
    for (const RegistryKindInfo &kind : Kinds)
        if (kind.set == set)
            return kind;
    Q_ASSERT_X(false, "RegistryKinds::ofSet", "no kind keeps its records in this set");
    return Kinds[0];
}
