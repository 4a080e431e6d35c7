#include "CAttesa.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

CAttesa::CAttesa(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Processing..."));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setModal(false);
    auto *layout = new QVBoxLayout(this);
    for (int line = 0; line < 2; ++line) {
        m_labels[line] = new QLabel(this);
        m_bars[line] = new QProgressBar(this);
        m_bars[line]->setRange(0, 100);
        m_bars[line]->setValue(0);
        m_bars[line]->setTextVisible(false);
        m_labels[line]->setBuddy(m_bars[line]);
        layout->addWidget(m_labels[line]);
        layout->addWidget(m_bars[line]);
    }
    setMinimumWidth(360);
}

void CAttesa::setText(int line, const QString &text)
{
    m_labels[line & 1]->setText(text);
    m_bars[line & 1]->setAccessibleName(text);
    refresh();
}

void CAttesa::setRange(int line, int minimum, int maximum)
{
    m_bars[line & 1]->setRange(minimum, maximum);
    refresh();
}

void CAttesa::setValue(int line, int value)
{
    m_bars[line & 1]->setValue(value);
    refresh();
}

QString CAttesa::text(int line) const
{
    return m_labels[line & 1]->text();
}

QProgressBar *CAttesa::bar(int line) const
{
    return m_bars[line & 1];
}

void CAttesa::refresh()
{
    if (isVisible())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
