#include "FixedClock.h"
#include "LocalServers.h"
#include "TestEnvironment.h"
#include "TestKeys.h"
#include "base/Prompter.h"
#include "base/SettingsStore.h"
#include "online/DownloadDisplay.h"
#include "online/UpdateController.h"
#include "online/UpdateSchedule.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

namespace {

// Records every message; questions take the queued answers (No when none is left).
class RecordingPrompter : public Prompter
{
public:
    struct Shown
    {
        Icon icon;
        QString text;
    };

    Answer message(Icon icon, const QString &text, Buttons) override
    {
        shown.append({icon, text});
        if (icon != Icon::Question)
            return Answer::Ok;
        if (onQuestion)
            onQuestion();
        return answers.isEmpty() ? Answer::No : answers.takeFirst();
    }
    QString openFileName(const QString &, const QString &, const QString &,
                         const QString &) override
    {
        return {};
    }
    QString saveFileName(const QString &, const QString &, const QString &,
                         const QString &) override
    {
        return {};
    }
    void showHelp(int) override {}

    QStringList texts() const
    {
        QStringList all;
        for (const Shown &message : shown)
            all << message.text;
        return all;
    }

    QList<Shown> shown;
    QList<Answer> answers;
    std::function<void()> onQuestion;
};

class FakeConnection : public ConnectionState
{
public:
    bool isConnected() override
    {
        ++asked;
        return connected;
    }
    bool connected = true;
    int asked = 0;
};

class FakeDisplay : public DownloadDisplay
{
public:
    struct Record
    {
        bool opened = false;
        bool closed = false;
        QString text;
        int maximum = -1;
        QList<int> values;
    };
    explicit FakeDisplay(Record &record, std::function<void(FakeDisplay &)> onValue)
        : m_record(record), m_onValue(std::move(onValue))
    {
    }
    ~FakeDisplay() override { m_record.closed = true; }

    void setText(int, const QString &text) override { m_record.text = text; }
    void setRange(int, int, int maximum) override { m_record.maximum = maximum; }
    void setValue(int, int value) override
    {
        m_record.values << value;
        if (m_onValue)
            m_onValue(*this);
    }
    void setCancelHandler(std::function<void()> handler) override { m_cancel = std::move(handler); }
    void open() override { m_record.opened = true; }
    void userCancels() { m_cancel(); }

private:
    Record &m_record;
    std::function<void(FakeDisplay &)> m_onValue;
    std::function<void()> m_cancel;
};

const QString Latest = QStringLiteral("You are using the latest version of the program!");
const QString NotConnected =
    QStringLiteral("It should be connected to the Internet to check for updates!");
const QString NotVerified =
    QStringLiteral("The downloaded setup file could not be verified and was deleted.");

QString offer(const QString &version)
{
    return QStringLiteral(
               "Available upgrade to version %1 of the program. Do you want to install it?")
        .arg(version);
}

} // namespace

class TestUpdateController : public QObject
{
    Q_OBJECT

    TestEnvironment m_env;
    LocalServers m_servers;
    TestKeys m_keys = TestKeys::generate();
    QByteArray m_package;
    const QDateTime m_now{QDate(2026, 5, 4), QTime(9, 0, 0)};

    RecordingPrompter m_prompter;
    FakeConnection m_connection;
    std::unique_ptr<FixedClock> m_clock;
    std::unique_ptr<UpdateController> m_controller;
    FakeDisplay::Record m_display;
    std::function<void(FakeDisplay &)> m_onValue;
    QStringList m_opened;
    bool m_openSucceeds = true;
    std::unique_ptr<QTemporaryDir> m_downloads;

    void waitUntilIdle()
    {
        QTRY_COMPARE_WITH_TIMEOUT(m_controller->state(), UpdateController::State::Idle, 30000);
    }

    // Runs the "&Update" command (or the automatic check) to its end.
    void check(bool automatic)
    {
        m_controller->checkNow(automatic);
        waitUntilIdle();
    }

    QStringList downloadedFiles() const { return QDir(m_downloads->path()).entryList(QDir::Files); }

