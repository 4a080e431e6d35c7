#include "CTabelleView.h"

#include "CAnnoDlg.h"
#include "ParcelPanel.h"
#include "RegistryPictures.h"
#include "base/Clock.h"
#include "base/DomainCodes.h"
#include "base/WorkingPeriod.h"
#include "base/ui/BusyCursor.h"
#include "base/ui/ErrorBoundary.h"
#include "base/ui/WidgetPrompter.h"
#include "db/Database.h"
#include "db/DbErrorText.h"
#include "db/FarmSession.h"
#include "registries/FieldYears.h"
#include "registries/RegistryEditor.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTableView>
#include <QTimer>
#include <QTreeView>

namespace {

constexpr int ColumnWidth = 100;

// A label's text as the accessible name of its control: without mnemonic and trailing colon.
QString accessibleText(const QString &label)
{
    QString text = label;
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

} // namespace

CTabelleView::CTabelleView(QWidget *parent, ViewHost &host, FarmSession &farm, Prompter *prompter,
                           const Clock *clock)
    : QWidget(parent), m_host(host), m_farm(farm),
      m_ownPrompter(prompter ? nullptr
                             : std::make_unique<WidgetPrompter>(
                                   this, [&host](int topic) { host.showHelpPage(topic); })),
      m_ownClock(clock ? nullptr : std::make_unique<SystemClock>()),
      m_prompter(prompter ? *prompter : *m_ownPrompter), m_clock(clock ? *clock : *m_ownClock)
{
    build();
    m_editor->setPeriod(farm.period());
    setDatabase(farm.isOpen() ? &farm.database() : nullptr);
    followSession();
}

CTabelleView::~CTabelleView()
{
    saveState();
}

void CTabelleView::build()
{
    RegistryScreen &screen = *this;
    m_editor = std::make_unique<RegistryEditor>(m_prompter, screen);
    m_editor->tree().setPictureProvider(
        [](int picture) { return QVariant(RegistryPictures::icons().value(picture)); });

    m_tree = new QTreeView(this);
    m_tree->setModel(&m_editor->tree());
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setAccessibleName(tr("Registries"));

    m_workersHours = new QRadioButton(tr("Workers and Hours"), this);
    m_stockArticles = new QRadioButton(tr("Stock and Articles"), this);
    auto *choice = new QButtonGroup(this);
    choice->addButton(m_workersHours, 0);
    choice->addButton(m_stockArticles, 1);
    m_workersHours->setChecked(true);

    auto *treeColumn = new QVBoxLayout;
    treeColumn->addWidget(m_tree, 1);
    treeColumn->addWidget(m_workersHours);
    treeColumn->addWidget(m_stockArticles);

    auto makeEdit = [this](QLabel *&label, const QString &text) {
        label = new QLabel(text, this);
        auto *edit = new QLineEdit(this);
        label->setBuddy(edit);
        edit->setAccessibleName(accessibleText(text));
        return edit;
    };
    m_code = makeEdit(m_codeLabel, tr("Internal Code :"));
    m_description = makeEdit(m_descriptionLabel, tr("Description :"));
    m_number = makeEdit(m_numberLabel, tr("Hectare :"));
    m_place = makeEdit(m_placeLabel, tr("Location :"));
    m_relationshipLabel = new QLabel(tr("  Report :"), this);
    m_relationship = new QComboBox(this);
    m_relationship->addItems({tr("Fixed"), tr("Seasonal")});
    m_relationshipLabel->setBuddy(m_relationship);
    m_relationship->setAccessibleName(accessibleText(m_relationshipLabel->text()));
    m_print = new QCheckBox(tr("Print in Report"), this);
    m_print->setVisible(false);
    m_registration = makeEdit(m_registrationLabel, tr("Authorisation no. :"));
    m_registrationLabel->setVisible(false);
    m_registration->setVisible(false);
    m_parcel = new ParcelPanel(m_prompter, this);

    m_form = new QWidget(this);
    auto *form = new QGridLayout(m_form);
    form->setContentsMargins(0, 0, 0, 0);
    form->addWidget(m_codeLabel, 0, 0);
    form->addWidget(m_code, 0, 1);
    form->addWidget(m_descriptionLabel, 1, 0);
    form->addWidget(m_description, 1, 1, 1, 3);
    form->addWidget(m_numberLabel, 2, 0);
    form->addWidget(m_number, 2, 1);
    form->addWidget(m_relationshipLabel, 2, 2);
    form->addWidget(m_relationship, 2, 3);
    form->addWidget(m_placeLabel, 3, 0);
    form->addWidget(m_place, 3, 1);
    form->addWidget(m_print, 3, 2, 1, 2);
    form->addWidget(m_registrationLabel, 4, 0);
    form->addWidget(m_registration, 4, 1);
    form->addWidget(m_parcel, 5, 0, 1, 4);
    form->setColumnStretch(1, 1);
    form->setColumnStretch(3, 1);

    m_list = new QTableView(this);
    m_list->setModel(&m_editor->statistics());
    // A list cut short while scrolling says why; queued, so that the message box does not open
    // inside the view's own painting.
    connect(
        &m_editor->statistics(), &StatisticsModel::readFailed, this,
        [this] {
            if (const auto &failure = m_editor->statistics().failure())
                m_prompter.error(DbErrorText::describe(*failure, m_farm.databasePath()));
        },
        Qt::QueuedConnection);
    m_list->setShowGrid(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->setVisible(false);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    m_list->setWordWrap(false);
    m_list->setAccessibleName(tr("Statistics"));
    for (int column = 0; column < 6; ++column)
        m_list->setColumnWidth(column, ColumnWidth);
    m_exportListAction = new QAction(tr("Export list as CSV..."), m_list);
    m_exportListAction->setEnabled(false);
    m_list->addAction(m_exportListAction);
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto *right = new QVBoxLayout;
    right->addWidget(m_form);
    right->addWidget(m_list, 1);

    // The list keeps 5 pixels from the right and bottom edges as the view grows.
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addLayout(treeColumn, 1);
    layout->addLayout(right, 2);

    setTabOrder(m_tree, m_workersHours);
    setTabOrder(m_workersHours, m_stockArticles);
    setTabOrder(m_stockArticles, m_code);
    setTabOrder(m_code, m_description);
    setTabOrder(m_description, m_number);
    setTabOrder(m_number, m_relationship);
    setTabOrder(m_relationship, m_place);
    setTabOrder(m_place, m_print);
    setTabOrder(m_print, m_registration);
    setTabOrder(m_registration, m_list);

    connectSignals();
}

void CTabelleView::connectSignals()
{
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CTabelleView::treeCurrentChanged);
    connect(m_editor.get(), &RegistryEditor::currentNodeChanged, this,
            &CTabelleView::showCurrentNode);
    connect(m_exportListAction, &QAction::triggered, this, &CTabelleView::exportList);
    connect(m_tree, &QTreeView::expanded, this, [this](const QModelIndex &index) {
        m_editor->nodeExpanded(m_editor->tree().itemFromIndex(index), true);
    });
    connect(m_tree, &QTreeView::collapsed, this, [this](const QModelIndex &index) {
        m_editor->nodeExpanded(m_editor->tree().itemFromIndex(index), false);
    });
    connect(m_workersHours, &QRadioButton::clicked, this, [this] {
        runGuarded([this] {
            BusyCursor busy;
            m_editor->setChoice(0);
        });
    });
    connect(m_stockArticles, &QRadioButton::clicked, this, [this] {
        runGuarded([this] {
            BusyCursor busy;
            m_editor->setChoice(1);
        });
    });
}

// The view holds the farm's database and period and lets go of them as the session says.
void CTabelleView::followSession()
{
    connect(&m_farm, &FarmSession::aboutToReplaceDatabase, this, &CTabelleView::releaseDatabase);
    connect(&m_farm, &FarmSession::databaseReplaced, this, &CTabelleView::takeReplacedDatabase);
    connect(&m_farm, &FarmSession::periodChanged, this, &CTabelleView::applyWorkingPeriod);
}

void CTabelleView::runGuarded(const std::function<void()> &work)
{
    ErrorBoundary::run(m_prompter, m_farm.databasePath(), work);
}

// The user moved the tree's current node: the editor decides what is shown. While a new record
// waits for Save or Cancel insert it keeps its node, and the tree goes back to it.
void CTabelleView::treeCurrentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (m_showingSelection)
        return;
    RegistryTreeModel &model = m_editor->tree();
    if (m_editor->isNewRecordMode()) {
        if (QStandardItem *node = m_editor->selectedNode())
            showSelectionLater(model.indexFromItem(node));
        return;
    }
    QScopedValueRollback<bool> reporting(m_reportingChange, true);
    runGuarded([&] {
        BusyCursor busy;
        m_editor->nodeSelected(model.itemFromIndex(current), model.itemFromIndex(previous));
    });
}

