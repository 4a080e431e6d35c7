#include "CMainView.h"

#include "reports/ui/CardPrinting.h"

#include "COperaiDlg.h"
#include "SpinField.h"
#include "WorkIcons.h"
#include "base/Clock.h"
#include "base/SettingsStore.h"
#include "base/WorkingPeriod.h"
#include "base/ui/WidgetPrompter.h"
#include "cards/WorkListQuery.h"
#include "cards/WorkListRow.h"
#include "db/DbException.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QSet>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString actualDateKey = QStringLiteral("ActualDate");

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

CMainView::CMainView(QWidget *parent, ViewHost &host, Prompter *prompter, const Clock *clock)
    : QWidget(parent), m_host(host),
      m_ownPrompter(prompter ? nullptr
                             : std::make_unique<WidgetPrompter>(
                                   this, [&host](int topic) { host.showHelpPage(topic); })),
      m_ownClock(clock ? nullptr : std::make_unique<SystemClock>()),
      m_prompter(prompter ? *prompter : *m_ownPrompter), m_clock(clock ? *clock : *m_ownClock),
      m_runEditor([](COperaiDlg &dialog) { return dialog.exec() == QDialog::Accepted; })
{
    buildForm();
    const WorkingPeriod period = WorkingPeriod::fromSettings();
    setPeriodRange(period);
    m_host.setSearchRange(period.startAt(), period.endAt());
    openDatabase();
    LoadColumnLayout();
}

CMainView::~CMainView() = default;

RecordView *CMainView::create(QWidget *parent, ViewHost &host)
{
    return new CMainView(parent, host);
}

void CMainView::buildForm()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(edgeMargin, edgeMargin, edgeMargin, edgeMargin);
    layout->setSpacing(listGap);
    layout->addWidget(buildTopBlock(), 0, Qt::AlignLeft);

    m_list = new QTableWidget(0, WorkListRow::ColumnCount, this);
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
    QStringList headers;
    for (int column = 0; column < WorkListRow::ColumnCount; ++column)
        headers << WorkListRow::headerText(column);
    m_list->setHorizontalHeaderLabels(headers);
    // The selection stays visible when the list loses the focus.
    QPalette palette = m_list->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    m_list->setPalette(palette);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, [this](int row) { EditWork(row); });
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

    m_date = new QDateTimeEdit(block);
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
    grid->addWidget(new QLabel(tr("°F")), 0, 7);
    grid->addWidget(fieldLabel(CSchedaSet::Pioggia), 1, 0);
    grid->addWidget(widgetOf(CSchedaSet::Pioggia), 1, 1);
    grid->addWidget(new QLabel(tr("inch")), 1, 2);
    grid->addWidget(fieldLabel(CSchedaSet::Vento), 1, 3);
    grid->addWidget(widgetOf(CSchedaSet::Vento), 1, 4);
    grid->addWidget(fieldLabel(CSchedaSet::TempMin), 1, 5);
    grid->addWidget(widgetOf(CSchedaSet::TempMin), 1, 6);
    grid->addWidget(new QLabel(tr("°F")), 1, 7);
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

void CMainView::openDatabase()
{
    m_session.reset();
    try {
        m_db.open(SettingsStore::readString(SettingsStore::Settings, QStringLiteral("Database")));
        auto session =
            std::make_unique<CardSession>(m_db, WorkingPeriod::fromSettings(), m_prompter, m_clock);
        session->open(SettingsStore::readDate(SettingsStore::Settings, actualDateKey,
                                              QStringLiteral("01/01/2015")));
        m_session = std::move(session);
        m_session->setShownHandler([this] { loadForm(); });
    } catch (const DbException &error) {
        m_prompter.error(error.message());
    }
    loadForm();
}

Database *CMainView::database()
{
    return m_db.isOpen() ? &m_db : nullptr;
}

void CMainView::setDatabase(Database *)
{
    // The card view opens the working database itself and hands it to the other views.
}

void CMainView::loadForm()
{
    const bool hasCard = m_session && m_session->hasCard();
    const CardForm::Input input = hasCard ? CardForm::input(m_session->card()) : CardForm::Input{};
    for (auto it = m_texts.cbegin(); it != m_texts.cend(); ++it) {
        it.value()->setText(input.texts.value(it.key()));
        it.value()->setEnabled(hasCard);
    }
    for (SpinField *spin : std::as_const(m_spins))
        spin->setEnabled(hasCard);
    m_date->setEnabled(hasCard);
    if (hasCard) {
        m_date->setDateTime(input.date);
        m_host.setSearchDate(input.date);
    }
    FillWorkList();
}

