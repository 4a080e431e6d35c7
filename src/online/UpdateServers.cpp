#include "UpdateServers.h"

#include "base/SettingsStore.h"

#include <QSettings>

namespace {

QString configured(const QString &name)
{
    const QSettings machine(QSettings::SystemScope, QStringLiteral("Brivex"),
                            QStringLiteral("Tellan"));
    const QString machineValue =
        machine.value(SettingsStore::Settings + QLatin1Char('/') + name).toString();
    return SettingsStore::readString(SettingsStore::Settings, name, machineValue).trimmed();
}

// The base address with one "/" and the relative path after it.
QUrl under(const QString &base, const QString &relative)
{
    if (base.isEmpty())
        return {};
    QString head = base;
    while (head.endsWith(QLatin1Char('/')))
        head.chop(1);
    const QUrl url(head + QLatin1Char('/') + relative, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    const bool supported = scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
                           scheme == QLatin1String("ftp");
    return url.isValid() && supported && !url.host().isEmpty() ? url : QUrl();
}

} // namespace

UpdateServers UpdateServers::fromSettings()
{
    return {configured(QStringLiteral("UpdateWebServer")),
            configured(QStringLiteral("UpdateFileServer")),
            configured(QStringLiteral("UpdateFileUser")),
            configured(QStringLiteral("UpdateFilePassword"))};
}

QString UpdateServers::packageName()
{
    return QStringLiteral("VerdimoSetup.deb");
}

QUrl UpdateServers::versionUrl() const
{
    const QUrl url = under(webServer, QStringLiteral("script/VerVerdimo.txt"));
    return url.scheme().toLower() == QLatin1String("ftp") ? QUrl() : url;
}

QUrl UpdateServers::packageUrl() const
{
    return under(fileServer, packageName());
}

QUrl UpdateServers::signatureUrl() const
{
    return under(fileServer, packageName() + QStringLiteral(".sig"));
}
