#include "COperaiDlg.h"

#include "db/FieldLimits.h"

#include "CComboSel.h"
#include "WorkIcons.h"
#include "base/NumberText.h"
#include "base/Prompter.h"
#include "base/ui/ErrorBoundary.h"
#include "cards/BbchStages.h"
#include "cards/WorkListRow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

using Field = WorkEntry::Field;

QString plainName(const QString &label)
{
    QString name = label;
    name.remove(QLatin1Char('&'));
    name.remove(QLatin1Char(':'));
    return name.trimmed();
}

// A label that names its control, for the keyboard (mnemonic) and for assistive tools.
QLabel *labelFor(const QString &text, QWidget *control)
{
    auto *label = new QLabel(text);
    label->setBuddy(control);
    control->setAccessibleName(plainName(text));
    // The edit part of an editable list takes the focus, so screen readers announce it, not
    // the list; it carries the same name.
    if (auto *list = qobject_cast<QComboBox *>(control); list && list->lineEdit())
        list->lineEdit()->setAccessibleName(plainName(text));
    return label;
}

QLabel *picture(int icon)
{
    auto *label = new QLabel;
    label->setPixmap(WorkIcons::icon(icon).pixmap(16, 16));
    label->setFixedSize(16, 16);
    return label;
}

} // namespace

COperaiDlg::COperaiDlg(const WorkEntryLookups &lookups, Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_prompter(prompter), m_lookups(lookups),
      m_treatments(lookups.database(), lookups.period())
{
    setWindowTitle(tr("Work Management"));
    setWindowIcon(WorkIcons::icon(WorkListRow::SeasonalWorker));

    auto *top = new QHBoxLayout;
    top->addWidget(buildWorkerGroup());
    top->addWidget(buildMachineGroup());

    m_summary = new QLabel(this);
    // The line's own text stays its accessible name, so that screen readers read the totals.
    m_summary->setAccessibleDescription(tr("Summary"));

    auto *saveExit = new QPushButton(tr("Save and &exit"));
    m_saveInsert = new QPushButton(tr("Save and &insert"));
    auto *cancel = new QPushButton(tr("Cancel"));
    auto *help = new QPushButton(tr("&Help"));
    saveExit->setDefault(true);
    connect(saveExit, &QPushButton::clicked, this, [this] { confirm(true); });
    connect(m_saveInsert, &QPushButton::clicked, this, [this] { confirm(false); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        if (m_help)
            m_help();
    });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {saveExit, m_saveInsert, cancel, help}) {
        button->setAutoDefault(false);
        button->setAccessibleName(plainName(button->text()));
        buttons->addWidget(button);
    }
    saveExit->setAutoDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buildCentreGroup());
    layout->addWidget(buildMovementGroup());
    layout->addWidget(buildTreatmentGroup());
    layout->addWidget(m_summary);
    layout->addLayout(buttons);
}

QLineEdit *COperaiDlg::addField(Field field)
{
    auto *edit = new QLineEdit;
    m_fields.insert(field, edit);
    return edit;
}

QComboBox *COperaiDlg::addCodeList(Field field)
{
    auto *list = new QComboBox;
    list->setMinimumWidth(160);
    QLineEdit *code = addField(field);
    code->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), code));
    m_codeLists.append({field, list, {}});
    connect(code, &QLineEdit::textChanged, this, [this, field] { codeChanged(field); });
    connect(list, &QComboBox::activated, this,
            [this, field](int index) { codePicked(field, index); });
    return list;
}

