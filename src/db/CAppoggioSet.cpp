#include "CAppoggioSet.h"

CAppoggioSet::CAppoggioSet(Database &db)
    : RecordSet(db, QStringLiteral("[Appoggio Campi]"), columns())
{
}

const std::vector<Column> &CAppoggioSet::columns()
{
    static const std::vector<Column> list{
        {QStringLiteral("Data"), ColumnType::Date},  {QStringLiteral("CodOp"), ColumnType::Text},
        {QStringLiteral("CodAO"), ColumnType::Text}, {QStringLiteral("CodCamp"), ColumnType::Text},
        {QStringLiteral("TQ"), ColumnType::Text},    {QStringLiteral("Tipo"), ColumnType::Boolean}};
    return list;
}