    QString lastCheck() const
    {
        return SettingsStore::readString(SettingsStore::Settings, QStringLiteral("DtUpdShow"));
    }

private slots:
    void initTestCase()
    {
        m_package = QByteArray(4 * 1024 * 1024, 'v');
        for (qsizetype i = 0; i < m_package.size(); i += 4096)
            m_package[i] = char(i / 4096);
    }

    void init()
    {
        m_env.clearSettings();
        m_servers.publishVersion("3.1.1\n");
        m_servers.publishPackage(m_package, m_keys.sign(m_package));
        m_prompter = {};
        m_connection.connected = true;
        m_connection.asked = 0;
        m_display = {};
        m_onValue = {};
        m_opened.clear();
        m_openSucceeds = true;
        m_downloads = std::make_unique<QTemporaryDir>();
        m_clock = std::make_unique<FixedClock>(m_now);

        TransferLimits limits;
        limits.connectSeconds = 2;
        limits.stallSeconds = 2;
        limits.textSeconds = 2;
        limits.attempts = 2;
        limits.retryPauseMilliseconds = 100;

        m_controller = std::make_unique<UpdateController>(m_prompter);
        m_controller->setClock(m_clock.get());
        m_controller->setConnectionState(&m_connection);
        m_controller->setServers(m_servers.servers());
        m_controller->setPublicKey(m_keys.publicKey);
        m_controller->setCurrentVersion(QStringLiteral("3.1.0"));
        m_controller->setLimits(limits);
        m_controller->setDownloadFolder(m_downloads->path());
        m_controller->setDisplayFactory(
            [this] { return std::make_unique<FakeDisplay>(m_display, m_onValue); });
        m_controller->setOpener([this](const QString &path) {
            m_opened << path;
            return m_openSucceeds;
        });
    }

    void cleanup() { m_controller.reset(); }

    void commandAnswers_data()
    {
        QTest::addColumn<QByteArray>("published");
        QTest::addColumn<QString>("message");
        QTest::newRow("same") << QByteArray("3.1.0") << Latest;
        QTest::newRow("next with line break") << QByteArray("3.1.1\r\n") << offer("3.1.1");
        QTest::newRow("no dot") << QByteArray("4") << Latest;
        QTest::newRow("3.0.10") << QByteArray("3.0.10") << Latest;
        QTest::newRow("3.10.0") << QByteArray("3.10.0") << offer("3.10.0");
    }
    void commandAnswers()
    {
        QFETCH(QByteArray, published);
        QFETCH(QString, message);
        m_servers.publishVersion(published);
        check(false);
        QCOMPARE(m_prompter.texts(), QStringList{message});
        // Only an offer is remembered as the last check.
        QCOMPARE(lastCheck().isEmpty(), message == Latest);
        QVERIFY(!m_display.opened);
    }

    void failedCheckOffersNothing_data()
    {
        QTest::addColumn<QString>("webServer");
        QTest::newRow("missing text") << m_servers.webBase() + "/nothing-here";
        QTest::newRow("refused") << QStringLiteral("http://127.0.0.1:1");
        QTest::newRow("never answers") << m_servers.silentBase();
    }
    void failedCheckOffersNothing()
    {
        QFETCH(QString, webServer);
        UpdateServers servers = m_servers.servers();
        servers.webServer = webServer;
        m_controller->setServers(servers);
        for (const bool automatic : {false, true}) {
            m_prompter.shown.clear();
            check(automatic);
            QCOMPARE(m_prompter.shown.size(), 1);
            QCOMPARE(m_prompter.shown.first().icon, Prompter::Icon::Error);
            QVERIFY2(m_prompter.shown.first().text.contains(QLatin1String("could not be read")),
                     qPrintable(m_prompter.shown.first().text));
        }
    }

