#include "CMainView.h"

#include "COperaiDlg.h"
#include "CardFormLayout.h"
#include "WorkColumnSettings.h"
#include "WorkIcons.h"
#include "WorkListKeys.h"
#include "base/Clock.h"
#include "base/DomainCodes.h"
#include "base/SettingsKeys.h"
#include "base/WorkingPeriod.h"
#include "base/ui/BusyCursor.h"
#include "base/ui/ErrorBoundary.h"
#include "base/ui/WidgetPrompter.h"
#include "db/FarmSession.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QTableView>

CMainView::CMainView(QWidget *parent, ViewHost &host, FarmSession &farm, Prompter *prompter,
                     const Clock *clock)
    : QWidget(parent), m_host(host), m_farm(farm),
      m_ownPrompter(prompter ? nullptr
                             : std::make_unique<WidgetPrompter>(
                                   this, [&host](int topic) { host.showHelpPage(topic); })),
      m_ownClock(clock ? nullptr : std::make_unique<SystemClock>()),
      m_prompter(prompter ? *prompter : *m_ownPrompter), m_clock(clock ? *clock : *m_ownClock),
      m_runEditor([](COperaiDlg &dialog) { return dialog.exec() == QDialog::Accepted; })
{
    buildList();
    m_form = std::make_unique<CardFormLayout>(*this, *m_list);
    watchDateField();
    const WorkingPeriod period = m_farm.period();
    m_form->setPeriod(period, m_clock.now().date());
    m_host.setSearchRange(period.startAt(), period.endAt());
    startSession();
    WorkColumnSettings::restore(*m_list->horizontalHeader());

    connect(&m_farm, &FarmSession::aboutToReplaceDatabase, this, &CMainView::releaseSession);
    connect(&m_farm, &FarmSession::databaseReplaced, this, &CMainView::startSession);
    connect(&m_farm, &FarmSession::periodChanged, this, &CMainView::followPeriod);
    followCommandStates();
}

CMainView::~CMainView() = default;

void CMainView::buildList()
{
    m_list = new QTableView(this);
    m_list->setModel(&m_noWorks);
    m_list->setAccessibleName(tr("Works"));
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setShowGrid(true);
    m_list->setSortingEnabled(false);
    m_list->setWordWrap(false);
    m_list->setIconSize(QSize(16, 16));
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setDefaultSectionSize(20);
    QHeaderView *header = m_list->horizontalHeader();
    header->setSectionsMovable(true);
    header->setSortIndicatorShown(false);
    header->setDefaultSectionSize(SettingsKeys::columnWidth(0).defaultValue);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setStretchLastSection(false);
    // The selection stays visible when the list loses the focus.
    QPalette palette = m_list->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    m_list->setPalette(palette);
    connect(m_list, &QTableView::doubleClicked, this,
            [this](const QModelIndex &index) { editWork(index.row()); });
    new WorkListKeys(*m_list, [this](int row) { editWork(row); });
}

// A day typed or picked in the date field is looked at as soon as the user leaves the field,
// presses Enter or picks it in the calendar, once the focus has settled.
void CMainView::watchDateField()
{
    QDateTimeEdit *date = m_form->dateField();
    const auto review = [this] {
        QMetaObject::invokeMethod(this, &CMainView::reviewTypedDay, Qt::QueuedConnection);
    };
    connect(date, &QDateTimeEdit::editingFinished, this, review);
    connect(date->calendarWidget(), &QCalendarWidget::clicked, this, review);
    connect(date->calendarWidget(), &QCalendarWidget::activated, this, review);
}

void CMainView::reviewTypedDay()
{
    if (!m_session || !m_session->hasCard() || m_session->isReadOnly())
        return;
    const CardForm::Input input = m_form->input();
    if (input.date == m_reviewedDate)
        return;
    m_reviewedDate = input.date;
    CardSession::DayReview review = CardSession::DayReview::Kept;
    guarded([&] { review = m_session->reviewDay(input); });
    if (review == CardSession::DayReview::Opened)
        loadForm();
    else if (review == CardSession::DayReview::Refused)
        m_form->focusField(CSchedaSet::Data);
    commandsChanged();
}

// The edit commands follow the selection and the undo history of the form's fields: the frame
// asks again whenever one of them changes. The focus and the clipboard are the whole window's,
// followed by the frame.
void CMainView::followCommandStates()
{
    const auto changed = [this] { commandsChanged(); };
    for (const CardForm::Field &field : CardForm::fields()) {
        QLineEdit *edit = textField(field.column);
        connect(edit, &QLineEdit::selectionChanged, this, changed);
        connect(edit, &QLineEdit::textChanged, this, changed);
    }
}

