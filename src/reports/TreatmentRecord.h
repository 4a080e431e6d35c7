#pragma once

#include "base/WorkingPeriod.h"

#include <QCoreApplication>
#include <QDate>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

class CompanyData;
class Database;

// The record of plant-protection treatments as data for other programs and for inspection: one
// record per application of a register product, with the product and its authorisation number,
// the day and time, the quantity and the dose per hectare of the area treated, the crop with its
// EPPO code and BBCH stage, the field and its parcel reference, and the farm's identity. Written
// as CSV, as a JSON array of objects with the same names (numbers stay numbers, dates are
// ISO 8601; see docs/treatment-record.schema.json), or as a GeoJSON FeatureCollection of the
// treated parcels with their treatments. Each application is checked for every element the
// record must hold; the incomplete ones say what they lack.
class TreatmentRecord
{
    Q_DECLARE_TR_FUNCTIONS(TreatmentRecord)

public:
    enum class Format { Csv, Json, GeoJson };

    struct Company
    {
        QString name;
        QString taxCode;
        // The holder's name (business or last name, then first name) and tax code of the
        // company data.
        static Company of(const CompanyData &data);
    };

    // What an application lacks for a complete record.
    enum class Gap {
        AuthorisationNumber,
        EppoCode,
        EppoCodeForm,
        TreatedArea,
        AreaAboveParcel,
        BbchStage,
        ApplicationTime,
        ParcelReference,
    };

    struct Parcel
    {
        QString nationalId;
        QString municipality;
        QString sheet;
        QString cadastralParcel;
        // A GeoJSON Polygon or MultiPolygon; empty when none is stored or the stored text is
        // not one.
        QJsonObject geometry;

        bool hasCadastralReference() const;
        bool isReferenced() const;
    };

    struct Treatment
    {
        QDate date;
        // "HH:MM"; empty when not given.
        QString time;
        QString product;
        QString authorisationNumber;
        double quantity = 0;
        QString unit;
        // Hectares treated: the movement's own, else the surface of the field or crop centre it
        // is booked on. None when neither is known.
        std::optional<double> treatedArea;
        // None when there is no positive treated area to divide by.
        std::optional<double> dosePerHectare;
        QString crop;
        QString eppoCode;
        int centreCode = 0;
        // The crop centre's surface.
        double surfaceHectares = 0;
        // The free text of the phase, as the register prints it.
        QString growthStage;
        // Two digits; empty when not given.
        QString bbchStage;
        QString adversity;
        // 0 when the treatment is booked on the whole crop centre.
        int fieldCode = 0;
        QString field;
        // The surface of the field (the crop centre's when booked on it); 0 when unknown.
        double parcelSurface = 0;
        Parcel parcel;
        // Where to complete it: the card and the work.
        qint64 cardId = 0;
        qint64 workId = 0;

        QList<Gap> gaps() const;
        bool isComplete() const { return gaps().isEmpty(); }
    };

    // The names of the values, in the order of the CSV columns.
    static const QStringList &fieldNames();

    // Reads the treatments of the period; raises DbException on an engine failure.
    TreatmentRecord(Database &db, const WorkingPeriod &period, Company company);

    const QList<Treatment> &treatments() const { return m_treatments; }
    const Company &company() const { return m_company; }
    // The treatments that lack an element of the record.
    QList<Treatment> incomplete() const;
    // One line for the user: the treatment (day, product, field or crop) and what it lacks.
    static QString describeMissing(const Treatment &treatment);
    // Where the treatment was made: the field, else the crop centre, with its code.
    static QString placeOf(const Treatment &treatment);
    static QString gapText(const Treatment &treatment, Gap gap);
    // The name of an element in the files' "missing" lists.
    static QString gapName(Gap gap);

    // Whether text has the form of an EPPO code: 5 or 6 capital letters or digits.
    static bool isEppoCode(const QString &text);
    static bool isBbchStage(const QString &text);
    static bool isApplicationTime(const QString &text);

    // The values of one treatment in the order of fieldNames().
    QVariantList values(const Treatment &treatment) const;
    // One treatment as a JSON object, as the JSON file writes it.
    QJsonObject toJsonObject(const Treatment &treatment) const;

    QByteArray toCsv() const;
    QByteArray toJson() const;
    QByteArray toGeoJson() const;
    QByteArray encode(Format format) const;
    // Replaces path only with a complete file; false with a message in error.
    bool write(const QString &path, Format format, QString *error) const;

private:
    Company m_company;
    QList<Treatment> m_treatments;
};
