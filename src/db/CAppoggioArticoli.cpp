#include "CAppoggioArticoli.h"

CAppoggioArticoli::CAppoggioArticoli(Database &db)
    : RecordSet(db, QStringLiteral("[Appoggio Articoli]"), columns())
{
}

const std::vector<Column> &CAppoggioArticoli::columns()
{
    static const std::vector<Column> list{{QStringLiteral("Data"), ColumnType::Date},
                                          {QStringLiteral("Fase"), ColumnType::Text},
                                          {QStringLiteral("Tipo Bolla"), ColumnType::Short},
                                          {QStringLiteral("Codice Articolo"), ColumnType::Long},
                                          {QStringLiteral("Articolo"), ColumnType::Text},
                                          {QStringLiteral("UnMis"), ColumnType::Text},
                                          {QStringLiteral("TQ"), ColumnType::Text},
                                          {QStringLiteral("NumPag"), ColumnType::Long},
                                          {QStringLiteral("Ultimo"), ColumnType::Boolean},
                                          {QStringLiteral("Centro"), ColumnType::Text},
                                          {QStringLiteral("Codice Centro"), ColumnType::Long},
                                          {QStringLiteral("RifDoc"), ColumnType::Text},
                                          {QStringLiteral("Avverso"), ColumnType::Text}};
    return list;
}
