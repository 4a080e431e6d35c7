#include "ReportText.h"

#include <QCoreApplication>

namespace ReportText {

QString cut(const QString &text, int limit, int keep)
{
    return text.size() >= limit ? text.left(keep) + QStringLiteral("...") : text;
}

QString date(const QDate &day)
{
    return day.toString(QStringLiteral("MM/dd/yyyy"));
}

QString date(const QDateTime &moment)
{
    return date(moment.date());
}

QString pageOf(int page, int pageCount)
{
    return QCoreApplication::translate("Report", "Page %1 of %2").arg(page).arg(pageCount);
}

} // namespace ReportText
