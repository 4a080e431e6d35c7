#include "LocalServers.h"
#include "TestKeys.h"
#include "online/CurlTransport.h"
#include "online/SetupDownload.h"
#include "online/UpdateCheck.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

// The check and the download against real web and FTP servers on this computer.
class TestSetupDownload : public QObject
{
    Q_OBJECT

    LocalServers m_servers;
    TestKeys m_keys = TestKeys::generate();
    QByteArray m_package;

    // Short bounds so that the dead-server cases end quickly.
    static TransferLimits shortLimits()
    {
        TransferLimits limits;
        limits.connectSeconds = 2;
        limits.stallSeconds = 2;
        limits.textSeconds = 2;
        limits.attempts = 2;
        limits.retryPauseMilliseconds = 100;
        return limits;
    }

    struct Run
    {
        SetupDownload::Result result;
        QList<qint64> received;
        qint64 total = -2;
        QStringList files;
        bool savedAsPublished = false;
    };

    Run download(const UpdateServers &servers, const QByteArray &key, qint64 cancelAfter = -1)
    {
        QTemporaryDir target;
        CurlTransport transport(shortLimits());
        SetupDownload setup(transport, servers, key, shortLimits());
        std::atomic_bool cancel = false;
        Run run;
        run.result = setup.run(
            target.path(),
            [&](qint64 received, qint64 total) {
                run.received << received;
                run.total = total;
                if (cancelAfter >= 0 && received > cancelAfter)
                    cancel = true;
            },
            cancel);
        run.files = QDir(target.path()).entryList(QDir::Files);
        if (run.result.status == SetupDownload::Result::Verified) {
            QFile file(run.result.path);
            run.savedAsPublished = file.open(QIODevice::ReadOnly) && file.readAll() == m_package;
        }
        return run;
    }

private slots:
    void initTestCase()
    {
        m_servers.publishVersion("3.1.0");
        // Several megabytes, so that the progress has many steps.
        m_package.resize(3 * 1024 * 1024 + 123);
        QRandomGenerator generator(7);
        generator.fillRange(reinterpret_cast<quint32 *>(m_package.data()),
                            m_package.size() / sizeof(quint32));
    }

    void init() { m_servers.publishPackage(m_package, m_keys.sign(m_package)); }

    void versionText_data()
    {
        QTest::addColumn<QByteArray>("published");
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("newer");
        QTest::newRow("same") << QByteArray("3.1.0") << "3.1.0" << false;
        QTest::newRow("next with line break") << QByteArray("3.1.1\n") << "3.1.1" << true;
        QTest::newRow("no dot") << QByteArray("4") << "1.0.0" << false;
        QTest::newRow("3.0.10") << QByteArray("3.0.10") << "3.0.10" << false;
        QTest::newRow("3.10.0") << QByteArray("3.10.0\r\n") << "3.10.0" << true;
    }
    void versionText()
    {
        QFETCH(QByteArray, published);
        QFETCH(QString, version);
        QFETCH(bool, newer);
        m_servers.publishVersion(published);
        CurlTransport transport(shortLimits());
        const UpdateCheck::Result result =
            UpdateCheck::run(transport, m_servers.servers().versionUrl(), QStringLiteral("3.1.0"));
        QVERIFY2(result.fetched, qPrintable(result.error));
        QCOMPARE(result.version, version);
        QCOMPARE(result.newer, newer);
    }

