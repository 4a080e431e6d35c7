#include "CardForm.h"

#include "base/NumberText.h"
#include "db/FieldLimits.h"

#include <QLocale>
#include <cmath>

const std::vector<CardForm::Field> &CardForm::fields()
{
    static const std::vector<Field> list{
        {CSchedaSet::Tempo, QT_TR_NOOP("  Weather :"), Kind::Text, FieldLimits::Weather, 0, 0},
        {CSchedaSet::TempMax, QT_TR_NOOP("  Max Temperature :"), Kind::Number, 0, -50, 50},
        {CSchedaSet::Pioggia, QT_TR_NOOP("  Rain :"), Kind::Number, 0, 0, 5000},
        {CSchedaSet::Vento, QT_TR_NOOP("  Wind :"), Kind::Text, FieldLimits::Weather, 0, 0},
        {CSchedaSet::TempMin, QT_TR_NOOP("  Min Temperature :"), Kind::Number, 0, -50, 50},
        {CSchedaSet::Assenti, QT_TR_NOOP("  Absent :"), Kind::Text, FieldLimits::People, 0, 0},
        {CSchedaSet::Ferie, QT_TR_NOOP("  Holiday :"), Kind::Text, FieldLimits::People, 0, 0},
        {CSchedaSet::Permesso, QT_TR_NOOP("  License :"), Kind::Text, FieldLimits::People, 0, 0},
        {CSchedaSet::Malattia, QT_TR_NOOP("  Disease :"), Kind::Text, FieldLimits::People, 0, 0},
        {CSchedaSet::Infortunio, QT_TR_NOOP("  Accident :"), Kind::Text, FieldLimits::People, 0, 0},
        {CSchedaSet::Fattore, QT_TR_NOOP("  THE CHIEF WORKER :"), Kind::Text,
         FieldLimits::ChiefWorker, 0, 0},
    };
    return list;
}

const CardForm::Field &CardForm::field(int column)
{
    for (const Field &candidate : fields())
        if (candidate.column == column)
            return candidate;
    return fields().front();
}

const char *CardForm::dateLabel()
{
    return QT_TR_NOOP("  Date :");
}

QString CardForm::text(const CardRecord &card, int column)
{
    const QVariant value = card.value(column);
    if (!value.isValid() || value.isNull())
        return QString();
    if (field(column).kind == Kind::Number) {
        // The locale's decimal mark, every digit the value has, no grouping: the text reads
        // back to the same value.
        QLocale locale;
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        return locale.toString(value.toDouble(), 'f', QLocale::FloatingPointShortest);
    }
    return value.toString();
}

CardForm::Input CardForm::input(const CardRecord &card)
{
    Input input;
    input.date = card.date();
    for (const Field &f : fields())
        input.texts.insert(f.column, text(card, f.column));
    return input;
}

std::optional<CardForm::Error> CardForm::apply(const Input &input, CardRecord &card)
{
    CardRecord written = card;
    written.setValue(CSchedaSet::Data, input.date);
    for (const Field &f : fields()) {
        const QString text = input.texts.value(f.column);
        if (f.kind == Kind::Text) {
            if (text.size() > f.limit)
                return Error{f.column, tr("Enter no more than %1 characters.").arg(f.limit)};
            written.setValue(f.column, text.isEmpty() ? QVariant() : QVariant(text));
            continue;
        }
        const QString trimmed = text.trimmed();
        if (trimmed.isEmpty()) {
            written.setValue(f.column, QVariant());
            continue;
        }
        const std::optional<double> number = ReadNumber(trimmed, false);
        if (!number)
            return Error{f.column, tr("Enter a number.")};
        // A field whose range starts at 0 (rain) takes no negative number.
        if (*number < 0 && f.spinMinimum >= 0)
            return Error{f.column, tr("Enter a number that is not negative.")};
        written.setValue(f.column, *number);
    }
    card = written;
    return std::nullopt;
}

QString CardForm::stepped(const QString &text, int delta, const Field &field)
{
    const std::optional<double> number = ReadNumber(text, false);
    const int start =
        number ? int(qBound<double>(field.spinMinimum, std::round(*number), field.spinMaximum))
               : qBound(field.spinMinimum, 0, field.spinMaximum);
    return QString::number(qBound(field.spinMinimum, start + delta, field.spinMaximum));
}
