#include "CSceltaStampe.h"

#include "base/DomainCodes.h"
#include "base/Prompter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char *const RadioLabels[PrintChoice::RadioCount] = {
    QT_TRANSLATE_NOOP("CSceltaStampe", "&Nothing"),
    QT_TRANSLATE_NOOP("CSceltaStampe", "&Workers"),
    QT_TRANSLATE_NOOP("CSceltaStampe", "&Machines"),
    QT_TRANSLATE_NOOP("CSceltaStampe", "C&rops"),
    QT_TRANSLATE_NOOP("CSceltaStampe", "&Fields"),
    QT_TRANSLATE_NOOP("CSceltaStampe", "Costs center report"),
    QT_TRANSLATE_NOOP("CSceltaStampe", "Operations"),
    QT_TRANSLATE_NOOP("CSceltaStampe", "Others..."),
    QT_TRANSLATE_NOOP("CSceltaStampe", "Items"),
    QT_TRANSLATE_NOOP("CSceltaStampe", "Current tab"),
    QT_TRANSLATE_NOOP("CSceltaStampe", "Fields report"),
    QT_TRANSLATE_NOOP("CSceltaStampe", "Register treatments"),
    QT_TRANSLATE_NOOP("CSceltaStampe", "Treatment record (EU)"),
};

constexpr int HelpPage = static_cast<int>(HelpTopic::PrintChoice);

} // namespace

CSceltaStampe::CSceltaStampe(Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_prompter(prompter), m_radios(new QButtonGroup(this)),
      m_process(new QCheckBox(tr("Processes data"), this)),
      m_processingReason(new QLabel(tr("The database can only be read: the reports show the "
                                       "data as it was last processed."),
                                    this)),
      m_economic(new QCheckBox(tr("Economic data"), this))
{
    setWindowTitle(tr("Print choice"));

    auto *group = new QGroupBox(tr(" Print Type "), this);
    auto *groupLayout = new QVBoxLayout(group);
    for (int index = 0; index < PrintChoice::RadioCount; ++index) {
        auto *button = new QRadioButton(tr(RadioLabels[index]), group);
        m_radios->addButton(button, index);
        groupLayout->addWidget(button);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *help = buttons->addButton(tr("&Help"), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { m_prompter.showHelp(HelpPage); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_process);
    m_processingReason->setWordWrap(true);
    m_processingReason->setVisible(false);
    layout->addWidget(m_processingReason);
    layout->addWidget(m_economic);
    layout->addWidget(buttons);

    connect(m_radios, &QButtonGroup::idClicked, this, &CSceltaStampe::radioChosen);
    m_radios->button(PrintChoice::Nothing)->setChecked(true);
    m_process->setChecked(true);
    m_economic->setChecked(false);
    radioChosen(PrintChoice::Nothing);
}

void CSceltaStampe::radioChosen(int index)
{
    m_process->setEnabled(m_processingAllowed && PrintChoice::processEnabled(index));
    m_economic->setEnabled(PrintChoice::economicEnabled(index));
}

QRadioButton *CSceltaStampe::radio(int index) const
{
    return qobject_cast<QRadioButton *>(m_radios->button(index));
}

void CSceltaStampe::setProcessingAllowed(bool allowed)
{
    m_processingAllowed = allowed;
    if (!allowed)
        m_process->setChecked(false);
    m_process->setToolTip(allowed ? QString() : m_processingReason->text());
    m_processingReason->setVisible(!allowed);
    radioChosen(m_radios->checkedId());
}

PrintChoice CSceltaStampe::choice() const
{
    return {m_radios->checkedId(), m_process->isChecked(), m_economic->isChecked()};
}
