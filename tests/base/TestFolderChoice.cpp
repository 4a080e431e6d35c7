#include "ReadOnlyFolder.h"
#include "TestEnvironment.h"
#include "base/FolderChoice.h"
#include "base/SettingsKeys.h"

#include <QDir>
#include <QFile>
#include <QTest>

// The folder a save dialog starts in: one the user can write, the last chosen first.
class TestFolderChoice : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstWritableFolderIsProposed_data();
    void firstWritableFolderIsProposed();
    void chosenFolderIsRememberedAndProposed();

private:
    QString folder(const QString &name) const { return m_env.path(name); }

    TestEnvironment m_env;
    QByteArray m_home;
};

void TestFolderChoice::init()
{
    m_env.clearSettings();
    // A home of the test's own, whose documents folder the test makes or leaves out.
    m_home = qgetenv("HOME");
    qputenv("HOME", folder("home").toUtf8());
    QDir(folder("home")).removeRecursively();
    QDir().mkpath(folder("home"));
    QDir().mkpath(folder("chosen"));
    QDir().mkpath(folder("directory"));
}

void TestFolderChoice::cleanup()
{
    qputenv("HOME", m_home);
}

void TestFolderChoice::firstWritableFolderIsProposed_data()
{
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("directory");
    QTest::addColumn<bool>("documents");
    QTest::addColumn<QString>("expected");
    QTest::newRow("last chosen") << "chosen"
                                 << "directory" << true << "chosen";
    QTest::newRow("last chosen is gone") << "gone"
                                         << "directory" << true << "directory";
    QTest::newRow("directory cannot be written") << ""
                                                 << "readonly" << true << "home/Documents";
    QTest::newRow("neither can be written") << "readonly"
                                            << "readonly" << true << "home/Documents";
    QTest::newRow("no documents folder") << ""
                                         << "readonly" << false << "home";
}

void TestFolderChoice::firstWritableFolderIsProposed()
{
    QFETCH(QString, last);
    QFETCH(QString, directory);
    QFETCH(bool, documents);
    ReadOnlyFolder readOnly(folder("readonly"));
    if (!readOnly.usable())
        QSKIP("running as root where no read-only mount can be made: permissions do not stop "
              "root");
    QFile(folder("note")).open(QIODevice::WriteOnly);
    readOnly.protect(folder("note"), "note");
    QVERIFY(!FolderChoice::isWritableFolder(folder("readonly")));
    if (documents)
        QDir().mkpath(folder("home/Documents"));
    if (!last.isEmpty())
        SettingsKeys::LastFolder.write(folder(last));
    SettingsKeys::Directory.write(folder(directory));
    QFETCH(QString, expected);
    QCOMPARE(FolderChoice::startFolder(), folder(expected));
    QCOMPARE(FolderChoice::proposedPath("list.csv"), folder(expected) + "/list.csv");
}

void TestFolderChoice::chosenFolderIsRememberedAndProposed()
{
    QDir().mkpath(folder("home/Documents"));
    QCOMPARE(FolderChoice::startFolder(), folder("home/Documents"));
    FolderChoice::remember(folder("chosen/../chosen/backup.zip"));
    QCOMPARE(SettingsKeys::LastFolder.read(), folder("chosen"));
    QCOMPARE(FolderChoice::startFolder(), folder("chosen"));
    // A dialog the user cancelled chose nothing.
    FolderChoice::remember(QString());
    QCOMPARE(FolderChoice::startFolder(), folder("chosen"));
}

QTEST_GUILESS_MAIN(TestFolderChoice)
#include "TestFolderChoice.moc"