void CTabelleView::showSelection(const QModelIndex &index)
{
    QScopedValueRollback<bool> showing(m_showingSelection, true);
    m_tree->setCurrentIndex(index);
}

// A selection the editor asks for while the tree is still reporting a change is shown once the
// tree has finished with it.
void CTabelleView::showSelectionLater(const QModelIndex &index)
{
    if (m_tree->currentIndex() == index)
        return;
    QTimer::singleShot(0, this, [this, index = QPersistentModelIndex(index)] {
        if (index.isValid())
            showSelection(index);
    });
}

void CTabelleView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_filled && m_db) {
        m_filled = true;
        fillTree();
    }
}

void CTabelleView::releaseDatabase()
{
    m_editor->setDatabase(nullptr);
    m_db = nullptr;
    showFormAvailability();
}

void CTabelleView::setDatabase(Database *database)
{
    m_db = database;
    m_editor->setDatabase(database);
    showFormAvailability();
    if (!m_filled && m_db && isVisible()) {
        m_filled = true;
        fillTree();
    }
}

void CTabelleView::takeReplacedDatabase()
{
    setDatabase(m_farm.isOpen() ? &m_farm.database() : nullptr);
    rebuildTree();
}

// Without a database there is no record: the form shows neither labels nor values, and
// nothing can be typed into it.
void CTabelleView::showFormAvailability()
{
    const bool available = m_db && m_db->isOpen();
    if (!available) {
        m_code->clear();
        m_description->clear();
        m_number->clear();
        m_place->clear();
        m_registration->clear();
        m_relationship->setCurrentIndex(-1);
        m_print->setChecked(false);
    }
    m_form->setEnabled(available);
    m_form->setVisible(available);
}

