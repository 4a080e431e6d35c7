#include "base/NumberText.h"

#include <QLocale>
#include <QTest>

class TestNumberText : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void formatNumber_data();
    void formatNumber();
    void formatCurrency_data();
    void formatCurrency();
    void fixedDecimals_data();
    void fixedDecimals();
    void readNumber_data();
    void readNumber();
    void roundTrip_data();
    void roundTrip();
    void valuesWithoutDecimalFormGiveEmptyText();
};

void TestNumberText::formatNumber_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("percent");
    QTest::addColumn<QString>("expected");
    QTest::newRow("it grouping") << "it_IT" << 1234.5 << false << "1.234,50";
    QTest::newRow("it negative") << "it_IT" << -3.5 << false << "-3,50";
    QTest::newRow("it percent") << "it_IT" << 0.5 << true << "50,00%";
    QTest::newRow("it rounds") << "it_IT" << 2.005 << false << "2,01";
    QTest::newRow("us grouping") << "en_US" << 1234567.891 << false << "1,234,567.89";
    QTest::newRow("us percent") << "en_US" << 0.125 << true << "12.50%";
    QTest::newRow("us zero") << "en_US" << 0.0 << false << "0.00";
    QTest::newRow("us tiny negative") << "en_US" << -0.001 << false << "0.00";
}

void TestNumberText::formatNumber()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(bool, percent);
    QLocale::setDefault(QLocale(locale));
    QTEST(FormatNumber(value, percent), "expected");
}

void TestNumberText::formatCurrency_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("it") << "it_IT" << 1234.567 << QString::fromUtf8("1.234,57\u00a0€");
    QTest::newRow("us") << "en_US" << 1234.5 << "$1,234.50";
    QTest::newRow("us negative") << "en_US" << -2.0 << "($2.00)";
    QTest::newRow("it rounds half up") << "it_IT" << -0.125 << QString::fromUtf8("-0,13\u00a0€");
}

void TestNumberText::formatCurrency()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QLocale::setDefault(QLocale(locale));
    QTEST(FormatCurrency(value), "expected");
}

void TestNumberText::fixedDecimals_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");
    QTest::newRow("it") << "it_IT" << 8.6 << 2 << "8,60";
    QTest::newRow("it, no grouping") << "it_IT" << 1234.5 << 2 << "1234,50";
    QTest::newRow("it negative") << "it_IT" << -0.5 << 2 << "-0,50";
    QTest::newRow("us") << "en_US" << 8.6 << 2 << "8.60";
    QTest::newRow("us, no grouping") << "en_US" << 1234.5 << 2 << "1234.50";
    QTest::newRow("us, whole") << "en_US" << 2015.0 << 0 << "2015";
}

void TestNumberText::fixedDecimals()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(int, decimals);
    QLocale::setDefault(QLocale(locale));
    QTEST(FixedDecimals(value, decimals), "expected");
}

