#pragma once

#include <QDialog>

// "About...": the program's icon, version line and rights notice.
class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget *parent = nullptr);
};
