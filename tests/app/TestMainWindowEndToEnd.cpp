#include "../registries/RegistryFixture.h"
#include "FakePrompter.h"
#include "FixedClock.h"
#include "TestEnvironment.h"
#include "app/CMainFrame.h"
#include "app/CSearchScheda.h"
#include "app/CommandIds.h"
#include "app/ViewJoining.h"
#include "base/SettingsStore.h"
#include "base/ui/SharedPrinter.h"
#include "cards/ui/CMainView.h"
#include "cards/ui/COperaiDlg.h"
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
    FixedClock m_clock{QDateTime(QDate(2015, 7, 1), QTime(9, 30))};
    std::unique_ptr<FarmSession> m_farm;
    std::unique_ptr<CMainFrame> m_frame;

    void trigger(int commandId)
    {
        m_frame->updateCommandStates();
        QAction *action = m_frame->action(commandId);
        QVERIFY2(action->isEnabled(), qPrintable(action->text()));
        action->trigger();
    }
    CMainView *cards() const { return dynamic_cast<CMainView *>(m_frame->view(1)); }
    CTabelleView *registries() const { return dynamic_cast<CTabelleView *>(m_frame->view(2)); }
    int count(const QString &sql) const { return m_farm->database().scalar(sql).toInt(); }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_env.clearSettings();
        m_path = m_env.copyTemplate();
        {
            Database db;
            db.open(m_path);
            RegistryFixture::seed(db);
        }
        const auto write = [](const char *name, const QString &value) {
            SettingsStore::writeString(SettingsStore::Settings, QString::fromLatin1(name), value);
        };
        write("Database", m_path);
        write("DataInit", "01/01/2015");
        write("DataEnd", "31/12/2015");
        write("ActualDate", "01/06/2015");
        write("DittaRagSoc", "Verdi Farm");

        m_farm = std::make_unique<FarmSession>();
        m_frame = std::make_unique<CMainFrame>();
        m_frame->setPrompter(&m_prompter);
        m_frame->setUrlOpener([](const QUrl &) {});
        joinViews(*m_frame, *m_farm, &m_prompter, &m_clock);
        m_frame->createInitialView();
        m_frame->restorePlacement();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    }

    void cleanup()
    {
        m_frame.reset();
        m_farm.reset();
        QVERIFY(m_prompter.verify());
    }

    void switchesTheViews()
    {
        QCOMPARE(m_frame->currentViewKind(), 1);
        QVERIFY(cards());
        QCOMPARE(cards()->database(), &m_farm->database());
        QCOMPARE(cards()->dateField()->date(), QDate(2015, 6, 1));

        trigger(IdRegistries);
        QCOMPARE(m_frame->currentViewKind(), 2);
        QVERIFY(registries());
        QCOMPARE(registries()->database(), &m_farm->database());
        QCOMPARE(registries()->treeView()->model()->rowCount(), 4);
        QVERIFY(!m_frame->searchWindow()->isVisible());

        trigger(IdGraphs);
        QCOMPARE(m_frame->currentViewKind(), 3);
        QCOMPARE(m_frame->activeView()->database(), &m_farm->database());

        trigger(IdWorks);
        QCOMPARE(m_frame->currentViewKind(), 1);
        QVERIFY(m_frame->searchWindow()->isVisible());
    }

    void addsACardWithOneWork()
    {
        const int cardsBefore = count("SELECT COUNT(*) FROM Scheda");
        trigger(IdAdd);
        QCOMPARE(cards()->dateField()->dateTime(), QDateTime(QDate(2015, 7, 1), QTime(9, 30)));
        cards()->setEditorRunner([](COperaiDlg &dialog) {
            dialog.show();
            dialog.field(WorkEntry::Field::WorkerCode)->setText("2");
            dialog.field(WorkEntry::Field::RegularHours)->setText("6");
            return dialog.confirm(true);
        });
        trigger(IdNewWork);
        QCOMPARE(cards()->workList()->model()->rowCount(), 1);
        QCOMPARE(cards()->workList()->model()->index(0, 0).data().toString(),
                 QStringLiteral("Bruno (2)"));
        m_prompter.expect(Prompter::Icon::Information, "Form stored successfully!");
        trigger(IdSave);
        QCOMPARE(count("SELECT COUNT(*) FROM Scheda"), cardsBefore + 1);
        QCOMPARE(count("SELECT COUNT(*) FROM Opere o JOIN Scheda s ON s.IDScheda = o.IDScheda "
                       "WHERE s.Data = '2015-07-01 09:30:00' AND o.CodOperaio = 2 "
                       "AND o.OreOrd = 6 AND o.Aggiornato = 1"),
                 1);
        QCOMPARE(count("SELECT COUNT(*) FROM Magazzino m JOIN Opere o ON o.IDOpera = m.IDOpera "
                       "WHERE o.CodOperaio = 2 AND o.OreOrd = 6"),
                 1);
    }

    // The views close their record sets on the old database before its connection closes,
    // then show the new one.
    void replacingTheDatabaseReleasesTheViewsFirst()
    {
        trigger(IdRegistries);
        QVERIFY(registries()->editor().database());
        QStringList seen;
        QObject probe;
        connect(m_farm.get(), &FarmSession::aboutToReplaceDatabase, &probe, [&] {
            seen << QStringLiteral("open %1, registries %2, cards %3")
                        .arg(m_farm->database().isOpen())
                        .arg(registries()->editor().database() ? "holding" : "released")
                        .arg(cards()->session() ? "holding" : "released");
        });
        const QString other = m_env.copyTemplate();
        {
            Database db;
            db.open(other);
            db.execute("INSERT INTO Operai (Codice, Nome, Rapporto, Stipendio) "
                       "VALUES (9, 'Carla', 0, 9)");
        }
        SettingsStore::writeString(SettingsStore::Settings, "Database", other);
        m_frame->ReloadViews();
        QCOMPARE(seen, QStringList{"open 1, registries released, cards released"});
        QCOMPARE(m_farm->databasePath(), other);
        QCOMPARE(registries()->editor().database(), &m_farm->database());
        QStandardItem *workers = registries()->editor().folder(5);
        QCOMPARE(workers->rowCount(), 1);
        QCOMPARE(workers->child(0)->text(), QStringLiteral("Carla"));
        QVERIFY(cards()->session());
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
