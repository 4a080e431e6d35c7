#include "RegistryForm.h"

#include "RegistryKey.h"
#include "base/NumberText.h"
#include "base/Prompter.h"

namespace {

bool hasDigit(const QString &text)
{
    for (const QChar c : text)
        if (c.isDigit())
            return true;
    return false;
}

} // namespace

RegistryForm::Layout RegistryForm::layoutFor(int kind, const Layout &current)
{
    Layout layout = current;
    layout.descriptionLabel = kind == RegistryKey::Worker ? tr("Name :") : tr("Description :");
    if (kind > RegistryKey::Item || kind < 0)
        return layout;

    const QString descriptionLabel = layout.descriptionLabel;
    layout = Layout();
    layout.descriptionLabel = descriptionLabel;
    layout.numberLabel = tr("Acres :");
    layout.placeLabel = tr("Place :");
    switch (kind) {
    case RegistryKey::Field:
        layout.placeEnabled = true;
        break;
    case RegistryKey::Machine:
        layout.numberLabel = tr("Year of purchase :");
        break;
    case RegistryKey::Other:
    case RegistryKey::Operation:
        layout.numberEnabled = false;
        break;
    case RegistryKey::Worker:
        layout.numberLabel = tr("Hourly wage :");
        layout.relationshipEnabled = true;
        break;
    case RegistryKey::Item:
        layout.itemLayout = true;
        layout.numberLabel = tr("Unit :");
        layout.placeLabel = tr("Unit cost :");
        layout.placeEnabled = true;
        layout.relationshipVisible = false;
        layout.printVisible = true;
        break;
    default:
        break;
    }
    return layout;
}

RegistryForm::NumberStyle RegistryForm::numberStyleFor(int kind)
{
    switch (kind) {
    case RegistryKey::Machine:
        return NumberStyle::Plain;
    case RegistryKey::Worker:
        return NumberStyle::Currency;
    default:
        return NumberStyle::Number;
    }
}

RegistryForm::Texts RegistryForm::write(const Values &values, bool itemLayout, NumberStyle style)
{
    Texts texts;
    texts.code = QString::number(values.code);
    texts.description = values.description;
    texts.relationship = values.relationship;
    texts.printInNotebook = values.printInNotebook;
    if (itemLayout) {
        texts.number = values.place;
        texts.place = FormatCurrency(values.unitCost);
        return texts;
    }
    switch (style) {
    case NumberStyle::Plain:
        texts.number = QString::number(values.number, 'f', 0);
        break;
    case NumberStyle::Currency:
        texts.number = FormatCurrency(values.number);
        break;
    case NumberStyle::Number:
        texts.number = FormatNumber(values.number, false);
        break;
    }
    texts.place = values.place;
    return texts;
}

bool RegistryForm::read(const Texts &texts, bool itemLayout, NumberStyle style, Values &values,
                        Prompter &prompter)
{
    auto fail = [&prompter](const QString &message) {
        prompter.message(Prompter::Icon::Warning, message);
        return false;
    };
    auto tooLong = [&](const QString &text, int limit) {
        return text.size() > limit ? fail(tr("Enter no more than %1 characters.").arg(limit))
                                   : true;
    };

    Values read = values;
    bool ok = false;
    read.code = texts.code.trimmed().toInt(&ok);
    if (!ok)
        return fail(tr("Enter an integer."));
    if (read.code < MinCode || read.code > MaxCode)
        return fail(tr("Enter an integer between %1 and %2.").arg(MinCode).arg(MaxCode));
    if (!tooLong(texts.description, MaxText))
        return false;
    read.description = texts.description;
    read.relationship = texts.relationship;

    if (itemLayout) {
        if (!tooLong(texts.number, MaxUnit))
            return false;
        read.place = texts.number;
        if (!texts.place.trimmed().isEmpty() && !hasDigit(texts.place))
            return fail(tr("Enter a number."));
        read.unitCost = ParseNumber(texts.place, false, true);
        read.printInNotebook = texts.printInNotebook;
    } else {
        if (!texts.number.trimmed().isEmpty() && !hasDigit(texts.number))
            return fail(tr("Enter a number."));
        read.number = ParseNumber(texts.number, false, style == NumberStyle::Currency);
        if (read.number < 0.0 || read.number > MaxNumber)
            return fail(tr("Enter a number between %1 and %2.")
                            .arg(0)
                            .arg(QString::number(MaxNumber, 'f', 0)));
        if (!tooLong(texts.place, MaxText))
            return false;
        read.place = texts.place;
    }
    values = read;
    return true;
}
