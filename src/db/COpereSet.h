#pragma once

#include "RecordSet.h"

// Record set over [Opere]: the works of the cards. Column positions follow the binding order.
class COpereSet : public RecordSet
{
public:
    enum Field {
        Aggiornato = 0,
        CodCentro,
        CodMacch1,
        CodMacch2,
        CodMacch3,
        CodOperaio,
        CodOperazione,
        IDOpera,
        IDScheda,
        OreFest,
        OreOrd,
        OreStr,
        TipoCentro,
        CodCampo
    };

    explicit COpereSet(Database &db);

    static const std::vector<Column> &columns();
};
