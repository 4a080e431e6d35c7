#include "../registries/RegistryFixture.h"
#include "FakePrompter.h"
#include "FixedClock.h"
#include "ReadOnlyFolder.h"
#include "TestEnvironment.h"
#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "app/ViewJoining.h"
#include "base/SettingsStore.h"
#include "base/ui/SharedPrinter.h"
#include "cards/ui/CMainView.h"
#include "db/CSchedaSet.h"
#include "db/Database.h"
#include "db/FarmSession.h"
#include "registries/ui/CTabelleView.h"
#include "reports/ui/CSceltaStampe.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QTreeView>

// The main window on a copy of the farm that can only be read, as on a read-only share: the
// data is shown and printed, nothing can be written.
class TestReadOnlyDatabase : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    FakePrompter m_prompter;
    FixedClock m_clock{QDateTime(QDate(2015, 7, 1), QTime(9, 30))};
    std::unique_ptr<ReadOnlyFolder> m_share;
    std::unique_ptr<FarmSession> m_farm;
    std::unique_ptr<CMainFrame> m_frame;

    bool enabled(int commandId)
    {
        m_frame->updateCommandStates();
        return m_frame->action(commandId)->isEnabled();
    }
    CMainView *cards() const { return dynamic_cast<CMainView *>(m_frame->view(1)); }
    CTabelleView *registries() const { return dynamic_cast<CTabelleView *>(m_frame->view(2)); }

    void openFrame(const QString &databasePath)
    {
        const auto write = [](const char *name, const QString &value) {
            SettingsStore::writeString(SettingsStore::Settings, QString::fromLatin1(name), value);
        };
        write("Database", databasePath);
        write("DataInit", "01/01/2015");
        write("DataEnd", "31/12/2015");
        write("ActualDate", "01/06/2015");
        m_farm = std::make_unique<FarmSession>();
        m_frame = std::make_unique<CMainFrame>();
        m_frame->setPrompter(&m_prompter);
        m_frame->setUrlOpener([](const QUrl &) {});
        joinViews(*m_frame, *m_farm, &m_prompter, &m_clock);
        m_frame->createInitialView();
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_env.clearSettings();
    }

    void cleanup()
    {
        m_frame.reset();
        m_farm.reset();
        m_share.reset();
        QVERIFY(m_prompter.verify());
    }

    void showsAndPrintsAReadOnlyCopy()
    {
        const QString source = m_env.copyTemplate();
        {
            Database db;
            db.open(source);
            RegistryFixture::seed(db);
            db.execute("INSERT INTO Scheda (Data, Tempo) VALUES ('2015-06-01 08:00:00', 'Sun')");
        }
        m_share = std::make_unique<ReadOnlyFolder>(m_env.path("share"));
        if (!m_share->usable())
            QSKIP("no read-only folder can be made here");
        openFrame(m_share->protect(source, "Tellan.mdb"));

        QVERIFY(m_farm->isReadOnly());
        QVERIFY(m_frame->windowTitle().contains("read-only"));
        QVERIFY(m_frame->accessIndicator()->isVisible());

        // The card is shown, its fields cannot be typed into, and nothing writes.
        QVERIFY(cards()->session());
        QCOMPARE(cards()->dateField()->date(), QDate(2015, 6, 1));
        QVERIFY(cards()->textField(CSchedaSet::Tempo)->isReadOnly());
        for (int command :
             {IdAdd, IdSave, IdDelete, IdNewWork, IdDeleteWork, IdCancelInsert, IdImportData})
            QVERIFY2(!enabled(command), qPrintable(m_frame->action(command)->text()));
        QVERIFY(enabled(IdPrint));

        m_frame->action(IdRegistries)->trigger();
        QCOMPARE(registries()->treeView()->model()->rowCount(), 4);
        for (int command : {IdAdd, IdSave, IdDelete, IdNewFieldsYear})
            QVERIFY2(!enabled(command), qPrintable(m_frame->action(command)->text()));

        const QString pdf = m_env.path("workers.pdf");
        QPrinter &printer = SharedPrinter::printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        m_frame->action(IdWorks)->trigger();
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *choice = qobject_cast<CSceltaStampe *>(modal)) {
                // As the card print path sets it up on a database that can only be read.
                choice->setProcessingAllowed(false);
                QVERIFY(!choice->processBox()->isEnabled());
                choice->radio(PrintChoice::Workers)->click();
                choice->accept();
            } else if (auto *print = qobject_cast<QPrintDialog *>(modal)) {
                print->accept();
            }
        });
        answer.start(50);
        QVERIFY(enabled(IdPrint));
        m_frame->action(IdPrint)->trigger();
        answer.stop();
        QVERIFY(QFileInfo(pdf).size() > 0);
        REQUIRE_TOOL(QStringLiteral("pdftotext"));
        QProcess text;
        text.start("pdftotext", {pdf, "-"});
        QVERIFY(text.waitForFinished());
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(printed.contains("Anna") && printed.contains("Bruno"), qPrintable(printed));
    }

    void aWritableCopyKeepsItsCommands()
    {
        const QString path = m_env.copyTemplate();
        openFrame(path);
        QVERIFY(!m_farm->isReadOnly());
        QVERIFY(!m_frame->windowTitle().contains("read-only"));
        QVERIFY(!m_frame->accessIndicator()->isVisible());
        QVERIFY(enabled(IdAdd));
        QVERIFY(enabled(IdImportData));
    }

    void aMissingDatabaseNamesTheFile()
    {
        const QString missing = m_env.path("gone/Tellan.mdb");
        m_prompter.expectContaining(Prompter::Icon::Error, missing);
        openFrame(missing);
        QVERIFY(!m_farm->isOpen());
        QVERIFY(!cards()->session());
        QVERIFY(!enabled(IdAdd));

        // No view shows a value or takes typing.
        QVERIFY(!cards()->textField(CSchedaSet::Tempo)->isEnabled());
        QCOMPARE(cards()->textField(CSchedaSet::Tempo)->text(), QString());
        m_frame->action(IdRegistries)->trigger();
        QCOMPARE(registries()->treeView()->model()->rowCount(), 0);
        for (const QWidget *field : registries()->findChildren<QWidget *>()) {
            if (qobject_cast<const QLineEdit *>(field) || qobject_cast<const QLabel *>(field))
                QVERIFY2(!field->isVisible() || !field->isEnabled(),
                         qPrintable(field->accessibleName()));
        }

        // Opening it again says where another database is chosen.
        m_prompter.expectContaining(Prompter::Icon::Error, "Settings in the Program menu");
        m_frame->ReloadViews();
        QVERIFY(m_prompter.shown().last().contains(missing));
    }
};

QTEST_MAIN(TestReadOnlyDatabase)
#include "TestReadOnlyDatabase.moc"
