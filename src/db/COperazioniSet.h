#pragma once

#include "RecordSet.h"

// Record set over [Operazioni]: operations. Column positions follow the binding order.
class COperazioniSet : public RecordSet
{
public:
    enum Field { Codice = 0, Descrizione };

    explicit COperazioniSet(Database &db);

    static const std::vector<Column> &columns();
};
