#include "RecentFarmsMenu.h"

#include "RecentFarms.h"
#include "db/FarmSession.h"

#include <QDir>
#include <QFileInfo>

RecentFarmsMenu::RecentFarmsMenu(const FarmSession &farm, QWidget *parent)
    : QMenu(tr("Rece&nt farms"), parent), m_farm(farm)
{
    connect(this, &QMenu::aboutToShow, this, &RecentFarmsMenu::fill);
}

void RecentFarmsMenu::fill()
{
    clear();
    const QStringList farms = RecentFarms::list();
    for (int i = 0; i < farms.size(); ++i) {
        const QString path = farms[i];
        // Numbered as desktop programs number their recent files, the number the mnemonic.
        QAction *item =
            addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        item->setEnabled(QFileInfo(path) != QFileInfo(m_farm.databasePath()));
        connect(item, &QAction::triggered, this, [this, path] { emit farmChosen(path); });
    }
    if (farms.isEmpty())
        addAction(tr("No farms opened yet"))->setEnabled(false);
}
