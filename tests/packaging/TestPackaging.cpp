#include "TestEnvironment.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
};

Run run(const QString &program, const QStringList &args, int timeoutMs = 60000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {-1, program + QStringLiteral(" did not finish")};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

QString sourceFile(const QString &relative)
{
    return QDir(qEnvironmentVariable("VERDIMO_SOURCE_DIR")).filePath(relative);
}

} // namespace

// The menu entry, the AppStream metadata and the Debian package as the desktop and dpkg see
// them.
class TestPackaging : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

private slots:
    void desktopEntryIsValid()
    {
        const QString validator = TestEnvironment::requireTool("desktop-file-validate");
        if (validator.isEmpty())
            return;
        const QString entry = sourceFile("resources/com.brivex.Verdimo.desktop");
        const Run result = run(validator, {entry});
        QVERIFY2(result.exitCode == 0 && result.out.isEmpty(), qPrintable(result.out));

        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        QVERIFY(lines.contains("Categories=Office;Finance;"));
        QVERIFY(lines.contains("Exec=verdimo"));
        QVERIFY(lines.contains("Icon=verdimo"));
        // The menu shows Italian on an Italian desktop.
        for (const QString &key : QStringList{"Name[it]=", "Comment[it]="})
            QVERIFY2(!lines.filter(QRegularExpression("^" + QRegularExpression::escape(key) + ".+"))
                          .isEmpty(),
                     qPrintable(key));
    }

    void metainfoIsValid()
    {
        const QString appstream = TestEnvironment::requireTool("appstreamcli");
        if (appstream.isEmpty())
            return;
        const Run result =
            run(appstream,
                {"validate", "--no-net", sourceFile("resources/com.brivex.Verdimo.metainfo.xml")});
        QVERIFY2(result.exitCode == 0, qPrintable(result.out));
    }

    void packageHoldsTheInstallation()
    {
        const QString cpack = TestEnvironment::requireTool("cpack");
        const QString dpkgDeb =
            cpack.isEmpty() ? QString() : TestEnvironment::requireTool("dpkg-deb");
        if (dpkgDeb.isEmpty() || TestEnvironment::requireTool("dpkg-shlibdeps").isEmpty())
            return;
        const QString config =
            QDir(qEnvironmentVariable("VERDIMO_BUILD_DIR")).filePath("CPackConfig.cmake");
        const QString out = m_env.path("package");
        Run result = run(cpack, {"-G", "DEB", "--config", config, "-B", out}, 540000);
        QVERIFY2(result.exitCode == 0, qPrintable(result.out));
        const QStringList packages = QDir(out).entryList({"verdimo_*.deb"}, QDir::Files);
        QCOMPARE(packages.size(), 1);
        const QString package = QDir(out).filePath(packages.first());

        result = run(dpkgDeb, {"--contents", package});
        QCOMPARE(result.exitCode, 0);
        QStringList files;
        for (const QString &line : result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            files << line.section(QLatin1Char(' '), -1).mid(1); // "./usr/bin/x" -> "/usr/bin/x"
        QStringList expected{"/usr/bin/verdimo",
                             "/usr/bin/verdimo-cli",
                             "/usr/share/verdimo/Database/Tellan.mdb",
                             "/usr/share/applications/com.brivex.Verdimo.desktop",
                             "/usr/share/metainfo/com.brivex.Verdimo.metainfo.xml",
                             "/usr/share/icons/hicolor/scalable/apps/verdimo.svg",
                             "/usr/share/man/man1/verdimo-cli.1.gz",
                             "/etc/xdg/Brivex/Tellan.conf"};
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            expected << QStringLiteral("/usr/share/icons/hicolor/%1x%1/apps/verdimo.png").arg(size);
        for (const QString &file : expected)
            QVERIFY2(files.contains(file), qPrintable(file + " missing from\n" + result.out));
        // Nothing lands outside the system's folders, such as the build's own paths.
        for (const QString &file : files)
            QVERIFY2(file.startsWith("/usr/") || file.startsWith("/etc/") || file.endsWith('/'),
                     qPrintable(file));

        // The libraries the programs link are found by dpkg-shlibdeps; the plugins are named.
        result = run(dpkgDeb, {"--field", package, "Depends"});
        for (const QString &dependency :
             QStringList{"libqt6core6", "libqt6widgets6", "libc6", "libcurl", "libqt6sql6-sqlite",
                         "qt6-qpa-plugins"})
            QVERIFY2(result.out.contains(dependency), qPrintable(result.out));

        const QString control = m_env.path("control");
        QCOMPARE(run(dpkgDeb, {"--control", package, control}).exitCode, 0);
        QFile conffiles(QDir(control).filePath("conffiles"));
        QVERIFY(conffiles.open(QIODevice::ReadOnly));
        QCOMPARE(conffiles.readAll().trimmed(), QByteArray("/etc/xdg/Brivex/Tellan.conf"));

        // The installation's settings name the folder of the installed template.
        const QString tree = m_env.path("tree");
        QCOMPARE(run(dpkgDeb, {"--extract", package, tree}).exitCode, 0);
        QSettings settings(QDir(tree).filePath("etc/xdg/Brivex/Tellan.conf"), QSettings::IniFormat);
        QCOMPARE(settings.status(), QSettings::NoError);
        QCOMPARE(settings.value("Settings/Directory").toString(),
                 QStringLiteral("/usr/share/verdimo"));
        for (const QString &name : QStringList{"UpdateWebServer", "UpdateFileServer",
                                               "UpdateFileUser", "UpdateFilePassword"}) {
            QVERIFY2(settings.contains("Settings/" + name), qPrintable(name));
            QCOMPARE(settings.value("Settings/" + name).toString(), QString());
        }
        const Run help = run(QDir(tree).filePath("usr/bin/verdimo-cli"), {"--help"});
        QVERIFY2(help.exitCode == 0 && help.out.startsWith("Usage: verdimo-cli"),
                 qPrintable(help.out));
    }
};

QTEST_GUILESS_MAIN(TestPackaging)
#include "TestPackaging.moc"
