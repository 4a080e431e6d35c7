#include "CSplashWnd.h"

#include <QApplication>
#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>

CSplashWnd::CSplashWnd(QWidget *mainWindow)
    : QSplashScreen(mainWindow ? mainWindow->screen() : QGuiApplication::primaryScreen(),
                    picture()),
      m_mainWindow(mainWindow)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAccessibleName(QStringLiteral("Verdimo"));
    qApp->installEventFilter(this);
    QTimer::singleShot(DisplayMilliseconds, this, &CSplashWnd::dismiss);
}

CSplashWnd::~CSplashWnd()
{
    qApp->removeEventFilter(this);
}

QPixmap CSplashWnd::picture()
{
    QPixmap pixmap(420, 240);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 240);
    sky.setColorAt(0.0, QColor(0x8e, 0xc5, 0xe8));
    sky.setColorAt(0.55, QColor(0xe6, 0xf2, 0xd8));
    sky.setColorAt(1.0, QColor(0x5f, 0x8f, 0x3a));
    painter.fillRect(pixmap.rect(), sky);
    // Rows of a field running to the horizon.
    painter.setPen(QPen(QColor(0x3f, 0x6b, 0x24), 3));
    for (int x = -200; x <= 620; x += 40)
        painter.drawLine(QPointF(210, 150), QPointF(x, 240));
    painter.setBrush(QColor(0xf4, 0xc4, 0x30));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(345, 60), 26, 26);
    QFont title = painter.font();
    title.setPointSize(34);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(0x1f, 0x3d, 0x12));
    painter.drawText(QRect(0, 30, 420, 70), Qt::AlignCenter, QStringLiteral("Verdimo"));
    QFont subtitle = painter.font();
    subtitle.setPointSize(11);
    subtitle.setBold(false);
    painter.setFont(subtitle);
    painter.drawText(QRect(0, 95, 420, 24), Qt::AlignCenter, QStringLiteral("Brivex"));
    painter.end();
    return pixmap;
}

bool CSplashWnd::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        dismiss();
        return true;
    default:
        return QSplashScreen::eventFilter(watched, event);
    }
}

void CSplashWnd::dismiss()
{
    qApp->removeEventFilter(this);
    close();
    if (m_mainWindow)
        m_mainWindow->update();
}
