#include "CArticoliSet.h"

CArticoliSet::CArticoliSet(Database &db) : RecordSet(db, QStringLiteral("[Articoli]"), columns()) {}

const std::vector<Column> &CArticoliSet::columns()
{
    static const std::vector<Column> list{{QStringLiteral("Costo Unitario"), ColumnType::Double},
                                          {QStringLiteral("Descrizione"), ColumnType::Text},
                                          {QStringLiteral("UnMis"), ColumnType::Text},
                                          {QStringLiteral("Codice"), ColumnType::Long},
                                          {QStringLiteral("Stampa Quaderno"), ColumnType::Boolean}};
    return list;
}
