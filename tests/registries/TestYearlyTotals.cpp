#include "RegistryFixture.h"
#include "TestEnvironment.h"
#include "db/Database.h"
#include "db/DbException.h"
#include "db/SchemaUpgrade.h"
#include "registries/YearlyTotals.h"

#include <QTest>

namespace {

// The registries' totals queries with their parameters, as the lists ask for them.
struct TotalsQuery
{
    const char *label;
    const char *query;
    const char *start;
    const char *end;
    QVariantMap more;
};

const QList<TotalsQuery> Queries = {
    {"workers", "Ore Totali Addetti", "[DataInit]", "[DataEnd]", {}},
    {"operations", "Ore Totali Operazioni", "[DataInit]", "[DataEnd]", {}},
    {"crop centres",
     "Ore Totali su Centri",
     "[Data Init]",
     "[Data End]",
     {{"[Tipo]", 1}, {"[Type]", 2}}},
    {"machines",
     "Ore Totali su Centri",
     "[Data Init]",
     "[Data End]",
     {{"[Tipo]", 3}, {"[Type]", 255}}},
};

// Whole years, partial years at either end, one year, part of one year.
const QList<WorkingPeriod> Periods = {
    {QDate(2014, 1, 1), QDate(2016, 12, 31)}, {QDate(2014, 3, 15), QDate(2016, 2, 10)},
    {QDate(2015, 1, 1), QDate(2015, 12, 31)}, {QDate(2015, 6, 1), QDate(2015, 6, 30)},
    {QDate(2014, 12, 31), QDate(2016, 1, 1)}, {QDate(2013, 1, 1), QDate(2017, 12, 31)},
};

QStringList texts(const QList<YearlyTotals::Row> &rows)
{
    QStringList lines;
    for (const YearlyTotals::Row &row : rows)
        lines << QStringLiteral("%1: %2 %3 %4 = %5")
                     .arg(row.code)
                     .arg(row.regular)
                     .arg(row.overtime)
                     .arg(row.holiday)
                     .arg(row.total);
    return lines;
}

} // namespace

// The totals added up from the sums kept per year always equal the totals read straight from
// the works, whatever changed since the sums were kept.
class TestYearlyTotals : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    std::unique_ptr<Database> m_db;

    // Every query over every period, kept and straight; returns false at the first difference.
    bool keptEqualsStraight(const char *after)
    {
        for (const TotalsQuery &q : Queries) {
            YearlyTotals totals(*m_db, q.query, q.start, q.end, q.more);
            for (const WorkingPeriod &period : Periods) {
                const QStringList straight = texts(totals.readStraight(period));
                const QStringList kept = texts(totals.read(period));
                if (kept != straight) {
                    qWarning("after %s, %s from %s to %s:\n kept     %s\n straight %s", after,
                             q.label, qPrintable(period.start.toString(Qt::ISODate)),
                             qPrintable(period.end.toString(Qt::ISODate)),
                             qPrintable(kept.join(" | ")), qPrintable(straight.join(" | ")));
                    return false;
                }
            }
        }
        return true;
    }

    int keptYears()
    {
        return m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM [Anni Sommati]")).toInt();
    }

