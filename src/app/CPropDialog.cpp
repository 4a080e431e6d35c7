#include "CPropDialog.h"

#include "base/Prompter.h"
#include "base/Translations.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace {

TypedDateEdit *longDatePicker(QWidget *parent)
{
    auto *picker = new TypedDateEdit(parent);
    picker->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
    picker->setCalendarPopup(true);
    return picker;
}

} // namespace

CPropDialog::CPropDialog(Prompter &prompter, std::function<void(int)> helpHandler, QWidget *parent)
    : QDialog(parent), m_prompter(prompter), m_helpHandler(std::move(helpHandler))
{
    setWindowTitle(tr("Settings"));
    auto *layout = new QGridLayout(this);

    auto *pathLabel = new QLabel(tr("Data &file :"), this);
    m_path = new QLineEdit(this);
    m_path->setMinimumWidth(320);
    m_path->setAccessibleName(tr("Data file :"));
    pathLabel->setBuddy(m_path);
    m_browse = new QPushButton(tr("&Browse..."), this);
    m_browse->setAccessibleName(tr("Browse..."));
    m_browse->setAutoDefault(false);
    layout->addWidget(pathLabel, 0, 0);
    layout->addWidget(m_path, 0, 1);
    layout->addWidget(m_browse, 0, 2);

    auto *filter = new QGroupBox(tr(" Data filter "), this);
    auto *filterLayout = new QFormLayout(filter);
    m_start = longDatePicker(filter);
    m_start->setAccessibleName(tr("From :"));
    m_end = longDatePicker(filter);
    m_end->setAccessibleName(tr("To :"));
    filterLayout->addRow(tr("&From :"), m_start);
    filterLayout->addRow(tr("&To :"), m_end);
    layout->addWidget(filter, 1, 0, 1, 3);

    auto *languageLabel = new QLabel(tr("&Language :"), this);
    m_language = new QComboBox(this);
    // The languages are named in themselves, so that a user who cannot read the current one
    // still finds their own.
    m_language->addItem(tr("System"), Translations::SystemChoice);
    m_language->addItem(QStringLiteral("English"), Translations::EnglishChoice);
    m_language->addItem(QStringLiteral("Italiano"), Translations::ItalianChoice);
    m_language->setAccessibleName(tr("Language :"));
    languageLabel->setBuddy(m_language);
    auto *languageRow = new QHBoxLayout;
    languageRow->addWidget(m_language);
    languageRow->addWidget(new QLabel(tr("(applies at the next start)"), this), 1);
    layout->addWidget(languageLabel, 2, 0);
    layout->addLayout(languageRow, 2, 1, 1, 2);

    auto *buttons = new QDialogButtonBox(this);
    auto *ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    auto *help = buttons->addButton(tr("&Help"), QDialogButtonBox::HelpRole);
    ok->setDefault(true);
    layout->addWidget(buttons, 3, 0, 1, 3);

    connect(buttons, &QDialogButtonBox::accepted, this, &CPropDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPropDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        if (m_helpHandler)
            m_helpHandler(HelpTopic);
    });
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, help,
            &QPushButton::click);
    connect(m_browse, &QPushButton::clicked, this, &CPropDialog::browse);

    // Until the command gives its values: no file and today's date.
    setValues({QString(), QDate::currentDate(), QDate::currentDate(), QString()});
}

void CPropDialog::setValues(const PropValues &values)
{
    m_path->setText(values.path);
    m_start->setDate(values.start.isValid() ? values.start : QDate::currentDate());
    m_end->setDate(values.end.isValid() ? values.end : QDate::currentDate());
    const int language = m_language->findData(values.language);
    m_language->setCurrentIndex(language < 0 ? 0 : language);
}

PropValues CPropDialog::values() const
{
    return {m_path->text(), m_start->date(), m_end->date(), m_language->currentData().toString()};
}

void CPropDialog::focusPeriod()
{
    m_start->setFocus(Qt::OtherFocusReason);
    m_start->selectAll();
}

void CPropDialog::accept()
{
    if (SettingsCommand::validate(values(), m_prompter))
        QDialog::accept();
}

void CPropDialog::browse()
{
    const SettingsCommand::BrowseStart start = SettingsCommand::browseStart(m_path->text());
    QString initial = start.name;
    if (!start.name.isEmpty())
        initial += QStringLiteral(".mdb");
    if (!start.folder.isEmpty())
        initial = QDir(start.folder).filePath(initial);
    QFileDialog dialog(this, tr("Verdimo : Select database"), initial,
                       tr("Database Verdimo (*.mdb)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDefaultSuffix(QStringLiteral("mdb"));
    if (!start.folder.isEmpty())
        dialog.setDirectory(start.folder);
    if (!start.name.isEmpty())
        dialog.selectFile(initial);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        m_path->setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}
