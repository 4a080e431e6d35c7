#pragma once

#include <QCoreApplication>
#include <QString>
#include <array>
#include <optional>

// One row of the card's work list: the texts and pictures of its eighteen columns, built from
// a work, its movement and the registry rows they refer to.
class WorkListRow
{
    Q_DECLARE_TR_FUNCTIONS(WorkListRow)

public:
    static constexpr int ColumnCount = 18;
    enum Column {
        Worker = 0,
        RegularHours,
        FestiveHours,
        Overtime,
        CentreKind,
        CostCentre,
        Item,
        MovementType,
        Stage,
        Quantity,
        Value,
        Tax,
        Total,
        DocumentRef,
        Operation,
        FirstMachine,
        SecondMachine,
        ThirdMachine
    };
    // Pictures of the icon strip.
    enum Icon {
        NoIcon = -1,
        SeasonalWorker = 0,
        PermanentWorker,
        Tractor,
        House,
        Gears,
        Nothing,
        ItemBar,
        NotebookItemBar,
        IconCount
    };
    // Rows filled from the stored card leave the worker of a work without one blank; rows the
    // work editor has just written show its code 0 until the list is filled again.
    enum class Wording { Stored, Entered };

    // A registry row found by its code.
    struct Named
    {
        int code = 0;
        QString name;
    };

    struct Movement
    {
        int itemCode = 0;
        int type = 0;
        QString stage;
        QString unit;
        double quantity = 0;
        double value = 0;
        double vat = 0;
        QString documentRef;
    };

    // A work with what the lookups found for it.
    struct Data
    {
        int workId = 0;
        double regularHours = 0;
        double festiveHours = 0;
        double overtime = 0;
        int centreKind = 0;
        std::optional<Named> worker;
        bool seasonalWorker = false;
        std::optional<Named> centre; // the centre or field of the kind
        std::optional<Movement> movement;
        std::optional<Named> item;
        bool notebookItem = false;
        std::optional<Named> operation;
        std::array<std::optional<Named>, 3> machines;
    };

    int workId = 0;
    std::array<QString, ColumnCount> texts;
    std::array<int, ColumnCount> icons;

    static WorkListRow build(const Data &data, Wording wording);
    static QString headerText(int column);
};
