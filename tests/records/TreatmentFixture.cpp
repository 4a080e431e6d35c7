#include "TreatmentFixture.h"

#include "db/SchemaUpgrade.h"
#include "db/TreatmentColumns.h"

namespace TreatmentFixture {

void addColumns(Database &db)
{
    namespace C = TreatmentColumns;
    const auto add = [&db](const QString &table, const QString &column, const char *type) {
        if (!SchemaUpgrade::hasColumn(db, table, column))
            db.execute(QStringLiteral("ALTER TABLE %1 ADD COLUMN [%2] %3")
                           .arg(table, column, QLatin1String(type)));
    };
    for (const QString &column :
         {C::ParcelId, C::Municipality, C::Sheet, C::CadastralParcel, C::Geometry})
        add(C::FieldsTable, column, "TEXT");
    add(C::MovementsTable, C::TreatedArea, "REAL");
    add(C::MovementsTable, C::BbchStage, "TEXT");
    add(C::MovementsTable, C::ApplicationTime, "TEXT");
}

void setParcel(Database &db, int field, const QString &nationalId, const QString &geometry)
{
    db.execute(QStringLiteral("UPDATE Campi SET IdParcella = ?, Geometria = ? WHERE Codice = ?"),
               {nationalId.isEmpty() ? QVariant() : QVariant(nationalId),
                geometry.isEmpty() ? QVariant() : QVariant(geometry), field});
}

void setApplication(Database &db, qint64 work, const QVariant &treatedArea, const QVariant &bbch,
                    const QVariant &time)
{
    db.execute(QStringLiteral("UPDATE Magazzino SET SuperficieTrattata = ?, CodiceBBCH = ?, "
                              "OraTrattamento = ? WHERE IDOpera = ?"),
               {treatedArea, bbch, time, work});
}

} // namespace TreatmentFixture
