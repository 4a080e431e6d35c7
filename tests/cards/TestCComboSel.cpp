#include "cards/ui/CComboSel.h"

#include <QLineEdit>
#include <QTest>

class TestCComboSel : public QObject
{
    Q_OBJECT

private slots:
    void completes_data();
    void completes();
    void typingInsideKeepsTheCaret();
};

void TestCComboSel::completes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selected");
    QTest::newRow("first entry with the start") << "b"
                                                << "Bloom"
                                                << "loom";
    QTest::newRow("letter case ignored") << "FRU"
                                         << "Fruit set"
                                         << "it set";
    QTest::newRow("no entry") << "xy"
                              << "xy"
                              << "";
    QTest::newRow("whole entry") << "Bud"
                                 << "Bud"
                                 << "";
}

void TestCComboSel::completes()
{
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(QString, selected);
    CComboSel combo;
    combo.addItems({QStringLiteral("Bloom"), QStringLiteral("Bud"), QStringLiteral("Fruit set")});
    combo.setEditText(QString());
    combo.show();
    QTest::keyClicks(combo.lineEdit(), typed);
    QCOMPARE(combo.currentText(), text);
    QCOMPARE(combo.lineEdit()->selectedText(), selected);
}

void TestCComboSel::typingInsideKeepsTheCaret()
{
    CComboSel combo;
    combo.addItems({QStringLiteral("Bloom"), QStringLiteral("Fruit set")});
    combo.setEditText(QStringLiteral("Fuit"));
    combo.show();
    combo.lineEdit()->setCursorPosition(1);
    QTest::keyClicks(combo.lineEdit(), "r");
    QCOMPARE(combo.currentText(), QString("Fruit"));
    QCOMPARE(combo.lineEdit()->cursorPosition(), 2);
    QCOMPARE(combo.lineEdit()->selectedText(), QString());
    // At the end of the text the completion goes on as before.
    combo.lineEdit()->end(false);
    QTest::keyClicks(combo.lineEdit(), " ");
    QCOMPARE(combo.currentText(), QString("Fruit set"));
    QCOMPARE(combo.lineEdit()->selectedText(), QString("set"));
}

QTEST_MAIN(TestCComboSel)
#include "TestCComboSel.moc"
