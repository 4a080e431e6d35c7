#include "TestEnvironment.h"
#include "app/HelpPages.h"

#include <QDir>
#include <QFile>
#include <QTest>

// Help opens the offline manual installed with the program, in the interface's language, at the
// topic's section; without it the web pages.
class TestHelpPages : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

    void writeManual(const QString &folder)
    {
        for (const char *language : {"en", "it"}) {
            QDir().mkpath(folder + '/' + language);
            QFile page(folder + '/' + language + "/index.html");
            QVERIFY(page.open(QIODevice::WriteOnly));
            page.write("<html></html>");
        }
    }

private slots:
    void theManualBesideTheProgramsOrInstalled()
    {
        const QString stage = m_env.path("stage");
        writeManual(stage + "/manual");
        QCOMPARE(HelpPages::manualUrl(3, stage, QLocale::English).toLocalFile(),
                 stage + "/manual/en/index.html");
        QCOMPARE(HelpPages::manualUrl(3, stage, QLocale::English).fragment(), "settings");
        QCOMPARE(HelpPages::manualUrl(7, stage, QLocale::Italian).toLocalFile(),
                 stage + "/manual/it/index.html");
        // The contents for topic 0.
        QCOMPARE(HelpPages::manualUrl(0, stage, QLocale::English).fragment(), QString());

        const QString prefix = m_env.path("usr");
        writeManual(prefix + "/share/verdimo/manual");
        QDir().mkpath(prefix + "/bin");
        QCOMPARE(HelpPages::manualUrl(1, prefix + "/bin", QLocale::English).toLocalFile(),
                 prefix + "/share/verdimo/manual/en/index.html");
        QCOMPARE(HelpPages::manualUrl(1, prefix + "/bin", QLocale::English).fragment(), "cards");

        QVERIFY(!HelpPages::manualUrl(1, m_env.path("nowhere"), QLocale::English).isValid());
    }

    // This test runs beside no manual: help goes to the web pages.
    void withoutTheManualTheWebPages()
    {
        QCOMPARE(HelpPages::helpUrl(3),
                 QUrl(HelpPages::defaultWebSite() + "help/verdimo/settings.php"));
        QVERIFY(!HelpPages::helpUrl(0).isValid());
    }
};

QTEST_GUILESS_MAIN(TestHelpPages)
#include "TestHelpPages.moc"
