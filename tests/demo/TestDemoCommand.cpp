#include "DemoCommand.h"
#include "FixedClock.h"
#include "TestEnvironment.h"
#include "base/SettingsKeys.h"
#include "db/Database.h"

#include <QFile>
#include <QTest>

class TestDemoCommand : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestEnvironment> m_env;
    FixedClock m_clock{QDateTime(QDate(2026, 12, 10), QTime(9, 30))};

    struct Run
    {
        int exitCode;
        QString out;
        QString err;
    };

    Run run(const QStringList &args)
    {
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        const int code = runDemoCommandAt(args, outStream, errStream, m_clock);
        return {code, out, err};
    }

    static QString firstAndLastDay(const QString &path)
    {
        Database db;
        db.open(path);
        return db
            .scalar("SELECT substr(MIN(Data), 1, 10) || ' ' || substr(MAX(Data), 1, 10) "
                    "FROM Scheda")
            .toString();
    }

private slots:
    void initTestCase()
    {
        m_env = std::make_unique<TestEnvironment>();
        // The template of the build, as an installation's folder names it.
        SettingsKeys::Directory.write(qEnvironmentVariable("VERDIMO_STAGE_DIR"));
    }

    void writesYearsEndingToday_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("days");
        QTest::newRow("default") << QStringList() << "2024-01-01 2026-12-10";
        QTest::newRow("one year") << QStringList{"--years", "1"} << "2026-01-01 2026-12-10";
        QTest::newRow("--years=2") << QStringList{"--years=2"} << "2025-01-01 2026-12-10";
    }
    void writesYearsEndingToday()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, days);
        const QString path = m_env->path(QStringLiteral("%1.mdb").arg(QTest::currentDataTag()));
        const Run result = run(QStringList{path} + options);
        QCOMPARE(result.err, QString());
        QCOMPARE(result.exitCode, 0);
        const QString lastDay = days.section(' ', 1);
        const QString yearStart = lastDay.left(4) + "-01-01";
        // The path as one word of the shell the user copies the command into.
        const QString word = path.contains(' ') ? "'" + path + "'" : path;
        // The period of the cards, and the command that prints this year's, with its period.
        QCOMPARE(result.out,
                 QStringLiteral("%1: a demo farm with the work cards from %2\n"
                                "Process this year's cards (%3 to %4) and print the crops' costs "
                                "with:\n"
                                "  verdimo-cli print crops --db %5 --from %3 --to %4 --process "
                                "--economic --pdf crops.pdf\n")
                     .arg(path, QString(days).replace(' ', " to "), yearStart, lastDay, word));
        QCOMPARE(firstAndLastDay(path), days);
    }

    void refusesMistakes_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("no file") << QStringList() << "FILE";
        QTest::newRow("zero years") << QStringList{"a.mdb", "--years", "0"} << "--years";
        QTest::newRow("too many years") << QStringList{"a.mdb", "--years", "31"} << "--years";
        QTest::newRow("not a number") << QStringList{"a.mdb", "--years", "three"} << "'three'";
        QTest::newRow("fraction") << QStringList{"a.mdb", "--years", "1.5"} << "'1.5'";
    }
    void refusesMistakes()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const Run result = run(args);
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QVERIFY(!QFile::exists(m_env->path("a.mdb")));
    }

    void replacesAFileOnlyWhenTold()
    {
        const QString path = m_env->path(QStringLiteral("mine.mdb"));
        QFile mine(path);
        QVERIFY(mine.open(QIODevice::WriteOnly));
        mine.write("my farm");
        mine.close();

        Run result = run({path});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(path + " exists"), qPrintable(result.err));
        QVERIFY(mine.open(QIODevice::ReadOnly));
        QCOMPARE(mine.readAll(), QByteArray("my farm"));
        mine.close();

        result = run({path, "--overwrite", "--years", "1"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(firstAndLastDay(path), QStringLiteral("2026-01-01 2026-12-10"));
    }

    void reportsAFolderItCannotWrite()
    {
        const QString path = m_env->path(QStringLiteral("no-such-folder/farm.mdb"));
        const Run result = run({path});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.startsWith("Cannot write the demo farm to " + path),
                 qPrintable(result.err));
    }
};

QTEST_GUILESS_MAIN(TestDemoCommand)
#include "TestDemoCommand.moc"
