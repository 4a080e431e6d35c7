#include "CTotaliCampi.h"

CTotaliCampi::CTotaliCampi(Database &db)
    : RecordSet(db, QStringLiteral("[Totali Campi]"), columns())
{
}

const std::vector<Column> &CTotaliCampi::columns()
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
                                          {QStringLiteral("Ultimo"), ColumnType::Boolean},
                                          {QStringLiteral("Fase"), ColumnType::Text},
                                          {QStringLiteral("Avverso"), ColumnType::Text}};
    return list;
}
