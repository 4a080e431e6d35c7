#pragma once

#include <optional>

// The numbers the database and the help pages give meaning to, named once.

// What a work or a movement is booked to (column Tipo Centro).
enum class CentreKind { None = 0, Crop = 1, Field = 2, Machine = 3, Other = 4 };

// The kind of a stock movement (column Tipo Bolla).
enum class MovementType {
    None = 0,
    Production = 1,
    Purchase = 2,
    Processing = 3,
    Sale = 4,
    InitialInventory = 5
};

// The kind a stored Tipo Centro names; nothing for a number outside the list (a damaged or
// foreign row), which the lists show as blank.
constexpr std::optional<CentreKind> centreKindOf(int stored)
{
    if (stored < int(CentreKind::None) || stored > int(CentreKind::Other))
        return std::nullopt;
    return CentreKind(stored);
}

// The type a stored Tipo Bolla names; nothing for a number outside the list.
constexpr std::optional<MovementType> movementTypeOf(int stored)
{
    if (stored < int(MovementType::None) || stored > int(MovementType::InitialInventory))
        return std::nullopt;
    return MovementType(stored);
}

// The pages of the online help; 0 opens nothing.
enum class HelpTopic {
    None = 0,
    CardView = 1,
    WorkEditor = 2,
    Settings = 3,
    Company = 4,
    PrintChoice = 5,
    RegistriesView = 6,
    ChartView = 7
};
