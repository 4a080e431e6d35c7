#include "online/VersionText.h"

#include <QTest>

class TestVersionText : public QObject
{
    Q_OBJECT

private slots:
    void normalize_data()
    {
        QTest::addColumn<QString>("fetched");
        QTest::addColumn<QString>("version");
        QTest::newRow("plain") << "3.1.0"
                               << "3.1.0";
        QTest::newRow("line break") << "3.1.1\r\n"
                                    << "3.1.1";
        QTest::newRow("no dot") << "4"
                                << "1.0.0";
        // No version at all: nothing, never "1.0.0".
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("blank") << " \r\n"
                               << "";
        QTest::newRow("error page without a dot") << "<html>Not found</html>"
                                                  << "";
        QTest::newRow("two-digit last part") << "3.0.10\n"
                                             << "3.0.10";
        QTest::newRow("text after the number") << "3.2.1 stable\nnotes"
                                               << "3.2.1";
        QTest::newRow("page") << "<html>Moved.</html>"
                              << "";
        QTest::newRow("letter before the version") << "v3.1.0"
                                                   << "";
        QTest::newRow("dot at the end") << "3.1."
                                        << "";
    }
    void normalize()
    {
        QFETCH(QString, fetched);
        QFETCH(QString, version);
        QCOMPARE(VersionText::normalize(fetched), version);
    }

    void validity()
    {
        QVERIFY(VersionText::isValid(QStringLiteral("3.10.0")));
        QVERIFY(VersionText::isValid(QStringLiteral("7")));
        for (const char *bad :
             {"", "3..1", "3.1.", "3.1a.0", "<html>Moved.<", "-3.1.0", "99999999999999999999.0"})
            QVERIFY2(!VersionText::isValid(QString::fromLatin1(bad)), bad);
    }

    void compare_data()
    {
        QTest::addColumn<QString>("older");
        QTest::addColumn<QString>("newer");
        QTest::newRow("last part") << "3.1.0"
                                   << "3.1.1";
        QTest::newRow("two digits in the last part") << "3.0.10"
                                                     << "3.1.0";
        QTest::newRow("two digits in the middle") << "3.1.1"
                                                  << "3.10.0";
        QTest::newRow("two digits in the first part") << "3.10.0"
                                                      << "30.9.9";
        QTest::newRow("leading zero") << "3.09.0"
                                      << "3.10";
        QTest::newRow("longer") << "3.1"
                                << "3.1.0.1";
    }
    void compare()
    {
        QFETCH(QString, older);
        QFETCH(QString, newer);
        QCOMPARE(VersionText::compare(older, newer), -1);
        QCOMPARE(VersionText::compare(newer, older), 1);
        QCOMPARE(VersionText::compare(newer, newer), 0);
    }

    void missingPartsAreZero() { QCOMPARE(VersionText::compare("3.1", "3.1.0"), 0); }

    // What the published texts mean for a program at 3.1.0.
    void offered_data()
    {
        QTest::addColumn<QString>("fetched");
        QTest::addColumn<bool>("newer");
        QTest::newRow("same") << "3.1.0" << false;
        QTest::newRow("next with line break") << "3.1.1\n" << true;
        QTest::newRow("no dot") << "4" << false;
        QTest::newRow("3.0.10") << "3.0.10" << false;
        QTest::newRow("3.10.0") << "3.10.0" << true;
        QTest::newRow("not a version") << "<html>Moved.</html>" << false;
    }
    void offered()
    {
        QFETCH(QString, fetched);
        QFETCH(bool, newer);
        QCOMPARE(VersionText::isNewer(VersionText::normalize(fetched), QStringLiteral("3.1.0")),
                 newer);
    }

    void programVersionIsAVersion()
    {
        QVERIFY(VersionText::isValid(VersionText::programVersion()));
    }
};

QTEST_GUILESS_MAIN(TestVersionText)
#include "TestVersionText.moc"