private slots:
    void init()
    {
        m_db = std::make_unique<Database>();
        m_db->open(m_env.copyTemplate());
        RegistryFixture::seed(*m_db);
        // A few more works on the machine, on its own and behind another centre, in each year.
        m_db->execute("INSERT INTO Opere (IDScheda, CodOperaio, CodOperazione, [Tipo Centro], "
                      "CodCentro, OreOrd, OreStr, OreFest, CodMacch1, CodMacch2) VALUES "
                      "(5, 1, 2, 3, 3, 3, 0, 0, 3, 0), (2, 2, 1, 4, 4, 1.5, 0.25, 0, 3, 3), "
                      "(4, 1, 1, 1, 2, 2, 0, 1, 0, 3)");
        SchemaUpgrade::keepYearSums(*m_db);
    }

    void cleanup() { m_db.reset(); }

    void keptSumsFollowEveryChangeOfTheWorks()
    {
        QVERIFY(keptEqualsStraight("the first reading"));
        QVERIFY(keptYears() > 0);

        const QList<std::pair<const char *, QString>> changes = {
            {"a new work",
             "INSERT INTO Opere (IDScheda, CodOperaio, CodOperazione, [Tipo Centro], CodCentro, "
             "OreOrd, CodMacch1) VALUES (1, 2, 2, 1, 1, 7, 3)"},
            {"a work removed", "DELETE FROM Opere WHERE IDOpera = 1"},
            {"hours changed", "UPDATE Opere SET OreStr = 2.5 WHERE IDScheda = 4"},
            {"a work moved to another card", "UPDATE Opere SET IDScheda = 5 WHERE IDScheda = 2"},
            {"a card moved to another year",
             "UPDATE Scheda SET Data = '2016-05-05 08:00:00' WHERE IDScheda = 1"},
            {"a card removed", "DELETE FROM Scheda WHERE IDScheda = 4"},
            {"a code changed", "UPDATE Opere SET CodOperaio = 2 WHERE CodOperaio = 1"},
            {"a new card with works",
             "INSERT INTO Scheda (IDScheda, Data) VALUES (9, '2014-07-07 00:00:00')"},
            {"its work", "INSERT INTO Opere (IDScheda, CodOperaio, CodOperazione, [Tipo Centro], "
                         "CodCentro, OreOrd) VALUES (9, 1, 1, 4, 4, 9)"},
        };
        for (const auto &[what, sql] : changes) {
            m_db->execute(sql);
            QVERIFY2(keptEqualsStraight(what), what);
        }
    }

    void wholeYearsAreReadFromTheKeptSums()
    {
        const TotalsQuery &workers = Queries.first();
        YearlyTotals totals(*m_db, workers.query, workers.start, workers.end, workers.more);
        const WorkingPeriod years{QDate(2014, 1, 1), QDate(2016, 12, 31)};
        const QStringList straight = texts(totals.read(years));
        // Sums that no longer match the works show they are what is read...
        m_db->execute("UPDATE [Somme Annuali] SET OreOrd = OreOrd + 100");
        QVERIFY(texts(totals.read(years)) != straight);
        // ...until a change of the works of their year has them summed again.
        m_db->execute("UPDATE Opere SET OreOrd = OreOrd WHERE IDScheda IN (1, 4, 5)");
        QCOMPARE(texts(totals.read(years)), straight);
    }

    // Another program changing a year's works while its sums are being kept: the change waits
    // for the sums to be written, then makes the year be summed again; it is never lost.
    void aChangeWhileTheSumsAreKeptIsNotLost()
    {
        const TotalsQuery &workers = Queries.first();
        YearlyTotals totals(*m_db, workers.query, workers.start, workers.end, workers.more);
        Database other;
        other.open(m_db->path());
        other.execute("PRAGMA busy_timeout = 0");
        const QString change = "UPDATE Opere SET OreOrd = OreOrd + 10 WHERE IDScheda IN "
                               "(SELECT IDScheda FROM Scheda WHERE Data LIKE '2015%')";
        bool waited = false;
        bool changed = false;
        totals.setYearReadHandler([&](int year) {
            if (year != 2015 || changed || waited)
                return;
            try {
                other.execute(change);
                changed = true;
            } catch (const DbException &) {
                waited = true;
            }
        });
        const WorkingPeriod years{QDate(2014, 1, 1), QDate(2016, 12, 31)};
        const QStringList before = texts(totals.read(years));
        if (!changed)
            other.execute(change);
        const QStringList after = texts(totals.read(years));
        QCOMPARE(after, texts(totals.readStraight(years)));
        QVERIFY(after != before);
        QVERIFY2(waited, "the other program wrote between the reading and the sums");
    }

    // A trigger dropped by another tool leaves the changes made meanwhile out of the kept sums:
    // they are not read while it is missing, and all forgotten when the opening makes it again.
    void sumsKeptWithoutATriggerAreRebuilt_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("change");
        QTest::newRow("work added")
            << "OpereAggiunteSomme"
            << "INSERT INTO Opere (IDScheda, CodOperaio, CodOperazione, [Tipo Centro], CodCentro, "
               "OreOrd) VALUES (4, 2, 1, 4, 4, 8)";
        QTest::newRow("hours changed") << "OpereCambiateSomme"
                                       << "UPDATE Opere SET OreOrd = OreOrd + 5";
        QTest::newRow("card removed") << "SchedeTolteSomme"
                                      << "DELETE FROM Scheda WHERE IDScheda = 4";
    }

    void sumsKeptWithoutATriggerAreRebuilt()
    {
        QFETCH(QString, trigger);
        QFETCH(QString, change);
        QVERIFY(keptEqualsStraight("the first reading"));
        const QString path = m_db->path();
        {
            Database tool;
            tool.open(path);
            tool.execute(QStringLiteral("DROP TRIGGER [%1]").arg(trigger));
            tool.execute(change);
        }
        QVERIFY(!SchemaUpgrade::hasYearSumTriggers(*m_db));
        QVERIFY(keptEqualsStraight("a change without the trigger"));

        // As the program opens its farm.
        m_db = std::make_unique<Database>();
        m_db->open(path);
        SchemaUpgrade::keepYearSums(*m_db);
        QVERIFY(SchemaUpgrade::hasYearSumTriggers(*m_db));
        QCOMPARE(keptYears(), 0);
        QVERIFY(keptEqualsStraight("the trigger made again"));
        QVERIFY(keptYears() > 0);
        // A farm whose triggers are all there keeps its sums when opened.
        m_db = std::make_unique<Database>();
        m_db->open(path);
        SchemaUpgrade::keepYearSums(*m_db);
        QVERIFY(keptYears() > 0);
    }

    void aDatabaseWithoutKeptSumsIsReadStraight()
    {
        Database older;
        older.open(m_env.copyTemplate());
        RegistryFixture::seed(older);
        const TotalsQuery &workers = Queries.first();
        YearlyTotals totals(older, workers.query, workers.start, workers.end, workers.more);
        const WorkingPeriod years{QDate(2014, 1, 1), QDate(2016, 12, 31)};
        QCOMPARE(texts(totals.read(years)), texts(totals.readStraight(years)));
        QVERIFY(!texts(totals.read(years)).isEmpty());
        QVERIFY(!older.tableExists(SchemaUpgrade::YearSumsTable));
    }
};

QTEST_GUILESS_MAIN(TestYearlyTotals)
#include "TestYearlyTotals.moc"
