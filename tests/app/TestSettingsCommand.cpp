#include "FakePrompter.h"
#include "TestEnvironment.h"
#include "app/CPropDialog.h"
#include "app/SettingsCommand.h"
#include "base/SettingsStore.h"
#include "base/Translations.h"
#include "base/WorkingPeriod.h"
#include "db/Database.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestSettingsCommand : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_env.clearSettings(); }
    void loadsTheStoredValuesWithDefaults();
    void okChecks_data();
    void okChecks();
    void acceptsAGoodDatabaseAndPeriod();
    void applyStoresOnlyWhatChanged_data();
    void applyStoresOnlyWhatChanged();
    void dialogClosesOnlyOnPassedChecks();
    void languageChoiceIsTakenAtTheNextStart();
    void browseStartsInThePathsFolder_data();
    void browseStartsInThePathsFolder();

private:
    QString databaseWith(const QString &name, const QString &sql);

    TestEnvironment m_env;
};

QString TestSettingsCommand::databaseWith(const QString &name, const QString &sql)
{
    const QString path = m_env.path(name);
    QFile::remove(path);
    Database::create(path);
    Database db;
    db.open(path);
    db.execute(sql);
    db.close();
    return path;
}

void TestSettingsCommand::loadsTheStoredValuesWithDefaults()
{
    PropValues values = SettingsCommand::load();
    QCOMPARE(values.path, QString());
    QCOMPARE(values.start, QDate(2015, 1, 1));
    QCOMPARE(values.end, QDate(2015, 12, 31));
    SettingsStore::writeString(SettingsStore::Settings, "Database", "/farm/Tellan.mdb");
    SettingsStore::writeString(SettingsStore::Settings, "DataInit", "01/03/2016");
    SettingsStore::writeString(SettingsStore::Settings, "DataEnd", "30/09/2016");
    values = SettingsCommand::load();
    QCOMPARE(values.path, QString("/farm/Tellan.mdb"));
    QCOMPARE(values.start, QDate(2016, 3, 1));
    QCOMPARE(values.end, QDate(2016, 9, 30));
}

void TestSettingsCommand::okChecks_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QStringList>("messages");
    const QDate jan1(2016, 1, 1);
    const QDate jan2(2016, 1, 2);
    const QString invalid = "Invalid database!";
    QTest::newRow("path too long")
        << QString(256, 'a') << jan1 << jan2
        << QStringList{"Enter no more than 255 characters.", "Data not consistent!"};
    QTest::newRow("same day") << "template" << jan1 << jan1
                              << QStringList{"The start date must be less than the final date!"};
    QTest::newRow("end before start")
        << "template" << jan2 << jan1
        << QStringList{"The start date must be less than the final date!"};
    QTest::newRow("missing file") << "missing" << jan1 << jan2
                                  << QStringList{"Database not found!", invalid};
    QTest::newRow("no card table")
        << "nocards" << jan1 << jan2
        << QStringList{"Database not compatible for the Verdimo software!", invalid};
    QTest::newRow("card table without rain")
        << "norain" << jan1 << jan2
        << QStringList{"Database not compatible for the Verdimo software!", invalid};
}

void TestSettingsCommand::okChecks()
{
    QFETCH(QString, file);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QStringList, messages);
    QString path = file;
    if (file == "template")
        path = m_env.copyTemplate();
    else if (file == "missing")
        path = m_env.path("missing.mdb");
    else if (file == "nocards")
        path = databaseWith("nocards.mdb", "CREATE TABLE Other (Id INTEGER)");
    else if (file == "norain")
        path = databaseWith("norain.mdb", "CREATE TABLE Scheda (Fattore TEXT, Assenti TEXT)");

    FakePrompter prompter;
    for (const QString &message : messages)
        prompter.expect(Prompter::Icon::Error, message);
    QVERIFY(!SettingsCommand::validate({path, start, end, QString()}, prompter));
    QVERIFY(prompter.verify());
}

void TestSettingsCommand::acceptsAGoodDatabaseAndPeriod()
{
    FakePrompter prompter;
    QVERIFY(SettingsCommand::validate(
        {m_env.copyTemplate(), QDate(2016, 1, 1), QDate(2016, 1, 2), QString()}, prompter));
    QVERIFY(prompter.verify());
}

void TestSettingsCommand::applyStoresOnlyWhatChanged_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("nothing") << "/a.mdb" << QDate(2015, 1, 1) << QDate(2015, 12, 31)
                             << QStringList{};
    QTest::newRow("period") << "/a.mdb" << QDate(2015, 1, 1) << QDate(2015, 6, 30)
                            << QStringList{"period 01/01/2015 30/06/2015 /a.mdb"};
    QTest::newRow("database") << "/b.mdb" << QDate(2015, 1, 1) << QDate(2015, 12, 31)
                              << QStringList{"reload /b.mdb 01/01/2015"};
    // The database is reopened still under the old period, then the new period is applied.
    QTest::newRow("both") << "/b.mdb" << QDate(2016, 1, 1) << QDate(2016, 12, 31)
                          << QStringList{"reload /b.mdb 01/01/2015",
                                         "period 01/01/2016 31/12/2016 /b.mdb"};
    QTest::newRow("path differs only in case")
        << "/A.mdb" << QDate(2015, 1, 1) << QDate(2015, 12, 31)
        << QStringList{"reload /A.mdb 01/01/2015"};
}

