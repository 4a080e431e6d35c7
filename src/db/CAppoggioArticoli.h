#pragma once

#include "RecordSet.h"

// Record set over [Appoggio Articoli]: treatment register lines. Column positions follow the
// binding order.
class CAppoggioArticoli : public RecordSet
{
public:
    enum Field {
        Data = 0,
        Fase,
        TipoBolla,
        CodiceArticolo,
        Articolo,
        UnMis,
        TQ,
        NumPag,
        Ultimo,
        Centro,
        CodiceCentro,
        RifDoc,
        Avverso
    };

    explicit CAppoggioArticoli(Database &db);

    static const std::vector<Column> &columns();
};
