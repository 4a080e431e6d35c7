#include "WindowPlacement.h"

#include "CSearchScheda.h"

#include "base/SettingsKeys.h"
#include "base/SettingsStore.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>

#include <limits>

namespace {

// How the frame was shown when it closed (setting Style).
enum class WindowStyle { Normal = 1, Minimised = 2, Maximised = 3 };

// The stored value of a placement key, or nothing when the user never saved one.
std::optional<int> savedInt(const SettingsKeys::IntKey &key)
{
    constexpr int absent = std::numeric_limits<int>::min();
    const int value = SettingsStore::readInt(key.section, key.name, absent);
    return value == absent ? std::nullopt : std::optional<int>(value);
}

qint64 overlap(const QRect &a, const QRect &b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

// The first start opens centred on the main screen at about four fifths of its free area.
QRect firstStartRect()
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return QRect(0, 0, 640, 480);
    const QRect free = primary->availableGeometry();
    QRect rect(QPoint(), QSize(free.width() * 9 / 10, free.height() * 9 / 10));
    rect.moveCenter(free.center());
    return rect;
}

} // namespace

WindowPlacement::WindowPlacement(QMainWindow &frame, CSearchScheda &search)
    : m_frame(frame), m_search(search)
{
}

QRect WindowPlacement::fittedInto(const QRect &rect, const QRect &area)
{
    QRect fitted(rect.topLeft(), rect.size().boundedTo(area.size()));
    if (fitted.right() > area.right())
        fitted.moveRight(area.right());
    if (fitted.bottom() > area.bottom())
        fitted.moveBottom(area.bottom());
    if (fitted.left() < area.left())
        fitted.moveLeft(area.left());
    if (fitted.top() < area.top())
        fitted.moveTop(area.top());
    return fitted;
}

std::optional<QRect> WindowPlacement::fitted(const QRect &rect, const QList<QRect> &screenAreas)
{
    if (!rect.isValid())
        return std::nullopt;
    const QRect *best = nullptr;
    qint64 bestOverlap = 0;
    for (const QRect &area : screenAreas) {
        if (area.contains(rect.center()))
            return fittedInto(rect, area);
        if (const qint64 shared = overlap(rect, area); shared > bestOverlap) {
            best = &area;
            bestOverlap = shared;
        }
    }
    return best ? std::optional<QRect>(fittedInto(rect, *best)) : std::nullopt;
}

QList<QRect> WindowPlacement::screenAreas()
{
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}

std::optional<QRect> WindowPlacement::storedFrame()
{
    const auto left = savedInt(SettingsKeys::Left);
    const auto top = savedInt(SettingsKeys::Top);
    const auto right = savedInt(SettingsKeys::Right);
    const auto bottom = savedInt(SettingsKeys::Bottom);
    if (!left || !top || !right || !bottom)
        return std::nullopt;
    // The stored corner is the window's outer corner; the size is that of its inside.
    return fitted(QRect(*left, *top, *right - *left, *bottom - *top), screenAreas());
}

void WindowPlacement::restoreFrame()
{
    const std::optional<QRect> stored = storedFrame();
    const QRect placement = stored.value_or(firstStartRect());
    m_frame.move(placement.topLeft());
    m_frame.resize(placement.size());
    switch (WindowStyle(SettingsKeys::Style.read())) {
    case WindowStyle::Minimised:
        m_frame.showMinimized();
        break;
    case WindowStyle::Maximised:
        m_frame.showMaximized();
        break;
    default:
        m_frame.showNormal();
        break;
    }
    if (!stored)
        centreOnScreen();
}

void WindowPlacement::centreOnScreen()
{
    // Only now are the window's borders known, so the whole window can be centred.
    if (const QScreen *primary = QGuiApplication::primaryScreen();
        primary && !m_frame.isMaximized()) {
        QRect outer = m_frame.frameGeometry();
        outer.moveCenter(primary->availableGeometry().center());
        m_frame.move(outer.topLeft());
    }
}

void WindowPlacement::restoreSearchWindow()
{
    // Its own size first: the first start's place depends on its width.
    m_search.adjustSize();
    m_search.restorePlace(defaultSearchPlace());
}

QPoint WindowPlacement::defaultSearchPlace() const
{
    // The top-right corner of the frame's inside, over the free end of the menu bar and the
    // tool bar, where it hides none of the card's fields.
    const QRect inside = m_frame.geometry();
    return QPoint(inside.right() + 1 - m_search.frameGeometry().width(), inside.top());
}

void WindowPlacement::save()
{
    m_search.savePlace();
    const QRect normal = m_frame.normalGeometry();
    const QPoint frameOffset = m_frame.geometry().topLeft() - m_frame.frameGeometry().topLeft();
    const QPoint corner = normal.topLeft() - frameOffset;
    SettingsKeys::Left.write(corner.x());
    SettingsKeys::Top.write(corner.y());
    SettingsKeys::Right.write(corner.x() + normal.width());
    SettingsKeys::Bottom.write(corner.y() + normal.height());
    const WindowStyle shown = m_frame.isMinimized()   ? WindowStyle::Minimised
                              : m_frame.isMaximized() ? WindowStyle::Maximised
                                                      : WindowStyle::Normal;
    SettingsKeys::Style.write(int(shown));
}
