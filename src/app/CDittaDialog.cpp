#include "CDittaDialog.h"

#include "db/FarmSession.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// Letters of the tax code are shown and kept in upper case as they are typed.
class UpperCaseValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

int limitOf(const QString &key)
{
    for (const CompanyData::TextField &field : CompanyData::textFields()) {
        if (field.key == key)
            return field.limit;
    }
    return 0;
}

QString withoutMnemonic(QString text)
{
    return text.remove(QLatin1Char('&')).trimmed();
}

} // namespace

CDittaDialog::CDittaDialog(FarmSession &farm, std::function<void(int)> helpHandler, QWidget *parent)
    : QDialog(parent), m_farm(farm), m_helpHandler(std::move(helpHandler))
{
    setWindowTitle(tr("Company Information"));
    auto *layout = new QVBoxLayout(this);

    auto *holder = new QGridLayout;
    int row = 0;
    addText(holder, row++, tr("Surname or Company Name :"), SettingsKeys::CompanyName.name);
    addText(holder, row++, tr("Name :"), SettingsKeys::CompanyFirstName.name);
    addText(holder, row++, tr("City of Birth :"), SettingsKeys::CompanyBirthCity.name);
    auto *birth =
        addDate(holder, row++, tr("Date of Birth :"), SettingsKeys::CompanyBirthDate.name);
    birth->layout()->addWidget(addFlag(tr("Woman"), SettingsKeys::CompanyWoman.name));
    addText(holder, row++, tr("Codix :"), SettingsKeys::CompanyTaxCode.name)
        ->setValidator(new UpperCaseValidator(this));
    auto *vat = addText(holder, row++, tr("VAT :"), SettingsKeys::CompanyVatNumber.name);
    vat->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    holder->addWidget(addFlag(tr("Home"), SettingsKeys::CompanyAtHome.name), row++, 1);
    addText(holder, row++, tr("Address :"), SettingsKeys::CompanyAddress.name);
    addText(holder, row++, tr("City and State :"), SettingsKeys::CompanyCity.name);
    layout->addLayout(holder);

    auto *location =
        new QGroupBox(tr("Business location ( if different from home or head office )"), this);
    auto *locationLayout = new QGridLayout(location);
    addText(locationLayout, 0, tr("Address :"), SettingsKeys::LocationAddress.name);
    addText(locationLayout, 1, tr("City and State :"), SettingsKeys::LocationCity.name);
    layout->addWidget(location);

    auto *legal =
        new QGroupBox(tr("Legal Representative ( only if the holder is a legal person )"), this);
    auto *legalLayout = new QGridLayout(legal);
    addText(legalLayout, 0, tr("Surname or Company Name :"), SettingsKeys::RepresentativeName.name);
    addText(legalLayout, 1, tr("Name :"), SettingsKeys::RepresentativeFirstName.name);
    addText(legalLayout, 2, tr("City of Birth :"), SettingsKeys::RepresentativeBirthCity.name);
    auto *birth2 =
        addDate(legalLayout, 3, tr("Date of Birth :"), SettingsKeys::RepresentativeBirthDate.name);
    birth2->layout()->addWidget(addFlag(tr("Woman"), SettingsKeys::RepresentativeWoman.name));
    layout->addWidget(legal);

    auto *buttons = new QHBoxLayout;
    auto *close = new QPushButton(tr("Close"), this);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    auto *help = new QPushButton(tr("&Help"), this);
    close->setDefault(true);
    cancel->setAutoDefault(false);
    help->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    layout->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, &CDittaDialog::closeAndStore);
    connect(cancel, &QPushButton::clicked, this, &CDittaDialog::reject);
    connect(help, &QPushButton::clicked, this, &CDittaDialog::showHelp);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &CDittaDialog::showHelp);

    setData(m_farm.company());
}

