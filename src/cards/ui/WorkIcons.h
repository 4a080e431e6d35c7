#pragma once

#include <QIcon>

// The eight pictures of the work list (WorkListRow::Icon), 16 x 16 pixels.
class WorkIcons
{
public:
    static QIcon icon(int index);
};
