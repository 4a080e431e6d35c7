#pragma once

#include "base/ui/TypedDateEdit.h"

#include <QDateTime>
#include <QDialog>

// The small "Form Date" window beside the card view: shows the current card's day and finds
// the card of a day the user picks. Closing it only hides it.
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

signals:
    void datePicked(const QDate &date);
    void visibilityChanged(bool visible);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    TypedDateEdit *m_picker;
    QDateTime m_date;
};
