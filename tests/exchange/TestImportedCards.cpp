#include "FakePrompter.h"
#include "TestEnvironment.h"
#include "db/Database.h"
#include "db/FarmSession.h"
#include "exchange/ImportedCards.h"

#include <QLocale>
#include <QTest>

using Answer = Prompter::Answer;
Q_DECLARE_METATYPE(Prompter::Answer)

// After an import, the cards it brought are shown: their years are offered as the working
// period when they lie outside it, and the first of them becomes the card shown.
class TestImportedCards : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

    static QString day(const QDate &date) { return QLocale().toString(date, QLocale::ShortFormat); }

private slots:
    void init() { m_env.clearSettings(); }

    void daysOfTheArchivesCards()
    {
        Database db;
        db.open(m_env.copyTemplate());
        QVERIFY(ImportedCards::of(db).isEmpty());
        for (const char *date :
             {"2024-06-01 08:00:00", "2023-12-30 08:00:00", "2025-02-03 18:00:00"})
            db.execute("INSERT INTO Scheda (Data) VALUES (?)", {QString::fromLatin1(date)});
        const ImportedCards cards = ImportedCards::of(db);
        QCOMPARE(cards.first, QDate(2023, 12, 30));
        QCOMPARE(cards.last, QDate(2025, 2, 3));
    }

    void periodOfferAndCardShown_data()
    {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QDate>("periodStart");
        QTest::addColumn<QDate>("periodEnd");
        QTest::addColumn<QDate>("shown");

        const QDate start(2015, 1, 1), end(2015, 12, 31);
        QTest::newRow("inside the period") << QDate(2015, 3, 1) << QDate(2015, 6, 10) << false
                                           << Answer::Yes << start << end << QDate(2015, 3, 1);
        QTest::newRow("other years, taken")
            << QDate(2024, 2, 1) << QDate(2025, 11, 30) << true << Answer::Yes << QDate(2024, 1, 1)
            << QDate(2025, 12, 31) << QDate(2024, 2, 1);
        QTest::newRow("other years, declined") << QDate(2024, 2, 1) << QDate(2025, 11, 30) << true
                                               << Answer::No << start << end << QDate();
        QTest::newRow("partly before, taken")
            << QDate(2014, 12, 30) << QDate(2015, 1, 5) << true << Answer::Yes << QDate(2014, 1, 1)
            << end << QDate(2014, 12, 30);
    }
    void periodOfferAndCardShown()
    {
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(bool, asked);
        QFETCH(Answer, answer);
        QFETCH(QDate, periodStart);
        QFETCH(QDate, periodEnd);
        QFETCH(QDate, shown);

        FarmSession farm;
        farm.open(m_env.copyTemplate());
        farm.setPeriod({QDate(2015, 1, 1), QDate(2015, 12, 31)});
        farm.setActualDate(QDate(2015, 12, 31));
        FakePrompter prompter;
        if (asked)
            prompter.expect(
                Prompter::Icon::Question,
                QStringLiteral("The imported cards, from %1 to %2, lie outside the working period "
                               "%3 – %4.\n\nMake %5 – %6 the working period to see them?")
                    .arg(day(first), day(last), day(QDate(2015, 1, 1)), day(QDate(2015, 12, 31)),
                         day(QDate(first.year(), 1, 1)), day(QDate(last.year(), 12, 31))),
                answer);
        int reloads = 0;
        ImportedCards{first, last}.show(farm, prompter, [&reloads] { ++reloads; });
        QVERIFY(prompter.verify());
        QCOMPARE(farm.period().start, periodStart);
        QCOMPARE(farm.period().end, periodEnd);
        QCOMPARE(FarmSession::storedPeriod().start, periodStart);
        QCOMPARE(reloads, shown.isValid() ? 1 : 0);
        QCOMPARE(farm.actualDate(), shown.isValid() ? shown : QDate(2015, 12, 31));
    }
};

QTEST_GUILESS_MAIN(TestImportedCards)
#include "TestImportedCards.moc"
