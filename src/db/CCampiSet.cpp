#include "CCampiSet.h"

CCampiSet::CCampiSet(Database &db) : RecordSet(db, QStringLiteral("[Campi]"), columns()) {}

const std::vector<Column> &CCampiSet::columns()
{
    static const std::vector<Column> list{{QStringLiteral("Descrizione"), ColumnType::Text},
                                          {QStringLiteral("Località"), ColumnType::Text},
                                          {QStringLiteral("Centro"), ColumnType::Long},
                                          {QStringLiteral("Codice"), ColumnType::Long},
                                          {QStringLiteral("Superficie"), ColumnType::Single},
                                          {QStringLiteral("Anno"), ColumnType::Long}};
    return list;
}
