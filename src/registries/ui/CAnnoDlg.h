#pragma once

#include <QDialog>

class Database;
class QComboBox;
class QLabel;

// "Year Fields": chooses the production year (and, when copying a year's fields, the year
// whose fields are copied).
class CAnnoDlg : public QDialog
{
    Q_OBJECT

public:
    // Two-combo form: free years from thisYear to thisYear + 10, years with fields from
    // thisYear down to thisYear - 10, each list with its first entry chosen.
    CAnnoDlg(QWidget *parent, Database &db, int thisYear);
    // Single-combo form: every year from firstYear to lastYear, none chosen.
    CAnnoDlg(QWidget *parent, int firstYear, int lastYear);

    // Valid once the dialog was closed with OK; 0 for an empty choice.
    int productionYear() const { return m_productionYear; }
    int managedYear() const { return m_managedYear; }

    QComboBox *productionCombo() const { return m_production; }
    QComboBox *managedCombo() const { return m_managed; }

    void accept() override;

private:
    void build(bool twoCombos);

    QComboBox *m_production = nullptr;
    QComboBox *m_managed = nullptr;
    QLabel *m_managedLabel = nullptr;
    bool m_twoCombos = true;
    int m_productionYear = 0;
    int m_managedYear = 0;
};
