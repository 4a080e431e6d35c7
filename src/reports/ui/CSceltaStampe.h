#pragma once

#include "reports/PrintChoice.h"

#include <QDialog>

class Prompter;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QRadioButton;

// The print choice dialog: which report to print, whether to process the data first, and
// whether the cost reports show amounts. The check boxes are enabled by the chosen report;
// the dialog answers with them as they are displayed.
class CSceltaStampe : public QDialog
{
    Q_OBJECT

public:
    explicit CSceltaStampe(Prompter &prompter, QWidget *parent = nullptr);

    PrintChoice choice() const;
    // Processing stores its results in the database: on a database that can only be read the
    // box is cleared and disabled, the reports print the data as it was last processed, and
    // the dialog says so under the box.
    void setProcessingAllowed(bool allowed);

    QRadioButton *radio(int index) const;
    QCheckBox *processBox() const { return m_process; }
    QCheckBox *economicBox() const { return m_economic; }
    // Why the processing box is disabled; hidden while processing is allowed.
    QLabel *processingReason() const { return m_processingReason; }

private:
    void radioChosen(int index);

    Prompter &m_prompter;
    QButtonGroup *m_radios;
    QCheckBox *m_process;
    QLabel *m_processingReason;
    QCheckBox *m_economic;
    bool m_processingAllowed = true;
};
