#include "FakePrompter.h"
#include "reports/ui/CSceltaStampe.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TestCSceltaStampe : public QObject
{
    Q_OBJECT

private slots:
    void opensOnNothingWithProcessing();
    void radioEnablesCheckBoxes_data();
    void radioEnablesCheckBoxes();
    void answersBoxesAsDisplayed();
    void readOnlyDatabaseCannotBeProcessed();
    void helpAsksForTopicFive();
};

void TestCSceltaStampe::opensOnNothingWithProcessing()
{
    FakePrompter prompter;
    CSceltaStampe dialog(prompter);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Print choice"));
    QVERIFY(dialog.radio(PrintChoice::Nothing)->isChecked());
    QCOMPARE(dialog.radio(PrintChoice::Register)->text(), QStringLiteral("Register treatments"));
    QCOMPARE(dialog.radio(PrintChoice::Workers)->text(), QStringLiteral("&Workers"));
    QVERIFY(dialog.processBox()->isChecked());
    QVERIFY(dialog.processBox()->isEnabled());
    QVERIFY(!dialog.economicBox()->isChecked());
    QVERIFY(!dialog.economicBox()->isEnabled());
    QVERIFY(prompter.verify());
}

void TestCSceltaStampe::radioEnablesCheckBoxes_data()
{
    QTest::addColumn<int>("radio");
    QTest::addColumn<bool>("process");
    QTest::addColumn<bool>("economic");
    QTest::newRow("workers") << int(PrintChoice::Workers) << false << false;
    QTest::newRow("current tab") << int(PrintChoice::CurrentCard) << false << false;
    QTest::newRow("costs center report") << int(PrintChoice::CostCentres) << true << true;
    QTest::newRow("fields report") << int(PrintChoice::FieldsReport) << true << true;
    QTest::newRow("register") << int(PrintChoice::Register) << true << false;
    QTest::newRow("treatment record (EU)") << int(PrintChoice::EuRecord) << false << false;
    QTest::newRow("nothing") << int(PrintChoice::Nothing) << true << false;
}

void TestCSceltaStampe::radioEnablesCheckBoxes()
{
    QFETCH(int, radio);
    FakePrompter prompter;
    CSceltaStampe dialog(prompter);
    dialog.show();
    dialog.radio(PrintChoice::CostCentres)->click();
    dialog.radio(radio)->click();
    QTEST(dialog.processBox()->isEnabled(), "process");
    QTEST(dialog.economicBox()->isEnabled(), "economic");
}

void TestCSceltaStampe::answersBoxesAsDisplayed()
{
    FakePrompter prompter;
    CSceltaStampe dialog(prompter);
    dialog.show();
    dialog.radio(PrintChoice::CostCentres)->click();
    dialog.economicBox()->click();
    dialog.radio(PrintChoice::Items)->click();
    const PrintChoice choice = dialog.choice();
    QCOMPARE(choice.radio, int(PrintChoice::Items));
    QVERIFY(choice.process);
    QVERIFY(choice.economic);

    // The record of treatments reads the cards as they are: nothing is processed for it.
    dialog.radio(PrintChoice::EuRecord)->click();
    const PrintChoice record = dialog.choice();
    QCOMPARE(dialog.radio(PrintChoice::EuRecord)->text(), QStringLiteral("Treatment record (EU)"));
    QCOMPARE(record.kind(), int(PrintChoice::EuTreatmentRecord));
    QVERIFY(!record.runsProcessTotals());
    QVERIFY(!record.runsPrepareFieldNotebook());
}

void TestCSceltaStampe::readOnlyDatabaseCannotBeProcessed()
{
    FakePrompter prompter;
    CSceltaStampe dialog(prompter);
    dialog.show();
    QVERIFY(!dialog.processingReason()->isVisible());
    dialog.setProcessingAllowed(false);
    QVERIFY(dialog.processingReason()->isVisible());
    QVERIFY(dialog.processingReason()->text().contains("last processed"));
    for (const int radio : {PrintChoice::Nothing, PrintChoice::CostCentres,
                            PrintChoice::FieldsReport, PrintChoice::Register}) {
        dialog.radio(radio)->click();
        QVERIFY(!dialog.processBox()->isEnabled());
        QVERIFY(!dialog.processBox()->isChecked());
        const PrintChoice choice = dialog.choice();
        QVERIFY(!choice.runsProcessTotals());
        QVERIFY(!choice.runsPrepareFieldNotebook());
    }
    dialog.setProcessingAllowed(true);
    QVERIFY(!dialog.processingReason()->isVisible());
    QVERIFY(dialog.processBox()->isEnabled());
}

void TestCSceltaStampe::helpAsksForTopicFive()
{
    FakePrompter prompter;
    CSceltaStampe dialog(prompter);
    dialog.show();
    const auto buttons = dialog.findChild<QDialogButtonBox *>();
    for (QAbstractButton *button : buttons->buttons())
        if (buttons->buttonRole(button) == QDialogButtonBox::HelpRole)
            button->click();
    QCOMPARE(prompter.helpTopics(), QList<int>({5}));
    QVERIFY(dialog.isVisible());
}

QTEST_MAIN(TestCSceltaStampe)
#include "TestCSceltaStampe.moc"
