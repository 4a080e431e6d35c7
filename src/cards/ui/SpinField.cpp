#include "SpinField.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

SpinField::SpinField(const CardForm::Field &field, QWidget *parent)
    : QWidget(parent), m_field(field), m_edit(new QLineEdit(this))
{
    auto *up = new QToolButton(this);
    auto *down = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    for (QToolButton *button : {up, down}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(16, 11);
    }
    up->setAccessibleName(tr("Increase"));
    down->setAccessibleName(tr("Decrease"));
    connect(up, &QToolButton::clicked, this, [this] { step(1); });
    connect(down, &QToolButton::clicked, this, [this] { step(-1); });

    auto *buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(0);
    buttons->addWidget(up);
    buttons->addWidget(down);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(m_edit);
    layout->addLayout(buttons);
    setFocusProxy(m_edit);
    m_edit->installEventFilter(this);
}

QString SpinField::text() const
{
    return m_edit->text();
}

void SpinField::setText(const QString &text)
{
    m_edit->setText(text);
}

void SpinField::step(int delta)
{
    m_edit->setText(CardForm::stepped(m_edit->text(), delta, m_field));
}

bool SpinField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
