#pragma once

#include "WorkEntry.h"
#include "base/WorkingPeriod.h"

class Database;

// What the work editor looks up to tell whether a movement is an application of a product
// that the treatment register prints, and the surface such an application covers at most.
class TreatmentLookups
{
public:
    // period: the working period, whose years are preferred among a field's yearly rows.
    TreatmentLookups(Database &db, const WorkingPeriod &period);

    // The item is printed in the treatment register (its first row says so).
    bool printsInRegister(int itemCode);
    // The hectares of the entry's field, or of its crop centre when it is booked on a centre;
    // 0 when there is none or no surface is known. A field exists once per year: its row in
    // the latest year of the working period is taken, else its latest row.
    double surface(const WorkEntry &entry);
    // True when the database keeps what applications record (an older read-only file does not).
    bool recordsTreatments();

private:
    Database &m_db;
    WorkingPeriod m_period;
};
