#pragma once

#include "RecordSet.h"

// Record set over [Centri]: cost centres: crop centres, machines and other centres. Column
// positions follow the binding order.
class CCentriSet : public RecordSet
{
public:
    enum Field { Campo = 0, Descrizione, Macchina, Codice, SupAnno };

    explicit CCentriSet(Database &db);

    static const std::vector<Column> &columns();
};
