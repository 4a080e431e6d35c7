#include "base/ui/TypedDateEdit.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

// Whole dates typed into a date field, as a user types them after clicking or tabbing in.
class TestTypedDateEdit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void typedDateIsKeptAsTyped_data();
    void typedDateIsKeptAsTyped();
    void keysOfAnyKeyboardLayout_data();
    void keysOfAnyKeyboardLayout();
    void refusedTextIsNamedAndThePreviousDateKept();
    void enterLeavesARefusedTextToMend();
    void escapeTakesTheTypingBack();
    void arrowsAndTimeStillWorkAfterTyping();
};

static const char *Numeric = "dd/MM/yyyy";
static const char *Long = "dddd, MMMM d, yyyy";

namespace {

// A field on screen with the focus, showing 1 January 1970.
struct ShownField
{
    explicit ShownField(const QString &format)
    {
        field.setDisplayFormat(format);
        field.setDate(QDate(1970, 1, 1));
        field.setCompletionYear(2026);
        field.show();
        field.setFocus();
    }
    TypedDateEdit field;
};

// Types keys as a keyboard sends them. Upper-case letters stand for keys that only change the
// next key: S Shift (held for the next character), G AltGr, C Ctrl, A Alt, K Caps Lock,
// M Meta; any other character is typed as it is.
void typeKeys(QWidget *widget, const QString &keys)
{
    bool shift = false;
    for (const QChar key : keys) {
        // Keys without a character, sent as a keyboard sends them: with no text.
        const auto pressAndRelease = [widget](Qt::Key code) {
            QTest::sendKeyEvent(QTest::Press, widget, code, QString(), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget, code, QString(), Qt::NoModifier);
        };
        switch (key.unicode()) {
        case 'S':
            QTest::keyPress(widget, Qt::Key_Shift, Qt::ShiftModifier);
            shift = true;
            break;
        case 'G':
            pressAndRelease(Qt::Key_AltGr);
            break;
        case 'C':
            pressAndRelease(Qt::Key_Control);
            break;
        case 'A':
            pressAndRelease(Qt::Key_Alt);
            break;
        case 'K':
            pressAndRelease(Qt::Key_CapsLock);
            break;
        case 'M':
            pressAndRelease(Qt::Key_Meta);
            break;
        default:
            QTest::keyClick(widget, key.toLatin1(), shift ? Qt::ShiftModifier : Qt::NoModifier);
            if (shift)
                QTest::keyRelease(widget, Qt::Key_Shift);
            shift = false;
            break;
        }
    }
}

} // namespace

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
    QTest::newRow("long field, no year")
        << Long << "3/16" << QDate(2026, 3, 16) << "Monday, March 16, 2026";
}

void TestTypedDateEdit::typedDateIsKeptAsTyped()
{
    QFETCH(QString, format);
    QFETCH(QString, typed);
    // Every way the user may have put the caret there before typing.
    for (int way = 0; way < 3; ++way) {
        ShownField shown(format);
        TypedDateEdit &field = shown.field;
        QVERIFY(QTest::qWaitForWindowExposed(&field));
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

void TestTypedDateEdit::keysOfAnyKeyboardLayout_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("Shift for the slash (Italian)") << "16S/03S/2026" << QDate(2026, 3, 16);
    QTest::newRow("AltGr and Ctrl pressed between figures")
        << "1G6/C03/2A026" << QDate(2026, 3, 16);
    QTest::newRow("Caps Lock and Meta") << "K16/03/2026KM" << QDate(2026, 3, 16);
    QTest::newRow("Shift first of all") << "S1S6S/3S/26" << QDate(2026, 3, 16);
    QTest::newRow("dashes") << "16-3-2026" << QDate(2026, 3, 16);
    QTest::newRow("dots") << "16.03.26" << QDate(2026, 3, 16);
    QTest::newRow("spaces") << "16 3 2026" << QDate(2026, 3, 16);
    QTest::newRow("day and month only") << "16S/3" << QDate(2026, 3, 16);
    QTest::newRow("two-figure year of the last century") << "5/11/70" << QDate(1970, 11, 5);
    QTest::newRow("ISO 8601") << "2026-03-16" << QDate(2026, 3, 16);
}

// Keys are sent to the field itself, with the presses of modifier keys a real keyboard sends.
void TestTypedDateEdit::keysOfAnyKeyboardLayout()
{
    QFETCH(QString, keys);
    ShownField shown(Numeric);
    QVERIFY(QTest::qWaitForWindowExposed(&shown.field));
    QSignalSpy refused(&shown.field, &TypedDateEdit::typingRefused);
    typeKeys(&shown.field, keys);
    QVERIFY(shown.field.isTyping());
    QTest::keyClick(&shown.field, Qt::Key_Return);
    QTEST(shown.field.date(), "expected");
    QCOMPARE(refused.size(), 0);
}

void TestTypedDateEdit::refusedTextIsNamedAndThePreviousDateKept()
{
    const struct
    {
        const char *typed;
        QDate minimum;
        const char *message;
    } cases[] = {
        {"31/02/1970", QDate(1900, 1, 1), "\"31/02/1970\" is not a date; type it like 16/03/2026."},
        {"abc", QDate(1900, 1, 1), "\"abc\" is not a date; type it like 16/03/2026."},
        {"15/03/197", QDate(1900, 1, 1), "\"15/03/197\" is not a date; type it like 16/03/2026."},
        {"15/03/1960", QDate(1965, 1, 1),
         "15/03/1960 lies outside the dates this field takes, 01/01/1965 to 31/12/9999."},
    };
    for (const auto &each : cases) {
        ShownField shown(Numeric);
        TypedDateEdit &field = shown.field;
        field.setMinimumDate(each.minimum);
        QVERIFY(QTest::qWaitForWindowExposed(&field));
        QSignalSpy refused(&field, &TypedDateEdit::typingRefused);
        QTest::keyClicks(&field, each.typed);
        field.clearFocus();
        QCOMPARE(field.date(), QDate(1970, 1, 1));
        QCOMPARE(field.text(), QString("01/01/1970"));
        QCOMPARE(refused.size(), 1);
        QCOMPARE(refused.first().first().toString(),
                 QString(each.message) + " The field keeps 01/01/1970.");
    }
}

void TestTypedDateEdit::enterLeavesARefusedTextToMend()
{
    ShownField shown(Numeric);
    TypedDateEdit &field = shown.field;
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    QSignalSpy refused(&field, &TypedDateEdit::typingRefused);
    QTest::keyClicks(&field, "16/13");
    QTest::keyClick(&field, Qt::Key_Return);
    QCOMPARE(refused.size(), 1);
    QCOMPARE(field.text(), QString("16/13"));
    QCOMPARE(field.date(), QDate(1970, 1, 1));
    // The refused text is selected: the next try replaces it.
    QTest::keyClicks(&field, "16/3");
    QTest::keyClick(&field, Qt::Key_Return);
    QCOMPARE(field.date(), QDate(2026, 3, 16));
    QCOMPARE(refused.size(), 1);
}

void TestTypedDateEdit::escapeTakesTheTypingBack()
{
    ShownField shown(Numeric);
    QVERIFY(QTest::qWaitForWindowExposed(&shown.field));
    QTest::keyClicks(&shown.field, "16/03");
    QTest::keyClick(&shown.field, Qt::Key_Escape);
    QVERIFY(!shown.field.isTyping());
    QCOMPARE(shown.field.text(), QString("01/01/1970"));
    QCOMPARE(shown.field.date(), QDate(1970, 1, 1));
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
