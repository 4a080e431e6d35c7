#include "TestEnvironment.h"
#include "registries/ParcelGeometry.h"

#include <QFile>
#include <QTest>

namespace {

// A rectangle 200 m from west to east and 100 m from south to north with its south-west corner
// at 45°N 9°E. Worked out by hand on the WGS84 ellipsoid: at 45° the meridian's radius of
// curvature is 6 367 381.8 m and the prime vertical's 6 388 838.3 m, so 100 m of latitude are
// 0.000899833° and 200 m of longitude 200 / (6 388 838.3 × cos 45°) rad = 0.002536563°:
// 20 000 m², 2 ha.
constexpr double West = 9.0;
constexpr double South = 45.0;
constexpr double East = West + 0.0025365634;
constexpr double North = South + 0.0008998326;

QString rectangle(double west, double south, double east, double north)
{
    return QStringLiteral("[[%1,%2],[%3,%2],[%3,%4],[%1,%4],[%1,%2]]")
        .arg(west, 0, 'g', 12)
        .arg(south, 0, 'g', 12)
        .arg(east, 0, 'g', 12)
        .arg(north, 0, 'g', 12);
}

QByteArray polygon(const QString &rings)
{
    return QStringLiteral("{\"type\":\"Polygon\",\"coordinates\":[%1]}").arg(rings).toUtf8();
}

const QString Field = rectangle(West, South, East, North);

bool within(double value, double expected, double fraction)
{
    return std::abs(value - expected) <= std::abs(expected) * fraction;
}

} // namespace

class TestParcelGeometry : public QObject
{
    Q_OBJECT

private slots:
    void areaOfAKnownFieldWithinHalfAPercent();
    void areaIgnoresOrientationAndSubtractsHoles();
    void areaAcrossTheAntimeridian();
    void geoJsonFormsThatHoldAParcel_data();
    void geoJsonFormsThatHoldAParcel();
    void badGeoJsonSaysWhatIsWrong_data();
    void badGeoJsonSaysWhatIsWrong();
    void kmlWithHoleAndAltitudes();
    void kmlOfSeveralPolygonsOfOnePlacemark();
    void badKmlSaysWhatIsWrong_data();
    void badKmlSaysWhatIsWrong();
    void filesAreReadByTheirKind();

private:
    TestEnvironment m_env;
};

void TestParcelGeometry::areaOfAKnownFieldWithinHalfAPercent()
{
    QString error;
    const auto parcel = ParcelGeometry::fromGeoJson(polygon(Field), &error);
    QVERIFY2(parcel, qPrintable(error));
    QVERIFY2(within(parcel->squareMetres(), 20000.0, 0.005),
             qPrintable(QString::number(parcel->squareMetres())));
    // Far tighter in fact: the ellipsoid's own figures, not a sphere's.
    QVERIFY2(within(parcel->hectares(), 2.0, 0.0005),
             qPrintable(QString::number(parcel->hectares())));
}

void TestParcelGeometry::areaIgnoresOrientationAndSubtractsHoles()
{
    QString error;
    const QString clockwise = QStringLiteral("[[%1,%2],[%1,%4],[%3,%4],[%3,%2],[%1,%2]]")
                                  .arg(West, 0, 'g', 12)
                                  .arg(South, 0, 'g', 12)
                                  .arg(East, 0, 'g', 12)
                                  .arg(North, 0, 'g', 12);
    const auto reversed = ParcelGeometry::fromGeoJson(polygon(clockwise), &error);
    QVERIFY2(reversed, qPrintable(error));
    QVERIFY(within(reversed->hectares(), 2.0, 0.0005));

    // A quarter of the rectangle left out as a hole.
    const QString hole = rectangle(West, South, (West + East) / 2, (South + North) / 2);
    const auto holed =
        ParcelGeometry::fromGeoJson(polygon(Field + QLatin1Char(',') + hole), &error);
    QVERIFY2(holed, qPrintable(error));
    QVERIFY2(within(holed->hectares(), 1.5, 0.001), qPrintable(QString::number(holed->hectares())));

    // Two fields of one parcel add up.
    const QByteArray multi =
        QStringLiteral("{\"type\":\"MultiPolygon\",\"coordinates\":[[%1],[%2]]}")
            .arg(Field, rectangle(West + 0.01, South, East + 0.01, North))
            .toUtf8();
    const auto both = ParcelGeometry::fromGeoJson(multi, &error);
    QVERIFY2(both, qPrintable(error));
    QCOMPARE(both->polygons().size(), 2);
    QVERIFY(within(both->hectares(), 4.0, 0.001));
}