    void failedCheckOffersNothing_data()
    {
        QTest::addColumn<QString>("webServer");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing text") << m_servers.webBase() + "/nothing-here"
                                      << "404";
        QTest::newRow("refused") << QStringLiteral("http://127.0.0.1:1") << "127.0.0.1";
        QTest::newRow("never answers") << m_servers.silentBase() << "sent nothing for 2 seconds";
    }
    void failedCheckOffersNothing()
    {
        QFETCH(QString, webServer);
        QFETCH(QString, error);
        m_servers.publishVersion("3.1.1");
        const UpdateServers servers{webServer, {}, {}, {}};
        CurlTransport transport(shortLimits());
        const UpdateCheck::Result result =
            UpdateCheck::run(transport, servers.versionUrl(), QStringLiteral("3.1.0"));
        QVERIFY(!result.fetched);
        QVERIFY(!result.newer);
        QVERIFY2(result.error.contains(servers.versionUrl().toDisplayString()),
                 qPrintable(result.error));
        QVERIFY2(result.error.contains(error), qPrintable(result.error));
    }

    // Anything but a version is said to be no version, and what the server sent is shown only
    // as printable characters.
    void answerThatIsNoVersion_data()
    {
        QTest::addColumn<QByteArray>("published");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << QByteArray() << "is empty.";
        QTest::newRow("blank lines") << QByteArray("\r\n\r\n") << "is empty.";
        QTest::newRow("error page") << QByteArray("<html><body>Service unavailable</body></html>\n")
                                    << "holds \"<html><body>Service unavailable</body></html>\".";
        QTest::newRow("page with a dot") << QByteArray("<html>Moved.</html>") << "<html>Moved.";
        QTest::newRow("letter before the version") << QByteArray("v3.1.1") << "\"v3.1.1\"";
        QTest::newRow("word") << QByteArray("latest") << "\"latest\"";
        QTest::newRow("escape sequences")
            << QByteArray("\x1b]0;owned\x07\x1b[2J\x1b[31mcall 555\x1b[0m\x07\x08\xe2\x80\xae!")
            << "holds \"call 555 !\".";
        QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe", 4)
                                << "\"\xef\xbf\xbd\xef\xbf\xbd\"";
    }
    void answerThatIsNoVersion()
    {
        QFETCH(QByteArray, published);
        QFETCH(QString, shown);
        m_servers.publishVersion(published);
        CurlTransport transport(shortLimits());
        const UpdateCheck::Result result =
            UpdateCheck::run(transport, m_servers.servers().versionUrl(), QStringLiteral("3.1.0"));
        QVERIFY(!result.fetched);
        QVERIFY(!result.newer);
        QVERIFY2(
            result.error.startsWith(QStringLiteral("The server did not answer with a version: %1 ")
                                        .arg(m_servers.servers().versionUrl().toDisplayString())),
            qPrintable(result.error));
        QVERIFY2(result.error.contains(shown), qPrintable(result.error));
        QVERIFY(std::all_of(result.error.begin(), result.error.end(),
                            [](QChar c) { return c.isPrint(); }));
    }

    void verifiedPackage_data()
    {
        QTest::addColumn<bool>("overFtp");
        QTest::newRow("ftp") << true;
        QTest::newRow("http") << false;
    }
    void verifiedPackage()
    {
        QFETCH(bool, overFtp);
        const Run run = download(m_servers.servers(overFtp), m_keys.publicKey);
        QCOMPARE(run.result.status, SetupDownload::Result::Verified);
        QCOMPARE(run.files, QStringList{UpdateServers::packageName()});
        QVERIFY(run.savedAsPublished);
        QCOMPARE(run.total, m_package.size());
        QCOMPARE(run.received.first(), 0);
        QCOMPARE(run.received.last(), m_package.size());
        QVERIFY(run.received.size() > 10);
        QVERIFY(std::is_sorted(run.received.begin(), run.received.end()));
    }

