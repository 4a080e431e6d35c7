#include "HelpPages.h"

#include "base/SettingsKeys.h"
#include "base/Translations.h"

#include <QDir>
#include <QFileInfo>

#include <iterator>

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

QString HelpPages::sectionName(int topic)
{
    static const char *const names[] = {"cards",    "work-entry", "settings", "company",
                                        "printing", "registries", "chart"};
    if (topic < 1 || topic > int(std::size(names)))
        return {};
    return QString::fromLatin1(names[topic - 1]);
}

QUrl HelpPages::helpUrl(int topic)
{
    if (topic == 0)
        return {};
    const QUrl manual = manualUrl(topic);
    return manual.isValid() ? manual : webHelpUrl(topic);
}

QUrl HelpPages::webHelpUrl(int topic, const QString &site)
{
    if (topic == 0)
        return {};
    return QUrl(withSlash(site) + QStringLiteral("help/verdimo/") + pageName(topic));
}

QUrl HelpPages::manualUrl(int topic)
{
    const QLocale::Language language = Translations::chosenLanguage(
        SettingsKeys::Language.read(), QLocale::system().uiLanguages());
    return manualUrl(topic, QCoreApplication::applicationDirPath(), language);
}

QUrl HelpPages::manualUrl(int topic, const QString &appDir, QLocale::Language language)
{
    if (appDir.isEmpty())
        return {};
    const QString page =
        (language == QLocale::Italian ? QStringLiteral("it") : QStringLiteral("en")) +
        QStringLiteral("/index.html");
    // Beside the programs in the build's stage folder, or under share/verdimo when installed.
    const QDir dir(appDir);
    for (const QString &folder :
         {QStringLiteral("manual"), QStringLiteral("../share/verdimo/manual")}) {
        const QString path = QDir::cleanPath(dir.filePath(folder + QLatin1Char('/') + page));
        if (QFileInfo(path).isFile()) {
            QUrl url = QUrl::fromLocalFile(path);
            if (!sectionName(topic).isEmpty())
                url.setFragment(sectionName(topic));
            return url;
        }
    }
    return {};
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
