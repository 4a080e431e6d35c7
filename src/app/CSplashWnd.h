#pragma once

#include <QSplashScreen>

// The picture shown while the program starts. It goes after 750 ms, or at once when the user
// presses a key or a mouse button anywhere in the program; that input is swallowed.
class CSplashWnd : public QSplashScreen
{
    Q_OBJECT
public:
    static constexpr int DisplayMilliseconds = 750;

    explicit CSplashWnd(QWidget *mainWindow);
    ~CSplashWnd() override;

    static QPixmap picture();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void dismiss();

    QWidget *m_mainWindow;
};
