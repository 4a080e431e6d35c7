#include "FakePrompter.h"
#include "TestEnvironment.h"
#include "app/CMainFrame.h"
#include "base/Translations.h"
#include "db/FarmSession.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

// The main window's menus in each language: within one menu no two items share a mnemonic, and
// a menu item shows the shortcut that its command has, and only that.
class TestMenuMnemonics : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void menusOfEachLanguage_data();
    void menusOfEachLanguage();

private:
    TestEnvironment m_env;
};

namespace {

// The letter after the single "&" of a text ("&&" is an ampersand shown), lower case; empty
// when the text has none.
QString mnemonicOf(const QString &text)
{
    for (qsizetype at = 0; at + 1 < text.size(); ++at) {
        if (text.at(at) != QLatin1Char('&'))
            continue;
        if (text.at(at + 1) == QLatin1Char('&')) {
            ++at;
            continue;
        }
        return text.at(at + 1).toLower();
    }
    return {};
}

// What the menu shows right of an item: the text's hint after a tab, else the shortcut.
QString shownShortcut(const QAction *action)
{
    const qsizetype tab = action->text().indexOf(QLatin1Char('\t'));
    if (tab >= 0)
        return action->text().mid(tab + 1).trimmed();
    return action->shortcut().toString(QKeySequence::NativeText);
}

// Each item of menu (a title, then its items) with a mnemonic of its own; failures are named.
QStringList faultsOf(const QString &title, const QList<QAction *> &items)
{
    QStringList faults;
    QHash<QString, QString> taken;
    for (const QAction *item : items) {
        if (item->isSeparator())
            continue;
        const QString text = item->text().section(QLatin1Char('\t'), 0, 0);
        const QString letter = mnemonicOf(text);
        if (letter.isEmpty())
            faults << QStringLiteral("%1: \"%2\" has no mnemonic").arg(title, text);
        else if (taken.contains(letter))
            faults << QStringLiteral("%1: \"%2\" and \"%3\" share \"%4\"")
                          .arg(title, taken.value(letter), text, letter);
        taken.insert(letter, text);
        if (!item->shortcuts().isEmpty() && shownShortcut(item).isEmpty())
            faults << QStringLiteral("%1: \"%2\" hides its shortcut").arg(title, text);
        if (item->shortcuts().isEmpty() && item->text().contains(QLatin1Char('\t')))
            faults << QStringLiteral("%1: \"%2\" shows a shortcut it lacks").arg(title, text);
    }
    return faults;
}

} // namespace

void TestMenuMnemonics::cleanup()
{
    installTranslations(*QCoreApplication::instance(), Translations::EnglishChoice);
}

void TestMenuMnemonics::menusOfEachLanguage_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("editMenu");
    QTest::newRow("English") << Translations::EnglishChoice << "&Edit";
    QTest::newRow("Italian") << Translations::ItalianChoice << "&Modifica";
}

void TestMenuMnemonics::menusOfEachLanguage()
{
    QFETCH(QString, choice);
    const QStringList folders{
        QDir(qEnvironmentVariable("VERDIMO_STAGE_DIR")).filePath("translations")};
    const QLocale::Language language =
        installTranslations(*QCoreApplication::instance(), choice, folders);
    QCOMPARE(language, choice == Translations::ItalianChoice ? QLocale::Italian : QLocale::English);
    FarmSession farm;
    FakePrompter prompter;
    CMainFrame frame(farm);
    frame.setPrompter(&prompter);
    frame.createInitialView();

    const QList<QAction *> titles = frame.menuBar()->actions();
    QVERIFY(titles.size() >= 6);
    QStringList faults = faultsOf(QStringLiteral("menu bar"), titles);
    for (const QAction *title : titles) {
        QVERIFY(title->menu());
        faults << faultsOf(title->text(), title->menu()->actions());
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    // The menus are those of the language chosen.
    QTEST(titles.at(1)->text(), "editMenu");
}

QTEST_MAIN(TestMenuMnemonics)
#include "TestMenuMnemonics.moc"
