#include "ParcelGeometry.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <cmath>
#include <numbers>

namespace {

using Ring = ParcelGeometry::Ring;
using Polygon = ParcelGeometry::Polygon;

// WGS84
constexpr double SemiMajorAxis = 6378137.0;
constexpr double Flattening = 1.0 / 298.257223563;
const double Eccentricity2 = Flattening * (2.0 - Flattening);
const double Eccentricity = std::sqrt(Eccentricity2);

// The authalic function q of the latitude: the ellipsoid's area between the equator and a
// parallel is proportional to it, so the sphere of the same area maps the ellipsoid onto
// itself area for area (the authalic latitude's sine is q / q at the pole).
double authalicQ(double sinLatitude)
{
    const double es = Eccentricity * sinLatitude;
    return (1.0 - Eccentricity2) * (sinLatitude / (1.0 - es * es) -
                                    std::log((1.0 - es) / (1.0 + es)) / (2.0 * Eccentricity));
}

const double PolarQ = authalicQ(1.0);
const double AuthalicRadius2 = SemiMajorAxis * SemiMajorAxis * PolarQ / 2.0;

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

// A position is at least a longitude and a latitude, in range.
bool readPosition(const QJsonValue &value, QPointF &point)
{
    const QJsonArray position = value.toArray();
    if (!value.isArray() || position.size() < 2 || !position[0].isDouble() ||
        !position[1].isDouble())
        return false;
    const double longitude = position[0].toDouble();
    const double latitude = position[1].toDouble();
    if (!std::isfinite(longitude) || !std::isfinite(latitude) || std::abs(longitude) > 180.0 ||
        std::abs(latitude) > 90.0)
        return false;
    point = QPointF(longitude, latitude);
    return true;
}

// The checks every ring and polygon passes whatever format it came in; polygon numbers count
// from 1.
bool checkPolygon(const Polygon &polygon, int number, QString *error)
{
    for (qsizetype r = 0; r < polygon.size(); ++r) {
        const Ring &ring = polygon[r];
        if (ring.size() < 4) {
            *error = ParcelGeometry::tr("Ring %1 of polygon %2 has fewer than four positions.")
                         .arg(r + 1)
                         .arg(number);
            return false;
        }
        if (ring.first() != ring.last()) {
            *error = ParcelGeometry::tr(
                         "Ring %1 of polygon %2 is not closed: its last position differs from "
                         "its first.")
                         .arg(r + 1)
                         .arg(number);
            return false;
        }
    }
    if (polygon.isEmpty() || ParcelGeometry::ringSquareMetres(polygon.first()) <= 0.0) {
        *error = ParcelGeometry::tr("Polygon %1 encloses no area.").arg(number);
        return false;
    }
    return true;
}

std::optional<Polygon> readPolygon(const QJsonValue &value, int number, QString *error)
{
    const QString notRings =
        ParcelGeometry::tr("The coordinates of polygon %1 are not a list of rings.").arg(number);
    if (!value.isArray() || value.toArray().isEmpty()) {
        *error = notRings;
        return std::nullopt;
    }
    Polygon polygon;
    const QJsonArray rings = value.toArray();
    for (qsizetype r = 0; r < rings.size(); ++r) {
        if (!rings[r].isArray()) {
            *error = notRings;
            return std::nullopt;
        }
        Ring ring;
        const QJsonArray positions = rings[r].toArray();
        for (qsizetype p = 0; p < positions.size(); ++p) {
            QPointF point;
            if (!readPosition(positions[p], point)) {
                *error = ParcelGeometry::tr("Position %1 of ring %2 of polygon %3 is not a "
                                            "longitude and latitude in degrees.")
                             .arg(p + 1)
                             .arg(r + 1)
                             .arg(number);
                return std::nullopt;
            }
            ring << point;
        }
        polygon << ring;
    }
    if (!checkPolygon(polygon, number, error))
        return std::nullopt;
    return polygon;
}

// The geometry object of a GeoJSON text: the object itself, a Feature's geometry, or that of
// the one Feature of a FeatureCollection.
std::optional<QJsonObject> geometryOf(const QJsonObject &object, QString *error)
{
    const QString type = object.value(QStringLiteral("type")).toString();
    if (type == QLatin1String("FeatureCollection")) {
        const QJsonArray features = object.value(QStringLiteral("features")).toArray();
        if (features.size() != 1) {
            *error = ParcelGeometry::tr(
                         "The FeatureCollection holds %1 features; a field takes exactly one.")
                         .arg(features.size());
            return std::nullopt;
        }
        return geometryOf(features.first().toObject(), error);
    }
    if (type == QLatin1String("Feature")) {
        const QJsonValue geometry = object.value(QStringLiteral("geometry"));
        if (!geometry.isObject()) {
            *error = ParcelGeometry::tr("The Feature has no geometry.");
            return std::nullopt;
        }
        return geometryOf(geometry.toObject(), error);
    }
    if (type != QLatin1String("Polygon") && type != QLatin1String("MultiPolygon")) {
        *error =
            type.isEmpty()
                ? ParcelGeometry::tr("The GeoJSON text is not an object with a \"type\".")
                : ParcelGeometry::tr("A parcel needs a Polygon or MultiPolygon geometry, not %1.")
                      .arg(type);
        return std::nullopt;
    }
    return object;
}

QJsonArray positionsJson(const Ring &ring)
{
    QJsonArray positions;
    for (const QPointF &point : ring)
        positions.append(QJsonArray{point.x(), point.y()});
    return positions;
}

QJsonArray polygonJson(const Polygon &polygon)
{
    QJsonArray rings;
    for (const Ring &ring : polygon)
        rings.append(positionsJson(ring));
    return rings;
}

// A KML coordinates text: tuples "longitude,latitude[,altitude]" apart by white space.
std::optional<Ring> readKmlRing(const QString &text, int ringNumber, int polygonNumber,
                                QString *error)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    Ring ring;
    const QStringList tuples = text.trimmed().split(space, Qt::SkipEmptyParts);
    for (qsizetype t = 0; t < tuples.size(); ++t) {
        const QStringList parts = tuples[t].split(QLatin1Char(','));
        bool lonOk = false;
        bool latOk = false;
        const double longitude = parts.size() >= 2 ? parts[0].toDouble(&lonOk) : 0.0;
        const double latitude = parts.size() >= 2 ? parts[1].toDouble(&latOk) : 0.0;
        QPointF point;
        if (!lonOk || !latOk || parts.size() > 3 ||
            !readPosition(QJsonArray{longitude, latitude}, point)) {
            *error = ParcelGeometry::tr("Position %1 of ring %2 of polygon %3 is not a "
                                        "longitude and latitude in degrees.")
                         .arg(t + 1)
                         .arg(ringNumber)
                         .arg(polygonNumber);
            return std::nullopt;
        }
        ring << point;
    }
    return ring;
}

} // namespace

