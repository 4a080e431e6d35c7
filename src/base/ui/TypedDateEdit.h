#pragma once

#include <QDateTimeEdit>

// A date field that takes a whole date typed over it, besides the calendar, the arrows and the
// wheel. The first key typed replaces the shown text; what follows is read as a date when the
// user ends the typing (Enter, Tab, leaving the field, the arrows), and is reported as the user
// types once it already reads as a date, as in any date field. Figures may be apart by "/",
// "-", "." or spaces, in the order of the format shown (or, where the month is shown by name, of
// the locale's short numeric format); a date without its year takes the completion year, and a
// two-figure year its century. A text in the format shown (with or without the weekday, with or
// without leading zeros) is read too. Keys that only change others (Shift, AltGr, Ctrl, Alt,
// Meta, the lock keys) leave the typing as it is, whatever the keyboard's layout.
//
// A text that is no date, or a date out of the field's range, is refused with a message
// (typingRefused, shown beside the field): Enter leaves it in the field to be mended; leaving
// the field gives back the previous date. Escape gives back the previous date at once.
class TypedDateEdit : public QDateTimeEdit
{
    Q_OBJECT
public:
    explicit TypedDateEdit(QWidget *parent = nullptr);

    // The year a date typed without one is in; the current year unless the owner sets one
    // (the working period's, for a card).
    void setCompletionYear(int year) { m_completionYear = year; }
    int completionYear() const { return m_completionYear; }

    // The day the text stands for in this field, or an invalid date.
    QDate typedDate(const QString &text) const;
    bool isTyping() const { return m_typing; }

    void stepBy(int steps) override;

signals:
    // A typed text was refused; message says why and what the field holds.
    void typingRefused(const QString &message);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    QValidator::State validate(QString &text, int &pos) const override;
    QDateTime dateTimeFromText(const QString &text) const override;

private:
    QStringList typedFormats() const;
    QString numericFormat() const;
    bool isInRange(const QDate &day) const;
    // Reads the typed text into the field; false (after the message) when it was refused,
    // with the text left as typed when keepRefused.
    bool finishTyping(bool keepRefused = false);
    void cancelTyping();
    QString refusal(const QString &typed, const QDate &day) const;

    bool m_typing = false;
    QDateTime m_beforeTyping;
    int m_completionYear;
};
