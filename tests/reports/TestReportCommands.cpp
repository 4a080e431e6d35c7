#include "FarmFixture.h"
#include "TestEnvironment.h"
#include "base/SettingsStore.h"
#include "cli/ReportCommands.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

class TestReportCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void processRebuildsTheTotals();
    void processFailureKeepsTotalsAndExitsOne();
    void badUsage_data();
    void badUsage();
    void printListAsCsv();
    void printReportsAsCsv_data();
    void printReportsAsCsv();
    void printWritesThePages_data();
    void printWritesThePages();
    void printProcessesFirstWhenAsked();
    void printTellsWhatTheProcessingLeftOut_data();
    void printTellsWhatTheProcessingLeftOut();
    void printEuRecord();
    void printRefusals_data();
    void printRefusals();

private:
    int run(int (*command)(const QStringList &, QTextStream &, QTextStream &),
            const QStringList &args);

    TestEnvironment m_env;
    QString m_path;
    QString m_out;
    QString m_err;
};

void TestReportCommands::init()
{
    m_env.clearSettings();
    m_path = m_env.copyTemplate();
    Database db;
    db.open(m_path);
    FarmFixture farm(db);
    for (int i = 1; i <= 41; ++i)
        farm.addWorker(i, QStringLiteral("Worker %1").arg(i), 10);
    farm.addCentre(1, QStringLiteral("Vigneto"), false, true);
    const qint64 card = farm.addCard(QDateTime(QDate(2015, 3, 10), QTime(8, 0)));
    for (int i = 0; i < 9; ++i)
        farm.addWork(card, {1, 2, 0, 0, 1, 1, 0, 7});
    farm.addWork(farm.addCard(QDateTime(QDate(2015, 3, 12), QTime(8, 0))),
                 {2, 1, 0, 0, 1, 1, 0, 7});
}

int TestReportCommands::run(int (*command)(const QStringList &, QTextStream &, QTextStream &),
                            const QStringList &args)
{
    m_out.clear();
    m_err.clear();
    QTextStream out(&m_out);
    QTextStream err(&m_err);
    const int status = command(args, out, err);
    out.flush();
    err.flush();
    return status;
}

void TestReportCommands::processRebuildsTheTotals()
{
    QCOMPARE(run(runProcessCommand, {QStringLiteral("--db"), m_path, QStringLiteral("--from"),
                                     QStringLiteral("2015-03-11"), QStringLiteral("--to"),
                                     QStringLiteral("2015-03-12")}),
             0);
    QVERIFY(m_err.contains(QStringLiteral("100% Phase (1) : Closing archives...")));
    QCOMPARE(m_out, QStringLiteral("Processed the cards from 2015-03-11 to 2015-03-12.\n"));
    Database db;
    db.open(m_path);
    QCOMPARE(FarmFixture(db).rows(QStringLiteral("SELECT Codice, OreQua, CosRic FROM Totali")),
             QStringList({"2|1|10"}));
}

void TestReportCommands::processFailureKeepsTotalsAndExitsOne()
{
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("Database"), m_path);
    QCOMPARE(run(runProcessCommand, {}), 0);
    {
        Database db;
        db.open(m_path);
        db.execute(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Totali "
                                  "BEGIN SELECT RAISE(ABORT, 'totals are locked'); END"));
    }
    QCOMPARE(run(runProcessCommand, {}), 1);
    QVERIFY(m_err.contains(QStringLiteral("totals are locked")));
    Database db;
    db.open(m_path);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM Totali")).toInt(), 2);
}

void TestReportCommands::badUsage_data()
{
    QTest::addColumn<bool>("print");
    QTest::addColumn<QStringList>("args");
    QTest::newRow("process with a word") << false << QStringList{"extra"};
    QTest::newRow("process with a bad date") << false << QStringList{"--from", "10/03/2015"};
    QTest::newRow("process backwards")
        << false << QStringList{"--from", "2015-05-01", "--to", "2015-04-01"};
    QTest::newRow("process unknown option") << false << QStringList{"--fast"};
    QTest::newRow("print without kind") << true << QStringList{"--pdf", "x.pdf"};
    QTest::newRow("print without pdf") << true << QStringList{"workers"};
    QTest::newRow("print unknown kind") << true << QStringList{"horses", "--pdf", "x.pdf"};
    QTest::newRow("print both files")
        << true << QStringList{"workers", "--pdf", "x.pdf", "--csv", "x.csv"};
    QTest::newRow("print bad card day")
        << true << QStringList{"card", "--pdf", "x.pdf", "--date", "2015-13-01"};
}

