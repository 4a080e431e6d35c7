#pragma once

#include "RecordSet.h"

// Record set over [Campi]: fields, one row per field and year. Column positions follow the binding
// order.
class CCampiSet : public RecordSet
{
public:
    enum Field { Descrizione = 0, Localita, Centro, Codice, Superficie, Anno };

    explicit CCampiSet(Database &db);

    static const std::vector<Column> &columns();
};
