#include "SettingsCommand.h"

#include "base/Prompter.h"
#include "base/SettingsKeys.h"
#include "db/CheckDatabase.h"
#include "db/FarmSession.h"

#include <QFileInfo>

namespace {

int lastSeparator(const QString &text)
{
    return std::max(text.lastIndexOf(QLatin1Char('/')), text.lastIndexOf(QLatin1Char('\\')));
}

} // namespace

PropValues SettingsCommand::load()
{
    const WorkingPeriod period = FarmSession::storedPeriod();
    return {SettingsKeys::Database.read(), period.start, period.end, storedLanguage()};
}

QString SettingsCommand::storedLanguage()
{
    return SettingsKeys::Language.read();
}

bool SettingsCommand::validate(const PropValues &values, Prompter &prompter)
{
    if (values.path.size() > MaximumPathLength) {
        prompter.error(tr("Enter no more than %1 characters.").arg(MaximumPathLength));
        prompter.error(tr("Data not consistent!"));
        return false;
    }
    if (!values.start.isValid() || !values.end.isValid() || values.end <= values.start) {
        prompter.error(tr("The start date must be less than the final date!"));
        return false;
    }
    if (!CheckDatabase(values.path, prompter)) {
        prompter.error(tr("Invalid database!"));
        return false;
    }
    return true;
}

SettingsCommand::Outcome SettingsCommand::apply(const PropValues &before, const PropValues &after,
                                                const std::function<void()> &reloadViews,
                                                const std::function<void()> &applyPeriod)
{
    Outcome outcome;
    if (after.path != before.path) {
        SettingsKeys::Database.write(after.path);
        outcome.databaseChanged = true;
        if (reloadViews)
            reloadViews();
    }
    if (after.start != before.start || after.end != before.end) {
        FarmSession::storePeriod({after.start, after.end});
        outcome.periodChanged = true;
        if (applyPeriod)
            applyPeriod();
    }
    if (!after.language.isEmpty() && after.language != before.language) {
        SettingsKeys::Language.write(after.language);
        outcome.languageChanged = true;
    }
    return outcome;
}

SettingsCommand::BrowseStart SettingsCommand::browseStart(const QString &pathText)
{
    if (pathText.isEmpty())
        return {};
    const int separator = lastSeparator(pathText);
    if (separator < 0)
        return {QString(), QStringLiteral("Verdimo")};
    const QString fileName = pathText.mid(separator + 1);
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString folder = separator == 0 ? pathText.left(1) : pathText.left(separator);
    return {folder, dot > 0 ? fileName.left(dot) : fileName};
}
