#include "FakePrompter.h"
#include "TestEnvironment.h"
#include "app/InstanceLock.h"
#include "app/StartupSteps.h"
#include "base/SettingsStore.h"
#include "online/UpdateServers.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTest>

class TestStartupSteps : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void firstStartTakesTheInstallationKey();
    void firstStartWithoutKeyUsesTheProgramFolder();
    void theKeysDirectoryWinsAtEveryStart();
    void existingWorkingDatabaseIsNeverOverwritten();
    void missingTemplateIsNotReported();
    void userFolderThatCannotBeMadeEndsStartUp();
    void oneRunningCopyPerComputer();
    void displayLimits_data();
    void displayLimits();
    void companyAskedWhileNoNameIsStored();
    void pathsJoinWithOneSeparator();
    void updateServersComeFromTheProtectedFile();

private:
    void writeKey(const QString &name, const QString &value);
    // An installation folder holding the template database as the installer lays it out.
    QString makeInstallation(const QString &name);
    // The start-up steps that place settings and data, in their order.
    QString runSteps(const QString &programFolder);

    TestEnvironment m_env;
    int m_runs = 0;
};

void TestStartupSteps::init()
{
    m_env.clearSettings();
    QSettings key(QSettings::SystemScope, "Brivex", "Tellan");
    key.clear();
    key.sync();
}

void TestStartupSteps::writeKey(const QString &name, const QString &value)
{
    QSettings key(QSettings::SystemScope, "Brivex", "Tellan");
    key.setValue("Settings/" + name, value);
    key.sync();
}

QString TestStartupSteps::makeInstallation(const QString &name)
{
    const QString folder = m_env.path(name);
    QDir().mkpath(folder + "/Database");
    QFile::remove(folder + "/Database/Tellan.mdb");
    if (!QFile::copy(TestEnvironment::templatePath(), folder + "/Database/Tellan.mdb"))
        qFatal("no template database");
    return folder;
}

QString TestStartupSteps::runSteps(const QString &programFolder)
{
    FakePrompter prompter;
    StartupSteps steps(prompter);
    StartupSteps::syncWithInstallationKey();
    const QString install = StartupSteps::installationFolder(programFolder);
    const QString userFolder = steps.userDataFolder(m_env.path(QString("data%1").arg(++m_runs)));
    StartupSteps::placeWorkingDatabase(userFolder, install);
    if (!prompter.verify())
        QTest::qFail("a start-up step showed a message", __FILE__, __LINE__);
    return userFolder;
}

static QString setting(const char *name)
{
    return SettingsStore::readString(SettingsStore::Settings, QString::fromLatin1(name));
}

void TestStartupSteps::firstStartTakesTheInstallationKey()
{
    const QString install = makeInstallation("opt");
    writeKey("Directory", install);
    writeKey("DataInit", "01/01/2020");
    writeKey("DataEnd", "31/12/2020");
    const QString userFolder = runSteps(m_env.path("elsewhere"));
    QCOMPARE(setting("Directory"), install);
    QCOMPARE(setting("DataInit"), QString("01/01/2020"));
    QCOMPARE(setting("DataEnd"), QString("31/12/2020"));
    QVERIFY(userFolder.endsWith("/Brivex/Tellan"));
    QCOMPARE(setting("Database"), userFolder + "/Tellan.mdb");
    QFile copy(userFolder + "/Tellan.mdb");
    QFile original(install + "/Database/Tellan.mdb");
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QVERIFY(original.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), original.readAll());
    QVERIFY(QFileInfo(copy).isWritable());
}

void TestStartupSteps::firstStartWithoutKeyUsesTheProgramFolder()
{
    const QString program = makeInstallation("stage");
    const QString userFolder = runSteps(program);
    QCOMPARE(setting("Directory"), program);
    QCOMPARE(setting("DataInit"), QString());
    QCOMPARE(setting("DataEnd"), QString());
    QVERIFY(QFile::exists(userFolder + "/Tellan.mdb"));
    QVERIFY(QDir::currentPath() != program);
}

void TestStartupSteps::theKeysDirectoryWinsAtEveryStart()
{
    SettingsStore::writeString(SettingsStore::Settings, "Directory", "/old/place");
    SettingsStore::writeString(SettingsStore::Settings, "DataInit", "01/01/2018");
    writeKey("Directory", "/new/place");
    writeKey("DataInit", "01/01/2030");
    StartupSteps::syncWithInstallationKey();
    QCOMPARE(setting("Directory"), QString("/new/place"));
    // Only the folder follows the key once the user has settings of his own.
    QCOMPARE(setting("DataInit"), QString("01/01/2018"));
    QCOMPARE(StartupSteps::installationFolder("/program"), QString("/new/place"));
}

