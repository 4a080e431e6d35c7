#include "CAnnoDlg.h"

#include "registries/FieldYears.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

void addYears(QComboBox *combo, const QList<int> &years)
{
    for (int year : years)
        combo->addItem(QString::number(year));
}

} // namespace

CAnnoDlg::CAnnoDlg(QWidget *parent, Database &db, int thisYear) : QDialog(parent)
{
    build(true);
    addYears(m_production, FieldYears::freeYears(db, thisYear));
    addYears(m_managed, FieldYears::usedYears(db, thisYear));
    m_production->setCurrentIndex(m_production->count() > 0 ? 0 : -1);
    m_managed->setCurrentIndex(m_managed->count() > 0 ? 0 : -1);
}

CAnnoDlg::CAnnoDlg(QWidget *parent, int firstYear, int lastYear) : QDialog(parent)
{
    build(false);
    addYears(m_production, FieldYears::range(firstYear, lastYear));
    m_production->setCurrentIndex(-1);
}

void CAnnoDlg::build(bool twoCombos)
{
    m_twoCombos = twoCombos;
    setWindowTitle(tr("Year Fields"));
    auto *layout = new QVBoxLayout(this);

    auto *productionLabel = new QLabel(tr("Enter the year of &production:"), this);
    m_production = new QComboBox(this);
    productionLabel->setBuddy(m_production);
    m_production->setAccessibleName(tr("Enter the year of production:"));
    layout->addWidget(productionLabel);
    layout->addWidget(m_production);

    m_managedLabel = new QLabel(tr("Enter year to &manage:"), this);
    m_managed = new QComboBox(this);
    m_managedLabel->setBuddy(m_managed);
    m_managed->setAccessibleName(tr("Enter year to manage:"));
    layout->addWidget(m_managedLabel);
    layout->addWidget(m_managed);
    m_managedLabel->setVisible(twoCombos);
    m_managed->setVisible(twoCombos);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CAnnoDlg::accept);
    layout->addWidget(buttons);
}

void CAnnoDlg::accept()
{
    m_productionYear = m_production->currentText().toInt();
    m_managedYear = m_twoCombos ? m_managed->currentText().toInt() : 0;
    QDialog::accept();
}
