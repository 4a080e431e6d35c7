#pragma once

#include <QCoreApplication>
#include <QString>
#include <QUrl>

// The addresses of the online help pages and of the product page on the maker's web site.
// The site address is the setting WebSite (section Settings), so an installation can point
// the program at a mirror.
class HelpPages
{
    Q_DECLARE_TR_FUNCTIONS(HelpPages)

public:
    static QString defaultWebSite() { return QStringLiteral("https://www.brivex.it/"); }
    static QString webSite();

    // The page name of a help topic; empty for topics without a page of their own.
    static QString pageName(int topic);
    // The help address of a topic: empty for topic 0 (nothing to open), the help base
    // address alone for a topic without a page.
    static QUrl helpUrl(int topic, const QString &site = webSite());
    static QUrl productUrl(const QString &site = webSite());
    // What the user reads when no web browser could be started for an address.
    static QString noBrowserText(const QUrl &url);
};
