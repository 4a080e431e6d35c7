#include "TreatmentLookups.h"

#include "base/DomainCodes.h"
#include "db/Database.h"
#include "db/SchemaUpgrade.h"
#include "db/TreatmentColumns.h"

TreatmentLookups::TreatmentLookups(Database &db, const WorkingPeriod &period)
    : m_db(db), m_period(period)
{
}

bool TreatmentLookups::printsInRegister(int itemCode)
{
    if (itemCode <= 0)
        return false;
    return m_db
        .scalar(QStringLiteral("SELECT [Stampa Quaderno] <> 0 FROM Articoli WHERE Codice = ? "
                               "ORDER BY rowid LIMIT 1"),
                {itemCode})
        .toBool();
}

double TreatmentLookups::surface(const WorkEntry &entry)
{
    QVariant found;
    if (entry.centreKind == int(CentreKind::Field) && entry.fieldCode != 0)
        found = m_db.scalar(QStringLiteral("SELECT Superficie FROM Campi WHERE Codice = ? "
                                           "ORDER BY (Anno BETWEEN ? AND ?) DESC, Anno DESC, "
                                           "rowid LIMIT 1"),
                            {entry.fieldCode, m_period.start.year(), m_period.end.year()});
    else if (entry.centreKind == int(CentreKind::Crop) && entry.centreCode > 0)
        found = m_db.scalar(QStringLiteral("SELECT SupAnno FROM Centri WHERE Codice = ? AND "
                                           "Campo <> 0 ORDER BY rowid LIMIT 1"),
                            {entry.centreCode});
    const double hectares = found.toDouble();
    return hectares > 0 ? hectares : 0.0;
}

bool TreatmentLookups::recordsTreatments()
{
    return SchemaUpgrade::hasColumn(m_db, TreatmentColumns::MovementsTable,
                                    TreatmentColumns::TreatedArea);
}
