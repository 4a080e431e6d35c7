#include "base/InstallPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// Finding the template database beside the programs (stage folder) or in an installed prefix.
class TestInstallPaths : public QObject
{
    Q_OBJECT

private slots:
    void templateDatabasePath_data();
    void templateDatabasePath();
};

void TestInstallPaths::templateDatabasePath_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("appDir");
    QTest::addColumn<QString>("expected");

    const QString staged = QStringLiteral("stage/Database/Tellan.mdb");
    const QString installed = QStringLiteral("usr/share/verdimo/Database/Tellan.mdb");
    QTest::newRow("stage folder") << QStringList{staged} << "stage" << staged;
    QTest::newRow("stage folder, trailing slash") << QStringList{staged} << "stage/" << staged;
    QTest::newRow("installed prefix") << QStringList{installed} << "usr/bin" << installed;
    QTest::newRow("beside the program first")
        << QStringList{installed, QStringLiteral("usr/bin/Database/Tellan.mdb")} << "usr/bin"
        << "usr/bin/Database/Tellan.mdb";
    QTest::newRow("none") << QStringList{} << "usr/bin" << QString();
    QTest::newRow("folder named like the template")
        << QStringList{QStringLiteral("usr/bin/Database/Tellan.mdb/")} << "usr/bin" << QString();
    QTest::newRow("other program folder") << QStringList{staged} << "usr/bin" << QString();
}

void TestInstallPaths::templateDatabasePath()
{
    QFETCH(QStringList, files);
    QFETCH(QString, appDir);
    QFETCH(QString, expected);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QDir dir(root.path());
    for (const QString &file : files) {
        if (file.endsWith(QLatin1Char('/'))) {
            QVERIFY(dir.mkpath(file));
            continue;
        }
        QVERIFY(dir.mkpath(QFileInfo(file).path()));
        QFile template_(dir.filePath(file));
        QVERIFY(template_.open(QIODevice::WriteOnly));
    }
    QVERIFY(dir.mkpath(appDir));

    const QString found = InstallPaths::templateDatabasePath(dir.filePath(appDir));
    QCOMPARE(found, expected.isEmpty() ? QString() : dir.filePath(expected));
}

QTEST_GUILESS_MAIN(TestInstallPaths)
#include "TestInstallPaths.moc"
