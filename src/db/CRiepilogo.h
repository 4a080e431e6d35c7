#pragma once

#include "RecordSet.h"

// Record set over [Riepilogo]: per worker and machine summary of hours and money. Column positions
// follow the binding order.
class CRiepilogo : public RecordSet
{
public:
    enum Field { Codice = 0, CosRic, OpeMac, OreSol, Ore, Soldi };

    explicit CRiepilogo(Database &db);

    static const std::vector<Column> &columns();
};
