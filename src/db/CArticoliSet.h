#pragma once

#include "RecordSet.h"

// Record set over [Articoli]: warehouse items. Column positions follow the binding order.
class CArticoliSet : public RecordSet
{
public:
    enum Field { CostoUnitario = 0, Descrizione, UnMis, Codice, StampaQuaderno };

    explicit CArticoliSet(Database &db);

    static const std::vector<Column> &columns();
};
