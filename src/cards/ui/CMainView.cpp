#include "CMainView.h"

#include "reports/ui/CardPrinting.h"

#include "COperaiDlg.h"
#include "SpinField.h"
#include "TypedDateEdit.h"
#include "WorkIcons.h"
#include "base/Clock.h"
#include "base/DomainCodes.h"
#include "base/SettingsKeys.h"
#include "base/SettingsStore.h"
#include "base/WorkingPeriod.h"
#include "base/ui/BusyCursor.h"
#include "base/ui/WidgetPrompter.h"
#include "cards/WorkListRow.h"
#include "db/DbException.h"
#include "db/FarmSession.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QSet>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QString plainName(const QString &label)
{
    QString name = label;
    name.remove(QLatin1Char(':'));
    return name.trimmed();
}

// The bottom block stays this far from the right and bottom edges; the work list ends this
// far above it.
constexpr int edgeMargin = 10;
constexpr int listGap = 5;

} // namespace

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
    buildForm();
    const WorkingPeriod period = m_farm.period();
    setPeriodRange(period);
    m_host.setSearchRange(period.startAt(), period.endAt());
    startSession();
    LoadColumnLayout();
}

CMainView::~CMainView() = default;

void CMainView::buildForm()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(edgeMargin, edgeMargin, edgeMargin, edgeMargin);
    layout->setSpacing(listGap);
    layout->addWidget(buildTopBlock(), 0, Qt::AlignLeft);

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
    header->setDefaultSectionSize(100);
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
            [this](const QModelIndex &index) { EditWork(index.row()); });
    layout->addWidget(m_list, 1);

    layout->addWidget(buildBottomBlock(), 0, Qt::AlignRight);
}

void CMainView::addFormField(int column)
{
    const CardForm::Field &field = CardForm::field(column);
    QLineEdit *edit = nullptr;
    if (field.kind == CardForm::Kind::Number) {
        auto *spin = new SpinField(field, this);
        m_spins.insert(column, spin);
        edit = spin->lineEdit();
    } else {
        edit = new QLineEdit(this);
    }
    edit->setAccessibleName(plainName(CardForm::tr(field.label)));
    m_texts.insert(column, edit);
}

QWidget *CMainView::buildTopBlock()
{
    auto *block = new QWidget(this);
    auto *grid = new QGridLayout(block);
    grid->setContentsMargins(0, 0, 0, 0);

    m_date = new TypedDateEdit(block);
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
    m_date->setAccessibleName(plainName(CardForm::tr(CardForm::dateLabel())));
    for (int column : {CSchedaSet::Tempo, CSchedaSet::TempMax, CSchedaSet::Pioggia,
                       CSchedaSet::Vento, CSchedaSet::TempMin})
        addFormField(column);

    const auto label = [](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text);
        l->setBuddy(buddy);
        return l;
    };
    const auto widgetOf = [this](int column) -> QWidget * {
        return m_spins.contains(column) ? static_cast<QWidget *>(m_spins[column]) : m_texts[column];
    };
    const auto fieldLabel = [&](int column) {
        return label(CardForm::tr(CardForm::field(column).label), m_texts[column]);
    };
    grid->addWidget(label(CardForm::tr(CardForm::dateLabel()), m_date), 0, 0);
    grid->addWidget(m_date, 0, 1);
    grid->addWidget(fieldLabel(CSchedaSet::Tempo), 0, 3);
    grid->addWidget(widgetOf(CSchedaSet::Tempo), 0, 4);
    grid->addWidget(fieldLabel(CSchedaSet::TempMax), 0, 5);
    grid->addWidget(widgetOf(CSchedaSet::TempMax), 0, 6);
    grid->addWidget(new QLabel(tr("°C")), 0, 7);
    grid->addWidget(fieldLabel(CSchedaSet::Pioggia), 1, 0);
    grid->addWidget(widgetOf(CSchedaSet::Pioggia), 1, 1);
    grid->addWidget(new QLabel(tr("mm")), 1, 2);
    grid->addWidget(fieldLabel(CSchedaSet::Vento), 1, 3);
    grid->addWidget(widgetOf(CSchedaSet::Vento), 1, 4);
    grid->addWidget(fieldLabel(CSchedaSet::TempMin), 1, 5);
    grid->addWidget(widgetOf(CSchedaSet::TempMin), 1, 6);
    grid->addWidget(new QLabel(tr("°C")), 1, 7);
    for (int column : {CSchedaSet::Tempo, CSchedaSet::Vento}) {
        m_texts[column]->setMinimumWidth(200);
        m_texts[column]->setMaxLength(32767);
    }
    // Wide enough for the longest long-format date, so the weekday and year are never cut off.
    const QString longest = QLocale().toString(QDate(2026, 9, 30), QLocale::LongFormat);
    m_date->setMinimumWidth(qMax(200, m_date->fontMetrics().horizontalAdvance(longest) + 40));
    return block;
}