void CTabelleView::fillTree()
{
    runGuarded([this] {
        BusyCursor busy;
        m_editor->fillTree();
    });
    m_filled = true;
    (m_editor->choice() == 1 ? m_stockArticles : m_workersHours)->setChecked(true);
}

void CTabelleView::rebuildTree()
{
    runGuarded([this] {
        BusyCursor busy;
        m_editor->setDatabase(m_db);
        m_editor->rebuildTree();
    });
    m_filled = true;
    (m_editor->choice() == 1 ? m_stockArticles : m_workersHours)->setChecked(true);
}

void CTabelleView::applyWorkingPeriod(const WorkingPeriod &period)
{
    runGuarded([&] {
        BusyCursor busy;
        m_editor->applyWorkingPeriod(period);
    });
}

void CTabelleView::saveState()
{
    if (m_filled)
        m_editor->saveState();
}

QLineEdit *CTabelleView::focusedEdit() const
{
    for (QLineEdit *edit : {m_code, m_description, m_number, m_place, m_registration})
        if (edit->hasFocus())
            return edit;
    return nullptr;
}

bool CTabelleView::isCommandEnabled(ViewCommand command) const
{
    QLineEdit *edit = focusedEdit();
    switch (command) {
    case ViewCommand::Add:
        return m_editor->isEnabled(RegistryEditor::Command::Add);
    case ViewCommand::Save:
        return m_editor->isEnabled(RegistryEditor::Command::Save);
    case ViewCommand::CancelInsert:
        return m_editor->isEnabled(RegistryEditor::Command::CancelInsert);
    case ViewCommand::Delete:
        return m_editor->isEnabled(RegistryEditor::Command::Delete);
    case ViewCommand::NewFieldsYear:
        return m_db && m_db->isOpen() && !m_yearDialog;
    case ViewCommand::Print:
    case ViewCommand::Preview:
        return m_printHandler && m_db && m_db->isOpen() && m_editor->selectedNode();
    case ViewCommand::Help:
        return true;
    case ViewCommand::Undo:
        return edit && edit->isUndoAvailable();
    case ViewCommand::Cut:
    case ViewCommand::Copy:
        return edit && edit->hasSelectedText();
    case ViewCommand::Paste:
        return edit != nullptr;
    default:
        return false;
    }
}

