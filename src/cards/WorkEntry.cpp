#include "WorkEntry.h"

#include "BbchStages.h"
#include "base/DomainCodes.h"
#include "base/DomainNames.h"
#include "base/NumberText.h"
#include "db/FieldLimits.h"

#include <QRegularExpression>
#include <algorithm>
#include <functional>
#include <limits>

namespace {

using Field = WorkEntry::Field;
using Check = std::optional<WorkEntry::Error>;

Check readInteger(Field field, const QString &text, int minimum, int maximum, int &target)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        target = 0;
        return std::nullopt;
    }
    bool ok = false;
    const qlonglong number = trimmed.toLongLong(&ok);
    if (!ok || number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        return WorkEntry::Error{field, WorkEntry::tr("Enter an integer.")};
    if (number < minimum || number > maximum)
        return WorkEntry::Error{
            field, WorkEntry::tr("Enter an integer between %1 and %2.").arg(minimum).arg(maximum)};
    target = int(number);
    return std::nullopt;
}

// A number the user typed; the message names what is wrong with it.
Check readNumber(Field field, const QString &text, bool percent, double &target)
{
    const std::optional<double> number = ReadNumber(text, percent);
    if (!number)
        return WorkEntry::Error{field, WorkEntry::tr("Enter a number.")};
    target = *number;
    return std::nullopt;
}

Check readBetween(Field field, const QString &text, double minimum, double maximum, double &target)
{
    double number = 0;
    if (Check error = readNumber(field, text, false, number))
        return error;
    if (number < minimum || number > maximum)
        return WorkEntry::Error{field,
                                WorkEntry::tr("Enter a number between %1 and %2.")
                                    .arg(QString::number(minimum), QString::number(maximum))};
    target = number;
    return std::nullopt;
}

Check readHours(Field field, const QString &text, double &target)
{
    return readBetween(field, text, 0, 24, target);
}

Check readText(Field field, const QString &text, int limit, QString &target)
{
    if (text.size() > limit)
        return WorkEntry::Error{field,
                                WorkEntry::tr("Enter no more than %1 characters.").arg(limit)};
    target = text;
    return std::nullopt;
}

Check readPercent(Field field, const QString &text, double &target)
{
    double fraction = 0;
    if (Check error = readNumber(field, text, true, fraction))
        return error;
    if (fraction < 0 || fraction > 1)
        return WorkEntry::Error{field, WorkEntry::tr("Enter a number between %1 and %2.")
                                           .arg(QString::number(0), QString::number(100))};
    target = fraction;
    return std::nullopt;
}

// Quantities and amounts have no upper bound but are never negative: the movement type says
// which way the goods and the money go.
Check readAmount(Field field, const QString &text, double &target)
{
    double amount = 0;
    if (Check error = readNumber(field, text, false, amount))
        return error;
    if (amount < 0)
        return WorkEntry::Error{field, WorkEntry::tr("Enter a number that is not negative.")};
    target = amount;
    return std::nullopt;
}

} // namespace

void WorkEntry::resetForNext()
{
    const int kind = centreKind;
    const int type = movementType;
    *this = WorkEntry();
    centreKind = kind;
    movementType = type;
}

QString WorkEntry::text(Field field) const
{
    switch (field) {
    case Field::HolidayHours:
        return FormatNumber(holidayHours, false);
    case Field::RegularHours:
        return FormatNumber(regularHours, false);
    case Field::OvertimeHours:
        return FormatNumber(overtimeHours, false);
    case Field::WorkerCode:
        return QString::number(workerCode);
    case Field::ItemCode:
        return QString::number(itemCode);
    case Field::Machine1:
        return QString::number(machineCodes[0]);
    case Field::Machine2:
        return QString::number(machineCodes[1]);
    case Field::Machine3:
        return QString::number(machineCodes[2]);
    case Field::Quantity:
        return FormatNumber(quantity, false);
    case Field::OperationCode:
        return QString::number(operationCode);
    case Field::CentreCode:
        return QString::number(centreKind == FieldKind ? fieldCode : centreCode);
    case Field::Vat:
        return FormatNumber(vat, true);
    case Field::Value:
        return FormatCurrency(value);
    case Field::DocumentRef:
        return documentRef;
    case Field::Stage:
        return stage;
    case Field::Unit:
        return unit;
    case Field::Note:
        return note;
    case Field::Adversity:
        return adversity;
    case Field::TreatedArea:
        return treatedArea ? FormatNumber(*treatedArea, false) : QString();
    case Field::BbchStage:
        return bbchStage;
    case Field::ApplicationTime:
        return applicationTime;
    }
    return QString();
}

