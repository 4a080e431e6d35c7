#include "FakeProgress.h"
#include "FakePrompter.h"
#include "TestEnvironment.h"
#include "app/FarmFileOpening.h"
#include "app/RecentFarms.h"
#include "base/SettingsKeys.h"
#include "db/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using Icon = Prompter::Icon;
using Answer = Prompter::Answer;

// A farm file handed to the program from outside (the desktop, the command line, File > Open
// farm...) and the list of the farms opened last.
class TestFarmFileOpening : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestEnvironment> m_env;

    QString writeFile(const QString &name, const QByteArray &content)
    {
        const QString path = m_env->path(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return {};
        return path;
    }

    int workers(const QString &farm)
    {
        Database db;
        db.open(farm);
        return db.scalar(QStringLiteral("SELECT COUNT(*) FROM Operai")).toInt();
    }

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_env->clearSettings();
    }

    void kindIsToldByTheContent_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("kind");
        QTest::newRow("archive") << "data.czp" << QByteArray("PK\x03\x04 rest", 9)
                                 << int(FarmFileOpening::Kind::Archive);
        QTest::newRow("archive, upper case") << "DATA.CZP" << QByteArray("PK\x03\x04 rest", 9)
                                             << int(FarmFileOpening::Kind::Archive);
        // A backup is a ZIP file too, but not a data archive.
        QTest::newRow("backup zip") << "backup.zip" << QByteArray("PK\x03\x04 rest", 9)
                                    << int(FarmFileOpening::Kind::Other);
        QTest::newRow("access database named .mdb")
            << "access.mdb" << QByteArray("\0\x01\0\0Standard Jet DB", 19)
            << int(FarmFileOpening::Kind::Other);
        QTest::newRow("text named .czp")
            << "notes.czp" << QByteArray("hello") << int(FarmFileOpening::Kind::Other);
        QTest::newRow("empty") << "empty.mdb" << QByteArray() << int(FarmFileOpening::Kind::Other);
    }
    void kindIsToldByTheContent()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(int, kind);
        QCOMPARE(int(FarmFileOpening::kindOf(writeFile(name, content))), kind);
    }

    void farmsAndMissingFiles()
    {
        QCOMPARE(FarmFileOpening::kindOf(m_env->copyTemplate("farm.mdb")),
                 FarmFileOpening::Kind::Farm);
        QCOMPARE(FarmFileOpening::kindOf(m_env->path("missing.mdb")),
                 FarmFileOpening::Kind::Unreadable);
        QCOMPARE(FarmFileOpening::kindOf(m_env->folder()), FarmFileOpening::Kind::Unreadable);
    }

    void aFarmBecomesTheWorkingFarmOnlyWhenTheUserAgrees()
    {
        const QString working = m_env->copyTemplate("working.mdb");
        const QString other = m_env->copyTemplate("other.mdb");
        FakePrompter prompter;
        FarmFileOpening opening(prompter);

        prompter.expectContaining(Icon::Question, "Make the farm " + other, Answer::Yes);
        QCOMPARE(opening.askAbout(other, working), FarmFileOpening::Action::OpenFarm);
        prompter.expectContaining(Icon::Question, "The working farm now is " + working, Answer::No);
        QCOMPARE(opening.askAbout(other, working), FarmFileOpening::Action::Nothing);
        // The working farm itself, however spelt, needs no question.
        QCOMPARE(opening.askAbout(m_env->folder() + "/./working.mdb", working),
                 FarmFileOpening::Action::Nothing);
        QVERIFY(prompter.verify());
    }

    void anArchiveIsOfferedForImportAndAnythingElseRefused()
    {
        const QString working = m_env->copyTemplate("working.mdb");
        const QString archive = writeFile("week.czp", QByteArray("PK\x03\x04", 4));
        const QString text = writeFile("letter.mdb", "Dear farmer");
        FakePrompter prompter;
        FarmFileOpening opening(prompter);

        prompter.expect(Icon::Question,
                        QStringLiteral("Import the data archive %1 into the working farm %2?")
                            .arg(archive, working),
                        Answer::Yes);
        QCOMPARE(opening.askAbout(archive, working), FarmFileOpening::Action::ImportArchive);
        prompter.expect(Icon::Error, text + " is neither a Verdimo farm database nor a data "
                                            "archive; it was not opened.");
        QCOMPARE(opening.askAbout(text, working), FarmFileOpening::Action::Nothing);
        prompter.expect(Icon::Error, "The file " + m_env->path("gone.czp") +
                                         " does not exist or cannot be read.");
        QCOMPARE(opening.askAbout(m_env->path("gone.czp"), working),
                 FarmFileOpening::Action::Nothing);
        QVERIFY(prompter.verify());
    }

    void openFarmChecksTheChosenFile()
    {
        const QString farm = m_env->copyTemplate("chosen.mdb");
        const QString archive = writeFile("week.czp", QByteArray("PK\x03\x04", 4));
        FakePrompter prompter;
        FarmFileOpening opening(prompter);

        prompter.expectOpenFile(farm);
        QCOMPARE(opening.chooseFarm(m_env->folder()), farm);
        prompter.expectOpenFile(QString());
        QCOMPARE(opening.chooseFarm(m_env->folder()), QString());
        prompter.expectOpenFile(archive);
        prompter.expect(Icon::Error, archive + " is a data archive, not a farm database: import "
                                               "it with File > Import data.");
        QCOMPARE(opening.chooseFarm(m_env->folder()), QString());
        QVERIFY(prompter.verify());
    }

    // The archive given is imported with the exchange's own question and message, and no file
    // dialog.
    void anArchiveGivenIsImported()
    {
        const QString source = m_env->copyTemplate("source.mdb");
        {
            Database db;
            db.open(source);
            db.execute(QStringLiteral(
                "INSERT INTO Operai (Codice, Nome, Stipendio) VALUES (7, 'Marta', 11.5)"));
        }
        SettingsKeys::Database.write(source);
        const QString archive = m_env->path("source.czp");
        FakePrompter prompter;
        FakeProgress progress;
        prompter.expectSaveFile(archive);
        prompter.expect(Icon::Information, "Export data completed successfully!");
        QCOMPARE(DataExchange(prompter, progress).ExportArchive(), DataExchange::Outcome::Done);

        const QString working = m_env->copyTemplate("working.mdb");
        SettingsKeys::Database.write(working);
        const int before = workers(working);
        prompter.expect(Icon::Question, "Do you want to overwrite existing data?", Answer::No);
        prompter.expect(Icon::Information, "Import data completed successfully!");
        bool configured = false;
        QCOMPARE(FarmFileOpening(prompter).importArchive(
                     archive, progress, [&](DataExchange &) { configured = true; }),
                 DataExchange::Outcome::Done);
        QVERIFY(configured);
        QCOMPARE(workers(working), before + 1);
        QVERIFY(prompter.verify());
    }

    void recentFarmsAreNewestFirstCappedAndExisting()
    {
        QStringList farms;
        for (int i = 0; i < RecentFarms::Capacity + 2; ++i)
            farms << m_env->copyTemplate(QStringLiteral("farm%1.mdb").arg(i));
        QCOMPARE(RecentFarms::list(), QStringList());
        RecentFarms::add(farms[0]);
        RecentFarms::add(farms[1]);
        RecentFarms::add(m_env->folder() + "/./" + QFileInfo(farms[0]).fileName());
        QCOMPARE(RecentFarms::list(), QStringList({farms[0], farms[1]}));

        for (const QString &farm : farms)
            RecentFarms::add(farm);
        QCOMPARE(RecentFarms::list().size(), RecentFarms::Capacity);
        QCOMPARE(RecentFarms::list().first(), farms.last());
        QVERIFY(!RecentFarms::list().contains(farms[0]));

        QVERIFY(QFile::remove(farms.last()));
        QCOMPARE(RecentFarms::list().first(), farms[farms.size() - 2]);
        RecentFarms::remove(farms[farms.size() - 2]);
        QCOMPARE(RecentFarms::list().first(), farms[farms.size() - 3]);
        QCOMPARE(RecentFarms::list().size(), RecentFarms::Capacity - 2);
    }
};

QTEST_GUILESS_MAIN(TestFarmFileOpening)
#include "TestFarmFileOpening.moc"
