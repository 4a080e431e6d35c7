#include "FakePrompter.h"
#include "FarmFixture.h"
#include "TestEnvironment.h"
#include "reports/ui/ProcessingNotice.h"

#include <QTest>

using Warning = ProcessingWarnings::Warning;
using Kind = ProcessingWarnings::Kind;

// The message the window shows after processing.
class TestProcessingNotice : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

private slots:
    void init()
    {
        m_env.clearSettings();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void workerWithoutWageIsShownAndACompleteFarmSaysNothing()
    {
        Database db;
        db.open(m_env.copyTemplate());
        FarmFixture farm(db);
        farm.addWorker(1, QStringLiteral("Rossi"), 10.0);
        farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 2);
        farm.addOperation(1, QStringLiteral("Potatura"));
        const qint64 card = farm.addCard(QDateTime(QDate(2026, 3, 1), QTime(8, 0)));
        farm.addWork(card,
                     {.worker = 1, .regular = 4, .centreType = 1, .centre = 1, .operation = 1});
        const WorkingPeriod year{QDate(2026, 1, 1), QDate(2026, 12, 31)};
        FakePrompter prompter;
        ProcessingNotice::show(db, year, prompter);
        QVERIFY(prompter.shown().isEmpty());

        farm.addWorker(2, QStringLiteral("Bianchi"), QVariant());
        farm.addWork(card,
                     {.worker = 2, .regular = 3, .centreType = 1, .centre = 1, .operation = 1});
        prompter.expectContaining(Prompter::Icon::Warning,
                                  "\n- Worker Bianchi (2) has 3.00 hours and no hourly wage");
        ProcessingNotice::show(db, year, prompter);
        QVERIFY(prompter.verify());
    }

    void longListsAreCut()
    {
        QList<Warning> warnings;
        for (int code = 1; code <= ProcessingNotice::MaxListed + 2; ++code)
            warnings.append({Kind::UnknownOperation, code, {}, 0, 1});
        const QString text = ProcessingNotice::text(warnings);
        QCOMPARE(text.count("\n- "), ProcessingNotice::MaxListed);
        QVERIFY(text.endsWith("\nand 2 more."));
        QCOMPARE(ProcessingNotice::text({}), QString());
    }
};

QTEST_GUILESS_MAIN(TestProcessingNotice)
#include "TestProcessingNotice.moc"
