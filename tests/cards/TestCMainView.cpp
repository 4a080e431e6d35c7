#include "CardsFixture.h"
#include "FakePrompter.h"
#include "FixedClock.h"
#include "base/ui/TypedDateEdit.h"
#include "cards/WorkListRow.h"
#include "cards/ui/CMainView.h"
#include "cards/ui/COperaiDlg.h"
#include "db/DbException.h"
#include "db/FarmSession.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

using Icon = Prompter::Icon;
using Answer = Prompter::Answer;

namespace {

struct FakeHost : ViewHost
{
    QDateTime searchDate;
    QDateTime rangeStart;
    QDateTime rangeEnd;
    QList<int> pages;
    void setSearchDate(const QDateTime &date) override { searchDate = date; }
    void setSearchRange(const QDateTime &start, const QDateTime &end) override
    {
        rangeStart = start;
        rangeEnd = end;
    }
    void showHelpPage(int page) override { pages << page; }
};

int rowCount(const QTableView *list)
{
    return list->model()->rowCount();
}

QModelIndex cell(const QTableView *list, int row, int column)
{
    return list->model()->index(row, column);
}

} // namespace

class TestCMainView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensTheCardOfActualDate();
    void emptyPeriod();
    void unreadablePeriodIsNamed();
    void columnLayoutKeptInHeaderSection();
    void badNumberStopsTheMove();
    void deleteWorkSelectsTheRowAbove_data();
    void deleteWorkSelectsTheRowAbove();
    void workEditorEntersAndEditsRows();
    void addAndSaveACard();
    void saveOnALockedFarmKeepsTheNewCard_data();
    void saveOnALockedFarmKeepsTheNewCard();
    void closingKeepsTheUserWork();
    void resizeKeepsTheBottomBlockInItsCorner();
    void controlsCarryTheirLabels();
    void reopenOnAnotherDatabase();
    void editCommandsFollowTheFocusedField();
    void addOnATakenDayAsksAtOnce();
    void saveOnATakenDayKeepsTheFormAndWorks();
    void typedDayOutsideThePeriodIsToldAtOnce();
    void keysOpenTheSelectedWork_data();
    void keysOpenTheSelectedWork();
    void showWorkSelectsItOnItsCard();

private:
    // Shows the view as the active window, so that the focus can be followed.
    std::unique_ptr<CMainView> makeActiveView()
    {
        auto view = makeView();
        view->activateWindow();
        if (!QTest::qWaitForWindowActive(view.get()))
            qWarning("the view did not become the active window");
        return view;
    }
    // Runs the editor for as many works as workers are given, the last one closing it.
    void enterWorks(CMainView &view, QList<int> workers)
    {
        view.setEditorRunner([workers](COperaiDlg &dialog) mutable {
            dialog.show();
            if (workers.isEmpty())
                return false;
            dialog.field(WorkEntry::Field::WorkerCode)
                ->setText(QString::number(workers.takeFirst()));
            return dialog.confirm(workers.isEmpty());
        });
        view.runCommand(ViewCommand::NewWork);
    }

    std::unique_ptr<CMainView> makeView()
    {
        if (!farm) {
            farm = std::make_unique<FarmSession>();
            farm->openStored();
        }
        farm->reloadPeriod();
        auto view = std::make_unique<CMainView>(nullptr, host, *farm, &prompter, &clock);
        view->resize(1000, 600);
        view->show();
        return view;
    }

    CardsFixture f;
    std::unique_ptr<FarmSession> farm;
    FakeHost host;
    FakePrompter prompter;
    FixedClock clock{QDateTime(QDate(2024, 6, 15), QTime(10, 15))};
    int march = 0;
    int april = 0;
};

void TestCMainView::init()
{
    f.init();
    f.seedRegistries();
    host = FakeHost();
    march = f.addCard(QStringLiteral("2024-03-01 07:30:00"), QStringLiteral("Rain"));
    april = f.addCard(QStringLiteral("2024-04-01 07:30:00"), QStringLiteral("Sun"));
    for (int i = 0; i < 5; ++i)
        f.addWork(april, 1 + i % 2);
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("ActualDate"),
                               QStringLiteral("01/04/2024"));
}

