#pragma once

#include "cards/CardForm.h"

#include <QWidget>

class QLineEdit;

// A number field of the card form with spin buttons (and the Up and Down keys) that step the
// whole value by one within the field's range.
class SpinField : public QWidget
{
    Q_OBJECT

public:
    SpinField(const CardForm::Field &field, QWidget *parent = nullptr);

    QLineEdit *lineEdit() const { return m_edit; }
    QString text() const;
    void setText(const QString &text);
    void step(int delta);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CardForm::Field m_field;
    QLineEdit *m_edit;
};
