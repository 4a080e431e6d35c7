#include "ArchiveFixtures.h"

#include "db/Database.h"

#include <QFile>

bool corruptIndexEntry(const QString &path, const QString &index, const QByteArray &entry,
                       int offset, char value)
{
    qint64 pageSize = 0;
    qint64 rootPage = 0;
    {
        Database db;
        db.open(path, Database::Access::ReadOnly);
        pageSize = db.scalar(QStringLiteral("PRAGMA page_size")).toLongLong();
        rootPage =
            db.scalar(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = ?"), {index})
                .toLongLong();
    }
    QFile file(path);
    if (rootPage <= 0 || !file.open(QIODevice::ReadWrite))
        return false;
    const qint64 start = (rootPage - 1) * pageSize;
    file.seek(start);
    const qsizetype found = file.read(pageSize).indexOf(entry);
    if (found < 0)
        return false;
    file.seek(start + found + offset);
    return file.write(&value, 1) == 1;
}
