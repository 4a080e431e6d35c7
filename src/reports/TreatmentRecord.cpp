#include "TreatmentRecord.h"

#include "base/AtomicFile.h"
#include "base/CompanyData.h"
#include "base/CsvTable.h"
#include "base/DomainCodes.h"
#include "db/Database.h"
#include "db/DbDate.h"
#include "db/RowCursor.h"
#include "db/SchemaUpgrade.h"
#include "db/TreatmentColumns.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QRegularExpression>
#include <cmath>
#include <iterator>
#include <map>

namespace {

// The applications the printed register lists: movements of register products booked on a
// crop centre or a field, processing or untyped, on the cards of the period.
const QString TreatmentsSql = QStringLiteral(
    "SELECT s.Data, m.[Codice Articolo], "
    "(SELECT a.Descrizione FROM Articoli AS a WHERE a.Codice = m.[Codice Articolo] "
    " ORDER BY a.rowid LIMIT 1), "
    "m.UniMis, m.Quantita, m.Fase, m.CodCentro, m.Avverso, m.[Tipo Centro], m.CodCampo, "
    "s.IDScheda, o.IDOpera, %1, %2, %3 "
    "FROM Scheda AS s INDEXED BY SchedaData "
    "CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda "
    "CROSS JOIN Magazzino AS m INDEXED BY MagazzinoOpera ON m.IDOpera = o.IDOpera "
    "WHERE o.IDScheda <> 0 AND s.Data BETWEEN ? AND ? "
    "AND m.[Tipo Centro] IN (1, 2) AND m.[Tipo Bolla] IN (0, 3) "
    "AND EXISTS (SELECT 1 FROM Articoli AS a "
    "            WHERE a.Codice = m.[Codice Articolo] AND a.[Stampa Quaderno] <> 0) "
    "ORDER BY s.Data, m.IDBolla");

struct Centre
{
    QString name;
    QString eppoCode;
    double surface = 0;
};

struct Field
{
    QString name;
    double surface = 0;
    TreatmentRecord::Parcel parcel;
};

// Registry values by code, from the first row of each code as the register's lookups take it.
QHash<int, QString> authorisationNumbers(Database &db)
{
    QHash<int, QString> numbers;
    QSqlQuery rows =
        db.execute(QStringLiteral("SELECT Codice, %1 FROM Articoli ORDER BY rowid")
                       .arg(SchemaUpgrade::columnOrNull(db, SchemaUpgrade::ItemsTable,
                                                        SchemaUpgrade::AuthorisationColumn)));
    RowCursor cursor(rows);
    while (cursor.next()) {
        const int code = rows.value(0).toInt();
        if (!numbers.contains(code))
            numbers.insert(code, rows.value(1).toString().trimmed());
    }
    return numbers;
}

QHash<int, Centre> centres(Database &db)
{
    QHash<int, Centre> found;
    QSqlQuery rows = db.execute(
        QStringLiteral("SELECT Codice, Descrizione, SupAnno, %1 FROM Centri ORDER BY rowid")
            .arg(SchemaUpgrade::columnOrNull(db, SchemaUpgrade::CentresTable,
                                             SchemaUpgrade::EppoColumn)));
    RowCursor cursor(rows);
    while (cursor.next()) {
        const int code = rows.value(0).toInt();
        if (!found.contains(code))
            found.insert(code, {rows.value(1).toString(), rows.value(3).toString().trimmed(),
                                rows.value(2).toDouble()});
    }
    return found;
}

QJsonObject geometryOf(const QString &text)
{
    if (text.trimmed().isEmpty())
        return {};
    const QJsonObject object = QJsonDocument::fromJson(text.toUtf8()).object();
    const QString type = object.value(QStringLiteral("type")).toString();
    if ((type != QLatin1String("Polygon") && type != QLatin1String("MultiPolygon")) ||
        !object.value(QStringLiteral("coordinates")).isArray())
        return {};
    return object;
}

// Fields by code, then by year.
using Fields = QHash<int, QMap<int, Field>>;

Fields fields(Database &db)
{
    namespace C = TreatmentColumns;
    const auto column = [&db](const QString &name) {
        return SchemaUpgrade::columnOrNull(db, C::FieldsTable, name);
    };
    QSqlQuery rows = db.execute(
        QStringLiteral("SELECT Codice, Anno, Descrizione, Superficie, %1, %2, %3, %4, %5 "
                       "FROM Campi ORDER BY rowid")
            .arg(column(C::ParcelId), column(C::Municipality), column(C::Sheet),
                 column(C::CadastralParcel), column(C::Geometry)));
    Fields found;
    RowCursor cursor(rows);
    while (cursor.next()) {
        QMap<int, Field> &years = found[rows.value(0).toInt()];
        const int year = rows.value(1).toInt();
        if (years.contains(year))
            continue;
        years.insert(year, {rows.value(2).toString(),
                            rows.value(3).toDouble(),
                            {rows.value(4).toString().trimmed(), rows.value(5).toString().trimmed(),
                             rows.value(6).toString().trimmed(), rows.value(7).toString().trimmed(),
                             geometryOf(rows.value(8).toString())}});
    }
    return found;
}

// The field as it was in the year: that year's row, else the latest earlier one, else the
// earliest later one.
const Field *fieldOf(const Fields &all, int code, int year)
{
    const auto years = all.constFind(code);
    if (years == all.constEnd() || years->isEmpty())
        return nullptr;
    auto at = years->upperBound(year);
    if (at != years->constBegin())
        return &*std::prev(at);
    return &*years->constBegin();
}

QDate dayOf(const QVariant &value)
{
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().date();
    return DbDate::fromText(value.toString()).date();
}

QVariant numberOrNull(const std::optional<double> &value)
{
    return value ? QVariant(*value) : QVariant();
}

QVariant textOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

std::optional<double> areaOf(const QVariant &value)
{
    if (value.isNull() || value.toString().trimmed().isEmpty())
        return std::nullopt;
    bool ok = false;
    const double area = value.toDouble(&ok);
    return ok ? std::optional<double>(area) : std::nullopt;
}

// Two figures more than the printed register: enough for every real parcel, no float noise.
double rounded(double value)
{
    return std::round(value * 1e6) / 1e6;
}

const QString &geometryName()
{
    static const QString name = QStringLiteral("parcel_geometry");
    return name;
}

} // namespace

