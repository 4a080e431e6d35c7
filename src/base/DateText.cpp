#include "DateText.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace {

enum class Part { Day, Month, Year };

// The order of day, month and year in a date format; a weekday ("ddd", "dddd") is no day.
std::array<Part, 3> partOrder(const QString &pattern)
{
    static const QRegularExpression weekday(QStringLiteral("d{3,}"));
    QString format = pattern;
    format.replace(weekday, QStringLiteral("_"));
    struct Placed
    {
        qsizetype at;
        Part part;
    };
    std::array<Placed, 3> placed{{{format.indexOf(QLatin1Char('d')), Part::Day},
                                  {format.indexOf(QLatin1Char('M')), Part::Month},
                                  {format.indexOf(QLatin1Char('y')), Part::Year}}};
    // A part the format lacks goes last, in the order above.
    for (Placed &each : placed) {
        if (each.at < 0)
            each.at = format.size() + int(each.part);
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Placed &a, const Placed &b) { return a.at < b.at; });
    return {placed[0].part, placed[1].part, placed[2].part};
}

} // namespace

QString ShownDatePattern()
{
    //: The pattern of a date in the lists and on printed pages (Qt date format: dd day, MM
    //: month, yyyy year).
    return QCoreApplication::translate("DateText", "MM/dd/yyyy");
}

int CompletedYear(int twoFigureYear, int completionYear)
{
    const int earliest = completionYear - 80;
    const int century = earliest - earliest % 100;
    const int year = century + twoFigureYear;
    return year < earliest ? year + 100 : year;
}

QDate ReadNumericDate(const QString &text, const QString &pattern, int completionYear)
{
    static const QRegularExpression separators(QStringLiteral("[/\\-.\\s]+"));
    static const QRegularExpression figures(QStringLiteral("^[0-9]{1,4}$"));
    const QStringList parts = text.trimmed().split(separators, Qt::SkipEmptyParts);
    if (parts.size() < 2 || parts.size() > 3)
        return {};
    for (const QString &part : parts) {
        if (!figures.match(part).hasMatch())
            return {};
    }
    // A four-figure first part is a year: an ISO 8601 date, whatever the pattern.
    if (parts.size() == 3 && parts.first().size() == 4)
        return QDate(parts.at(0).toInt(), parts.at(1).toInt(), parts.at(2).toInt());
    int day = 0;
    int month = 0;
    int year = completionYear;
    // Without a year, day and month keep their order in the pattern.
    int next = 0;
    for (const Part part : partOrder(pattern)) {
        if (part == Part::Year && parts.size() == 2)
            continue;
        const QString &typed = parts.at(next++);
        const int value = typed.toInt();
        if (part == Part::Day && typed.size() <= 2)
            day = value;
        else if (part == Part::Month && typed.size() <= 2)
            month = value;
        else if (part == Part::Year && typed.size() != 3)
            year = typed.size() <= 2 ? CompletedYear(value, completionYear) : value;
        else
            return {};
    }
    return QDate(year, month, day);
}
