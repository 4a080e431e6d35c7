#include "FrameStatusBar.h"

#include "LockKeyState.h"
#include "base/DateText.h"
#include "base/WorkingPeriod.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>
#include <QToolButton>

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("CMainFrame", source);
}

} // namespace

FrameStatusBar::FrameStatusBar(QStatusBar &bar) : QObject(&bar)
{
    m_period = new QToolButton(&bar);
    m_period->setObjectName(QStringLiteral("periodIndicator"));
    m_period->setAutoRaise(true);
    m_period->setFocusPolicy(Qt::NoFocus);
    m_period->setToolTip(text(QT_TRANSLATE_NOOP(
        "CMainFrame",
        "The days whose cards the program shows: click to change them in Settings.")));
    connect(m_period, &QToolButton::clicked, this, &FrameStatusBar::periodClicked);
    bar.addPermanentWidget(m_period);

    m_access = new QLabel(text(QT_TRANSLATE_NOOP("CMainFrame", "read-only")), &bar);
    m_access->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_access->setToolTip(text(QT_TRANSLATE_NOOP("CMainFrame", "The database can only be read.")));
    m_access->hide();
    bar.addPermanentWidget(m_access);
    addLockIndicators(bar);
}

void FrameStatusBar::addLockIndicators(QStatusBar &bar)
{
    // The short names of the lock keys, as keyboards and status bars print them.
    static const char *const names[] = {QT_TRANSLATE_NOOP("CMainFrame", "CAP"),
                                        QT_TRANSLATE_NOOP("CMainFrame", "NUM"),
                                        QT_TRANSLATE_NOOP("CMainFrame", "SCRL")};
    static const char *const lockNames[] = {QT_TRANSLATE_NOOP("CMainFrame", "Caps Lock"),
                                            QT_TRANSLATE_NOOP("CMainFrame", "Num Lock"),
                                            QT_TRANSLATE_NOOP("CMainFrame", "Scroll Lock")};
    for (int i = 0; i < 3; ++i) {
        m_locks[i] = new QLabel(text(names[i]), &bar);
        m_locks[i]->setAlignment(Qt::AlignCenter);
        int widest = 0;
        for (const char *name : names)
            widest = qMax(widest, m_locks[i]->fontMetrics().horizontalAdvance(text(name)));
        m_locks[i]->setMinimumWidth(widest + 12);
        m_locks[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_locks[i]->setAccessibleName(text(lockNames[i]));
        bar.addPermanentWidget(m_locks[i]);
    }
    updateLockIndicators();
}

void FrameStatusBar::showPeriod(const WorkingPeriod &period)
{
    const bool readable = period.start.isValid() && period.end.isValid();
    m_period->setText(readable ? text(QT_TRANSLATE_NOOP("CMainFrame", "Period %1"))
                                     .arg(period.daysText(ShownDatePattern()))
                               : text(QT_TRANSLATE_NOOP("CMainFrame", "Period unreadable")));
    m_period->setAccessibleName(m_period->text());
}

void FrameStatusBar::showAccess(bool readOnly)
{
    m_access->setVisible(readOnly);
}

void FrameStatusBar::updateLockIndicators()
{
    const LockKeyState::Key keys[] = {LockKeyState::CapsLock, LockKeyState::NumLock,
                                      LockKeyState::ScrollLock};
    for (int i = 0; i < 3; ++i)
        m_locks[i]->setEnabled(LockKeyState::isOn(keys[i]).value_or(false));
}