bool TreatmentRecord::Parcel::hasCadastralReference() const
{
    return !municipality.isEmpty() && !sheet.isEmpty() && !cadastralParcel.isEmpty();
}

bool TreatmentRecord::Parcel::isReferenced() const
{
    return !nationalId.isEmpty() || hasCadastralReference() || !geometry.isEmpty();
}

TreatmentRecord::Company TreatmentRecord::Company::of(const CompanyData &data)
{
    QStringList name{data.name().trimmed()};
    if (const QString first = data.text(SettingsKeys::CompanyFirstName).trimmed(); !first.isEmpty())
        name << first;
    return {name.join(QLatin1Char(' ')).trimmed(),
            data.text(SettingsKeys::CompanyTaxCode).trimmed()};
}

bool TreatmentRecord::isEppoCode(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^[A-Z0-9]{5,6}$"));
    return form.match(text).hasMatch();
}

bool TreatmentRecord::isBbchStage(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^[0-9]{2}$"));
    return form.match(text).hasMatch();
}

bool TreatmentRecord::isApplicationTime(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^([01][0-9]|2[0-3]):[0-5][0-9]$"));
    return form.match(text).hasMatch();
}

QList<TreatmentRecord::Gap> TreatmentRecord::Treatment::gaps() const
{
    QList<Gap> found;
    if (authorisationNumber.isEmpty())
        found << Gap::AuthorisationNumber;
    if (eppoCode.isEmpty())
        found << Gap::EppoCode;
    else if (!isEppoCode(eppoCode))
        found << Gap::EppoCodeForm;
    if (!treatedArea || !(*treatedArea > 0))
        found << Gap::TreatedArea;
    // A thousandth of a square metre is below any measurement of a field.
    else if (parcelSurface > 0 && *treatedArea > parcelSurface + 1e-7)
        found << Gap::AreaAboveParcel;
    if (!bbchStage.isEmpty() && !isBbchStage(bbchStage))
        found << Gap::BbchStage;
    if (!time.isEmpty() && !isApplicationTime(time))
        found << Gap::ApplicationTime;
    if (!parcel.isReferenced())
        found << Gap::ParcelReference;
    return found;
}