QWidget *COperaiDlg::buildWorkerGroup()
{
    auto *group = new QGroupBox(tr(" Worker "));
    auto *grid = new QGridLayout(group);
    m_workers = addCodeList(Field::WorkerCode);
    QComboBox *operations = addCodeList(Field::OperationCode);
    grid->addWidget(labelFor(tr("Worker &Code : "), m_fields[Field::WorkerCode]), 0, 0);
    grid->addWidget(m_fields[Field::WorkerCode], 0, 1);
    grid->addWidget(labelFor(tr("&Worker : "), m_workers), 1, 0);
    grid->addWidget(m_workers, 1, 1);
    grid->addWidget(picture(WorkListRow::SeasonalWorker), 1, 2);
    const std::pair<Field, const char *> hours[] = {
        {Field::RegularHours, QT_TR_NOOP("&Regular Hours :")},
        {Field::OvertimeHours, QT_TR_NOOP("Over&time :")},
        {Field::HolidayHours, QT_TR_NOOP("Holida&y Hours :")}};
    int row = 2;
    for (const auto &[field, label] : hours) {
        QLineEdit *edit = addField(field);
        grid->addWidget(labelFor(tr(label), edit), row, 0);
        grid->addWidget(edit, row++, 1);
    }
    grid->addWidget(labelFor(tr("O&peration Code :"), m_fields[Field::OperationCode]), row, 0);
    grid->addWidget(m_fields[Field::OperationCode], row++, 1);
    grid->addWidget(labelFor(tr("Opera&tion :"), operations), row, 0);
    grid->addWidget(operations, row, 1);
    grid->addWidget(picture(WorkListRow::Gears), row, 2);
    return group;
}

QWidget *COperaiDlg::buildMachineGroup()
{
    auto *group = new QGroupBox(tr(" Machines "));
    auto *grid = new QGridLayout(group);
    const std::tuple<Field, const char *, const char *> machines[] = {
        {Field::Machine1, QT_TR_NOOP("&Machine Code (1) :"), QT_TR_NOOP("Machine (&1) :")},
        {Field::Machine2, QT_TR_NOOP("Machi&ne Code (2) :"), QT_TR_NOOP("Machine (&2) :")},
        {Field::Machine3, QT_TR_NOOP("Mac&hine Code (3) :"), QT_TR_NOOP("Machine (&3) :")}};
    int row = 0;
    for (const auto &[field, codeLabel, listLabel] : machines) {
        QComboBox *list = addCodeList(field);
        grid->addWidget(labelFor(tr(codeLabel), m_fields[field]), row, 0);
        grid->addWidget(m_fields[field], row++, 1);
        grid->addWidget(labelFor(tr(listLabel), list), row, 0);
        grid->addWidget(list, row, 1);
        grid->addWidget(picture(WorkListRow::Tractor), row++, 2);
    }
    return group;
}

QWidget *COperaiDlg::buildCentreGroup()
{
    auto *group = new QGroupBox(tr(" Cost Center "));
    auto *grid = new QGridLayout(group);
    m_kind = new QComboBox;
    for (int kind = 0; kind < WorkEntry::KindCount; ++kind)
        m_kind->addItem(WorkEntry::kindName(kind));
    m_centres = new QComboBox;
    QLineEdit *code = addField(Field::CentreCode);
    code->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), code));
    connect(code, &QLineEdit::textChanged, this, &COperaiDlg::centreCodeChanged);
    connect(m_kind, &QComboBox::activated, this, &COperaiDlg::pickKind);
    connect(m_centres, &QComboBox::activated, this, &COperaiDlg::pickCentre);
    grid->addWidget(labelFor(tr("Cost Center Type:"), m_kind), 0, 0);
    grid->addWidget(m_kind, 0, 1);
    grid->addWidget(labelFor(tr("Cost Center Code :"), code), 0, 2);
    grid->addWidget(code, 0, 3);
    grid->addWidget(labelFor(tr("Cost Center :"), m_centres), 1, 0);
    grid->addWidget(m_centres, 1, 1, 1, 3);
    grid->addWidget(picture(WorkListRow::House), 1, 4);
    return group;
}

