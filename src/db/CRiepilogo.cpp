#include "CRiepilogo.h"

CRiepilogo::CRiepilogo(Database &db) : RecordSet(db, QStringLiteral("[Riepilogo]"), columns()) {}

const std::vector<Column> &CRiepilogo::columns()
{
    static const std::vector<Column> list{{QStringLiteral("Codice"), ColumnType::Long},
                                          {QStringLiteral("CosRic"), ColumnType::Boolean},
                                          {QStringLiteral("OpeMac"), ColumnType::Boolean},
                                          {QStringLiteral("OreSol"), ColumnType::Boolean},
                                          {QStringLiteral("Ore"), ColumnType::Single},
                                          {QStringLiteral("Soldi"), ColumnType::Double}};
    return list;
}
