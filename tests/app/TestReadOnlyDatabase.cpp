#include "FakePrompter.h"
#include "FrameFixture.h"
#include "ReadOnlyFolder.h"
#include "TestEnvironment.h"
#include "app/CMainFrame.h"
#include "app/CommandIds.h"
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
    std::unique_ptr<ReadOnlyFolder> m_share;
    FrameFixture m_app{m_env, m_prompter};

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_env.clearSettings();
    }

    void cleanup()
    {
        m_app.stop();
        m_share.reset();
        QVERIFY(m_prompter.verify());
    }

    void showsAndPrintsAReadOnlyCopy()
    {
        const QString source = m_app.seededFarm();
        {
            Database db;
            db.open(source);
            db.execute("INSERT INTO Scheda (Data, Tempo) VALUES ('2015-06-01 08:00:00', 'Sun')");
        }
        m_share = std::make_unique<ReadOnlyFolder>(m_env.path("share"));
        if (!m_share->usable())
            QSKIP("no read-only folder can be made here");
        QVERIFY(m_app.start(m_share->protect(source, "Tellan.mdb")));

        QVERIFY(m_app.farm().isReadOnly());
        QVERIFY(m_app.frame().windowTitle().contains("read-only"));
        QVERIFY(m_app.frame().accessIndicator()->isVisible());

        // The card is shown, its fields cannot be typed into, and nothing writes.
        QVERIFY(m_app.cards()->session());
        QCOMPARE(m_app.cards()->dateField()->date(), QDate(2015, 6, 1));
        QVERIFY(m_app.cards()->textField(CSchedaSet::Tempo)->isReadOnly());
        for (int command :
             {IdAdd, IdSave, IdDelete, IdNewWork, IdDeleteWork, IdCancelInsert, IdImportData})
            QVERIFY2(!m_app.enabled(command), qPrintable(m_app.frame().action(command)->text()));
        QVERIFY(m_app.enabled(IdPrint));

        m_app.frame().action(IdRegistries)->trigger();
        QCOMPARE(m_app.registries()->treeView()->model()->rowCount(), 4);
        for (int command : {IdAdd, IdSave, IdDelete, IdNewFieldsYear})
            QVERIFY2(!m_app.enabled(command), qPrintable(m_app.frame().action(command)->text()));

        const QString pdf = m_env.path("workers.pdf");
        QPrinter &printer = SharedPrinter::printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        m_app.frame().action(IdWorks)->trigger();
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
        QVERIFY(m_app.enabled(IdPrint));
        m_app.frame().action(IdPrint)->trigger();
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
        QVERIFY(m_app.start(path));
        QVERIFY(!m_app.farm().isReadOnly());
        QVERIFY(!m_app.frame().windowTitle().contains("read-only"));
        QVERIFY(!m_app.frame().accessIndicator()->isVisible());
        QVERIFY(m_app.enabled(IdAdd));
        QVERIFY(m_app.enabled(IdImportData));
    }

    void aMissingDatabaseNamesTheFile()
    {
        const QString missing = m_env.path("gone/Tellan.mdb");
        m_prompter.expectContaining(Prompter::Icon::Error, missing);
        QVERIFY(m_app.start(missing));
        QVERIFY(!m_app.farm().isOpen());
        QVERIFY(!m_app.cards()->session());
        QVERIFY(!m_app.enabled(IdAdd));

        // No view shows a value or takes typing.
        QVERIFY(!m_app.cards()->textField(CSchedaSet::Tempo)->isEnabled());
        QCOMPARE(m_app.cards()->textField(CSchedaSet::Tempo)->text(), QString());
        m_app.frame().action(IdRegistries)->trigger();
        QCOMPARE(m_app.registries()->treeView()->model()->rowCount(), 0);
        for (const QWidget *field : m_app.registries()->findChildren<QWidget *>()) {
            if (qobject_cast<const QLineEdit *>(field) || qobject_cast<const QLabel *>(field))
                QVERIFY2(!field->isVisible() || !field->isEnabled(),
                         qPrintable(field->accessibleName()));
        }

        // Opening it again says where another database is chosen.
        m_prompter.expectContaining(Prompter::Icon::Error, "Settings in the Program menu");
        m_app.frame().ReloadViews();
        QVERIFY(m_prompter.shown().last().contains(missing));
    }
};

QTEST_MAIN(TestReadOnlyDatabase)
#include "TestReadOnlyDatabase.moc"