void TestCMainView::cleanup()
{
    farm.reset();
    QVERIFY(prompter.verify());
}

void TestCMainView::opensTheCardOfActualDate()
{
    auto view = makeView();
    QCOMPARE(view->dateField()->dateTime(), QDateTime(QDate(2024, 4, 1), QTime(7, 30)));
    QCOMPARE(view->textField(CSchedaSet::Tempo)->text(), QStringLiteral("Sun"));
    QCOMPARE(host.searchDate, view->dateField()->dateTime());
    QCOMPARE(host.rangeEnd, QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59)));
    // A day typed without its year is in the period's year.
    QCOMPARE(qobject_cast<TypedDateEdit *>(view->dateField())->completionYear(), 2024);
    QTableView *list = view->workList();
    QCOMPARE(rowCount(list), 5);
    QCOMPARE(list->model()->columnCount(), 18);
    QCOMPARE(cell(list, 0, 0).data().toString(), QStringLiteral("Rossi (1)"));
    QCOMPARE(cell(list, 0, 1).data().toString(), QStringLiteral("8.00"));
    QCOMPARE(cell(list, 0, 7).data().toString(), QStringLiteral("<None>"));
    QCOMPARE(list->model()->headerData(5, Qt::Horizontal).toString(),
             QStringLiteral("Cost Center"));
    QVERIFY(view->isCommandEnabled(ViewCommand::First));
    QVERIFY(!view->isCommandEnabled(ViewCommand::Next));
    QVERIFY(!view->isCommandEnabled(ViewCommand::Print));
    QVERIFY(!view->isCommandEnabled(ViewCommand::Preview));
    QVERIFY(!view->isCommandEnabled(ViewCommand::Save));
    QVERIFY(!view->isCommandEnabled(ViewCommand::DeleteWork));

    view->runCommand(ViewCommand::First);
    QCOMPARE(view->textField(CSchedaSet::Tempo)->text(), QStringLiteral("Rain"));
    QCOMPARE(rowCount(list), 0);
    view->searchDatePicked(QDate(2024, 3, 5));
    QCOMPARE(view->textField(CSchedaSet::Tempo)->text(), QStringLiteral("Rain"));
    view->searchDatePicked(QDate(2024, 4, 1));
    QCOMPARE(rowCount(list), 5);

    view->runCommand(ViewCommand::Help);
    QCOMPARE(host.pages, QList<int>{1});
    view->saveState();
    QCOMPARE(SettingsStore::readString(SettingsStore::Settings, QStringLiteral("ActualDate")),
             QStringLiteral("01/04/2024"));
}

void TestCMainView::emptyPeriod()
{
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("DataInit"),
                               QStringLiteral("01/01/2030"));
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("DataEnd"),
                               QStringLiteral("31/12/2030"));
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("ActualDate"),
                               QStringLiteral("junk"));
    auto view = makeView();
    QCOMPARE(view->textField(CSchedaSet::Tempo)->text(), QString());
    QVERIFY(!view->textField(CSchedaSet::Tempo)->isEnabled());
    QCOMPARE(rowCount(view->workList()), 0);
    for (ViewCommand command : {ViewCommand::First, ViewCommand::Previous, ViewCommand::Next,
                                ViewCommand::Last, ViewCommand::NewWork})
        QVERIFY(!view->isCommandEnabled(command));
    QVERIFY(view->isCommandEnabled(ViewCommand::Add));
    view->saveState();
    QCOMPARE(SettingsStore::readString(SettingsStore::Settings, QStringLiteral("ActualDate")),
             QStringLiteral("junk"));

    farm->setPeriod({QDate(2024, 1, 1), QDate(2024, 12, 31)});
    QCOMPARE(view->textField(CSchedaSet::Tempo)->text(), QStringLiteral("Rain"));
    QCOMPARE(host.rangeStart, QDateTime(QDate(2024, 1, 1), QTime(0, 0)));
}

void TestCMainView::unreadablePeriodIsNamed()
{
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("DataInit"),
                               QStringLiteral("31/31/2024"));
    prompter.expectContaining(Icon::Error, QStringLiteral("\"31/31/2024\""));
    auto view = makeView();
    QVERIFY(!view->session());
    QCOMPARE(view->textField(CSchedaSet::Tempo)->text(), QString());
    QVERIFY(!view->isCommandEnabled(ViewCommand::Add));
}

