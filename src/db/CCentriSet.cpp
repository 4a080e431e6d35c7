#include "CCentriSet.h"

CCentriSet::CCentriSet(Database &db) : RecordSet(db, QStringLiteral("[Centri]"), columns()) {}

const std::vector<Column> &CCentriSet::columns()
{
    static const std::vector<Column> list{{QStringLiteral("Campo"), ColumnType::Boolean},
                                          {QStringLiteral("Descrizione"), ColumnType::Text},
                                          {QStringLiteral("Macchina"), ColumnType::Boolean},
                                          {QStringLiteral("Codice"), ColumnType::Long},
                                          {QStringLiteral("SupAnno"), ColumnType::Single}};
    return list;
}
