#include "AtomicFile.h"

#include <QDir>
#include <QSaveFile>

bool AtomicFile::write(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = tr("Could not write the file %1: %2")
                     .arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}
