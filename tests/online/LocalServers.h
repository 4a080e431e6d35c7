#pragma once

#include "online/UpdateServers.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A web server and a passive FTP server on 127.0.0.1 over one temporary folder, and a port
// that accepts connections but never answers; started by the test and stopped with it.
class LocalServers
{
public:
    static inline const QString User = QStringLiteral("farm");
    static inline const QString Password = QStringLiteral("s3cret");

    LocalServers();
    ~LocalServers();

    QString folder() const { return m_dir.path(); }
    QString webBase() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_httpPort); }
    QString ftpBase() const { return QStringLiteral("ftp://127.0.0.1:%1").arg(m_ftpPort); }
    QString silentBase() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_silentPort); }

    // The version text the web server publishes.
    void publishVersion(const QByteArray &text);
    // The package and, when given, its signature, in the folder "setup".
    void publishPackage(const QByteArray &content, const QByteArray &signature);
    void removeSignature();

    // Web server for the version, the package from the FTP (or web) server's folder "setup".
    UpdateServers servers(bool packageOverFtp = true) const;

private:
    void writeFile(const QString &relative, const QByteArray &content);

    QTemporaryDir m_dir;
    QProcess m_process;
    int m_httpPort = 0;
    int m_ftpPort = 0;
    int m_silentPort = 0;
};
