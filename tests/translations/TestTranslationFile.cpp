#include "TsCatalogue.h"

#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// The Italian translation file: every interface text of the sources is in it, translated, with
// the same placeholders, shortcut hints and accelerators as the English text.
class TestTranslationFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void faultsAreFound_data();
    void faultsAreFound();
    void everyTextIsTranslatedFaithfully();
    void everySourceTextIsInTheFile();

private:
    QList<TsMessage> m_messages;
};

void TestTranslationFile::initTestCase()
{
    QString error;
    m_messages = readTsFile(qEnvironmentVariable("VERDIMO_TS_FILE"), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!m_messages.isEmpty());
}

void TestTranslationFile::faultsAreFound_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<bool>("unfinished");
    QTest::addColumn<QString>("problem");

    QTest::newRow("faithful") << "&Copy\tCtrl+C"
                              << "&Copia\tCtrl+C" << false << "";
    QTest::newRow("placeholders reordered") << "From %1 To %2"
                                            << "Al %2 dal %1" << false << "";
    QTest::newRow("literal ampersand") << "A && B"
                                       << "A && B" << false << "";
    QTest::newRow("unfinished") << "Rain"
                                << "Pioggia" << true << "unfinished";
    QTest::newRow("empty") << "Rain"
                           << "" << false << "empty translation";
    QTest::newRow("placeholder lost") << "Page %1 of %2"
                                      << "Pagina %1" << false << "placeholders %1 instead of %1 %2";
    QTest::newRow("printf placeholder changed")
        << "Importing item %s"
        << "Importazione articolo %d" << false << "placeholders %d instead of %s";
    QTest::newRow("shortcut hint changed")
        << "&Paste\tCtrl+V"
        << "&Incolla\tCtrl+I" << false << "shortcut hint \"Ctrl+I\" instead of \"Ctrl+V\"";
    QTest::newRow("accelerator lost") << "&Help"
                                      << "Guida" << false << "0 accelerators instead of 1";
    QTest::newRow("label blanks lost") << " Worker "
                                       << "Operaio" << false << "blanks at the ends differ";
}

void TestTranslationFile::faultsAreFound()
{
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QFETCH(bool, unfinished);
    QFETCH(QString, problem);
    TsMessage message;
    message.source = source;
    message.translations = {translation};
    message.unfinished = unfinished;
    QCOMPARE(translationProblems(message).join(QLatin1Char('\n')), problem);
}

void TestTranslationFile::everyTextIsTranslatedFaithfully()
{
    QStringList faults;
    for (const TsMessage &message : std::as_const(m_messages)) {
        if (message.obsolete)
            continue;
        for (const QString &problem : translationProblems(message))
            faults.append(message.name() + QStringLiteral(": ") + problem);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// Extracts the texts of the sources afresh, so a text added to the code without running
// scripts/update-translations.sh and translating it is found too.
void TestTranslationFile::everySourceTextIsInTheFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString extracted = dir.filePath(QStringLiteral("extracted_it.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(qEnvironmentVariable("VERDIMO_LUPDATE"),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   qEnvironmentVariable("VERDIMO_SOURCE_DIR"), QStringLiteral("-ts"), extracted});
    QVERIFY2(lupdate.waitForFinished(120000), qPrintable(lupdate.errorString()));
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
             lupdate.readAll().constData());

    QString error;
    const QList<TsMessage> sourceTexts = readTsFile(extracted, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!sourceTexts.isEmpty());

    QSet<QString> translated;
    for (const TsMessage &message : std::as_const(m_messages)) {
        if (!message.obsolete && translationProblems(message).isEmpty())
            translated.insert(message.name());
    }
    QStringList missing;
    for (const TsMessage &text : sourceTexts) {
        if (!translated.contains(text.name()))
            missing.append(text.name());
    }
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("texts without a finished translation (run "
                                       "scripts/update-translations.sh and translate them):\n") +
                        missing.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestTranslationFile)
#include "TestTranslationFile.moc"
