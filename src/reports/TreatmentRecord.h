#pragma once

#include "base/WorkingPeriod.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

class CompanyData;
class Database;

// The treatment register as data for other programs: one record per treatment, from the same
// rows the printed register is built from, with the product's authorisation number and the
// crop's EPPO code beside them. Written as CSV or as a JSON array of objects with the same
// names; numbers stay numbers and dates are ISO 8601.
class TreatmentRecord
{
    Q_DECLARE_TR_FUNCTIONS(TreatmentRecord)

public:
    enum class Format { Csv, Json };

    struct Company
    {
        QString name;
        QString taxCode;
        // The holder's name (business or last name, then first name) and tax code of the
        // company data.
        static Company of(const CompanyData &data);
    };

    struct Treatment
    {
        QDate date;
        QString product;
        QString authorisationNumber;
        double quantity = 0;
        QString unit;
        // None when the centre has no positive surface to divide by.
        std::optional<double> dosePerHectare;
        QString crop;
        QString eppoCode;
        int centreCode = 0;
        double surfaceHectares = 0;
        QString growthStage;
        QString adversity;

        bool isComplete() const
        {
            return !authorisationNumber.trimmed().isEmpty() && !eppoCode.trimmed().isEmpty();
        }
    };

    // The names of the values, in the order of the CSV columns.
    static const QStringList &fieldNames();

    // Reads the treatments of the period; raises DbException on an engine failure.
    TreatmentRecord(Database &db, const WorkingPeriod &period, Company company);

    const QList<Treatment> &treatments() const { return m_treatments; }
    // The treatments written without an authorisation number or an EPPO code.
    QList<Treatment> incomplete() const;
    // One line for the user: the treatment and what its registries lack.
    static QString describeMissing(const Treatment &treatment);

    QByteArray toCsv() const;
    QByteArray toJson() const;
    // Replaces path only with a complete file; false with a message in error.
    bool write(const QString &path, Format format, QString *error) const;

private:
    QVariantList values(const Treatment &treatment) const;

    Company m_company;
    QList<Treatment> m_treatments;
};
