#include "WorkListRow.h"

#include "base/DomainCodes.h"
#include "base/DomainNames.h"
#include "base/NumberText.h"

namespace {

QString codeAndName(const std::optional<WorkListRow::Named> &named)
{
    return named ? QStringLiteral("%1 (%2)").arg(named->name).arg(named->code) : QString();
}

QString hours(double value)
{
    return value > 0 ? FormatNumber(value, false) : QString();
}

// A work booked to no centre, or to a kind this program does not know, shows a blank cell.
QString kindName(int stored)
{
    const std::optional<::CentreKind> kind = centreKindOf(stored);
    return kind && *kind != ::CentreKind::None ? DomainNames::centreKind(*kind) : QString();
}

QString movementTypeName(int stored)
{
    const std::optional<::MovementType> type = movementTypeOf(stored);
    return type ? DomainNames::movementType(*type) : QString();
}

} // namespace

QString WorkListRow::headerText(int column)
{
    static const char *const headers[ColumnCount] = {
        QT_TR_NOOP("Worker"),        QT_TR_NOOP("Regular Hours"),  QT_TR_NOOP("Festive Hours"),
        QT_TR_NOOP("Overtime"),      QT_TR_NOOP("C.C. Type"),      QT_TR_NOOP("Cost Center"),
        QT_TR_NOOP("Item"),          QT_TR_NOOP("Mov.Type"),       QT_TR_NOOP("Stage"),
        QT_TR_NOOP("Quantity"),      QT_TR_NOOP("Value"),          QT_TR_NOOP("Tax"),
        QT_TR_NOOP("Total"),         QT_TR_NOOP("Ref.Doc."),       QT_TR_NOOP("Operation"),
        QT_TR_NOOP("First Machine"), QT_TR_NOOP("Second Machine"), QT_TR_NOOP("Third Machine")};
    return column >= 0 && column < ColumnCount ? tr(headers[column]) : QString();
}

WorkListRow WorkListRow::build(const Data &data, Wording wording)
{
    WorkListRow row;
    row.workId = data.workId;
    row.icons.fill(NoIcon);

    row.texts[Worker] = codeAndName(data.worker);
    if (!data.worker && wording == Wording::Entered)
        row.texts[Worker] = QStringLiteral("0");
    row.icons[Worker] = !data.worker || data.worker->code <= 0
                            ? Nothing
                            : (data.seasonalWorker ? SeasonalWorker : PermanentWorker);

    row.texts[RegularHours] = hours(data.regularHours);
    row.texts[FestiveHours] = hours(data.festiveHours);
    row.texts[Overtime] = hours(data.overtime);

    row.texts[CentreKind] = kindName(data.centreKind);
    if (data.centre && !data.centre->name.isEmpty())
        row.texts[CostCentre] = codeAndName(data.centre);
    row.icons[CostCentre] = row.texts[CostCentre].isEmpty() ? Nothing : House;

    if (data.movement) {
        const Movement &m = *data.movement;
        row.texts[Item] = codeAndName(data.item);
        row.icons[Item] = !data.item ? Nothing : (data.notebookItem ? NotebookItemBar : ItemBar);
        row.texts[MovementType] = movementTypeName(m.type);
        row.texts[Stage] = m.stage;
        if (m.quantity > 0)
            row.texts[Quantity] = m.unit + QLatin1Char(' ') + FormatNumber(m.quantity, false);
        const double tax = m.vat * m.value;
        row.texts[Value] = FormatCurrency(m.value);
        row.texts[Tax] = FormatCurrency(tax);
        row.texts[Total] = FormatCurrency(m.value + tax);
        row.texts[DocumentRef] = m.documentRef;
    }

    row.texts[Operation] = codeAndName(data.operation);
    row.icons[Operation] = data.operation ? Gears : Nothing;
    for (int i = 0; i < 3; ++i) {
        row.texts[FirstMachine + i] = codeAndName(data.machines[i]);
        row.icons[FirstMachine + i] = data.machines[i] ? Tractor : Nothing;
    }
    return row;
}
