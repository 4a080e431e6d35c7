#include "FakePrompter.h"
#include "TestEnvironment.h"
#include "app/CMainFrame.h"
#include "app/CSearchScheda.h"
#include "app/CommandTable.h"
#include "app/HelpPages.h"
#include "app/WindowPlacement.h"
#include "base/SettingsStore.h"
#include "base/WorkingPeriod.h"
#include "db/DbErrorText.h"
#include "db/DbException.h"
#include "db/FarmSession.h"

#include <QAction>
#include <QDateEdit>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSet>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <optional>

namespace {

// A view that records what the frame asks of it. Its commands can be turned off and made to
// fail as a database command fails.
class FakeView : public QWidget, public RecordView
{
public:
    FakeView(int kind, QWidget *parent, ViewHost &host, QStringList &log)
        : QWidget(parent), m_kind(kind), m_host(host), m_log(log)
    {
    }
    // As the card view does when its field loses the focus: the frame is being taken down then.
    ~FakeView() override { commandsChanged(); }
    QWidget *widget() override { return this; }
    bool isCommandEnabled(ViewCommand command) const override
    {
        return !m_off.contains(command) && command != ViewCommand::Save &&
               command != ViewCommand::ToggleSearch;
    }
    void runCommand(ViewCommand command) override
    {
        if (m_failure)
            throw *m_failure;
        m_log << QString("%1 run %2").arg(m_kind).arg(int(command));
        if (command == ViewCommand::Help)
            m_host.showHelpPage(m_kind == 1 ? 1 : m_kind == 2 ? 6 : 7);
    }
    void searchDatePicked(const QDate &day) override
    {
        m_log << QString("%1 search %2").arg(m_kind).arg(day.toString("dd/MM/yyyy"));
    }
    bool canClose() override
    {
        if (m_failure)
            throw *m_failure;
        return true;
    }
    void saveState() override { m_log << QString("%1 save").arg(m_kind); }

    // Turns a command off without telling the frame.
    void turnOff(ViewCommand command) { m_off.insert(command); }
    // Turns it on again and tells the frame, as a view does when its state changes.
    void turnOnAndTell(ViewCommand command)
    {
        m_off.remove(command);
        commandsChanged();
    }
    void failWith(std::optional<DbException> failure) { m_failure = std::move(failure); }

private:
    int m_kind;
    ViewHost &m_host;
    QStringList &m_log;
    QSet<ViewCommand> m_off;
    std::optional<DbException> m_failure;
};

} // namespace

class TestCMainFrame : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menusHoldEveryItemInOrder();
    void toolBarOrderAndPrompts();
    void acceleratorsAndStatusBar();
    void viewCommandsGoToTheActiveView();
    void menuAndKeyboardDriveTheFrame();
    void searchWindowFollowsTheCardView();
    void withoutViewsTheFrameStaysEmpty();
    void helpPagesOpenTheirAddresses();
    void commandStatesFollowTheSessionAndTheViews();
    void failingCommandsAreToldAndTheFrameStays();
    void frameCommandsWaitForTheirHandlers();
    void placementIsRestoredAndWrittenAtClose();
    void closingInTheChartKeepsSearchStyle();
    void placementOffEveryScreenComesBack();
    void helpWithoutBrowserShowsTheAddress();
    void commandTableHasOneRowPerCommand();
    void placementFitsTheScreens_data();
    void placementFitsTheScreens();

private:
    void makeFrame(bool withViews = true);
    QStringList menuTexts(const QString &title) const;
    FakeView *fakeView(int kind) const;

    TestEnvironment m_env;
    // Before the frame, so the frame goes first: it keeps a pointer to its prompter and its farm.
    std::unique_ptr<FakePrompter> m_prompter;
    std::unique_ptr<FarmSession> m_farm;
    std::unique_ptr<CMainFrame> m_frame;
    QStringList m_log;
    QList<QUrl> m_opened;
};

void TestCMainFrame::init()
{
    m_env.clearSettings();
    m_log.clear();
    m_opened.clear();
}

