#include "CardsFixture.h"
#include "FakePrompter.h"
#include "cards/ui/CComboSel.h"
#include "cards/ui/COperaiDlg.h"
#include "db/FarmSession.h"
#include "db/SchemaUpgrade.h"

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
    void treatmentFieldsForRegisterMovements();
    void treatedAreaRefusedAboveTheSurface();

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

namespace {

// The farm keeps treatments; field 100 has 2 ha in the working year 2024 and 3 ha in 2023,
// the vineyard centre 8 ha.
void keepTreatments(CardsFixture &f)
{
    QVERIFY(SchemaUpgrade::upgrade(*f.db));
    f.exec(QStringLiteral("UPDATE Campi SET Superficie = CASE Anno WHEN 2024 THEN 2 ELSE 3 END "
                          "WHERE Codice = 100"));
    f.exec(QStringLiteral("UPDATE Centri SET SupAnno = 8 WHERE Codice = 10"));
}

} // namespace

// The fields show only for a use of a product the register prints, on a field or crop centre,
// and offer the surface of what is treated while the user has typed no other area.
void TestCOperaiDlg::treatmentFieldsForRegisterMovements()
{
    keepTreatments(f);
    auto dialog = makeDialog();
    QVERIFY(!dialog->treatmentGroup()->isVisible());
    dialog->pickKind(2);
    dialog->pickCentre(1);                                        // North
    dialog->field(Field::ItemCode)->setText(QStringLiteral("5")); // Copper, printed
    dialog->movementTypeList()->setCurrentIndex(3);
    QVERIFY(dialog->treatmentGroup()->isVisible());
    QCOMPARE(dialog->treatedAreaField()->text(), QStringLiteral("2.00"));

    dialog->movementTypeList()->setCurrentIndex(2); // a purchase
    QVERIFY(!dialog->treatmentGroup()->isVisible());
    dialog->movementTypeList()->setCurrentIndex(0);
    QVERIFY(dialog->treatmentGroup()->isVisible());
    dialog->field(Field::ItemCode)->setText(QStringLiteral("6")); // Diesel, not printed
    QVERIFY(!dialog->treatmentGroup()->isVisible());
    dialog->field(Field::ItemCode)->setText(QStringLiteral("8"));
    dialog->pickKind(1);
    dialog->pickCentre(1); // Vineyard
    QVERIFY(dialog->treatmentGroup()->isVisible());
    QCOMPARE(dialog->treatedAreaField()->text(), QStringLiteral("8.00"));
    dialog->pickKind(3);
    QVERIFY(!dialog->treatmentGroup()->isVisible());

    // Left at the offered surface, the area is stored as none: the whole is treated.
    dialog->pickKind(1);
    dialog->pickCentre(1);
    dialog->bbchList()->setCurrentIndex(dialog->bbchList()->findData(QStringLiteral("61")));
    QCOMPARE(dialog->bbchList()->currentText(), QStringLiteral("61 - Flowering"));
    dialog->applicationTimeField()->setText(QStringLiteral("7:30"));
    QVERIFY(dialog->confirm(true));
    QVERIFY(!dialog->entry().treatedArea);
    QCOMPARE(dialog->entry().bbchStage, QStringLiteral("61"));
    QCOMPARE(dialog->entry().applicationTime, QStringLiteral("07:30"));

    // Shown again, the stored values come back; a movement that is no treatment loses them.
    WorkEntry stored = dialog->entry();
    stored.treatedArea = 5.5;
    auto again = makeDialog(stored, false);
    QVERIFY(again->treatmentGroup()->isVisible());
    QCOMPARE(again->treatedAreaField()->text(), QStringLiteral("5.50"));
    QCOMPARE(again->bbchList()->currentData().toString(), QStringLiteral("61"));
    again->movementTypeList()->setCurrentIndex(1);
    QVERIFY(again->confirm(true));
    QVERIFY(!again->entry().treatedArea);
    QCOMPARE(again->entry().bbchStage, QString());
    QCOMPARE(again->entry().applicationTime, QString());
}

void TestCOperaiDlg::treatedAreaRefusedAboveTheSurface()
{
    keepTreatments(f);
    auto dialog = makeDialog();
    dialog->pickKind(2);
    dialog->pickCentre(1);
    dialog->field(Field::ItemCode)->setText(QStringLiteral("5"));
    dialog->treatedAreaField()->setText(QStringLiteral("2.5"));
    prompter.expect(Icon::Warning,
                    QStringLiteral("Enter a treated area above 0 and not above the surface of "
                                   "2.00 ha."));
    QVERIFY(!dialog->confirm(true));
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->focusWidget(), static_cast<QWidget *>(dialog->treatedAreaField()));
    dialog->treatedAreaField()->setText(QStringLiteral("0"));
    prompter.expect(Icon::Warning,
                    QStringLiteral("Enter a treated area above 0 and not above the surface of "
                                   "2.00 ha."));
    QVERIFY(!dialog->confirm(true));
    dialog->applicationTimeField()->setText(QStringLiteral("25:00"));
    dialog->treatedAreaField()->setText(QStringLiteral("0.5"));
    prompter.expect(Icon::Warning, QStringLiteral("Enter the time of application as HH:MM, from "
                                                  "00:00 to 23:59."));
    QVERIFY(!dialog->confirm(true));
    dialog->applicationTimeField()->clear();
    QVERIFY(dialog->confirm(true));
    QCOMPARE(dialog->entry().treatedArea, std::optional<double>(0.5));
}

QTEST_MAIN(TestCOperaiDlg)
#include "TestCOperaiDlg.moc"
