#include "base/ui/TypedDateEdit.h"

#include <QLineEdit>
#include <QTest>

// Whole dates typed into a date field, as a user types them after clicking or tabbing in.
class TestTypedDateEdit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void typedDateIsKeptAsTyped_data();
    void typedDateIsKeptAsTyped();
    void textThatIsNoDateKeepsThePreviousDate();
    void arrowsAndTimeStillWorkAfterTyping();
};

static const char *Numeric = "dd/MM/yyyy";
static const char *Long = "dddd, MMMM d, yyyy";

void TestTypedDateEdit::typedDateIsKeptAsTyped_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("expected");
    QTest::addColumn<QString>("shown");
    QTest::newRow("day first") << Numeric << "15/03/1970" << QDate(1970, 3, 15) << "15/03/1970";
    QTest::newRow("no zeros") << Numeric << "5/3/1970" << QDate(1970, 3, 5) << "05/03/1970";
    QTest::newRow("long as shown")
        << Long << "Sunday, March 15, 1970" << QDate(1970, 3, 15) << "Sunday, March 15, 1970";
    QTest::newRow("long without weekday")
        << Long << "March 15, 1970" << QDate(1970, 3, 15) << "Sunday, March 15, 1970";
    QTest::newRow("long field, numeric date")
        << Long << "3/15/1970" << QDate(1970, 3, 15) << "Sunday, March 15, 1970";
}

void TestTypedDateEdit::typedDateIsKeptAsTyped()
{
    QFETCH(QString, format);
    QFETCH(QString, typed);
    // Every way the user may have put the caret there before typing.
    for (int way = 0; way < 3; ++way) {
        TypedDateEdit field;
        field.setDisplayFormat(format);
        field.setDate(QDate(1970, 1, 1));
        field.show();
        QVERIFY(QTest::qWaitForWindowExposed(&field));
        field.setFocus();
        if (way == 0)
            field.selectAll();
        else if (way == 1)
            QTest::keyClick(&field, Qt::Key_Home);
        else
            field.setSelectedSection(QDateTimeEdit::DaySection);
        QTest::keyClicks(&field, typed);
        QTest::keyClick(&field, Qt::Key_Return);
        QTEST(field.date(), "expected");
        QTEST(field.text(), "shown");
    }
}

void TestTypedDateEdit::textThatIsNoDateKeepsThePreviousDate()
{
    const struct
    {
        const char *typed;
        QDate minimum;
    } cases[] = {{"31/02/1970", QDate(1900, 1, 1)},
                 {"abc", QDate(1900, 1, 1)},
                 {"15/03/19", QDate(1900, 1, 1)},
                 {"15/03/1960", QDate(1965, 1, 1)}};
    for (const auto &each : cases) {
        TypedDateEdit field;
        field.setDisplayFormat(Numeric);
        field.setMinimumDate(each.minimum);
        field.setDate(QDate(1970, 1, 1));
        field.show();
        QVERIFY(QTest::qWaitForWindowExposed(&field));
        field.setFocus();
        QTest::keyClicks(&field, each.typed);
        field.clearFocus();
        QCOMPARE(field.date(), QDate(1970, 1, 1));
        QCOMPARE(field.text(), QString("01/01/1970"));
    }
}

void TestTypedDateEdit::arrowsAndTimeStillWorkAfterTyping()
{
    TypedDateEdit field;
    field.setDisplayFormat(Long);
    field.setDateTime(QDateTime(QDate(2015, 6, 1), QTime(8, 30)));
    QList<QDate> reported;
    connect(&field, &QDateTimeEdit::dateChanged, this, [&](const QDate &day) { reported << day; });
    field.show();
    field.setFocus();
    QTest::keyClicks(&field, "June 10, 2015");
    field.setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClick(&field, Qt::Key_Up);
    QCOMPARE(field.dateTime(), QDateTime(QDate(2015, 6, 11), QTime(8, 30)));
    QCOMPARE(reported.last(), QDate(2015, 6, 11));
    QVERIFY(reported.contains(QDate(2015, 6, 10)));
}

QTEST_MAIN(TestTypedDateEdit)
#include "TestTypedDateEdit.moc"