    void refusedPackage_data()
    {
        QTest::addColumn<QByteArray>("signature");
        QTest::addColumn<bool>("tampered");
        QTest::addColumn<bool>("otherKey");
        QTest::newRow("tampered package") << m_keys.sign(m_package) << true << false;
        QTest::newRow("missing signature") << QByteArray() << false << false;
        QTest::newRow("signature of another file")
            << m_keys.sign(QByteArrayLiteral("something else")) << false << false;
        QTest::newRow("short signature") << QByteArray(10, 'x') << false << false;
        QTest::newRow("another key") << m_keys.sign(m_package) << false << true;
    }
    void refusedPackage()
    {
        QFETCH(QByteArray, signature);
        QFETCH(bool, tampered);
        QFETCH(bool, otherKey);
        QByteArray published = m_package;
        if (tampered)
            published[published.size() / 2] = char(published[published.size() / 2] ^ 1);
        m_servers.publishPackage(published, signature);
        const Run run = download(m_servers.servers(),
                                 otherKey ? TestKeys::generate().publicKey : m_keys.publicKey);
        QCOMPARE(run.result.status, SetupDownload::Result::Refused);
        QCOMPARE(run.result.message,
                 QStringLiteral("The downloaded setup file could not be verified and was "
                                "deleted."));
        QCOMPARE(run.files, QStringList());
    }

    void largerThanAnnounced()
    {
        UpdateServers servers = m_servers.servers(false);
        servers.fileServer = m_servers.webBase() + QStringLiteral("/lying/setup");
        const Run run = download(servers, m_keys.publicKey);
        QCOMPARE(run.result.status, SetupDownload::Result::Refused);
        QVERIFY2(run.result.message.contains(QLatin1String("larger than")),
                 qPrintable(run.result.message));
        QCOMPARE(run.files, QStringList());
    }

    void cancelLeavesNoFile()
    {
        const Run run = download(m_servers.servers(), m_keys.publicKey, 256 * 1024);
        QCOMPARE(run.result.status, SetupDownload::Result::Cancelled);
        QVERIFY(run.received.last() < m_package.size());
        QCOMPARE(run.files, QStringList());
    }

    void failedDownload_data()
    {
        QTest::addColumn<QString>("fileServer");
        QTest::addColumn<QString>("message");
        QTest::newRow("no package on ftp") << m_servers.ftpBase() + "/script"
                                           << "was not found on the file server";
        QTest::newRow("no folder on ftp") << m_servers.ftpBase() + "/elsewhere"
                                          << "could not be read from the file server";
        QTest::newRow("no package on http") << m_servers.webBase() + "/elsewhere"
                                            << "was not found on the file server";
        QTest::newRow("refused") << QStringLiteral("ftp://127.0.0.1:1/setup")
                                 << "could not be read from the file server";
        QTest::newRow("never answers") << m_servers.silentBase() + "/setup"
                                       << "could not be read from the file server";
        QTest::newRow("not configured") << QString() << "No file server";
    }
    void failedDownload()
    {
        QFETCH(QString, fileServer);
        QFETCH(QString, message);
        UpdateServers servers = m_servers.servers();
        servers.fileServer = fileServer;
        const Run run = download(servers, m_keys.publicKey);
        QCOMPARE(run.result.status, SetupDownload::Result::Failed);
        QVERIFY2(run.result.message.contains(message), qPrintable(run.result.message));
        QCOMPARE(run.files, QStringList());
    }