void TestCMainView::columnLayoutKeptInHeaderSection()
{
    {
        auto view = makeView();
        // With nothing saved, each column is as wide as its title, within the usual 100.
        QHeaderView *header = view->workList()->horizontalHeader();
        const QFontMetrics metrics = header->fontMetrics();
        int total = 0;
        for (int i = 0; i < 18; ++i) {
            const QString title =
                view->workList()->model()->headerData(i, Qt::Horizontal).toString();
            QVERIFY2(header->sectionSize(i) <= 100, qPrintable(title));
            QVERIFY2(header->sectionSize(i) >= qMin(100, metrics.horizontalAdvance(title)),
                     qPrintable(title));
            QCOMPARE(header->logicalIndex(i), i);
            total += header->sectionSize(i);
        }
        QVERIFY(total < 18 * 100);
        header->moveSection(5, 0);
        header->resizeSection(2, 140);
        view->saveState();
    }
    QCOMPARE(SettingsStore::readInt(SettingsStore::Header, QStringLiteral("Order (0)"), -1), 5);
    QCOMPARE(SettingsStore::readInt(SettingsStore::Header, QStringLiteral("Width (2)"), -1), 140);
    auto view = makeView();
    QHeaderView *header = view->workList()->horizontalHeader();
    QCOMPARE(header->logicalIndex(0), 5);
    QCOMPARE(header->logicalIndex(1), 0);
    QCOMPARE(header->sectionSize(2), 140);

    // An order that is not a permutation of the columns is not applied.
    SettingsStore::writeInt(SettingsStore::Header, QStringLiteral("Order (1)"), 5);
    auto broken = makeView();
    QCOMPARE(broken->workList()->horizontalHeader()->logicalIndex(0), 0);
}

void TestCMainView::badNumberStopsTheMove()
{
    auto view = makeView();
    view->textField(CSchedaSet::Pioggia)->setText(QStringLiteral("1,5,0"));
    prompter.expect(Icon::Warning, QStringLiteral("Enter a number."));
    view->runCommand(ViewCommand::Previous);
    QCOMPARE(view->textField(CSchedaSet::Tempo)->text(), QStringLiteral("Sun"));
    QCOMPARE(view->textField(CSchedaSet::Pioggia)->text(), QStringLiteral("1,5,0"));
    view->textField(CSchedaSet::Pioggia)->setText(QStringLiteral("1.5"));
    view->runCommand(ViewCommand::Previous);
    QCOMPARE(view->textField(CSchedaSet::Tempo)->text(), QStringLiteral("Rain"));
    QCOMPARE(f.scalar(QStringLiteral("SELECT Pioggia FROM Scheda WHERE IDScheda = ?"), {april})
                 .toDouble(),
             1.5);
}

void TestCMainView::deleteWorkSelectsTheRowAbove_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<int>("selected");
    QTest::newRow("rows 2 and 4") << QList<int>{2, 4} << 1;
    QTest::newRow("row 0") << QList<int>{0} << 0;
}

void TestCMainView::deleteWorkSelectsTheRowAbove()
{
    QFETCH(QList<int>, rows);
    QFETCH(int, selected);
    auto view = makeView();
    QTableView *list = view->workList();
    QList<int> kept;
    for (int row = 0; row < rowCount(list); ++row)
        if (!rows.contains(row))
            kept << cell(list, row, 0).data(Qt::UserRole).toInt();
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    for (int row : rows)
        list->selectRow(row);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QVERIFY(view->isCommandEnabled(ViewCommand::DeleteWork));
    prompter.expect(Icon::Question,
                    rows.size() == 1
                        ? QStringLiteral("Do you really want to delete the selected work?")
                        : QStringLiteral("Do you really want to delete the selected works?"),
                    Answer::Yes);
    view->runCommand(ViewCommand::DeleteWork);
    QCOMPARE(rowCount(list), 5 - rows.size());
    QList<int> left;
    for (int row = 0; row < rowCount(list); ++row)
        left << cell(list, row, 0).data(Qt::UserRole).toInt();
    QCOMPARE(left, kept);
    QCOMPARE(f.count(QStringLiteral("Opere")), 5 - rows.size());
    QCOMPARE(f.count(QStringLiteral("Magazzino")), 5 - rows.size());
    const QModelIndexList selection = list->selectionModel()->selectedRows();
    QCOMPARE(selection.size(), 1);
    QCOMPARE(selection.first().row(), selected);
}

