#include "FakePrompter.h"
#include "FrameFixture.h"
#include "TestEnvironment.h"
#include "app/CMainFrame.h"
#include "app/CSearchScheda.h"
#include "app/CommandIds.h"
#include "base/SettingsStore.h"
#include "base/ui/SharedPrinter.h"
#include "cards/ui/CMainView.h"
#include "cards/ui/COperaiDlg.h"
#include "chart/ui/CChartView.h"
#include "db/Database.h"
#include "db/FarmSession.h"
#include "registries/RegistryEditor.h"
#include "registries/ui/CTabelleView.h"
#include "reports/ui/CSceltaStampe.h"

#include <QAction>
#include <QApplication>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeView>

// The real main window, joined to its views as the program joins them, on a small farm: the
// user switches views, enters a card with one work and prints a list.
class TestMainWindowEndToEnd : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    QString m_path;
    FakePrompter m_prompter;
    FrameFixture m_app{m_env, m_prompter};

    void trigger(int commandId)
    {
        m_app.frame().updateCommandStates();
        QAction *action = m_app.frame().action(commandId);
        QVERIFY2(action->isEnabled(), qPrintable(action->text()));
        action->trigger();
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_env.clearSettings();
        SettingsStore::writeString(SettingsStore::Settings, "DittaRagSoc", "Verdi Farm");
        m_path = m_app.seededFarm();
        QVERIFY(m_app.start(m_path));
    }

    void cleanup()
    {
        m_app.stop();
        QVERIFY(m_prompter.verify());
    }

    void switchesTheViews()
    {
        QCOMPARE(m_app.frame().currentViewKind(), 1);
        QVERIFY(m_app.cards());
        QCOMPARE(m_app.cards()->dateField()->date(), QDate(2015, 6, 1));

        trigger(IdRegistries);
        QCOMPARE(m_app.frame().currentViewKind(), 2);
        QVERIFY(m_app.registries());
        QCOMPARE(m_app.registries()->editor().database(), &m_app.farm().database());
        QCOMPARE(m_app.registries()->treeView()->model()->rowCount(), 4);
        QVERIFY(!m_app.frame().searchWindow()->isVisible());

        trigger(IdGraphs);
        QCOMPARE(m_app.frame().currentViewKind(), 3);
        QVERIFY(dynamic_cast<CChartView *>(m_app.frame().activeView()));

        trigger(IdWorks);
        QCOMPARE(m_app.frame().currentViewKind(), 1);
        QVERIFY(m_app.frame().searchWindow()->isVisible());
    }

    void addsACardWithOneWork()
    {
        const int cardsBefore = m_app.count("SELECT COUNT(*) FROM Scheda");
        trigger(IdAdd);
        QCOMPARE(m_app.cards()->dateField()->dateTime(),
                 QDateTime(QDate(2015, 7, 1), QTime(9, 30)));
        m_app.cards()->setEditorRunner([](COperaiDlg &dialog) {
            dialog.show();
            dialog.field(WorkEntry::Field::WorkerCode)->setText("2");
            dialog.field(WorkEntry::Field::RegularHours)->setText("6");
            return dialog.confirm(true);
        });
        trigger(IdNewWork);
        QCOMPARE(m_app.cards()->workList()->model()->rowCount(), 1);
        QCOMPARE(m_app.cards()->workList()->model()->index(0, 0).data().toString(),
                 QStringLiteral("Bruno (2)"));
        m_prompter.expect(Prompter::Icon::Information, "Form stored successfully!");
        trigger(IdSave);
        QCOMPARE(m_app.count("SELECT COUNT(*) FROM Scheda"), cardsBefore + 1);
        QCOMPARE(
            m_app.count("SELECT COUNT(*) FROM Opere o JOIN Scheda s ON s.IDScheda = o.IDScheda "
                        "WHERE s.Data = '2015-07-01 09:30:00' AND o.CodOperaio = 2 "
                        "AND o.OreOrd = 6 AND o.Aggiornato = 1"),
            1);
        QCOMPARE(
            m_app.count("SELECT COUNT(*) FROM Magazzino m JOIN Opere o ON o.IDOpera = m.IDOpera "
                        "WHERE o.CodOperaio = 2 AND o.OreOrd = 6"),
            1);
    }

    // Import and Restore replace what the card view shows: a card being typed is saved first,
    // or neither runs and the card stays as typed.
    void importAndRestoreKeepTheCardBeingTyped()
    {
        int runs = 0;
        for (FrameCommand command : {FrameCommand::ImportData, FrameCommand::Restore})
            m_app.frame().setCommandHandler(command, [&runs] { ++runs; });
        const int cardsBefore = m_app.count("SELECT COUNT(*) FROM Scheda");
        trigger(IdAdd);
        m_app.cards()->setEditorRunner([](COperaiDlg &dialog) {
            dialog.show();
            dialog.field(WorkEntry::Field::WorkerCode)->setText("2");
            dialog.field(WorkEntry::Field::RegularHours)->setText("6");
            return dialog.confirm(true);
        });
        trigger(IdNewWork);

        for (int command : {IdImportData, IdRestore}) {
            m_prompter.expectContaining(Prompter::Icon::Question,
                                        "The new form has not been saved yet",
                                        Prompter::Answer::No);
            trigger(command);
        }
        QCOMPARE(runs, 0);
        QVERIFY(m_app.enabled(IdCancelInsert));
        QCOMPARE(m_app.cards()->workList()->model()->rowCount(), 1);

        m_prompter.expectContaining(Prompter::Icon::Question, "The new form has not been saved yet",
                                    Prompter::Answer::Yes);
        m_prompter.expect(Prompter::Icon::Information, "Form stored successfully!");
        trigger(IdRestore);
        QCOMPARE(runs, 1);
        QCOMPARE(m_app.count("SELECT COUNT(*) FROM Scheda"), cardsBefore + 1);
        // Nothing is being typed now: no question.
        trigger(IdImportData);
        QCOMPARE(runs, 2);
    }

    // The views close their record sets on the old database before its connection closes,
    // then show the new one.
    void replacingTheDatabaseReleasesTheViewsFirst()
    {
        trigger(IdRegistries);
        QVERIFY(m_app.registries()->editor().database());
        QStringList seen;
        QObject probe;
        connect(&m_app.farm(), &FarmSession::aboutToReplaceDatabase, &probe, [&] {
            seen << QStringLiteral("open %1, registries %2, cards %3")
                        .arg(m_app.farm().database().isOpen())
                        .arg(m_app.registries()->editor().database() ? "holding" : "released")
                        .arg(m_app.cards()->session() ? "holding" : "released");
        });
        const QString other = m_env.copyTemplate();
        {
            Database db;
            db.open(other);
            db.execute("INSERT INTO Operai (Codice, Nome, Rapporto, Stipendio) "
                       "VALUES (9, 'Carla', 0, 9)");
        }
        SettingsStore::writeString(SettingsStore::Settings, "Database", other);
        m_app.frame().ReloadViews();
        QCOMPARE(seen, QStringList{"open 1, registries released, cards released"});
        QCOMPARE(m_app.farm().databasePath(), other);
        QCOMPARE(m_app.registries()->editor().database(), &m_app.farm().database());
        QStandardItem *workers = m_app.registries()->editor().folder(5);
        QCOMPARE(workers->rowCount(), 1);
        QCOMPARE(workers->child(0)->text(), QStringLiteral("Carla"));
        QVERIFY(m_app.cards()->session());
    }

    void printsAListToPdf()
    {
        const QString pdf = m_env.path("workers.pdf");
        QPrinter &printer = SharedPrinter::printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);

        // The print choice, then the printer's dialog, answered as the user would.
        QStringList answered;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *choice = qobject_cast<CSceltaStampe *>(modal)) {
                choice->radio(PrintChoice::Workers)->click();
                answered << "choice";
                choice->accept();
            } else if (auto *print = qobject_cast<QPrintDialog *>(modal)) {
                answered << "printer";
                print->accept();
            }
        });
        answer.start(50);
        // The seeded farm's copper treatment lacks what the record of treatments needs.
        m_prompter.expectContaining(Prompter::Icon::Warning, "Treatment record incomplete");
        trigger(IdPrint);
        answer.stop();
        QCOMPARE(answered, (QStringList{"choice", "printer"}));
        QVERIFY(QFileInfo(pdf).size() > 0);

        REQUIRE_TOOL(QStringLiteral("pdftotext"));
        QProcess text;
        text.start("pdftotext", {pdf, "-"});
        QVERIFY(text.waitForFinished());
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(printed.contains("Anna") && printed.contains("Bruno"), qPrintable(printed));
    }
};

QTEST_MAIN(TestMainWindowEndToEnd)
#include "TestMainWindowEndToEnd.moc"