    // An empty answer or an error page is no version: the user is told so, even by the
    // automatic check, and nothing is offered.
    void answerThatIsNoVersion()
    {
        for (const QByteArray &published : {QByteArray(), QByteArray("<html>Error</html>")}) {
            m_servers.publishVersion(published);
            m_prompter.shown.clear();
            check(false);
            QCOMPARE(m_prompter.shown.size(), 1);
            QCOMPARE(m_prompter.shown.first().icon, Prompter::Icon::Error);
            QVERIFY2(m_prompter.shown.first().text.startsWith(
                         QLatin1String("The server did not answer with a version: ")),
                     qPrintable(m_prompter.shown.first().text));
            QVERIFY(!m_display.opened);
        }
    }

    void notConnected()
    {
        m_connection.connected = false;
        check(true);
        QCOMPARE(m_prompter.texts(), QStringList());
        check(false);
        QCOMPARE(m_prompter.texts(), QStringList{NotConnected});
        // Once connected, the system is not asked again.
        m_connection.connected = true;
        m_servers.publishVersion("3.1.0");
        check(false);
        check(false);
        QCOMPARE(m_connection.asked, 3);
        QCOMPARE(m_prompter.texts(), (QStringList{NotConnected, Latest, Latest}));
    }

    void noAddressConfigured()
    {
        m_controller->setServers({});
        check(true);
        QCOMPARE(m_prompter.texts(), QStringList());
        check(false);
        QCOMPARE(m_prompter.texts(),
                 QStringList{QStringLiteral("No update address is configured.")});
    }