void TestCMainView::workEditorEntersAndEditsRows()
{
    auto view = makeView();
    view->runCommand(ViewCommand::First);
    int opened = 0;
    view->setEditorRunner([&](COperaiDlg &dialog) {
        dialog.show();
        ++opened;
        if (opened == 1) {
            dialog.field(WorkEntry::Field::Machine1)->setText(QStringLiteral("20"));
            dialog.field(WorkEntry::Field::Machine2)->setText(QStringLiteral("21"));
            dialog.pickKind(3);
            return dialog.confirm(false);
        }
        if (opened == 2) {
            // "Save and insert" keeps the kind for the next work; everything else starts over.
            if (dialog.kindList()->currentIndex() != 3 ||
                dialog.field(WorkEntry::Field::Machine1)->text() != "0")
                return false;
            return dialog.confirm(true);
        }
        dialog.field(WorkEntry::Field::Machine2)->setText(QStringLiteral("0"));
        return dialog.confirm(true);
    });
    view->runCommand(ViewCommand::NewWork);
    QCOMPARE(opened, 2);
    QTableView *list = view->workList();
    QCOMPARE(rowCount(list), 2);
    QCOMPARE(cell(list, 0, WorkListRow::SecondMachine).data().toString(),
             QStringLiteral("Sprayer (21)"));
    QCOMPARE(cell(list, 1, WorkListRow::Worker).data().toString(), QStringLiteral("0"));
    QCOMPARE(cell(list, 1, WorkListRow::CentreKind).data().toString(), QStringLiteral("Machine"));
    QCOMPARE(cell(list, 1, WorkListRow::MovementType).data().toString(), QStringLiteral("<None>"));
    QCOMPARE(list->selectionModel()->selectedRows().first().row(), 1);
    QCOMPARE(f.count(QStringLiteral("Opere"),
                     QStringLiteral("IDScheda = %1 AND Aggiornato = 1").arg(march)),
             2);

    view->editWork(0);
    QCOMPARE(opened, 3);
    QCOMPARE(cell(list, 0, WorkListRow::SecondMachine).data().toString(), QString());
    QCOMPARE(
        qvariant_cast<QIcon>(cell(list, 0, WorkListRow::SecondMachine).data(Qt::DecorationRole))
                .cacheKey() != 0,
        true);
    QCOMPARE(cell(list, 0, WorkListRow::FirstMachine).data().toString(),
             QStringLiteral("Tractor (20)"));
    QCOMPARE(f.count(QStringLiteral("Opere"), QStringLiteral("CodMacch2 = 0 AND CodMacch1 = 20")),
             1);
}

void TestCMainView::addAndSaveACard()
{
    auto view = makeView();
    view->runCommand(ViewCommand::Add);
    QVERIFY(view->isCommandEnabled(ViewCommand::Save));
    QVERIFY(!view->isCommandEnabled(ViewCommand::Add));
    QVERIFY(!view->isCommandEnabled(ViewCommand::First));
    QCOMPARE(rowCount(view->workList()), 0);
    QCOMPARE(view->dateField()->dateTime(), QDateTime(QDate(2024, 6, 15), QTime(10, 15)));
    view->setEditorRunner([](COperaiDlg &dialog) {
        dialog.show();
        dialog.field(WorkEntry::Field::WorkerCode)->setText(QStringLiteral("2"));
        return dialog.confirm(true);
    });
    view->runCommand(ViewCommand::NewWork);
    QCOMPARE(rowCount(view->workList()), 1);
    view->textField(CSchedaSet::Fattore)->setText(QStringLiteral("Verdi"));
    prompter.expect(Icon::Information, QStringLiteral("Form stored successfully!"));
    view->runCommand(ViewCommand::Save);
    QVERIFY(!view->isCommandEnabled(ViewCommand::Save));
    QCOMPARE(rowCount(view->workList()), 1);
    QCOMPARE(cell(view->workList(), 0, 0).data().toString(), QStringLiteral("Bianchi (2)"));
    QCOMPARE(f.count(QStringLiteral("Scheda"), QStringLiteral("Fattore = 'Verdi'")), 1);
    // The search window follows the stored card.
    QCOMPARE(host.searchDate, QDateTime(QDate(2024, 6, 15), QTime(10, 15)));
}

