#include "WorkIcons.h"

#include "cards/WorkListRow.h"

#include <QPixmap>
#include <array>

static void initCardsResources()
{
    Q_INIT_RESOURCE(cards);
}

QIcon WorkIcons::icon(int index)
{
    static const std::array<QIcon, WorkListRow::IconCount> icons = [] {
        initCardsResources();
        const char *const names[WorkListRow::IconCount] = {
            "worker_green", "worker_orange", "tractor",    "house",
            "gears",        "dash",          "item_brown", "item_orange"};
        std::array<QIcon, WorkListRow::IconCount> loaded;
        for (int i = 0; i < WorkListRow::IconCount; ++i)
            loaded[i] =
                QIcon(QPixmap(QStringLiteral(":/cards/icons/%1.xpm").arg(QLatin1String(names[i]))));
        return loaded;
    }();
    return index >= 0 && index < WorkListRow::IconCount ? icons[index] : QIcon();
}
