#include "CTotali.h"

CTotali::CTotali(Database &db) : RecordSet(db, QStringLiteral("[Totali]"), columns()) {}

const std::vector<Column> &CTotali::columns()
{
    static const std::vector<Column> list{{QStringLiteral("CodCentro"), ColumnType::Long},
                                          {QStringLiteral("Codice"), ColumnType::Long},
                                          {QStringLiteral("CodOperazione"), ColumnType::Long},
                                          {QStringLiteral("CosRic"), ColumnType::Double},
                                          {QStringLiteral("Descrizione"), ColumnType::Text},
                                          {QStringLiteral("NumPag"), ColumnType::Long},
                                          {QStringLiteral("OpeMac"), ColumnType::Boolean},
                                          {QStringLiteral("OreQua"), ColumnType::Single},
                                          {QStringLiteral("Tipo"), ColumnType::Boolean},
                                          {QStringLiteral("Ultimo"), ColumnType::Boolean}};
    return list;
}
