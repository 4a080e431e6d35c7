#include "ImportedCards.h"

#include "base/Prompter.h"
#include "base/WorkingPeriod.h"
#include "db/Database.h"
#include "db/DbDate.h"
#include "db/DbException.h"
#include "db/FarmSession.h"

#include <QLocale>

namespace {

QString dayText(const QDate &day)
{
    return QLocale().toString(day, QLocale::ShortFormat);
}

QString periodText(const WorkingPeriod &period)
{
    return QStringLiteral("%1 – %2").arg(dayText(period.start), dayText(period.end));
}

} // namespace

ImportedCards ImportedCards::of(Database &archive)
{
    ImportedCards cards;
    try {
        QSqlQuery days = archive.execute(QStringLiteral("SELECT MIN(Data), MAX(Data) FROM Scheda"));
        if (days.next() && !days.value(0).isNull()) {
            cards.first = DbDate::fromText(days.value(0).toString()).date();
            cards.last = DbDate::fromText(days.value(1).toString()).date();
        }
    } catch (const DbException &) {
        // Only what is shown after the import: it stays as it is.
        return {};
    }
    return cards;
}

QDate ImportedCards::offerPeriod(FarmSession &farm, Prompter &prompter) const
{
    if (isEmpty())
        return {};
    const WorkingPeriod current = farm.period();
    const bool inside = current.contains(QDateTime(first, QTime(0, 0))) &&
                        current.contains(QDateTime(last, QTime(0, 0)));
    if (!inside) {
        const WorkingPeriod theirs{QDate(first.year(), 1, 1), QDate(last.year(), 12, 31)};
        const QString question =
            tr("The imported cards, from %1 to %2, lie outside the working period %3.\n\nMake "
               "%4 the working period to see them?")
                .arg(dayText(first), dayText(last), periodText(current), periodText(theirs));
        if (prompter.question(question) == Prompter::Answer::Yes)
            farm.setPeriod(theirs);
    }
    return farm.period().contains(QDateTime(first, QTime(0, 0))) ? first : QDate();
}

void ImportedCards::show(FarmSession &farm, Prompter &prompter,
                         const std::function<void()> &reloadViews) const
{
    const QDate day = offerPeriod(farm, prompter);
    if (!day.isValid())
        return;
    // The card view opens at the farm's card day.
    farm.setActualDate(day);
    if (reloadViews)
        reloadViews();
}
