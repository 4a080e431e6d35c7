#include "ReportContext.h"

#include "db/FarmSession.h"

ReportContext ReportContext::forPeriod(Database &db, const WorkingPeriod &period,
                                       qint64 currentCardId, const CompanyData &company,
                                       const QDate &today)
{
    return {db,    period, currentCardId, period.start.year(), period.end.year(), company.name(),
            today, company};
}

ReportContext ReportContext::fromSession(FarmSession &farm, qint64 currentCardId,
                                         const QDate &today)
{
    return forPeriod(farm.database(), farm.period(), currentCardId, farm.company(), today);
}