    // The package is written only into a folder made for it, which no other user can enter: a
    // file or a link planted under the package's names is never written through.
    void downloadsIntoAPrivateFolder()
    {
        QTemporaryDir target;
        const QDir folder(target.path());
        const QByteArray planted("planted by another user");
        QFile part(folder.filePath(QStringLiteral("VerdimoSetup.deb.part")));
        QVERIFY(part.open(QIODevice::WriteOnly));
        part.write(planted);
        part.close();
        QTemporaryDir elsewhere;
        const QString victim = QDir(elsewhere.path()).filePath(QStringLiteral("victim"));
        QFile victimFile(victim);
        QVERIFY(victimFile.open(QIODevice::WriteOnly));
        victimFile.write(planted);
        victimFile.close();
        QVERIFY(QFile::link(victim, folder.filePath(UpdateServers::packageName())));

        CurlTransport transport(shortLimits());
        SetupDownload setup(transport, m_servers.servers(), m_keys.publicKey, shortLimits());
        const std::atomic_bool cancel = false;
        QStringList seen;
        const SetupDownload::Result result = setup.run(
            target.path(),
            [&](qint64, qint64) {
                for (const QFileInfo &dir :
                     folder.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
                    const QFileDevice::Permissions others =
                        QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                        QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
                    if (!(dir.permissions() & others))
                        seen << QDir(dir.filePath()).entryList(QDir::Files);
                }
            },
            cancel);
        QCOMPARE(result.status, SetupDownload::Result::Verified);
        QVERIFY(!seen.isEmpty());
        QVERIFY(std::all_of(seen.begin(), seen.end(), [](const QString &name) {
            return name == UpdateServers::packageName();
        }));
        QCOMPARE(folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
        QVERIFY(part.open(QIODevice::ReadOnly));
        QCOMPARE(part.readAll(), planted);
        QVERIFY(victimFile.open(QIODevice::ReadOnly));
        QCOMPARE(victimFile.readAll(), planted);
        const QFileInfo package(result.path);
        QVERIFY(!package.isSymLink());
        QCOMPARE(package.size(), m_package.size());
    }

    // A server that stops sending is given up once the stall limit has passed, without
    // another try; one that trickles is given up once the time its size allows has passed.
    void slowServerIsGivenUp_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("message");
        QTest::newRow("stalls") << "stalling"
                                << "The server sent nothing for 2 seconds.";
        QTest::newRow("trickles") << "trickling"
                                  << "did not end within the 4 seconds allowed for it.";
    }
    void slowServerIsGivenUp()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, message);
        const QByteArray package(64 * 1024, 's');
        m_servers.publishPackage(package, m_keys.sign(package));
        const QString requests =
            QDir(m_servers.folder()).filePath(QStringLiteral("stalled-requests"));
        QFile::remove(requests);
        UpdateServers servers = m_servers.servers(false);
        servers.fileServer = m_servers.webBase() + QStringLiteral("/%1/setup").arg(prefix);
        TransferLimits limits = shortLimits();
        limits.attempts = 3;
        limits.minimumBytesPerSecond = 1024 * 1024;
        QCOMPARE(limits.downloadSeconds(package.size()), qint64(4));
        CurlTransport transport(limits);
        SetupDownload setup(transport, servers, m_keys.publicKey, limits);
        QTemporaryDir target;
        const std::atomic_bool cancel = false;
        const SetupDownload::Result result = setup.run(target.path(), {}, cancel);
        QCOMPARE(result.status, SetupDownload::Result::Failed);
        QVERIFY2(result.message.contains(message), qPrintable(result.message));
        QCOMPARE(QDir(target.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
        if (prefix == QLatin1String("stalling")) {
            QFile log(requests);
            QVERIFY(log.open(QIODevice::ReadOnly));
            QCOMPARE(log.readAll().count('\n'), 1);
        }
    }

    void wrongPassword()
    {
        UpdateServers servers = m_servers.servers();
        servers.filePassword = QStringLiteral("wrong");
        const Run run = download(servers, m_keys.publicKey);
        QCOMPARE(run.result.status, SetupDownload::Result::Failed);
        QCOMPARE(run.files, QStringList());
    }

    void replacesAnOldPackage()
    {
        QTemporaryDir target;
        const QString old = QDir(target.path()).filePath(UpdateServers::packageName());
        QFile file(old);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("an old installer");
        file.close();
        CurlTransport transport(shortLimits());
        SetupDownload setup(transport, m_servers.servers(), m_keys.publicKey, shortLimits());
        const std::atomic_bool cancel = false;
        const SetupDownload::Result result = setup.run(target.path(), {}, cancel);
        QCOMPARE(result.status, SetupDownload::Result::Verified);
        QCOMPARE(QFileInfo(old).size(), m_package.size());
    }
};

QTEST_GUILESS_MAIN(TestSetupDownload)
#include "TestSetupDownload.moc"