void TestStartupSteps::existingWorkingDatabaseIsNeverOverwritten()
{
    const QString install = makeInstallation("opt2");
    const QString userFolder = m_env.path("data-existing/Brivex/Tellan");
    QDir().mkpath(userFolder);
    QFile existing(userFolder + "/Tellan.mdb");
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("the farmer's own data");
    existing.close();
    SettingsStore::writeString(SettingsStore::Settings, "Database", "/somewhere/Farm.mdb");

    FakePrompter prompter;
    StartupSteps steps(prompter);
    QCOMPARE(steps.userDataFolder(m_env.path("data-existing")), userFolder);
    StartupSteps::placeWorkingDatabase(userFolder, install);
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("the farmer's own data"));
    QCOMPARE(setting("Database"), QString("/somewhere/Farm.mdb"));
    QVERIFY(prompter.verify());
}

void TestStartupSteps::missingTemplateIsNotReported()
{
    const QString userFolder = runSteps(m_env.path("no-installation"));
    QVERIFY(!QFile::exists(userFolder + "/Tellan.mdb"));
    QCOMPARE(setting("Database"), userFolder + "/Tellan.mdb");
}

void TestStartupSteps::userFolderThatCannotBeMadeEndsStartUp()
{
    QFile blocker(m_env.path("blocked"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    FakePrompter prompter;
    prompter.expect(Prompter::Icon::Error, "Unable to create user folder!");
    StartupSteps steps(prompter);
    QCOMPARE(steps.userDataFolder(m_env.path("blocked")), QString());
    QVERIFY(prompter.verify());
}

void TestStartupSteps::oneRunningCopyPerComputer()
{
    const QString lockPath = m_env.path("instance.lock");
    FakePrompter prompter;
    StartupSteps steps(prompter);
    auto first = steps.claimSingleInstance(lockPath);
    QVERIFY(first);
    prompter.expect(Prompter::Icon::Error, "For synchronization data only one instance of the "
                                           "application per computer can be started!");
    QVERIFY(!steps.claimSingleInstance(lockPath));
    first.reset();
    QVERIFY(steps.claimSingleInstance(lockPath));
    QVERIFY(prompter.verify());
}

void TestStartupSteps::displayLimits_data()
{
    QTest::addColumn<bool>("readable");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QString>("message");
    QTest::newRow("exactly enough") << true << 800 << 600 << 16 << QString();
    QTest::newRow("large") << true << 1920 << 1080 << 32 << QString();
    QTest::newRow("narrow") << true << 799 << 600 << 32
                            << "The display resolution of your system is 799x600, it must be at "
                               "least 800x600!";
    QTest::newRow("low") << true << 800 << 599 << 32
                         << "The display resolution of your system is 800x599, it must be at "
                            "least 800x600!";
    QTest::newRow("shallow") << true << 800 << 600 << 15
                             << "Your video depth color is 32,768.00 and should be at least 16 "
                                "bits (over 64,000 colors)!";
    QTest::newRow("unreadable") << false << 0 << 0 << 0 << QString();
}

void TestStartupSteps::displayLimits()
{
    QFETCH(bool, readable);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, depth);
    QFETCH(QString, message);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    FakePrompter prompter;
    if (!message.isEmpty())
        prompter.expect(Prompter::Icon::Error, message);
    StartupSteps steps(prompter);
    const bool accepted = readable && message.isEmpty();
    QCOMPARE(steps.checkDisplay({readable, width, height, depth}), accepted);
    QVERIFY(prompter.verify());
}

void TestStartupSteps::companyAskedWhileNoNameIsStored()
{
    QVERIFY(StartupSteps::companyMissing());
    SettingsStore::writeString(SettingsStore::Settings, "DittaRagSoc", "Rossi");
    QVERIFY(!StartupSteps::companyMissing());
}

void TestStartupSteps::pathsJoinWithOneSeparator()
{
    QCOMPARE(StartupSteps::underFolder("/opt/verdimo/", "/Database/Tellan.mdb"),
             QString("/opt/verdimo/Database/Tellan.mdb"));
    QCOMPARE(StartupSteps::underFolder("/opt/verdimo", "Database/Tellan.mdb"),
             QString("/opt/verdimo/Database/Tellan.mdb"));
}

// The installation keeps the update servers and the password in the organisation's file
// (/etc/xdg/Brivex.conf, readable by root and the group verdimo only), apart from the settings
// every user reads; the program finds them there, and a user's own value still wins.
void TestStartupSteps::updateServersComeFromTheProtectedFile()
{
    QSettings secrets(QSettings::SystemScope, "Brivex");
    secrets.setValue("Settings/UpdateFileServer", "ftp://files.example/verdimo");
    secrets.setValue("Settings/UpdateFilePassword", "s3cret");
    secrets.sync();
    writeKey("Directory", "/usr/share/verdimo");

    UpdateServers servers = UpdateServers::fromSettings();
    QCOMPARE(servers.fileServer, QStringLiteral("ftp://files.example/verdimo"));
    QCOMPARE(servers.filePassword, QStringLiteral("s3cret"));

    SettingsStore::writeString(SettingsStore::Settings, "UpdateFilePassword", "mine");
    QCOMPARE(UpdateServers::fromSettings().filePassword, QStringLiteral("mine"));
    secrets.clear();
    secrets.sync();
}

QTEST_GUILESS_MAIN(TestStartupSteps)
#include "TestStartupSteps.moc"
