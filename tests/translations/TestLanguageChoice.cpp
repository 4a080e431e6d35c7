#include "base/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTest>

// The Language setting and the translations it installs: the built Italian file and Qt's own.
class TestLanguageChoice : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void choiceAndDesktopGiveTheLanguage_data();
    void choiceAndDesktopGiveTheLanguage();
    void formatsFollowTheInterfaceLanguage_data();
    void formatsFollowTheInterfaceLanguage();
    void italianChoiceTranslatesProgramAndQtTexts();
    void englishChoiceTakesTheItalianTextsBack();
    void missingItalianFileKeepsEnglish();

private:
    QStringList m_folders;
};

namespace {
QString text(const char *context, const char *source)
{
    return QCoreApplication::translate(context, source);
}
} // namespace

void TestLanguageChoice::initTestCase()
{
    const QString folder =
        QDir(qEnvironmentVariable("VERDIMO_STAGE_DIR")).filePath(QStringLiteral("translations"));
    QVERIFY2(QFileInfo::exists(folder + QStringLiteral("/verdimo_it.qm")), qPrintable(folder));
    m_folders = {QStringLiteral("/nonexistent/verdimo"), folder};
}

void TestLanguageChoice::cleanup()
{
    installTranslations(*QCoreApplication::instance(), Translations::EnglishChoice, m_folders);
}

void TestLanguageChoice::choiceAndDesktopGiveTheLanguage_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<QLocale::Language>("language");

    const QLocale::Language it = QLocale::Italian;
    const QLocale::Language en = QLocale::English;
    QTest::newRow("Italiano on English desktop") << "Italiano" << QStringList{"en-US"} << it;
    QTest::newRow("English on Italian desktop") << "English" << QStringList{"it-IT", "it"} << en;
    QTest::newRow("System, Italian desktop") << "System" << QStringList{"it-IT", "it"} << it;
    QTest::newRow("System, Swiss Italian") << "System" << QStringList{"it-CH"} << it;
    QTest::newRow("System, English desktop") << "System" << QStringList{"en-GB", "it"} << en;
    QTest::newRow("System, German then Italian") << "System" << QStringList{"de-DE", "it"} << it;
    QTest::newRow("System, German only") << "System" << QStringList{"de-DE", "de"} << en;
    QTest::newRow("System, C locale") << "System" << QStringList{"C"} << en;
    QTest::newRow("System, no languages") << "System" << QStringList{} << en;
    QTest::newRow("setting missing") << "" << QStringList{"it-IT"} << it;
    QTest::newRow("setting unknown") << "Deutsch" << QStringList{"en-US"} << en;
}

void TestLanguageChoice::choiceAndDesktopGiveTheLanguage()
{
    QFETCH(QString, choice);
    QFETCH(QStringList, desktop);
    QFETCH(QLocale::Language, language);
    QCOMPARE(Translations::chosenLanguage(choice, desktop), language);
}

void TestLanguageChoice::formatsFollowTheInterfaceLanguage_data()
{
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<QString>("formats");

    const QLocale::Language it = QLocale::Italian;
    const QLocale::Language en = QLocale::English;
    QTest::newRow("Italian on an American desktop") << it << "en_US"
                                                    << "it_IT";
    QTest::newRow("Italian on a German desktop") << it << "de_DE"
                                                 << "it_IT";
    QTest::newRow("Italian on a Swiss Italian desktop") << it << "it_CH"
                                                        << "it_CH";
    QTest::newRow("English on an Italian desktop") << en << "it_IT"
                                                   << "it_IT";
    QTest::newRow("English on a British desktop") << en << "en_GB"
                                                  << "en_GB";
}

void TestLanguageChoice::formatsFollowTheInterfaceLanguage()
{
    QFETCH(QLocale::Language, language);
    QFETCH(QString, desktop);
    QFETCH(QString, formats);
    QCOMPARE(Translations::formatsFor(language, QLocale(desktop)).name(), formats);
}

void TestLanguageChoice::italianChoiceTranslatesProgramAndQtTexts()
{
    QCOMPARE(
        installTranslations(*QCoreApplication::instance(), Translations::ItalianChoice, m_folders),
        QLocale::Italian);
    QCOMPARE(text("CMainFrame", "&Edit"), QStringLiteral("&Modifica"));
    QCOMPARE(text("Report", "Page %1 of %2"), QStringLiteral("Pagina %1 di %2"));
    QCOMPARE(text("WorkListRow", "Worker"), QStringLiteral("Operaio"));
    // Figures and dates are written the Italian way too.
    QCOMPARE(QLocale().language(), QLocale::Italian);
    QCOMPARE(QLocale().toString(8.6, 'f', 2), QStringLiteral("8,60"));

    const QString qtFile =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_it.qm");
    if (!QFileInfo::exists(qtFile))
        QSKIP("Qt's Italian translation (qt6-translations-l10n) is not installed");
    QCOMPARE(text("QPlatformTheme", "Cancel"), QStringLiteral("Annulla"));
    QCOMPARE(text("QPrintDialog", "Print"), QStringLiteral("Stampa"));
}

void TestLanguageChoice::englishChoiceTakesTheItalianTextsBack()
{
    QCoreApplication &app = *QCoreApplication::instance();
    installTranslations(app, Translations::ItalianChoice, m_folders);
    QCOMPARE(installTranslations(app, Translations::EnglishChoice, m_folders), QLocale::English);
    QCOMPARE(text("CMainFrame", "&Edit"), QStringLiteral("&Edit"));
    QCOMPARE(text("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    QCOMPARE(QLocale(), Translations::formatsFor(QLocale::English, QLocale::system()));
}

void TestLanguageChoice::missingItalianFileKeepsEnglish()
{
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("verdimo_it.qm.*not found")));
    QCOMPARE(installTranslations(*QCoreApplication::instance(), Translations::ItalianChoice,
                                 {empty.path()}),
             QLocale::English);
    QCOMPARE(text("CMainFrame", "&Edit"), QStringLiteral("&Edit"));
    QCOMPARE(QLocale(), Translations::formatsFor(QLocale::English, QLocale::system()));
}

QTEST_GUILESS_MAIN(TestLanguageChoice)
#include "TestLanguageChoice.moc"
