#include "CliRun.h"
#include "CommandLine.h"
#include "TestEnvironment.h"
#include "base/SettingsKeys.h"
#include "db/Database.h"
#include "db/FarmSession.h"

#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

// A command with every kind of argument the commands use.
CommandLine demoCommandLine()
{
    CommandLine line(QStringLiteral("demo"), QStringLiteral("FILE [options]"),
                     QStringLiteral("Shows how arguments are read."));
    line.addPositional(QStringLiteral("FILE"));
    line.addDatabaseOption();
    line.addPeriodOptions();
    line.addFlag(QStringLiteral("keep"), QStringLiteral("keep what exists"));
    line.addDateOption(QStringLiteral("date"), QStringLiteral("a day"));
    return line;
}

struct Parsed
{
    bool goesOn;
    int status;
    QString out;
    QString err;
};

Parsed parse(CommandLine &line, const QStringList &args)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const bool goesOn = line.parse(args, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {goesOn, line.exitStatus(), out, err};
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_env.clearSettings(); }
    void readsArguments_data();
    void readsArguments();
    void mistakes_data();
    void mistakes();
    void help_data();
    void help();
    void period();
    void everyCommandOfTheProgram_data();
    void everyCommandOfTheProgram();
    void runWithoutAWorkingPeriod_data();
    void runWithoutAWorkingPeriod();
    void speaksTheLanguageOfTheUser();
    void processingWarningsStartTheirOwnLines();

private:
    // A new farm whose one worker, Anna (1), has no wage; the settings are cleared.
    QString farmWithAnna();

    TestEnvironment m_env;
};

void TestCommandLine::readsArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("database");
    QTest::addColumn<bool>("keep");
    QTest::addColumn<QDate>("date");
    QTest::newRow("file only") << QStringList{"a.czp"} << "a.czp" << QString() << false << QDate();
    QTest::newRow("options around the file")
        << QStringList{"--db", "x.mdb", "a.czp", "--keep", "--date", "2015-03-10"} << "a.czp"
        << "x.mdb" << true << QDate(2015, 3, 10);
    QTest::newRow("values after =")
        << QStringList{"--db=x y.mdb", "--date=2016-02-29", "a.czp"} << "a.czp"
        << "x y.mdb" << false << QDate(2016, 2, 29);
    QTest::newRow("flag given twice")
        << QStringList{"--keep", "a.czp", "--keep"} << "a.czp" << QString() << true << QDate();
    QTest::newRow("after -- nothing is an option")
        << QStringList{"--", "--keep"} << "--keep" << QString() << false << QDate();
    QTest::newRow("dash alone is a file")
        << QStringList{"-"} << "-" << QString() << false << QDate();
}

void TestCommandLine::readsArguments()
{
    QFETCH(QStringList, args);
    QFETCH(QString, file);
    QFETCH(QString, database);
    QFETCH(bool, keep);
    QFETCH(QDate, date);
    CommandLine line = demoCommandLine();
    const Parsed parsed = parse(line, args);
    QVERIFY2(parsed.goesOn, qPrintable(parsed.err));
    QCOMPARE(parsed.status, 0);
    QCOMPARE(parsed.err, QString());
    QCOMPARE(line.positional(0), file);
    QCOMPARE(line.isSet(QStringLiteral("db")), !database.isEmpty());
    QCOMPARE(line.value(QStringLiteral("db")), database);
    QCOMPARE(line.isSet(QStringLiteral("keep")), keep);
    QCOMPARE(line.date(QStringLiteral("date")), date);
}

void TestCommandLine::mistakes_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("problem");
    QTest::newRow("no file") << QStringList{"--keep"} << "FILE is missing";
    QTest::newRow("two files") << QStringList{"a", "b"} << "unexpected argument 'b'";
    QTest::newRow("unknown option") << QStringList{"a", "--fast"} << "unknown option '--fast'";
    QTest::newRow("unknown option with value")
        << QStringList{"a", "--fast=1"} << "unknown option '--fast'";
    QTest::newRow("unknown short option") << QStringList{"a", "-x"} << "unknown option '-x'";
    QTest::newRow("single dash long option")
        << QStringList{"a", "-db", "x"} << "unknown option '-db'";
    QTest::newRow("flag with a value")
        << QStringList{"a", "--keep=yes"} << "option '--keep' takes no value";
    QTest::newRow("value missing at the end")
        << QStringList{"a", "--db"} << "option '--db' needs a value FILE";
    QTest::newRow("option where the value belongs")
        << QStringList{"a", "--db", "--keep"} << "option '--db' needs a value FILE";
    QTest::newRow("value given twice")
        << QStringList{"a", "--db", "x", "--db", "y"} << "option '--db' is given more than once";
    QTest::newRow("impossible day") << QStringList{"a", "--from", "2015-02-29"}
                                    << "'2015-02-29' is not a day written YYYY-MM-DD";
    QTest::newRow("day written otherwise") << QStringList{"a", "--date", "10/03/2015"}
                                           << "'10/03/2015' is not a day written YYYY-MM-DD";
    QTest::newRow("period backwards")
        << QStringList{"a", "--from", "2015-05-01", "--to", "2015-04-01"}
        << "the period from 2015-05-01 to 2015-04-01 ends before it starts";
    // The other end of the period comes from the settings (2015 when none is stored).
    QTest::newRow("first day after the working period")
        << QStringList{"a", "--from", "2016-01-01"}
        << "the period from 2016-01-01 to 2015-12-31 ends before it starts: its last day comes "
           "from the working period in the settings; give --to";
    QTest::newRow("last day before the working period")
        << QStringList{"a", "--to", "2014-12-31"}
        << "the period from 2015-01-01 to 2014-12-31 ends before it starts: its first day comes "
           "from the working period in the settings; give --from";
}

