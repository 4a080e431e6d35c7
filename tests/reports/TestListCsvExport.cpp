#include "FakePrompter.h"
#include "ReadOnlyFolder.h"
#include "TestEnvironment.h"
#include "base/FolderChoice.h"
#include "base/SettingsKeys.h"
#include "registries/StatisticsModel.h"
#include "reports/ui/ListCsvExport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The registries' statistics list as a CSV table.
class TestListCsvExport : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

    // More rows than the list fetches at first; the last has a name that needs quoting.
    static void fill(StatisticsModel &model, int rows)
    {
        model.setTitles({"Date", "Worker Code", "Worker", "Hours", "Quantity", "Share"});
        auto next = std::make_shared<int>(0);
        model.setSource([next, rows](StatisticsRow &cells) {
            if (*next == rows)
                return false;
            ++*next;
            const bool last = *next == rows;
            const QString name = last ? "Rossi, \"Anna\"\nsecond line" : "Bruno";
            cells = {{"03/10/2015", QDate(2015, 3, 10)},
                     {QString::number(*next), *next},
                     {name, name},
                     last ? StatisticsCell() : StatisticsCell{"1,234.50", 1234.5},
                     {"kg 2.00", "kg 2.00"},
                     {"12.50%", 0.125}};
            return true;
        });
    }

private slots:
    void init()
    {
        m_env.clearSettings();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void everyRowWithNumbersAndIsoDates()
    {
        StatisticsModel model;
        const int rows = StatisticsModel::BatchSize + 6;
        fill(model, rows);
        QCOMPARE(model.rowCount(), StatisticsModel::BatchSize);
        const QList<QByteArray> lines = model.table().toUtf8().split('\n');
        QCOMPARE(lines.at(0), QByteArray("\xEF\xBB\xBF"
                                         "Date,Worker Code,Worker,Hours,Quantity,Share\r"));
        QCOMPARE(lines.at(1), QByteArray("2015-03-10,1,Bruno,1234.5,kg 2.00,0.125\r"));
        // The quoted name spans two lines of the file.
        QCOMPARE(lines.at(rows), QByteArray("2015-03-10,70,\"Rossi, \"\"Anna\"\""));
        QCOMPARE(lines.at(rows + 1), QByteArray("second line\",,kg 2.00,0.125\r"));
    }

    void writesTheChosenFile()
    {
        QTemporaryDir dir;
        StatisticsModel model;
        fill(model, 3);
        FakePrompter prompter;
        prompter.expectSaveFile(dir.filePath("workers"));
        prompter.expectContaining(Prompter::Icon::Information, "3 row(s) of the list written");
        QVERIFY(ListCsvExport::run(model, "Anna (1)", prompter));
        QCOMPARE(prompter.suggestedNames(), QStringList({"Anna 1.csv"}));
        QFile file(dir.filePath("workers.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("\xEF\xBB\xBF"
                                          "Date,"));
        QVERIFY(prompter.verify());
    }

    // The first export proposes a folder the user can write, never an unwritable Directory;
    // the next one proposes the folder of the file written.
    void proposesAWritableFolderThenTheLastOne()
    {
        ReadOnlyFolder program(m_env.path("program"));
        if (!program.usable())
            QSKIP("running as root where no read-only mount can be made: permissions do not "
                  "stop root");
        QFile(m_env.path("note")).open(QIODevice::WriteOnly);
        program.protect(m_env.path("note"), "note");
        SettingsKeys::Directory.write(m_env.path("program"));
        QTemporaryDir dir;
        StatisticsModel model;
        fill(model, 1);
        FakePrompter prompter;
        prompter.expectSaveFile(dir.filePath("workers.csv"));
        prompter.expectContaining(Prompter::Icon::Information, "written");
        prompter.expectSaveFile(QString());
        const QString first = FolderChoice::startFolder();
        QVERIFY(ListCsvExport::run(model, "Anna", prompter));
        QVERIFY(!ListCsvExport::run(model, "Anna", prompter));
        QCOMPARE(prompter.proposedFolders(), QStringList({first, dir.path()}));
        QVERIFY(prompter.proposedFolders().first() != m_env.path("program"));
        QVERIFY(FolderChoice::isWritableFolder(prompter.proposedFolders().first()));
        QVERIFY(prompter.verify());
    }
};

QTEST_GUILESS_MAIN(TestListCsvExport)
#include "TestListCsvExport.moc"
