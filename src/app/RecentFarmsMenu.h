#pragma once

#include <QMenu>

class FarmSession;

// File › Recent farms: the farm databases opened last, numbered, filled each time the menu
// opens so that a farm opened meanwhile shows; the working farm is listed but off.
class RecentFarmsMenu : public QMenu
{
    Q_OBJECT
public:
    RecentFarmsMenu(const FarmSession &farm, QWidget *parent = nullptr);

signals:
    void farmChosen(const QString &path);

private:
    void fill();

    const FarmSession &m_farm;
};
