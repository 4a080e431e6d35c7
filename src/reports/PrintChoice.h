#pragma once

// The answer of the print choice dialog and the rules that turn it into a report kind.
//
// Report kinds: 0 nothing, 1 workers, 2 machines, 3 crops, 4 fields, 5 cost-centre report with
// amounts, 6 operations, 7 other centres, 8 items, 9 current card, 10 field report with
// amounts, 11 cost-centre report without amounts, 12 field report without amounts,
// 13 treatment register, 14 treatment record (EU).
struct PrintChoice
{
    // Position of the radio buttons of the dialog.
    enum Radio {
        Nothing,
        Workers,
        Machines,
        Crops,
        Fields,
        CostCentres,
        Operations,
        Others,
        Items,
        CurrentCard,
        FieldsReport,
        Register,
        EuRecord,
        RadioCount
    };

    enum Kind {
        NoReport = 0,
        WorkersList = 1,
        MachinesList = 2,
        CropsList = 3,
        FieldsList = 4,
        CostCentreReport = 5,
        OperationsList = 6,
        OthersList = 7,
        ItemsList = 8,
        CardPrint = 9,
        FieldReport = 10,
        CostCentreSummary = 11,
        FieldSummary = 12,
        TreatmentRegister = 13,
        EuTreatmentRecord = 14
    };

    int radio = Nothing;
    // As displayed, whether the box is enabled or not.
    bool process = true;
    bool economic = false;

    static bool processEnabled(int radio);
    static bool economicEnabled(int radio);

    int kind() const;
    bool runsProcessTotals() const;
    bool runsPrepareFieldNotebook() const;
    // The TypeCenter setting a preview leaves while it is open.
    static int typeCenter(int kind);
};