void TestCMainView::saveOnALockedFarmKeepsTheNewCard_data()
{
    QTest::addColumn<QString>("lock");
    // Another program reading nothing of the farm meanwhile, or only writing to it.
    QTest::newRow("exclusive") << QStringLiteral("BEGIN EXCLUSIVE");
    QTest::newRow("writer") << QStringLiteral("BEGIN IMMEDIATE");
}

// Another program holds the farm longer than a write waits: Save says so, the new card and
// its work stay as entered, and the next Save stores them.
void TestCMainView::saveOnALockedFarmKeepsTheNewCard()
{
    QFETCH(QString, lock);
    auto view = makeView();
    view->runCommand(ViewCommand::Add);
    view->setEditorRunner([](COperaiDlg &dialog) {
        dialog.show();
        dialog.field(WorkEntry::Field::WorkerCode)->setText(QStringLiteral("2"));
        return dialog.confirm(true);
    });
    view->runCommand(ViewCommand::NewWork);
    view->textField(CSchedaSet::Fattore)->setText(QStringLiteral("Verdi"));
    view->textField(CSchedaSet::Pioggia)->setText(QStringLiteral("2.5"));
    {
        Database other;
        other.open(f.path);
        other.execute(lock);
        prompter.expectContaining(Icon::Error,
                                  QStringLiteral("%1 is in use by another program").arg(f.path));
        view->runCommand(ViewCommand::Save);
        QVERIFY(prompter.verify());
        other.execute(QStringLiteral("ROLLBACK"));
    }
    QVERIFY(view->isCommandEnabled(ViewCommand::Save));
    QCOMPARE(view->textField(CSchedaSet::Fattore)->text(), QStringLiteral("Verdi"));
    QCOMPARE(view->textField(CSchedaSet::Pioggia)->text(), QStringLiteral("2.5"));
    QCOMPARE(rowCount(view->workList()), 1);
    QCOMPARE(f.count(QStringLiteral("Scheda")), 2);
    QCOMPARE(f.count(QStringLiteral("Opere"), QStringLiteral("IDScheda = 0 AND Aggiornato = 0")),
             1);

    prompter.expect(Icon::Information, QStringLiteral("Form stored successfully!"));
    view->runCommand(ViewCommand::Save);
    QVERIFY(!view->isCommandEnabled(ViewCommand::Save));
    QCOMPARE(
        f.count(QStringLiteral("Scheda"), QStringLiteral("Fattore = 'Verdi' AND Pioggia = 2.5")),
        1);
    QCOMPARE(f.count(QStringLiteral("Opere"),
                     QStringLiteral("Aggiornato = 1 AND CodOperaio = 2 AND IDScheda = (SELECT "
                                    "IDScheda FROM Scheda WHERE Fattore = 'Verdi')")),
             1);
    QCOMPARE(cell(view->workList(), 0, 0).data().toString(), QStringLiteral("Bianchi (2)"));
}