std::optional<ParcelGeometry> ParcelGeometry::fromGeoJson(const QByteArray &text, QString *error)
{
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parse);
    if (parse.error != QJsonParseError::NoError) {
        *error = tr("The text is not valid JSON: %1 (at character %2).")
                     .arg(parse.errorString())
                     .arg(parse.offset + 1);
        return std::nullopt;
    }
    if (!document.isObject()) {
        *error = tr("The GeoJSON text is not an object with a \"type\".");
        return std::nullopt;
    }
    const std::optional<QJsonObject> geometry = geometryOf(document.object(), error);
    if (!geometry)
        return std::nullopt;
    ParcelGeometry parcel;
    parcel.m_geometry = *geometry;
    const QJsonValue coordinates = geometry->value(QStringLiteral("coordinates"));
    if (geometry->value(QStringLiteral("type")).toString() == QLatin1String("Polygon")) {
        const std::optional<Polygon> polygon = readPolygon(coordinates, 1, error);
        if (!polygon)
            return std::nullopt;
        parcel.m_polygons << *polygon;
        return parcel;
    }
    const QJsonArray polygons = coordinates.toArray();
    if (!coordinates.isArray() || polygons.isEmpty()) {
        *error = tr("The coordinates of the MultiPolygon are not a list of polygons.");
        return std::nullopt;
    }
    for (qsizetype i = 0; i < polygons.size(); ++i) {
        const std::optional<Polygon> polygon = readPolygon(polygons[i], int(i) + 1, error);
        if (!polygon)
            return std::nullopt;
        parcel.m_polygons << *polygon;
    }
    return parcel;
}

