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
    void parseNumber_data();
    void parseNumber();
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

void TestNumberText::parseNumber_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("percent");
    QTest::addColumn<bool>("ignoreSign");
    QTest::addColumn<double>("expected");
    QTest::newRow("it grouped") << "it_IT"
                                << "1.234,56" << false << false << 1234.56;
    QTest::newRow("it negative") << "it_IT"
                                 << "-3,5" << false << false << -3.5;
    QTest::newRow("it sign ignored") << "it_IT"
                                     << "-3,5" << false << true << 3.5;
    QTest::newRow("it percent") << "it_IT"
                                << "50%" << true << false << 0.5;
    QTest::newRow("it point groups") << "it_IT"
                                     << "12.5" << false << false << 125.0;
    QTest::newRow("it empty") << "it_IT"
                              << "" << false << false << 0.0;
    QTest::newRow("it letters only") << "it_IT"
                                     << "abc" << false << false << 0.0;
    QTest::newRow("it second comma ends") << "it_IT"
                                          << "1,2,3" << false << false << 1.2;
    QTest::newRow("us point") << "en_US"
                              << "12.5" << false << false << 12.5;
    QTest::newRow("us grouped") << "en_US"
                                << "1,234.56" << false << false << 1234.56;
    QTest::newRow("us money negative") << "en_US"
                                       << "-$2.00" << false << false << -2.0;
    QTest::newRow("us parentheses") << "en_US"
                                    << "($2.00)" << false << false << -2.0;
    QTest::newRow("us parentheses ignored") << "en_US"
                                            << "($2.00)" << false << true << 2.0;
    QTest::newRow("us percent") << "en_US"
                                << "12.50%" << true << false << 0.125;
    QTest::newRow("us minus after digits") << "en_US"
                                           << "5-3" << false << false << 53.0;
}

void TestNumberText::parseNumber()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, percent);
    QFETCH(bool, ignoreSign);
    QFETCH(double, expected);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(ParseNumber(text, percent, ignoreSign), expected);
}

void TestNumberText::roundTrip_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    for (const char *locale : {"it_IT", "en_US", "de_CH", "fr_FR"}) {
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