void TestCommandLine::mistakes()
{
    QFETCH(QStringList, args);
    QFETCH(QString, problem);
    CommandLine line = demoCommandLine();
    const Parsed parsed = parse(line, args);
    QVERIFY(!parsed.goesOn);
    QCOMPARE(parsed.status, 2);
    QCOMPARE(parsed.out, QString());
    QCOMPARE(parsed.err.section(QLatin1Char('\n'), 0, 1),
             QStringLiteral("verdimo-cli demo: %1\nUsage: verdimo-cli demo FILE [options]")
                 .arg(problem));
}

void TestCommandLine::help_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("isHelp");
    QTest::newRow("--help") << QStringList{"--help"} << true;
    QTest::newRow("-h after mistakes") << QStringList{"a", "b", "--fast", "-h"} << true;
    QTest::newRow("value of an option") << QStringList{"a", "--date", "--help"} << false;
    QTest::newRow("after --") << QStringList{"--", "--help"} << false;
}

void TestCommandLine::help()
{
    QFETCH(QStringList, args);
    QFETCH(bool, isHelp);
    CommandLine line = demoCommandLine();
    QCOMPARE(line.asksForHelp(args), isHelp);
    const Parsed parsed = parse(line, args);
    if (!isHelp) {
        QVERIFY(!parsed.out.startsWith(QStringLiteral("Usage:")));
        return;
    }
    QVERIFY(!parsed.goesOn);
    QCOMPARE(parsed.status, 0);
    QCOMPARE(parsed.err, QString());
    QCOMPARE(parsed.out,
             QStringLiteral(
                 "Usage: verdimo-cli demo FILE [options]\n"
                 "Shows how arguments are read.\n"
                 "\n"
                 "Options:\n"
                 "  --db FILE          use FILE instead of the database of the settings\n"
                 "  --from YYYY-MM-DD  first day (default: the first day of the working period)\n"
                 "  --to YYYY-MM-DD    last day (default: the last day of the working period)\n"
                 "  --keep             keep what exists\n"
                 "  --date YYYY-MM-DD  a day\n"
                 "  -h, --help         show this help\n"));
}

void TestCommandLine::period()
{
    m_env.clearSettings();
    CommandLine line = demoCommandLine();
    QVERIFY(parse(line, {"a", "--to", "2015-06-30"}).goesOn);
    QCOMPARE(line.period().start, QDate(2015, 1, 1));
    QCOMPARE(line.period().end, QDate(2015, 6, 30));
    QVERIFY(parse(line, {"a", "--from", "2015-03-01", "--to", "2015-03-01"}).goesOn);
    QCOMPARE(line.period().start, QDate(2015, 3, 1));
    QCOMPARE(line.period().end, QDate(2015, 3, 1));
    // A second parse forgets the first one's values.
    QVERIFY(parse(line, {"a"}).goesOn);
    QCOMPARE(line.period().start, QDate(2015, 1, 1));
    QVERIFY(!line.isSet(QStringLiteral("to")));
}

void TestCommandLine::everyCommandOfTheProgram_data()
{
    QTest::addColumn<QString>("command");
    for (const char *command : {"check", "export", "import", "backup", "process", "print", "chart"})
        QTest::newRow(command) << QString::fromLatin1(command);
}

