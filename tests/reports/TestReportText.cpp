#include "base/NumberText.h"
#include "reports/RecordingSurface.h"
#include "reports/ReportText.h"

#include <QLocale>
#include <QTest>

class TestReportText : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void figuresAreNeverCut_data();
    void figuresAreNeverCut();
    void namesGiveWayToFigures();
};

void TestReportText::cleanup()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestReportText::figuresAreNeverCut_data()
{
    // The recording surface gives 1.5 units per character and point: a 9-point column of 130
    // units holds 9 characters, at 6 points 14.
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("startSize");
    QTest::addColumn<int>("width");
    QTest::addColumn<double>("size");
    QTest::addColumn<QStringList>("lines");

    const auto en = QLocale::English;
    const auto it = QLocale::Italian;
    QTest::newRow("fits") << en << "kg" << 999.99 << 9.0 << 130 << 9.0 << QStringList{"kg 999.99"};
    QTest::newRow("1,000 smaller")
        << en << "kg" << 1000.0 << 9.0 << 130 << 7.5 << QStringList{"kg 1,000.00"};
    QTest::newRow("1.000 smaller")
        << it << "kg" << 1000.0 << 9.0 << 130 << 7.5 << QStringList{"kg 1.000,00"};
    QTest::newRow("12,345.68") << en << "kg" << 12345.68 << 9.0 << 130 << 7.0
                               << QStringList{"kg 12,345.68"};
    QTest::newRow("12.345,68") << it << "kg" << 12345.68 << 9.0 << 130 << 7.0
                               << QStringList{"kg 12.345,68"};
    QTest::newRow("999,999.99") << en << "kg" << 999999.99 << 9.0 << 130 << 6.5
                                << QStringList{"kg 999,999.99"};
    QTest::newRow("long unit, half a point less")
        << en << "Kg/q" << 45.0 << 9.0 << 130 << 8.5 << QStringList{"Kg/q 45.00"};
    QTest::newRow("long unit: second line")
        << en << "Kg/q" << 999999.99 << 9.0 << 130 << 6.0 << QStringList{"Kg/q", "999,999.99"};
    QTest::newRow("long unit: second line, Italian")
        << it << "Kg/q" << 12345.68 << 10.0 << 110 << 6.0 << QStringList{"Kg/q", "12.345,68"};
    QTest::newRow("number alone: broken between digit groups")
        << en << "" << 123456789012.35 << 9.0 << 130 << 6.0
        << QStringList{"123,456,789,", "012.35"};
    QTest::newRow("nothing fits: runs past the column least")
        << en << "kg" << 12345.68 << 9.0 << 30 << 6.0 << QStringList{"kg 12,", "345.68"};
    QTest::newRow("already small: two lines in its own size")
        << it << "Kg/q" << 999999.99 << 5.0 << 100 << 5.0 << QStringList{"Kg/q", "999.999,99"};
}

void TestReportText::figuresAreNeverCut()
{
    QFETCH(QLocale::Language, language);
    QFETCH(QString, unit);
    QFETCH(double, value);
    QFETCH(double, startSize);
    QFETCH(int, width);
    QFETCH(double, size);
    QFETCH(QStringList, lines);
    QLocale::setDefault(QLocale(language));
    const QString number = FormatNumber(value, false);
    const QString figure = unit.isEmpty() ? number : unit + QLatin1Char(' ') + number;

    RecordingSurface surface;
    const PageFont font{QStringLiteral("Times New Roman"), startSize, PageFont::Bold};
    surface.selectFont(font);
    ReportText::drawFigure(surface, 1410, -630, 1410 + width, figure);

    QCOMPARE(surface.texts(), lines);
    QStringList drawnAt;
    for (const RecordingSurface::Call &call : surface.calls()) {
        drawnAt << QStringLiteral("%1,%2").arg(call.x).arg(call.y);
        // Smaller in the same face and weight.
        QCOMPARE(call.font, (PageFont{font.face, size, font.weight}));
        if (lines.size() == 1 || size > ReportText::SmallestFigureSize)
            QVERIFY2(call.x2 - call.x <= width, qPrintable(call.text));
    }
    const QStringList positions =
        lines.size() == 1 ? QStringList{"1410,-630"} : QStringList{"1410,-630", "1410,-654"};
    QCOMPARE(drawnAt, positions);
    // Whole: the lines put together give the figure back.
    QString joined = lines.join(QString());
    if (joined != figure)
        joined = lines.join(QLatin1Char(' '));
    QCOMPARE(joined, figure);
    // The surface keeps its font for what comes next.
    QCOMPARE(surface.currentFont(), font);
}

void TestReportText::namesGiveWayToFigures()
{
    RecordingSurface surface;
    const QString name(60, QLatin1Char('n'));
    const QString line = QStringLiteral("Report for %1 (surface: 12,345.68 Ha)").arg(name);
    const QString fitted = ReportText::fitAround(surface, line, name, 900);
    QVERIFY2(fitted.endsWith(QStringLiteral("... (surface: 12,345.68 Ha)")), qPrintable(fitted));
    QVERIFY(fitted.startsWith(QStringLiteral("Report for nnn")));
    QVERIFY(surface.textWidth(fitted) <= 900);
    QCOMPARE(ReportText::fitAround(surface, QStringLiteral("Report for Vigneto"),
                                   QStringLiteral("Vigneto"), 900),
             QStringLiteral("Report for Vigneto"));
}

QTEST_MAIN(TestReportText)
#include "TestReportText.moc"