void TestReportCommands::badUsage()
{
    QFETCH(bool, print);
    QFETCH(QStringList, args);
    QCOMPARE(run(print ? runPrintCommand : runProcessCommand, QStringList{"--db", m_path} + args),
             2);
    QVERIFY(!m_err.isEmpty());
}

void TestReportCommands::printListAsCsv()
{
    {
        Database db;
        db.open(m_path);
        FarmFixture(db).addCentre(2, QStringLiteral("Frutteto, \"nord\""), false, true, 12.5);
    }
    const QString csv = m_env.path(QStringLiteral("out.csv"));
    QCOMPARE(run(runPrintCommand, {"crops", "--db", m_path, "--csv", csv}), 0);
    QCOMPARE(m_out, QStringLiteral("Wrote 2 row(s) to %1.\n").arg(csv));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\xEF\xBB\xBF"
                                        "Center Code,Center,Surface\r\n"
                                        "1,Vigneto,0\r\n"
                                        "2,\"Frutteto, \"\"nord\"\"\",12.5\r\n"));
    QCOMPARE(run(runPrintCommand, {"workers", "--db", m_path, "--csv", csv}), 0);
    QCOMPARE(m_out, QStringLiteral("Wrote 41 row(s) to %1.\n").arg(csv));

    // A name is a text even when every name of the list reads as a number, and a name that
    // reads as a formula is never run by the spreadsheet that opens the file.
    {
        Database db;
        db.open(m_path);
        db.execute(
            QStringLiteral("INSERT INTO Operazioni (Codice, Descrizione) VALUES (7, '0012')"));
        db.execute(
            QStringLiteral("INSERT INTO Operazioni (Codice, Descrizione) VALUES (8, '1,5')"));
        db.execute(QStringLiteral("INSERT INTO Operazioni (Codice, Descrizione) VALUES (9, ?)"),
                   {QStringLiteral("=cmd|' /C calc'!A0")});
    }
    QCOMPARE(run(runPrintCommand, {"operations", "--db", m_path, "--csv", csv}), 0);
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\xEF\xBB\xBF"
                                        "Operation Code,Operation\r\n"
                                        "7,0012\r\n"
                                        "8,\"1,5\"\r\n"
                                        "9,'=cmd|' /C calc'!A0\r\n"));
}

void TestReportCommands::printReportsAsCsv_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("csv");
    const QByteArray amounts =
        "Center Code,Center,Mov.Type,Mov.Code,Description,Unit,Hour/Quant.,Cos/Proc Un.,"
        "Cos/Proc Tot.,Operation\r\n";
    QTest::newRow("cost centres with amounts")
        << QStringList{"cost-centres", "--process", "--economic"}
        << amounts + "1,Vigneto,COST,1,Worker 1,H.,18,10,180,\r\n"
                     "1,Vigneto,TOTAL COSTS,,,,,,180,\r\n"
                     "1,Vigneto,TOTAL REVENUES,,,,,,0,\r\n"
                     "1,Vigneto,TOTAL RESULT,,,,,,-180,\r\n"
                     "1,Vigneto,UNIT COST,,,,,,180,\r\n"
                     "1,Vigneto,UNIT REVENUE,,,,,,0,\r\n"
                     "1,Vigneto,UNIT RESULT,,,,,,-180,\r\n"
                     "3,\"Orto, \"\"sud\"\"\nbasso\",COST,2,Worker 2,H.,1.5,10,15,\r\n"
                     "3,\"Orto, \"\"sud\"\"\nbasso\",TOTAL COSTS,,,,,,15,\r\n"
                     "3,\"Orto, \"\"sud\"\"\nbasso\",TOTAL REVENUES,,,,,,0,\r\n"
                     "3,\"Orto, \"\"sud\"\"\nbasso\",TOTAL RESULT,,,,,,-15,\r\n"
                     "3,\"Orto, \"\"sud\"\"\nbasso\",UNIT COST,,,,,,15,\r\n"
                     "3,\"Orto, \"\"sud\"\"\nbasso\",UNIT REVENUE,,,,,,0,\r\n"
                     "3,\"Orto, \"\"sud\"\"\nbasso\",UNIT RESULT,,,,,,-15,\r\n";
    QTest::newRow("empty period: the header only")
        << QStringList{"cost-centres", "--process", "--economic", "--from",
                       "2016-01-01",   "--to",      "2016-01-31"}
        << amounts;
    QTest::newRow("card")
        << QStringList{"card", "--date", "2015-03-12"}
        << QByteArray("Date,Wor.Code,Worker,Reg.H.,Fest.H.,Overt.,Cen.Code,Center,Op.Code,"
                      "Operation,M.C. (1),Machine (1),M.C. (2),Machine (2),M.C. (3),Machine (3),"
                      "Mov.Type,Cod.Item,Item,Stage,Units,Quantity\r\n"
                      "2015-03-12,2,Worker 2,1.5,0,0,3,\"Orto, \"\"sud\"\"\nbasso\",7,,0,,0,,0,,"
                      "<None>,0,<None>,,,0\r\n");
    QTest::newRow("registry list")
        << QStringList{"registry", "operations"}
        << QByteArray("Operation Code,Operation,Tot.Ord.,Tot.Ext.,Tot.Hol.,Total\r\n"
                      "7,,19.5,0,0,19.5\r\n");
}