void TestSettingsCommand::applyStoresOnlyWhatChanged()
{
    QFETCH(QString, path);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QStringList, calls);
    SettingsStore::writeString(SettingsStore::Settings, "Database", "/a.mdb");
    const PropValues before = SettingsCommand::load();
    const auto stored = [](const char *name) {
        return SettingsStore::readString(SettingsStore::Settings, QString::fromLatin1(name));
    };
    QStringList seen;
    const SettingsCommand::Outcome outcome = SettingsCommand::apply(
        before, {path, start, end, before.language},
        [&] {
            seen << "reload " + stored("Database") + " " +
                        WorkingPeriod::fromSettings().start.toString("dd/MM/yyyy");
        },
        [&] {
            seen << "period " + stored("DataInit") + " " + stored("DataEnd") + " " +
                        stored("Database");
        });
    QCOMPARE(seen, calls);
    QCOMPARE(outcome.databaseChanged, path != "/a.mdb");
    QCOMPARE(outcome.periodChanged, calls.join(' ').contains("period"));
    if (!outcome.periodChanged) {
        // Nothing was written: the defaults still come from the readers.
        QCOMPARE(stored("DataInit"), QString());
        QCOMPARE(stored("DataEnd"), QString());
    }
}

void TestSettingsCommand::browseStartsInThePathsFolder_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("unix path") << "/home/anna/Data/Farm.mdb"
                               << "/home/anna/Data"
                               << "Farm";
    QTest::newRow("windows path") << "C:\\Data\\Tellan.mdb"
                                  << "C:\\Data"
                                  << "Tellan";
    QTest::newRow("bare name") << "Farm.mdb"
                               << ""
                               << "Verdimo";
    QTest::newRow("root") << "/Farm.mdb"
                          << "/"
                          << "Farm";
}

void TestSettingsCommand::browseStartsInThePathsFolder()
{
    QFETCH(QString, text);
    const SettingsCommand::BrowseStart start = SettingsCommand::browseStart(text);
    QTEST(start.folder, "folder");
    QTEST(start.name, "name");
}

void TestSettingsCommand::dialogClosesOnlyOnPassedChecks()
{
    FakePrompter prompter;
    QList<int> help;
    CPropDialog dialog(prompter, [&](int topic) { help << topic; });
    QCOMPARE(dialog.windowTitle(), QString("Settings"));
    QCOMPARE(dialog.startPicker()->date(), QDate::currentDate());
    QCOMPARE(dialog.pathField()->text(), QString());
    const QString path = m_env.copyTemplate();
    dialog.setValues({path, QDate(2016, 1, 1), QDate(2016, 1, 1), QString()});
    dialog.show();
    prompter.expect(Prompter::Icon::Error, "The start date must be less than the final date!");
    dialog.accept();
    QVERIFY(dialog.isVisible());
    for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
        if (button->text() == "&Help")
            button->click();
    }
    QCOMPARE(help, QList<int>({3}));
    QVERIFY(dialog.isVisible());
    // The long format stays, and a date can be typed over it.
    QCOMPARE(dialog.endPicker()->text(),
             QLocale().toString(QDate(2016, 1, 1), QLocale::LongFormat));
    dialog.endPicker()->setFocus();
    QTest::keyClicks(dialog.endPicker(),
                     QLocale().toString(QDate(2016, 1, 2), QLocale::ShortFormat));
    // Tab ends the typing, as leaving the field or Enter does.
    QTest::keyClick(dialog.endPicker(), Qt::Key_Tab);
    dialog.accept();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.values().path, path);
    QCOMPARE(dialog.values().end, QDate(2016, 1, 2));
    QVERIFY(prompter.verify());
}

void TestSettingsCommand::languageChoiceIsTakenAtTheNextStart()
{
    const QStringList folders{
        QDir(qEnvironmentVariable("VERDIMO_STAGE_DIR")).filePath("translations")};
    FakePrompter prompter;
    const PropValues before = SettingsCommand::load();
    CPropDialog dialog(prompter, {});
    dialog.setValues(before);
    QCOMPARE(dialog.languageChoice()->currentText(), QString("System"));
    QCOMPARE(dialog.languageChoice()->count(), 3);
    dialog.languageChoice()->setCurrentText("Italiano");
    const SettingsCommand::Outcome outcome =
        SettingsCommand::apply(before, dialog.values(), {}, {});
    QVERIFY(outcome.languageChanged);
    QVERIFY(!outcome.databaseChanged && !outcome.periodChanged);
    // The running interface keeps its language until the program starts again.
    QCOMPARE(QCoreApplication::translate("CPropDialog", "Settings"), QString("Settings"));

    QCOMPARE(installTranslations(*QCoreApplication::instance(), SettingsCommand::storedLanguage(),
                                 folders),
             QLocale::Italian);
    QCOMPARE(QCoreApplication::translate("CPropDialog", "Settings"), QString("Impostazioni"));
    installTranslations(*QCoreApplication::instance(), Translations::EnglishChoice, folders);

    CPropDialog again(prompter, {});
    again.setValues(SettingsCommand::load());
    QCOMPARE(again.languageChoice()->currentText(), QString("Italiano"));
}

QTEST_MAIN(TestSettingsCommand)
#include "TestSettingsCommand.moc"
