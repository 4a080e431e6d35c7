#include "TestEnvironment.h"
#include "base/SettingsStore.h"
#include "db/Database.h"
#include "db/DbDate.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

// verdimo-cli chart as a script runs it: the files it writes and its refusals.
class TestChartCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pngOfTheAskedSizeShowsTheSeries();
    void pdfPageOfTheSettingsPeriod();
    void svgDrawing();
    void refusals_data();
    void refusals();

private:
    struct Run
    {
        int exitCode;
        QString out;
        QString err;
    };
    Run run(const QStringList &args);
    static QString toolOutput(const QString &tool, const QStringList &args);

    TestEnvironment m_env;
    QString m_db;
};

void TestChartCommand::initTestCase()
{
    m_db = m_env.copyTemplate();
    Database db;
    db.open(m_db);
    // A year of cards, every fifth day left out, temperatures and rain within the plot.
    Transaction transaction(db);
    for (int day = 0; day < 365; ++day) {
        if (day % 5 == 4)
            continue;
        db.execute(QStringLiteral(
                       "INSERT INTO Scheda (Data, TempMax, TempMin, Pioggia) VALUES (?, ?, ?, ?)"),
                   {DbDate::toText(QDateTime(QDate(2014, 10, 1).addDays(day), QTime(8, 0))),
                    30 + day % 7, 5 + day % 3, (day % 11) * 2});
    }
    transaction.commit();
}

TestChartCommand::Run TestChartCommand::run(const QStringList &args)
{
    QProcess process;
    process.start(QString::fromLocal8Bit(qgetenv("VERDIMO_CLI")),
                  QStringList{QStringLiteral("chart")} + args);
    if (!process.waitForFinished(60000))
        qFatal("verdimo-cli did not finish");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString TestChartCommand::toolOutput(const QString &tool, const QStringList &args)
{
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return {};
    QProcess process;
    process.start(tool, args);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

void TestChartCommand::pngOfTheAskedSizeShowsTheSeries()
{
    const QString png = m_env.path(QStringLiteral("chart.png"));
    const Run result = run({"--png", png, "--db", m_db, "--from", "2014-10-01", "--to",
                            "2015-09-30", "--size", "900x560"});
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    QCOMPARE(
        result.out,
        QStringLiteral("Wrote the weather chart from 2014-10-01 to 2015-09-30 to %1.\n").arg(png));

    const QImage image(png);
    QCOMPARE(image.size(), QSize(900, 560));
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) & 0xffffff];
    // Each series draws a line across the year, far more pixels than its legend.
    QVERIFY2(counts.value(0xff0000) > 500, "maximum temperature in red");
    QVERIFY2(counts.value(0x0000ff) > 500, "minimum temperature in blue");
    QVERIFY2(counts.value(0x00ff00) > 500, "rain in green");

    // Without a size, a picture is 1600 x 1000.
    QCOMPARE(run({"--png", png, "--db", m_db}).exitCode, 0);
    QCOMPARE(QImage(png).size(), QSize(1600, 1000));
}

void TestChartCommand::pdfPageOfTheSettingsPeriod()
{
    m_env.clearSettings();
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("DataInit"),
                               QStringLiteral("01/10/2014"));
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("DataEnd"),
                               QStringLiteral("30/09/2015"));
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("DittaRagSoc"),
                               QStringLiteral("Podere Rossi"));
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("Database"), m_db);

    const QString pdf = m_env.path(QStringLiteral("chart.pdf"));
    const Run result = run({"--pdf", pdf});
    m_env.clearSettings();
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    QVERIFY(result.out.contains(QStringLiteral("from 2014-10-01 to 2015-09-30")));

    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    const QString info = toolOutput(QStringLiteral("pdfinfo"), {pdf});
    if (info.isEmpty())
        QSKIP("pdfinfo and pdftotext are not installed");
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts \\(A4\\)"))
            .match(info);
    QVERIFY2(size.hasMatch(), qPrintable(info));
    QVERIFY2(size.captured(1).toDouble() > size.captured(2).toDouble(), "landscape");
    const QString text = toolOutput(QStringLiteral("pdftotext"), {"-raw", pdf, "-"});
    QVERIFY2(text.contains(QStringLiteral("Podere Rossi - Weather Chart")), qPrintable(text));
    const QStringList months{"Oct.", "Nov.", "Dec.", "Jan.", "Feb.", "Mar.",
                             "Apr.", "May.", "Jun.", "Jul.", "Aug.", "Sep."};
    qsizetype from = 0;
    for (const QString &month : months) {
        from = text.indexOf(month, from);
        QVERIFY2(from >= 0, qPrintable(month + QStringLiteral(" missing or out of order")));
    }
    for (const QString &legend : QStringList{"Maximum Temperature", "Minimum Temperature", "Rain"})
        QVERIFY(text.contains(legend));
}