void CTabelleView::runCommand(ViewCommand command)
{
    if (!isCommandEnabled(command))
        return;
    QLineEdit *edit = focusedEdit();
    switch (command) {
    case ViewCommand::Add:
        m_editor->add();
        break;
    case ViewCommand::Save:
        m_editor->save();
        break;
    case ViewCommand::CancelInsert:
        m_editor->cancelInsert();
        break;
    case ViewCommand::Delete:
        m_editor->deleteSelected();
        break;
    case ViewCommand::NewFieldsYear:
        newFieldsYear();
        break;
    case ViewCommand::Print:
    case ViewCommand::Preview:
        m_printHandler(*this, command == ViewCommand::Preview);
        break;
    case ViewCommand::Help:
        m_host.showHelpPage(int(HelpTopic::RegistriesView));
        break;
    case ViewCommand::Undo:
        edit->undo();
        break;
    case ViewCommand::Cut:
        edit->cut();
        break;
    case ViewCommand::Copy:
        edit->copy();
        break;
    case ViewCommand::Paste:
        edit->paste();
        break;
    default:
        break;
    }
}

QList<int> CTabelleView::listColumnWidths() const
{
    QList<int> widths;
    for (int column = 0; column < StatisticsModel::ColumnCount; ++column)
        widths << m_list->columnWidth(column);
    return widths;
}

void CTabelleView::newFieldsYear()
{
    m_yearDialog = new CAnnoDlg(this, *m_db, m_clock.now().date().year());
    m_yearDialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_yearDialog, &QDialog::finished, this, [this](int result) {
        CAnnoDlg *dialog = m_yearDialog;
        m_yearDialog = nullptr;
        // Closed without OK: no years were chosen, so there is nothing to copy or ask.
        if (result != QDialog::Accepted || !m_db)
            return;
        runGuarded([&] {
            FieldYears::copyWithQuestion(*m_db, m_prompter, dialog->managedYear(),
                                         dialog->productionYear());
        });
    });
    m_yearDialog->open();
}

void CTabelleView::setListExportHandler(ListExportHandler handler)
{
    m_listExportHandler = std::move(handler);
    m_exportListAction->setEnabled(bool(m_listExportHandler));
}

void CTabelleView::exportList()
{
    if (m_listExportHandler && m_db && m_db->isOpen())
        runGuarded([this] { m_listExportHandler(*this); });
}

void CTabelleView::setFieldYearChooser(std::function<std::optional<int>(int, int)> chooser)
{
    m_yearChooser = std::move(chooser);
}

RegistryForm::Texts CTabelleView::formTexts() const
{
    RegistryForm::Texts texts;
    texts.code = m_code->text();
    texts.description = m_description->text();
    texts.number = m_held.numberShown ? m_number->text() : m_held.number;
    texts.place = m_held.placeShown ? m_place->text() : m_held.place;
    texts.relationship = !m_held.relationshipShown            ? m_held.relationship
                         : m_relationship->currentIndex() < 0 ? 0
                                                              : m_relationship->currentIndex();
    texts.printInNotebook = m_print->isChecked();
    texts.registration = m_registration->text();
    texts.parcel = m_parcel->parcel();
    return texts;
}