// Through the real program: each command answers --help with its usage, and an unknown option
// with a message and status 2.
void TestCommandLine::everyCommandOfTheProgram()
{
    QFETCH(QString, command);
    const QString program = QString::fromLocal8Bit(qgetenv("VERDIMO_CLI"));
    QProcess process;
    process.start(program, {command, QStringLiteral("--help")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    const QString help = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY2(help.startsWith(QStringLiteral("Usage: verdimo-cli ") + command), qPrintable(help));
    QVERIFY2(help.contains(QStringLiteral("-h, --help")), qPrintable(help));

    process.start(program, {QStringLiteral("help"), command});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()), help);

    process.start(program, {command, QStringLiteral("--no-such-option")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 2);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(err.contains(QStringLiteral("no-such-option")), qPrintable(err));
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
}

void TestCommandLine::runWithoutAWorkingPeriod_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const QString noPeriod =
        QStringLiteral("The working period in the settings is empty; give --from and --to.\n");
    const QString wrote = QStringLiteral("Wrote 1 page(s) to @OUT@.\n");

    QTest::newRow("registry list")
        << QStringList{"print", "workers", "--pdf", "@OUT@"} << 0 << wrote << QString();
    QTest::newRow("fields list") << QStringList{"print", "fields", "--pdf", "@OUT@"} << 1
                                 << QString() << QString();
    QTest::newRow("card of a day")
        << QStringList{"print", "card", "--date", "2015-03-10", "--pdf", "@OUT@"} << 1 << QString()
        << QString();
    QTest::newRow("list processed first")
        << QStringList{"print", "workers", "--process", "--pdf", "@OUT@"} << 2 << QString()
        << noPeriod;
    QTest::newRow("register") << QStringList{"print", "register", "--pdf", "@OUT@"} << 2
                              << QString() << noPeriod;
    QTest::newRow("card of the days given")
        << QStringList{"print", "card",       "--from", "2015-01-01",
                       "--to",  "2015-12-31", "--pdf",  "@OUT@"}
        << 1
        << QStringLiteral("There are no data to print, try selecting the option processes data!\n"
                          "The period looked at runs from 01/01/2015 to 12/31/2015. Give --from "
                          "and --to, or choose another working period in the settings.\n")
        << QString();
    QTest::newRow("one day given")
        << QStringList{"print", "register", "--from", "2015-01-01", "--pdf", "@OUT@"} << 2
        << QString() << noPeriod;
    QTest::newRow("registry node") << QStringList{"print", "registry", "workers", "--pdf", "@OUT@"}
                                   << 2 << QString() << noPeriod;
    QTest::newRow("chart") << QStringList{"chart", "--png", "@OUT@"} << 2 << QString() << noPeriod;
    QTest::newRow("process") << QStringList{"process"} << 2 << QString() << noPeriod;
    QTest::newRow("export") << QStringList{"export", "@OUT@"} << 2 << QString() << noPeriod;
}

// The settings name a database but no period: what needs one asks for --from and --to, the
// rest works without, and a normal run says nothing else on its error stream.
QString TestCommandLine::farmWithAnna()
{
    m_env.clearSettings();
    const QString path = m_env.copyTemplate();
    Database db;
    db.open(path);
    db.execute(QStringLiteral("INSERT INTO Operai (Codice, Nome, Rapporto) VALUES (1, ?, 0)"),
               {QStringLiteral("Anna")});
    return path;
}

void TestCommandLine::runWithoutAWorkingPeriod()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const QString path = farmWithAnna();
    SettingsKeys::Database.write(path);
    FarmSession::storePeriod({});
    const QString output = m_env.path(QStringLiteral("output"));
    QFile::remove(output);
    args.replaceInStrings(QStringLiteral("@OUT@"), output);
    out.replace(QStringLiteral("@OUT@"), output);

    const CliRun run = CliRun::of(args);
    QCOMPARE(run.err, err);
    QCOMPARE(run.status, status);
    if (!out.isEmpty())
        QCOMPARE(run.out, out);
    QCOMPARE(QFile::exists(output), status == 0);
}

void TestCommandLine::speaksTheLanguageOfTheUser()
{
    m_env.clearSettings();
    const CliRun italian = CliRun::of({"print", "--help"}, QStringLiteral("it_IT.UTF-8"));
    QCOMPARE(italian.status, 0);
    QVERIFY2(
        italian.out.contains(QStringLiteral("usa FILE al posto del database delle impostazioni")),
        qPrintable(italian.out));
    const CliRun english = CliRun::of({"print", "--help"});
    QVERIFY2(
        english.out.contains(QStringLiteral("use FILE instead of the database of the settings")),
        qPrintable(english.out));
}

// The progress bar redraws its line in place; what processing warns of comes after it, each on
// a line of its own, and the run still succeeds.
void TestCommandLine::processingWarningsStartTheirOwnLines()
{
    const QString path = farmWithAnna();
    {
        Database db;
        db.open(path);
        db.execute(QStringLiteral("INSERT INTO Scheda (Data) VALUES ('2015-03-10 00:00:00')"));
        db.execute(QStringLiteral("INSERT INTO Opere (IDScheda, CodOperaio, OreOrd) "
                                  "SELECT MAX(IDScheda), 1, 3 FROM Scheda"));
    }
    const CliRun run =
        CliRun::of({"process", "--db", path, "--from", "2015-01-01", "--to", "2015-12-31"});
    QCOMPARE(run.status, 0);
    const QStringList lines = run.err.split(QLatin1Char('\n'));
    QVERIFY2(lines.contains(
                 QStringLiteral("Worker Anna (1) has 3.00 hours and no hourly wage: the hours "
                                "cost 0.")),
             qPrintable(run.err));
    QCOMPARE(run.out, QStringLiteral("Processed the cards from 2015-01-01 to 2015-12-31.\n"));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "TestCommandLine.moc"
