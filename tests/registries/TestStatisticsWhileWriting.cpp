#include "FakeProgress.h"
#include "FakePrompter.h"
#include "TestEnvironment.h"
#include "db/Database.h"
#include "db/DbException.h"
#include "demo/FarmGenerator.h"
#include "exchange/DataExchange.h"
#include "registries/StatisticsLists.h"
#include "registries/StatisticsModel.h"
#include "reports/DataProcessing.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <functional>
#include <thread>

using Icon = Prompter::Icon;
using Answer = Prompter::Answer;
using Rows = QList<QStringList>;
// A write made while the list is shown; returns what went wrong, empty when it succeeded.
using Write = std::function<QString(const QString &farm, const QString &archive)>;

namespace {

constexpr int FirstYear = 2015;
constexpr int Years = 10;
const WorkingPeriod AllYears{QDate(FirstYear, 1, 1), QDate(FirstYear + Years - 1, 12, 31)};

FarmSize farmSize()
{
    FarmSize size;
    size.workers = 6;
    size.machines = 4;
    size.crops = 4;
    size.others = 2;
    size.fieldsPerCrop = 3;
    size.operations = 12;
    size.items = 10;
    return size;
}

Rows textsOf(const StatisticsModel &model)
{
    Rows rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < model.columnCount(); ++column)
            texts << model.index(row, column).data().toString();
        rows << texts;
    }
    return rows;
}

// The whole "Cost centers" list of the farm, read on a connection of its own.
Rows wholeList(const QString &farm)
{
    Database db;
    db.open(farm);
    StatisticsModel model;
    StatisticsLists(&db, model, AllYears).fillFieldActivity();
    model.fetchAll();
    return textsOf(model);
}

// A write by another program, which gives up at once when the file is locked.
bool otherProgramWrites(const QString &farm)
{
    bool written = false;
    std::thread other([&] {
        Database db;
        db.open(farm);
        db.execute(QStringLiteral("PRAGMA busy_timeout = 0"));
        try {
            db.execute(QStringLiteral("UPDATE Operai SET Stipendio = Stipendio + 1"));
            written = true;
        } catch (const DbException &) {
        }
    });
    other.join();
    return written;
}

QString importArchive(const QString &farm, const QString &archive)
{
    FakePrompter prompter;
    FakeProgress progress;
    prompter.expectOpenFile(archive);
    prompter.expect(Icon::Question, QStringLiteral("Do you want to overwrite existing data?"),
                    Answer::No);
    prompter.expect(Icon::Information, QStringLiteral("Import data completed successfully!"));
    DataExchange exchange(prompter, progress);
    exchange.setWorkingDatabase(farm);
    const DataExchange::Outcome outcome = exchange.ImportArchive();
    if (!prompter.verify() || outcome != DataExchange::Outcome::Done)
        return prompter.shown().join(QLatin1Char('\n'));
    Database db;
    db.open(farm);
    const int imported =
        db.scalar(QStringLiteral("SELECT count(*) FROM Scheda WHERE Data >= '2025-01-01'")).toInt();
    return imported == 1 ? QString() : QStringLiteral("%1 cards imported").arg(imported);
}

QString processData(const QString &farm, const QString &)
{
    Database db;
    db.open(farm);
    FakeProgress progress;
    try {
        DataProcessing processing(db, {QDate(2024, 1, 1), QDate(2024, 12, 31)});
        processing.ProcessTotals(progress);
        processing.PrepareFieldNotebook();
    } catch (const DbException &error) {
        return error.message();
    }
    return db.scalar(QStringLiteral("SELECT count(*) FROM Totali")).toInt() > 0
               ? QString()
               : QStringLiteral("Nothing was processed");
}

} // namespace

