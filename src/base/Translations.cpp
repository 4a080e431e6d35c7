#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
// Marks the translators installed here so that a later call can take them back.
const QString TranslatorName = QStringLiteral("verdimo-translator");

bool isItalian(const QString &language)
{
    return QLocale(language).language() == QLocale::Italian;
}

bool isEnglish(const QString &language)
{
    return QLocale(language).language() == QLocale::English;
}

void removeInstalled(QCoreApplication &app)
{
    const auto translators = app.findChildren<QTranslator *>(TranslatorName);
    for (QTranslator *translator : translators) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

bool install(QCoreApplication &app, const QString &fileName, const QStringList &folders)
{
    auto translator = new QTranslator(&app);
    translator->setObjectName(TranslatorName);
    for (const QString &folder : folders) {
        if (translator->load(fileName, folder) && QCoreApplication::installTranslator(translator))
            return true;
    }
    delete translator;
    return false;
}
bool installItalian(QCoreApplication &app, const QStringList &folders)
{
    if (!install(app, QStringLiteral("verdimo_it"), folders)) {
        qWarning("The Italian interface texts (verdimo_it.qm) were not found in %s; the "
                 "interface stays in English.",
                 qPrintable(folders.join(QStringLiteral(", "))));
        return false;
    }
    // Qt's own dialogs (print, file) speak Italian too when Qt's translation is installed.
    install(app, QStringLiteral("qtbase_it"), {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    return true;
}
} // namespace

QLocale::Language Translations::chosenLanguage(const QString &choice,
                                               const QStringList &desktopLanguages)
{
    if (choice == ItalianChoice)
        return QLocale::Italian;
    if (choice == EnglishChoice)
        return QLocale::English;
    for (const QString &language : desktopLanguages) {
        if (isItalian(language))
            return QLocale::Italian;
        if (isEnglish(language))
            return QLocale::English;
    }
    return QLocale::English;
}

QStringList Translations::searchFolders()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {
        programFolder.filePath(QStringLiteral("translations")),
        QDir::cleanPath(programFolder.filePath(QStringLiteral("../share/verdimo/translations")))};
}

QLocale Translations::formatsFor(QLocale::Language language, const QLocale &desktop)
{
    if (language == QLocale::English || desktop.language() == language)
        return desktop;
    return QLocale(language);
}

QLocale::Language installTranslations(QCoreApplication &app, const QString &choice)
{
    return installTranslations(app, choice, Translations::searchFolders());
}

QLocale::Language installTranslations(QCoreApplication &app, const QString &choice,
                                      const QStringList &folders)
{
    removeInstalled(app);
    const QLocale::Language language =
        Translations::chosenLanguage(choice, QLocale::system().uiLanguages());
    const QLocale::Language speaking = language == QLocale::Italian && installItalian(app, folders)
                                           ? QLocale::Italian
                                           : QLocale::English;
    QLocale::setDefault(Translations::formatsFor(speaking, QLocale::system()));
    return speaking;
}