QWidget *CMainView::buildBottomBlock()
{
    auto *block = new QWidget(this);
    auto *grid = new QGridLayout(block);
    grid->setContentsMargins(0, 0, 0, 0);
    const int left[] = {CSchedaSet::Assenti, CSchedaSet::Ferie, CSchedaSet::Permesso};
    const int right[] = {CSchedaSet::Malattia, CSchedaSet::Infortunio, CSchedaSet::Fattore};
    for (int row = 0; row < 3; ++row) {
        for (int side = 0; side < 2; ++side) {
            const int column = side == 0 ? left[row] : right[row];
            addFormField(column);
            auto *label = new QLabel(CardForm::tr(CardForm::field(column).label), block);
            label->setBuddy(m_texts[column]);
            m_texts[column]->setFixedWidth(260);
            grid->addWidget(label, row, side * 2);
            grid->addWidget(m_texts[column], row, side * 2 + 1);
        }
    }
    return block;
}

QLineEdit *CMainView::textField(int column) const
{
    return m_texts.value(column);
}

void CMainView::setPeriodRange(const WorkingPeriod &period)
{
    if (period.start.isValid() && period.end.isValid())
        m_date->setDateTimeRange(period.startAt(), period.endAt());
}

// A period the settings hold in a form that cannot be read shows no card; the user is told why
// instead of meeting an empty view.
bool CMainView::isPeriodReadable(const WorkingPeriod &period)
{
    if (period.start.isValid() && period.end.isValid())
        return true;
    const auto stored = [](const SettingsKeys::DateKey &key) {
        return SettingsStore::readString(key.section, key.name);
    };
    m_prompter.error(tr("The working period in the settings cannot be read (from \"%1\" to "
                        "\"%2\"): no card is shown. Settings in the Program menu sets another.")
                         .arg(stored(SettingsKeys::DataInit), stored(SettingsKeys::DataEnd)));
    return false;
}

void CMainView::startSession()
{
    m_session.reset();
    if (m_farm.isOpen() && isPeriodReadable(m_farm.period())) {
        try {
            auto session = std::make_unique<CardSession>(m_farm.database(), m_farm.period(),
                                                         m_prompter, m_clock);
            session->open(SettingsKeys::ActualDate.read());
            m_session = std::move(session);
            m_session->setShownHandler([this] { loadForm(); });
            m_session->workList().setPictureProvider(
                [](int icon) { return QVariant(WorkIcons::icon(icon)); });
        } catch (const DbException &error) {
            m_prompter.error(error.message());
        }
    }
    showWorkList(m_session ? m_session->workList() : m_noWorks);
    loadForm();
}

// The columns' order and widths stay as the user left them whichever rows are shown.
void CMainView::showWorkList(WorkListModel &model)
{
    if (m_list->model() == &model)
        return;
    const QByteArray layout = m_list->horizontalHeader()->saveState();
    m_list->setModel(&model);
    m_list->horizontalHeader()->restoreState(layout);
}

Database *CMainView::database()
{
    return m_farm.isOpen() ? &m_farm.database() : nullptr;
}