// The registries' longest list, the activity on the fields of a ten-year farm, shown while the
// program itself and other programs write the same file.
class TestStatisticsWhileWriting : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestEnvironment> m_env;
    QString m_farm;
    QString m_archive;
    Rows m_list;

    // A farm of the same registries with one card after the ten years, as an archive.
    QString makeArchive()
    {
        const QString source = m_env->copyTemplate();
        {
            Database db;
            db.open(source);
            FarmGenerator farm(db, farmSize());
            farm.seedRegistries(FirstYear, Years + 1);
            QRandomGenerator random(7);
            farm.card(QDate(2025, 1, 10), random, 3);
        }
        const QString archive = m_env->path(QStringLiteral("next.czp"));
        FakePrompter prompter;
        FakeProgress progress;
        prompter.expectSaveFile(archive);
        prompter.expect(Icon::Information, QStringLiteral("Export data completed successfully!"));
        DataExchange exchange(prompter, progress);
        exchange.setWorkingDatabase(source);
        exchange.setExportPeriod({QDate(2025, 1, 1), QDate(2025, 12, 31)});
        exchange.ExportArchive();
        return prompter.verify() ? archive : QString();
    }

    QString copyOfFarm()
    {
        const QString copy = m_env->path(QStringLiteral("farm-%1.mdb").arg(QTest::currentDataTag()))
                                 .remove(QLatin1Char(' '));
        QFile::remove(copy);
        return QFile::copy(m_farm, copy) ? copy : QString();
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_env = std::make_unique<TestEnvironment>();
        const QString temp = m_env->path(QStringLiteral("tmp"));
        QVERIFY(QDir().mkpath(temp));
        qputenv("TMPDIR", temp.toUtf8());
        m_farm = m_env->copyTemplate();
        {
            Database db;
            db.open(m_farm);
            Transaction transaction(db);
            FarmGenerator farm(db, farmSize());
            farm.seedRegistries(FirstYear, Years);
            QRandomGenerator random(26);
            for (QDate day = AllYears.start; day <= AllYears.end; day = day.addDays(1))
                farm.card(day, random, 2);
            transaction.commit();
        }
        m_archive = makeArchive();
        QVERIFY(!m_archive.isEmpty());
        m_list = wholeList(m_farm);
        QVERIFY(m_list.size() > 20 * StatisticsModel::BatchSize);
    }

    // The program's own writes go through other connections and do not wait for the list.
    void writesSucceedWithTheListShown_data()
    {
        QTest::addColumn<Write>("write");
        QTest::newRow("import") << Write(importArchive);
        QTest::newRow("processing") << Write(processData);
    }

    void writesSucceedWithTheListShown()
    {
        QFETCH(Write, write);
        const QString farm = copyOfFarm();
        QVERIFY(!farm.isEmpty());
        Database shown;
        shown.open(farm);
        StatisticsModel model;
        StatisticsLists(&shown, model, AllYears).fillFieldActivity();
        model.fetchMore();
        QCOMPARE(model.rowCount(), 2 * StatisticsModel::BatchSize);
        QVERIFY(model.canFetchMore());
        // The list holds the file: another program cannot write.
        QVERIFY(!otherProgramWrites(farm));

        QCOMPARE(write(farm, m_archive), QString());

        // The list reads on from where it was, to the same end.
        model.fetchAll();
        QCOMPARE(textsOf(model), m_list);
    }

    // Another program waits for the list only while it is being read.
    void anIdleListLetsOtherProgramsWrite()
    {
        const QString farm = copyOfFarm();
        QVERIFY(!farm.isEmpty());
        Database shown;
        shown.open(farm);
        StatisticsModel model;
        StatisticsLists(&shown, model, AllYears).fillFieldActivity();
        QVERIFY(!otherProgramWrites(farm));
        QTRY_VERIFY_WITH_TIMEOUT(otherProgramWrites(farm), 5000);
        model.fetchMore();
        model.fetchMore();
        QCOMPARE(textsOf(model), m_list.mid(0, 3 * StatisticsModel::BatchSize));
    }
};

QTEST_GUILESS_MAIN(TestStatisticsWhileWriting)
#include "TestStatisticsWhileWriting.moc"
