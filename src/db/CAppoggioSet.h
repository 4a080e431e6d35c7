#pragma once

#include "RecordSet.h"

// Record set over [Appoggio Campi]: field notebook work lines. Column positions follow the binding
// order.
class CAppoggioSet : public RecordSet
{
public:
    enum Field { Data = 0, CodOp, CodAO, CodCamp, TQ, Tipo };

    explicit CAppoggioSet(Database &db);

    static const std::vector<Column> &columns();
};