void CMainView::setDatabase(Database *)
{
    // The card view works on the farm session's database.
}

void CMainView::releaseDatabase()
{
    try {
        // The new card of an insert belongs to the database being left.
        if (m_session)
            m_session->cancelInsert();
    } catch (const DbException &error) {
        m_prompter.error(error.message());
    }
    showWorkList(m_noWorks);
    m_session.reset();
}

void CMainView::loadForm()
{
    const bool hasCard = m_session && m_session->hasCard();
    const bool writable = hasCard && !m_session->isReadOnly();
    const CardForm::Input input = hasCard ? CardForm::input(m_session->card()) : CardForm::Input{};
    for (auto it = m_texts.cbegin(); it != m_texts.cend(); ++it) {
        it.value()->setText(input.texts.value(it.key()));
        it.value()->setEnabled(hasCard);
        it.value()->setReadOnly(!writable);
    }
    for (SpinField *spin : std::as_const(m_spins))
        spin->setEnabled(writable);
    m_date->setEnabled(writable);
    if (hasCard) {
        m_date->setDateTime(input.date);
        m_host.setSearchDate(input.date);
    }
    FillWorkList();
}

void CMainView::FillWorkList()
{
    if (!m_session)
        return;
    BusyCursor busy;
    try {
        m_session->fillWorkList();
    } catch (const DbException &error) {
        m_session->workList().clear();
        m_prompter.error(error.message());
    }
}

CardForm::Input CMainView::formInput() const
{
    CardForm::Input input;
    input.date = m_date->dateTime();
    for (auto it = m_texts.cbegin(); it != m_texts.cend(); ++it)
        input.texts.insert(it.key(), it.value()->text());
    return input;
}

void CMainView::showResult(const CardSession::Result &result)
{
    if (result.formError) {
        if (QLineEdit *edit = m_texts.value(result.formError->column)) {
            edit->setFocus();
            edit->selectAll();
        }
        return;
    }
    if (result.done)
        loadForm();
}

void CMainView::runMove(CardSession::Move move)
{
    if (m_session && m_session->canMove(move))
        showResult(m_session->move(move, formInput()));
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
    try {
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
            showResult(m_session->add(formInput()));
            break;
        case ViewCommand::Save:
            showResult(m_session->save(formInput()));
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
            NewWork();
            break;
        case ViewCommand::DeleteWork:
            deleteWork();
            break;
        case ViewCommand::Help:
            m_host.showHelpPage(int(HelpTopic::CardView));
            break;
        case ViewCommand::Print:
        case ViewCommand::Preview:
            printCards(command == ViewCommand::Preview);
            break;
        case ViewCommand::Undo:
        case ViewCommand::Cut:
        case ViewCommand::Copy:
        case ViewCommand::Paste:
            runEditCommand(command);
            break;
        default:
            break;
        }
    } catch (const DbException &error) {
        m_prompter.error(error.message());
    }
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

