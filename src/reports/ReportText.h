#pragma once

#include <QDateTime>
#include <QString>

// Texts as the printed pages write them.
namespace ReportText {

// The text cut at limit to keep: its first keep characters and "..." when it has limit or
// more characters, whole otherwise.
QString cut(const QString &text, int limit, int keep);

// A date on a page: month first, four-digit year ("%m/%d/%Y"), whatever the locale.
QString date(const QDate &day);
QString date(const QDateTime &moment);

// "Page %d of %d".
QString pageOf(int page, int pageCount);

} // namespace ReportText
