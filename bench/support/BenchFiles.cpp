#include "BenchFiles.h"

#include <QFile>

QString BenchFiles::templatePath()
{
    return QStringLiteral(VERDIMO_TEMPLATE);
}

void BenchFiles::copyDatabase(const QString &from, const QString &to)
{
    QFile::remove(to);
    if (!QFile::copy(from, to))
        qFatal("cannot copy %s to %s", qPrintable(from), qPrintable(to));
    QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner);
}

QString BenchFiles::copyTemplate(const QString &path)
{
    copyDatabase(templatePath(), path);
    return path;
}
