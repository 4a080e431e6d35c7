#pragma once

#include <QDateTimeEdit>

// A date field that takes a whole date typed over it, besides the calendar, the arrows and the
// wheel. The first key typed replaces the shown text; what follows is read as a date once it is
// complete, in the format shown (with or without the weekday, with or without leading zeros) or,
// where the month is shown by name, in the locale's short numeric format. A text that is no date
// when the user leaves the field is refused: the field shows its previous date again.
class TypedDateEdit : public QDateTimeEdit
{
    Q_OBJECT
public:
    explicit TypedDateEdit(QWidget *parent = nullptr);

    // The day the text stands for in this field, or an invalid date.
    QDate typedDate(const QString &text) const;

    void stepBy(int steps) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    QValidator::State validate(QString &text, int &pos) const override;
    QDateTime dateTimeFromText(const QString &text) const override;

private:
    QStringList typedFormats() const;
    bool isInRange(const QDate &day) const;
    void finishTyping();

    bool m_typing = false;
};