QWidget *COperaiDlg::buildMovementGroup()
{
    auto *group = new QGroupBox(tr(" Movement or Invoice "));
    auto *grid = new QGridLayout(group);
    m_items = addCodeList(Field::ItemCode);
    disconnect(m_items, &QComboBox::activated, this, nullptr);
    connect(m_items, &QComboBox::activated, this, &COperaiDlg::pickItem);
    m_movementType = new QComboBox;
    for (int type = 0; type < WorkEntry::MovementTypeCount; ++type)
        m_movementType->addItem(WorkEntry::movementTypeName(type));
    m_stage = new CComboSel;
    m_unit = new CComboSel;
    m_adversity = new CComboSel;
    m_stage->lineEdit()->setMaxLength(FieldLimits::Stage);
    m_unit->lineEdit()->setMaxLength(FieldLimits::Unit);
    m_adversity->lineEdit()->setMaxLength(FieldLimits::Adversity);
    QLineEdit *documentRef = addField(Field::DocumentRef);
    QLineEdit *quantity = addField(Field::Quantity);
    QLineEdit *value = addField(Field::Value);
    QLineEdit *vat = addField(Field::Vat);
    QLineEdit *note = addField(Field::Note);
    connect(quantity, &QLineEdit::textChanged, this, &COperaiDlg::quantityChanged);
    connect(value, &QLineEdit::textChanged, this, &COperaiDlg::updateSummary);
    connect(vat, &QLineEdit::textChanged, this, &COperaiDlg::updateSummary);

    grid->addWidget(labelFor(tr("Item Code :"), m_fields[Field::ItemCode]), 0, 0);
    grid->addWidget(m_fields[Field::ItemCode], 0, 1);
    grid->addWidget(labelFor(tr("Item :"), m_items), 0, 2);
    grid->addWidget(m_items, 0, 3);
    grid->addWidget(picture(WorkListRow::ItemBar), 0, 4);
    grid->addWidget(labelFor(tr("Movement Type :"), m_movementType), 1, 0);
    grid->addWidget(m_movementType, 1, 1);
    grid->addWidget(labelFor(tr("Stage :"), m_stage), 1, 2);
    grid->addWidget(m_stage, 1, 3);
    grid->addWidget(labelFor(tr("Ref. Doc. :"), documentRef), 2, 0);
    grid->addWidget(documentRef, 2, 1);
    grid->addWidget(labelFor(tr("Units :"), m_unit), 2, 2);
    grid->addWidget(m_unit, 2, 3);
    grid->addWidget(labelFor(tr("Quantity :"), quantity), 3, 0);
    grid->addWidget(quantity, 3, 1);
    grid->addWidget(labelFor(tr("Value :"), value), 3, 2);
    grid->addWidget(value, 3, 3);
    grid->addWidget(labelFor(tr("VAT (%) :"), vat), 4, 0);
    grid->addWidget(vat, 4, 1);
    grid->addWidget(labelFor(tr("Note :"), note), 4, 2);
    grid->addWidget(note, 4, 3);
    grid->addWidget(labelFor(tr("Adversity :"), m_adversity), 5, 0);
    grid->addWidget(m_adversity, 5, 1, 1, 3);
    return group;
}

QWidget *COperaiDlg::buildTreatmentGroup()
{
    m_treatment = new QGroupBox(tr(" Treatment "));
    auto *grid = new QGridLayout(m_treatment);
    m_treatedArea = new QLineEdit;
    m_surface = new QLabel;
    m_bbch = new QComboBox;
    m_bbch->addItem(tr("<None>"), QString());
    for (const BbchStages::Stage &stage : BbchStages::all())
        m_bbch->addItem(stage.text, stage.code);
    m_applicationTime = new QLineEdit;
    m_applicationTime->setMaxLength(5);
    m_applicationTime->setPlaceholderText(tr("HH:MM"));
    grid->addWidget(labelFor(tr("Treated area (ha) :"), m_treatedArea), 0, 0);
    grid->addWidget(m_treatedArea, 0, 1);
    grid->addWidget(m_surface, 0, 2, 1, 2);
    grid->addWidget(labelFor(tr("BBCH stage :"), m_bbch), 1, 0);
    grid->addWidget(m_bbch, 1, 1, 1, 3);
    grid->addWidget(labelFor(tr("Time of application :"), m_applicationTime), 2, 0);
    grid->addWidget(m_applicationTime, 2, 1);
    m_treatment->setVisible(false);

    connect(m_fields[Field::ItemCode], &QLineEdit::textChanged, this, &COperaiDlg::updateTreatment);
    connect(m_fields[Field::CentreCode], &QLineEdit::textChanged, this,
            &COperaiDlg::updateTreatment);
    connect(m_movementType, &QComboBox::currentIndexChanged, this, &COperaiDlg::updateTreatment);
    connect(m_kind, &QComboBox::currentIndexChanged, this, &COperaiDlg::updateTreatment);
    return m_treatment;
}

