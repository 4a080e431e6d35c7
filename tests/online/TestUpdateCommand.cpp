#include "LocalServers.h"
#include "TestEnvironment.h"
#include "TestKeys.h"
#include "UpdateCommand.h"
#include "online/VersionText.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// verdimo-cli update against web and FTP servers on this computer.
class TestUpdateCommand : public QObject
{
    Q_OBJECT

    TestEnvironment m_env;
    LocalServers m_servers;
    TestKeys m_keys = TestKeys::generate();
    const QByteArray m_package = QByteArray(2 * 1024 * 1024, 'p');

    struct Run
    {
        int exitCode;
        QString out;
        QString err;
    };

    UpdateCommandSetup setup() const
    {
        UpdateCommandSetup setup;
        setup.servers = m_servers.servers();
        setup.publicKey = m_keys.publicKey;
        setup.currentVersion = QStringLiteral("3.1.0");
        setup.limits.connectSeconds = 2;
        setup.limits.stallSeconds = 2;
        setup.limits.textSeconds = 2;
        setup.limits.attempts = 1;
        return setup;
    }

    static Run runIn(const QStringList &args, const UpdateCommandSetup &setup)
    {
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        const int code = runUpdateCommandWith(args, outStream, errStream, setup);
        return {code, out, err};
    }

    // The real program, with the addresses in the machine-wide settings file.
    Run runProgram(const QStringList &args, const QString &webServer)
    {
        const QString machine = m_env.path(QStringLiteral("machine"));
        QDir().mkpath(machine + QStringLiteral("/Brivex"));
        QFile conf(machine + QStringLiteral("/Brivex/Tellan.conf"));
        if (!conf.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write the machine-wide settings");
        const UpdateServers servers = m_servers.servers();
        conf.write(QStringLiteral("[Settings]\nUpdateWebServer=%1\nUpdateFileServer=%2\n"
                                  "UpdateFileUser=%3\nUpdateFilePassword=%4\n")
                       .arg(webServer, servers.fileServer, servers.fileUser, servers.filePassword)
                       .toUtf8());
        conf.close();

        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_env.path(QStringLiteral("user")));
        environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), machine);
        process.setProcessEnvironment(environment);
        process.start(QString::fromLocal8Bit(qgetenv("VERDIMO_CLI")),
                      QStringList{QStringLiteral("update")} + args);
        if (!process.waitForFinished(120000))
            qFatal("verdimo-cli did not finish");
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    static QString nextVersion()
    {
        const QList<qulonglong> parts = VersionText::components(VersionText::programVersion());
        return QStringLiteral("%1.%2.%3")
            .arg(parts.value(0))
            .arg(parts.value(1))
            .arg(parts.value(2) + 1);
    }

