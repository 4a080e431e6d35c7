#pragma once

#include "RecordSet.h"

// Record set over [Totali Campi]: cost and revenue totals per field. Column positions follow the
// binding order.
class CTotaliCampi : public RecordSet
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
        Ultimo,
        Fase,
        Avverso
    };

    explicit CTotaliCampi(Database &db);

    static const std::vector<Column> &columns();
};
