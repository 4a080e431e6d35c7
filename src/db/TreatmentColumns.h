#pragma once

#include <QString>

// Columns that make a treatment recordable on its own: the parcel a field lies on and what each
// application of a product records. Added by the schema upgrade to version 2; files of older
// versions read them as empty (SchemaUpgrade::columnOrNull).
namespace TreatmentColumns {

// Campi, per field and year.
inline const QString FieldsTable = QStringLiteral("Campi");
// The national parcel identifier (text, as the parcel system writes it).
inline const QString ParcelId = QStringLiteral("IdParcella");
// The cadastral reference: municipality code, sheet and parcel.
inline const QString Municipality = QStringLiteral("CodiceComune");
inline const QString Sheet = QStringLiteral("Foglio");
inline const QString CadastralParcel = QStringLiteral("Particella");
// A GeoJSON Polygon (or MultiPolygon) geometry object in WGS84, as text; empty when not given.
inline const QString Geometry = QStringLiteral("Geometria");

// Magazzino, per stock movement.
inline const QString MovementsTable = QStringLiteral("Magazzino");
// Hectares treated; NULL means the field's surface (the crop centre's when on a centre).
inline const QString TreatedArea = QStringLiteral("SuperficieTrattata");
// The BBCH growth stage as two digits "00".."99"; NULL when not given.
inline const QString BbchStage = QStringLiteral("CodiceBBCH");
// The time of application as "HH:MM"; NULL when not given.
inline const QString ApplicationTime = QStringLiteral("OraTrattamento");

} // namespace TreatmentColumns
