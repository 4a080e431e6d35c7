#pragma once

#include "RecordSet.h"

// Record set over [Totali]: cost and revenue totals per centre. Column positions follow the binding
// order.
class CTotali : public RecordSet
{
public:
    enum Field {
        CodCentro = 0,
        Codice,
        CodOperazione,
        CosRic,
        Descrizione,
        NumPag,
        OpeMac,
        OreQua,
        Tipo,
        Ultimo
    };

    explicit CTotali(Database &db);

    static const std::vector<Column> &columns();
};