void TestCMainView::closingKeepsTheUserWork()
{
    auto view = makeView();
    // Text typed into the card shown is stored when the program closes...
    view->textField(CSchedaSet::Fattore)->setText(QStringLiteral("Verdi"));
    QVERIFY(view->canClose());
    QCOMPARE(f.count(QStringLiteral("Scheda"), QStringLiteral("Fattore = 'Verdi'")), 1);

    // ...and a field that cannot be stored keeps the program open, the text still there.
    view->textField(CSchedaSet::Pioggia)->setText(QStringLiteral("lots"));
    prompter.expect(Icon::Warning, QStringLiteral("Enter a number."));
    QVERIFY(!view->canClose());
    QCOMPARE(view->textField(CSchedaSet::Pioggia)->text(), QStringLiteral("lots"));
    view->textField(CSchedaSet::Pioggia)->clear();

    // A new card being entered is never dropped without asking.
    const QString question =
        QStringLiteral("The new form has not been saved yet. Do you want to save it?");
    view->runCommand(ViewCommand::Add);
    prompter.expect(Icon::Question, question, Prompter::Answer::Cancel);
    QVERIFY(!view->canClose());
    QVERIFY(view->isCommandEnabled(ViewCommand::Save));
    prompter.expect(Icon::Question, question, Prompter::Answer::Yes);
    prompter.expect(Icon::Information, QStringLiteral("Form stored successfully!"));
    QVERIFY(view->canClose());
    QCOMPARE(f.count(QStringLiteral("Scheda")), 3);
}

void TestCMainView::resizeKeepsTheBottomBlockInItsCorner()
{
    auto view = makeView();
    for (const QSize size : {QSize(1200, 700), QSize(1000, 520)}) {
        view->resize(size);
        QApplication::processEvents();
        const QWidget *chief = view->textField(CSchedaSet::Fattore);
        const QWidget *license = view->textField(CSchedaSet::Permesso);
        const QWidget *absent = view->textField(CSchedaSet::Assenti);
        const QRect chiefRect(chief->mapTo(view.get(), QPoint(0, 0)), chief->size());
        const QRect licenseRect(license->mapTo(view.get(), QPoint(0, 0)), license->size());
        const int absentTop = absent->mapTo(view.get(), QPoint(0, 0)).y();
        const QRect list = view->workList()->geometry();
        QCOMPARE(chiefRect.right() + 1, size.width() - 10);
        QCOMPARE(licenseRect.bottom() + 1, size.height() - 10);
        QCOMPARE(list.right(), chiefRect.right());
        QVERIFY(list.bottom() < absentTop);
        QVERIFY(absentTop - list.bottom() <= 8);
    }
}

void TestCMainView::controlsCarryTheirLabels()
{
    auto view = makeView();
    const QList<QLineEdit *> edits = view->findChildren<QLineEdit *>();
    QVERIFY(edits.size() >= 11);
    for (const QLineEdit *edit : edits) {
        // The date field's own edit, and its calendar popup's year field, are the toolkit's.
        if (edit->parentWidget() == view->dateField() || edit->window() != view->window())
            continue;
        QVERIFY2(!edit->accessibleName().isEmpty(), qPrintable(edit->text()));
    }
    QCOMPARE(view->textField(CSchedaSet::TempMax)->accessibleName(),
             QStringLiteral("Max Temperature"));
    QCOMPARE(view->dateField()->accessibleName(), QStringLiteral("Date"));
    QCOMPARE(view->workList()->accessibleName(), QStringLiteral("Works"));
}

void TestCMainView::reopenOnAnotherDatabase()
{
    auto view = makeView();
    view->runCommand(ViewCommand::Add);
    view->setEditorRunner([](COperaiDlg &dialog) {
        dialog.show();
        return dialog.confirm(true);
    });
    view->runCommand(ViewCommand::NewWork);
    QCOMPARE(f.count(QStringLiteral("Opere"), QStringLiteral("IDScheda = 0")), 1);

    const QString other = f.env->copyTemplate();
    {
        Database db;
        db.open(other);
        db.execute(QStringLiteral(
            "INSERT INTO Scheda (Data, Tempo) VALUES ('2024-04-01 06:00:00', 'Hail')"));
    }
    // The view follows the farm onto the other file by itself.
    farm->open(other);
    QVERIFY(!view->isCommandEnabled(ViewCommand::Save));
    QCOMPARE(view->textField(CSchedaSet::Tempo)->text(), QStringLiteral("Hail"));
    QVERIFY(view->session());

    // A file that cannot be opened leaves the view without a card, and without the old one.
    QVERIFY_THROWS_EXCEPTION(DbException, farm->open(f.env->path(QStringLiteral("none.mdb"))));
    QVERIFY(!view->session());
    QVERIFY(!view->textField(CSchedaSet::Tempo)->isEnabled());
    QVERIFY(!view->isCommandEnabled(ViewCommand::Add));
    // The abandoned insert left nothing behind in the database it belonged to.
    QCOMPARE(f.count(QStringLiteral("Opere"), QStringLiteral("IDScheda = 0")), 0);
}

