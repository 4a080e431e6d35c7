#include "FakePrompter.h"
#include "FixedClock.h"
#include "TestEnvironment.h"
#include "app/DemoFarmOpening.h"
#include "db/Database.h"

#include <QFile>
#include <QTest>

class TestDemoFarmOpening : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestEnvironment> m_env;
    FixedClock m_clock{QDateTime(QDate(2026, 3, 2), QTime(10, 0))};

private slots:
    void initTestCase() { m_env = std::make_unique<TestEnvironment>(); }

    // Opened again, the demo farm starts afresh; the working database beside it stays as it is.
    void writesAFreshFarmBesideTheWorkingDatabase()
    {
        const QString folder = m_env->path(QStringLiteral("user"));
        QVERIFY(QDir().mkpath(folder));
        const QString working = QDir(folder).filePath(QStringLiteral("Tellan.mdb"));
        QVERIFY(QFile::copy(TestEnvironment::templatePath(), working));

        FakePrompter prompter;
        DemoFarmOpening opening(prompter, m_clock);
        const QString path = opening.create(folder, TestEnvironment::templatePath());
        QCOMPARE(path, QDir(folder).filePath(QStringLiteral("Demo.mdb")));
        QCOMPARE(opening.period().start, QDate(2026, 1, 1));
        QCOMPARE(opening.period().end, QDate(2026, 12, 31));
        {
            Database db;
            db.open(path);
            QCOMPARE(db.scalar("SELECT substr(MAX(Data), 1, 10) FROM Scheda").toString(),
                     QStringLiteral("2026-03-02"));
            db.execute("DELETE FROM Opere");
        }
        QCOMPARE(opening.create(folder, TestEnvironment::templatePath()), path);
        Database db;
        db.open(path);
        QVERIFY(db.scalar("SELECT COUNT(*) FROM Opere").toInt() > 1000);
        Database workingDb;
        workingDb.open(working);
        QCOMPARE(workingDb.scalar("SELECT COUNT(*) FROM Scheda").toInt(), 0);
        QVERIFY(prompter.verify());
    }

    void tellsWhyItCannot_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("templatePath");
        QTest::addColumn<QString>("message");
        const QString missingFolder = m_env->path(QStringLiteral("missing"));
        QTest::newRow("no template") << m_env->folder() << QString()
                                     << "Cannot write the demo farm " + m_env->path("Demo.mdb") +
                                            ": the template database is not installed.";
        QTest::newRow("no folder") << missingFolder << TestEnvironment::templatePath()
                                   << "Cannot write the demo farm " + missingFolder + "/Demo.mdb: ";
    }
    void tellsWhyItCannot()
    {
        QFETCH(QString, folder);
        QFETCH(QString, templatePath);
        QFETCH(QString, message);
        FakePrompter prompter;
        prompter.expectContaining(Prompter::Icon::Error, message);
        DemoFarmOpening opening(prompter, m_clock);
        QCOMPARE(opening.create(folder, templatePath), QString());
        QVERIFY(prompter.verify());
    }
};

QTEST_MAIN(TestDemoFarmOpening)
#include "TestDemoFarmOpening.moc"