void TestReportCommands::printReportsAsCsv()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, csv);
    {
        Database db;
        db.open(m_path);
        FarmFixture farm(db);
        farm.addCentre(3, QStringLiteral("Orto, \"sud\"\nbasso"), false, true);
        db.execute(QStringLiteral("UPDATE Opere SET CodCentro = 3, OreOrd = 1.5 WHERE IDScheda = "
                                  "(SELECT IDScheda FROM Scheda WHERE Data LIKE '2015-03-12%')"));
    }
    const QString path = m_env.path(QStringLiteral("report.csv"));
    QStringList all = args + QStringList{"--db", m_path, "--csv", path};
    if (!args.contains(QStringLiteral("--from")))
        all << QStringLiteral("--from") << QStringLiteral("2015-01-01") << QStringLiteral("--to")
            << QStringLiteral("2015-12-31");
    QCOMPARE(run(runPrintCommand, all), 0);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\xEF\xBB\xBF") + csv);
}

void TestReportCommands::printWritesThePages_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("text");
    QTest::newRow("workers") << QStringList{"workers"} << 2 << "Worker 41";
    QTest::newRow("card of a day")
        << QStringList{"card", "--date", "2015-03-10"} << 2 << "Form of 03/10/2015";
    QTest::newRow("card of ActualDate") << QStringList{"card"} << 1 << "Form of 03/12/2015";
    QTest::newRow("crops") << QStringList{"crops"} << 1 << "Vigneto";
    QTest::newRow("cost centres") << QStringList{"cost-centres", "--process", "--economic"} << 1
                                  << "TOTAL COSTS";
    QTest::newRow("cost centres without amounts")
        << QStringList{"cost-centres", "--process"} << 1 << "Worker 1";
    QTest::newRow("registry folder") << QStringList{"registry", "workers"} << 1 << "Worker 2";
    QTest::newRow("registry record") << QStringList{"registry", "worker:1"} << 1 << "Worker 1 (1)";
}

void TestReportCommands::printWritesThePages()
{
    QFETCH(QStringList, args);
    QFETCH(int, pages);
    QFETCH(QString, text);
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("ActualDate"),
                               QStringLiteral("12/03/2015"));
    const QString pdf = m_env.path(QStringLiteral("out.pdf"));
    QCOMPARE(run(runPrintCommand, args + QStringList{"--db", m_path, "--pdf", pdf}), 0);
    QCOMPARE(m_out, QStringLiteral("Wrote %1 page(s) to %2.\n").arg(pages).arg(pdf));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("%PDF"));
    REQUIRE_TOOL(QStringLiteral("pdftotext"));
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished());
    QVERIFY(QString::fromUtf8(pdftotext.readAllStandardOutput()).contains(text));
}

void TestReportCommands::printProcessesFirstWhenAsked()
{
    const QStringList args{"workers", "--db", m_path, "--pdf", m_env.path(QStringLiteral("w.pdf"))};
    QCOMPARE(run(runPrintCommand, args), 0);
    Database db;
    db.open(m_path);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM Totali")).toInt(), 0);
    QCOMPARE(run(runPrintCommand, args + QStringList{"--process"}), 0);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM Totali")).toInt(), 2);
}

void TestReportCommands::printTellsWhatTheProcessingLeftOut_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("processes");
    QTest::newRow("cost centres to PDF")
        << QStringList{"cost-centres", "--process", "--pdf", m_env.path("c.pdf")} << true;
    QTest::newRow("field report to CSV")
        << QStringList{"field-report", "--process", "--csv", m_env.path("f.csv")} << true;
    QTest::newRow("nothing processed")
        << QStringList{"cost-centres", "--pdf", m_env.path("c.pdf")} << false;
}

