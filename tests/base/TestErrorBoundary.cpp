#include "FakePrompter.h"
#include "base/ui/ErrorBoundary.h"
#include "db/DbErrorText.h"
#include "db/DbException.h"

#include <QTest>

#include <stdexcept>

Q_DECLARE_METATYPE(DbErrorKind)

namespace {

const QString File = QStringLiteral("/farms/Tellan.mdb");

} // namespace

// Where every command of the window ends: a failure is shown, never carried on up.
class TestErrorBoundary : public QObject
{
    Q_OBJECT

private slots:
    void aCommandThatEndsRunsOnce()
    {
        FakePrompter prompter;
        int runs = 0;
        QVERIFY(ErrorBoundary::run(prompter, File, [&] { ++runs; }));
        QCOMPARE(runs, 1);
        QVERIFY(prompter.shown().isEmpty());
    }

    void aDatabaseErrorShowsItsKind_data()
    {
        QTest::addColumn<DbErrorKind>("kind");
        QTest::newRow("busy") << DbErrorKind::Busy;
        QTest::newRow("damaged") << DbErrorKind::Damaged;
        QTest::newRow("read-only") << DbErrorKind::ReadOnly;
        QTest::newRow("disk full") << DbErrorKind::DiskFull;
        QTest::newRow("other") << DbErrorKind::Other;
    }
    void aDatabaseErrorShowsItsKind()
    {
        QFETCH(DbErrorKind, kind);
        const DbException error(QStringLiteral("database is locked"), kind);
        FakePrompter prompter;
        prompter.expect(Prompter::Icon::Error, DbErrorText::describe(error, File));
        QString typed = QStringLiteral("typed");
        QVERIFY(!ErrorBoundary::run(prompter, File, [&] { throw error; }));
        QVERIFY(prompter.verify());
        // The next command runs as if nothing had happened.
        QVERIFY(ErrorBoundary::run(prompter, File, [&] { typed += QStringLiteral(" on"); }));
        QCOMPARE(typed, QStringLiteral("typed on"));
    }

    void theKindsReadDifferently()
    {
        QStringList texts;
        for (DbErrorKind kind : {DbErrorKind::Busy, DbErrorKind::Damaged, DbErrorKind::ReadOnly,
                                 DbErrorKind::DiskFull, DbErrorKind::Other})
            texts << DbErrorText::describe(DbException(QStringLiteral("x"), kind), File);
        texts.removeDuplicates();
        QCOMPARE(texts.size(), 5);
    }

    void anyOtherFailureIsShownWithItsText()
    {
        FakePrompter prompter;
        prompter.expectContaining(Prompter::Icon::Error, QStringLiteral("out of paper"));
        QVERIFY(
            !ErrorBoundary::run(prompter, File, [] { throw std::runtime_error("out of paper"); }));
        QVERIFY(prompter.verify());
    }

    void evenAFailureOfNoKnownTypeStopsHere()
    {
        FakePrompter prompter;
        prompter.expectContaining(Prompter::Icon::Error,
                                  QStringLiteral("The command could not be completed."));
        QVERIFY(!ErrorBoundary::run(prompter, File, [] { throw 42; }));
        QVERIFY(prompter.verify());
    }
};

QTEST_MAIN(TestErrorBoundary)
#include "TestErrorBoundary.moc"
