#pragma once

#include "FieldYearFilter.h"
#include "RegistryKinds.h"

#include <QCoreApplication>
#include <array>

class QStandardItem;
class RegistryRecords;
class RegistryTreeModel;

// Fills the registry tree from the record sets: a folder per kind that has one, each with its
// records sorted by label, the fields of the field years below their crop centre.
class RegistryTreeBuilder
{
    // The tree's texts belong with the editor's.
    Q_DECLARE_TR_FUNCTIONS(RegistryEditor)

public:
    // A rebuilt tree names its records without their codes, and its root differently; a
    // record's label takes its code again when the record is next saved.
    enum class Labels { WithCodes, WithoutCodes };
    // The folder of each kind; nullptr for a kind without one.
    using Folders = std::array<QStandardItem *, RegistryKinds::Count>;

    RegistryTreeBuilder(RegistryTreeModel &tree, RegistryRecords &records,
                        const FieldYearFilter &years, Labels labels);

    // Adds the folders and records to the empty tree; the sets are left open, the field set
    // filtered to the field years.
    Folders build();

    // A record's label with its code.
    static QString nodeLabel(const QString &text, int code);

private:
    void addRecords(QStandardItem *folder, const RegistryKindInfo &kind);
    void addChildren(QStandardItem *parent, int parentCode, const RegistryKindInfo &parentKind);
    QString label(const QString &text, int code) const;

    RegistryTreeModel &m_tree;
    RegistryRecords &m_records;
    const FieldYearFilter &m_years;
    Labels m_labels;
};