void TestCMainFrame::cleanup()
{
    m_frame.reset();
    m_farm.reset();
    m_prompter.reset();
}

void TestCMainFrame::makeFrame(bool withViews)
{
    m_frame.reset();
    if (!m_farm)
        m_farm = std::make_unique<FarmSession>();
    m_frame = std::make_unique<CMainFrame>(*m_farm);
    m_prompter = std::make_unique<FakePrompter>();
    m_frame->setPrompter(m_prompter.get());
    m_frame->setUrlOpener([this](const QUrl &url) { m_opened << url; });
    if (withViews) {
        for (int kind : {1, 2, 3}) {
            m_frame->registerView(kind, [this, kind](QWidget *parent, ViewHost &host) {
                m_log << QString("%1 created").arg(kind);
                return new FakeView(kind, parent, host, m_log);
            });
        }
    }
    m_frame->createInitialView();
    m_frame->restorePlacement();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
}

FakeView *TestCMainFrame::fakeView(int kind) const
{
    return dynamic_cast<FakeView *>(m_frame->view(kind));
}

QStringList TestCMainFrame::menuTexts(const QString &title) const
{
    for (QAction *top : m_frame->menuBar()->actions()) {
        if (top->text() != title)
            continue;
        QStringList texts;
        for (QAction *item : top->menu()->actions())
            texts << (item->isSeparator() ? QString("-") : item->text());
        return texts;
    }
    return {};
}

void TestCMainFrame::menusHoldEveryItemInOrder()
{
    makeFrame();
    QStringList titles;
    for (QAction *top : m_frame->menuBar()->actions())
        titles << top->text();
    QCOMPARE(titles, QStringList({"&File", "&Edit", "F&orms", "&Program", "&View", "&Help"}));
    QCOMPARE(menuTexts("&File"),
             QStringList({"Open &farm...", "Rece&nt farms", "-", "Export &data", "&Import data",
                          "Export treatment rec&ord...", "Export &list as CSV...", "-", "&Company",
                          "Bac&kup data", "Open de&mo farm", "-", "P&rint setup...",
                          "Prin&t preview", "&Print", "-", "&Exit"}));
    QCOMPARE(menuTexts("&Edit"), QStringList({"&Undo\tCtrl+Z", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C",
                                              "&Paste\tCtrl+V"}));
    QCOMPARE(menuTexts("F&orms"),
             QStringList({"&First", "&Previous", "&Next", "&Last", "-", "&Add", "&Save", "&Delete",
                          "-", "N&ew work\tIns", "Delete &work\tCtrl+Canc", "-", "&Cancel insert",
                          "-", "New fields &year"}));
    QCOMPARE(menuTexts("&Program"), QStringList({"&Settings", "-", "&Restore..."}));
    QCOMPARE(menuTexts("&View"),
             QStringList({"&Tool bar", "St&atus bar", "&Search bar", "-", "&Registries\tCtrl + T",
                          "&Works\tCtrl + S", "&Graphs\tCtrl + G"}));
    QCOMPARE(menuTexts("&Help"), QStringList({"&Help online\tF1", "-", "&Web page", "&Update",
                                              "&Lastest news", "-", "&About..."}));
}

void TestCMainFrame::toolBarOrderAndPrompts()
{
    makeFrame();
    QList<int> ids;
    for (QAction *action : m_frame->toolBar()->actions())
        ids << (action->isSeparator() ? 0 : action->data().toInt());
    QCOMPARE(ids, QList<int>({32782, 32783, 0,     57635, 57634, 57637, 0,     32789, 32790,
                              0,     59648, 59651, 59650, 59649, 0,     32775, 32777, 32798,
                              32778, 0,     32800, 0,     32817, 32780, 32820, 0,     57664}));
    QCOMPARE(m_frame->toolBar()->windowTitle(), QString("Barra degli strumenti"));
    for (QAction *action : m_frame->toolBar()->actions()) {
        if (!action->isSeparator())
            QVERIFY2(!action->icon().isNull(), qPrintable(action->text()));
    }
    QCOMPARE(m_frame->action(IdBackupData)->statusTip(), QString("Backup data"));
    QCOMPARE(m_frame->action(IdBackupData)->toolTip(), QString("Backup"));
    QCOMPARE(m_frame->action(IdSettings)->statusTip(), QString("Set application properties"));
    QCOMPARE(m_frame->action(IdCancelInsert)->toolTip(), QString("Undo inserting"));
    QCOMPARE(m_frame->action(IdNewWork)->statusTip(), QString("Add a new work to tab"));
    QCOMPARE(m_frame->action(IdCompany)->toolTip(), QString("Company"));
}

