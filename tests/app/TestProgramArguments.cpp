#include "TestEnvironment.h"
#include "app/ProgramArguments.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

using Action = ProgramArguments::Action;

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs a program as a session without any display would: no X11 or Wayland display, no Qt
// platform chosen.
Run runWithoutDisplay(const QString &program, const QStringList &args)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, args);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString stageProgram(const QString &name)
{
    return QDir(qEnvironmentVariable("VERDIMO_STAGE_DIR")).filePath(name);
}

} // namespace

// The command line of the window program, and --help, --version and mistakes of both programs
// answered without a display.
class TestProgramArguments : public QObject
{
    Q_OBJECT

    // The programs started read this test's own settings, never the user's.
    TestEnvironment m_env;

private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("file");
        QTest::newRow("nothing") << QStringList() << int(Action::Run) << QString();
        QTest::newRow("a farm") << QStringList{"farm.mdb"} << int(Action::Run) << "farm.mdb";
        QTest::newRow("--help") << QStringList{"--help"} << int(Action::Help) << QString();
        QTest::newRow("-h after a file")
            << QStringList{"farm.mdb", "-h"} << int(Action::Help) << QString();
        QTest::newRow("--version") << QStringList{"--version"} << int(Action::Version) << QString();
        QTest::newRow("-V") << QStringList{"-V"} << int(Action::Version) << QString();
        QTest::newRow("Qt's options pass")
            << QStringList{"-platform", "offscreen", "--style=Fusion", "-reverse", "farm.mdb"}
            << int(Action::Run) << "farm.mdb";
        QTest::newRow("a file named like an option after --")
            << QStringList{"--", "-farm.mdb"} << int(Action::Run) << "-farm.mdb";
        QTest::newRow("--help after -- is a file")
            << QStringList{"--", "--help"} << int(Action::Run) << "--help";
        QTest::newRow("unknown option")
            << QStringList{"--frobnicate"} << int(Action::UsageError) << QString();
        QTest::newRow("two files")
            << QStringList{"a.mdb", "b.mdb"} << int(Action::UsageError) << QString();
        QTest::newRow("Qt option without its value")
            << QStringList{"-platform"} << int(Action::UsageError) << QString();
        QTest::newRow("empty file name") << QStringList{""} << int(Action::UsageError) << QString();
    }
    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, file);
        const ProgramArguments parsed = ProgramArguments::parse(arguments);
        QCOMPARE(int(parsed.action()), action);
        QCOMPARE(parsed.file(), file);
        QCOMPARE(parsed.error().isEmpty(), action != int(Action::UsageError));
    }

    void bothProgramsAnswerWithoutADisplay_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("verdimo --version")
            << "verdimo" << QStringList{"--version"} << 0 << "verdimo 3.1.0\n"
            << QString();
        QTest::newRow("verdimo --help") << "verdimo" << QStringList{"--help"} << 0
                                        << "Usage: verdimo [OPTIONS] [FILE]" << QString();
        QTest::newRow("verdimo mistake") << "verdimo" << QStringList{"--bogus"} << 2 << QString()
                                         << "verdimo: unknown option '--bogus'";
        QTest::newRow("verdimo-cli --version")
            << "verdimo-cli" << QStringList{"--version"} << 0 << "verdimo-cli 3.1.0\n"
            << QString();
        QTest::newRow("verdimo-cli --help")
            << "verdimo-cli" << QStringList{"--help"} << 0 << "Usage: verdimo-cli" << QString();
        QTest::newRow("verdimo-cli mistake")
            << "verdimo-cli" << QStringList{"--bogus"} << 2 << QString()
            << "verdimo-cli: unknown command '--bogus'";
    }
    void bothProgramsAnswerWithoutADisplay()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run run = runWithoutDisplay(stageProgram(program), arguments);
        QVERIFY2(run.exitCode == exitCode, qPrintable(run.out + run.err));
        QVERIFY2(run.out.startsWith(out), qPrintable(run.out));
        QVERIFY2(run.err.startsWith(err), qPrintable(run.err));
        // A mistake shows the usage, the way to get it right.
        if (exitCode == 2)
            QVERIFY2(run.err.contains("Usage: " + program), qPrintable(run.err));
        else
            QVERIFY2(!run.err.contains("could not connect to display"), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestProgramArguments)
#include "TestProgramArguments.moc"