void TestChartCommand::svgDrawing()
{
    const QString svg = m_env.path(QStringLiteral("chart.svg"));
    QCOMPARE(run({"--svg", svg, "--db", m_db, "--from", "2015-01-01", "--to", "2015-06-30",
                  "--size", "1200x700"})
                 .exitCode,
             0);
    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.contains(QStringLiteral("width=\"1200\"")));
    QVERIFY(text.contains(QStringLiteral("height=\"700\"")));
    for (const QString &expected :
         QStringList{"Jan.", "Jun.", "Rain", "#ff0000", "#0000ff", "#00ff00"})
        QVERIFY2(text.contains(expected), qPrintable(expected));
}

void TestChartCommand::refusals_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    const QString out = QStringLiteral("@OUT@");
    QTest::newRow("no output") << QStringList{"--db", "@DB@"} << 2 << "Usage: verdimo-cli chart";
    QTest::newRow("two outputs") << QStringList{"--png", out, "--pdf", out + ".pdf", "--db", "@DB@"}
                                 << 2 << "Usage: verdimo-cli chart";
    QTest::newRow("unknown option")
        << QStringList{"--png", out, "--width", "3"} << 2 << "unknown option '--width'";
    QTest::newRow("size without height")
        << QStringList{"--png", out, "--db", "@DB@", "--size", "1600x"} << 2 << "WIDTHxHEIGHT";
    QTest::newRow("size of nothing")
        << QStringList{"--png", out, "--db", "@DB@", "--size", "0x100"} << 2 << "WIDTHxHEIGHT";
    QTest::newRow("day first date")
        << QStringList{"--png", out, "--db", "@DB@", "--from", "01/01/2015", "--to", "2015-12-31"}
        << 2 << "'01/01/2015' is not a day written YYYY-MM-DD";
    QTest::newRow("backwards period")
        << QStringList{"--png", out, "--db", "@DB@", "--from", "2015-12-31", "--to", "2015-01-01"}
        << 2 << "ends before it starts";
    QTest::newRow("missing database")
        << QStringList{"--png", out, "--db", "@MISSING@"} << 1 << "@MISSING@";
    QTest::newRow("unwritable folder")
        << QStringList{"--png", "@NOFOLDER@/chart.png", "--db", "@DB@"} << 1
        << "Cannot write the chart to";
}

void TestChartCommand::refusals()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const QString output = m_env.path(QStringLiteral("refused.png"));
    args.replaceInStrings(QStringLiteral("@OUT@"), output);
    args.replaceInStrings(QStringLiteral("@DB@"), m_db);
    args.replaceInStrings(QStringLiteral("@MISSING@"), m_env.path(QStringLiteral("missing.mdb")));
    args.replaceInStrings(QStringLiteral("@NOFOLDER@"), m_env.path(QStringLiteral("no/such")));

    message.replace(QStringLiteral("@MISSING@"), m_env.path(QStringLiteral("missing.mdb")));

    const Run result = run(args);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QVERIFY(!QFile::exists(output));
    QVERIFY(!QFile::exists(output + QStringLiteral(".pdf")));
}

QTEST_MAIN(TestChartCommand)
#include "TestChartCommand.moc"
