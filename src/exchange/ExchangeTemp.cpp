#include "ExchangeTemp.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <functional>

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

// Removes the program's temporary folders (never a link) whose process number and folder the
// predicate dooms; returns how many went.
int removeFolders(const std::function<bool(qint64, const QFileInfo &)> &doomed)
{
    int removed = 0;
    for (const QFileInfo &folder : folders()) {
        const QRegularExpressionMatch match = folderName().match(folder.fileName());
        if (match.hasMatch() && !folder.isSymLink() &&
            doomed(match.captured(1).toLongLong(), folder) &&
            QDir(folder.absoluteFilePath()).removeRecursively())
            ++removed;
    }
    return removed;
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
    return removeFolders([&](qint64 pid, const QFileInfo &folder) {
        return pid != self && (!processRuns(pid) || folder.lastModified() <= oldest);
    });
}

int removeOwn()
{
    const qint64 self = QCoreApplication::applicationPid();
    return removeFolders([self](qint64 pid, const QFileInfo &) { return pid == self; });
}

} // namespace ExchangeTemp
