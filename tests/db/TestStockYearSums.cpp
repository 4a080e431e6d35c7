#include "TestEnvironment.h"
#include "db/Database.h"
#include "db/ForwardCursor.h"
#include "db/SchemaUpgrade.h"
#include "db/StockYearSums.h"
#include "db/StoredQuery.h"

#include <QDateTime>
#include <QTest>

namespace {

// Days the stock is asked for: before any card, the ends of years, inside a year, the last
// moment of a year's last day, after every card.
const QList<QDate> Days = {QDate(2013, 6, 1),   QDate(2014, 12, 31), QDate(2015, 3, 10),
                           QDate(2015, 12, 31), QDate(2016, 1, 1),   QDate(2016, 12, 31),
                           QDate(2030, 1, 1)};

QStringList texts(const QList<StockYearSums::Row> &rows)
{
    QStringList lines;
    for (const StockYearSums::Row &row : rows)
        lines << QStringLiteral("%1/%2: %3").arg(row.item).arg(row.type).arg(row.quantity);
    return lines;
}

} // namespace

// The stock added up from the sums kept per year always equals the stock read from every
// movement, whatever changed since the sums were kept.
class TestStockYearSums : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    std::unique_ptr<Database> m_db;
    QString m_path;

    // The stock as the item folder's stored query gives it.
    QStringList queried(const QDate &day)
    {
        StoredQuery query(*m_db, QStringLiteral("Inventario Magazzino"));
        query.setParameter(QStringLiteral("[Data]"), QDateTime(day, QTime(23, 59, 59)));
        QStringList lines;
        for (const auto cursor = query.openCursor(); !cursor->isEOF(); cursor->moveNext())
            lines << QStringLiteral("%1/%2: %3")
                         .arg(cursor->value(0).toInt())
                         .arg(cursor->value(2).toInt())
                         .arg(cursor->value(4).toDouble());
        return lines;
    }

    // Every day, kept and straight and queried; false at the first difference.
    bool keptEqualsFullSum(const char *after)
    {
        StockYearSums stock(*m_db);
        for (const QDate &day : Days) {
            const QStringList full = queried(day);
            const QStringList straight = texts(stock.readStraight(day));
            const QStringList kept = texts(stock.read(day));
            if (kept != full || straight != full) {
                qWarning("after %s, up to %s:\n kept     %s\n straight %s\n query    %s", after,
                         qPrintable(day.toString(Qt::ISODate)), qPrintable(kept.join(" | ")),
                         qPrintable(straight.join(" | ")), qPrintable(full.join(" | ")));
                return false;
            }
        }
        return true;
    }

    int keptYears()
    {
        return m_db
            ->scalar(QStringLiteral("SELECT COUNT(*) FROM [%1]").arg(StockYearSums::YearsTable))
            .toInt();
    }

    void openAsTheProgramDoes()
    {
        m_db = std::make_unique<Database>();
        m_db->open(m_path);
        SchemaUpgrade::keepYearSums(*m_db);
    }

