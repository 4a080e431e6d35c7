#include "RegistryForm.h"

#include "ParcelGeometry.h"
#include "RegistryKey.h"
#include "base/NumberText.h"
#include "base/Prompter.h"

#include <QRegularExpression>
#include <limits>

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
    case RegistryKey::Crop:
        layout.registrationLabel = tr("EPPO code :");
        layout.registrationMaxLength = MaxEppoCode;
        layout.registrationVisible = true;
        layout.registrationEnabled = true;
        break;
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
        layout.registrationLabel = tr("Authorisation no. :");
        layout.registrationMaxLength = MaxAuthorisation;
        layout.registrationVisible = true;
        layout.registrationEnabled = true;
        break;
    default:
        break;
    }
    return layout;
}

int RegistryForm::registrationLimit(int kind)
{
    switch (kind) {
    case RegistryKey::Crop:
        return MaxEppoCode;
    case RegistryKey::Item:
        return MaxAuthorisation;
    default:
        return 0;
    }
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
    texts.registration = values.registration;
    texts.parcel = values.parcel;
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

std::optional<RegistryForm::Error> RegistryForm::check(const Texts &texts, bool itemLayout,
                                                       Values &values, int kind)
{
    using Check = std::optional<Error>;
    auto tooLong = [](Control control, const QString &text, int limit) -> Check {
        if (text.size() > limit)
            return Error{control, tr("Enter no more than %1 characters.").arg(limit)};
        return std::nullopt;
    };
    // Wages, surfaces, years and unit costs are never negative.
    auto readNumber = [](Control control, const QString &text, double maximum,
                         double &target) -> Check {
        const std::optional<double> number = ReadNumber(text, false);
        if (!number)
            return Error{control, tr("Enter a number.")};
        if (*number < 0.0 || *number > maximum)
            return Error{control, maximum == MaxNumber
                                      ? tr("Enter a number between %1 and %2.")
                                            .arg(0)
                                            .arg(QString::number(MaxNumber, 'f', 0))
                                      : tr("Enter a number that is not negative.")};
        target = *number;
        return std::nullopt;
    };

    Values read = values;
    bool ok = false;
    read.code = texts.code.trimmed().toInt(&ok);
    if (!ok)
        return Error{Control::Code, tr("Enter an integer.")};
    if (read.code < MinCode || read.code > MaxCode)
        return Error{Control::Code,
                     tr("Enter an integer between %1 and %2.").arg(MinCode).arg(MaxCode)};
    if (Check error = tooLong(Control::Description, texts.description, MaxText))
        return error;
    read.description = texts.description;
    read.relationship = texts.relationship;

    if (itemLayout) {
        if (Check error = tooLong(Control::Number, texts.number, MaxUnit))
            return error;
        read.place = texts.number;
        if (Check error = readNumber(Control::Place, texts.place,
                                     std::numeric_limits<double>::max(), read.unitCost))
            return error;
        read.printInNotebook = texts.printInNotebook;
    } else {
        if (Check error = readNumber(Control::Number, texts.number, MaxNumber, read.number))
            return error;
        if (Check error = tooLong(Control::Place, texts.place, MaxText))
            return error;
        read.place = texts.place;
    }
    if (const int limit = registrationLimit(kind)) {
        if (Check error = tooLong(Control::Registration, texts.registration.trimmed(), limit))
            return error;
        read.registration = texts.registration.trimmed();
        // EPPO codes are letters and digits, written in capitals.
        if (kind == RegistryKey::Crop) {
            read.registration = read.registration.toUpper();
            static const QRegularExpression eppo(QStringLiteral("^[A-Z0-9]*$"));
            if (!eppo.match(read.registration).hasMatch())
                return Error{Control::Registration,
                             tr("Enter an EPPO code of letters and digits only, such as VITVI.")};
        }
    }
    if (kind == RegistryKey::Field && texts.parcel)
        if (Check error = checkParcel(*texts.parcel, read.parcel))
            return error;
    values = read;
    return std::nullopt;
}

std::optional<RegistryForm::Error> RegistryForm::checkParcel(const Parcel &texts, Parcel &parcel)
{
    struct Part
    {
        Control control;
        const QString &text;
        int limit;
        QString Parcel::*target;
    };
    Parcel read;
    const Part parts[] = {
        {Control::ParcelId, texts.id, MaxParcelId, &Parcel::id},
        {Control::Municipality, texts.municipality, MaxMunicipality, &Parcel::municipality},
        {Control::Sheet, texts.sheet, MaxSheet, &Parcel::sheet},
        {Control::CadastralParcel, texts.cadastralParcel, MaxCadastralParcel,
         &Parcel::cadastralParcel},
    };
    for (const Part &part : parts) {
        const QString trimmed = part.text.trimmed();
        if (trimmed.size() > part.limit)
            return Error{part.control, tr("Enter no more than %1 characters.").arg(part.limit)};
        read.*part.target = trimmed;
    }
    const QString geometry = texts.geometry.trimmed();
    if (!geometry.isEmpty()) {
        QString reason;
        const std::optional<ParcelGeometry> outline =
            ParcelGeometry::fromGeoJson(geometry.toUtf8(), &reason);
        if (!outline)
            return Error{Control::Geometry,
                         tr("The parcel's outline cannot be used: %1").arg(reason)};
        read.geometry = outline->toGeoJson();
    }
    parcel = read;
    return std::nullopt;
}

QString RegistryForm::outlineSummary(const QString &geometry, const QString &surfaceText)
{
    if (geometry.trimmed().isEmpty())
        return tr("No outline.");
    QString reason;
    const std::optional<ParcelGeometry> outline =
        ParcelGeometry::fromGeoJson(geometry.trimmed().toUtf8(), &reason);
    if (!outline)
        return reason;
    return tr("Area of the outline: %1 ha (surface: %2 ha)")
        .arg(FormatNumber(outline->hectares(), false), surfaceText.trimmed());
}

bool RegistryForm::read(const Texts &texts, bool itemLayout, NumberStyle, Values &values,
                        Prompter &prompter, int kind)
{
    if (const std::optional<Error> error = check(texts, itemLayout, values, kind)) {
        prompter.message(Prompter::Icon::Warning, error->message);
        return false;
    }
    return true;
}