void CMainView::printCards(bool preview)
{
    m_printHandler(*this, preview);
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

void CMainView::NewWork()
{
    if (!m_session || !m_session->canNewWork())
        return;
    WorkEntry entry;
    for (;;) {
        const auto dialog = makeEditor(entry, true);
        if (!m_runEditor(*dialog))
            return;
        entry = dialog->entry();
        const int workId = m_session->newWork(entry);
        selectWorkRow(m_session->workList().rowOfWork(workId));
        if (dialog->exitRequested())
            return;
        entry.resetForNext();
    }
}

void CMainView::EditWork(int row)
{
    // The editor stores what it closes with, so a database that can only be read keeps it shut.
    if (!m_session || m_session->isReadOnly() || row < 0 || row >= m_session->workList().rowCount())
        return;
    try {
        const int workId = m_session->workList().workId(row);
        const auto loaded = m_session->loadWork(workId);
        if (!loaded)
            return;
        const auto dialog = makeEditor(loaded->entry, false);
        if (!m_runEditor(*dialog))
            return;
        m_session->editWork(workId, dialog->entry());
    } catch (const DbException &error) {
        m_prompter.error(error.message());
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

bool CMainView::FindCardByDate(const QDate &date)
{
    if (!m_session || m_session->isInserting())
        return false;
    try {
        if (!m_session->findCardByDate(date))
            return false;
    } catch (const DbException &error) {
        m_prompter.error(error.message());
        return false;
    }
    loadForm();
    return true;
}

void CMainView::ReopenDatabase()
{
    releaseDatabase();
    startSession();
}

void CMainView::ApplyWorkingPeriod(const WorkingPeriod &period)
{
    setPeriodRange(period);
    if (m_session && !isPeriodReadable(period)) {
        releaseDatabase();
        showWorkList(m_noWorks);
    } else if (m_session) {
        try {
            m_session->setPeriod(period);
        } catch (const DbException &error) {
            m_prompter.error(error.message());
        }
    }
    m_host.setSearchRange(period.startAt(), period.endAt());
    loadForm();
}

void CMainView::LoadColumnLayout()
{
    QHeaderView *header = m_list->horizontalHeader();
    const int count = WorkListRow::ColumnCount;
    QList<int> order;
    for (int i = 0; i < count; ++i) {
        const SettingsKeys::IntKey width = SettingsKeys::columnWidth(i);
        const int saved = SettingsStore::readInt(width.section, width.name, 0);
        header->resizeSection(i, saved > 0 ? saved : firstStartWidth(i));
        order << SettingsKeys::columnOrder(i).read();
    }
    // A stored order that is not a permutation of the columns would hide or repeat columns.
    QList<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < count; ++i)
        if (sorted[i] != i)
            return;
    for (int position = 0; position < count; ++position)
        header->moveSection(header->visualIndex(order[position]), position);
}

// Until the user sizes the columns, each is as wide as its title needs, up to the usual
// width: a first window then shows most of the list without scrolling. The worker and the
// centre keep the usual width, as their names are what a user reads a work by.
int CMainView::firstStartWidth(int column) const
{
    const QHeaderView *header = m_list->horizontalHeader();
    const QString title = m_list->model()->headerData(column, Qt::Horizontal).toString();
    const int usual = SettingsKeys::columnWidth(column).defaultValue;
    if (column == WorkListRow::Worker || column == WorkListRow::CostCentre)
        return usual;
    const int figures = header->fontMetrics().horizontalAdvance(QStringLiteral("0000.00")) + 14;
    return qBound(figures, header->fontMetrics().horizontalAdvance(title) + 14, usual);
}

void CMainView::SaveColumnLayout()
{
    const QHeaderView *header = m_list->horizontalHeader();
    for (int i = 0; i < WorkListRow::ColumnCount; ++i) {
        SettingsKeys::columnOrder(i).write(header->logicalIndex(i));
        SettingsKeys::columnWidth(i).write(header->sectionSize(i));
    }
}

bool CMainView::canClose()
{
    if (!m_session)
        return true;
    try {
        CardSession::Result result;
        if (m_session->isInserting()) {
            const Prompter::Answer answer = m_prompter.question(
                tr("The new form has not been saved yet. Do you want to save it?"),
                Prompter::Buttons::YesNoCancel);
            if (answer == Prompter::Answer::Cancel)
                return false;
            if (answer == Prompter::Answer::No)
                return true;
            result = m_session->save(formInput());
        } else {
            result = m_session->store(formInput());
        }
        showResult(result);
        return !result.formError;
    } catch (const DbException &error) {
        m_prompter.error(error.message());
        return true;
    }
}

void CMainView::saveState()
{
    SaveColumnLayout();
    if (!m_session)
        return;
    try {
        m_session->cancelInsert();
    } catch (const DbException &error) {
        m_prompter.error(error.message());
    }
    if (m_session->navigator().hasCurrent())
        SettingsKeys::ActualDate.write(m_session->navigator().current().date().date());
}
