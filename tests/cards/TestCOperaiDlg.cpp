#include "CardsFixture.h"
#include "FakePrompter.h"
#include "cards/ui/CComboSel.h"
#include "cards/ui/COperaiDlg.h"
#include "db/FarmSession.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using Field = WorkEntry::Field;
using Icon = Prompter::Icon;

class TestCOperaiDlg : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f.init();
        f.seedRegistries();
    }
    void cleanup() { QVERIFY(prompter.verify()); }
    void codesFollowTheLists();
    void kindChangeAndFieldLookup();
    void itemChoiceSetsUnitValueAndSummary();
    void failedCheckKeepsTheEditorOpen();
    void editedWorkHasNoSaveAndInsert();

private:
    std::unique_ptr<COperaiDlg> makeDialog(const WorkEntry &entry = {}, bool newEntry = true)
    {
        auto dialog = std::make_unique<COperaiDlg>(
            WorkEntryLookups(*f.db, FarmSession::storedPeriod()), prompter);
        dialog->setEntry(entry);
        dialog->setNewEntry(newEntry);
        dialog->show();
        return dialog;
    }

    CardsFixture f;
    FakePrompter prompter;
};

void TestCOperaiDlg::codesFollowTheLists()
{
    auto dialog = makeDialog();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Work Management"));
    QCOMPARE(dialog->workerList()->currentText(), QStringLiteral("<None>"));
    dialog->field(Field::WorkerCode)->setText(QStringLiteral("1"));
    QCOMPARE(dialog->workerList()->currentText(), QStringLiteral("Rossi"));
    dialog->field(Field::WorkerCode)->setText(QStringLiteral("44"));
    QCOMPARE(dialog->workerList()->currentText(), QStringLiteral("<None>"));
    QVERIFY(dialog->confirm(true));
    QCOMPARE(dialog->entry().workerCode, 44);
    QVERIFY(dialog->exitRequested());
}

void TestCOperaiDlg::kindChangeAndFieldLookup()
{
    auto dialog = makeDialog();
    dialog->pickKind(2);
    QCOMPARE(dialog->centreList()->count(), 2); // "<None>" and the field of 2024
    dialog->pickCentre(1);
    QCOMPARE(dialog->field(Field::CentreCode)->text(), QStringLiteral("100"));
    QCOMPARE(dialog->centreList()->currentText(), QStringLiteral("North"));
    QVERIFY(dialog->confirm(true));
    QCOMPARE(dialog->entry().fieldCode, 100);
    QCOMPARE(dialog->entry().centreCode, 10);

    WorkEntry entry = dialog->entry();
    auto again = makeDialog(entry);
    QCOMPARE(again->centreList()->currentText(), QStringLiteral("North"));
    again->field(Field::CentreCode)->setText(QStringLiteral("555"));
    again->pickKind(1);
    QCOMPARE(again->field(Field::CentreCode)->text(), QStringLiteral("0"));
    QCOMPARE(again->centreList()->count(), 2);
    again->field(Field::CentreCode)->setText(QStringLiteral("10"));
    QCOMPARE(again->centreList()->currentText(), QStringLiteral("Vineyard"));
    QVERIFY(again->confirm(true));
    QCOMPARE(again->entry().centreCode, 10);
    QCOMPARE(again->entry().fieldCode, 0);

    auto none = makeDialog();
    none->pickKind(3);
    none->field(Field::CentreCode)->setText(QStringLiteral("7"));
    none->pickKind(0);
    QCOMPARE(none->centreList()->count(), 1);
    QCOMPARE(none->field(Field::CentreCode)->text(), QStringLiteral("0"));
}

