#pragma once

#include "exchange/BackupRotation.h"

#include <QDialog>

class Prompter;
class QDialogButtonBox;
class QTreeWidget;

// The choice of Program › Restore…: the automatic backups with the farm each was made of, their
// dates and sizes, the working farm's first (the one the settings name unless given), each
// farm's newest first, and a button to choose any other backup archive.
class RestoreDialog : public QDialog
{
    Q_OBJECT

public:
    RestoreDialog(const QList<BackupRotation::Backup> &backups, const QString &folder,
                  Prompter &prompter, QWidget *parent = nullptr, const QString &workingFarm = {});

    // The archive chosen, empty before a choice.
    QString archive() const { return m_archive; }
    QTreeWidget *list() const { return m_list; }

    void chooseOther();

private:
    void selectionChanged();

    Prompter &m_prompter;
    QString m_folder;
    QTreeWidget *m_list;
    QDialogButtonBox *m_buttons;
    QString m_archive;
};
