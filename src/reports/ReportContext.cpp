#include "ReportContext.h"

#include "base/SettingsStore.h"

namespace {

int settingYear(const QString &name, const QDate &today)
{
    const QString text = SettingsStore::readString(SettingsStore::Settings, name).trimmed();
    bool ok = false;
    const int year = text.right(4).toInt(&ok);
    return ok && text.size() >= 4 ? year : today.year();
}

} // namespace

ReportContext ReportContext::fromSettings(Database &db, const WorkingPeriod &period,
                                          qint64 currentCardId, const QDate &today)
{
    return {db,
            period,
            currentCardId,
            settingYear(QStringLiteral("DataInit"), today),
            settingYear(QStringLiteral("DataEnd"), today),
            SettingsStore::readString(SettingsStore::Settings, QStringLiteral("DittaRagSoc")),
            today};
}
