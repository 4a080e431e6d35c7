#pragma once

#include "RecordSet.h"

// Record set over [Scheda]: one day card. Column positions follow the binding order.
class CSchedaSet : public RecordSet
{
public:
    enum Field {
        Assenti = 0,
        Fattore,
        Ferie,
        IDScheda,
        Infortunio,
        Malattia,
        Permesso,
        Pioggia,
        TempMax,
        TempMin,
        Tempo,
        Vento,
        Data
    };

    explicit CSchedaSet(Database &db);

    static const std::vector<Column> &columns();
};