std::optional<WorkEntry::Error> WorkEntry::read(const QHash<Field, QString> &texts)
{
    WorkEntry e = *this;
    const auto t = [&texts](Field field) { return texts.value(field); };
    const bool fieldKind = e.centreKind == FieldKind;
    constexpr int anyMin = std::numeric_limits<int>::min();
    constexpr int anyMax = std::numeric_limits<int>::max();
    const std::function<Check()> steps[] = {
        [&] { return readHours(Field::HolidayHours, t(Field::HolidayHours), e.holidayHours); },
        [&] { return readHours(Field::RegularHours, t(Field::RegularHours), e.regularHours); },
        [&] { return readHours(Field::OvertimeHours, t(Field::OvertimeHours), e.overtimeHours); },
        [&] {
            return readInteger(Field::WorkerCode, t(Field::WorkerCode), 0, MaxCode, e.workerCode);
        },
        [&] { return readInteger(Field::ItemCode, t(Field::ItemCode), 0, MaxCode, e.itemCode); },
        [&] {
            return readInteger(Field::Machine1, t(Field::Machine1), 0, MaxCode, e.machineCodes[0]);
        },
        [&] { return readAmount(Field::Quantity, t(Field::Quantity), e.quantity); },
        [&] {
            return readInteger(Field::OperationCode, t(Field::OperationCode), 0, MaxCode,
                               e.operationCode);
        },
        [&] {
            return readInteger(Field::Machine3, t(Field::Machine3), 0, MaxCode, e.machineCodes[2]);
        },
        [&] {
            return readInteger(Field::Machine2, t(Field::Machine2), 0, MaxCode, e.machineCodes[1]);
        },
        [&] {
            return readText(Field::DocumentRef, t(Field::DocumentRef), FieldLimits::DocumentRef,
                            e.documentRef);
        },
        [&] { return readText(Field::Stage, t(Field::Stage), FieldLimits::Stage, e.stage); },
        [&] { return readText(Field::Unit, t(Field::Unit), FieldLimits::Unit, e.unit); },
        [&] {
            return fieldKind ? readInteger(Field::CentreCode, t(Field::CentreCode), anyMin, anyMax,
                                           e.fieldCode)
                             : readInteger(Field::CentreCode, t(Field::CentreCode), 0, MaxCode,
                                           e.centreCode);
        },
        [&] { return readPercent(Field::Vat, t(Field::Vat), e.vat); },
        [&] { return readAmount(Field::Value, t(Field::Value), e.value); },
        [&] { return readText(Field::Note, t(Field::Note), FieldLimits::Note, e.note); },
        [&] {
            return readText(Field::Adversity, t(Field::Adversity), FieldLimits::Adversity,
                            e.adversity);
        },
    };
    for (const auto &step : steps)
        if (Check error = step())
            return error;
    *this = e;
    return std::nullopt;
}

bool WorkEntry::isTreatment(bool itemInNotebook) const
{
    const bool onCrop = centreKind == int(CentreKind::Crop) || centreKind == int(CentreKind::Field);
    const bool use = movementType == 0 || movementType == 3;
    return itemInNotebook && itemCode > 0 && onCrop && use;
}

std::optional<WorkEntry::Error> WorkEntry::readTreatment(const QHash<Field, QString> &texts,
                                                         double surface)
{
    std::optional<double> area;
    const QString areaText = texts.value(Field::TreatedArea).trimmed();
    // The surface as the editor shows it, left as it is, is the whole surface.
    const bool wholeShown = surface > 0 && areaText == FormatNumber(surface, false);
    if (!areaText.isEmpty() && !wholeShown) {
        const std::optional<double> number = ReadNumber(areaText, false);
        if (!number)
            return Error{Field::TreatedArea, tr("Enter the treated area as a number of hectares.")};
        // The surface is kept in single precision: an area typed as it is shown equals it.
        const double tolerance = 1e-6 * std::max(1.0, surface);
        if (*number <= 0 || (surface > 0 && *number > surface + tolerance))
            return Error{Field::TreatedArea,
                         surface > 0
                             ? tr("Enter a treated area above 0 and not above the surface of "
                                  "%1 ha.")
                                   .arg(FormatNumber(surface, false))
                             : tr("Enter a treated area above 0 ha.")};
        if (surface <= 0 || *number < surface - tolerance)
            area = *number;
    }

    const QString stage = texts.value(Field::BbchStage).trimmed();
    if (!stage.isEmpty() && !BbchStages::isCode(stage))
        return Error{Field::BbchStage, tr("Choose a BBCH stage from 00 to 99.")};

    QString time = texts.value(Field::ApplicationTime).trimmed();
    if (!time.isEmpty()) {
        static const QRegularExpression clock(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
        const QRegularExpressionMatch match = clock.match(time);
        const int hours = match.hasMatch() ? match.captured(1).toInt() : -1;
        const int minutes = match.hasMatch() ? match.captured(2).toInt() : -1;
        if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59)
            return Error{Field::ApplicationTime,
                         tr("Enter the time of application as HH:MM, from 00:00 to 23:59.")};
        time = QStringLiteral("%1:%2")
                   .arg(hours, 2, 10, QLatin1Char('0'))
                   .arg(minutes, 2, 10, QLatin1Char('0'));
    }

    treatedArea = area;
    bbchStage = stage;
    applicationTime = time;
    return std::nullopt;
}

void WorkEntry::clearTreatment()
{
    treatedArea.reset();
    bbchStage.clear();
    applicationTime.clear();
}

QString WorkEntry::treatedAreaText(double surface) const
{
    if (treatedArea || surface <= 0)
        return text(Field::TreatedArea);
    return FormatNumber(surface, false);
}

int WorkEntry::leadingCode(const QString &text)
{
    static const QRegularExpression leading(QStringLiteral("^\\s*([+-]?\\d+)"));
    const QRegularExpressionMatch match = leading.match(text);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QString WorkEntry::summary(const QString &valueText, const QString &vatText)
{
    const double value = ParseNumber(valueText, false, false);
    const double tax = value * ParseNumber(vatText, true, false);
    return tr("Income: %1 - Tax: %2 - Total: %3")
        .arg(FormatCurrency(value), FormatCurrency(tax), FormatCurrency(value + tax));
}

QString WorkEntry::kindName(int kind)
{
    const std::optional<CentreKind> known = centreKindOf(kind);
    return known ? DomainNames::centreKindChoice(*known) : QString();
}

QString WorkEntry::movementTypeName(int type)
{
    const std::optional<MovementType> known = movementTypeOf(type);
    return known ? DomainNames::movementTypeChoice(*known) : QString();
}