// The works of the farm are booked on operation 7, which is in no registry.
void TestReportCommands::printTellsWhatTheProcessingLeftOut()
{
    QFETCH(QStringList, args);
    QFETCH(bool, processes);
    const QStringList period{"--db", m_path, "--from", "2015-01-01", "--to", "2015-12-31"};
    QCOMPARE(run(runProcessCommand, period), 0);
    const QString warning =
        QStringLiteral("10 work(s) on operation code 7, which is in no registry.\n");
    QVERIFY2(m_err.endsWith(warning), qPrintable(m_err));

    QCOMPARE(run(runPrintCommand, args + period), 0);
    QCOMPARE(m_err.contains(warning), processes);
    // On a line of its own once the progress has ended.
    if (processes)
        QVERIFY2(m_err.lastIndexOf(QStringLiteral("Closing archives...")) <
                     m_err.indexOf(QLatin1Char('\n') + warning),
                 qPrintable(m_err));
}

void TestReportCommands::printEuRecord()
{
    {
        Database db;
        db.open(m_path);
        FarmFixture farm(db);
        farm.addItem(10, QStringLiteral("Rame 20"), QStringLiteral("L"), true);
        farm.addWork(farm.addCard(QDateTime(QDate(2015, 4, 2), QTime(8, 0))),
                     {.centreType = 1, .centre = 1},
                     {.type = 3, .item = 10, .quantity = 5, .unit = QStringLiteral("L")});
    }
    const QStringList period{"--db", m_path, "--from", "2015-01-01", "--to", "2015-12-31"};
    const QString csv = m_env.path(QStringLiteral("record.csv"));
    QCOMPARE(run(runPrintCommand, QStringList{"eu-record", "--csv", csv} + period), 0);
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines.at(0).contains("date,product,authorisation_number,quantity,unit,"));
    QVERIFY(!lines.at(0).contains("parcel_geometry"));
    QVERIFY2(lines.at(1).startsWith("2015-04-02,Rame 20,,5,L,,Vigneto,"), lines.at(1).constData());

    const QString pdf = m_env.path(QStringLiteral("record.pdf"));
    QCOMPARE(run(runPrintCommand, QStringList{"eu-record", "--pdf", pdf} + period), 0);
    QCOMPARE(m_out, QStringLiteral("Wrote 1 page(s) to %1.\n").arg(pdf));
    REQUIRE_TOOL(QStringLiteral("pdftotext"));
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished());
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY2(text.contains("Treatment record (EU)") && text.contains("Rame 20"), qPrintable(text));

    // A period without treatments prints nothing and says why.
    QCOMPARE(run(runPrintCommand, QStringList{"eu-record", "--pdf", pdf, "--db", m_path, "--from",
                                              "2016-01-01", "--to", "2016-12-31"}),
             1);
    QVERIFY2(m_out.contains("no treatments") || m_err.contains("no treatments"),
             qPrintable(m_out + m_err));
}

void TestReportCommands::printRefusals_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("unprocessed cost centres")
        << QStringList{"cost-centres", "--economic"}
        << "There are no data to print, try selecting the option processes data!";
    QTest::newRow("unprocessed register") << QStringList{"register"} << "give --process";
    QTest::newRow("empty register")
        << QStringList{"register", "--process"} << "There are no data to print!";
    QTest::newRow("unknown registry node")
        << QStringList{"registry", "horses"} << "Unknown registry node 'horses'";
    QTest::newRow("unknown registry record")
        << QStringList{"registry", "worker:77"} << "There is no worker with code 77";
    QTest::newRow("registry record without code")
        << QStringList{"registry", "item:x"} << "with a code from 1 to 32767";
    QTest::newRow("no operations")
        << QStringList{"operations"}
        << "There are no data to print, try selecting the option processes data!";
    QTest::newRow("no card that day")
        << QStringList{"card", "--date", "2015-03-11"}
        << "There are no data to print, try selecting the option processes data!";
    QTest::newRow("unwritable file")
        << QStringList{"workers", "--pdf", "/nonexistent/folder/x.pdf"} << "Cannot write";
}

void TestReportCommands::printRefusals()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QStringList all = args + QStringList{"--db", m_path};
    if (!args.contains(QStringLiteral("--pdf")))
        all << QStringLiteral("--pdf") << m_env.path(QStringLiteral("refused.pdf"));
    QCOMPARE(run(runPrintCommand, all), 1);
    QVERIFY2((m_out + m_err).contains(message), qPrintable(m_out + m_err));
    QVERIFY(!QFile::exists(m_env.path(QStringLiteral("refused.pdf"))));
}

QTEST_MAIN(TestReportCommands)
#include "TestReportCommands.moc"
