#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QUrl>

// Where the program's help is read: the offline manual installed with the program (English or
// Italian, as the interface), one section per help topic, or, without it, the help pages on the
// maker's web site. The site address is the setting WebSite (section Settings), so an
// installation can point the program at a mirror.
class HelpPages
{
    Q_DECLARE_TR_FUNCTIONS(HelpPages)

public:
    static QString defaultWebSite() { return QStringLiteral("https://www.brivex.it/"); }
    static QString webSite();

    // The page name of a help topic; empty for topics without a page of their own.
    static QString pageName(int topic);
    // The section of the offline manual for a topic; empty for the manual's start.
    static QString sectionName(int topic);

    // What a help topic opens: its section of the offline manual when the manual is installed,
    // else its web page. Empty for topic 0 (nothing to open).
    static QUrl helpUrl(int topic);
    // The web help address of a topic: the help base address alone for a topic without a page.
    static QUrl webHelpUrl(int topic, const QString &site = webSite());
    // The offline manual (its contents for topic 0); empty when it is not installed.
    static QUrl manualUrl(int topic = 0);
    // The same, with the places to look in and the language given.
    static QUrl manualUrl(int topic, const QString &appDir, QLocale::Language language);
    static QUrl productUrl(const QString &site = webSite());
    // What the user reads when no web browser could be started for an address.
    static QString noBrowserText(const QUrl &url);
};