const QStringList &TreatmentRecord::fieldNames()
{
    // The first fourteen names are those of the earliest files; new ones are added after them.
    static const QStringList names{QStringLiteral("date"),
                                   QStringLiteral("product"),
                                   QStringLiteral("authorisation_number"),
                                   QStringLiteral("quantity"),
                                   QStringLiteral("unit"),
                                   QStringLiteral("dose_per_hectare"),
                                   QStringLiteral("crop"),
                                   QStringLiteral("crop_eppo_code"),
                                   QStringLiteral("centre_code"),
                                   QStringLiteral("surface_ha"),
                                   QStringLiteral("growth_stage"),
                                   QStringLiteral("adversity"),
                                   QStringLiteral("company_name"),
                                   QStringLiteral("company_tax_code"),
                                   QStringLiteral("time"),
                                   QStringLiteral("treated_area_ha"),
                                   QStringLiteral("bbch_stage"),
                                   QStringLiteral("field_code"),
                                   QStringLiteral("field"),
                                   QStringLiteral("field_surface_ha"),
                                   QStringLiteral("national_parcel_id"),
                                   QStringLiteral("cadastral_municipality"),
                                   QStringLiteral("cadastral_sheet"),
                                   QStringLiteral("cadastral_parcel"),
                                   geometryName(),
                                   QStringLiteral("missing")};
    return names;
}

TreatmentRecord::TreatmentRecord(Database &db, const WorkingPeriod &period, Company company)
    : m_company(std::move(company))
{
    namespace C = TreatmentColumns;
    const QHash<int, QString> numbers = authorisationNumbers(db);
    const QHash<int, Centre> centreValues = centres(db);
    const Fields fieldValues = fields(db);
    const auto movementColumn = [&db](const QString &name) {
        return SchemaUpgrade::columnOrNull(db, C::MovementsTable, name, QStringLiteral("m"));
    };
    QSqlQuery rows =
        db.execute(TreatmentsSql.arg(movementColumn(C::TreatedArea), movementColumn(C::BbchStage),
                                     movementColumn(C::ApplicationTime)),
                   {period.startAt(), period.endAt()});
    RowCursor cursor(rows);
    while (cursor.next()) {
        Treatment treatment;
        treatment.date = dayOf(rows.value(0));
        treatment.authorisationNumber = numbers.value(rows.value(1).toInt());
        treatment.product = rows.value(2).toString();
        treatment.unit = rows.value(3).toString();
        // Movements out of the store may be kept negative; the register shows the amount used.
        treatment.quantity = qAbs(rows.value(4).toDouble());
        treatment.growthStage = rows.value(5).toString();
        treatment.centreCode = rows.value(6).toInt();
        treatment.adversity = rows.value(7).toString();
        const Centre centre = centreValues.value(treatment.centreCode);
        treatment.crop = centre.name;
        treatment.eppoCode = centre.eppoCode;
        treatment.surfaceHectares = centre.surface;
        treatment.parcelSurface = centre.surface;
        if (rows.value(8).toInt() == int(CentreKind::Field)) {
            treatment.fieldCode = rows.value(9).toInt();
            const Field *field = fieldOf(fieldValues, treatment.fieldCode, treatment.date.year());
            // A field without a surface of its own gives no area rather than its centre's,
            // which would understate the dose.
            treatment.parcelSurface = field ? field->surface : 0;
            if (field) {
                treatment.field = field->name;
                treatment.parcel = field->parcel;
            }
        }
        treatment.cardId = rows.value(10).toLongLong();
        treatment.workId = rows.value(11).toLongLong();
        treatment.treatedArea = areaOf(rows.value(12));
        if (!treatment.treatedArea && treatment.parcelSurface > 0)
            treatment.treatedArea = treatment.parcelSurface;
        if (treatment.treatedArea && *treatment.treatedArea > 0)
            treatment.dosePerHectare = treatment.quantity / *treatment.treatedArea;
        treatment.bbchStage = rows.value(13).toString().trimmed();
        treatment.time = rows.value(14).toString().trimmed();
        m_treatments.append(treatment);
    }
}

QList<TreatmentRecord::Treatment> TreatmentRecord::incomplete() const
{
    QList<Treatment> missing;
    for (const Treatment &treatment : m_treatments) {
        if (!treatment.isComplete())
            missing.append(treatment);
    }
    return missing;
}

