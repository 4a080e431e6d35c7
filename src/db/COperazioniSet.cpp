#include "COperazioniSet.h"

COperazioniSet::COperazioniSet(Database &db)
    : RecordSet(db, QStringLiteral("[Operazioni]"), columns())
{
}

const std::vector<Column> &COperazioniSet::columns()
{
    static const std::vector<Column> list{{QStringLiteral("Codice"), ColumnType::Long},
                                          {QStringLiteral("Descrizione"), ColumnType::Text}};
    return list;
}
