#include "CDownloadDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStyle>
#include <QVBoxLayout>

CDownloadDialog::CDownloadDialog(QWidget *parent)
    : QDialog(parent), m_text(new QLabel(this)), m_bar(new QProgressBar(this))
{
    setWindowTitle(tr("Download setup file"));
    setModal(false);

    auto *icon = new QLabel(this);
    const QIcon programIcon = QApplication::windowIcon().isNull()
                                  ? style()->standardIcon(QStyle::SP_ComputerIcon)
                                  : QApplication::windowIcon();
    icon->setPixmap(programIcon.pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    m_text->setWordWrap(true);
    m_text->setMinimumWidth(380);
    m_bar->setRange(0, 0);
    m_bar->setTextVisible(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDownloadDialog::reject);

    auto *top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(m_text, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_bar);
    layout->addWidget(buttons);
}

void CDownloadDialog::setText(int, const QString &text)
{
    m_text->setText(text);
}

void CDownloadDialog::setRange(int, int minimum, int maximum)
{
    m_bar->setRange(minimum, maximum);
}

void CDownloadDialog::setValue(int, int value)
{
    m_bar->setValue(value);
}

void CDownloadDialog::setCancelHandler(std::function<void()> handler)
{
    m_cancelHandler = std::move(handler);
}

void CDownloadDialog::open()
{
    show();
    raise();
}

QString CDownloadDialog::text() const
{
    return m_text->text();
}

void CDownloadDialog::reject()
{
    if (m_cancelHandler)
        m_cancelHandler();
}

void CDownloadDialog::closeEvent(QCloseEvent *event)
{
    event->ignore();
    reject();
}
