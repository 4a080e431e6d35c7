#include "FakePrompter.h"
#include "FarmFaults.h"
#include "FixedClock.h"
#include "RegistryFixture.h"
#include "TestEnvironment.h"
#include "base/SettingsStore.h"
#include "base/ui/ErrorBoundary.h"
#include "base/ui/RecordView.h"
#include "db/Database.h"
#include "db/FarmSession.h"
#include "registries/RegistryEditor.h"
#include "registries/RegistryKey.h"
#include "registries/ui/CAnnoDlg.h"
#include "registries/ui/CTabelleView.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTreeView>
#include <stdexcept>

namespace {

class FakeHost : public ViewHost
{
public:
    void setSearchDate(const QDateTime &) override {}
    void setSearchRange(const QDateTime &, const QDateTime &) override {}
    void showHelpPage(int page) override { pages << page; }
    QList<int> pages;
};

// Once failWarnings is set, a warning cannot be shown and throws.
class ScreenPrompter : public FakePrompter
{
public:
    bool failWarnings = false;
    Answer message(Icon icon, const QString &text, Buttons buttons) override
    {
        if (failWarnings && icon == Icon::Warning)
            throw std::runtime_error("message could not be shown");
        return FakePrompter::message(icon, text, buttons);
    }
};

} // namespace

// The registries view on screen (offscreen): what the user sees and reaches.
class TestCTabelleView : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

    struct Screen
    {
        FarmSession farm;
        Database &db = farm.database();
        FakeHost host;
        ScreenPrompter prompter;
        FixedClock clock{QDateTime(QDate(2015, 7, 1), QTime(12, 0))};
        std::unique_ptr<CTabelleView> view;

        explicit Screen(TestEnvironment &env)
        {
            farm.open(env.copyTemplate());
            RegistryFixture::seed(db);
            view = std::make_unique<CTabelleView>(nullptr, host, farm, &prompter, &clock);
            view->resize(900, 600);
            view->show();
        }
        void select(int code, int kind)
        {
            RegistryTreeModel &tree = view->editor().tree();
            view->treeView()->setCurrentIndex(
                tree.indexFromItem(tree.findNode(RegistryKey::make(code, kind))));
        }
        template <typename T> T *control(const QString &accessibleName)
        {
            for (T *widget : view->findChildren<T *>())
                if (widget->accessibleName() == accessibleName)
                    return widget;
            return nullptr;
        }
    };