// The list's model changes with every session, and its selection model with it, which Delete
// work follows.
void CMainView::showWorkList(WorkListModel &model)
{
    if (m_list->model() == &model)
        return;
    // The columns' order and widths stay as the user left them whichever rows are shown.
    const QByteArray layout = m_list->horizontalHeader()->saveState();
    m_list->setModel(&model);
    m_list->horizontalHeader()->restoreState(layout);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { commandsChanged(); });
}

QDateTimeEdit *CMainView::dateField() const
{
    return m_form->dateField();
}

QLineEdit *CMainView::textField(int column) const
{
    return m_form->textField(column);
}

// Every database command of the view ends here: a locked, damaged or read-only farm is
// reported with the file's name and the program goes on with what the user typed.
bool CMainView::guarded(const std::function<void()> &command)
{
    return ErrorBoundary::run(m_prompter, m_farm.databasePath(), command);
}

// A period the settings hold in a form that cannot be read shows no card; the user is told why
// instead of meeting an empty view.
bool CMainView::isPeriodReadable(const WorkingPeriod &period)
{
    if (period.start.isValid() && period.end.isValid())
        return true;
    const auto [start, end] = FarmSession::storedPeriodTexts();
    m_prompter.error(tr("The working period in the settings cannot be read (from \"%1\" to "
                        "\"%2\"): no card is shown. Settings in the Program menu sets another.")
                         .arg(start, end));
    return false;
}

void CMainView::startSession()
{
    m_session.reset();
    if (m_farm.isOpen() && isPeriodReadable(m_farm.period())) {
        guarded([this] {
            auto session = std::make_unique<CardSession>(m_farm.database(), m_farm.period(),
                                                         m_prompter, m_clock);
            session->open(m_farm.actualDate());
            m_session = std::move(session);
            m_session->setShownHandler([this] { loadForm(); });
            m_session->workList().setPictureProvider(
                [](int icon) { return QVariant(WorkIcons::icon(icon)); });
        });
    }
    showWorkList(m_session ? m_session->workList() : m_noWorks);
    loadForm();
    commandsChanged();
}

// The farm's database is about to close: nothing of the view may hold it any longer.
void CMainView::releaseSession()
{
    if (m_session) {
        // The new card of an insert belongs to the database being left.
        guarded([this] { m_session->cancelInsert(); });
    }
    showWorkList(m_noWorks);
    m_session.reset();
}

void CMainView::followPeriod(const WorkingPeriod &period)
{
    m_form->setPeriod(period, m_clock.now().date());
    m_host.setSearchRange(period.startAt(), period.endAt());
    if (!m_session) {
        startSession();
        return;
    }
    if (!isPeriodReadable(period))
        releaseSession();
    else
        guarded([&] { m_session->setPeriod(period); });
    loadForm();
    commandsChanged();
}

void CMainView::loadForm()
{
    const bool hasCard = m_session && m_session->hasCard();
    const bool writable = hasCard && !m_session->isReadOnly();
    const CardForm::Input input = hasCard ? CardForm::input(m_session->card()) : CardForm::Input{};
    m_form->show(input, hasCard, writable);
    m_reviewedDate = input.date;
    if (hasCard)
        m_host.setSearchDate(input.date);
    fillWorkList();
}

void CMainView::fillWorkList()
{
    if (!m_session)
        return;
    BusyCursor busy;
    // A list that could not be read whole shows no rows rather than some of them.
    if (!guarded([this] { m_session->fillWorkList(); }))
        m_session->workList().clear();
}

void CMainView::showResult(const CardSession::Result &result)
{
    if (result.formError)
        m_form->focusField(result.formError->column);
    else if (result.done)
        loadForm();
}

void CMainView::runMove(CardSession::Move move)
{
    if (m_session->canMove(move))
        showResult(m_session->move(move, m_form->input()));
}

bool CMainView::isCommandEnabled(ViewCommand command) const
{
    const bool open = m_session != nullptr;
    const bool inserting = open && m_session->isInserting();
    const bool writable = open && !m_session->isReadOnly();
    switch (command) {
    case ViewCommand::First:
        return open && m_session->canMove(CardSession::Move::First);
    case ViewCommand::Previous:
        return open && m_session->canMove(CardSession::Move::Previous);
    case ViewCommand::Next:
        return open && m_session->canMove(CardSession::Move::Next);
    case ViewCommand::Last:
        return open && m_session->canMove(CardSession::Move::Last);
    case ViewCommand::Add:
    case ViewCommand::Delete:
        return writable && !inserting;
    case ViewCommand::Save:
    case ViewCommand::CancelInsert:
        return inserting;
    case ViewCommand::NewWork:
        return open && m_session->canNewWork();
    case ViewCommand::DeleteWork:
        return writable && m_list->selectionModel()->hasSelection();
    case ViewCommand::Help:
        return true;
    case ViewCommand::Undo:
    case ViewCommand::Cut:
    case ViewCommand::Copy:
    case ViewCommand::Paste:
        return editCommandEnabled(command);
    case ViewCommand::Print:
    case ViewCommand::Preview:
        return open && !inserting && bool(m_printHandler);
    case ViewCommand::NewFieldsYear:
    case ViewCommand::ToggleSearch:
        return false;
    }
    return false;
}