void TestCOperaiDlg::itemChoiceSetsUnitValueAndSummary()
{
    auto dialog = makeDialog();
    QCOMPARE(dialog->summaryText(), QStringLiteral("Income: $0.00 - Tax: $0.00 - Total: $0.00"));
    dialog->field(Field::Quantity)->setText(QStringLiteral("3"));
    dialog->pickItem(3); // <None>, Copper, Diesel, Sulphur (unit "KG")
    QCOMPARE(dialog->field(Field::ItemCode)->text(), QStringLiteral("8"));
    QCOMPARE(dialog->unitList()->currentText(), QStringLiteral("kg"));
    QCOMPARE(dialog->field(Field::Value)->text(), QStringLiteral("$3.00"));
    dialog->pickItem(1);
    QCOMPARE(dialog->field(Field::Value)->text(), QStringLiteral("$7.50"));
    dialog->field(Field::Vat)->setText(QStringLiteral("22%"));
    QCOMPARE(dialog->summaryText(), QStringLiteral("Income: $7.50 - Tax: $1.65 - Total: $9.15"));
    dialog->field(Field::Quantity)->setText(QStringLiteral("40"));
    QCOMPARE(dialog->summaryText(),
             QStringLiteral("Income: $100.00 - Tax: $22.00 - Total: $122.00"));
    dialog->field(Field::ItemCode)->setText(QStringLiteral("0"));
    dialog->field(Field::Quantity)->setText(QStringLiteral("1"));
    QCOMPARE(dialog->field(Field::Value)->text(), QStringLiteral("$100.00"));
    QVERIFY(dialog->confirm(false));
    QCOMPARE(dialog->entry().value, 100.0);
    QCOMPARE(dialog->entry().vat, 0.22);
    QCOMPARE(dialog->entry().unit, QStringLiteral("kg"));
    QVERIFY(!dialog->exitRequested());
}

void TestCOperaiDlg::failedCheckKeepsTheEditorOpen()
{
    auto dialog = makeDialog();
    dialog->field(Field::OvertimeHours)->setText(QStringLiteral("24.5"));
    prompter.expect(Icon::Warning, QStringLiteral("Enter a number between 0 and 24."));
    QVERIFY(!dialog->confirm(true));
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    dialog->field(Field::OvertimeHours)->setText(QStringLiteral("24"));
    dialog->field(Field::Vat)->setText(QStringLiteral("101%"));
    prompter.expect(Icon::Warning, QStringLiteral("Enter a number between 0 and 100."));
    QVERIFY(!dialog->confirm(true));
    dialog->field(Field::Vat)->setText(QStringLiteral("10%"));
    QVERIFY(dialog->confirm(true));
    QCOMPARE(dialog->entry().overtimeHours, 24.0);
}

void TestCOperaiDlg::editedWorkHasNoSaveAndInsert()
{
    WorkEntry entry;
    entry.machineCodes = {20, 21, 0};
    entry.value = 12.5;
    entry.quantity = 2;
    entry.itemCode = 5;
    auto dialog = makeDialog(entry, false);
    QPushButton *saveInsert = nullptr;
    for (QPushButton *button : dialog->findChildren<QPushButton *>())
        if (button->text() == QStringLiteral("Save and &insert"))
            saveInsert = button;
    QVERIFY(saveInsert);
    QVERIFY(!saveInsert->isEnabled());
    // The stored value is shown as stored, not recomputed from the item's unit cost.
    QCOMPARE(dialog->field(Field::Value)->text(), QStringLiteral("$12.50"));
    QCOMPARE(dialog->itemList()->currentText(), QStringLiteral("Copper"));
    for (QLineEdit *edit : dialog->findChildren<QLineEdit *>()) {
        // The edit part of an editable list is named by its list.
        QWidget *named =
            qobject_cast<QComboBox *>(edit->parentWidget()) ? edit->parentWidget() : edit;
        QVERIFY(!named->accessibleName().isEmpty());
    }
    QCOMPARE(dialog->unitList()->accessibleName(), QStringLiteral("Units"));
    QCOMPARE(dialog->field(Field::Machine2)->accessibleName(), QStringLiteral("Machine Code (2)"));
}

QTEST_MAIN(TestCOperaiDlg)
#include "TestCOperaiDlg.moc"
