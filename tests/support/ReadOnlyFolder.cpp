#include "ReadOnlyFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <unistd.h>

ReadOnlyFolder::ReadOnlyFolder(const QString &folder) : m_folder(folder)
{
    QDir().mkpath(folder);
    if (geteuid() != 0)
        return;
    m_mounted = run({"-t", "tmpfs", "-o", "size=4m", "verdimo-test", folder});
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (m_mounted)
        run({"-l", m_folder}, QStringLiteral("umount"));
    else
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool ReadOnlyFolder::usable() const
{
    return geteuid() != 0 || m_mounted;
}

QString ReadOnlyFolder::protect(const QString &source, const QString &name)
{
    const QString target = QDir(m_folder).filePath(name);
    QFile::copy(source, target);
    if (m_mounted) {
        run({"-o", "remount,ro", m_folder});
    } else {
        QFile::setPermissions(target, QFile::ReadOwner);
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::ExeOwner);
    }
    return target;
}

bool ReadOnlyFolder::run(const QStringList &args, const QString &program)
{
    QProcess process;
    process.start(program, args);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}
