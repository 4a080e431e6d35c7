#include "COpereSet.h"

COpereSet::COpereSet(Database &db) : RecordSet(db, QStringLiteral("[Opere]"), columns()) {}

const std::vector<Column> &COpereSet::columns()
{
    static const std::vector<Column> list{{QStringLiteral("Aggiornato"), ColumnType::Boolean},
                                          {QStringLiteral("CodCentro"), ColumnType::Short},
                                          {QStringLiteral("CodMacch1"), ColumnType::Short},
                                          {QStringLiteral("CodMacch2"), ColumnType::Short},
                                          {QStringLiteral("CodMacch3"), ColumnType::Short},
                                          {QStringLiteral("CodOperaio"), ColumnType::Short},
                                          {QStringLiteral("CodOperazione"), ColumnType::Short},
                                          {QStringLiteral("IDOpera"), ColumnType::Long},
                                          {QStringLiteral("IDScheda"), ColumnType::Long},
                                          {QStringLiteral("OreFest"), ColumnType::Single},
                                          {QStringLiteral("OreOrd"), ColumnType::Single},
                                          {QStringLiteral("OreStr"), ColumnType::Single},
                                          {QStringLiteral("Tipo Centro"), ColumnType::Short},
                                          {QStringLiteral("CodCampo"), ColumnType::Long}};
    return list;
}
