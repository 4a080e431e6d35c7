#include "LocalServers.h"

#include <QDir>
#include <QFile>

LocalServers::LocalServers()
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(
        QString::fromLocal8Bit(qgetenv("VERDIMO_PYTHON")),
        {QString::fromLocal8Bit(qgetenv("VERDIMO_UPDATE_SERVERS")), m_dir.path(), User, Password});
    if (!m_process.waitForStarted(10000))
        qFatal("the local update servers did not start");
    while (m_silentPort == 0) {
        if (!m_process.canReadLine() && !m_process.waitForReadyRead(20000))
            qFatal("the local update servers did not report their ports");
        while (m_process.canReadLine()) {
            const QList<QByteArray> words = m_process.readLine().trimmed().split(' ');
            const int port = words.value(1).toInt();
            if (words.first() == "http")
                m_httpPort = port;
            else if (words.first() == "ftp")
                m_ftpPort = port;
            else if (words.first() == "silent")
                m_silentPort = port;
        }
    }
}

LocalServers::~LocalServers()
{
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

void LocalServers::publishVersion(const QByteArray &text)
{
    writeFile(QStringLiteral("script/VerVerdimo.txt"), text);
}

void LocalServers::publishPackage(const QByteArray &content, const QByteArray &signature)
{
    writeFile(QStringLiteral("setup/") + UpdateServers::packageName(), content);
    removeSignature();
    if (!signature.isNull())
        writeFile(QStringLiteral("setup/") + UpdateServers::packageName() + QStringLiteral(".sig"),
                  signature);
}

void LocalServers::removeSignature()
{
    QFile::remove(m_dir.filePath(QStringLiteral("setup/") + UpdateServers::packageName() +
                                 QStringLiteral(".sig")));
}

UpdateServers LocalServers::servers(bool packageOverFtp) const
{
    const QString files = (packageOverFtp ? ftpBase() : webBase()) + QStringLiteral("/setup");
    return {webBase(), files, packageOverFtp ? User : QString(),
            packageOverFtp ? Password : QString()};
}

void LocalServers::writeFile(const QString &relative, const QByteArray &content)
{
    const QString path = m_dir.filePath(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}
