#include "DomainNames.h"

namespace {

constexpr int CentreKinds = int(CentreKind::Other) + 1;
constexpr int MovementTypes = int(MovementType::InitialInventory) + 1;

const char *const None = QT_TRANSLATE_NOOP("DomainNames", "<None>");

const char *const Centre[CentreKinds] = {
    None, QT_TRANSLATE_NOOP("DomainNames", "Crop"), QT_TRANSLATE_NOOP("DomainNames", "Field"),
    QT_TRANSLATE_NOOP("DomainNames", "Machine"), QT_TRANSLATE_NOOP("DomainNames", "Other")};

const char *const CentreChoice[CentreKinds] = {
    None, QT_TRANSLATE_NOOP("DomainNames", "Crops"), QT_TRANSLATE_NOOP("DomainNames", "Fields"),
    QT_TRANSLATE_NOOP("DomainNames", "Machines"), QT_TRANSLATE_NOOP("DomainNames", "Others")};

const char *const Movement[MovementTypes] = {None,
                                             QT_TRANSLATE_NOOP("DomainNames", "Production"),
                                             QT_TRANSLATE_NOOP("DomainNames", "Purchase"),
                                             QT_TRANSLATE_NOOP("DomainNames", "Working"),
                                             QT_TRANSLATE_NOOP("DomainNames", "Sale"),
                                             QT_TRANSLATE_NOOP("DomainNames", "In.Inv.")};

const char *const MovementChoice[MovementTypes] = {
    None,
    QT_TRANSLATE_NOOP("DomainNames", "Production movement"),
    QT_TRANSLATE_NOOP("DomainNames", "Purchase invoice"),
    QT_TRANSLATE_NOOP("DomainNames", "Working movement"),
    QT_TRANSLATE_NOOP("DomainNames", "Sale invoice"),
    QT_TRANSLATE_NOOP("DomainNames", "Initial inventory")};

} // namespace

QString DomainNames::centreKind(CentreKind kind)
{
    return tr(Centre[int(kind)]);
}

QString DomainNames::centreKindChoice(CentreKind kind)
{
    return tr(CentreChoice[int(kind)]);
}

QString DomainNames::movementType(MovementType type)
{
    return tr(Movement[int(type)]);
}

QString DomainNames::movementTypeChoice(MovementType type)
{
    return tr(MovementChoice[int(type)]);
}