std::optional<ParcelGeometry> ParcelGeometry::fromKml(const QByteArray &text, QString *error)
{
    QXmlStreamReader xml(text);
    ParcelGeometry parcel;
    int placemarks = 0;
    QSet<int> placemarksWithPolygons;
    bool inPolygon = false;
    bool inner = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("Polygon"))
            inPolygon = false;
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        if (name == QLatin1String("Placemark")) {
            ++placemarks;
        } else if (name == QLatin1String("Polygon")) {
            parcel.m_polygons << Polygon();
            placemarksWithPolygons.insert(placemarks);
            inPolygon = true;
        } else if (name == QLatin1String("outerBoundaryIs")) {
            inner = false;
        } else if (name == QLatin1String("innerBoundaryIs")) {
            inner = true;
        } else if (name == QLatin1String("coordinates") && inPolygon) {
            const QString coordinates = xml.readElementText();
            if (xml.hasError())
                break;
            Polygon &polygon = parcel.m_polygons.last();
            const std::optional<Ring> ring = readKmlRing(coordinates, int(polygon.size()) + 1,
                                                         int(parcel.m_polygons.size()), error);
            if (!ring)
                return std::nullopt;
            // The outer boundary leads, whatever order the file gives them in.
            if (inner)
                polygon.append(*ring);
            else
                polygon.prepend(*ring);
        }
    }
    if (xml.hasError()) {
        *error = tr("The KML document cannot be read: %1 (line %2).")
                     .arg(xml.errorString())
                     .arg(xml.lineNumber());
        return std::nullopt;
    }
    if (parcel.m_polygons.isEmpty()) {
        *error = tr("The KML document holds no polygon.");
        return std::nullopt;
    }
    if (placemarksWithPolygons.size() > 1) {
        *error = tr("The KML document holds the polygons of %1 placemarks; a field takes those of "
                    "exactly one.")
                     .arg(placemarksWithPolygons.size());
        return std::nullopt;
    }
    for (qsizetype i = 0; i < parcel.m_polygons.size(); ++i)
        if (!checkPolygon(parcel.m_polygons[i], int(i) + 1, error))
            return std::nullopt;
    if (parcel.m_polygons.size() == 1) {
        parcel.m_geometry = {{QStringLiteral("type"), QStringLiteral("Polygon")},
                             {QStringLiteral("coordinates"), polygonJson(parcel.m_polygons[0])}};
    } else {
        QJsonArray polygons;
        for (const Polygon &polygon : parcel.m_polygons)
            polygons.append(polygonJson(polygon));
        parcel.m_geometry = {{QStringLiteral("type"), QStringLiteral("MultiPolygon")},
                             {QStringLiteral("coordinates"), polygons}};
    }
    return parcel;
}

std::optional<ParcelGeometry> ParcelGeometry::fromFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = tr("Cannot read the parcel file %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    const QByteArray text = file.readAll();
    QString reason;
    const bool kml =
        QFileInfo(path).suffix().compare(QLatin1String("kml"), Qt::CaseInsensitive) == 0;
    std::optional<ParcelGeometry> parcel =
        kml ? fromKml(text, &reason) : fromGeoJson(text, &reason);
    if (!parcel)
        *error = tr("The parcel file %1 cannot be used: %2").arg(path, reason);
    return parcel;
}

QString ParcelGeometry::toGeoJson() const
{
    return QString::fromUtf8(QJsonDocument(m_geometry).toJson(QJsonDocument::Compact));
}

double ParcelGeometry::squareMetres() const
{
    double total = 0.0;
    for (const Polygon &polygon : m_polygons) {
        double area = 0.0;
        for (qsizetype r = 0; r < polygon.size(); ++r)
            area += (r == 0 ? 1.0 : -1.0) * ringSquareMetres(polygon[r]);
        total += area;
    }
    return total;
}

double ParcelGeometry::ringSquareMetres(const Ring &ring)
{
    if (ring.size() < 3)
        return 0.0;
    // The ring mapped onto the authalic sphere, where the area is the integral of the sine of
    // the latitude over the longitude. Sines are taken relative to the first vertex's so that
    // a field's few square metres do not drown in the sum's rounding.
    const double reference = authalicQ(std::sin(radians(ring[0].y()))) / PolarQ;
    double sum = 0.0;
    for (qsizetype i = 0; i + 1 < ring.size(); ++i) {
        double step = radians(ring[i + 1].x() - ring[i].x());
        // An edge across the antimeridian takes the short way round.
        if (step > std::numbers::pi)
            step -= 2.0 * std::numbers::pi;
        else if (step < -std::numbers::pi)
            step += 2.0 * std::numbers::pi;
        const double from = authalicQ(std::sin(radians(ring[i].y()))) / PolarQ - reference;
        const double to = authalicQ(std::sin(radians(ring[i + 1].y()))) / PolarQ - reference;
        sum += step * (from + to) / 2.0;
    }
    return std::abs(sum) * AuthalicRadius2;
}
