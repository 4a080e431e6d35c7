#include "TestEnvironment.h"
#include "app/CDittaDialog.h"
#include "base/CompanyData.h"
#include "base/SettingsStore.h"
#include "db/FarmSession.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TestCompanyData : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_env.clearSettings(); }
    void absentValuesAreEmptyAndZero();
    void valuesAreStoredAndReadBack();
    void dialogStoresEveryValueOnClose();
    void clearedBirthDateIsStoredEmptyAndShownAsNoDate();
    void unreadableBirthDateIsKeptUntilChanged();
    void typedBirthDateIsStoredAsTyped();
    void fieldsKeepTheirLimitsAndForms();
    void escapeAsksForHelpAndKeepsTheDialog();

private:
    TestEnvironment m_env;
};

static QString stored(const char *name)
{
    return SettingsStore::readString(SettingsStore::Settings, QString::fromLatin1(name));
}

void TestCompanyData::absentValuesAreEmptyAndZero()
{
    const CompanyData data = CompanyData::load();
    for (const CompanyData::TextField &field : CompanyData::textFields())
        QCOMPARE(data.text(field.key), QString());
    for (const QString &key : CompanyData::flagKeys())
        QCOMPARE(data.flag(key), false);
    QCOMPARE(CompanyData::textFields().size(), 14);
}

void TestCompanyData::valuesAreStoredAndReadBack()
{
    CompanyData data;
    data.setText("DittaRagSoc", "Azienda Agricola Rossi");
    data.setText("DittaDataNasc", "");
    data.setText("DittaDataNasc2", "12/05/1960");
    data.setFlag("DittaDomicilio", true);
    data.store();
    QCOMPARE(SettingsStore::readInt(SettingsStore::Settings, "DittaDomicilio", -1), 1);
    QCOMPARE(SettingsStore::readInt(SettingsStore::Settings, "DittaDonna", -1), 0);
    const CompanyData back = CompanyData::load();
    QCOMPARE(back.text("DittaRagSoc"), QString("Azienda Agricola Rossi"));
    QCOMPARE(back.text("DittaDataNasc"), QString());
    QCOMPARE(back.text("DittaDataNasc2"), QString("12/05/1960"));
    QVERIFY(back.flag("DittaDomicilio"));
    QVERIFY(!back.flag("DittaDonna2"));
}

void TestCompanyData::dialogStoresEveryValueOnClose()
{
    QList<int> help;
    FarmSession farm;
    CDittaDialog dialog(farm, [&](int topic) { help << topic; });
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Company Information"));
    for (const CompanyData::TextField &field : CompanyData::textFields()) {
        if (field.limit > 0 && field.key != "DittaCodFisc" && field.key != "DittaPartIva")
            dialog.textField(field.key)->setText(field.key.right(6));
    }
    QTest::keyClicks(dialog.textField("DittaCodFisc"), "rssmra60e12h501z");
    QTest::keyClicks(dialog.textField("DittaPartIva"), "12a345");
    dialog.dateCheck("DittaDataNasc")->setChecked(true);
    dialog.datePicker("DittaDataNasc")->setDate(QDate(1960, 5, 12));
    dialog.flagBox("DittaDonna2")->setChecked(true);
    const auto buttons = dialog.findChildren<QPushButton *>();
    QPushButton *close = nullptr;
    for (QPushButton *button : buttons) {
        if (button->text() == "Close")
            close = button;
    }
    QVERIFY(close);
    QVERIFY(close->isDefault());
    QSignalSpy told(&farm, &FarmSession::companyChanged);
    close->click();
    QCOMPARE(told.size(), 1);
    QCOMPARE(farm.company().name(), QString("RagSoc"));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(stored("DittaRagSoc"), QString("RagSoc"));
    QCOMPARE(stored("DittaComune2"), QString("omune2"));
    QCOMPARE(stored("DittaCodFisc"), QString("RSSMRA60E12H501Z"));
    QCOMPARE(stored("DittaPartIva"), QString("12345"));
    QCOMPARE(stored("DittaDataNasc"), QString("12/05/1960"));
    QCOMPARE(stored("DittaDataNasc2"), QString());
    QCOMPARE(SettingsStore::readInt(SettingsStore::Settings, "DittaDonna2", -1), 1);
    QCOMPARE(SettingsStore::readInt(SettingsStore::Settings, "DittaDonna", -1), 0);
    QVERIFY(help.isEmpty());
}

