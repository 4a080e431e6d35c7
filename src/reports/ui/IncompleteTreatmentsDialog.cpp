#include "IncompleteTreatmentsDialog.h"

#include "reports/ReportText.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int CardRole = Qt::UserRole;
constexpr int WorkRole = Qt::UserRole + 1;

} // namespace

IncompleteTreatmentsDialog::IncompleteTreatmentsDialog(
    const QString &headline, const QList<TreatmentRecord::Treatment> &incomplete, QWidget *parent)
    : QDialog(parent), m_headline(new QLabel(headline, this)), m_list(new QTreeWidget(this))
{
    setWindowTitle(tr("Incomplete treatments"));
    m_headline->setWordWrap(true);
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Date"), tr("Product"), tr("Field or crop"), tr("Missing")});
    for (const TreatmentRecord::Treatment &treatment : incomplete) {
        QStringList missing;
        for (const TreatmentRecord::Gap gap : treatment.gaps())
            missing << TreatmentRecord::gapText(treatment, gap);
        auto *item = new QTreeWidgetItem(
            m_list, {ReportText::date(treatment.date), treatment.product,
                     TreatmentRecord::placeOf(treatment), missing.join(QStringLiteral("; "))});
        item->setData(0, CardRole, treatment.cardId);
        item->setData(0, WorkRole, treatment.workId);
        item->setToolTip(3, missing.join(QLatin1Char('\n')));
    }
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        emit openWork(item->data(0, CardRole).toLongLong(), item->data(0, WorkRole).toLongLong());
        accept();
    });

    auto *hint = new QLabel(tr("Double-click a treatment to open its work and complete it."), this);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_headline);
    layout->addWidget(m_list);
    layout->addWidget(hint);
    layout->addWidget(buttons);
    resize(900, 450);
}
