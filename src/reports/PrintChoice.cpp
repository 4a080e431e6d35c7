#include "PrintChoice.h"

bool PrintChoice::processEnabled(int radio)
{
    return radio == Nothing || radio == CostCentres || radio == FieldsReport || radio == Register;
}

bool PrintChoice::economicEnabled(int radio)
{
    return radio == CostCentres || radio == FieldsReport;
}

int PrintChoice::kind() const
{
    if (radio == Register)
        return TreatmentRegister;
    if (radio == EuRecord)
        return EuTreatmentRecord;
    if (radio == CostCentres && !economic)
        return CostCentreSummary;
    if (radio == FieldsReport && !economic)
        return FieldSummary;
    return radio;
}

bool PrintChoice::runsProcessTotals() const
{
    // The box counts as it is shown ticked, also where it is disabled.
    return process && radio >= Nothing && radio <= FieldsReport;
}

bool PrintChoice::runsPrepareFieldNotebook() const
{
    return process && radio == Register;
}

int PrintChoice::typeCenter(int kind)
{
    switch (kind) {
    case CostCentreReport:
    case CostCentreSummary:
        return 1;
    case FieldReport:
    case FieldSummary:
        return 2;
    case TreatmentRegister:
        return 4;
    default:
        return 0;
    }
}
