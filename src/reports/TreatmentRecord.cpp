#include "TreatmentRecord.h"

#include "base/AtomicFile.h"
#include "base/CompanyData.h"
#include "base/CsvTable.h"
#include "db/Database.h"
#include "db/DbDate.h"
#include "db/RowCursor.h"
#include "db/SchemaUpgrade.h"
#include "db/StoredQuery.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The rows of the printed register come from this query; the record reads the same one.
const QString RegisterQuery = QStringLiteral("Articoli su Colture per Quaderno");
const QString StartParameter = QStringLiteral("[DataInit]");
const QString EndParameter = QStringLiteral("[DataEnd]");

struct Centre
{
    QString eppoCode;
    double surface = 0;
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
    QSqlQuery rows =
        db.execute(QStringLiteral("SELECT Codice, SupAnno, %1 FROM Centri ORDER BY rowid")
                       .arg(SchemaUpgrade::columnOrNull(db, SchemaUpgrade::CentresTable,
                                                        SchemaUpgrade::EppoColumn)));
    RowCursor cursor(rows);
    while (cursor.next()) {
        const int code = rows.value(0).toInt();
        if (!found.contains(code))
            found.insert(code, {rows.value(2).toString().trimmed(), rows.value(1).toDouble()});
    }
    return found;
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

} // namespace

TreatmentRecord::Company TreatmentRecord::Company::of(const CompanyData &data)
{
    QStringList name{data.name().trimmed()};
    if (const QString first = data.text(SettingsKeys::CompanyFirstName).trimmed(); !first.isEmpty())
        name << first;
    return {name.join(QLatin1Char(' ')).trimmed(),
            data.text(SettingsKeys::CompanyTaxCode).trimmed()};
}

const QStringList &TreatmentRecord::fieldNames()
{
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
                                   QStringLiteral("company_tax_code")};
    return names;
}

TreatmentRecord::TreatmentRecord(Database &db, const WorkingPeriod &period, Company company)
    : m_company(std::move(company))
{
    const QHash<int, QString> numbers = authorisationNumbers(db);
    const QHash<int, Centre> centreValues = centres(db);
    // Opening the stored query checks that it exists and takes the period's parameters.
    StoredQuery stored(db, RegisterQuery);
    stored.setParameter(StartParameter, period.startAt());
    stored.setParameter(EndParameter, period.endAt());
    const QString sql = stored.sql();
    QSqlQuery rows =
        db.execute(sql, {}, {{StartParameter, period.startAt()}, {EndParameter, period.endAt()}});
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
        treatment.crop = rows.value(7).toString();
        treatment.adversity = rows.value(10).toString();
        const Centre centre = centreValues.value(treatment.centreCode);
        treatment.eppoCode = centre.eppoCode;
        treatment.surfaceHectares = centre.surface;
        if (centre.surface > 0)
            treatment.dosePerHectare = treatment.quantity / centre.surface;
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

QString TreatmentRecord::describeMissing(const Treatment &treatment)
{
    QStringList lacks;
    if (treatment.authorisationNumber.trimmed().isEmpty())
        lacks << tr("the product has no authorisation number");
    if (treatment.eppoCode.trimmed().isEmpty())
        lacks << tr("the crop has no EPPO code");
    return tr("%1, %2 on %3 (%4): %5")
        .arg(treatment.date.toString(Qt::ISODate), treatment.product, treatment.crop)
        .arg(treatment.centreCode)
        .arg(lacks.join(QStringLiteral("; ")));
}

QVariantList TreatmentRecord::values(const Treatment &treatment) const
{
    return {treatment.date,
            treatment.product,
            treatment.authorisationNumber,
            treatment.quantity,
            treatment.unit,
            numberOrNull(treatment.dosePerHectare),
            treatment.crop,
            treatment.eppoCode,
            treatment.centreCode,
            treatment.surfaceHectares,
            treatment.growthStage,
            treatment.adversity,
            m_company.name,
            m_company.taxCode};
}

QByteArray TreatmentRecord::toCsv() const
{
    CsvTable table(fieldNames());
    for (const Treatment &treatment : m_treatments)
        table.addRow(values(treatment));
    return table.toUtf8();
}

QByteArray TreatmentRecord::toJson() const
{
    QJsonArray array;
    for (const Treatment &treatment : m_treatments) {
        const QVariantList cells = values(treatment);
        QJsonObject object;
        for (int i = 0; i < cells.size(); ++i) {
            const QVariant &cell = cells.at(i);
            object.insert(fieldNames().at(i), cell.typeId() == QMetaType::QDate
                                                  ? QJsonValue(cell.toDate().toString(Qt::ISODate))
                                                  : QJsonValue::fromVariant(cell));
        }
        array.append(object);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

bool TreatmentRecord::write(const QString &path, Format format, QString *error) const
{
    return AtomicFile::write(path, format == Format::Csv ? toCsv() : toJson(), error);
}
