#include "DemoFarmOpening.h"

#include "StartupSteps.h"
#include "base/Clock.h"
#include "base/Prompter.h"
#include "db/DbException.h"
#include "demo/DemoFarm.h"
#include "exchange/ExchangeDatabase.h"

#include <QDir>
#include <QStandardPaths>

DemoFarmOpening::DemoFarmOpening(Prompter &prompter, const Clock &clock)
    : m_prompter(prompter), m_clock(clock)
{
}

QString DemoFarmOpening::create()
{
    StartupSteps steps(m_prompter);
    const QString folder =
        steps.userDataFolder(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    if (folder.isEmpty())
        return {};
    return create(folder, ExchangeDatabase::installedTemplatePath());
}

QString DemoFarmOpening::create(const QString &userFolder, const QString &templatePath)
{
    const QString path = QDir(userFolder).filePath(fileName());
    if (templatePath.isEmpty()) {
        m_prompter.error(tr("Cannot write the demo farm %1: the template database is not "
                            "installed.")
                             .arg(QDir::toNativeSeparators(path)));
        return {};
    }
    try {
        DemoFarm::write(templatePath, path, m_clock.now().date(), DemoFarm::DefaultYears);
    } catch (const DbException &e) {
        m_prompter.error(tr("Cannot write the demo farm %1: %2")
                             .arg(QDir::toNativeSeparators(path), e.message()));
        return {};
    }
    return path;
}

WorkingPeriod DemoFarmOpening::period() const
{
    const int year = m_clock.now().date().year();
    return {QDate(year, 1, 1), QDate(year, 12, 31)};
}
