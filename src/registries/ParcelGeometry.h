#pragma once

#include <QCoreApplication>
#include <QJsonObject>
#include <QList>
#include <QPointF>
#include <QString>
#include <optional>

// The outline of a field's parcel: one or more polygons in WGS84 (longitude x, latitude y, in
// degrees), each an outer ring and its holes. Read from a GeoJSON geometry, Feature or
// FeatureCollection of one feature, or from a KML document; written as the GeoJSON geometry
// object the farm database keeps. Its area is computed on the WGS84 ellipsoid.
class ParcelGeometry
{
    Q_DECLARE_TR_FUNCTIONS(ParcelGeometry)

public:
    using Ring = QList<QPointF>;
    // The outer ring first, then the holes.
    using Polygon = QList<Ring>;

    // A text that cannot be read yields nothing and says in error what is wrong with it.
    static std::optional<ParcelGeometry> fromGeoJson(const QByteArray &text, QString *error);
    static std::optional<ParcelGeometry> fromKml(const QByteArray &text, QString *error);
    // Reads a .kml file as KML and any other as GeoJSON; the error names the file.
    static std::optional<ParcelGeometry> fromFile(const QString &path, QString *error);

    const QList<Polygon> &polygons() const { return m_polygons; }
    // The compact GeoJSON geometry object (Polygon, or MultiPolygon for several polygons).
    QString toGeoJson() const;
    // The area of the outer rings less their holes, in square metres and in hectares.
    double squareMetres() const;
    double hectares() const { return squareMetres() / 10000.0; }

    // The area enclosed by one closed ring on the ellipsoid, whatever its orientation.
    static double ringSquareMetres(const Ring &ring);

private:
    // The geometry object as given (GeoJSON) or as built (KML).
    QJsonObject m_geometry;
    QList<Polygon> m_polygons;
};