private slots:
    void init()
    {
        m_path = m_env.copyTemplate();
        m_db = std::make_unique<Database>();
        m_db->open(m_path);
        // Cards in 2014, 2015 (one on its last second) and 2016; a pending work (card 0);
        // movements of every type, one outside 1..5, one without an item, one without a
        // quantity. Quantities are exact in binary, so that sums in any order agree.
        const QStringList seed = {
            "INSERT INTO Scheda (IDScheda, Data) VALUES (1, '2014-02-01 08:00:00'), "
            "(2, '2014-12-31 18:00:00'), (3, '2015-03-10 08:00:00'), "
            "(4, '2015-12-31 23:59:59'), (5, '2016-01-01 00:00:00'), (6, '2016-07-07 08:00:00')",
            "INSERT INTO Opere (IDOpera, IDScheda, OreOrd) VALUES (1, 1, 1), (2, 2, 1), (3, 3, 1), "
            "(4, 3, 1), (5, 4, 1), (6, 5, 1), (7, 6, 1), (8, 0, 1), (9, 6, 1)",
            "INSERT INTO Magazzino (IDBolla, IDOpera, [Codice Articolo], [Tipo Bolla], Quantita) "
            "VALUES (1, 1, 1, 5, 100), (2, 2, 1, 3, 2.5), (3, 3, 1, 2, 40), (4, 4, 2, 1, 8), "
            "(5, 5, 2, 4, 3.25), (6, 6, 1, 3, 0.5), (7, 7, 3, 2, 12), (8, 8, 1, 2, 999), "
            "(9, 9, 1, 7, 1), (10, 4, 0, 2, 5), (11, 3, 3, 3, NULL)",
        };
        for (const QString &sql : seed)
            m_db->execute(sql);
        SchemaUpgrade::keepYearSums(*m_db);
    }

    void cleanup() { m_db.reset(); }

    void keptSumsFollowEveryChange()
    {
        QVERIFY(keptEqualsFullSum("the first reading"));
        // Every year from the first card's to the one before the last day asked for.
        QCOMPARE(keptYears(), 2029 - 2014 + 1);

        const QList<std::pair<const char *, QString>> changes = {
            {"a new movement",
             "INSERT INTO Magazzino (IDOpera, [Codice Articolo], [Tipo Bolla], Quantita) VALUES "
             "(2, 2, 2, 6)"},
            {"a quantity changed", "UPDATE Magazzino SET Quantita = 41 WHERE IDBolla = 3"},
            {"an item changed", "UPDATE Magazzino SET [Codice Articolo] = 3 WHERE IDBolla = 1"},
            {"a type changed", "UPDATE Magazzino SET [Tipo Bolla] = 4 WHERE IDBolla = 4"},
            {"a movement moved to another work",
             "UPDATE Magazzino SET IDOpera = 7 WHERE IDBolla = 2"},
            {"a movement removed", "DELETE FROM Magazzino WHERE IDBolla = 5"},
            {"a work moved to another card", "UPDATE Opere SET IDScheda = 6 WHERE IDOpera = 3"},
            {"a work removed", "DELETE FROM Opere WHERE IDOpera = 1"},
            {"a pending work put on a card", "UPDATE Opere SET IDScheda = 2 WHERE IDOpera = 8"},
            {"a card moved to another year",
             "UPDATE Scheda SET Data = '2016-05-05 08:00:00' WHERE IDScheda = 2"},
            {"a card moved into the first year",
             "UPDATE Scheda SET Data = '2014-05-05 08:00:00' WHERE IDScheda = 4"},
            {"a card removed", "DELETE FROM Scheda WHERE IDScheda = 3"},
            {"a work of a card still to come",
             "INSERT INTO Opere (IDOpera, IDScheda, OreOrd) VALUES (20, 20, 1)"},
            {"its movement", "INSERT INTO Magazzino (IDOpera, [Codice Articolo], [Tipo Bolla], "
                             "Quantita) VALUES (20, 4, 1, 16)"},
            {"the card coming", "INSERT INTO Scheda (IDScheda, Data) VALUES (20, "
                                "'2015-08-08 08:00:00')"},
            {"a card before every other",
             "INSERT INTO Scheda (IDScheda, Data) VALUES (21, '2012-01-01 08:00:00')"},
            {"its work", "INSERT INTO Opere (IDOpera, IDScheda, OreOrd) VALUES (21, 21, 1)"},
            {"its movement", "INSERT INTO Magazzino (IDOpera, [Codice Articolo], [Tipo Bolla], "
                             "Quantita) VALUES (21, 1, 2, 0.25)"},
        };
        for (const auto &[what, sql] : changes) {
            m_db->execute(sql);
            QVERIFY2(keptEqualsFullSum(what), what);
        }
        QVERIFY(keptYears() > 0);
    }

    void wholeYearsAreReadFromTheKeptSums()
    {
        StockYearSums stock(*m_db);
        const QDate day(2016, 12, 31);
        const QStringList full = texts(stock.readStraight(day));
        QCOMPARE(texts(stock.read(day)), full);
        // Sums that no longer match the movements show they are what is read...
        m_db->execute(QStringLiteral("UPDATE [%1] SET Quantita = Quantita + 1000")
                          .arg(StockYearSums::SumsTable));
        QVERIFY(texts(stock.read(day)) != full);
        // ...until a change of a movement of their year has them summed again.
        m_db->execute("UPDATE Magazzino SET Quantita = Quantita WHERE IDBolla IN (1, 3)");
        QCOMPARE(texts(stock.read(day)), full);
    }

    // A trigger dropped by another tool leaves the changes made meanwhile out of the kept sums:
    // they are not read while it is missing, and all forgotten when the opening makes it again.
    void sumsKeptWithoutATriggerAreRebuilt_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("change");
        QTest::newRow("movement added")
            << "MagazzinoAggiuntoScorte"
            << "INSERT INTO Magazzino (IDOpera, [Codice Articolo], [Tipo Bolla], Quantita) "
               "VALUES (1, 1, 2, 64)";
        QTest::newRow("quantity changed") << "MagazzinoCambiatoScorte"
                                          << "UPDATE Magazzino SET Quantita = Quantita + 2";
        QTest::newRow("work moved") << "OperaSpostataScorte"
                                    << "UPDATE Opere SET IDScheda = 6 WHERE IDOpera = 1";
        QTest::newRow("card removed") << "SchedaToltaScorte"
                                      << "DELETE FROM Scheda WHERE IDScheda = 1";
    }

    void sumsKeptWithoutATriggerAreRebuilt()
    {
        QFETCH(QString, trigger);
        QFETCH(QString, change);
        QVERIFY(keptEqualsFullSum("the first reading"));
        {
            Database tool;
            tool.open(m_path);
            tool.execute(QStringLiteral("DROP TRIGGER [%1]").arg(trigger));
            tool.execute(change);
        }
        QVERIFY(!StockYearSums::hasTriggers(*m_db));
        QVERIFY(keptEqualsFullSum("a change without the trigger"));

        openAsTheProgramDoes();
        QVERIFY(StockYearSums::hasTriggers(*m_db));
        QCOMPARE(keptYears(), 0);
        QVERIFY(keptEqualsFullSum("the trigger made again"));
        QVERIFY(keptYears() > 0);
        // A farm whose triggers are all there keeps its sums when opened.
        openAsTheProgramDoes();
        QVERIFY(keptYears() > 0);
    }

    // A farm another program holds for writing, or one that can only be read, is read straight
    // and nothing is kept.
    void farmsThatCannotKeepAreReadStraight()
    {
        {
            Database other;
            other.open(m_path);
            other.execute("PRAGMA busy_timeout = 0");
            m_db->execute("PRAGMA busy_timeout = 0");
            other.beginTrans();
            other.execute("UPDATE Opere SET OreOrd = 2 WHERE IDOpera = 9");
            QVERIFY(keptEqualsFullSum("another program took the file"));
            other.rollback();
        }
        QCOMPARE(keptYears(), 0);

        m_db = std::make_unique<Database>();
        m_db->open(m_path, Database::Access::ReadOnly);
        QVERIFY(keptEqualsFullSum("opening for reading only"));
        QCOMPARE(keptYears(), 0);
    }

    // A restored backup's sums are never trusted.
    void forgettingEmptiesTheSums()
    {
        QVERIFY(keptEqualsFullSum("the first reading"));
        StockYearSums::forget(*m_db);
        QCOMPARE(keptYears(), 0);
        QCOMPARE(
            m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM [%1]").arg(StockYearSums::SumsTable))
                .toInt(),
            0);
    }
};

QTEST_GUILESS_MAIN(TestStockYearSums)
#include "TestStockYearSums.moc"