void COperaiDlg::showEvent(QShowEvent *event)
{
    if (!m_prepared) {
        m_prepared = true;
        prepare();
    }
    QDialog::showEvent(event);
}

// A list that cannot be read is reported and left as it was; the values typed stay.
bool COperaiDlg::reportFailure(const std::function<void()> &action)
{
    return !ErrorBoundary::run(m_prompter, m_farmFile, action);
}

void COperaiDlg::prepare()
{
    m_saveInsert->setEnabled(m_newEntry);
    if (reportFailure([this] { fillLists(); }))
        return;
    updateSummary();
    showValues();
}

void COperaiDlg::setEntries(QComboBox *list, const WorkEntryLookups::EntryList &entries)
{
    const QSignalBlocker blocker(list);
    list->clear();
    for (const auto &entry : entries)
        list->addItem(entry.text, entry.code);
}

void COperaiDlg::fillLists()
{
    const auto workers = m_lookups.workers();
    m_centreEntries = m_lookups.centres(m_entry.centreKind, WorkEntryLookups::FieldYears::All);
    setEntries(m_centres, m_centreEntries);
    const auto machines = m_lookups.machines();
    QStringList units;
    const auto items = m_lookups.items(&units);
    const auto operations = m_lookups.operations();
    for (CodeList &code : m_codeLists) {
        switch (code.field) {
        case Field::WorkerCode:
            code.entries = workers;
            break;
        case Field::OperationCode:
            code.entries = operations;
            break;
        case Field::ItemCode:
            code.entries = items;
            break;
        default:
            code.entries = machines;
            break;
        }
        setEntries(code.list, code.entries);
    }
    m_unit->addItems(units);
    m_stage->addItems(m_lookups.stages());
    m_adversity->addItems(m_lookups.adversities());
}

void COperaiDlg::showValues()
{
    {
        const QSignalBlocker kind(m_kind);
        const QSignalBlocker type(m_movementType);
        m_kind->setCurrentIndex(qBound(0, m_entry.centreKind, WorkEntry::KindCount - 1));
        m_movementType->setCurrentIndex(
            qBound(0, m_entry.movementType, WorkEntry::MovementTypeCount - 1));
    }
    const WorkEntry shown = m_entry;
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it)
        it.value()->setText(shown.text(it.key()));
    m_stage->setEditText(shown.stage);
    m_unit->setEditText(shown.unit);
    m_adversity->setEditText(shown.adversity);
    // Showing the quantity recomputes the value from the item's unit cost; the stored value
    // is what the work holds.
    m_fields[Field::Value]->setText(shown.text(Field::Value));

    reportFailure([&] { m_shownSurface = m_treatments.surface(shown); });
    m_offeredArea = shown.treatedAreaText(m_shownSurface);
    m_treatedArea->setText(m_offeredArea);
    const int stage = m_bbch->findData(shown.bbchStage);
    m_bbch->setCurrentIndex(stage < 0 ? 0 : stage);
    m_applicationTime->setText(shown.applicationTime);
    updateTreatment();
}

WorkEntry COperaiDlg::shownMovement() const
{
    WorkEntry shown = m_entry;
    shown.centreKind = m_kind->currentIndex();
    shown.movementType = m_movementType->currentIndex();
    shown.itemCode = WorkEntry::leadingCode(m_fields[Field::ItemCode]->text());
    return shown;
}