QString TreatmentRecord::placeOf(const Treatment &treatment)
{
    if (treatment.fieldCode > 0)
        return treatment.field.isEmpty()
                   ? tr("field %1").arg(treatment.fieldCode)
                   : QStringLiteral("%1 (%2)").arg(treatment.field).arg(treatment.fieldCode);
    return QStringLiteral("%1 (%2)").arg(treatment.crop).arg(treatment.centreCode);
}

QString TreatmentRecord::gapText(const Treatment &treatment, Gap gap)
{
    const QLocale locale;
    switch (gap) {
    case Gap::AuthorisationNumber:
        return tr("the product has no authorisation number");
    case Gap::EppoCode:
        return tr("the crop has no EPPO code");
    case Gap::EppoCodeForm:
        return tr("the crop's EPPO code \"%1\" is not 5 or 6 capital letters or digits")
            .arg(treatment.eppoCode);
    case Gap::TreatedArea:
        return tr("no treated area above 0 ha");
    case Gap::AreaAboveParcel:
        return tr("the treated area of %1 ha is larger than the %2 ha of the field")
            .arg(locale.toString(treatment.treatedArea.value_or(0), 'f', 4),
                 locale.toString(treatment.parcelSurface, 'f', 4));
    case Gap::BbchStage:
        return tr("the BBCH stage \"%1\" is not a code from 00 to 99").arg(treatment.bbchStage);
    case Gap::ApplicationTime:
        return tr("the time \"%1\" is not a time of day (HH:MM)").arg(treatment.time);
    case Gap::ParcelReference:
        return treatment.fieldCode > 0
                   ? tr("the field has no parcel reference (national parcel identifier, "
                        "cadastral reference or geometry)")
                   : tr("no parcel reference: the treatment is booked on the crop centre, not "
                        "on a field");
    }
    return {};
}

QString TreatmentRecord::gapName(Gap gap)
{
    switch (gap) {
    case Gap::AuthorisationNumber:
        return QStringLiteral("authorisation_number");
    case Gap::EppoCode:
    case Gap::EppoCodeForm:
        return QStringLiteral("crop_eppo_code");
    case Gap::TreatedArea:
    case Gap::AreaAboveParcel:
        return QStringLiteral("treated_area_ha");
    case Gap::BbchStage:
        return QStringLiteral("bbch_stage");
    case Gap::ApplicationTime:
        return QStringLiteral("time");
    case Gap::ParcelReference:
        return QStringLiteral("parcel_reference");
    }
    return {};
}

QString TreatmentRecord::describeMissing(const Treatment &treatment)
{
    QStringList lacks;
    for (const Gap gap : treatment.gaps())
        lacks << gapText(treatment, gap);
    return tr("%1, %2 on %3: %4")
        .arg(treatment.date.toString(Qt::ISODate), treatment.product, placeOf(treatment),
             lacks.join(QStringLiteral("; ")));
}

QVariantList TreatmentRecord::values(const Treatment &treatment) const
{
    QStringList missing;
    for (const Gap gap : treatment.gaps())
        if (!missing.contains(gapName(gap)))
            missing << gapName(gap);
    const Parcel &parcel = treatment.parcel;
    const std::optional<double> dose =
        treatment.dosePerHectare ? std::optional<double>(rounded(*treatment.dosePerHectare))
                                 : std::nullopt;
    return {treatment.date,
            treatment.product,
            treatment.authorisationNumber,
            treatment.quantity,
            treatment.unit,
            numberOrNull(dose),
            treatment.crop,
            treatment.eppoCode,
            treatment.centreCode,
            treatment.surfaceHectares,
            treatment.growthStage,
            treatment.adversity,
            m_company.name,
            m_company.taxCode,
            textOrNull(treatment.time),
            numberOrNull(treatment.treatedArea),
            textOrNull(treatment.bbchStage),
            treatment.fieldCode > 0 ? QVariant(treatment.fieldCode) : QVariant(),
            textOrNull(treatment.field),
            treatment.fieldCode > 0 ? QVariant(treatment.parcelSurface) : QVariant(),
            textOrNull(parcel.nationalId),
            textOrNull(parcel.municipality),
            textOrNull(parcel.sheet),
            textOrNull(parcel.cadastralParcel),
            parcel.geometry.isEmpty()
                ? QVariant()
                : QVariant(QString::fromUtf8(
                      QJsonDocument(parcel.geometry).toJson(QJsonDocument::Compact))),
            missing};
}