void TestParcelGeometry::areaAcrossTheAntimeridian()
{
    // The same 200 m × 100 m, once on each side of 180°: the edges take the short way round.
    const double half = (East - West) / 2;
    const QString across = QStringLiteral("[[%1,45],[%2,45],[%2,%3],[%1,%3],[%1,45]]")
                               .arg(180.0 - half, 0, 'g', 12)
                               .arg(-180.0 + half, 0, 'g', 12)
                               .arg(North, 0, 'g', 12);
    QString error;
    const auto parcel = ParcelGeometry::fromGeoJson(polygon(across), &error);
    QVERIFY2(parcel, qPrintable(error));
    QVERIFY2(within(parcel->hectares(), 2.0, 0.001),
             qPrintable(QString::number(parcel->hectares())));
}

void TestParcelGeometry::geoJsonFormsThatHoldAParcel_data()
{
    QTest::addColumn<QByteArray>("text");
    const QByteArray geometry = polygon(Field);
    QTest::newRow("geometry") << geometry;
    QTest::newRow("feature") << "{\"type\":\"Feature\",\"properties\":{\"name\":\"North\"},"
                                "\"geometry\":" +
                                    geometry + "}";
    QTest::newRow("collection of one") << "{\"type\":\"FeatureCollection\",\"features\":[{\"type\":"
                                          "\"Feature\",\"properties\":null,\"geometry\":" +
                                              geometry + "}]}";
}

void TestParcelGeometry::geoJsonFormsThatHoldAParcel()
{
    QFETCH(QByteArray, text);
    QString error;
    const auto parcel = ParcelGeometry::fromGeoJson(text, &error);
    QVERIFY2(parcel, qPrintable(error));
    // The geometry object is what is kept, whatever held it.
    const auto kept = ParcelGeometry::fromGeoJson(parcel->toGeoJson().toUtf8(), &error);
    QVERIFY2(kept, qPrintable(error));
    QVERIFY(parcel->toGeoJson().startsWith(QLatin1String("{\"coordinates\":")));
    QCOMPARE(kept->toGeoJson(), parcel->toGeoJson());
    QCOMPARE(kept->polygons(), parcel->polygons());
}

void TestParcelGeometry::badGeoJsonSaysWhatIsWrong_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("not json") << QByteArray("{\"type\": Polygon}")
                              << "The text is not valid JSON: illegal number (at character 10).";
    QTest::newRow("array") << QByteArray("[1, 2]")
                           << "The GeoJSON text is not an object with a \"type\".";
    QTest::newRow("point") << QByteArray("{\"type\":\"Point\",\"coordinates\":[9,45]}")
                           << "A parcel needs a Polygon or MultiPolygon geometry, not Point.";
    QTest::newRow("two features")
        << QByteArray("{\"type\":\"FeatureCollection\",\"features\":[{}, {}]}")
        << "The FeatureCollection holds 2 features; a field takes exactly one.";
    QTest::newRow("feature without geometry")
        << QByteArray("{\"type\":\"Feature\",\"geometry\":null}") << "The Feature has no geometry.";
    QTest::newRow("no rings") << polygon(QString())
                              << "The coordinates of polygon 1 are not a list of rings.";
    QTest::newRow("latitude out of range")
        << polygon(QStringLiteral("[[9,45],[9.1,45],[9.1,95],[9,45]]"))
        << "Position 3 of ring 1 of polygon 1 is not a longitude and latitude in degrees.";
    QTest::newRow("text as number")
        << polygon(QStringLiteral("[[9,45],[\"9.1\",45],[9.1,45.1],[9,45]]"))
        << "Position 2 of ring 1 of polygon 1 is not a longitude and latitude in degrees.";
    QTest::newRow("open ring") << polygon(QStringLiteral("[[9,45],[9.1,45],[9.1,45.1],[9,45.1]]"))
                               << "Ring 1 of polygon 1 is not closed: its last position differs "
                                  "from its first.";
    QTest::newRow("too few positions") << polygon(QStringLiteral("[[9,45],[9.1,45],[9,45]]"))
                                       << "Ring 1 of polygon 1 has fewer than four positions.";
    QTest::newRow("no area") << polygon(QStringLiteral("[[9,45],[9.1,45],[9.2,45],[9,45]]"))
                             << "Polygon 1 encloses no area.";
    QTest::newRow("second polygon of a multi")
        << QStringLiteral("{\"type\":\"MultiPolygon\",\"coordinates\":[[%1],[[[9,45]]]]}")
               .arg(Field)
               .toUtf8()
        << "Ring 1 of polygon 2 has fewer than four positions.";
}