    void addressesFromTheSettings()
    {
        QSettings machine(QSettings::SystemScope, QStringLiteral("Brivex"),
                          QStringLiteral("Tellan"));
        machine.setValue(QStringLiteral("Settings/UpdateWebServer"),
                         QStringLiteral("http://127.0.0.1:1"));
        machine.setValue(QStringLiteral("Settings/UpdateFileServer"),
                         QStringLiteral("ftp://files.example/setup"));
        machine.setValue(QStringLiteral("Settings/UpdateFileUser"), QStringLiteral("farm"));
        machine.sync();
        SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("UpdateWebServer"),
                                   m_servers.webBase() + QLatin1Char('/'));
        const UpdateServers servers = UpdateServers::fromSettings();
        QCOMPARE(servers.versionUrl().toString(), m_servers.webBase() + "/script/VerVerdimo.txt");
        QCOMPARE(servers.packageUrl().toString(),
                 QStringLiteral("ftp://files.example/setup/VerdimoSetup.deb"));
        QCOMPARE(servers.fileUser, QStringLiteral("farm"));
        machine.clear();
    }

    void automaticOncePerDay_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("checks");
        QTest::newRow("never") << QString() << true;
        QTest::newRow("unreadable") << QStringLiteral("soon") << true;
        QTest::newRow("same time") << UpdateSchedule::format(m_now) << false;
        QTest::newRow("23 hours ago") << UpdateSchedule::format(m_now.addSecs(-23 * 3600)) << false;
        QTest::newRow("a day and a minute ago")
            << UpdateSchedule::format(m_now.addDays(-1).addSecs(-60)) << true;
        QTest::newRow("tomorrow") << UpdateSchedule::format(m_now.addDays(1)) << true;
    }
    void automaticOncePerDay()
    {
        QFETCH(QString, stored);
        QFETCH(bool, checks);
        SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("DtUpdShow"), stored);
        check(true);
        QCOMPARE(m_prompter.texts(), checks ? QStringList{offer("3.1.1")} : QStringList());
        QCOMPARE(lastCheck(), checks ? UpdateSchedule::format(m_now) : stored);
        // Once per run, even a day later.
        m_clock->set(m_now.addDays(2));
        m_prompter.shown.clear();
        check(true);
        QCOMPARE(m_prompter.texts(), QStringList());
    }

    void automaticIsSilentWithoutNews()
    {
        m_servers.publishVersion("3.1.0");
        check(true);
        QCOMPARE(m_prompter.texts(), QStringList());
        QCOMPARE(lastCheck(), UpdateSchedule::format(m_now));
    }

    void installsTheVerifiedPackage()
    {
        QSignalSpy quit(m_controller.get(), &UpdateController::quitRequested);
        m_prompter.answers = {Prompter::Answer::Yes};
        check(false);
        QCOMPARE(m_prompter.texts(), QStringList{offer("3.1.1")});
        QVERIFY(m_display.opened);
        QVERIFY(m_display.closed);
        QCOMPARE(m_display.text,
                 QStringLiteral("Wait while downloading the setup file of the new version"));
        QCOMPARE(m_display.maximum, m_package.size());
        QVERIFY(m_display.values.size() > 5);
        QCOMPARE(m_display.values.last(), m_package.size());
        const QString package = QDir(m_downloads->path()).filePath("VerdimoSetup.deb");
        QCOMPARE(m_opened, QStringList{package});
        QCOMPARE(downloadedFiles(), QStringList{"VerdimoSetup.deb"});
        QCOMPARE(quit.count(), 1);
    }

    void installerThatDoesNotOpen()
    {
        QSignalSpy quit(m_controller.get(), &UpdateController::quitRequested);
        m_openSucceeds = false;
        m_prompter.answers = {Prompter::Answer::Yes};
        check(false);
        QCOMPARE(m_prompter.shown.size(), 2);
        QCOMPARE(m_prompter.shown.last().icon, Prompter::Icon::Error);
        QCOMPARE(quit.count(), 0);
    }

    void tamperedPackageIsNeverOpened()
    {
        QByteArray tampered = m_package;
        tampered[100] = 'x';
        m_servers.publishPackage(tampered, m_keys.sign(m_package));
        m_prompter.answers = {Prompter::Answer::Yes};
        check(false);
        QCOMPARE(m_prompter.texts(), (QStringList{offer("3.1.1"), NotVerified}));
        QCOMPARE(m_opened, QStringList());
        QCOMPARE(downloadedFiles(), QStringList());
    }

    void noSecondCheckWhileDownloading()
    {
        m_prompter.answers = {Prompter::Answer::Yes};
        int checksTried = 0;
        m_onValue = [&](FakeDisplay &) {
            if (checksTried++ == 0) {
                QVERIFY(m_controller->isDownloading());
                m_controller->checkNow(false);
                m_controller->checkNow(true);
            }
        };
        check(false);
        QCOMPARE(m_prompter.texts(), QStringList{offer("3.1.1")});
        QCOMPARE(m_opened.size(), 1);
        // The automatic check of this run was used up while the download ran.
        m_prompter.shown.clear();
        check(true);
        QCOMPARE(m_prompter.texts(), QStringList());
    }

    void cancelLeavesNoFile_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("confirmed") << true;
        QTest::newRow("declined") << false;
    }
    void cancelLeavesNoFile()
    {
        QFETCH(bool, confirm);
        m_prompter.answers = {Prompter::Answer::Yes,
                              confirm ? Prompter::Answer::Yes : Prompter::Answer::No};
        bool asked = false;
        m_onValue = [&](FakeDisplay &display) {
            if (!asked && m_display.values.last() > 0) {
                asked = true;
                display.userCancels();
            }
        };
        check(false);
        QCOMPARE(
            m_prompter.texts(),
            (QStringList{offer("3.1.1"), QStringLiteral("Downloading setup file, abort it?")}));
        QCOMPARE(m_opened.size(), confirm ? 0 : 1);
        QCOMPARE(downloadedFiles().size(), confirm ? 0 : 1);
        QVERIFY(m_display.closed);
    }

    void failedDownloadSaysWhy()
    {
        UpdateServers servers = m_servers.servers();
        servers.fileServer = QStringLiteral("ftp://127.0.0.1:1/setup");
        m_controller->setServers(servers);
        m_prompter.answers = {Prompter::Answer::Yes};
        check(false);
        QCOMPARE(m_prompter.shown.size(), 2);
        QCOMPARE(m_prompter.shown.last().icon, Prompter::Icon::Error);
        QVERIFY(m_opened.isEmpty());
        QCOMPARE(downloadedFiles(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestUpdateController)
#include "TestUpdateController.moc"