private slots:
    void init() { m_servers.publishPackage(m_package, m_keys.sign(m_package)); }

    void check_data()
    {
        QTest::addColumn<QByteArray>("published");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("answer");
        QTest::newRow("same") << QByteArray("3.1.0") << 1 << "Version found: 3.1.0\nnot newer";
        QTest::newRow("next") << QByteArray("3.1.1\n") << 0 << "Version found: 3.1.1\nnewer";
        QTest::newRow("no dot") << QByteArray("4") << 1 << "Version found: 1.0.0\nnot newer";
        QTest::newRow("3.0.10") << QByteArray("3.0.10") << 1 << "Version found: 3.0.10\nnot newer";
        QTest::newRow("3.10.0") << QByteArray("3.10.0") << 0 << "Version found: 3.10.0\nnewer";
    }
    void check()
    {
        QFETCH(QByteArray, published);
        QFETCH(int, exitCode);
        QFETCH(QString, answer);
        m_servers.publishVersion(published);
        for (const QStringList &args : {QStringList(), QStringList{QStringLiteral("--check")}}) {
            const Run run = runIn(args, setup());
            QCOMPARE(run.exitCode, exitCode);
            QVERIFY2(run.out.startsWith(answer), qPrintable(run.out));
        }
    }

    void checkFails()
    {
        UpdateCommandSetup dead = setup();
        dead.servers.webServer = m_servers.silentBase();
        const Run run = runIn({}, dead);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.contains(QLatin1String("could not be read")), qPrintable(run.err));

        UpdateCommandSetup none = setup();
        none.servers = {};
        QVERIFY(runIn({}, none).err.startsWith(QLatin1String("No update address is configured")));
    }

    // An answer that holds no version is never taken for one, and the terminal gets none of
    // the server's control characters.
    void answerThatIsNoVersion()
    {
        for (const QByteArray &published :
             {QByteArray(), QByteArray("<html><body>Not here</body></html>"),
              QByteArray("\x1b]0;owned\x07\x1b[2Jgarbage\x1b[0m")}) {
            m_servers.publishVersion(published);
            const Run run = runIn({QStringLiteral("--check")}, setup());
            QCOMPARE(run.exitCode, 1);
            QCOMPARE(run.out, QString());
            QVERIFY2(
                run.err.startsWith(QLatin1String("The server did not answer with a version: ")),
                qPrintable(run.err));
            QVERIFY2(!run.err.contains(QChar(0x1b)) && !run.err.contains(QChar(0x07)),
                     qPrintable(run.err));
        }
    }

    // A download whose server stops sending ends with the reason, once, within the stall limit.
    void stalledDownloadGivesUp()
    {
        UpdateCommandSetup stalled = setup();
        stalled.servers = m_servers.servers(false);
        stalled.servers.fileServer = m_servers.webBase() + QStringLiteral("/stalling/setup");
        stalled.limits.attempts = 3;
        QTemporaryDir folder;
        const Run run = runIn({QStringLiteral("--download"), folder.path()}, stalled);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QLatin1String("The server sent nothing for 2 seconds.")),
                 qPrintable(run.err));
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
    }

    void download_data()
    {
        QTest::addColumn<bool>("tampered");
        QTest::newRow("verified") << false;
        QTest::newRow("tampered") << true;
    }
    void download()
    {
        QFETCH(bool, tampered);
        if (tampered)
            m_servers.publishPackage(m_package + "!", m_keys.sign(m_package));
        QTemporaryDir folder;
        const Run run = runIn({QStringLiteral("--download"), folder.path()}, setup());
        QCOMPARE(run.exitCode, tampered ? 1 : 0);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 tampered ? QStringList() : QStringList{QStringLiteral("VerdimoSetup.deb")});
        if (tampered)
            QVERIFY2(run.err.contains(QLatin1String(
                         "The downloaded setup file could not be verified and was deleted.")),
                     qPrintable(run.err));
        else
            QVERIFY2(run.err.contains(QLatin1String("100%")), qPrintable(run.err));
    }

    void usage()
    {
        for (const QStringList &args :
             {QStringList{QStringLiteral("--download")}, QStringList{QStringLiteral("--fast")},
              QStringList{QStringLiteral("--check"), QStringLiteral("--download")}})
            QCOMPARE(runIn(args, setup()).exitCode, 2);
    }

    // The program as installed: its own version, the built-in key, the settings file.
    void program()
    {
        m_servers.publishVersion(nextVersion().toUtf8() + "\n");
        Run run = runProgram({QStringLiteral("--check")}, m_servers.webBase());
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(nextVersion()), qPrintable(run.out));

        m_servers.publishVersion(VersionText::programVersion().toUtf8());
        QCOMPARE(runProgram({}, m_servers.webBase()).exitCode, 1);

        QCOMPARE(runProgram({}, QString()).exitCode, 1);

        // A package signed with another key than the maker's is refused.
        QTemporaryDir folder;
        run = runProgram({QStringLiteral("--download"), folder.path()}, m_servers.webBase());
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QLatin1String("could not be verified")), qPrintable(run.err));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestUpdateCommand)
#include "TestUpdateCommand.moc"
