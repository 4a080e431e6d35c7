#pragma once

#include "CardRecord.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <optional>
#include <vector>

// The fields of the card form and the rules for exchanging them with a card: empty fields
// store NULL, number fields show and read numbers in the user's locale (ReadNumber), text
// fields have a limit.
class CardForm
{
    Q_DECLARE_TR_FUNCTIONS(CardForm)

public:
    enum class Kind { Text, Number };

    struct Field
    {
        int column;        // CSchedaSet column
        const char *label; // with its leading blanks, as the form shows it
        Kind kind;
        int limit;       // text fields: most characters
        int spinMinimum; // number fields: range of the spin buttons
        int spinMaximum;
    };

    struct Error
    {
        int column;
        QString message;
    };

    // What the form holds: the date picker's moment and the text of every other field.
    struct Input
    {
        QDateTime date;
        QHash<int, QString> texts;
    };

    // The fields in tab order (the date comes first and is not listed).
    static const std::vector<Field> &fields();
    static const Field &field(int column);
    static const char *dateLabel();

    static QString text(const CardRecord &card, int column);
    static Input input(const CardRecord &card);
    // Writes the form into the card; on the first field that fails, the card is left as it
    // was and the error names the field.
    static std::optional<Error> apply(const Input &input, CardRecord &card);
    // What the spin buttons write: the whole value moved by delta, held to the range.
    static QString stepped(const QString &text, int delta, const Field &field);
};
