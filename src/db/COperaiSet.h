#pragma once

#include "RecordSet.h"

// Record set over [Operai]: workers. Column positions follow the binding order.
class COperaiSet : public RecordSet
{
public:
    enum Field { Codice = 0, Nome, Rapporto, Stipendio };

    explicit COperaiSet(Database &db);

    static const std::vector<Column> &columns();
};
