#include "FakePrompter.h"
#include "TestEnvironment.h"
#include "db/Database.h"
#include "db/SchemaUpgrade.h"
#include "registries/FieldYears.h"

#include <QTest>

using Icon = Prompter::Icon;
using Answer = Prompter::Answer;

class TestFieldYears : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

    void open(Database &db, const QList<int> &yearsWithFields)
    {
        db.open(m_env.copyTemplate());
        int code = 1;
        for (int year : yearsWithFields)
            for (int i = 0; i < 3; ++i, ++code)
                db.execute("INSERT INTO Campi (Descrizione, [Località], Centro, Codice, "
                           "Superficie, Anno) VALUES (?, ?, ?, ?, ?, ?)",
                           {QString("Field %1").arg(i), "Hill", 1 + i, 1 + i, 2.5 * (i + 1), year});
    }

private slots:
    void yearLists()
    {
        Database db;
        open(db, {2015});
        QCOMPARE(FieldYears::usedYears(db, 2015), QList<int>{2015});
        QCOMPARE(FieldYears::freeYears(db, 2015),
                 (QList<int>{2016, 2017, 2018, 2019, 2020, 2021, 2022, 2023, 2024, 2025}));
        QCOMPARE(FieldYears::range(2013, 2015), (QList<int>{2013, 2014, 2015}));

        Database older;
        open(older, {2003, 2004, 2010});
        QCOMPARE(FieldYears::usedYears(older, 2014), (QList<int>{2010, 2004}));
        QCOMPARE(FieldYears::freeYears(older, 2014).first(), 2014);
        QCOMPARE(FieldYears::freeYears(older, 2014).size(), 11);
    }

    void copyAfterYes()
    {
        Database db;
        open(db, {2015});
        FakePrompter prompter;
        prompter.expect(Icon::Question, "Do you want to keep the fields of 2015 for 2016?",
                        Answer::Yes);
        prompter.expect(Icon::Information, "Fields created with success!");
        FieldYears::copyWithQuestion(db, prompter, 2015, 2016);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM Campi WHERE Anno = 2016").toInt(), 3);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM Campi WHERE Anno = 2015").toInt(), 3);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM Campi a JOIN Campi b ON a.Codice = b.Codice "
                           "AND a.Centro = b.Centro AND a.Descrizione = b.Descrizione AND "
                           "a.[Località] = b.[Località] AND a.Superficie = b.Superficie "
                           "WHERE a.Anno = 2015 AND b.Anno = 2016")
                     .toInt(),
                 3);
        QVERIFY(prompter.verify());
    }

    // A field keeps the parcel it lies on; a file without the parcel's columns copies the rest.
    void copyCarriesParcels()
    {
        Database db;
        open(db, {2015});
        QVERIFY(SchemaUpgrade::upgrade(db));
        const QString outline =
            "{\"coordinates\":[[[9,45],[9.001,45],[9.001,45.001],[9,45]]],\"type\":\"Polygon\"}";
        db.execute("UPDATE Campi SET IdParcella = 'IT-E648-12-101', CodiceComune = 'E648', "
                   "Foglio = '12', Particella = '101', Geometria = ? WHERE Codice = 2",
                   {outline});
        QCOMPARE(FieldYears::copy(db, 2015, 2016), 3);
        QCOMPARE(db.scalar("SELECT IdParcella || '|' || CodiceComune || '|' || Foglio || '|' || "
                           "Particella || '|' || Geometria FROM Campi WHERE Codice = 2 AND "
                           "Anno = 2016")
                     .toString(),
                 "IT-E648-12-101|E648|12|101|" + outline);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM Campi WHERE Anno = 2016 AND IdParcella IS NULL "
                           "AND Geometria IS NULL")
                     .toInt(),
                 2);

        Database older;
        open(older, {2015});
        QCOMPARE(FieldYears::copy(older, 2015, 2016), 3);
        QCOMPARE(older.scalar("SELECT COUNT(*) FROM Campi WHERE Anno = 2016").toInt(), 3);
    }

    void noOrCancelCopiesNothing_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("no") << Answer::No;
        QTest::newRow("cancel") << Answer::Cancel;
    }

    void noOrCancelCopiesNothing()
    {
        QFETCH(Answer, answer);
        Database db;
        open(db, {2015});
        FakePrompter prompter;
        prompter.expect(Icon::Question, "Do you want to keep the fields of 2015 for 2016?", answer);
        FieldYears::copyWithQuestion(db, prompter, 2015, 2016);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM Campi").toInt(), 3);
        QVERIFY(prompter.verify());
    }

    void emptyChoiceIsReportedNotCopied()
    {
        Database db;
        open(db, {});
        FakePrompter prompter;
        prompter.expect(Icon::Warning, "There are no fields to copy: choose a year with fields "
                                       "and a year without fields.");
        FieldYears::copyWithQuestion(db, prompter, 0, 2016);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM Campi").toInt(), 0);
        QVERIFY(prompter.verify());
    }

    void failedCopyLeavesNoPartialYear()
    {
        Database db;
        open(db, {2015});
        db.execute("CREATE TRIGGER SecondFails BEFORE INSERT ON Campi WHEN NEW.Codice = 2 "
                   "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        FakePrompter prompter;
        prompter.expect(Icon::Question, "Do you want to keep the fields of 2015 for 2016?",
                        Answer::Yes);
        prompter.expectContaining(Icon::Error, "were not copied to 2016: nothing was changed");
        FieldYears::copyWithQuestion(db, prompter, 2015, 2016);
        QCOMPARE(db.scalar("SELECT COUNT(*) FROM Campi WHERE Anno = 2016").toInt(), 0);
        QVERIFY(prompter.verify());
    }
};

QTEST_GUILESS_MAIN(TestFieldYears)
#include "TestFieldYears.moc"