void TestParcelGeometry::badGeoJsonSaysWhatIsWrong()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    QString error;
    QVERIFY(!ParcelGeometry::fromGeoJson(text, &error));
    QCOMPARE(error, message);
}

void TestParcelGeometry::kmlWithHoleAndAltitudes()
{
    // The inner boundary comes first and the positions carry altitudes, as some programs write.
    const QByteArray kml =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                       "<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Document>"
                       "<Placemark><name>Point</name><Point><coordinates>9,45,0"
                       "</coordinates></Point></Placemark>"
                       "<Placemark><name>North</name><Polygon>"
                       "<innerBoundaryIs><LinearRing><coordinates>%1</coordinates>"
                       "</LinearRing></innerBoundaryIs>"
                       "<outerBoundaryIs><LinearRing><coordinates>\n  %2\n</coordinates>"
                       "</LinearRing></outerBoundaryIs></Polygon></Placemark>"
                       "</Document></kml>")
            .arg(QStringLiteral("%1,%2 %3,%2 %3,%4 %1,%4 %1,%2")
                     .arg(West, 0, 'g', 12)
                     .arg(South, 0, 'g', 12)
                     .arg((West + East) / 2, 0, 'g', 12)
                     .arg((South + North) / 2, 0, 'g', 12),
                 QStringLiteral("%1,%2,12 %3,%2,12 %3,%4,12 %1,%4,12 %1,%2,12")
                     .arg(West, 0, 'g', 12)
                     .arg(South, 0, 'g', 12)
                     .arg(East, 0, 'g', 12)
                     .arg(North, 0, 'g', 12))
            .toUtf8();
    QString error;
    const auto parcel = ParcelGeometry::fromKml(kml, &error);
    QVERIFY2(parcel, qPrintable(error));
    QCOMPARE(parcel->polygons().size(), 1);
    QCOMPARE(parcel->polygons()[0].size(), 2);
    QCOMPARE(parcel->polygons()[0][0][2], QPointF(East, North));
    QVERIFY2(within(parcel->hectares(), 1.5, 0.001),
             qPrintable(QString::number(parcel->hectares())));
    QVERIFY(parcel->toGeoJson().contains(QLatin1String("\"type\":\"Polygon\"")));
}

void TestParcelGeometry::kmlOfSeveralPolygonsOfOnePlacemark()
{
    const QString ring = QStringLiteral("<Polygon><outerBoundaryIs><LinearRing><coordinates>%1"
                                        "</coordinates></LinearRing></outerBoundaryIs></Polygon>");
    const QString first = QStringLiteral("9,45 9.001,45 9.001,45.001 9,45");
    const QString second = QStringLiteral("9.01,45 9.011,45 9.011,45.001 9.01,45");
    const QByteArray kml = QStringLiteral("<kml><Placemark><MultiGeometry>%1%2</MultiGeometry>"
                                          "</Placemark></kml>")
                               .arg(ring.arg(first), ring.arg(second))
                               .toUtf8();
    QString error;
    const auto parcel = ParcelGeometry::fromKml(kml, &error);
    QVERIFY2(parcel, qPrintable(error));
    QCOMPARE(parcel->polygons().size(), 2);
    QVERIFY(parcel->toGeoJson().contains(QLatin1String("\"type\":\"MultiPolygon\"")));
}

