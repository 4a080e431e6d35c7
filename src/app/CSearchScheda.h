#pragma once

#include "base/ui/TypedDateEdit.h"

#include <QDateTime>
#include <QDialog>

// The small "Form Date" window beside the card view: shows the current card's day and finds
// the card of a day the user picks. Closing it only hides it. It keeps its place from one start
// to the next: the outer corner of its frame is stored and the frame is put back there, on a
// screen of today's desktop.
class CSearchScheda : public QDialog
{
    Q_OBJECT
public:
    explicit CSearchScheda(QWidget *parent = nullptr);

    // Shows a date without reporting it as picked.
    void setDate(const QDateTime &date);
    QDateTime date() const { return m_date; }
    void setRange(const QDateTime &start, const QDateTime &end);
    TypedDateEdit *picker() const { return m_picker; }

    // Puts the frame where savePlace() left it, moved and shrunk into the free area of a
    // screen; at fallbackCorner (a frame corner too) when no place was stored. Shown or not.
    void restorePlace(const QPoint &fallbackCorner);
    void savePlace() const;

signals:
    void datePicked(const QDate &date);
    void visibilityChanged(bool visible);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void placeFrameAt(const QPoint &corner);

    TypedDateEdit *m_picker;
    QDateTime m_date;
};
