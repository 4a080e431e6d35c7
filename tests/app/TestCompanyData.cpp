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
    void cancelStoresNothingAndHelpStaysOnF1();

private:
    TestEnvironment m_env;
};

static QString stored(const char *name)
{
    return SettingsStore::readString(SettingsStore::Settings, QString::fromLatin1(name));
}

static QPushButton *buttonNamed(const QDialog &dialog, const QString &text)
{
    for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button;
    }
    qFatal("no button %s", qPrintable(text));
    return nullptr;
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
    QPushButton *close = buttonNamed(dialog, "Close");
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
    // As typed on an Italian keyboard: Shift held for each "/", a two-figure year.
    TypedDateEdit *picker = dialog.datePicker("DittaDataNasc");
    QTest::keyClicks(picker, "15");
    QTest::keyPress(picker, Qt::Key_Shift, Qt::ShiftModifier);
    QTest::keyClick(picker, '/', Qt::ShiftModifier);
    QTest::keyRelease(picker, Qt::Key_Shift);
    QTest::keyClicks(picker, "3");
    QTest::keyPress(picker, Qt::Key_Shift, Qt::ShiftModifier);
    QTest::keyClick(picker, '/', Qt::ShiftModifier);
    QTest::keyRelease(picker, Qt::Key_Shift);
    QTest::keyClicks(picker, "70");
    QTest::keyClick(picker, Qt::Key_Tab);
    QCOMPARE(picker->date(), QDate(1970, 3, 15));
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

// Escape, the close box and Cancel leave the stored values as they were and open no help;
// F1 and the Help button open the company's page and keep the dialog.
void TestCompanyData::cancelStoresNothingAndHelpStaysOnF1()
{
    enum Way { Escape, CloseBox, CancelButton };
    for (const Way way : {Escape, CloseBox, CancelButton}) {
        SettingsStore::writeString(SettingsStore::Settings, "DittaNome", "Anna");
        QList<int> help;
        FarmSession farm;
        QSignalSpy told(&farm, &FarmSession::companyChanged);
        CDittaDialog dialog(farm, [&](int topic) { help << topic; });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.textField("DittaNome")->setText("Changed");
        QTest::keyClick(&dialog, Qt::Key_F1);
        buttonNamed(dialog, "&Help")->click();
        QCOMPARE(help, QList<int>({4, 4}));
        QVERIFY(dialog.isVisible());
        if (way == Escape)
            QTest::keyClick(dialog.textField("DittaNome"), Qt::Key_Escape);
        else if (way == CloseBox)
            dialog.close();
        else
            buttonNamed(dialog, "Cancel")->click();
        QVERIFY2(!dialog.isVisible(), qPrintable(QString::number(way)));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(help.size(), 2);
        QCOMPARE(told.size(), 0);
        QCOMPARE(stored("DittaNome"), QString("Anna"));
    }
}

QTEST_MAIN(TestCompanyData)
#include "TestCompanyData.moc"
