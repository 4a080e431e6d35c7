#include "CSchedaSet.h"

CSchedaSet::CSchedaSet(Database &db) : RecordSet(db, QStringLiteral("[Scheda]"), columns()) {}

const std::vector<Column> &CSchedaSet::columns()
{
    static const std::vector<Column> list{{QStringLiteral("Assenti"), ColumnType::Text},
                                          {QStringLiteral("Fattore"), ColumnType::Text},
                                          {QStringLiteral("Ferie"), ColumnType::Text},
                                          {QStringLiteral("IDScheda"), ColumnType::Long},
                                          {QStringLiteral("Infortunio"), ColumnType::Text},
                                          {QStringLiteral("Malattia"), ColumnType::Text},
                                          {QStringLiteral("Permesso"), ColumnType::Text},
                                          {QStringLiteral("Pioggia"), ColumnType::Single},
                                          {QStringLiteral("TempMax"), ColumnType::Single},
                                          {QStringLiteral("TempMin"), ColumnType::Single},
                                          {QStringLiteral("Tempo"), ColumnType::Text},
                                          {QStringLiteral("Vento"), ColumnType::Text},
                                          {QStringLiteral("Data"), ColumnType::Date}};
    return list;
}
