#pragma once

#include "RecordSet.h"

// Record set over [Magazzino]: stock movements, one per work. Column positions follow the binding
// order.
class CMagazzinoSet : public RecordSet
{
public:
    enum Field {
        CodCampo = 0,
        CodCentro,
        CodiceArticolo,
        IDBolla,
        IDOpera,
        Prezzo,
        Quantita,
        RifDoc,
        TipoBolla,
        TipoCentro,
        UniMis,
        Fase,
        Iva,
        Note,
        Avverso
    };

    explicit CMagazzinoSet(Database &db);

    static const std::vector<Column> &columns();
};
