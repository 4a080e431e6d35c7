#pragma once

#include "RegistryForm.h"
#include "StatisticsLists.h"

class RecordSet;

// The record sets of the registries, one per table, as RegistryRecords holds them.
enum RegistrySet : int {
    NoRecord = -1,
    CentreRecord,
    FieldRecord,
    WorkerRecord,
    OperationRecord,
    ItemRecord,
    RegistrySetCount
};

// Everything that differs between the node kinds of the registry tree (RegistryKey::Kind):
// where a kind's records live and how the form reads and writes them, the folder it hangs in,
// its pictures, what a new record starts with, and which statistics list it shows. The tree,
// the records and the editor ask this table instead of switching on the kind.
struct RegistryKindInfo
{
    using ListFill = void (*)(StatisticsLists &lists, int kind, int code,
                              StatisticsLists::Choice choice);

    int kind = -1;
    // The folder's label in the tree and the description the form shows on it (context
    // RegistryEditor); a kind without a folder of its own (fields) has no label.
    const char *folderLabel = nullptr;
    const char *folderText = "";
    // The kind of the folder this kind's folder hangs in; -1 for a root.
    int parentFolder = -1;

    RegistrySet set = NoRecord;
    int codeColumn = -1;
    int textColumn = -1;
    // Which rows of the set are of this kind (empty: all), and how one of them is found by its
    // code (one "?" for the code).
    const char *groupFilter = "";
    const char *lookupFilter = nullptr;
    // The records are looked up within the field years of the working period.
    bool yearBound = false;
    // The kind of the records that hang below one of this kind (fields below a crop centre);
    // -1 when none do. A child's parentFilter finds the children of one parent (one "?").
    int childKind = -1;
    const char *parentFilter = nullptr;

    // The picture of a record, and the one it takes when flagged (a seasonal worker, an item
    // printed in the notebook) by flagColumn of the set or by the form's values.
    int picture = 0;
    int flaggedPicture = 0;
    // The picture of a record with children, while it is collapsed.
    int filledPicture = 0;
    int flagColumn = -1;
    bool (*flagged)(const RegistryForm::Values &values) = nullptr;

    // The exchange between the set's current row and the form.
    void (*read)(const RecordSet &set, RegistryForm::Values &values) = nullptr;
    void (*write)(RecordSet &set, const RegistryForm::Values &values) = nullptr;

    // Adding: the folder takes new records of this kind, which start with this description
    // and number; startNew fills the columns that say where the record belongs.
    bool addsInFolder = false;
    const char *newText = "";
    double newNumber = 0.0;
    void (*startNew)(RecordSet &set, int parentCode, int year) = nullptr;

    // Where the registration value (a crop centre's EPPO code, an item's authorisation
    // number) is stored: columns the record sets do not bind, which older files lack.
    const QString *registrationTable = nullptr;
    const QString *registrationColumn = nullptr;
    // The records carry the parcel they lie on (TreatmentColumns), kept on their own row.
    bool parcel = false;

    // The statistics list of the folder and of one record. The folder's list of the cost
    // centres is gathered in a helper table of the database, which it therefore writes.
    ListFill folderList = nullptr;
    ListFill recordList = nullptr;
    bool listsWrite = false;

    bool hasFolder() const { return folderLabel != nullptr; }
    bool hasRegistration() const { return registrationTable != nullptr; }
    int pictureOf(const RegistryForm::Values &values) const
    {
        return flagged && flagged(values) ? flaggedPicture : picture;
    }
};

namespace RegistryKinds {

inline constexpr int Count = 8;

// The kind's entry; nullptr for a kind outside the tree.
const RegistryKindInfo *find(int kind);
// The entry of a kind of the tree.
const RegistryKindInfo &of(int kind);
// The first entry whose records are in set (which must be a set): the kinds that share a set
// read and write its rows alike.
const RegistryKindInfo &ofSet(int set);

} // namespace RegistryKinds