QLineEdit *CDittaDialog::addText(QGridLayout *layout, int row, const QString &label,
                                 const QString &key)
{
    auto *caption = new QLabel(label, this);
    auto *field = new QLineEdit(this);
    field->setMaxLength(limitOf(key));
    field->setAccessibleName(withoutMnemonic(label));
    field->setMinimumWidth(260);
    caption->setBuddy(field);
    layout->addWidget(caption, row, 0);
    layout->addWidget(field, row, 1);
    m_texts.insert(key, field);
    return field;
}

QWidget *CDittaDialog::addDate(QGridLayout *layout, int row, const QString &label,
                               const QString &key)
{
    auto *caption = new QLabel(label, this);
    auto *box = new QWidget(this);
    auto *boxLayout = new QHBoxLayout(box);
    boxLayout->setContentsMargins(0, 0, 0, 0);
    DatePicker date;
    date.check = new QCheckBox(box);
    date.check->setAccessibleName(withoutMnemonic(label));
    date.check->setToolTip(tr("Date known"));
    date.picker = new TypedDateEdit(box);
    date.picker->setDisplayFormat(CompanyData::dateFormat());
    date.picker->setCalendarPopup(true);
    date.picker->setAccessibleName(withoutMnemonic(label));
    connect(date.check, &QCheckBox::toggled, date.picker, &QWidget::setEnabled);
    connect(date.check, &QCheckBox::toggled, this, [this, key] { m_unreadDates.remove(key); });
    connect(date.picker, &TypedDateEdit::dateChanged, this,
            [this, key] { m_unreadDates.remove(key); });
    caption->setBuddy(date.check);
    boxLayout->addWidget(date.check);
    boxLayout->addWidget(date.picker);
    boxLayout->addStretch();
    layout->addWidget(caption, row, 0);
    layout->addWidget(box, row, 1);
    m_dates.insert(key, date);
    return box;
}

QCheckBox *CDittaDialog::addFlag(const QString &label, const QString &key)
{
    auto *box = new QCheckBox(label, this);
    box->setAccessibleName(label);
    m_flags.insert(key, box);
    return box;
}

void CDittaDialog::setData(const CompanyData &data)
{
    m_unreadDates.clear();
    for (auto it = m_texts.cbegin(); it != m_texts.cend(); ++it)
        it.value()->setText(data.text(it.key()));
    for (auto it = m_flags.cbegin(); it != m_flags.cend(); ++it)
        it.value()->setChecked(data.flag(it.key()));
    for (auto it = m_dates.cbegin(); it != m_dates.cend(); ++it) {
        const QString text = data.text(it.key());
        const QDate day = QDate::fromString(text, CompanyData::dateFormat());
        const bool known = !text.isEmpty() && day.isValid();
        it.value().picker->setDate(
            known ? day : QDate::fromString(CompanyData::noDateText(), CompanyData::dateFormat()));
        it.value().check->setChecked(!text.isEmpty());
        it.value().picker->setEnabled(!text.isEmpty());
        if (!text.isEmpty() && !known)
            m_unreadDates.insert(it.key(), text);
    }
}

CompanyData CDittaDialog::data() const
{
    CompanyData data;
    for (auto it = m_texts.cbegin(); it != m_texts.cend(); ++it)
        data.setText(it.key(), it.value()->text());
    for (auto it = m_flags.cbegin(); it != m_flags.cend(); ++it)
        data.setFlag(it.key(), it.value()->isChecked());
    for (auto it = m_dates.cbegin(); it != m_dates.cend(); ++it) {
        const QString shown = it.value().check->isChecked() ? it.value().picker->text() : QString();
        data.setText(it.key(), m_unreadDates.value(it.key(), shown));
    }
    return data;
}

void CDittaDialog::closeAndStore()
{
    const CompanyData values = data();
    QDialog::accept();
    m_farm.setCompany(values);
}

void CDittaDialog::showHelp()
{
    if (m_helpHandler)
        m_helpHandler(HelpTopic);
}
