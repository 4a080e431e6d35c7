#include "online/UpdateSchedule.h"

#include <QLocale>
#include <QTest>

class TestUpdateSchedule : public QObject
{
    Q_OBJECT

    const QDateTime m_now{QDate(2026, 3, 14), QTime(10, 30, 0)};

private slots:
    void isDue_data()
    {
        QTest::addColumn<QDateTime>("lastCheck");
        QTest::addColumn<bool>("due");
        QTest::newRow("never") << QDateTime() << true;
        QTest::newRow("just now") << m_now << false;
        QTest::newRow("an hour ago") << m_now.addSecs(-3600) << false;
        QTest::newRow("exactly a day ago") << m_now.addDays(-1) << false;
        QTest::newRow("a day and a second ago") << m_now.addDays(-1).addSecs(-1) << true;
        QTest::newRow("a week ago") << m_now.addDays(-7) << true;
        // A date in the future (a clock set back) counts as two days ago.
        QTest::newRow("tomorrow") << m_now.addDays(1) << true;
        QTest::newRow("in a second") << m_now.addSecs(1) << true;
    }
    void isDue()
    {
        QFETCH(QDateTime, lastCheck);
        QFETCH(bool, due);
        QCOMPARE(UpdateSchedule::isDue(lastCheck, m_now), due);
    }

    void storedMomentReadsBack()
    {
        QCOMPARE(UpdateSchedule::parse(UpdateSchedule::format(m_now)), m_now);
        // The locale's short form (two-digit years) would come back a century early.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(UpdateSchedule::parse(UpdateSchedule::format(m_now)).date().year(), 2026);
        QLocale::setDefault(QLocale::c());
    }

    void otherFormsOfTheStoredMoment()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        const QString written = QLocale().toString(m_now, QLocale::LongFormat);
        QCOMPARE(UpdateSchedule::parse(written).date(), m_now.date());
        QLocale::setDefault(QLocale::c());
        QVERIFY(!UpdateSchedule::parse(QString()).isValid());
        QVERIFY(!UpdateSchedule::parse(QStringLiteral("not a date")).isValid());
    }
};

QTEST_GUILESS_MAIN(TestUpdateSchedule)
#include "TestUpdateSchedule.moc"
