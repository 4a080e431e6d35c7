#include "CSearchScheda.h"

#include "WindowPlacement.h"
#include "base/SettingsKeys.h"
#include "base/SettingsStore.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QWindow>

#include <limits>
#include <optional>

namespace {

std::optional<int> storedInt(const SettingsKeys::IntKey &key)
{
    constexpr int absent = std::numeric_limits<int>::min();
    const int value = SettingsStore::readInt(key.section, key.name, absent);
    return value == absent ? std::nullopt : std::optional<int>(value);
}

QList<QRect> screenAreas()
{
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}

} // namespace

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
    // "15/3" typed here is a day of the card's year.
    m_picker->setCompletionYear(date.date().year());
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

void CSearchScheda::restorePlace(const QPoint &fallbackCorner)
{
    const auto left = storedInt(SettingsKeys::SearchLeft);
    const auto top = storedInt(SettingsKeys::SearchTop);
    adjustSize();
    // The whole frame must come on screen, title bar included; before the window is first
    // shown its frame is not known yet, so room is kept for a title bar and borders.
    QSize outer = frameGeometry().size();
    if (!isVisible())
        outer += QSize(8, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + 8);
    const QList<QRect> areas = screenAreas();
    std::optional<QRect> fitted;
    if (left && top)
        fitted = WindowPlacement::fitted(QRect(QPoint(*left, *top), outer), areas);
    // None stored, or a place on a screen that is gone: where the first start puts it.
    if (!fitted)
        fitted = WindowPlacement::fitted(QRect(fallbackCorner, outer), areas);
    placeFrameAt(fitted ? fitted->topLeft() : fallbackCorner);
}

void CSearchScheda::placeFrameAt(const QPoint &corner)
{
    // A window on screen is placed through the window system, which knows its frame even when
    // the program does not know it yet; moving the widget would take the frame for none and put
    // the inside at the corner, a title bar lower than stored, and the next start the same.
    if (QWindow *window = windowHandle(); window && isVisible())
        window->setFramePosition(corner);
    else
        move(corner);
}

void CSearchScheda::savePlace() const
{
    const QPoint corner = frameGeometry().topLeft();
    SettingsKeys::SearchLeft.write(corner.x());
    SettingsKeys::SearchTop.write(corner.y());
}