void TestCMainView::editCommandsFollowTheFocusedField()
{
    auto view = makeView();
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    QLineEdit *weather = view->textField(CSchedaSet::Tempo);
    weather->setFocus();
    QVERIFY(!view->isCommandEnabled(ViewCommand::Copy));
    weather->selectAll();
    QVERIFY(view->isCommandEnabled(ViewCommand::Cut));
    view->runCommand(ViewCommand::Cut);
    QCOMPARE(weather->text(), QString());
    QVERIFY(view->isCommandEnabled(ViewCommand::Paste));
    QVERIFY(view->isCommandEnabled(ViewCommand::Undo));
    view->runCommand(ViewCommand::Undo);
    QCOMPARE(weather->text(), QStringLiteral("Sun"));
    view->workList()->setFocus();
    QVERIFY(!view->isCommandEnabled(ViewCommand::Paste));
}

// Add on a day that has a card asks before anything is typed. No keeps the new card with the
// cursor in its date; Yes shows the stored card.
void TestCMainView::addOnATakenDayAsksAtOnce()
{
    const int june = f.addCard(QStringLiteral("2024-06-15 06:00:00"), QStringLiteral("Hail"));
    auto view = makeActiveView();
    const QString question = QStringLiteral(
        "There is already a card for 06/15/2024. Open it?\n\nNo keeps this new card: choose "
        "another day for it.");
    prompter.expect(Icon::Question, question, Answer::No);
    view->runCommand(ViewCommand::Add);
    QVERIFY(prompter.verify());
    QVERIFY(view->isCommandEnabled(ViewCommand::Save));
    QVERIFY(view->dateField()->hasFocus());
    QCOMPARE(view->textField(CSchedaSet::Tempo)->text(), QString());
    view->runCommand(ViewCommand::CancelInsert);

    prompter.expect(Icon::Question, question, Answer::Yes);
    view->runCommand(ViewCommand::Add);
    QVERIFY(!view->isCommandEnabled(ViewCommand::Save));
    QCOMPARE(view->currentCardId(), june);
    QCOMPARE(view->textField(CSchedaSet::Tempo)->text(), QStringLiteral("Hail"));
    QCOMPARE(f.count(QStringLiteral("Scheda")), 3);
}

// Weather and two works typed for a day that has a card: Save refuses, everything typed stays
// on screen; another day, and Save stores the card with both works.
void TestCMainView::saveOnATakenDayKeepsTheFormAndWorks()
{
    f.addCard(QStringLiteral("2024-06-15 06:00:00"));
    auto view = makeActiveView();
    prompter.expectContaining(Icon::Question, QStringLiteral("Open it?"), Answer::No);
    view->runCommand(ViewCommand::Add);
    view->textField(CSchedaSet::Tempo)->setText(QStringLiteral("Fog"));
    view->textField(CSchedaSet::TempMax)->setText(QStringLiteral("14"));
    enterWorks(*view, {1, 2});
    QCOMPARE(rowCount(view->workList()), 2);
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    view->textField(CSchedaSet::Fattore)->setFocus();
    prompter.expectContaining(Icon::Warning,
                              QStringLiteral("There is already a card for 06/15/2024: the new "
                                             "card was not saved."));
    view->runCommand(ViewCommand::Save);
    QVERIFY(prompter.verify());
    QVERIFY(view->isCommandEnabled(ViewCommand::Save));
    QCOMPARE(view->textField(CSchedaSet::Tempo)->text(), QStringLiteral("Fog"));
    QCOMPARE(view->textField(CSchedaSet::TempMax)->text(), QStringLiteral("14"));
    QCOMPARE(rowCount(view->workList()), 2);
    QVERIFY(view->dateField()->hasFocus());

    view->dateField()->setDate(QDate(2024, 6, 14));
    prompter.expect(Icon::Information, QStringLiteral("Form stored successfully!"));
    view->runCommand(ViewCommand::Save);
    QVERIFY(!view->isCommandEnabled(ViewCommand::Save));
    QCOMPARE(f.count(QStringLiteral("Scheda"),
                     QStringLiteral("Tempo = 'Fog' AND Data LIKE '2024-06-14%'")),
             1);
    QCOMPARE(f.count(QStringLiteral("Opere"),
                     QStringLiteral("Aggiornato = 1 AND IDScheda = (SELECT IDScheda FROM "
                                    "Scheda WHERE Tempo = 'Fog')")),
             2);
    QCOMPARE(rowCount(view->workList()), 2);
}