void TestParcelGeometry::badKmlSaysWhatIsWrong_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");
    const QString polygon = QStringLiteral("<Placemark><Polygon><outerBoundaryIs><LinearRing>"
                                           "<coordinates>%1</coordinates></LinearRing>"
                                           "</outerBoundaryIs></Polygon></Placemark>");
    const QString good = polygon.arg(QStringLiteral("9,45 9.001,45 9.001,45.001 9,45"));

    QTest::newRow("not xml") << QByteArray("<kml><Placemark></kml>")
                             << "The KML document cannot be read: Opening and ending tag mismatch. "
                                "(line 1).";
    QTest::newRow("no polygon") << QByteArray("<kml><Placemark><Point><coordinates>9,45"
                                              "</coordinates></Point></Placemark></kml>")
                                << "The KML document holds no polygon.";
    QTest::newRow("two placemarks")
        << QStringLiteral("<kml>%1%1</kml>").arg(good).toUtf8()
        << "The KML document holds the polygons of 2 placemarks; a field takes those of exactly "
           "one.";
    QTest::newRow("bad tuple")
        << QStringLiteral("<kml>%1</kml>")
               .arg(polygon.arg(QStringLiteral("9,45 9.001;45 9.001,45.001 9,45")))
               .toUtf8()
        << "Position 2 of ring 1 of polygon 1 is not a longitude and latitude in degrees.";
    QTest::newRow("open ring")
        << QStringLiteral("<kml>%1</kml>")
               .arg(polygon.arg(QStringLiteral("9,45 9.001,45 9.001,45.001 9,45.001")))
               .toUtf8()
        << "Ring 1 of polygon 1 is not closed: its last position differs from its first.";
}

void TestParcelGeometry::badKmlSaysWhatIsWrong()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    QString error;
    QVERIFY(!ParcelGeometry::fromKml(text, &error));
    QCOMPARE(error, message);
}

void TestParcelGeometry::filesAreReadByTheirKind()
{
    const QString kmlPath = m_env.path(QStringLiteral("north.KML"));
    const QString jsonPath = m_env.path(QStringLiteral("north.geojson"));
    const QString missing = m_env.path(QStringLiteral("missing.kml"));
    QFile kml(kmlPath);
    QVERIFY(kml.open(QIODevice::WriteOnly));
    kml.write("<kml><Placemark><Polygon><outerBoundaryIs><LinearRing><coordinates>"
              "9,45 9.001,45 9.001,45.001 9,45</coordinates></LinearRing></outerBoundaryIs>"
              "</Polygon></Placemark></kml>");
    kml.close();
    QFile json(jsonPath);
    QVERIFY(json.open(QIODevice::WriteOnly));
    json.write("{\"type\":\"Polygon\"}");
    json.close();

    QString error;
    QVERIFY2(ParcelGeometry::fromFile(kmlPath, &error), qPrintable(error));
    QVERIFY(!ParcelGeometry::fromFile(jsonPath, &error));
    QCOMPARE(error, QStringLiteral("The parcel file %1 cannot be used: The coordinates of "
                                   "polygon 1 are not a list of rings.")
                        .arg(jsonPath));
    QVERIFY(!ParcelGeometry::fromFile(missing, &error));
    QVERIFY2(error.startsWith(QStringLiteral("Cannot read the parcel file %1: ").arg(missing)),
             qPrintable(error));
}

QTEST_GUILESS_MAIN(TestParcelGeometry)
#include "TestParcelGeometry.moc"
