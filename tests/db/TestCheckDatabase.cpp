#include "FakePrompter.h"
#include "FarmFaults.h"
#include "ReadOnlyFolder.h"
#include "TestEnvironment.h"
#include "db/CheckDatabase.h"
#include "db/Database.h"
#include "db/DbException.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestCheckDatabase : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

    QString databaseWith(const QString &name, const QString &sql)
    {
        const QString path = m_env.path(name);
        Database::create(path);
        Database db;
        db.open(path);
        if (!sql.isEmpty())
            db.execute(sql);
        return path;
    }

private slots:
    void files_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::newRow("template") << m_env.copyTemplate() << QString();
        QTest::newRow("missing") << m_env.path(QStringLiteral("missing.mdb"))
                                 << "Database not found!";
        const QString text = m_env.path(QStringLiteral("notes.mdb"));
        QFile file(text);
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray(4096, 'x'));
        file.close();
        QTest::newRow("not a database") << text << "Database not found!";
        const QString empty = m_env.path(QStringLiteral("empty-file.mdb"));
        QFile emptyFile(empty);
        emptyFile.open(QIODevice::WriteOnly);
        emptyFile.close();
        QTest::newRow("empty file") << empty << "Database not found!";
        QTest::newRow("no Scheda") << databaseWith(QStringLiteral("empty.mdb"), QString())
                                   << "Database not compatible for the Verdimo software!";
        QTest::newRow("Scheda without Pioggia")
            << databaseWith(QStringLiteral("old.mdb"),
                            QStringLiteral("CREATE TABLE Scheda (Fattore TEXT, Assenti TEXT)"))
            << "Database not compatible for the Verdimo software!";
    }

    void files()
    {
        QFETCH(QString, path);
        QFETCH(QString, message);
        FakePrompter prompter;
        if (!message.isEmpty())
            prompter.expect(Prompter::Icon::Error, message);
        QCOMPARE(CheckDatabase(path, prompter), message.isEmpty());
        QVERIFY(prompter.verify());
    }

    void writeProtectedDatabaseOpensForReading()
    {
        ReadOnlyFolder folder(m_env.path(QStringLiteral("share")));
        if (!folder.usable())
            QSKIP("no read-only folder can be made here");
        const QString path = folder.protect(m_env.copyTemplate(), QStringLiteral("Tellan.mdb"));

        FakePrompter prompter;
        prompter.expect(Prompter::Icon::Information,
                        QStringLiteral("The database can only be read."));
        QVERIFY(CheckDatabase(path, prompter));
        QVERIFY(prompter.verify());

        Database db;
        db.open(path);
        QVERIFY(db.isReadOnly());
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM Scheda")).toInt(), 0);
        QVERIFY_THROWS_EXCEPTION(DbException, db.execute(QStringLiteral("DELETE FROM Operai")));
    }

    // A farm read as it is checked: a damaged page of the cards is no foreign file.
    void damagedCardsAreDamaged()
    {
        const QString path = m_env.copyTemplate();
        {
            Database db;
            db.open(path);
            db.execute(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
                                      "FROM n WHERE i < 500) INSERT INTO Scheda (Data, Fattore) "
                                      "SELECT datetime('2015-01-01', '+' || i || ' days'), "
                                      "'Mario' FROM n"));
        }
        FarmFaults::zeroLastTablePage(path, QStringLiteral("Scheda"));
        QCOMPARE(InspectDatabase(path), DatabaseState::Damaged);
    }

    // Held by another program for longer than the wait: the file is neither missing nor
    // damaged, and the user is told to try again.
    void aFarmHeldByAnotherProgramIsInUse()
    {
        const QString path = m_env.copyTemplate();
        const FarmFaults::ExclusiveLock lock(path);
        FakePrompter prompter;
        prompter.expectContaining(Prompter::Icon::Error,
                                  QStringLiteral("is in use by another program"));
        QVERIFY(!CheckDatabase(path, prompter));
        QVERIFY(prompter.verify());
    }

    void writableDatabaseOpensForWriting()
    {
        Database db;
        db.open(m_env.copyTemplate());
        QVERIFY(!db.isReadOnly());
        db.execute(QStringLiteral("DELETE FROM Operai"));
    }
};

QTEST_GUILESS_MAIN(TestCheckDatabase)
#include "TestCheckDatabase.moc"
