#include "TestEnvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
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
        // A farm or an archive opened from the file manager comes as the file argument.
        QVERIFY(lines.contains("Exec=verdimo %f"));
        QVERIFY(
            lines.contains("MimeType=application/x-verdimo-farm;application/x-verdimo-archive;"));
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

    // The desktop tells a farm database from an Access database of the same name by its
    // content, and knows a data archive by its name.
    void mimeTypesNameTheFarmFiles()
    {
        const QString update = TestEnvironment::requireTool("update-mime-database");
        const QString gio = update.isEmpty() ? QString() : TestEnvironment::requireTool("gio");
        if (gio.isEmpty())
            return;
        const QString mime = m_env.path("mime");
        QVERIFY(QDir().mkpath(mime + "/packages"));
        QVERIFY(QFile::copy("/usr/share/mime/packages/freedesktop.org.xml",
                            mime + "/packages/freedesktop.org.xml"));
        QVERIFY(QFile::copy(sourceFile("resources/com.brivex.Verdimo.mime.xml"),
                            mime + "/packages/com.brivex.Verdimo.xml"));
        const Run built = run(update, {"-V", mime});
        QVERIFY2(built.exitCode == 0, qPrintable(built.out));

        const auto write = [this](const QString &name, const QByteArray &content) {
            QFile file(m_env.path(name));
            file.open(QIODevice::WriteOnly);
            file.write(content);
            return file.fileName();
        };
        const QList<QPair<QString, QString>> cases{
            {TestEnvironment::templatePath(), "application/x-verdimo-farm"},
            {write("access.mdb", QByteArray("\0\x01\0\0Standard Jet DB\0", 20)),
             "application/vnd.ms-access"},
            {write("week.czp", QByteArray("PK\x03\x04", 4)), "application/x-verdimo-archive"}};
        for (const auto &[file, type] : cases) {
            // Named .mdb, as a farm is.
            const QString named =
                m_env.path("named-" + QFileInfo(file).fileName()).replace("Tellan.mdb", "farm.mdb");
            QFile::copy(file, named);
            QProcess process;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("XDG_DATA_DIRS", m_env.folder());
            environment.insert("XDG_DATA_HOME", m_env.path("no-user-data"));
            process.setProcessEnvironment(environment);
            process.start(gio, {"info", "-a", "standard::content-type", named});
            QVERIFY(process.waitForFinished(30000));
            const QString out = QString::fromUtf8(process.readAll());
            QVERIFY2(out.contains("standard::content-type: " + type + "\n"),
                     qPrintable(named + ": " + out));
        }
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
                             "/usr/share/mime/packages/com.brivex.Verdimo.xml",
                             "/usr/share/icons/hicolor/scalable/apps/verdimo.svg",
                             "/usr/share/man/man1/verdimo.1.gz",
                             "/usr/share/man/man1/verdimo-cli.1.gz",
                             "/usr/share/doc/verdimo/copyright",
                             "/usr/share/doc/verdimo/changelog.Debian.gz",
                             "/usr/share/verdimo/manual/en/index.html",
                             "/usr/share/verdimo/manual/it/index.html",
                             "/etc/xdg/Brivex/Tellan.conf",
                             "/etc/xdg/Brivex.conf"};
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            expected << QStringLiteral("/usr/share/icons/hicolor/%1x%1/apps/verdimo.png").arg(size);
        for (const QString &file : expected)
            QVERIFY2(files.contains(file), qPrintable(file + " missing from\n" + result.out));
        for (const QString &line : result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QString file = line.section(QLatin1Char(' '), -1).mid(1);
            // Nothing lands outside the system's folders, such as the build's own paths.
            QVERIFY2(file.startsWith("/usr/") || file.startsWith("/etc/") || file.endsWith('/'),
                     qPrintable(file));
            // The toolbar's pictures are built into the program, not installed.
            QVERIFY2(!file.startsWith("/usr/share/verdimo/icons"), qPrintable(file));
            // The update password is for root and the group verdimo only.
            if (file == "/etc/xdg/Brivex.conf")
                QVERIFY2(line.startsWith("-rw-r----- "), qPrintable(line));
        }

        // The libraries the programs link are found by dpkg-shlibdeps; the plugins are named,
        // each once, and no plugin package that only brings a VNC server.
        result = run(dpkgDeb, {"--field", package, "Depends"});
        for (const QString &dependency :
             QStringList{"libqt6core6", "libqt6widgets6", "libc6", "libcurl", "libqt6sql6-sqlite",
                         "libqt6svg6", "fonts-liberation"})
            QVERIFY2(result.out.contains(dependency), qPrintable(result.out));
        QVERIFY2(!result.out.contains("qt6-qpa-plugins"), qPrintable(result.out));
        QStringList names;
        for (const QString &dependency : result.out.split(QLatin1Char(',')))
            names << dependency.trimmed().section(QLatin1Char(' '), 0, 0);
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        QVERIFY(run(dpkgDeb, {"--field", package, "Recommends"}).out.contains("qt6-wayland"));
        QCOMPARE(run(dpkgDeb, {"--field", package, "Homepage"}).out.trimmed(),
                 QStringLiteral("https://www.brivex.it/software/verdimo.php"));

        const QString control = m_env.path("control");
        QCOMPARE(run(dpkgDeb, {"--control", package, control}).exitCode, 0);
        QFile conffiles(QDir(control).filePath("conffiles"));
        QVERIFY(conffiles.open(QIODevice::ReadOnly));
        QCOMPARE(conffiles.readAll().trimmed(),
                 QByteArray("/etc/xdg/Brivex/Tellan.conf\n/etc/xdg/Brivex.conf"));

        // The installation's settings name the folder of the installed template; the update
        // servers are in the file only root and the group verdimo read.
        const QString tree = m_env.path("tree");
        QCOMPARE(run(dpkgDeb, {"--extract", package, tree}).exitCode, 0);
        QSettings settings(QDir(tree).filePath("etc/xdg/Brivex/Tellan.conf"), QSettings::IniFormat);
        QCOMPARE(settings.status(), QSettings::NoError);
        QCOMPARE(settings.value("Settings/Directory").toString(),
                 QStringLiteral("/usr/share/verdimo"));
        QSettings secrets(QDir(tree).filePath("etc/xdg/Brivex.conf"), QSettings::IniFormat);
        for (const QString &name : QStringList{"UpdateWebServer", "UpdateFileServer",
                                               "UpdateFileUser", "UpdateFilePassword"}) {
            QVERIFY2(!settings.contains("Settings/" + name), qPrintable(name));
            QVERIFY2(secrets.contains("Settings/" + name), qPrintable(name));
            QCOMPARE(secrets.value("Settings/" + name).toString(), QString());
        }
        const Run help = run(QDir(tree).filePath("usr/bin/verdimo-cli"), {"--help"});
        QVERIFY2(help.exitCode == 0 && help.out.startsWith("Usage: verdimo-cli"),
                 qPrintable(help.out));
    }
};

QTEST_GUILESS_MAIN(TestPackaging)
#include "TestPackaging.moc"