void CMainView::runCommand(ViewCommand command)
{
    if (!isCommandEnabled(command))
        return;
    switch (command) {
    case ViewCommand::Help:
        m_host.showHelpPage(int(HelpTopic::CardView));
        break;
    case ViewCommand::Print:
    case ViewCommand::Preview:
        guarded([&] { m_printHandler(*this, command == ViewCommand::Preview); });
        break;
    case ViewCommand::Undo:
    case ViewCommand::Cut:
    case ViewCommand::Copy:
    case ViewCommand::Paste:
        runEditCommand(command);
        break;
    default:
        guarded([&] { runSessionCommand(command); });
        break;
    }
    commandsChanged();
}

// The commands that read or write the farm. One that fails leaves the form as the user typed
// it: only a command that ran to its end shows the card again.
void CMainView::runSessionCommand(ViewCommand command)
{
    switch (command) {
    case ViewCommand::First:
        runMove(CardSession::Move::First);
        break;
    case ViewCommand::Previous:
        runMove(CardSession::Move::Previous);
        break;
    case ViewCommand::Next:
        runMove(CardSession::Move::Next);
        break;
    case ViewCommand::Last:
        runMove(CardSession::Move::Last);
        break;
    case ViewCommand::Add:
        addCard();
        break;
    case ViewCommand::Save:
        showResult(m_session->save(m_form->input()));
        break;
    case ViewCommand::CancelInsert:
        m_session->cancelInsert();
        loadForm();
        break;
    case ViewCommand::Delete:
        if (m_session->deleteCard())
            loadForm();
        break;
    case ViewCommand::NewWork:
        newWork();
        break;
    case ViewCommand::DeleteWork:
        deleteWork();
        break;
    default:
        break;
    }
}

// The new card's day is looked at before the user types anything, and the cursor waits in
// the date field, where a typed day belongs.
void CMainView::addCard()
{
    const CardSession::Result result = m_session->add(m_form->input());
    showResult(result);
    if (!result.done)
        return;
    if (m_session->reviewDay(m_form->input()) == CardSession::DayReview::Opened) {
        loadForm();
        return;
    }
    m_form->focusField(CSchedaSet::Data);
}

void CMainView::setPrintHandler(PrintHandler handler)
{
    m_printHandler = std::move(handler);
}

int CMainView::currentCardId() const
{
    return m_session && m_session->hasCard() && !m_session->isInserting() ? m_session->card().id()
                                                                          : 0;
}

WorkingPeriod CMainView::workingPeriod() const
{
    return m_session ? m_session->navigator().period() : m_farm.period();
}

QLineEdit *CMainView::focusedEdit() const
{
    auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    return edit && isAncestorOf(edit) ? edit : nullptr;
}

bool CMainView::editCommandEnabled(ViewCommand command) const
{
    const QLineEdit *edit = focusedEdit();
    if (!edit)
        return false;
    switch (command) {
    case ViewCommand::Cut:
    case ViewCommand::Copy:
        return edit->hasSelectedText();
    case ViewCommand::Paste: {
        const QMimeData *data = QApplication::clipboard()->mimeData();
        return data && data->hasText();
    }
    case ViewCommand::Undo:
        return edit->isUndoAvailable();
    default:
        return false;
    }
}

void CMainView::runEditCommand(ViewCommand command)
{
    QLineEdit *edit = focusedEdit();
    if (command == ViewCommand::Cut)
        edit->cut();
    else if (command == ViewCommand::Copy)
        edit->copy();
    else if (command == ViewCommand::Paste)
        edit->paste();
    else
        edit->undo();
}

std::unique_ptr<COperaiDlg> CMainView::makeEditor(const WorkEntry &entry, bool newEntry)
{
    auto dialog = std::make_unique<COperaiDlg>(m_session->lookups(), m_prompter, this);
    dialog->setEntry(entry);
    dialog->setNewEntry(newEntry);
    dialog->setFarmFile(m_farm.databasePath());
    dialog->setHelpHandler([this] { m_host.showHelpPage(int(HelpTopic::WorkEditor)); });
    return dialog;
}

