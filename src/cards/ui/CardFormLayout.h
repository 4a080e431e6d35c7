#pragma once

#include "cards/CardForm.h"

#include <QCoreApplication>
#include <QHash>

class QDateTimeEdit;
class QLineEdit;
class QWidget;
class SpinField;
struct WorkingPeriod;

// The card form's controls and where they stand: the date and the weather above the work
// list, the absences and the chief worker below it in the right corner. It shows a card's
// values and gives back what the user typed.
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
    // The date field offers only the days of the period.
    void setPeriodRange(const WorkingPeriod &period);
    // The cursor goes to the field with its text selected, for the user to correct it.
    void focusField(int column);

private:
    QWidget *buildTopBlock(QWidget &view);
    QWidget *buildBottomBlock(QWidget &view);
    void addField(int column, QWidget &parent);
    QWidget *controlOf(int column) const;

    QDateTimeEdit *m_date = nullptr;
    QHash<int, QLineEdit *> m_texts;
    QHash<int, SpinField *> m_spins;
};