void COperaiDlg::updateTreatment()
{
    if (!m_prepared || !m_treatment)
        return;
    const WorkEntry shown = shownMovement();
    bool treatment = false;
    double surface = 0;
    const bool failed = reportFailure([&] {
        treatment = m_treatments.recordsTreatments() &&
                    shown.isTreatment(m_treatments.printsInRegister(shown.itemCode));
        if (treatment)
            surface = m_treatments.surface(shown);
    });
    if (failed)
        return;
    m_treatment->setVisible(treatment);
    if (!treatment)
        return;
    // Another field or centre offers its own surface, unless the user typed an area.
    if (surface != m_shownSurface && m_treatedArea->text() == m_offeredArea) {
        m_offeredArea = surface > 0 ? FormatNumber(surface, false) : QString();
        m_treatedArea->setText(m_offeredArea);
    }
    m_shownSurface = surface;
    m_surface->setText(surface > 0 ? tr("of %1 ha").arg(FormatNumber(surface, false)) : QString());
}

std::optional<WorkEntry::Error> COperaiDlg::readTreatment(WorkEntry &entry)
{
    bool treatment = false;
    double surface = 0;
    const bool failed = reportFailure([&] {
        treatment = m_treatments.recordsTreatments() &&
                    entry.isTreatment(m_treatments.printsInRegister(entry.itemCode));
        if (treatment)
            surface = m_treatments.surface(entry);
    });
    if (failed)
        return WorkEntry::Error{Field::ItemCode, QString()};
    if (!treatment) {
        entry.clearTreatment();
        return std::nullopt;
    }
    const QHash<Field, QString> texts{{Field::TreatedArea, m_treatedArea->text()},
                                      {Field::BbchStage, m_bbch->currentData().toString()},
                                      {Field::ApplicationTime, m_applicationTime->text()}};
    return entry.readTreatment(texts, surface);
}

COperaiDlg::CodeList *COperaiDlg::codeListOf(Field field)
{
    for (CodeList &code : m_codeLists)
        if (code.field == field)
            return &code;
    return nullptr;
}

void COperaiDlg::codeChanged(Field field)
{
    CodeList *code = codeListOf(field);
    const int index = WorkEntryLookups::indexOfCode(
        code->entries, WorkEntry::leadingCode(m_fields[field]->text()));
    const QSignalBlocker blocker(code->list);
    code->list->setCurrentIndex(code->entries.isEmpty() ? -1 : index);
}

void COperaiDlg::codePicked(Field field, int index)
{
    CodeList *code = codeListOf(field);
    if (index < 0 || index >= code->entries.size())
        return;
    m_fields[field]->setText(QString::number(code->entries[index].code));
}

void COperaiDlg::pickItem(int index)
{
    CodeList *code = codeListOf(Field::ItemCode);
    if (index < 0 || index >= code->entries.size())
        return;
    const int itemCode = code->entries[index].code;
    {
        const QSignalBlocker blocker(m_items);
        m_items->setCurrentIndex(index);
    }
    reportFailure([&] {
        const auto item = m_lookups.item(itemCode);
        if (!item)
            return;
        QStringList units;
        for (int i = 0; i < m_unit->count(); ++i)
            units << m_unit->itemText(i);
        const int unit = WorkEntryLookups::unitIndex(units, item->unit);
        if (unit >= 0)
            m_unit->setCurrentIndex(unit);
        const double quantity = ParseNumber(m_fields[Field::Quantity]->text(), false, false);
        m_fields[Field::Value]->setText(FormatCurrency(WorkEntryLookups::valueOf(quantity, *item)));
        updateSummary();
    });
    m_fields[Field::ItemCode]->setText(QString::number(itemCode));
}