void CTabelleView::showForm(const RegistryForm::Texts &texts)
{
    m_code->setText(texts.code);
    m_description->setText(texts.description);
    m_held.number = texts.number;
    m_held.place = texts.place;
    m_held.relationship = texts.relationship;
    m_number->setText(m_held.numberShown ? texts.number : QString());
    m_place->setText(m_held.placeShown ? texts.place : QString());
    m_relationship->setCurrentIndex(m_held.relationshipShown ? texts.relationship : -1);
    m_print->setChecked(texts.printInNotebook);
    m_registration->setText(texts.registration);
    m_parcel->showTexts(texts);
}

void CTabelleView::showLayout(const RegistryForm::Layout &layout)
{
    auto setLabel = [](QLabel *label, QWidget *control, const QString &text) {
        label->setText(text);
        control->setAccessibleName(accessibleText(text));
    };
    setLabel(m_descriptionLabel, m_description, layout.descriptionLabel);
    setLabel(m_numberLabel, m_number, layout.numberLabel);
    setLabel(m_placeLabel, m_place, layout.placeLabel);
    m_number->setEnabled(layout.numberEnabled);
    m_numberLabel->setEnabled(layout.numberEnabled);
    m_place->setEnabled(layout.placeEnabled);
    m_placeLabel->setEnabled(layout.placeEnabled);
    m_relationship->setVisible(layout.relationshipVisible);
    m_relationshipLabel->setVisible(layout.relationshipVisible);
    m_relationship->setEnabled(layout.relationshipEnabled);
    m_relationshipLabel->setEnabled(layout.relationshipEnabled);
    m_print->setVisible(layout.printVisible);
    setLabel(m_registrationLabel, m_registration, layout.registrationLabel);
    m_registrationLabel->setVisible(layout.registrationVisible);
    m_registration->setVisible(layout.registrationVisible);
    m_registrationLabel->setEnabled(layout.registrationEnabled);
    m_registration->setEnabled(layout.registrationEnabled);
    if (layout.registrationMaxLength > 0)
        m_registration->setMaxLength(layout.registrationMaxLength);
    m_parcel->applyLayout(layout);
    showUsedFields(layout.numberEnabled, layout.placeEnabled,
                   layout.relationshipVisible && layout.relationshipEnabled);
}

void CTabelleView::showUsedFields(bool number, bool place, bool relationship)
{
    // A field turning unused keeps what it showed; one turning used shows what was kept.
    const auto follow = [](QLineEdit *edit, bool &shown, QString &held, bool used) {
        if (shown == used)
            return;
        if (!used)
            held = edit->text();
        edit->setText(used ? held : QString());
        shown = used;
    };
    follow(m_number, m_held.numberShown, m_held.number, number);
    follow(m_place, m_held.placeShown, m_held.place, place);
    if (m_held.relationshipShown != relationship) {
        if (!relationship)
            m_held.relationship = qMax(0, m_relationship->currentIndex());
        m_relationship->setCurrentIndex(relationship ? m_held.relationship : -1);
        m_held.relationshipShown = relationship;
    }
}

void CTabelleView::showCurrentNode(QStandardItem *node)
{
    const QModelIndex index = node ? m_editor->tree().indexFromItem(node) : QModelIndex();
    if (m_reportingChange)
        showSelectionLater(index);
    else
        showSelection(index);
}

void CTabelleView::expandNode(QStandardItem *node)
{
    m_tree->expand(m_editor->tree().indexFromItem(node));
}

bool CTabelleView::isExpanded(QStandardItem *node) const
{
    return m_tree->isExpanded(m_editor->tree().indexFromItem(node));
}

void CTabelleView::focusCode()
{
    m_code->setFocus();
    m_code->selectAll();
}

std::optional<int> CTabelleView::chooseFieldYear(int first, int last)
{
    if (m_yearChooser)
        return m_yearChooser(first, last);
    CAnnoDlg dialog(this, first, last);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.productionYear();
}
