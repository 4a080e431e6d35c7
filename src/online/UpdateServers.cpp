#include "UpdateServers.h"

#include "base/SettingsKeys.h"

#include <QSettings>

namespace {

// The user's value, else the installation's.
QString configured(const SettingsKeys::TextKey &key)
{
    const QSettings machine(QSettings::SystemScope, QStringLiteral("Brivex"),
                            QStringLiteral("Tellan"));
    const QString machineValue =
        machine.value(key.section + QLatin1Char('/') + key.name).toString();
    return key.read(machineValue).trimmed();
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
    return {configured(SettingsKeys::UpdateWebServer), configured(SettingsKeys::UpdateFileServer),
            configured(SettingsKeys::UpdateFileUser), configured(SettingsKeys::UpdateFilePassword)};
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
