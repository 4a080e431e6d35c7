#include "HelpPages.h"

#include "base/SettingsKeys.h"

namespace {

QString withSlash(QString site)
{
    if (!site.endsWith(QLatin1Char('/')))
        site += QLatin1Char('/');
    return site;
}

} // namespace

QString HelpPages::webSite()
{
    const QString site = SettingsKeys::WebSite.read();
    return site.trimmed().isEmpty() ? defaultWebSite() : site.trimmed();
}

QString HelpPages::pageName(int topic)
{
    static const char *const names[] = {"form.php",    "operations.php", "settings.php",
                                        "company.php", "print.php",      "data.php",
                                        "graphics.php"};
    if (topic < 1 || topic > int(std::size(names)))
        return {};
    return QString::fromLatin1(names[topic - 1]);
}

QUrl HelpPages::helpUrl(int topic, const QString &site)
{
    if (topic == 0)
        return {};
    return QUrl(withSlash(site) + QStringLiteral("help/verdimo/") + pageName(topic));
}

QUrl HelpPages::productUrl(const QString &site)
{
    return QUrl(withSlash(site) + QStringLiteral("software/verdimo.php"));
}

QString HelpPages::noBrowserText(const QUrl &url)
{
    return tr("No web browser could be started to show this page. Open this address in a "
              "browser yourself:\n%1")
        .arg(url.toString());
}