void TestCMainFrame::acceleratorsAndStatusBar()
{
    makeFrame();
    const auto keys = [this](int id) { return m_frame->action(id)->shortcuts(); };
    QCOMPARE(keys(IdCopy), QList<QKeySequence>({QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Ins")}));
    QCOMPARE(keys(IdCut), QList<QKeySequence>({QKeySequence("Ctrl+X"), QKeySequence("Shift+Del")}));
    QCOMPARE(keys(IdPaste),
             QList<QKeySequence>({QKeySequence("Ctrl+V"), QKeySequence("Shift+Ins")}));
    QCOMPARE(keys(IdUndo),
             QList<QKeySequence>({QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")}));
    QCOMPARE(keys(IdHelpOnline), QList<QKeySequence>({QKeySequence("F1")}));
    QCOMPARE(keys(IdDeleteWork), QList<QKeySequence>({QKeySequence("Ctrl+Del")}));
    QCOMPARE(keys(IdNewWork), QList<QKeySequence>({QKeySequence("Ins")}));
    QCOMPARE(keys(IdRegistries), QList<QKeySequence>({QKeySequence("Ctrl+T")}));
    QCOMPARE(keys(IdWorks), QList<QKeySequence>({QKeySequence("Ctrl+S")}));
    QCOMPARE(keys(IdGraphs), QList<QKeySequence>({QKeySequence("Ctrl+G")}));
    QStringList indicators;
    for (int i = 0; i < 3; ++i)
        indicators << m_frame->lockIndicator(i)->text();
    QCOMPARE(indicators, QStringList({"CAP", "NUM", "SCRL"}));
}

void TestCMainFrame::viewCommandsGoToTheActiveView()
{
    makeFrame();
    QCOMPARE(m_log, QStringList({"1 created"}));
    m_frame->updateCommandStates();
    QVERIFY(m_frame->action(IdFirst)->isEnabled());
    QVERIFY(!m_frame->action(IdSave)->isEnabled());
    m_frame->action(IdFirst)->trigger();
    m_frame->action(IdSave)->trigger();
    m_frame->action(IdDeleteWork)->trigger();
    QCOMPARE(m_log, QStringList({"1 created", QString("1 run %1").arg(int(ViewCommand::First)),
                                 QString("1 run %1").arg(int(ViewCommand::DeleteWork))}));
}

void TestCMainFrame::menuAndKeyboardDriveTheFrame()
{
    makeFrame();
    m_prompter->expect(Prompter::Icon::Information, "Service not yet enabled!");
    QMenu *help = m_frame->menuBar()->actions().last()->menu();
    help->popup(QPoint(0, 0));
    QAction *news = m_frame->action(IdLatestNews);
    help->setActiveAction(news);
    QTest::keyClick(help, Qt::Key_Return);
    QVERIFY(m_prompter->verify());

    m_frame->activateWindow();
    QTest::keyClick(m_frame.get(), Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(m_frame->currentViewKind(), 2);
    QVERIFY(m_frame->action(IdRegistries)->isChecked());
    QVERIFY(!m_frame->action(IdRegistries)->isEnabled());
    QVERIFY(m_frame->action(IdWorks)->isEnabled());
    QTest::keyClick(m_frame.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_frame->currentViewKind(), 1);
}

void TestCMainFrame::searchWindowFollowsTheCardView()
{
    makeFrame();
    CSearchScheda *search = m_frame->searchWindow();
    QCOMPARE(search->windowTitle(), QString("Form Date"));
    QVERIFY(search->isVisible());
    m_frame->switchToView(2);
    QVERIFY(!search->isVisible());
    QCOMPARE(SettingsStore::readInt(SettingsStore::Settings, "SearchStyle", -1), 1);
    QVERIFY(!m_frame->action(IdSearchBar)->isEnabled());
    m_frame->switchToView(3);
    QVERIFY(!search->isVisible());
    m_frame->switchToView(1);
    QVERIFY(search->isVisible());

    m_frame->action(IdSearchBar)->trigger();
    QVERIFY(!search->isVisible());
    QVERIFY(!m_frame->action(IdSearchBar)->isChecked());
    m_frame->switchToView(3);
    m_frame->switchToView(1);
    QVERIFY(!search->isVisible());

    // Each view is made once and lives on.
    QCOMPARE(m_log.filter("created"), QStringList({"1 created", "2 created", "3 created"}));

    // A date shown by the card view is not a pick; a date the user picks goes to the view.
    m_frame->setSearchRange(QDateTime(QDate(2015, 1, 1), QTime()),
                            QDateTime(QDate(2015, 12, 31), QTime(23, 59, 59)));
    m_frame->setSearchDate(QDateTime(QDate(2015, 5, 4), QTime(8, 0)));
    QCOMPARE(search->picker()->date(), QDate(2015, 5, 4));
    QVERIFY(m_log.filter("search").isEmpty());
    search->picker()->setDate(QDate(2015, 5, 6));
    QCOMPARE(m_log.filter("search"), QStringList({"1 search 06/05/2015"}));
    search->picker()->setDate(QDate(2016, 5, 6));
    QCOMPARE(search->picker()->date(), QDate(2015, 12, 31));

    // Closing the search window only hides it.
    search->show();
    search->close();
    QVERIFY(!search->isVisible());
    QVERIFY(m_frame->findChild<CSearchScheda *>());
}

void TestCMainFrame::withoutViewsTheFrameStaysEmpty()
{
    makeFrame(false);
    QVERIFY(!m_frame->activeView());
    m_frame->updateCommandStates();
    for (int id : {IdFirst, IdAdd, IdPrint, IdCopy, IdNewFieldsYear, IdRegistries, IdGraphs})
        QVERIFY2(!m_frame->action(id)->isEnabled(), qPrintable(QString::number(id)));
    m_frame->switchToView(2);
    QCOMPARE(m_frame->currentViewKind(), 1);
    QVERIFY(m_frame->action(IdSettings)->isEnabled());
    QVERIFY(m_frame->action(IdCompany)->isEnabled());
}

void TestCMainFrame::helpPagesOpenTheirAddresses()
{
    makeFrame();
    m_frame->switchToView(2);
    m_frame->action(IdHelpOnline)->trigger();
    m_frame->switchToView(3);
    m_frame->action(IdHelpOnline)->trigger();
    m_frame->showHelpPage(0);
    m_frame->showHelpPage(9);
    m_frame->action(IdWebPage)->trigger();
    const QString site = HelpPages::defaultWebSite();
    QCOMPARE(
        m_opened,
        QList<QUrl>({QUrl(site + "help/verdimo/data.php"), QUrl(site + "help/verdimo/graphics.php"),
                     QUrl(site + "help/verdimo/"), QUrl(site + "software/verdimo.php")}));

    SettingsStore::writeString(SettingsStore::Settings, "WebSite", "http://mirror.example/farm");
    m_opened.clear();
    m_frame->showHelpPage(3);
    QCOMPARE(m_opened, QList<QUrl>({QUrl("http://mirror.example/farm/help/verdimo/settings.php")}));
}

void TestCMainFrame::commandStatesFollowTheSessionAndTheViews()
{
    const QString path = m_env.copyTemplate();
    m_farm = std::make_unique<FarmSession>();
    m_farm->open(path);
    makeFrame();
    // No timer asks the views over and over; only the update check runs, every few minutes.
    for (const QTimer *timer : m_frame->findChildren<QTimer *>(Qt::FindDirectChildrenOnly))
        QVERIFY(!timer->isActive() || timer->interval() >= CMainFrame::UpdateCheckMilliseconds);
    int imports = 0;
    m_frame->setCommandHandler(FrameCommand::ImportData, [&imports] { ++imports; });
    QVERIFY(m_frame->action(IdAdd)->isEnabled());
    QVERIFY(m_frame->action(IdImportData)->isEnabled());

    // The same file opened for reading: the writing commands go off at once, with no event
    // processed in between, whatever the view answers; the others stay.
    m_farm->open(path, Database::Access::ReadOnly);
    for (int id : {IdAdd, IdDelete, IdNewWork, IdDeleteWork, IdNewFieldsYear, IdImportData})
        QVERIFY2(!m_frame->action(id)->isEnabled(), qPrintable(QString::number(id)));
    for (int id : {IdFirst, IdPrint, IdCopy, IdSettings})
        QVERIFY2(m_frame->action(id)->isEnabled(), qPrintable(QString::number(id)));
    QVERIFY(m_frame->accessIndicator()->isVisibleTo(m_frame.get()));
    QVERIFY(m_frame->windowTitle().contains("read-only"));
    // A shortcut that gets through before the states catch up still writes nothing.
    m_frame->action(IdImportData)->trigger();
    QCOMPARE(imports, 0);

    m_farm->open(path);
    QVERIFY(m_frame->action(IdAdd)->isEnabled());
    QVERIFY(!m_frame->accessIndicator()->isVisibleTo(m_frame.get()));

    // A new period reaches the search window and the commands.
    FakeView *cards = fakeView(CMainFrame::CardsView);
    cards->turnOff(ViewCommand::Next);
    QVERIFY(m_frame->action(IdNext)->isEnabled());
    m_farm->setPeriod({QDate(2016, 1, 1), QDate(2016, 6, 30)});
    QVERIFY(!m_frame->action(IdNext)->isEnabled());
    QCOMPARE(m_frame->searchWindow()->picker()->maximumDate(), QDate(2016, 6, 30));
    QCOMPARE(m_frame->periodIndicator()->text(), QString("Period 01/01/2016 \u2013 06/30/2016"));

    // So does what the view tells of itself.
    cards->turnOnAndTell(ViewCommand::Next);
    QVERIFY(m_frame->action(IdNext)->isEnabled());
}

void TestCMainFrame::failingCommandsAreToldAndTheFrameStays()
{
    const QString path = m_env.copyTemplate();
    m_farm = std::make_unique<FarmSession>();
    m_farm->open(path);
    makeFrame();
    const DbException busy("database is locked", DbErrorKind::Busy);
    const QString told = DbErrorText::describe(busy, path);
    // The message is the busy kind's, about the working file.
    QVERIFY(told.contains(path));
    QVERIFY(told != DbErrorText::describe(DbException("database is locked"), path));

    FakeView *cards = fakeView(CMainFrame::CardsView);
    cards->failWith(busy);
    m_prompter->expect(Prompter::Icon::Error, told);
    m_frame->action(IdFirst)->trigger();
    QVERIFY(m_prompter->verify());
    QVERIFY(m_frame->isVisible());

    // A view that cannot store its work at close keeps the window open.
    m_prompter->expect(Prompter::Icon::Error, told);
    QVERIFY(!m_frame->close());
    QVERIFY(m_prompter->verify());
    QVERIFY(m_frame->isVisible());

    // A failing handler of a frame command ends the same way.
    m_frame->setCommandHandler(FrameCommand::BackupData,
                               [] { throw DbException("disk I/O error", DbErrorKind::DiskFull); });
    m_prompter->expect(
        Prompter::Icon::Error,
        DbErrorText::describe(DbException("disk I/O error", DbErrorKind::DiskFull), path));
    m_frame->action(IdBackupData)->trigger();
    QVERIFY(m_prompter->verify());

    // Once the file is free again, the same commands run as usual.
    cards->failWith(std::nullopt);
    m_frame->action(IdFirst)->trigger();
    QCOMPARE(m_log.filter(" run "),
             QStringList({QString("1 run %1").arg(int(ViewCommand::First))}));
    QVERIFY(m_frame->close());
}

void TestCMainFrame::frameCommandsWaitForTheirHandlers()
{
    makeFrame();
    QVERIFY(!m_frame->action(IdExportData)->isEnabled());
    QVERIFY(!m_frame->action(IdUpdate)->isEnabled());
    int exports = 0;
    m_frame->setCommandHandler(FrameCommand::ExportData, [&] { ++exports; });
    QVERIFY(m_frame->action(IdExportData)->isEnabled());
    m_frame->action(IdExportData)->trigger();
    QCOMPARE(exports, 1);
    QVERIFY(!m_frame->action(IdImportData)->isEnabled());

    // The list export writes the registries view's list: off in every other view.
    m_frame->setCommandHandler(FrameCommand::ExportListCsv, [] {});
    m_frame->switchToView(CMainFrame::CardsView);
    m_frame->updateCommandStates();
    QVERIFY(!m_frame->action(IdExportListCsv)->isEnabled());
    m_frame->switchToView(CMainFrame::RegistriesView);
    m_frame->updateCommandStates();
    QVERIFY(m_frame->action(IdExportListCsv)->isEnabled());
}

void TestCMainFrame::placementIsRestoredAndWrittenAtClose()
{
    makeFrame();
    // The first start opens centred on the main screen, most of it filled, with the search
    // window at the frame's top-right corner.
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(m_frame->frameGeometry().center(), free.center());
    QCOMPARE(m_frame->size(), QSize(free.width() * 9 / 10, free.height() * 9 / 10));
    const QRect search = m_frame->searchWindow()->frameGeometry();
    QCOMPARE(search.topRight(), m_frame->geometry().topRight());
    m_frame->move(20, 30);
    m_frame->resize(700, 500);
    m_frame->searchWindow()->move(70, 80);
    m_frame->action(IdSearchBar)->trigger();
    m_log.clear();
    m_frame->close();
    const auto stored = [](const char *name) {
        return SettingsStore::readInt(SettingsStore::Settings, QString::fromLatin1(name), -1);
    };
    QCOMPARE(stored("Left"), 20);
    QCOMPARE(stored("Top"), 30);
    QCOMPARE(stored("Right"), 720);
    QCOMPARE(stored("Bottom"), 530);
    QCOMPARE(stored("Style"), 1);
    QCOMPARE(stored("searchLeft"), 70);
    QCOMPARE(stored("searchTop"), 80);
    QCOMPARE(stored("searchStyle"), 0);
    QCOMPARE(m_log, QStringList({"1 save"}));

    m_frame.reset();
    makeFrame();
    QCOMPARE(m_frame->pos(), QPoint(20, 30));
    QCOMPARE(m_frame->size(), QSize(700, 500));
    QVERIFY(!m_frame->searchWindow()->isVisible());
}

void TestCMainFrame::closingInTheChartKeepsSearchStyle()
{
    SettingsStore::writeInt(SettingsStore::Settings, "searchStyle", 1);
    makeFrame();
    m_frame->action(IdSearchBar)->trigger();
    m_frame->switchToView(3);
    QCOMPARE(SettingsStore::readInt(SettingsStore::Settings, "SearchStyle", -1), 0);
    m_frame->searchWindow()->move(90, 60);
    m_frame->close();
    QCOMPARE(SettingsStore::readInt(SettingsStore::Settings, "searchStyle", -1), 1);
    QCOMPARE(SettingsStore::readInt(SettingsStore::Settings, "searchLeft", -1), 90);
    QCOMPARE(SettingsStore::readInt(SettingsStore::Settings, "searchTop", -1), 60);
}

void TestCMainFrame::placementOffEveryScreenComesBack()
{
    // A frame or search window saved on a screen that is gone opens as on the first start.
    const auto write = [](const char *name, int value) {
        SettingsStore::writeInt(SettingsStore::Settings, QString::fromLatin1(name), value);
    };
    write("Left", 5000);
    write("Top", 4000);
    write("Right", 5700);
    write("Bottom", 4500);
    write("searchLeft", -3000);
    write("searchTop", 60);
    makeFrame();
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(m_frame->frameGeometry().center(), free.center());
    QCOMPARE(m_frame->size(), QSize(free.width() * 9 / 10, free.height() * 9 / 10));
    QCOMPARE(m_frame->searchWindow()->frameGeometry().topRight(), m_frame->geometry().topRight());

    // Any saved rectangle on a screen is taken as it stands, however small.
    m_frame.reset();
    m_env.clearSettings();
    write("Left", 10);
    write("Top", 20);
    write("Right", 330);
    write("Bottom", 260);
    write("searchLeft", 300);
    write("searchTop", 200);
    makeFrame();
    QCOMPARE(m_frame->pos(), QPoint(10, 20));
    QCOMPARE(m_frame->size(), QSize(320, 240));
    QCOMPARE(m_frame->searchWindow()->pos(), QPoint(300, 200));

    // One saved on a larger monitor is made to fit the screen it lies on now.
    m_frame.reset();
    m_env.clearSettings();
    write("Left", 40);
    write("Top", 30);
    write("Right", 40 + free.width() * 3);
    write("Bottom", 30 + free.height() * 2);
    makeFrame();
    QCOMPARE(m_frame->pos(), free.topLeft());
    QCOMPARE(m_frame->size(), free.size());
}

void TestCMainFrame::helpWithoutBrowserShowsTheAddress()
{
    m_farm = std::make_unique<FarmSession>();
    m_frame = std::make_unique<CMainFrame>(*m_farm);
    m_prompter = std::make_unique<FakePrompter>();
    m_frame->setPrompter(m_prompter.get());
    QList<QUrl> tried;
    m_frame->setBrowser([&tried](const QUrl &url) {
        tried << url;
        return false;
    });
    const QUrl page(HelpPages::defaultWebSite() + "help/verdimo/settings.php");
    m_prompter->expect(Prompter::Icon::Warning,
                       "No web browser could be started to show this page. Open this address "
                       "in a browser yourself:\n" +
                           page.toString());
    m_frame->showHelpPage(3);
    QCOMPARE(tried, QList<QUrl>({page}));
    QVERIFY(m_prompter->verify());

    // With a browser there is nothing to say.
    m_frame->setBrowser([](const QUrl &) { return true; });
    m_frame->showHelpPage(3);
    QVERIFY(m_prompter->verify());
}

void TestCMainFrame::commandTableHasOneRowPerCommand()
{
    const QList<int> ids = {IdExportData,
                            IdImportData,
                            IdCompany,
                            IdBackupData,
                            IdOpenFarm,
                            IdOpenDemoFarm,
                            IdExportTreatmentRecord,
                            IdExportListCsv,
                            IdRestore,
                            IdPrintSetup,
                            IdPrintPreview,
                            IdPrint,
                            IdExit,
                            IdUndo,
                            IdCut,
                            IdCopy,
                            IdPaste,
                            IdFirst,
                            IdPrevious,
                            IdNext,
                            IdLast,
                            IdAdd,
                            IdSave,
                            IdDelete,
                            IdNewWork,
                            IdDeleteWork,
                            IdCancelInsert,
                            IdNewFieldsYear,
                            IdSettings,
                            IdToolBar,
                            IdStatusBar,
                            IdSearchBar,
                            IdRegistries,
                            IdWorks,
                            IdGraphs,
                            IdHelpOnline,
                            IdWebPage,
                            IdUpdate,
                            IdLatestNews,
                            IdAbout};
    QCOMPARE(CommandTable::rows().size(), ids.size());
    QSet<ViewCommand> viewTargets;
    QList<FrameCommand> frameTargets;
    QList<int> writing;
    for (int id : ids) {
        const CommandRow *row = CommandTable::find(id);
        QVERIFY2(row, qPrintable(QString::number(id)));
        QVERIFY2(!QString(row->text).isEmpty() && QString(row->prompt).contains('\n'),
                 qPrintable(QString::number(id)));
        // Our own picture stands in where the desktop has no theme icon.
        QVERIFY(bool(row->icon.theme) == bool(row->icon.file));
        if (row->icon.file)
            QVERIFY2(QFile::exists(QString(":/icons/%1.svg").arg(row->icon.file)), row->icon.file);
        if (const auto *view = std::get_if<ViewCommand>(&row->target))
            viewTargets.insert(*view);
        if (const auto *frame = std::get_if<FrameCommand>(&row->target)) {
            QCOMPARE(CommandTable::find(*frame), row);
            frameTargets << *frame;
        }
        if (row->writes)
            writing << id;
        // Every command is in one menu.
        int menus = 0;
        for (const CommandTable::Menu &menu : CommandTable::menus())
            menus += menu.ids.count(id);
        QVERIFY2(menus == 1, qPrintable(QString::number(id)));
    }
    // Every view command but the search window's (the frame's own) has its row, once.
    QCOMPARE(viewTargets.size(), int(ViewCommand::ToggleSearch));
    QCOMPARE(frameTargets.size(),
             QSet<FrameCommand>(frameTargets.begin(), frameTargets.end()).size());
    QVERIFY(!CommandTable::find(FrameCommand::AutoUpdateCheck));
    QCOMPARE(writing, QList<int>({IdImportData, IdRestore, IdAdd, IdSave, IdDelete, IdNewWork,
                                  IdDeleteWork, IdNewFieldsYear}));
    for (int id : CommandTable::toolBar())
        QVERIFY(id == IdSeparator || CommandTable::find(id));
    QVERIFY(!CommandTable::find(IdSeparator));
}

void TestCMainFrame::placementFitsTheScreens_data()
{
    QTest::addColumn<QRect>("saved");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QRect>("placed");
    const QRect fullHd(0, 0, 1920, 1080);
    const QRect withPanel(0, 30, 1920, 1050);
    const QRect rightOfIt(1920, 0, 1920, 1080);
    const QRect none;
    QTest::newRow("fits") << QRect(10, 20, 300, 200) << QList{fullHd} << QRect(10, 20, 300, 200);
    QTest::newRow("from a larger monitor") << QRect(0, 0, 3800, 2100) << QList{fullHd} << fullHd;
    QTest::newRow("larger and moved")
        << QRect(100, 50, 2000, 1200) << QList{withPanel} << withPanel;
    QTest::newRow("over the right edge")
        << QRect(1800, 100, 400, 300) << QList{fullHd} << QRect(1520, 100, 400, 300);
    QTest::newRow("under the panel")
        << QRect(200, 0, 800, 600) << QList{withPanel} << QRect(200, 30, 800, 600);
    QTest::newRow("too large on the second screen")
        << QRect(1920, 0, 2560, 1440) << QList{fullHd, rightOfIt} << rightOfIt;
    QTest::newRow("across two screens, middle on the first")
        << QRect(1000, 100, 1200, 500) << QList{fullHd, rightOfIt} << QRect(720, 100, 1200, 500);
    QTest::newRow("middle off every screen")
        << QRect(-1500, 100, 1600, 500) << QList{fullHd} << QRect(0, 100, 1600, 500);
    QTest::newRow("on no screen") << QRect(5000, 4000, 700, 500) << QList{fullHd} << none;
    QTest::newRow("no screens") << QRect(10, 20, 300, 200) << QList<QRect>() << none;
    QTest::newRow("turned inside out")
        << QRect(QPoint(500, 400), QPoint(100, 100)) << QList{fullHd} << none;
}

void TestCMainFrame::placementFitsTheScreens()
{
    QFETCH(QRect, saved);
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, placed);
    const std::optional<QRect> fitted = WindowPlacement::fitted(saved, screens);
    QCOMPARE(fitted.value_or(QRect()), placed);
}

QTEST_MAIN(TestCMainFrame)
#include "TestCMainFrame.moc"
