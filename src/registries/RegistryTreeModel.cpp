#include "RegistryTreeModel.h"

#include <QCollator>

RegistryTreeModel::RegistryTreeModel(QObject *parent) : QStandardItemModel(parent)
{
    setColumnCount(1);
}

void RegistryTreeModel::setPictureProvider(std::function<QVariant(int)> provider)
{
    m_pictureProvider = std::move(provider);
}

QVariant RegistryTreeModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::DecorationRole && m_pictureProvider && index.isValid())
        return m_pictureProvider(QStandardItemModel::data(index, PictureRole).toInt());
    return QStandardItemModel::data(index, role);
}

namespace {

// Record nodes sort as people look for names: without regard to case and with accented
// letters beside their plain ones, as the user's language sorts them.
class NamedNode : public QStandardItem
{
public:
    using QStandardItem::QStandardItem;

    bool operator<(const QStandardItem &other) const override
    {
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        return collator.compare(text(), other.text()) < 0;
    }
};

} // namespace

QStandardItem *RegistryTreeModel::addNode(QStandardItem *parent, const QString &label, int picture,
                                          int key)
{
    auto *node = new NamedNode(label);
    node->setEditable(false);
    node->setData(key, KeyRole);
    node->setData(picture, PictureRole);
    (parent ? parent : invisibleRootItem())->appendRow(node);
    return node;
}

int RegistryTreeModel::key(const QStandardItem *node)
{
    return node ? node->data(KeyRole).toInt() : -1;
}

void RegistryTreeModel::setKey(QStandardItem *node, int key)
{
    node->setData(key, KeyRole);
}

int RegistryTreeModel::picture(const QStandardItem *node)
{
    return node->data(PictureRole).toInt();
}

void RegistryTreeModel::setPicture(QStandardItem *node, int picture)
{
    node->setData(picture, PictureRole);
    // The decoration comes from the picture role, so views must hear that it changed too.
    const QModelIndex index = indexFromItem(node);
    emit dataChanged(index, index, {Qt::DecorationRole});
}

int RegistryTreeModel::pictureWhenExpanded(int picture, bool expanded)
{
    if (expanded) {
        if (picture == FolderClosed || picture == CropClosed)
            return picture + 1;
    } else if (picture == FolderOpen || picture == CropOpen) {
        return picture - 1;
    }
    return picture;
}

QStandardItem *RegistryTreeModel::findNode(int key) const
{
    for (QStandardItem *node : allNodes())
        if (RegistryTreeModel::key(node) == key)
            return node;
    return nullptr;
}

QList<QStandardItem *> RegistryTreeModel::allNodes() const
{
    QList<QStandardItem *> nodes;
    std::function<void(QStandardItem *)> visit = [&](QStandardItem *parent) {
        for (int row = 0; row < parent->rowCount(); ++row) {
            QStandardItem *child = parent->child(row);
            nodes << child;
            visit(child);
        }
    };
    visit(invisibleRootItem());
    return nodes;
}

QVariant RegistryTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section == 0 && role == Qt::DisplayRole)
        return tr("Registries");
    return QStandardItemModel::headerData(section, orientation, role);
}
