#include "TestEnvironment.h"
#include "base/WorkingPeriod.h"
#include "db/COperaiSet.h"
#include "db/COpereSet.h"
#include "db/CSchedaSet.h"
#include "db/Database.h"
#include "db/DbException.h"

#include <QTest>

class TestRecordSet : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

    static void addWorker(COperaiSet &workers, int code, const QString &name)
    {
        workers.addNew();
        workers.setValue(COperaiSet::Codice, code);
        workers.setValue(COperaiSet::Nome, name);
        workers.update();
    }

    static void addCard(Database &db, const QDateTime &date)
    {
        CSchedaSet cards(db);
        cards.open();
        cards.addNew();
        cards.setValue(CSchedaSet::Data, date);
        cards.update();
    }

private slots:
    void movesAndEnds()
    {
        Database db;
        db.open(m_env.copyTemplate());
        COperaiSet workers(db);
        workers.open();
        QVERIFY(workers.isEOF());
        QVERIFY(workers.isBOF());
        QVERIFY_THROWS_EXCEPTION(DbException, workers.moveNext());
        for (int code : {3, 1, 2})
            addWorker(workers, code, QStringLiteral("W%1").arg(code));
        workers.setSort(QStringLiteral("Codice"));
        workers.requery();
        QCOMPARE(workers.recordCount(), 3);
        QStringList seen;
        for (workers.moveFirst(); !workers.isEOF(); workers.moveNext())
            seen << workers.value(COperaiSet::Nome).toString();
        QCOMPARE(seen, QStringList({"W1", "W2", "W3"}));
        QVERIFY_THROWS_EXCEPTION(DbException, workers.value(COperaiSet::Nome));
        workers.moveLast();
        QCOMPARE(workers.value(COperaiSet::Codice).toInt(), 3);
        workers.movePrev();
        workers.movePrev();
        workers.movePrev();
        QVERIFY(workers.isBOF());
    }

    void findBookmarkAndDelete()
    {
        Database db;
        db.open(m_env.copyTemplate());
        COperaiSet workers(db);
        workers.setSort(QStringLiteral("Codice DESC"));
        workers.open();
        for (int code : {10, 20, 30, 40})
            addWorker(workers, code, QStringLiteral("W%1").arg(code));
        workers.requery();

        QVERIFY(workers.findFirst(QStringLiteral("Codice < ?"), {35}));
        QCOMPARE(workers.value(COperaiSet::Codice).toInt(), 30);
        const auto mark = workers.bookmark();
        QVERIFY(!workers.findFirst(QStringLiteral("Codice > 100")));
        QCOMPARE(workers.value(COperaiSet::Codice).toInt(), 30);

        workers.edit();
        workers.setValue(COperaiSet::Nome, QStringLiteral("Renamed"));
        workers.update();
        QCOMPARE(workers.lastModified(), mark);
        workers.moveFirst();
        workers.setBookmark(mark);
        QCOMPARE(workers.value(COperaiSet::Nome).toString(), QStringLiteral("Renamed"));

        // The deleted row stays current until the next move, which goes on to the next row.
        workers.deleteRecord();
        QVERIFY_THROWS_EXCEPTION(DbException, workers.value(COperaiSet::Nome));
        workers.moveNext();
        QCOMPARE(workers.value(COperaiSet::Codice).toInt(), 20);
        QCOMPARE(workers.recordCount(), 3);
        QVERIFY_THROWS_EXCEPTION(DbException, workers.setBookmark(mark));
    }

    void requerySeesOtherChanges()
    {
        Database db;
        db.open(m_env.copyTemplate());
        COperaiSet first(db);
        COperaiSet second(db);
        first.open();
        second.open();
        addWorker(first, 7, QStringLiteral("Anna"));
        QCOMPARE(second.recordCount(), 0);
        second.requery();
        QCOMPARE(second.recordCount(), 1);
        QCOMPARE(second.value(COperaiSet::Nome).toString(), QStringLiteral("Anna"));
    }

    void filterWithNamedParameter()
    {
        Database db;
        db.open(m_env.copyTemplate());
        COpereSet works(db);
        works.open();
        for (int card : {5, 6, 5}) {
            works.addNew();
            works.setValue(COpereSet::IDScheda, card);
            works.update();
        }
        works.setFilter(QStringLiteral("IDScheda = :[IDScheda Param]"));
        works.setSort(QStringLiteral("IDOpera"));
        works.setParameter(QStringLiteral("[IDScheda Param]"), 5);
        works.requery();
        QCOMPARE(works.recordCount(), 2);
        // Unset columns take the table's defaults.
        QCOMPARE(works.value(COpereSet::Aggiornato), QVariant(false));
        QCOMPARE(works.value(COpereSet::CodOperaio), QVariant(0));
    }

    void periodBounds()
    {
        Database db;
        db.open(m_env.copyTemplate());
        const WorkingPeriod period{QDate(2015, 1, 1), QDate(2015, 12, 31)};
        addCard(db, QDateTime(QDate(2014, 12, 31), QTime(23, 59, 59)));
        addCard(db, QDateTime(QDate(2015, 1, 1), QTime(0, 0, 0)));
        addCard(db, QDateTime(QDate(2015, 12, 31), QTime(23, 59, 59)));
        addCard(db, QDateTime(QDate(2016, 1, 1), QTime(0, 0, 0)));
        CSchedaSet cards(db);
        cards.setFilter(QStringLiteral("Data BETWEEN ? AND ?"), {period.startAt(), period.endAt()});
        cards.setSort(QStringLiteral("Data"));
        cards.open();
        QCOMPARE(cards.recordCount(), 2);
        QCOMPARE(cards.value(CSchedaSet::Data).toDateTime(), period.startAt());
        cards.moveLast();
        QCOMPARE(cards.value(CSchedaSet::Data).toDateTime(), period.endAt());
    }

    void errorsCarryEngineMessage()
    {
        Database db;
        db.open(m_env.copyTemplate());
        COpereSet works(db);
        works.open();
        works.addNew();
        // References are 16-bit: a larger code is refused rather than cut short.
        QVERIFY_THROWS_EXCEPTION(DbException, works.setValue(COpereSet::CodOperaio, 70000));
        works.cancelUpdate();

        RecordSet bad(db, QStringLiteral("SELECT Foo FROM MissingTable"));
        try {
            bad.open();
            QFAIL("opening a query on a missing table must fail");
        } catch (const DbException &e) {
            QVERIFY2(e.message().contains(QLatin1String("MissingTable")), qPrintable(e.message()));
        }

        RecordSet readOnly(db, QStringLiteral("SELECT Codice FROM Operai"));
        readOnly.open();
        QVERIFY_THROWS_EXCEPTION(DbException, readOnly.addNew());
    }

    void transactions()
    {
        Database db;
        db.open(m_env.copyTemplate());
        COperaiSet workers(db);
        workers.open();
        auto count = [&] {
            return db.scalar(QStringLiteral("SELECT count(*) FROM Operai")).toInt();
        };

        db.beginTrans();
        addWorker(workers, 1, QStringLiteral("kept"));
        db.beginTrans();
        addWorker(workers, 2, QStringLiteral("undone"));
        db.rollback();
        db.commitTrans();
        QCOMPARE(count(), 1);

        try {
            Transaction transaction(db);
            addWorker(workers, 3, QStringLiteral("lost with the exception"));
            db.execute(QStringLiteral("INSERT INTO NoSuchTable VALUES (1)"));
            transaction.commit();
            QFAIL("the insert into a missing table must fail");
        } catch (const DbException &) {
        }
        QCOMPARE(db.transactionDepth(), 0);
        QCOMPARE(count(), 1);

        {
            Transaction transaction(db);
            addWorker(workers, 4, QStringLiteral("committed"));
            transaction.commit();
        }
        QCOMPARE(count(), 2);
    }

    void openRefusesMissingAndForeignFiles()
    {
        Database db;
        QVERIFY_THROWS_EXCEPTION(DbException, db.open(m_env.path(QStringLiteral("none.mdb"))));
        QVERIFY(!QFile::exists(m_env.path(QStringLiteral("none.mdb"))));
        QFile text(m_env.path(QStringLiteral("text.mdb")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("this is not a database, just some words in a file\n");
        text.close();
        QVERIFY_THROWS_EXCEPTION(DbException, db.open(text.fileName()));
        QVERIFY(!db.isOpen());
    }
};

QTEST_GUILESS_MAIN(TestRecordSet)
#include "TestRecordSet.moc"