private slots:
    void init()
    {
        m_env.clearSettings();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        SettingsStore::writeString(SettingsStore::Settings, "DataInit", "01/01/2015");
        SettingsStore::writeString(SettingsStore::Settings, "DataEnd", "31/12/2015");
    }

    void showsTheTreeAndTheForm()
    {
        Screen s(m_env);
        QTreeView *tree = s.view->treeView();
        QCOMPARE(tree->model()->rowCount(), 4);
        QCOMPARE(tree->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("Registries"));
        QCOMPARE(tree->currentIndex().data().toString(), QStringLiteral("Cost centers"));
        QVERIFY(!tree->currentIndex().data(Qt::DecorationRole).value<QIcon>().isNull());

        s.select(2, RegistryKey::Worker);
        QLineEdit *name = s.control<QLineEdit>("Name");
        QVERIFY(name);
        QCOMPARE(name->text(), QStringLiteral("Bruno"));
        QCOMPARE(s.control<QLineEdit>("Hourly wage")->text(), QStringLiteral("$8.00"));
        QComboBox *relationship = s.control<QComboBox>("Report");
        QVERIFY(relationship->isVisible() && relationship->isEnabled());
        QCOMPARE(relationship->currentText(), QStringLiteral("Seasonal"));

        s.select(1, RegistryKey::Item);
        QVERIFY(!relationship->isVisible());
        QCheckBox *print = s.view->findChild<QCheckBox *>();
        QVERIFY(print->isVisible());
        QVERIFY(print->isChecked());
        QCOMPARE(s.control<QLineEdit>("Unit")->text(), QStringLiteral("kg"));
        QCOMPARE(s.control<QLineEdit>("Unit cost")->text(), QStringLiteral("$2.50"));
        QCOMPARE(s.view->listView()->model()->headerData(0, Qt::Horizontal).toString(),
                 QStringLiteral("Date"));
        QCOMPARE(s.view->listView()->model()->rowCount(), 3);
        QVERIFY(s.prompter.verify());
    }

    void registrationFieldOfCropsAndItems()
    {
        Screen s(m_env);
        s.select(1, RegistryKey::Crop);
        QLineEdit *eppo = s.control<QLineEdit>("EPPO code");
        QVERIFY(eppo && eppo->isVisible() && eppo->isEnabled());
        QCOMPARE(eppo->maxLength(), RegistryForm::MaxEppoCode);
        eppo->setText("vitvi");
        s.select(1, RegistryKey::Item);
        QCOMPARE(s.db.scalar("SELECT CodiceEPPO FROM Centri WHERE Codice = 1").toString(),
                 QStringLiteral("VITVI"));
        QLineEdit *authorisation = s.control<QLineEdit>("Authorisation no.");
        QVERIFY(authorisation && authorisation->isVisible() && authorisation->isEnabled());
        QCOMPARE(authorisation->text(), QString());
        s.select(1, RegistryKey::Worker);
        QVERIFY(!authorisation->isVisible());
        QVERIFY(s.prompter.verify());
    }

    void listExportFromTheContextMenu()
    {
        Screen s(m_env);
        QTableView *list = s.view->listView();
        QCOMPARE(list->contextMenuPolicy(), Qt::ActionsContextMenu);
        QAction *exportList = list->actions().value(0);
        QVERIFY(exportList);
        QCOMPARE(exportList->text(), QStringLiteral("Export list as CSV..."));
        QVERIFY(!exportList->isEnabled());
        int exports = 0;
        s.view->setListExportHandler([&](CTabelleView &view) {
            QCOMPARE(&view, s.view.get());
            ++exports;
        });
        exportList->trigger();
        QCOMPARE(exports, 1);
    }

    void unusedFieldsShowNoEarlierValue()
    {
        Screen s(m_env);
        s.select(1, RegistryKey::Item);
        QLineEdit *number = s.control<QLineEdit>("Unit");
        QLineEdit *place = s.control<QLineEdit>("Unit cost");
        QComboBox *relationship = s.control<QComboBox>("Report");
        QCOMPARE(number->text(), QStringLiteral("kg"));

        s.select(2, RegistryKey::Worker);
        QCOMPARE(number->text(), QStringLiteral("$8.00"));
        QVERIFY(!place->isEnabled());
        QCOMPARE(place->text(), QString());
        QCOMPARE(relationship->currentText(), QStringLiteral("Seasonal"));

        s.select(1, RegistryKey::Operation);
        QVERIFY(!number->isEnabled());
        QCOMPARE(number->text(), QString());
        QCOMPARE(place->text(), QString());
        QVERIFY(!relationship->isEnabled());
        QCOMPARE(relationship->currentText(), QString());

        // What the cleared fields held still reads back: leaving the record saves it as
        // before, and a used field shows its own record again.
        QLineEdit *description = s.control<QLineEdit>("Description");
        description->setFocus();
        description->selectAll();
        QTest::keyClicks(description, "Winter pruning");
        s.select(1, RegistryKey::Worker);
        QCOMPARE(s.db.scalar("SELECT Descrizione FROM Operazioni WHERE Codice = 1").toString(),
                 QStringLiteral("Winter pruning"));
        QCOMPARE(number->text(), QStringLiteral("$10.00"));
        QCOMPARE(relationship->currentText(), QStringLiteral("Fixed"));
        QVERIFY(s.prompter.verify());
    }

    void everyControlIsNamedAndReachable()
    {
        Screen s(m_env);
        const QList<QWidget *> controls = {s.view->treeView(),
                                           s.view->listView(),
                                           s.view->findChildren<QRadioButton *>().value(0),
                                           s.view->findChildren<QRadioButton *>().value(1),
                                           s.control<QLineEdit>("Internal Code"),
                                           s.control<QLineEdit>("Description"),
                                           s.control<QComboBox>("Report")};
        for (QWidget *control : controls) {
            QVERIFY(control);
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control);
            QVERIFY(iface);
            QVERIFY2(!iface->text(QAccessible::Name).isEmpty(),
                     qPrintable(control->metaObject()->className()));
            QVERIFY(control->focusPolicy() & Qt::TabFocus);
        }
        // The list exposes its cells to assistive tools.
        s.select(1, RegistryKey::Worker);
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(s.view->listView());
        QVERIFY(list->tableInterface());
        QAccessibleInterface *cell = list->tableInterface()->cellAt(0, 2);
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Vineyard"));
        QVERIFY(s.prompter.verify());
    }

    void commandsAndHelp()
    {
        Screen s(m_env);
        QVERIFY(!s.view->isCommandEnabled(ViewCommand::Print));
        QVERIFY(!s.view->isCommandEnabled(ViewCommand::Preview));
        QVERIFY(!s.view->isCommandEnabled(ViewCommand::ToggleSearch));
        QVERIFY(s.view->isCommandEnabled(ViewCommand::Help));
        s.view->runCommand(ViewCommand::Help);
        QCOMPARE(s.host.pages, QList<int>{6});

        s.select(0, RegistryKey::Operation);
        QVERIFY(s.view->isCommandEnabled(ViewCommand::Add));
        s.view->runCommand(ViewCommand::Add);
        QLineEdit *code = s.control<QLineEdit>("Internal Code");
        QCOMPARE(code->text(), QStringLiteral("0"));
        QVERIFY(code->hasSelectedText());
        // The tree stays on the new record until it is saved or cancelled.
        s.select(1, RegistryKey::Worker);
        QTRY_COMPARE(s.view->treeView()->currentIndex().data().toString(),
                     QStringLiteral("New Operation..."));
        code->setText("9");
        s.control<QLineEdit>("Description")->setText("Harvest");
        QVERIFY(s.view->isCommandEnabled(ViewCommand::Save));
        s.view->runCommand(ViewCommand::Save);
        QCOMPARE(s.db.scalar("SELECT Descrizione FROM Operazioni WHERE Codice = 9").toString(),
                 QStringLiteral("Harvest"));
        QCOMPARE(s.view->treeView()->currentIndex().data().toString(),
                 QStringLiteral("Harvest (9)"));
        QVERIFY(s.prompter.verify());
    }

    void newFieldsYearClosedWithoutOk()
    {
        Screen s(m_env);
        s.view->runCommand(ViewCommand::NewFieldsYear);
        CAnnoDlg *dialog = s.view->yearDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Year Fields"));
        QCOMPARE(dialog->managedCombo()->currentText(), QStringLiteral("2015"));
        QCOMPARE(dialog->productionCombo()->currentText(), QStringLiteral("2017"));
        dialog->reject();
        QVERIFY(!s.view->yearDialog());
        QCOMPARE(s.db.scalar("SELECT COUNT(*) FROM Campi").toInt(), 4);

        s.view->runCommand(ViewCommand::NewFieldsYear);
        s.prompter.expect(Prompter::Icon::Question,
                          "Do you want to keep the fields of 2015 for 2017?",
                          Prompter::Answer::Yes);
        s.prompter.expect(Prompter::Icon::Information, "Fields created with success!");
        s.view->yearDialog()->accept();
        QCOMPARE(s.db.scalar("SELECT COUNT(*) FROM Campi WHERE Anno = 2017").toInt(), 2);
        QVERIFY(s.prompter.verify());
    }

    void autosaveExceptionKeepsTheTreeOnTheRecord()
    {
        Screen s(m_env);
        s.select(2, RegistryKey::Worker);
        QLineEdit *wage = s.control<QLineEdit>("Hourly wage");
        wage->setText("lots");
        s.prompter.failWarnings = true;
        s.prompter.expectContaining(Prompter::Icon::Error, "message could not be shown");
        s.select(1, RegistryKey::Worker);
        QTRY_COMPARE(s.view->treeView()->currentIndex().data().toString(),
                     QStringLiteral("Bruno (2)"));
        QCOMPARE(s.control<QLineEdit>("Name")->text(), QStringLiteral("Bruno"));
        QCOMPARE(wage->text(), QStringLiteral("lots"));
        QCOMPARE(s.view->editor().selectedNode()->text(), QStringLiteral("Bruno (2)"));
        QCOMPARE(s.db.scalar("SELECT Stipendio FROM Operai WHERE Codice = 2").toInt(), 8);
        QVERIFY(s.prompter.verify());
    }

    // Another program holds the farm: moving away from an edited record and saving a new one
    // both end with the message of a file in use; the tree stays, the form keeps what was typed
    // and nothing is written. Once the file is free the same steps save.
    void lockedFarmKeepsWhatWasTyped()
    {
        Screen s(m_env);
        const QString busy = QStringLiteral("in use by another program");
        s.select(2, RegistryKey::Worker);
        QLineEdit *name = s.control<QLineEdit>("Name");
        name->setText("Bruno Rossi");
        {
            FarmFaults::ExclusiveLock lock(s.farm.databasePath());
            s.prompter.expectContaining(Prompter::Icon::Error, busy);
            s.select(1, RegistryKey::Worker);
            QTRY_COMPARE(s.view->treeView()->currentIndex().data().toString(),
                         QStringLiteral("Bruno (2)"));
            QCOMPARE(s.view->editor().selectedNode()->text(), QStringLiteral("Bruno (2)"));
            QCOMPARE(name->text(), QStringLiteral("Bruno Rossi"));
        }
        QCOMPARE(s.db.scalar("SELECT Nome FROM Operai WHERE Codice = 2").toString(),
                 QStringLiteral("Bruno"));
        s.select(1, RegistryKey::Worker);
        QCOMPARE(s.db.scalar("SELECT Nome FROM Operai WHERE Codice = 2").toString(),
                 QStringLiteral("Bruno Rossi"));

        // The frame runs every command of the view inside the error boundary.
        const auto run = [&s](ViewCommand command) {
            return ErrorBoundary::run(s.prompter, s.farm.databasePath(),
                                      [&] { s.view->runCommand(command); });
        };
        s.select(0, RegistryKey::Operation);
        QVERIFY(run(ViewCommand::Add));
        s.control<QLineEdit>("Internal Code")->setText("9");
        s.control<QLineEdit>("Description")->setText("Mowing");
        {
            FarmFaults::ExclusiveLock lock(s.farm.databasePath());
            s.prompter.expectContaining(Prompter::Icon::Error, busy);
            QVERIFY(!run(ViewCommand::Save));
        }
        QVERIFY(s.view->editor().isNewRecordMode());
        QCOMPARE(s.control<QLineEdit>("Internal Code")->text(), QStringLiteral("9"));
        QCOMPARE(s.control<QLineEdit>("Description")->text(), QStringLiteral("Mowing"));
        QCOMPARE(s.db.scalar("SELECT COUNT(*) FROM Operazioni WHERE Codice = 9").toInt(), 0);
        QVERIFY(run(ViewCommand::Save));
        QCOMPARE(s.db.scalar("SELECT Descrizione FROM Operazioni WHERE Codice = 9").toString(),
                 QStringLiteral("Mowing"));
        QVERIFY(s.prompter.verify());
    }

    void reopenOnAnotherDatabase()
    {
        Screen s(m_env);
        s.select(2, RegistryKey::Worker);
        const QString first = s.farm.databasePath();
        const QString otherPath = m_env.copyTemplate();
        {
            Database other;
            other.open(otherPath);
            other.execute("INSERT INTO Operazioni (Codice, Descrizione) VALUES (4, 'Mowing')");
        }
        s.farm.open(otherPath);
        QCOMPARE(s.view->treeView()->currentIndex().data().toString(),
                 QStringLiteral("Cost Centers"));
        s.select(4, RegistryKey::Operation);
        QCOMPARE(s.control<QLineEdit>("Description")->text(), QStringLiteral("Mowing"));
        s.farm.open(first);
        QVERIFY(s.view->editor().tree().findNode(RegistryKey::make(2, RegistryKey::Worker)));
        QVERIFY(s.prompter.verify());
    }

    void singleYearDialog()
    {
        CAnnoDlg dialog(nullptr, 2013, 2015);
        dialog.show();
        QCOMPARE(dialog.productionCombo()->count(), 3);
        QCOMPARE(dialog.productionCombo()->currentIndex(), -1);
        QVERIFY(!dialog.managedCombo()->isVisible());
        dialog.productionCombo()->setCurrentIndex(1);
        dialog.accept();
        QCOMPARE(dialog.productionYear(), 2014);
        QCOMPARE(dialog.managedYear(), 0);
    }

    void listFollowsTheViewSize()
    {
        Screen s(m_env);
        for (const QSize &size : {QSize(900, 600), QSize(1200, 800)}) {
            s.view->resize(size);
            QApplication::processEvents();
            const QRect list = s.view->listView()->geometry();
            QCOMPARE(s.view->width() - (list.right() + 1), 5);
            QCOMPARE(s.view->height() - (list.bottom() + 1), 5);
        }
    }

    void choiceIsKeptAtClose()
    {
        {
            Screen s(m_env);
            s.select(1, RegistryKey::Crop);
            s.view->findChildren<QRadioButton *>().value(1)->click();
            QCOMPARE(s.view->listView()->model()->headerData(1, Qt::Horizontal).toString(),
                     QStringLiteral("Phase/Operation"));
            s.view->grab().save(QDir::temp().filePath("verdimo-registries.png"));
        }
        QCOMPARE(SettingsStore::readInt(SettingsStore::Settings, "Choice", 0), 1);
    }
};

QTEST_MAIN(TestCTabelleView)
#include "TestCTabelleView.moc"
