#include "ReportContext.h"

#include "base/SettingsStore.h"
#include "base/SettingsYears.h"

ReportContext ReportContext::fromSettings(Database &db, const WorkingPeriod &period,
                                          qint64 currentCardId, const QDate &today)
{
    const SettingsYears fieldYears = SettingsYears::read(today);
    return {db,
            period,
            currentCardId,
            fieldYears.start,
            fieldYears.end,
            SettingsStore::readString(SettingsStore::Settings, QStringLiteral("DittaRagSoc")),
            today};
}