void COperaiDlg::quantityChanged()
{
    const CodeList *code = codeListOf(Field::ItemCode);
    const int index = m_items->currentIndex();
    if (index < 0 || index >= code->entries.size())
        return;
    reportFailure([&] {
        const auto item = m_lookups.item(code->entries[index].code);
        if (!item)
            return;
        const double quantity = ParseNumber(m_fields[Field::Quantity]->text(), false, false);
        m_fields[Field::Value]->setText(FormatCurrency(WorkEntryLookups::valueOf(quantity, *item)));
        updateSummary();
    });
}

void COperaiDlg::centreCodeChanged()
{
    if (m_kind->currentIndex() <= 0)
        return;
    const int code = WorkEntry::leadingCode(m_fields[Field::CentreCode]->text());
    m_entry.centreKind = m_kind->currentIndex();
    reportFailure([&] { m_lookups.applyCentreCode(code, m_entry); });
    const QSignalBlocker blocker(m_centres);
    m_centres->setCurrentIndex(WorkEntryLookups::indexOfCode(m_centreEntries, code));
}

void COperaiDlg::pickCentre(int index)
{
    if (m_kind->currentIndex() <= 0 || index < 0 || index >= m_centreEntries.size())
        return;
    const int code = m_centreEntries[index].code;
    m_entry.centreKind = m_kind->currentIndex();
    reportFailure([&] { m_lookups.applyCentreCode(code, m_entry); });
    m_fields[Field::CentreCode]->setText(QString::number(code));
}

void COperaiDlg::pickKind(int kind)
{
    {
        const QSignalBlocker blocker(m_kind);
        m_kind->setCurrentIndex(kind);
    }
    showCentresOf(kind);
    updateTreatment();
}

void COperaiDlg::showCentresOf(int kind)
{
    if (kind <= 0) {
        // No centre: the code of the kind left behind is not shown as if it still applied.
        m_centreEntries = {{tr("<None>"), 0}};
        setEntries(m_centres, m_centreEntries);
        m_fields[Field::CentreCode]->setText(QStringLiteral("0"));
        m_centres->setCurrentIndex(0);
        return;
    }
    const bool failed = reportFailure([&] {
        m_centreEntries = m_lookups.centres(kind, WorkEntryLookups::FieldYears::WorkingPeriod);
    });
    if (failed)
        return;
    setEntries(m_centres, m_centreEntries);
    m_fields[Field::CentreCode]->setText(QStringLiteral("0"));
    const QSignalBlocker blocker(m_centres);
    m_centres->setCurrentIndex(0);
}

void COperaiDlg::updateSummary()
{
    m_summary->setText(
        WorkEntry::summary(m_fields[Field::Value]->text(), m_fields[Field::Vat]->text()));
}

QString COperaiDlg::summaryText() const
{
    return m_summary->text();
}

bool COperaiDlg::confirm(bool exit)
{
    QHash<Field, QString> texts;
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it)
        texts.insert(it.key(), it.value()->text());
    texts.insert(Field::Stage, m_stage->currentText());
    texts.insert(Field::Unit, m_unit->currentText());
    texts.insert(Field::Adversity, m_adversity->currentText());
    WorkEntry entry = m_entry;
    entry.centreKind = m_kind->currentIndex();
    entry.movementType = m_movementType->currentIndex();
    std::optional<WorkEntry::Error> error = entry.read(texts);
    if (!error)
        error = readTreatment(entry);
    if (error) {
        // A failed lookup has been reported already.
        if (!error->message.isEmpty())
            m_prompter.warning(error->message);
        const QHash<Field, QWidget *> others{
            {Field::Stage, m_stage},         {Field::Unit, m_unit},
            {Field::Adversity, m_adversity}, {Field::TreatedArea, m_treatedArea},
            {Field::BbchStage, m_bbch},      {Field::ApplicationTime, m_applicationTime}};
        QWidget *failed = others.value(error->field, m_fields.value(error->field));
        failed->setFocus();
        return false;
    }
    m_entry = entry;
    m_exit = exit;
    accept();
    return true;
}