void TestCompanyData::clearedBirthDateIsStoredEmptyAndShownAsNoDate()
{
    SettingsStore::writeString(SettingsStore::Settings, "DittaDataNasc", "03/04/1975");
    {
        FarmSession farm;
        CDittaDialog dialog(farm, {});
        QVERIFY(dialog.dateCheck("DittaDataNasc")->isChecked());
        QCOMPARE(dialog.datePicker("DittaDataNasc")->date(), QDate(1975, 4, 3));
        dialog.dateCheck("DittaDataNasc")->setChecked(false);
        dialog.closeAndStore();
    }
    QCOMPARE(stored("DittaDataNasc"), QString());
    FarmSession again;
    CDittaDialog reopened(again, {});
    QVERIFY(!reopened.dateCheck("DittaDataNasc")->isChecked());
    QCOMPARE(reopened.datePicker("DittaDataNasc")->text(), QString("01/01/1970"));
    QVERIFY(!reopened.datePicker("DittaDataNasc")->isEnabled());
}

void TestCompanyData::unreadableBirthDateIsKeptUntilChanged()
{
    SettingsStore::writeString(SettingsStore::Settings, "DittaDataNasc", "1975-04-03");
    {
        FarmSession farm;
        CDittaDialog dialog(farm, {});
        QVERIFY(dialog.dateCheck("DittaDataNasc")->isChecked());
        dialog.closeAndStore();
    }
    QCOMPARE(stored("DittaDataNasc"), QString("1975-04-03"));
    FarmSession farm;
    CDittaDialog dialog(farm, {});
    dialog.datePicker("DittaDataNasc")->setDate(QDate(1975, 4, 3));
    dialog.closeAndStore();
    QCOMPARE(stored("DittaDataNasc"), QString("03/04/1975"));
}

void TestCompanyData::typedBirthDateIsStoredAsTyped()
{
    FarmSession farm;
    CDittaDialog dialog(farm, {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(dialog.dateCheck("DittaDataNasc"), Qt::LeftButton);
    QTest::keyClick(dialog.dateCheck("DittaDataNasc"), Qt::Key_Tab);
    QVERIFY(dialog.datePicker("DittaDataNasc")->hasFocus());
    QTest::keyClicks(dialog.datePicker("DittaDataNasc"), "15/03/1970");
    dialog.closeAndStore();
    QCOMPARE(stored("DittaDataNasc"), QString("15/03/1970"));
}

void TestCompanyData::fieldsKeepTheirLimitsAndForms()
{
    FarmSession farm;
    CDittaDialog dialog(farm, {});
    for (const CompanyData::TextField &field : CompanyData::textFields()) {
        if (field.limit > 0)
            QCOMPARE(dialog.textField(field.key)->maxLength(), field.limit);
    }
    QCOMPARE(dialog.textField("DittaCodFisc")->maxLength(), 16);
    QCOMPARE(dialog.textField("DittaPartIva")->maxLength(), 11);
    QCOMPARE(dialog.textField("DittaRagSoc")->accessibleName(),
             QString("Surname or Company Name :"));
    QCOMPARE(dialog.flagBox("DittaDomicilio")->text(), QString("Home"));
}

void TestCompanyData::escapeAsksForHelpAndKeepsTheDialog()
{
    SettingsStore::writeString(SettingsStore::Settings, "DittaNome", "Anna");
    QList<int> help;
    FarmSession farm;
    CDittaDialog dialog(farm, [&](int topic) { help << topic; });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.textField("DittaNome")->setText("Changed");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    dialog.close();
    QCOMPARE(help, QList<int>({4, 4}));
    QVERIFY(dialog.isVisible());
    QCOMPARE(stored("DittaNome"), QString("Anna"));
}

QTEST_MAIN(TestCompanyData)
#include "TestCompanyData.moc"
