#pragma once

#include <QStandardItemModel>
#include <functional>

// The registry tree: folders and record nodes, each with its key (see RegistryKey) and the
// index of its picture. The pictures themselves are artwork of the view, supplied through a
// provider so that this model stays free of widgets.
class RegistryTreeModel : public QStandardItemModel
{
    Q_OBJECT

public:
    enum Role { KeyRole = Qt::UserRole + 1, PictureRole };

    // Indices into the strip of thirteen node pictures.
    enum Picture {
        WorkerFixed = 0,
        WorkerSeasonal = 1,
        MachinePicture = 2,
        CropEmpty = 3,
        OperationPicture = 4,
        FolderClosed = 5,
        FolderOpen = 6,
        CropClosed = 7,
        CropOpen = 8,
        ItemPicture = 9,
        OtherPicture = 10,
        FieldPicture = 11,
        ItemNotebook = 12,
        PictureCount = 13
    };

    explicit RegistryTreeModel(QObject *parent = nullptr);

    void setPictureProvider(std::function<QVariant(int picture)> provider);
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // The tree hides its header; screen readers still name the column by it.
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // parent null means a root.
    QStandardItem *addNode(QStandardItem *parent, const QString &label, int picture, int key);

    static int key(const QStandardItem *node);
    static void setKey(QStandardItem *node, int key);
    static int picture(const QStandardItem *node);
    void setPicture(QStandardItem *node, int picture);

    // The picture a node takes when it is expanded or collapsed: folders and crop centres
    // with fields open and close, every other picture stays.
    static int pictureWhenExpanded(int picture, bool expanded);

    // Depth-first search; nullptr when no node has that key.
    QStandardItem *findNode(int key) const;
    // Nodes in tree order (depth first), roots included.
    QList<QStandardItem *> allNodes() const;

private:
    std::function<QVariant(int)> m_pictureProvider;
};
