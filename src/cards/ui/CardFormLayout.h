#pragma once

#include "base/ui/TypedDateEdit.h"
#include "cards/CardForm.h"

#include <QCoreApplication>
#include <QHash>

class QLineEdit;
class QWidget;
class SpinField;
struct WorkingPeriod;

// The card form's controls and where they stand: the date and the weather above the work
// list, the absences and the chief worker below it in the right corner. It shows a card's
// values and gives back what the user typed. The date field takes any day, so that a day the
// user types outside the working period stays there to be corrected once the user is told.
class CardFormLayout
{
    Q_DECLARE_TR_FUNCTIONS(CardFormLayout)

public:
    // Builds the controls as children of view and lays view out around list.
    CardFormLayout(QWidget &view, QWidget &list);

    QDateTimeEdit *dateField() const { return m_date; }
    QLineEdit *textField(int column) const { return m_texts.value(column); }

    // Shows the values; without a card every field is empty and off, and a card that may not
    // be written is only shown.
    void show(const CardForm::Input &input, bool hasCard, bool writable);
    CardForm::Input input() const;
    // A day typed without its year is taken in the period: in the year of today when the
    // period holds that year, else in the period's year nearest to it.
    void setPeriod(const WorkingPeriod &period, const QDate &today);
    // The cursor goes to the field with its text selected, for the user to correct it; the
    // card's Data column stands for the date field.
    void focusField(int column);

private:
    QWidget *buildTopBlock(QWidget &view);
    QWidget *buildBottomBlock(QWidget &view);
    void addField(int column, QWidget &parent);
    QWidget *controlOf(int column) const;

    TypedDateEdit *m_date = nullptr;
    QHash<int, QLineEdit *> m_texts;
    QHash<int, SpinField *> m_spins;
};
