#include "online/PrintableText.h"

#include <QTest>

// What is left of a server's text before it is shown in a terminal or a window.
class TestPrintableText : public QObject
{
    Q_OBJECT

private slots:
    void of_data()
    {
        QTest::addColumn<QString>("received");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "Not Found"
                               << "Not Found";
        QTest::newRow("accents and symbols") << "Località € 3½ 🍇"
                                             << "Località € 3½ 🍇";
        QTest::newRow("colour") << "\x1b[1;31mred\x1b[0m text"
                                << "red text";
        QTest::newRow("clear screen and cursor") << "\x1b[2J\x1b[H\x1b[10;5Hmoved"
                                                 << "moved";
        QTest::newRow("window title ended by bell") << "\x1b]0;owned\x07"
                                                       "after"
                                                    << "after";
        QTest::newRow("hyperlink ended by ESC backslash")
            << "\x1b]8;;http://x\x1b\\link\x1b]8;;\x1b\\"
            << "link";
        QTest::newRow("device control string") << "\x1bPq#0;2;0;0;0\x1b\\ok"
                                               << "ok";
        QTest::newRow("character set and reset")
            << QString("\x1b(Babc") + QChar(0x1b) + QString("c") << "abc";
        QTest::newRow("8-bit control sequence") << QString(QChar(0x9b)) + "31mred"
                                                << "red";
        QTest::newRow("line breaks, tab, backspace, bell") << "one\r\ntwo\tthree\b\x07"
                                                              "four"
                                                           << "one two three four";
        QTest::newRow("reading direction reversed") << QString("abc") + QChar(0x202e) + "def"
                                                    << "abc def";
        QTest::newRow("unfinished sequence") << "text\x1b[12"
                                             << "text";
        QTest::newRow("nothing printable") << "\x1b[0m\x01\x02"
                                           << "";
    }
    void of()
    {
        QFETCH(QString, received);
        QFETCH(QString, shown);
        QCOMPARE(PrintableText::of(received), shown);
    }

    void longTextIsCut()
    {
        QCOMPARE(PrintableText::of(QString(50, u'x'), 10), QString(10, u'x') + "...");
        QCOMPARE(PrintableText::of(QString(10, u'x'), 10), QString(10, u'x'));
    }
};

QTEST_GUILESS_MAIN(TestPrintableText)
#include "TestPrintableText.moc"