QJsonObject TreatmentRecord::toJsonObject(const Treatment &treatment) const
{
    const QVariantList cells = values(treatment);
    QJsonObject object;
    for (int i = 0; i < cells.size(); ++i) {
        const QString &name = fieldNames().at(i);
        const QVariant &cell = cells.at(i);
        if (name == geometryName())
            object.insert(name, treatment.parcel.geometry.isEmpty()
                                    ? QJsonValue()
                                    : QJsonValue(treatment.parcel.geometry));
        else if (cell.typeId() == QMetaType::QDate)
            object.insert(name, cell.toDate().toString(Qt::ISODate));
        else
            object.insert(name, QJsonValue::fromVariant(cell));
    }
    return object;
}

QByteArray TreatmentRecord::toCsv() const
{
    CsvTable table(fieldNames());
    for (const Treatment &treatment : m_treatments) {
        QVariantList cells = values(treatment);
        // One cell holds the list of what is missing, names apart by spaces.
        cells.last() = cells.last().toStringList().join(QLatin1Char(' '));
        table.addRow(cells);
    }
    return table.toUtf8();
}

QByteArray TreatmentRecord::toJson() const
{
    QJsonArray array;
    for (const Treatment &treatment : m_treatments)
        array.append(toJsonObject(treatment));
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

QByteArray TreatmentRecord::toGeoJson() const
{
    // One feature per treated field and year, and one per crop centre treated as a whole, in
    // the order of their first treatment.
    struct Place
    {
        QJsonObject properties;
        QJsonObject geometry;
        QJsonArray treatments;
    };
    std::map<std::tuple<int, int, int>, int> index;
    QList<Place> places;
    static const QStringList parcelNames{
        QStringLiteral("crop"),
        QStringLiteral("crop_eppo_code"),
        QStringLiteral("centre_code"),
        QStringLiteral("field_code"),
        QStringLiteral("field"),
        QStringLiteral("field_surface_ha"),
        QStringLiteral("national_parcel_id"),
        QStringLiteral("cadastral_municipality"),
        QStringLiteral("cadastral_sheet"),
        QStringLiteral("cadastral_parcel"),
        QStringLiteral("company_name"),
        QStringLiteral("company_tax_code"),
    };
    for (const Treatment &treatment : m_treatments) {
        const std::tuple key{treatment.fieldCode,
                             treatment.fieldCode > 0 ? treatment.date.year() : 0,
                             treatment.fieldCode > 0 ? 0 : treatment.centreCode};
        QJsonObject record = toJsonObject(treatment);
        auto [at, added] = index.try_emplace(key, int(places.size()));
        if (added) {
            Place place;
            for (const QString &name : parcelNames)
                place.properties.insert(name, record.value(name));
            place.properties.insert(QStringLiteral("year"), treatment.date.year());
            place.geometry = treatment.parcel.geometry;
            places.append(place);
        }
        for (const QString &name : parcelNames)
            record.remove(name);
        record.remove(geometryName());
        places[at->second].treatments.append(record);
    }
    QJsonArray features;
    for (Place &place : places) {
        place.properties.insert(QStringLiteral("treatment_count"), place.treatments.size());
        place.properties.insert(QStringLiteral("treatments"), place.treatments);
        features.append(
            QJsonObject{{QStringLiteral("type"), QStringLiteral("Feature")},
                        {QStringLiteral("geometry"),
                         place.geometry.isEmpty() ? QJsonValue() : QJsonValue(place.geometry)},
                        {QStringLiteral("properties"), place.properties}});
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("type"), QStringLiteral("FeatureCollection")},
                                     {QStringLiteral("features"), features}})
        .toJson(QJsonDocument::Indented);
}

QByteArray TreatmentRecord::encode(Format format) const
{
    switch (format) {
    case Format::Csv:
        return toCsv();
    case Format::Json:
        return toJson();
    case Format::GeoJson:
        return toGeoJson();
    }
    return {};
}

bool TreatmentRecord::write(const QString &path, Format format, QString *error) const
{
    return AtomicFile::write(path, encode(format), error);
}
