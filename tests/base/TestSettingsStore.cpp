#include "TestEnvironment.h"
#include "base/SettingsStore.h"
#include "base/WorkingPeriod.h"

#include <QLocale>
#include <QSettings>
#include <QTest>

class TestSettingsStore : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_env.clearSettings(); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void absentValuesGiveTheCallersDefault();
    void valuesWrittenAreReadBack();
    void datesReadDayFirstInEveryLocale_data();
    void datesReadDayFirstInEveryLocale();
    void workingPeriodDefaultsAndBounds();
    void datesWithoutLeadingZeros_data();
    void datesWithoutLeadingZeros();
    void machineFileIsNotTheUsers();

private:
    TestEnvironment m_env;
};

void TestSettingsStore::absentValuesGiveTheCallersDefault()
{
    QCOMPARE(SettingsStore::readString(SettingsStore::Settings, "Database"), QString());
    QCOMPARE(SettingsStore::readString(SettingsStore::Settings, "Database", "x"), QString("x"));
    QCOMPARE(SettingsStore::readInt(SettingsStore::Settings, "Style", 1), 1);
    QCOMPARE(SettingsStore::readInt(SettingsStore::Header, "Width (3)", 100), 100);
    QVERIFY(!SettingsStore::readDate(SettingsStore::Settings, "ActualDate").isValid());
}

void TestSettingsStore::valuesWrittenAreReadBack()
{
    SettingsStore::writeInt(SettingsStore::Settings, "Left", -20);
    SettingsStore::writeInt(SettingsStore::Header, "Order (0)", 5);
    SettingsStore::writeString(SettingsStore::Settings, "Database", "/data/Farm.mdb");
    QCOMPARE(SettingsStore::readInt(SettingsStore::Settings, "Left", 0), -20);
    QCOMPARE(SettingsStore::readInt(SettingsStore::Header, "Order (0)", 0), 5);
    // Sections are separate.
    QCOMPARE(SettingsStore::readInt(SettingsStore::Settings, "Order (0)", 7), 7);
    QCOMPARE(SettingsStore::readString(SettingsStore::Settings, "Database"),
             QString("/data/Farm.mdb"));
}

void TestSettingsStore::datesReadDayFirstInEveryLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("it") << "it_IT";
    QTest::newRow("us") << "en_US";
}

void TestSettingsStore::datesReadDayFirstInEveryLocale()
{
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    SettingsStore::writeDate(SettingsStore::Settings, "DataInit", QDate(2016, 3, 4));
    QCOMPARE(SettingsStore::readString(SettingsStore::Settings, "DataInit"), QString("04/03/2016"));
    QCOMPARE(SettingsStore::readDate(SettingsStore::Settings, "DataInit"), QDate(2016, 3, 4));
    SettingsStore::writeString(SettingsStore::Settings, "DataEnd", "31/12/2016");
    QCOMPARE(SettingsStore::readDate(SettingsStore::Settings, "DataEnd"), QDate(2016, 12, 31));
    SettingsStore::writeString(SettingsStore::Settings, "DataEnd", "not a date");
    QVERIFY(!SettingsStore::readDate(SettingsStore::Settings, "DataEnd").isValid());
}

void TestSettingsStore::workingPeriodDefaultsAndBounds()
{
    WorkingPeriod period = WorkingPeriod::fromSettings();
    QCOMPARE(period.start, QDate(2015, 1, 1));
    QCOMPARE(period.end, QDate(2015, 12, 31));
    QVERIFY(period.contains(QDateTime(QDate(2015, 12, 31), QTime(23, 59, 59))));
    QVERIFY(!period.contains(QDateTime(QDate(2016, 1, 1), QTime(0, 0, 0))));
    SettingsStore::writeString(SettingsStore::Settings, "DataInit", "01/02/2016");
    SettingsStore::writeString(SettingsStore::Settings, "DataEnd", "29/02/2016");
    period = WorkingPeriod::fromSettings();
    QCOMPARE(period.startAt(), QDateTime(QDate(2016, 2, 1), QTime(0, 0, 0)));
    QCOMPARE(period.endAt(), QDateTime(QDate(2016, 2, 29), QTime(23, 59, 59)));
}

void TestSettingsStore::datesWithoutLeadingZeros_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("no zeros") << "1/3/2015" << QDate(2015, 3, 1);
    QTest::newRow("zeros") << "01/03/2015" << QDate(2015, 3, 1);
    QTest::newRow("mixed") << "12/3/2015" << QDate(2015, 3, 12);
    QTest::newRow("spaces") << " 1/1/2015 " << QDate(2015, 1, 1);
    QTest::newRow("month 13") << "1/13/2015" << QDate();
    QTest::newRow("short year") << "1/1/15" << QDate();
}

void TestSettingsStore::datesWithoutLeadingZeros()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(SettingsStore::parseDate(text), date);
}

void TestSettingsStore::machineFileIsNotTheUsers()
{
    QSettings machine(QSettings::SystemScope, "Brivex", "Tellan");
    machine.setValue("Settings/DataInit", "01/01/2010");
    machine.setValue("Settings/Directory", "/opt/farm");
    machine.sync();
    QCOMPARE(SettingsStore::readString(SettingsStore::Settings, "Directory"), QString());
    QCOMPARE(WorkingPeriod::fromSettings().start, QDate(2015, 1, 1));

    SettingsStore::writeString(SettingsStore::Settings, "DataInit", "01/06/2015");
    machine.setValue("Settings/DataInit", "01/01/2011");
    machine.sync();
    QCOMPARE(WorkingPeriod::fromSettings().start, QDate(2015, 6, 1));
    machine.clear();
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "TestSettingsStore.moc"
