#pragma once

#include <QObject>

class QLabel;
class QStatusBar;
class QToolButton;
struct WorkingPeriod;

// What the main window's status bar shows besides the command prompts: the working period,
// which a click opens in Settings, the read-only mark of the farm and the lock keys. Its texts
// belong to the main window's translations.
class FrameStatusBar : public QObject
{
    Q_OBJECT
public:
    explicit FrameStatusBar(QStatusBar &bar);

    QToolButton *periodIndicator() const { return m_period; }
    QLabel *accessIndicator() const { return m_access; }
    QLabel *lockIndicator(int index) const { return m_locks[index]; }

    // A period the settings hold in a form that cannot be read is shown as such.
    void showPeriod(const WorkingPeriod &period);
    void showAccess(bool readOnly);
    void updateLockIndicators();

signals:
    void periodClicked();

private:
    void addLockIndicators(QStatusBar &bar);

    QToolButton *m_period = nullptr;
    QLabel *m_access = nullptr;
    QLabel *m_locks[3] = {nullptr, nullptr, nullptr};
};
