#include "TestEnvironment.h"
#include "base/CsvTable.h"

#include <QFile>
#include <QProcess>
#include <QTest>
#include <cmath>

class TestCsvTable : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void field_data();
    void field();
    void shortRowsArePaddedToTheHeader();
    void readBackByPython();

private:
    TestEnvironment m_env;
};

void TestCsvTable::init()
{
    // A locale with a decimal comma: numbers must still come out with a point.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

void TestCsvTable::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void TestCsvTable::field_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << QVariant(QStringLiteral("Vigneto")) << "Vigneto";
    QTest::newRow("comma") << QVariant(QStringLiteral("Rossi, Mario")) << "\"Rossi, Mario\"";
    QTest::newRow("quote") << QVariant(QStringLiteral("Il \"Poggio\"")) << "\"Il \"\"Poggio\"\"\"";
    QTest::newRow("line feed") << QVariant(QStringLiteral("a\nb")) << "\"a\nb\"";
    QTest::newRow("carriage return") << QVariant(QStringLiteral("a\rb")) << "\"a\rb\"";
    QTest::newRow("spaces kept") << QVariant(QStringLiteral(" x ")) << " x ";
    QTest::newRow("empty text") << QVariant(QString()) << "";
    QTest::newRow("null") << QVariant() << "";
    QTest::newRow("double") << QVariant(1234.5) << "1234.5";
    QTest::newRow("double shortest") << QVariant(0.1 + 0.2) << "0.30000000000000004";
    QTest::newRow("negative") << QVariant(-2.0) << "-2";
    // Round figures stay in plain digits: "2e+06" would be read back only by some programs.
    QTest::newRow("a round million") << QVariant(2000000.0) << "2000000";
    QTest::newRow("a tiny fraction") << QVariant(0.0000001) << "0.0000001";
    QTest::newRow("not a number") << QVariant(std::nan("")) << "";
    QTest::newRow("integer") << QVariant(qint64(1234567)) << "1234567";
    QTest::newRow("date") << QVariant(QDate(2026, 5, 4)) << "2026-05-04";
    QTest::newRow("date and time")
        << QVariant(QDateTime(QDate(2026, 5, 4), QTime(8, 30))) << "2026-05-04T08:30:00";
    // Texts a spreadsheet would run as formulas are kept as texts; numbers stay numbers.
    QTest::newRow("formula") << QVariant(QStringLiteral("=HYPERLINK(\"http://x\",\"y\")"))
                             << "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"";
    QTest::newRow("command") << QVariant(QStringLiteral("=cmd|' /C calc'!A0"))
                             << "'=cmd|' /C calc'!A0";
    QTest::newRow("plus") << QVariant(QStringLiteral("+39 055 123")) << "'+39 055 123";
    QTest::newRow("minus text") << QVariant(QStringLiteral("-2+3")) << "'-2+3";
    QTest::newRow("at") << QVariant(QStringLiteral("@SUM(A1)")) << "'@SUM(A1)";
    QTest::newRow("tab") << QVariant(QStringLiteral("\t=1")) << "'\t=1";
    QTest::newRow("carriage return first") << QVariant(QStringLiteral("\r=1")) << "\"'\r=1\"";
    QTest::newRow("behind spaces") << QVariant(QStringLiteral("  =1+1")) << "'  =1+1";
    QTest::newRow("sign inside") << QVariant(QStringLiteral("a=b-c")) << "a=b-c";
    QTest::newRow("negative integer") << QVariant(-7) << "-7";
}

void TestCsvTable::field()
{
    QFETCH(QVariant, value);
    QFETCH(QString, expected);
    QCOMPARE(CsvTable::field(value), expected);
}

void TestCsvTable::shortRowsArePaddedToTheHeader()
{
    CsvTable table({QStringLiteral("a"), QStringLiteral("b, c")});
    table.addRow({1});
    QCOMPARE(table.toUtf8(), QByteArray("\xEF\xBB\xBF"
                                        "a,\"b, c\"\r\n1,\r\n"));
}

void TestCsvTable::readBackByPython()
{
    const QString python = TestEnvironment::requireTool(QStringLiteral("python3"));
    if (python.isEmpty())
        return;
    CsvTable table({QStringLiteral("name"), QStringLiteral("value")});
    const QStringList names{QStringLiteral("Rossi, Mario"), QStringLiteral("Il \"Poggio\""),
                            QStringLiteral("due\nrighe"), QStringLiteral("Località Sàn"),
                            QStringLiteral("=1+1")};
    for (const QString &name : names)
        table.addRow({name, 2.5});
    const QString path = m_env.path(QStringLiteral("names.csv"));
    QString error;
    QVERIFY2(table.save(path, &error), qPrintable(error));

    QProcess process;
    process.start(python, {QStringLiteral("-c"),
                           QStringLiteral("import csv, json, sys\n"
                                          "with open(sys.argv[1], newline='', encoding='utf-8') "
                                          "as f:\n"
                                          "    assert f.read(1) == '\\ufeff'\n"
                                          "    rows = list(csv.reader(f))\n"
                                          "sys.stdout.write(json.dumps(rows))\n"),
                           path});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const QString read = QString::fromUtf8(process.readAllStandardOutput());
    QStringList expected{QStringLiteral("[[\"name\", \"value\"]")};
    for (const QString &name : names) {
        QString escaped = name;
        escaped.replace(QLatin1Char('"'), QStringLiteral("\\\""))
            .replace(QLatin1Char('\n'), QStringLiteral("\\n"))
            .replace(QStringLiteral("à"), QStringLiteral("\\u00e0"))
            .replace(QStringLiteral("="), QStringLiteral("'="));
        expected << QStringLiteral("[\"%1\", \"2.5\"]").arg(escaped);
    }
    QCOMPARE(read, expected.join(QStringLiteral(", ")) + QLatin1Char(']'));
}

QTEST_GUILESS_MAIN(TestCsvTable)
#include "TestCsvTable.moc"
