#include "RegistryTreeBuilder.h"

#include "RegistryKey.h"
#include "RegistryRecords.h"
#include "RegistryTreeModel.h"
#include "db/RecordSet.h"

namespace {

void openOrRequery(RecordSet &set)
{
    set.isOpen() ? set.requery() : set.open();
}

} // namespace

RegistryTreeBuilder::RegistryTreeBuilder(RegistryTreeModel &tree, RegistryRecords &records,
                                         const FieldYearFilter &years, Labels labels)
    : m_tree(tree), m_records(records), m_years(years), m_labels(labels)
{
}

QString RegistryTreeBuilder::nodeLabel(const QString &text, int code)
{
    return QStringLiteral("%1 (%2)").arg(text).arg(code);
}

QString RegistryTreeBuilder::label(const QString &text, int code) const
{
    return m_labels == Labels::WithCodes ? nodeLabel(text, code) : text;
}

RegistryTreeBuilder::Folders RegistryTreeBuilder::build()
{
    // Pictures are those of the first filling in both cases, so that each node keeps the
    // picture of its role.
    Folders folders{};
    for (int kind = 0; kind < RegistryKinds::Count; ++kind) {
        const RegistryKindInfo &info = RegistryKinds::of(kind);
        if (!info.hasFolder())
            continue;
        const QString text = kind == RegistryKey::CostCenters && m_labels == Labels::WithoutCodes
                                 ? tr("Cost Centers")
                                 : tr(info.folderLabel);
        QStandardItem *parent = info.parentFolder >= 0 ? folders[info.parentFolder] : nullptr;
        folders[kind] = m_tree.addNode(parent, text, RegistryTreeModel::FolderClosed,
                                       RegistryKey::make(0, kind));
        if (info.set != NoRecord)
            addRecords(folders[kind], info);
    }
    return folders;
}

void RegistryTreeBuilder::addRecords(QStandardItem *folder, const RegistryKindInfo &kind)
{
    RecordSet &set = m_records.setOf(kind);
    set.setFilter(QString::fromLatin1(kind.groupFilter));
    openOrRequery(set);
    for (; !set.isEOF(); set.moveNext()) {
        const int code = set.value(kind.codeColumn).toInt();
        const bool flagged = kind.flagColumn >= 0 && set.value(kind.flagColumn).toBool();
        QStandardItem *node = m_tree.addNode(
            folder, label(set.value(kind.textColumn).toString(), code),
            flagged ? kind.flaggedPicture : kind.picture, RegistryKey::make(code, kind.kind));
        if (kind.childKind >= 0)
            addChildren(node, code, kind);
    }
    folder->sortChildren(0);
    if (kind.childKind >= 0) {
        RecordSet &children = m_records.setOf(RegistryKinds::of(kind.childKind));
        children.setFilter(m_years.sql, m_years.params);
        openOrRequery(children);
    }
}

void RegistryTreeBuilder::addChildren(QStandardItem *parent, int parentCode,
                                      const RegistryKindInfo &parentKind)
{
    const RegistryKindInfo &child = RegistryKinds::of(parentKind.childKind);
    RecordSet &set = m_records.setOf(child);
    const FieldYearFilter filter =
        m_years.and_(QString::fromLatin1(child.parentFilter), {parentCode});
    set.setFilter(filter.sql, filter.params);
    openOrRequery(set);
    if (!set.isEOF())
        m_tree.setPicture(parent, parentKind.filledPicture);
    for (; !set.isEOF(); set.moveNext()) {
        const int code = set.value(child.codeColumn).toInt();
        m_tree.addNode(parent, label(set.value(child.textColumn).toString(), code), child.picture,
                       RegistryKey::make(code, child.kind));
    }
    parent->sortChildren(0);
}
