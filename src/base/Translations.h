#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The interface language. The Language setting (section "Settings") holds one of the choices
// below; a missing or unknown value counts as "System". Numbers, money and dates follow it too
// (the default QLocale): an Italian interface writes Italian figures and dates whatever the
// desktop's region, an English one keeps the user's regional conventions.
namespace Translations {
inline const QString SystemChoice = QStringLiteral("System");
inline const QString EnglishChoice = QStringLiteral("English");
inline const QString ItalianChoice = QStringLiteral("Italiano");

// The language a choice asks for. "System" follows the desktop's preferred languages (most
// preferred first, as QLocale::uiLanguages gives them): the first of them that the program
// speaks decides, and English is taken when none does.
QLocale::Language chosenLanguage(const QString &choice, const QStringList &desktopLanguages);

// Where the program's .qm files are looked for: <program folder>/translations (the build's stage
// folder) and then <program folder>/../share/verdimo/translations (an installation).
QStringList searchFolders();

// The locale of figures and dates for an interface in language: the desktop's own when it
// speaks that language (it_CH keeps its own conventions) or the language is English, else the
// language's main region.
QLocale formatsFor(QLocale::Language language, const QLocale &desktop);
} // namespace Translations

// Installs on app the program's translation for the language of choice (desktop languages from
// QLocale::system()) together with Qt's own translation of its dialogs, replacing any installed
// by an earlier call, and makes the locale of that language the default. Returns the language
// the interface now speaks: English when the choice is English or the program's Italian file is
// missing from every folder.
QLocale::Language installTranslations(QCoreApplication &app, const QString &choice);
QLocale::Language installTranslations(QCoreApplication &app, const QString &choice,
                                      const QStringList &folders);
