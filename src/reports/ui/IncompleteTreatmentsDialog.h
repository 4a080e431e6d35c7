#pragma once

#include "reports/TreatmentRecord.h"

#include <QDialog>

class QLabel;
class QTreeWidget;

// The applications of a record of treatments that lack an element, one line each (day,
// product, field or crop, what is missing). A double click on one asks for its work to be
// opened, so the user can complete it, and closes the list.
class IncompleteTreatmentsDialog : public QDialog
{
    Q_OBJECT

public:
    IncompleteTreatmentsDialog(const QString &headline,
                               const QList<TreatmentRecord::Treatment> &incomplete,
                               QWidget *parent = nullptr);

    QTreeWidget *list() const { return m_list; }

signals:
    void openWork(qint64 cardId, qint64 workId);

private:
    QLabel *m_headline;
    QTreeWidget *m_list;
};
