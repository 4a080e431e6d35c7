#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

#include <optional>

class QMainWindow;
class CSearchScheda;

// Where the main window and its search window stand, kept in the settings store: the window's
// normal rectangle and show state, and the search window's corner. A rectangle saved on a
// screen that is gone opens as on the first start; one larger than the screen it lies on now
// (after a monitor change) is made to fit that screen.
class WindowPlacement
{
public:
    WindowPlacement(QMainWindow &frame, CSearchScheda &search);

    // Places and shows the frame as it was saved, or centred on the main screen at the first
    // start.
    void restoreFrame();
    // Places the search window as it was saved, or at the frame's top-right corner; call it
    // once the frame is shown, when its borders are known.
    void restoreSearchWindow();
    void save();

    // rect moved and shrunk into the free area of the screen that holds its middle (or, when
    // none does, of the one it overlaps most); nothing when it overlaps none of them.
    static std::optional<QRect> fitted(const QRect &rect, const QList<QRect> &screenAreas);
    // rect moved and shrunk until it lies wholly inside area.
    static QRect fittedInto(const QRect &rect, const QRect &area);

private:
    static QList<QRect> screenAreas();
    // The saved outer corner and inside size of the frame, fitted to today's screens; nothing
    // when none was saved or it lies on no screen.
    static std::optional<QRect> storedFrame();
    void centreOnScreen();
    QPoint defaultSearchPlace() const;

    QMainWindow &m_frame;
    CSearchScheda &m_search;
};