// A day typed outside the period is refused as the typing ends, the typed day left in the
// field for the user to mend.
void TestCMainView::typedDayOutsideThePeriodIsToldAtOnce()
{
    auto view = makeActiveView();
    QDateTimeEdit *date = view->dateField();
    date->setFocus();
    prompter.expect(Icon::Warning,
                    QStringLiteral("03/16/2025 is outside the working period 01/01/2024 \u2013 "
                                   "12/31/2024: type a day of the period, or set another period "
                                   "with Settings in the Program menu."));
    const qsizetype before = prompter.shown().size();
    QTest::keyClicks(date, QStringLiteral("3/16/2025"));
    QTest::keyClick(date, Qt::Key_Return);
    QTRY_COMPARE(prompter.shown().size(), before + 1);
    QVERIFY(prompter.verify());
    QCOMPARE(date->date(), QDate(2025, 3, 16));
    QVERIFY(date->hasFocus());
    // Leaving the field again asks nothing more; moving on refuses the day once more.
    view->textField(CSchedaSet::Tempo)->setFocus();
    QCoreApplication::processEvents();
    prompter.expectContaining(Icon::Warning, QStringLiteral("is outside the working period"));
    view->runCommand(ViewCommand::First);
    QCOMPARE(view->currentCardId(), april);
    QCOMPARE(date->date(), QDate(2025, 3, 16));
}

void TestCMainView::keysOpenTheSelectedWork_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("opens");
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier) << true;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
    QTest::newRow("menu key") << int(Qt::Key_Menu) << int(Qt::NoModifier) << true;
    QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << true;
    QTest::newRow("F10") << int(Qt::Key_F10) << int(Qt::NoModifier) << false;
    QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier) << false;
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier) << false;
}

// The keyboard opens the selected work as a double click does.
void TestCMainView::keysOpenTheSelectedWork()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, opens);
    auto view = makeActiveView();
    QStringList opened;
    view->setEditorRunner([&opened](COperaiDlg &dialog) {
        dialog.show();
        opened << dialog.field(WorkEntry::Field::WorkerCode)->text();
        return false;
    });
    QTableView *list = view->workList();
    list->setFocus();
    list->selectRow(3);
    QTest::keyClick(list, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(opened, opens ? QStringList{"2"} : QStringList());

    // The context menu asked for from the keyboard, as some keyboards send it.
    opened.clear();
    list->selectRow(0);
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(5, 5),
                           list->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(list, &menu);
    QCOMPARE(opened, QStringList{"1"});
}

void TestCMainView::showWorkSelectsItOnItsCard()
{
    auto view = makeView();
    view->runCommand(ViewCommand::First);
    const int work = f.scalar(QStringLiteral("SELECT IDOpera FROM Opere WHERE IDScheda = ? "
                                             "ORDER BY IDOpera LIMIT 1 OFFSET 3"),
                              {april})
                         .toInt();
    // What was typed into the card shown is stored before the other card shows.
    view->textField(CSchedaSet::Fattore)->setText(QStringLiteral("Neri"));
    QVERIFY(view->showWork(QDate(2024, 4, 1), work));
    QCOMPARE(view->currentCardId(), april);
    const QModelIndexList selected = view->workList()->selectionModel()->selectedRows();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.first().row(), 3);
    QCOMPARE(f.count(QStringLiteral("Scheda"), QStringLiteral("Fattore = 'Neri'")), 1);
    QVERIFY(!view->showWork(QDate(2024, 4, 2), work));
}

QTEST_MAIN(TestCMainView)
#include "TestCMainView.moc"
