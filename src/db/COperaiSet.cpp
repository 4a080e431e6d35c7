#include "COperaiSet.h"

COperaiSet::COperaiSet(Database &db) : RecordSet(db, QStringLiteral("[Operai]"), columns()) {}

const std::vector<Column> &COperaiSet::columns()
{
    static const std::vector<Column> list{{QStringLiteral("Codice"), ColumnType::Long},
                                          {QStringLiteral("Nome"), ColumnType::Text},
                                          {QStringLiteral("Rapporto"), ColumnType::Boolean},
                                          {QStringLiteral("Stipendio"), ColumnType::Double}};
    return list;
}
