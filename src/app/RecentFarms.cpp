#include "RecentFarms.h"

#include "base/SettingsKeys.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString spelling(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

QStringList RecentFarms::stored()
{
    return SettingsKeys::RecentFarms.read().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void RecentFarms::store(const QStringList &farms)
{
    SettingsKeys::RecentFarms.write(farms.mid(0, Capacity).join(QLatin1Char('\n')));
}

QStringList RecentFarms::list()
{
    QStringList farms;
    for (const QString &farm : stored()) {
        if (QFileInfo(farm).isFile() && !farms.contains(farm))
            farms << farm;
    }
    return farms.mid(0, Capacity);
}

void RecentFarms::add(const QString &path)
{
    const QString farm = spelling(path);
    QStringList farms = list();
    farms.removeAll(farm);
    farms.prepend(farm);
    store(farms);
}

void RecentFarms::remove(const QString &path)
{
    QStringList farms = list();
    farms.removeAll(spelling(path));
    store(farms);
}