void TestNumberText::readNumber_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("percent");
    QTest::addColumn<bool>("read");
    QTest::addColumn<double>("expected");
    auto row = [](const char *name, const char *locale, const char *text, double value,
                  bool percent = false) {
        QTest::newRow(name) << locale << QString::fromUtf8(text) << percent << true << value;
    };
    auto refused = [](const char *name, const char *locale, const char *text,
                      bool percent = false) {
        QTest::newRow(name) << locale << QString::fromUtf8(text) << percent << false << 0.0;
    };
    // The locale's own marks.
    row("en decimal", "en_US", "12.5", 12.5);
    row("en grouped", "en_US", "1,234.5", 1234.5);
    row("en grouped integer", "en_US", "1,234,567", 1234567.0);
    row("it decimal", "it_IT", "12,5", 12.5);
    row("it grouped", "it_IT", "1.234,56", 1234.56);
    row("it grouped integer", "it_IT", "1.234", 1234.0);
    row("fr blank groups", "fr_FR", "1 234,5", 1234.5);
    row("ch apostrophe groups", "de_CH", "1'234.5", 1234.5);
    // A separator where no group can be is the decimal mark, in every locale.
    row("en comma decimal", "en_US", "1,5", 1.5);
    row("en comma two decimals", "en_US", "3,75", 3.75);
    row("en comma after zero", "en_US", "0,125", 0.125);
    row("it point decimal", "it_IT", "1.5", 1.5);
    row("it point two decimals", "it_IT", "12.50", 12.5);
    row("leading mark", "it_IT", ",5", 0.5);
    row("trailing mark", "en_US", "5.", 5.0);
    // Signs and surroundings.
    row("minus", "it_IT", "-3,5", -3.5);
    row("plus", "en_US", "+2", 2.0);
    row("trailing minus", "en_US", "2-", -2.0);
    row("money", "en_US", "-$2.00", -2.0);
    row("money in parentheses", "en_US", "($1,234.50)", -1234.5);
    row("euro after", "it_IT", "1.234,57\u00a0€", 1234.57);
    row("percent", "it_IT", "50%", 0.5, true);
    row("percent with decimals", "en_US", "12.50%", 0.125, true);
    row("blank", "it_IT", "  ", 0.0);
    // Not numbers.
    refused("letters", "en_US", "abc");
    refused("letters after digits", "it_IT", "5a");
    refused("exponent", "en_US", "1e5");
    refused("two decimal marks", "en_US", "1.2.3");
    refused("two commas", "it_IT", "1,2,3");
    refused("group after decimal", "it_IT", "1,234.5");
    refused("misplaced group", "en_US", "12,34.5");
    refused("group and decimal alike", "en_US", "1,234,5");
    refused("blank in english", "en_US", "1 234");
    refused("two marks in a row", "en_US", "1,,5");
    refused("only a mark", "en_US", ".");
    refused("only a sign", "en_US", "-");
    refused("minus inside", "en_US", "5-3");
    refused("two signs", "en_US", "--5");
    refused("percent where none belongs", "en_US", "5%");
}

void TestNumberText::readNumber()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, percent);
    QFETCH(bool, read);
    QFETCH(double, expected);
    QLocale::setDefault(QLocale(locale));
    const std::optional<double> value = ReadNumber(text, percent);
    QCOMPARE(value.has_value(), read);
    if (read)
        QCOMPARE(*value, expected);
    // The lenient reading of shown texts agrees, with 0 for what is not a number.
    QCOMPARE(ParseNumber(text, percent, false), expected);
    QCOMPARE(ParseNumber(text, percent, true), std::abs(expected));
}

void TestNumberText::roundTrip_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    for (const char *locale : {"it_IT", "en_US", "de_CH", "fr_FR", "sv_SE", "en_IN"}) {
        for (double value : {0.0, 12.5, -3.25, 1234.56, 1234567.89, -0.75}) {
            QTest::addRow("%s %g", locale, value) << QString::fromLatin1(locale) << value;
        }
    }
}

void TestNumberText::roundTrip()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(ReadNumber(FormatNumber(value, false), false), value);
    QCOMPARE(ReadNumber(FormatCurrency(value), false), value);
    QCOMPARE(ParseNumber(FormatNumber(value, false), false, false), value);
    QCOMPARE(ParseNumber(FormatCurrency(value), false, false), value);
    QCOMPARE(ParseNumber(FormatNumber(value / 100.0, true), true, false), value / 100.0);
    QCOMPARE(ParseNumber(FormatCurrency(value), false, true), std::abs(value));
}

void TestNumberText::valuesWithoutDecimalFormGiveEmptyText()
{
    QLocale::setDefault(QLocale(QStringLiteral("it_IT")));
    QCOMPARE(FormatNumber(std::numeric_limits<double>::infinity(), false), QString());
    QCOMPARE(FormatNumber(std::nan(""), true), QString());
    QCOMPARE(FormatCurrency(std::nan("")), QString());
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "TestNumberText.moc"
