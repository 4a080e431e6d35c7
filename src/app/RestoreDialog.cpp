#include "RestoreDialog.h"

#include "base/Prompter.h"
#include "base/SettingsKeys.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The farm as the list names it: its file, then the folder that tells two of one name apart.
QString farmText(const QString &farm)
{
    if (farm.isEmpty())
        return RestoreDialog::tr("Not recorded (an older backup)");
    const QFileInfo file(farm);
    return RestoreDialog::tr("%1 in %2")
        .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath()));
}

} // namespace

RestoreDialog::RestoreDialog(const QList<BackupRotation::Backup> &backups, const QString &folder,
                             Prompter &prompter, QWidget *parent, const QString &workingFarm)
    : QDialog(parent), m_prompter(prompter), m_folder(folder)
{
    setWindowTitle(tr("Restore a backup"));
    auto *label = new QLabel(tr("Backups in %1:").arg(QDir::toNativeSeparators(folder)), this);
    label->setWordWrap(true);

    m_list = new QTreeWidget(this);
    m_list->setHeaderLabels({tr("Farm"), tr("Date"), tr("Size")});
    m_list->setRootIsDecorated(false);
    m_list->setAccessibleName(tr("Backups"));
    label->setBuddy(m_list);
    const QLocale locale;
    // The working farm's backups first: the one a user means to put back is at the top.
    const QString working = workingFarm.isEmpty() ? SettingsKeys::Database.read() : workingFarm;
    for (const BackupRotation::Backup &backup : BackupRotation::farmFirst(backups, working)) {
        auto *row = new QTreeWidgetItem(
            m_list, {farmText(backup.farm),
                     locale.toString(backup.made.date(), QLocale::LongFormat) + QLatin1Char(' ') +
                         locale.toString(backup.made.time(), QLocale::ShortFormat),
                     locale.formattedDataSize(backup.size, 1, QLocale::DataSizeTraditionalFormat)});
        row->setData(0, Qt::UserRole, backup.path);
        for (int column = 0; column < 2; ++column)
            row->setToolTip(column, QDir::toNativeSeparators(backup.path));
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("&Restore"));
    QPushButton *other =
        m_buttons->addButton(tr("&Other backup archive..."), QDialogButtonBox::ActionRole);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
    if (backups.isEmpty())
        layout->addWidget(new QLabel(tr("No automatic backup has been made yet."), this));
    layout->addWidget(m_buttons);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(other, &QPushButton::clicked, this, &RestoreDialog::chooseOther);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &RestoreDialog::selectionChanged);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    selectionChanged();
    resize(640, 320);
}

void RestoreDialog::selectionChanged()
{
    const QTreeWidgetItem *row = m_list->currentItem();
    m_archive = row && row->isSelected() ? row->data(0, Qt::UserRole).toString() : QString();
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!m_archive.isEmpty());
}

void RestoreDialog::chooseOther()
{
    const QString path = m_prompter.openFileName(tr("Choose a backup archive"), m_folder,
                                                 tr("Backup archives (*.zip);;All files (*)"), {});
    if (path.isEmpty())
        return;
    m_archive = path;
    accept();
}
