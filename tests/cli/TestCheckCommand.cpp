#include "TestEnvironment.h"
#include "db/Database.h"

#include <QFile>
#include <QProcess>
#include <QTest>

// The real verdimo-cli program: its messages and exit statuses as scripts see them.
class TestCheckCommand : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

    struct Run
    {
        int exitCode;
        QString out;
        QString err;
    };

    Run run(const QStringList &args)
    {
        QProcess process;
        process.start(QString::fromLocal8Bit(qgetenv("VERDIMO_CLI")), args);
        if (!process.waitForFinished(60000))
            qFatal("verdimo-cli did not finish");
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    // A copy of the template whose index of items by code is overwritten with zeros: it opens,
    // and its cards can be read, but not every page.
    QString damagedCopy()
    {
        const QString path = m_env.copyTemplate();
        qint64 page = 0;
        qint64 pageSize = 0;
        {
            Database db;
            db.open(path);
            page = db.scalar(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = ?"),
                             {QStringLiteral("MagazzinoArticolo")})
                       .toLongLong();
            pageSize = db.scalar(QStringLiteral("PRAGMA page_size")).toLongLong();
        }
        QFile file(path);
        if (page < 2 || !file.open(QIODevice::ReadWrite) || !file.seek((page - 1) * pageSize) ||
            file.write(QByteArray(pageSize, '\0')) != pageSize)
            qFatal("could not damage the copy");
        return path;
    }

private slots:
    void check_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("template") << m_env.copyTemplate() << 0 << QString();
        QTest::newRow("missing") << m_env.path(QStringLiteral("missing.mdb")) << 1
                                 << "Database not found!";
        const QString empty = m_env.path(QStringLiteral("empty.mdb"));
        Database::create(empty);
        QTest::newRow("no Scheda")
            << empty << 1 << "Database not compatible for the Verdimo software!";
        QTest::newRow("damaged page")
            << damagedCopy() << 1
            << "The database is damaged: some of its pages cannot be read. Restore one of its "
               "backups.";
    }

    void check()
    {
        QFETCH(QString, path);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Run result = run({QStringLiteral("check"), path});
        QCOMPARE(result.exitCode, exitCode);
        if (message.isEmpty())
            QVERIFY(result.out.contains(path));
        else
            QCOMPARE(result.err.trimmed(), message);
    }

    void usage()
    {
        QCOMPARE(run({}).exitCode, 2);
        QCOMPARE(run({QStringLiteral("check")}).exitCode, 2);
        QCOMPARE(run({QStringLiteral("no-such-command")}).exitCode, 2);
        const Run help = run({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        for (const char *command : {"check", "export", "import", "backup", "process", "print"})
            QVERIFY2(help.out.contains(QLatin1String(command)), command);
    }
};

QTEST_GUILESS_MAIN(TestCheckCommand)
#include "TestCheckCommand.moc"
