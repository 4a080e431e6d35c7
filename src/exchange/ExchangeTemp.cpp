#include "ExchangeTemp.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>

namespace {

const QString Prefix = QStringLiteral("verdimo-");
constexpr qint64 MaxAgeSeconds = 24 * 60 * 60;

bool processRuns(qint64 pid)
{
    // Signal 0 only asks whether the process exists; EPERM means it does, under another user.
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

QFileInfoList folders()
{
    return QDir(QDir::tempPath())
        .entryInfoList({Prefix + QLatin1Char('*')},
                       QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
}

const QRegularExpression &folderName()
{
    static const QRegularExpression name(QStringLiteral("^verdimo-(\\d+)-[^/]+$"));
    return name;
}

} // namespace

namespace ExchangeTemp {

QString folderTemplate()
{
    return QDir(QDir::tempPath())
        .filePath(Prefix + QString::number(QCoreApplication::applicationPid()) +
                  QStringLiteral("-XXXXXX"));
}

int removeStale()
{
    const qint64 self = QCoreApplication::applicationPid();
    const QDateTime oldest = QDateTime::currentDateTime().addSecs(-MaxAgeSeconds);
    int removed = 0;
    for (const QFileInfo &folder : folders()) {
        const QRegularExpressionMatch match = folderName().match(folder.fileName());
        if (!match.hasMatch() || folder.isSymLink())
            continue;
        const qint64 pid = match.captured(1).toLongLong();
        if (pid == self)
            continue;
        if (processRuns(pid) && folder.lastModified() > oldest)
            continue;
        if (QDir(folder.absoluteFilePath()).removeRecursively())
            ++removed;
    }
    return removed;
}

int removeOwn()
{
    const QString self = QString::number(QCoreApplication::applicationPid());
    int removed = 0;
    for (const QFileInfo &folder : folders()) {
        const QRegularExpressionMatch match = folderName().match(folder.fileName());
        if (match.hasMatch() && !folder.isSymLink() && match.captured(1) == self &&
            QDir(folder.absoluteFilePath()).removeRecursively())
            ++removed;
    }
    return removed;
}

} // namespace ExchangeTemp
