#include "CMagazzinoSet.h"

CMagazzinoSet::CMagazzinoSet(Database &db) : RecordSet(db, QStringLiteral("[Magazzino]"), columns())
{
}

const std::vector<Column> &CMagazzinoSet::columns()
{
    static const std::vector<Column> list{{QStringLiteral("CodCampo"), ColumnType::Long},
                                          {QStringLiteral("CodCentro"), ColumnType::Short},
                                          {QStringLiteral("Codice Articolo"), ColumnType::Short},
                                          {QStringLiteral("IDBolla"), ColumnType::Long},
                                          {QStringLiteral("IDOpera"), ColumnType::Long},
                                          {QStringLiteral("Prezzo"), ColumnType::Double},
                                          {QStringLiteral("Quantita"), ColumnType::Single},
                                          {QStringLiteral("RifDoc"), ColumnType::Text},
                                          {QStringLiteral("Tipo Bolla"), ColumnType::Short},
                                          {QStringLiteral("Tipo Centro"), ColumnType::Short},
                                          {QStringLiteral("UniMis"), ColumnType::Text},
                                          {QStringLiteral("Fase"), ColumnType::Text},
                                          {QStringLiteral("Iva"), ColumnType::Single},
                                          {QStringLiteral("Note"), ColumnType::Text},
                                          {QStringLiteral("Avverso"), ColumnType::Text}};
    return list;
}
