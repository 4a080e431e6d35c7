#include "FarmFaults.h"
#include "TestEnvironment.h"
#include "base/SettingsStore.h"
#include "db/DbException.h"
#include "db/FarmSession.h"
#include "db/SchemaUpgrade.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include <optional>

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
        farm.openStored();
        QCOMPARE(log, (QStringList{"replaced " + QFileInfo(first).fileName(),
                                   "release " + QFileInfo(first).fileName() + " open",
                                   "replaced " + QFileInfo(second).fileName()}));
        QVERIFY(!farm.isReadOnly());

        // A file that cannot be opened: the old database is let go all the same, the session
        // ends closed and says so.
        log.clear();
        SettingsStore::writeString(SettingsStore::Settings, "Database", m_env.path("none.mdb"));
        QVERIFY_THROWS_EXCEPTION(DbException, farm.openStored());
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

    // The first start: what the settings hold before it, the period and card day after it.
    // Today is 16 March 2026.
    void firstStartSettlesThePeriod_data()
    {
        QTest::addColumn<QString>("init");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("wantInit");
        QTest::addColumn<QString>("wantEnd");
        QTest::addColumn<QString>("wantShown");
        QTest::newRow("nothing stored: this year, today") << ""
                                                          << ""
                                                          << ""
                                                          << "01/01/2026"
                                                          << "31/12/2026"
                                                          << "16/03/2026";
        QTest::newRow("stored period kept") << "01/03/2016"
                                            << "30/09/2016"
                                            << "05/05/2016"
                                            << "01/03/2016"
                                            << "30/09/2016"
                                            << "05/05/2016";
        QTest::newRow("stored period kept, no card day yet") << "01/03/2016"
                                                             << "30/09/2016"
                                                             << ""
                                                             << "01/03/2016"
                                                             << "30/09/2016"
                                                             << "";
        QTest::newRow("worked on the old default: the year of the card day") << ""
                                                                             << ""
                                                                             << "10/03/2015"
                                                                             << "01/01/2015"
                                                                             << "31/12/2015"
                                                                             << "10/03/2015";
        QTest::newRow("first day only") << "01/10/2025"
                                        << ""
                                        << ""
                                        << "01/10/2025"
                                        << "31/12/2025"
                                        << "16/03/2026";
        QTest::newRow("last day only") << ""
                                       << "30/06/2027"
                                       << "01/02/2027"
                                       << "01/01/2027"
                                       << "30/06/2027"
                                       << "01/02/2027";
        QTest::newRow("unreadable day kept as typed") << "31/02/2026"
                                                      << ""
                                                      << ""
                                                      << "31/02/2026"
                                                      << "31/12/2026"
                                                      << "16/03/2026";
    }

    void firstStartSettlesThePeriod()
    {
        QFETCH(QString, init);
        QFETCH(QString, end);
        QFETCH(QString, shown);
        QFETCH(QString, wantInit);
        QFETCH(QString, wantEnd);
        QFETCH(QString, wantShown);
        const auto write = [](const char *name, const QString &value) {
            if (!value.isEmpty())
                SettingsStore::writeString(SettingsStore::Settings, QString::fromLatin1(name),
                                           value);
        };
        write("DataInit", init);
        write("DataEnd", end);
        write("ActualDate", shown);
        FarmSession farm;
        QSignalSpy changed(&farm, &FarmSession::periodChanged);
        farm.settleFirstStart(QDate(2026, 3, 16));
        QCOMPARE(stored("DataInit"), wantInit);
        QCOMPARE(stored("DataEnd"), wantEnd);
        QCOMPARE(stored("ActualDate"), wantShown);
        QCOMPARE(farm.period().start, SettingsStore::parseDate(wantInit));
        QCOMPARE(farm.period().end, SettingsStore::parseDate(wantEnd));
        QCOMPARE(changed.size(), init.isEmpty() || end.isEmpty() ? 1 : 0);
        if (!wantShown.isEmpty())
            QCOMPARE(farm.actualDate(), SettingsStore::parseDate(wantShown));
    }

    void openBringsTheFarmUpToDate()
    {
        const QString path = m_env.copyTemplate();
        FarmSession farm;
        farm.open(path);
        QCOMPARE(SchemaUpgrade::version(farm.database()), SchemaUpgrade::CurrentVersion);
        QVERIFY(farm.database().tableExists(SchemaUpgrade::YearSumsTable));
        QVERIFY(SchemaUpgrade::hasYearSumTriggers(farm.database()));
    }

    // A farm that opens but cannot be brought up to date, or that another program holds: the
    // session ends closed, with no path, and the failure keeps its kind.
    void failedOpenLeavesTheSessionClosed_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("kind");
        QTest::newRow("damaged stored queries") << "damaged" << int(DbErrorKind::Damaged);
        QTest::newRow("held by another program") << "locked" << int(DbErrorKind::Busy);
    }

    void failedOpenLeavesTheSessionClosed()
    {
        QFETCH(QString, fault);
        QFETCH(int, kind);
        const QString good = m_env.copyTemplate();
        const QString bad = m_env.copyTemplate();
        if (fault == QLatin1String("damaged"))
            FarmFaults::zeroTablePage(bad, QStringLiteral("QueryDefs"));
        const QByteArray before = FarmFaults::contents(bad);
        std::optional<FarmFaults::ExclusiveLock> lock;
        if (fault == QLatin1String("locked"))
            lock.emplace(bad);

        FarmSession farm;
        farm.holdFarmLock(true);
        farm.open(good);
        QSignalSpy replaced(&farm, &FarmSession::databaseReplaced);
        try {
            farm.open(bad);
            QFAIL("the farm opened");
        } catch (const DbException &error) {
            QCOMPARE(int(error.kind()), kind);
            QVERIFY2(error.message().contains(QDir::toNativeSeparators(bad)),
                     qPrintable(error.message()));
        }
        QVERIFY(!farm.isOpen());
        QVERIFY(farm.databasePath().isEmpty());
        QVERIFY(!farm.holdsFarmLock());
        QCOMPARE(replaced.size(), 1);
        lock.reset();
        QCOMPARE(FarmFaults::contents(bad), before);
        // The session is usable again.
        farm.open(good);
        QVERIFY(farm.isOpen());
    }

    void keepsTheDayShownAndTheCompany()
    {
        SettingsStore::writeString(SettingsStore::Settings, "ActualDate", "7/3/2016");
        SettingsStore::writeString(SettingsStore::Settings, "DittaRagSoc", "Podere Rossi");
        FarmSession farm;
        QCOMPARE(farm.actualDate(), QDate(2016, 3, 7));
        QCOMPARE(farm.company().name(), QStringLiteral("Podere Rossi"));

        farm.setActualDate(QDate(2016, 4, 1));
        QCOMPARE(stored("ActualDate"), QStringLiteral("01/04/2016"));
        // An invalid day (no card shown) keeps the last one.
        farm.setActualDate({});
        QCOMPARE(farm.actualDate(), QDate(2016, 4, 1));
        QCOMPARE(stored("ActualDate"), QStringLiteral("01/04/2016"));

        QSignalSpy changed(&farm, &FarmSession::companyChanged);
        CompanyData company = farm.company();
        company.setText(QStringLiteral("DittaRagSoc"), QStringLiteral("Cascina Bianchi"));
        company.setFlag(QStringLiteral("DittaDonna"), true);
        farm.setCompany(company);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(farm.company().name(), QStringLiteral("Cascina Bianchi"));
        QCOMPARE(stored("DittaRagSoc"), QStringLiteral("Cascina Bianchi"));
        QCOMPARE(FarmSession().company(), company);
    }
};

QTEST_GUILESS_MAIN(TestFarmSession)
#include "TestFarmSession.moc"