void CMainView::selectWorkRow(int row)
{
    const QModelIndex index = m_list->model()->index(row, 0);
    if (!index.isValid())
        return;
    m_list->clearSelection();
    m_list->selectRow(row);
    m_list->setCurrentIndex(index);
    m_list->scrollTo(index);
}

// A work that could not be stored comes back in the editor as the user entered it, until it
// is stored or the user cancels it.
void CMainView::newWork()
{
    WorkEntry entry;
    for (;;) {
        const auto dialog = makeEditor(entry, true);
        if (!m_runEditor(*dialog))
            return;
        entry = dialog->entry();
        int workId = 0;
        if (!guarded([&] { workId = m_session->newWork(entry); }))
            continue;
        selectWorkRow(m_session->workList().rowOfWork(workId));
        if (dialog->exitRequested())
            return;
        entry.resetForNext();
    }
}

void CMainView::editWork(int row)
{
    // The editor stores what it closes with, so a database that can only be read keeps it shut.
    if (!m_session || m_session->isReadOnly() || row < 0 || row >= m_session->workList().rowCount())
        return;
    const int workId = m_session->workList().workId(row);
    std::optional<WorkStore::Loaded> loaded;
    if (!guarded([&] { loaded = m_session->loadWork(workId); }) || !loaded)
        return;
    WorkEntry entry = loaded->entry;
    for (;;) {
        const auto dialog = makeEditor(entry, false);
        if (!m_runEditor(*dialog))
            return;
        entry = dialog->entry();
        if (guarded([&] { m_session->editWork(workId, entry); }))
            return;
    }
}

void CMainView::deleteWork()
{
    QList<int> rows;
    for (const QModelIndex &index : m_list->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    QList<int> ids;
    for (int row : std::as_const(rows))
        ids << m_session->workList().workId(row);
    const QList<int> removed = m_session->deleteWorks(ids);
    if (removed.isEmpty())
        return;
    int firstRemoved = -1;
    for (int i = 0; i < rows.size() && firstRemoved < 0; ++i)
        if (removed.contains(ids[i]))
            firstRemoved = rows[i];
    m_list->clearSelection();
    const int select = qMax(0, firstRemoved - 1);
    if (select < m_session->workList().rowCount()) {
        m_list->selectRow(select);
        m_list->selectionModel()->setCurrentIndex(m_list->model()->index(select, 0),
                                                  QItemSelectionModel::NoUpdate);
    }
}

// What was typed into the card shown is stored before another card replaces it.
bool CMainView::storeShownCard()
{
    CardSession::Result result;
    if (!guarded([&] { result = m_session->store(m_form->input()); }))
        return false;
    if (result.formError) {
        m_form->focusField(result.formError->column);
        return false;
    }
    return true;
}

void CMainView::searchDatePicked(const QDate &date)
{
    if (!m_session || m_session->isInserting() || !storeShownCard())
        return;
    bool found = false;
    if (guarded([&] { found = m_session->findCardByDate(date); }) && found)
        loadForm();
}

bool CMainView::showWork(const QDate &day, int workId)
{
    if (!m_session || m_session->isInserting() || !storeShownCard())
        return false;
    bool found = false;
    guarded([&] { found = m_session->findCardByDate(day); });
    loadForm();
    commandsChanged();
    const int row = found ? m_session->workList().rowOfWork(workId) : -1;
    if (row < 0)
        return false;
    selectWorkRow(row);
    m_list->setFocus(Qt::OtherFocusReason);
    return true;
}

bool CMainView::canClose()
{
    if (!m_session)
        return true;
    bool closing = true;
    const bool stored = guarded([this, &closing] {
        CardSession::Result result;
        if (m_session->isInserting()) {
            const Prompter::Answer answer = m_prompter.question(
                tr("The new form has not been saved yet. Do you want to save it?"),
                Prompter::Buttons::YesNoCancel);
            if (answer != Prompter::Answer::Yes) {
                closing = answer == Prompter::Answer::No;
                return;
            }
            result = m_session->save(m_form->input());
        } else {
            result = m_session->store(m_form->input());
        }
        showResult(result);
        // A new card the farm refused stays on screen with its works, as the message says.
        closing = !result.formError && (result.done || !m_session->isInserting());
    });
    if (stored)
        return closing;
    // Closing now would lose what the form holds; the user may rather try again.
    return m_prompter.question(tr("The form could not be stored. Close without storing it?")) ==
           Prompter::Answer::Yes;
}

void CMainView::saveState()
{
    WorkColumnSettings::store(*m_list->horizontalHeader());
    if (!m_session)
        return;
    guarded([this] { m_session->cancelInsert(); });
    if (m_session->navigator().hasCurrent())
        m_farm.setActualDate(m_session->navigator().current().date().date());
}
