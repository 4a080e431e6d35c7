#include "RegistryRecords.h"

#include "db/CArticoliSet.h"
#include "db/CCampiSet.h"
#include "db/CCentriSet.h"
#include "db/COperaiSet.h"
#include "db/COperazioniSet.h"
#include "db/Database.h"
#include "db/RowCursor.h"
#include "db/SchemaUpgrade.h"
#include "db/TreatmentColumns.h"

#include <QSqlQuery>

namespace {

QString parcelColumns()
{
    return QStringLiteral("[%1], [%2], [%3], [%4], [%5]")
        .arg(TreatmentColumns::ParcelId, TreatmentColumns::Municipality, TreatmentColumns::Sheet,
             TreatmentColumns::CadastralParcel, TreatmentColumns::Geometry);
}

QVariant textOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

} // namespace

RegistryRecords::RegistryRecords(Database &db) : m_db(db)
{
    m_sets[CentreRecord] = std::make_unique<CCentriSet>(db);
    m_sets[FieldRecord] = std::make_unique<CCampiSet>(db);
    m_sets[WorkerRecord] = std::make_unique<COperaiSet>(db);
    m_sets[OperationRecord] = std::make_unique<COperazioniSet>(db);
    m_sets[ItemRecord] = std::make_unique<CArticoliSet>(db);
    m_sets[CentreRecord]->setSort(QStringLiteral("Descrizione"));
    m_sets[FieldRecord]->setSort(QStringLiteral("Descrizione"));
    m_sets[WorkerRecord]->setSort(QStringLiteral("Nome"));
    m_sets[OperationRecord]->setSort(QStringLiteral("Descrizione"));
    m_sets[ItemRecord]->setSort(QStringLiteral("Descrizione"));
}

RegistryRecords::~RegistryRecords() = default;

RecordSet *RegistryRecords::set(int which) const
{
    return which >= 0 && which < RegistrySetCount ? m_sets[which].get() : nullptr;
}

bool RegistryRecords::isOpen() const
{
    return m_sets[CentreRecord]->isOpen();
}

bool RegistryRecords::lookUp(const RegistryKindInfo &kind, int code, const FieldYearFilter &years)
{
    RecordSet *records = set(kind.set);
    if (!records || !kind.lookupFilter)
        return false;
    const QString filter = QString::fromLatin1(kind.lookupFilter);
    if (!kind.yearBound) {
        records->setFilter(filter, {code});
        records->requery();
        return !records->isEOF();
    }
    // The set keeps the years' filter, so that its rows stay those of the tree.
    const FieldYearFilter one = years.and_(filter, {code});
    records->setFilter(one.sql, one.params);
    records->requery();
    const bool found = !records->isEOF();
    const RecordSet::Bookmark mark = found ? records->bookmark() : 0;
    records->setFilter(years.sql, years.params);
    records->requery();
    if (found)
        records->setBookmark(mark);
    return found;
}

void RegistryRecords::read(const RegistryKindInfo &kind, RegistryForm::Values &values) const
{
    values.registration.clear();
    values.parcel = {};
    kind.read(setOf(kind), values);
    if (hasParcel(kind))
        values.parcel = parcelOf(setOf(kind).bookmark());
    if (hasRegistration(kind))
        values.registration =
            m_db.scalar(QStringLiteral("SELECT [%1] FROM [%2] WHERE Codice = ?")
                            .arg(*kind.registrationColumn, *kind.registrationTable),
                        {values.code})
                .toString();
}

void RegistryRecords::writeRegistration(const RegistryKindInfo &kind,
                                        const RegistryForm::Values &values)
{
    if (hasParcel(kind)) {
        const RegistryForm::Parcel &parcel = values.parcel;
        m_db.execute(QStringLiteral("UPDATE [%1] SET [%2] = ?, [%3] = ?, [%4] = ?, [%5] = ?, "
                                    "[%6] = ? WHERE rowid = ?")
                         .arg(TreatmentColumns::FieldsTable, TreatmentColumns::ParcelId,
                              TreatmentColumns::Municipality, TreatmentColumns::Sheet,
                              TreatmentColumns::CadastralParcel, TreatmentColumns::Geometry),
                     {textOrNull(parcel.id), textOrNull(parcel.municipality),
                      textOrNull(parcel.sheet), textOrNull(parcel.cadastralParcel),
                      textOrNull(parcel.geometry), setOf(kind).lastModified()});
    }
    if (!hasRegistration(kind))
        return;
    // An empty value is stored as NULL: the record then says it has none.
    const QVariant value = values.registration.isEmpty() ? QVariant() : values.registration;
    m_db.execute(QStringLiteral("UPDATE [%1] SET [%2] = ? WHERE Codice = ?")
                     .arg(*kind.registrationTable, *kind.registrationColumn),
                 {value, values.code});
}

bool RegistryRecords::hasRegistration(const RegistryKindInfo &kind) const
{
    return kind.hasRegistration() &&
           SchemaUpgrade::hasColumn(m_db, *kind.registrationTable, *kind.registrationColumn);
}

bool RegistryRecords::hasParcel(const RegistryKindInfo &kind) const
{
    return kind.parcel && SchemaUpgrade::hasColumn(m_db, TreatmentColumns::FieldsTable,
                                                   TreatmentColumns::Geometry);
}

RegistryForm::Parcel RegistryRecords::parcelOf(qint64 rowId) const
{
    QSqlQuery row = m_db.execute(QStringLiteral("SELECT %1 FROM [%2] WHERE rowid = ?")
                                     .arg(parcelColumns(), TreatmentColumns::FieldsTable),
                                 {rowId});
    RegistryForm::Parcel parcel;
    if (RowCursor(row).next()) {
        parcel.id = row.value(0).toString();
        parcel.municipality = row.value(1).toString();
        parcel.sheet = row.value(2).toString();
        parcel.cadastralParcel = row.value(3).toString();
        parcel.geometry = row.value(4).toString();
    }
    return parcel;
}
