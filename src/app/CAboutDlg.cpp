#include "CAboutDlg.h"

#include "online/VersionText.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("About..."));
    auto *layout = new QGridLayout(this);
    auto *icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/verdimo.svg")).pixmap(48, 48));
    icon->setAccessibleName(QStringLiteral("Verdimo"));
    auto *version =
        new QLabel(tr("Verdimo Version %1 for Linux").arg(VersionText::programVersion()), this);
    auto *rights = new QLabel(tr("Copyright (C) Brivex. All rights reserved."), this);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(version, 0, 1);
    layout->addWidget(rights, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
