#pragma once

#include "FieldYearFilter.h"
#include "RegistryForm.h"
#include "RegistryKinds.h"

#include <array>
#include <memory>

class Database;
class RecordSet;

// The record sets of the registries on one database, one per table, each sorted by its
// record's description or name: the record looked up and shown in the form is the current row
// of its kind's set. Reads and writes the form's values, the registration value included,
// as the kind's entry in RegistryKinds says.
class RegistryRecords
{
public:
    explicit RegistryRecords(Database &db);
    ~RegistryRecords();
    RegistryRecords(const RegistryRecords &) = delete;
    RegistryRecords &operator=(const RegistryRecords &) = delete;

    // The set of which; nullptr for NoRecord.
    RecordSet *set(int which) const;
    RecordSet &setOf(const RegistryKindInfo &kind) const { return *set(kind.set); }
    // The tree has been read from the sets.
    bool isOpen() const;

    // Makes the record of kind with code the current row of its set; false when there is
    // none. Fields are looked up within years, which stays the filter of their set.
    bool lookUp(const RegistryKindInfo &kind, int code, const FieldYearFilter &years);
    // The current row of kind's set into values, with its registration value.
    void read(const RegistryKindInfo &kind, RegistryForm::Values &values) const;
    // The registration value is written on the record of values' code, and a field's parcel
    // on the row its set has just written, after the row.
    void writeRegistration(const RegistryKindInfo &kind, const RegistryForm::Values &values);
    // An older file that can only be read lacks the registration columns.
    bool hasRegistration(const RegistryKindInfo &kind) const;
    // The kind's records carry a parcel (fields) and the file has its columns.
    bool hasParcel(const RegistryKindInfo &kind) const;

private:
    // A field's parcel, read from its yearly row.
    RegistryForm::Parcel parcelOf(qint64 rowId) const;

    Database &m_db;
    std::array<std::unique_ptr<RecordSet>, RegistrySetCount> m_sets;
};