void CMainView::FillWorkList()
{
    m_list->setRowCount(0);
    if (!m_session || !m_session->hasCard())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        WorkListQuery query = WorkListQuery::fromSettings(m_db);
        const QList<WorkListRow::Data> works = m_session->isInserting()
                                                   ? query.works(m_session->pendingWorks())
                                                   : query.worksOfCard(m_session->card().id());
        m_list->setRowCount(int(works.size()));
        for (int row = 0; row < works.size(); ++row)
            setRow(row, WorkListRow::build(works[row], m_session->isInserting()
                                                           ? WorkListRow::Wording::Entered
                                                           : WorkListRow::Wording::Stored));
    } catch (const DbException &error) {
        QApplication::restoreOverrideCursor();
        m_prompter.error(error.message());
        return;
    }
    QApplication::restoreOverrideCursor();
}

void CMainView::setRow(int row, const WorkListRow &data)
{
    for (int column = 0; column < WorkListRow::ColumnCount; ++column) {
        auto *item = new QTableWidgetItem(data.texts[column]);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        if (data.icons[column] != WorkListRow::NoIcon)
            item->setIcon(WorkIcons::icon(data.icons[column]));
        if (!data.texts[column].isEmpty())
            item->setToolTip(data.texts[column]);
        if (column == 0)
            item->setData(Qt::UserRole, data.workId);
        m_list->setItem(row, column, item);
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
        return open && !inserting;
    case ViewCommand::Save:
    case ViewCommand::CancelInsert:
        return inserting;
    case ViewCommand::NewWork:
        return open && m_session->canNewWork();
    case ViewCommand::DeleteWork:
        return open && m_list->selectionModel()->hasSelection();
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
            m_host.showHelpPage(1);
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
    return m_session ? m_session->navigator().period() : WorkingPeriod::fromSettings();
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
    auto dialog = std::make_unique<COperaiDlg>(m_db, m_prompter, this);
    dialog->setEntry(entry);
    dialog->setNewEntry(newEntry);
    dialog->setHelpHandler([this] { m_host.showHelpPage(2); });
    return dialog;
}

void CMainView::appendWork(int workId)
{
    const auto work = WorkListQuery::fromSettings(m_db).work(workId);
    if (!work)
        return;
    const int row = m_list->rowCount();
    m_list->insertRow(row);
    setRow(row, WorkListRow::build(*work, WorkListRow::Wording::Entered));
    m_list->clearSelection();
    m_list->selectRow(row);
    m_list->setCurrentCell(row, 0);
    m_list->scrollToItem(m_list->item(row, 0));
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
        appendWork(m_session->newWork(entry));
        if (dialog->exitRequested())
            return;
        entry.resetForNext();
    }
}

void CMainView::EditWork(int row)
{
    if (!m_session || row < 0 || row >= m_list->rowCount())
        return;
    try {
        const int workId = m_list->item(row, 0)->data(Qt::UserRole).toInt();
        const auto loaded = WorkStore(m_db).load(workId);
        if (!loaded)
            return;
        const auto dialog = makeEditor(loaded->entry, false);
        if (!m_runEditor(*dialog))
            return;
        m_session->editWork(workId, dialog->entry());
        if (const auto work = WorkListQuery::fromSettings(m_db).work(workId))
            setRow(row, WorkListRow::build(*work, WorkListRow::Wording::Entered));
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
        ids << m_list->item(row, 0)->data(Qt::UserRole).toInt();
    const QList<int> removed = m_session->deleteWorks(ids);
    if (removed.isEmpty())
        return;
    const QSet<int> gone(removed.cbegin(), removed.cend());
    int firstRemoved = -1;
    for (int i = int(rows.size()) - 1; i >= 0; --i) {
        if (gone.contains(ids[i])) {
            m_list->removeRow(rows[i]);
            firstRemoved = rows[i];
        }
    }
    m_list->clearSelection();
    const int select = qMax(0, firstRemoved - 1);
    if (select < m_list->rowCount()) {
        m_list->selectRow(select);
        m_list->setCurrentCell(select, 0, QItemSelectionModel::NoUpdate);
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
    try {
        // The new card of an insert belongs to the database being left.
        if (m_session)
            m_session->cancelInsert();
    } catch (const DbException &error) {
        m_prompter.error(error.message());
    }
    m_session.reset();
    m_db.close();
    openDatabase();
}

void CMainView::ApplyWorkingPeriod(const WorkingPeriod &period)
{
    setPeriodRange(period);
    if (m_session) {
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
        header->resizeSection(i, SettingsStore::readInt(SettingsStore::Header,
                                                        QStringLiteral("Width (%1)").arg(i), 100));
        order << SettingsStore::readInt(SettingsStore::Header, QStringLiteral("Order (%1)").arg(i),
                                        i);
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

void CMainView::SaveColumnLayout()
{
    const QHeaderView *header = m_list->horizontalHeader();
    for (int i = 0; i < WorkListRow::ColumnCount; ++i) {
        SettingsStore::writeInt(SettingsStore::Header, QStringLiteral("Order (%1)").arg(i),
                                header->logicalIndex(i));
        SettingsStore::writeInt(SettingsStore::Header, QStringLiteral("Width (%1)").arg(i),
                                header->sectionSize(i));
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
        SettingsStore::writeDate(SettingsStore::Settings, actualDateKey,
                                 m_session->navigator().current().date().date());
}
