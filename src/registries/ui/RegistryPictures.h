#pragma once

#include <QIcon>
#include <QList>

// The thirteen 16x16 node pictures of the registry tree, drawn in code, in the order of
// RegistryTreeModel::Picture.
class RegistryPictures
{
public:
    static const QList<QIcon> &icons();
    static QPixmap draw(int picture);
};
