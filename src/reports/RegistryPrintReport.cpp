#include "RegistryPrintReport.h"

#include "PageSurface.h"
#include "ReportText.h"
#include "base/NumberText.h"
#include "db/Database.h"
#include "db/StoredQuery.h"
#include "registries/RegistryKey.h"

#include <QDate>

namespace {

constexpr int Left = 50;
constexpr int Right = 2650;
constexpr int FirstRowTop = -350;
constexpr int RowHeight = 50;
// A cell ends a little before the next column starts.
constexpr int Gap = 10;

// A code, a figure (also after its unit, "kg 2.00", "H. 8.00") or a date, which the page never
// cuts; any other text is a name.
bool isFigure(const StatisticsCell &cell)
{
    switch (cell.value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
    case QMetaType::QDate:
        return true;
    default: {
        const QString last = cell.text.section(QLatin1Char(' '), -1);
        return !last.isEmpty() && ReadNumber(last, false).has_value();
    }
    }
}

} // namespace

RegistryPrintReport::RegistryPrintReport(Database &db, const WorkingPeriod &period,
                                         QString companyName, RegistryPrintList list)
    : m_db(db), m_period(period), m_companyName(std::move(companyName)), m_list(std::move(list))
{
}

int RegistryPrintReport::countPages(Progress &)
{
    const int rows = int(m_list.rows.size());
    return qMax(1, (rows + RowsPerPage - 1) / RowsPerPage);
}

double RegistryPrintReport::stockUpTo(Database &db, int item, const QDate &day)
{
    StoredQuery query(db, QStringLiteral("Inventario Magazzino Articolo"));
    query.setParameter(QStringLiteral("[Data]"), QDateTime(day, QTime(23, 59, 59)));
    query.setParameter(QStringLiteral("[Codice]"), item);
    query.open();
    // Sums in single precision, as the statistics list's inventory.
    float loads = 0;
    float discharges = 0;
    for (; !query.isEOF(); query.moveNext()) {
        const int type = query.value(2).toInt();
        const float quantity = float(query.value(4).toDouble());
        if (type == 1 || type == 2 || type == 5)
            loads += quantity;
        else if (type == 3 || type == 4)
            discharges += quantity;
    }
    return double(loads - discharges);
}

QString RegistryPrintReport::heading() const
{
    const int kind = RegistryKey::kindOf(m_list.nodeKey);
    const int code = RegistryKey::codeOf(m_list.nodeKey);
    if (m_list.nodeKey == RegistryKey::make(0, RegistryKey::CostCenters))
        return tr("%1 - Situation Field").arg(m_companyName);
    if (code > 0 && (kind == RegistryKey::Crop || kind == RegistryKey::Field)) {
        const double surface =
            m_db.scalar(kind == RegistryKey::Crop
                            ? QStringLiteral("SELECT SupAnno FROM Centri WHERE Codice = ? "
                                             "ORDER BY rowid LIMIT 1")
                            : QStringLiteral("SELECT Superficie FROM Campi WHERE Codice = ? "
                                             "ORDER BY rowid LIMIT 1"),
                        {code})
                .toDouble();
        return tr("%1 - %2 - Acre %3")
            .arg(m_companyName, m_list.nodeLabel, FixedDecimals(surface, 2));
    }
    if (code > 0 && kind == RegistryKey::Item)
        return tr("%1 - %2 - Inventory: initial %3 - final %4")
            .arg(m_companyName, m_list.nodeLabel,
                 FormatNumber(stockUpTo(m_db, code, m_period.start), false),
                 FormatNumber(stockUpTo(m_db, code, m_period.end), false));
    return tr("%1 - %2 -").arg(m_companyName, m_list.nodeLabel);
}

QList<int> RegistryPrintReport::columnLefts() const
{
    // The list's columns keep their proportions across the page; a list whose widths are all
    // zero (or missing) gets six equal columns.
    QList<int> widths = m_list.widths.mid(0, ColumnCount);
    while (widths.size() < ColumnCount)
        widths << 0;
    int sum = 0;
    for (const int width : widths)
        sum += qMax(0, width);
    QList<int> lefts{Left};
    for (const int width : widths) {
        const int printed =
            sum > 0 ? int(qMax(0, width) * (double(Right - Left) / sum)) : (Right - Left) / 6;
        lefts << lefts.last() + printed;
    }
    return lefts;
}

void RegistryPrintReport::drawPage(PageSurface &surface, int page, int pageCount)
{
    const PageFont previous = surface.selectFont({QStringLiteral("Arial"), 10, PageFont::Normal});
    // A long company name gives way to the node and its figures.
    ReportText::drawCenteredTitle(surface, Left, -100, Right, -150, heading(), m_companyName);
    const bool itemRecord = RegistryKey::kindOf(m_list.nodeKey) == RegistryKey::Item &&
                            RegistryKey::codeOf(m_list.nodeKey) > 0;
    const QString from = ReportText::date(m_period.start);
    const QString to = ReportText::date(m_period.end);
    surface.drawCenteredText(Left, -150, Right, -200,
                             itemRecord ? tr("Warehouse From %1 To %2").arg(from, to)
                                        : tr("From %1 To %2").arg(from, to));
    surface.drawLine(Left, -200, Right, -200);

    const QList<int> lefts = columnLefts();
    for (int column = 0; column < ColumnCount; ++column)
        ReportText::drawFitted(surface, lefts[column], -250, lefts[column + 1] - Gap,
                               m_list.titles.value(column));
    surface.drawLine(Left, -300, Right, -300);

    int bottom = FirstRowTop;
    for (int i = 0; i < RowsPerPage; ++i) {
        const int top = FirstRowTop - i * RowHeight;
        bottom = top - RowHeight;
        const qsizetype row = qsizetype(page - 1) * RowsPerPage + i;
        if (row >= m_list.rows.size())
            continue;
        const StatisticsRow &cells = m_list.rows.at(row);
        for (int column = 0; column < ColumnCount; ++column) {
            const StatisticsCell cell = cells.value(column);
            // A column the user closed shows nothing, as in the list.
            if (cell.text.isEmpty() || lefts[column + 1] <= lefts[column])
                continue;
            if (isFigure(cell))
                ReportText::drawFigure(surface, lefts[column], top, lefts[column + 1] - Gap,
                                       cell.text);
            else
                ReportText::drawFitted(surface, lefts[column], top, lefts[column + 1] - Gap,
                                       cell.text);
        }
    }
    surface.drawCenteredText(Left, bottom - 100, Right, bottom - 150,
                             ReportText::pageOf(page, pageCount));
    surface.selectFont(previous);
}

QList<QVariantList> RegistryPrintReport::tableRows(int page, int)
{
    QList<QVariantList> table;
    const qsizetype first = qsizetype(page - 1) * RowsPerPage;
    for (const StatisticsRow &row : m_list.rows.mid(first, RowsPerPage))
        table.append(valuesOf(row));
    return table;
}
