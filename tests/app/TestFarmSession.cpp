#include "TestEnvironment.h"
#include "base/SettingsStore.h"
#include "db/DbException.h"
#include "db/FarmSession.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

// The farm session: who is told what, and when, as the database and the period change.
class TestFarmSession : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

    static QString stored(const char *name)
    {
        return SettingsStore::readString(SettingsStore::Settings, QString::fromLatin1(name));
    }

private slots:
    void init() { m_env.clearSettings(); }

    void holdersLetGoBeforeTheConnectionCloses()
    {
        const QString first = m_env.copyTemplate();
        const QString second = m_env.copyTemplate();
        SettingsStore::writeString(SettingsStore::Settings, "Database", first);
        // The log outlives the session, whose closing at the end still reports to it.
        QStringList log;
        FarmSession farm;
        connect(&farm, &FarmSession::aboutToReplaceDatabase, this, [&] {
            log << QStringLiteral("release %1 %2")
                       .arg(QFileInfo(farm.databasePath()).fileName())
                       .arg(farm.database().isOpen() ? "open" : "closed");
        });
        connect(&farm, &FarmSession::databaseReplaced, this, [&] {
            log << QStringLiteral("replaced %1").arg(QFileInfo(farm.databasePath()).fileName());
        });

        farm.openStored();
        SettingsStore::writeString(SettingsStore::Settings, "Database", second);
        farm.reopen();
        QCOMPARE(log, (QStringList{"replaced " + QFileInfo(first).fileName(),
                                   "release " + QFileInfo(first).fileName() + " open",
                                   "replaced " + QFileInfo(second).fileName()}));
        QVERIFY(!farm.isReadOnly());

        // A file that cannot be opened: the old database is let go all the same, the session
        // ends closed and says so.
        log.clear();
        SettingsStore::writeString(SettingsStore::Settings, "Database", m_env.path("none.mdb"));
        QVERIFY_THROWS_EXCEPTION(DbException, farm.reopen());
        QVERIFY(!farm.isOpen());
        QCOMPARE(log,
                 (QStringList{"release " + QFileInfo(second).fileName() + " open", "replaced "}));

        farm.open(first, Database::Access::ReadOnly);
        QVERIFY(farm.isReadOnly());
        QCOMPARE(farm.databasePath(), first);
    }

    void onePeriodWithOneDefault()
    {
        QCOMPARE(FarmSession::storedPeriod().start, QDate(2015, 1, 1));
        QCOMPARE(FarmSession::storedPeriod().end, QDate(2015, 12, 31));
        FarmSession farm;
        QCOMPARE(farm.period().end, QDate(2015, 12, 31));
        QSignalSpy changed(&farm, &FarmSession::periodChanged);

        farm.setPeriod({QDate(2016, 3, 1), QDate(2016, 9, 30)});
        QCOMPARE(stored("DataInit"), QStringLiteral("01/03/2016"));
        QCOMPARE(stored("DataEnd"), QStringLiteral("30/09/2016"));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().first().value<WorkingPeriod>().start, QDate(2016, 3, 1));

        // Written elsewhere (the settings dialog stores first): taken when asked.
        FarmSession::storePeriod({QDate(2017, 1, 1), QDate(2017, 12, 31)});
        QCOMPARE(farm.period().start, QDate(2016, 3, 1));
        farm.reloadPeriod();
        QCOMPARE(farm.period().start, QDate(2017, 1, 1));
        QCOMPARE(changed.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestFarmSession)
#include "TestFarmSession.moc"
