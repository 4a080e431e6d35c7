#include "CSearchScheda.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

CSearchScheda::CSearchScheda(QWidget *parent)
    : QDialog(parent, Qt::Tool), m_date(QDateTime::currentDateTime())
{
    setWindowTitle(tr("Form Date"));
    setModal(false);
    auto *layout = new QHBoxLayout(this);
    // Kept low so that it fits beside the tool bar without covering the view below.
    layout->setContentsMargins(4, 2, 4, 2);
    auto *label = new QLabel(tr("&Date :"), this);
    m_picker = new TypedDateEdit(this);
    m_picker->setDate(m_date.date());
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    m_picker->setDisplayFormat(format);
    m_picker->setCalendarPopup(false);
    // Typing a day reports it once it is complete, not at every keystroke.
    m_picker->setKeyboardTracking(false);
    m_picker->setAccessibleName(tr("Form Date"));
    label->setBuddy(m_picker);
    layout->addWidget(label);
    layout->addWidget(m_picker);
    connect(m_picker, &TypedDateEdit::dateChanged, this, [this](const QDate &day) {
        m_date = QDateTime(day, m_date.time());
        emit datePicked(day);
    });
}

void CSearchScheda::setDate(const QDateTime &date)
{
    m_date = date;
    const QSignalBlocker blocker(m_picker);
    m_picker->setDate(date.date());
}

void CSearchScheda::setRange(const QDateTime &start, const QDateTime &end)
{
    const QSignalBlocker blocker(m_picker);
    m_picker->setDateRange(start.date(), end.date());
}

void CSearchScheda::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    emit visibilityChanged(true);
}

void CSearchScheda::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    emit visibilityChanged(false);
}
