#include "TestEnvironment.h"
#include "db/Database.h"
#include "db/StoredQuery.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QTest>

// The stored queries must read a period's cards from the card date index and reach the works
// and movements only through the card and work keys, so that a year costs the same whatever
// the history before it and whatever statistics the engine holds.
class TestQueryPlans : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    Database m_db;

    // Three years of cards; few works per worker, operation, centre and item, so that their
    // indexes look far more selective than the card dates.
    void seed()
    {
        Transaction transaction(m_db);
        constexpr int Codes = 400;
        for (int code = 1; code <= Codes; ++code) {
            m_db.execute(QStringLiteral("INSERT INTO Operai (Codice, Nome, Stipendio) "
                                        "VALUES (?, 'W', 10)"),
                         {code});
            m_db.execute(
                QStringLiteral("INSERT INTO Centri (Codice, Descrizione, Macchina) VALUES (?, "
                               "'C', ?)"),
                {code, code > Codes - 10 ? 1 : 0});
        }
        int day = 0;
        for (int year = 2013; year <= 2015; ++year) {
            for (int card = 0; card < 60; ++card, ++day) {
                const qint64 cardId =
                    m_db.execute(QStringLiteral("INSERT INTO Scheda (Data) VALUES (?)"),
                                 {QDateTime(QDate(year, 1, 1).addDays(card * 6), QTime(8, 0))})
                        .lastInsertId()
                        .toLongLong();
                for (int w = 0; w < 4; ++w) {
                    const int code = 1 + (day * 4 + w) % Codes;
                    const qint64 work =
                        m_db.execute(
                                QStringLiteral(
                                    "INSERT INTO Opere (Aggiornato, IDScheda, CodOperaio, "
                                    "CodOperazione, [Tipo Centro], CodCentro, CodCampo, OreOrd, "
                                    "CodMacch1) VALUES (1, ?, ?, ?, ?, ?, ?, 2, ?)"),
                                {cardId, code, code, 1 + w % 4, code, w % 4 == 1 ? code : 0,
                                 Codes - 9 + w})
                            .lastInsertId()
                            .toLongLong();
                    m_db.execute(QStringLiteral("INSERT INTO Magazzino (IDOpera, [Tipo Centro], "
                                                "CodCentro, CodCampo, [Tipo Bolla], "
                                                "[Codice Articolo], Quantita, Prezzo) "
                                                "VALUES (?, ?, ?, ?, 2, ?, 1, 1)"),
                                 {work, 1 + w % 4, code, w % 4 == 1 ? code : 0, code});
                }
            }
        }
        transaction.commit();
    }

    // A value of the right kind for each parameter, as the program passes them.
    static QVariantMap parameters(const QStringList &names)
    {
        QVariantMap values;
        for (const QString &name : names)
            values.insert(name, name.contains(QLatin1String("Data"))
                                    ? QVariant(QDateTime(QDate(2015, 12, 31), QTime(23, 59, 59)))
                                    : QVariant(name.contains(QLatin1String("Anno")) ? 2015 : 3));
        return values;
    }

    // What each plan line reads, by the table behind the alias it names; only the tables
    // that grow with the years are followed.
    static QStringList datedReads(const QString &sql, QSqlQuery plan)
    {
        QHash<QString, QString> tables;
        static const QRegularExpression alias(
            QStringLiteral("\\b(Scheda|Opere|Magazzino)\\s+AS\\s+(\\w+)"));
        for (auto it = alias.globalMatch(sql); it.hasNext();) {
            const auto m = it.next();
            tables.insert(m.captured(2), m.captured(1));
        }
        static const QRegularExpression read(QStringLiteral("^(SCAN|SEARCH) (\\w+)(.*)$"));
        QStringList reads;
        while (plan.next()) {
            const auto m = read.match(plan.value(3).toString());
            if (m.hasMatch() && tables.contains(m.captured(2)))
                reads << m.captured(1) + QLatin1Char(' ') + tables.value(m.captured(2)) +
                             m.captured(3);
        }
        return reads;
    }

    static bool expected(const QString &read)
    {
        static const QRegularExpression allowed(QStringLiteral(
            "^(SEARCH Scheda USING COVERING INDEX SchedaData \\(Data[<>]\\?( AND Data<\\?)?\\)|"
            "SEARCH Opere USING (COVERING )?INDEX OpereScheda \\(IDScheda=\\?\\)|"
            "SEARCH Magazzino USING (COVERING )?INDEX MagazzinoOpera \\(IDOpera=\\?\\))$"));
        return allowed.match(read).hasMatch();
    }

private slots:
    void initTestCase()
    {
        m_db.open(m_env.copyTemplate());
        seed();
    }

    void plans_data()
    {
        QTest::addColumn<bool>("analyzed");
        QTest::newRow("without statistics") << false;
        QTest::newRow("with statistics") << true;
    }

    void plans()
    {
        QFETCH(bool, analyzed);
        if (analyzed)
            m_db.execute(QStringLiteral("ANALYZE"));
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = "
                                            "'sqlite_stat1'"))
                     .toInt(),
                 analyzed ? 1 : 0);

        QSqlQuery names = m_db.execute(QStringLiteral("SELECT Name, Sql FROM QueryDefs"));
        int checked = 0;
        while (names.next()) {
            const QString name = names.value(0).toString();
            // One item's inventory reads that item's movements, not a period.
            if (name == QLatin1String("Inventario Magazzino Articolo"))
                continue;
            const QString sql = names.value(1).toString();
            const QStringList reads =
                datedReads(sql, m_db.execute(QStringLiteral("EXPLAIN QUERY PLAN ") + sql, {},
                                             parameters(StoredQuery::parameterNamesIn(sql))));
            QVERIFY2(!reads.isEmpty() && reads.first().startsWith(QLatin1String("SEARCH Scheda")),
                     qPrintable(name + QStringLiteral(": ") + reads.join(QStringLiteral("; "))));
            for (const QString &read : reads)
                QVERIFY2(expected(read), qPrintable(name + QStringLiteral(": ") + read));
            ++checked;
        }
        QVERIFY2(checked >= 25, "every stored query over a period is checked");
    }

    void closingGathersStatistics()
    {
        const QString path = m_env.copyTemplate();
        Database db;
        db.open(path);
        for (int code = 1; code <= 20; ++code)
            db.execute(QStringLiteral("INSERT INTO Opere (IDScheda, CodOperaio) VALUES (?, ?)"),
                       {code, code % 5});
        db.execute(QStringLiteral("SELECT count(*) FROM Opere WHERE CodOperaio = 3"));
        db.close();

        db.open(path);
        QVERIFY(db.tableExists(QStringLiteral("sqlite_stat1")));
        QVERIFY(db.scalar(QStringLiteral("SELECT count(*) FROM sqlite_stat1 WHERE tbl = 'Opere'"))
                    .toInt() > 0);
    }
};

QTEST_GUILESS_MAIN(TestQueryPlans)
#include "TestQueryPlans.moc"
