#include "TotalsReport.h"

#include "ListReport.h"
#include "PageSurface.h"
#include "ReportText.h"
#include "base/NumberText.h"
#include "db/Database.h"
#include "db/RowCursor.h"

namespace {

constexpr int FirstLineY = -200;
constexpr int LineStep = 50;
constexpr int RightEdge = 2050;
// A cell ends a little before the next column starts.
constexpr int Gap = 10;

// Codice of a warehouse row and of a first-entry row.
constexpr int WarehouseRow = -1;
constexpr int FirstEntryRow = -2;

} // namespace

TotalsReport::TotalsReport(const ReportContext &context, Section section, bool withAmounts)
    : m_context(context), m_section(section), m_withAmounts(withAmounts),
      m_table(section == Section::Centres ? QStringLiteral("Totali")
                                          : QStringLiteral("[Totali Campi]"))
{
}

int TotalsReport::countPages(Progress &progress)
{
    return TotalsPagination(m_context.db, m_section, m_withAmounts, m_context.period)
        .paginate(progress);
}

QString TotalsReport::fittedCentreName(const QString &name)
{
    constexpr int Width = 54;
    if (name.size() > Width)
        return name.left(Width - 3) + QStringLiteral("...");
    const int pad = (Width - int(name.size())) / 2;
    if (pad <= 1)
        return name;
    const QString spaces(pad - 1, QLatin1Char(' '));
    return spaces + name + spaces;
}

QList<TotalsReport::Row> TotalsReport::pageRows(int page) const
{
    // Rows print in the order the pagination counted them, so that the row closing the section
    // is the last one of its page.
    QSqlQuery query = m_context.db.execute(
        QStringLiteral("SELECT CodCentro, Codice, CodOperazione, CosRic, Descrizione, OreQua, "
                       "Tipo, Ultimo, %1 FROM %2 WHERE %3NumPag = ? ORDER BY CodOperazione, rowid")
            .arg(m_section == Section::Fields ? QStringLiteral("Fase") : QStringLiteral("''"),
                 m_table, m_withAmounts ? QString() : QStringLiteral("Codice <> -2 AND ")),
        {page});
    QList<Row> rows;
    RowCursor cursor(query);
    while (cursor.next())
        rows.append({query.value(0).toInt(), query.value(1).toInt(), query.value(2).toInt(),
                     query.value(3).toDouble(), query.value(4).toString(),
                     query.value(5).toDouble(), query.value(6).toInt() != 0,
                     query.value(7).toInt() != 0, query.value(8).toString()});
    return rows;
}

TotalsReport::Heading TotalsReport::heading(int code) const
{
    Heading heading;
    QSqlQuery query =
        m_section == Section::Centres
            ? m_context.db.execute(
                  QStringLiteral("SELECT Descrizione, SupAnno, Macchina FROM Centri "
                                 "WHERE Codice = ? ORDER BY rowid LIMIT 1"),
                  {code})
            // A field code recurs in every year that holds the field: the period's latest year
            // names it, else the latest year there is.
            : m_context.db.execute(
                  QStringLiteral("SELECT Descrizione, Superficie, 0 FROM Campi WHERE Codice = ? "
                                 "ORDER BY Anno BETWEEN ? AND ? DESC, Anno DESC, rowid LIMIT 1"),
                  {code, m_context.period.start.year(), m_context.period.end.year()});
    if (RowCursor(query).next()) {
        heading.name = query.value(0).toString();
        heading.surface = query.value(1).toDouble();
        heading.machine = query.value(2).toInt() != 0;
    }
    return heading;
}

void TotalsReport::drawHeader(PageSurface &surface, int code) const
{
    const Heading section = heading(code);
    const QString today = ReportText::date(m_context.today);
    QString name;
    QString title;
    if (m_section == Section::Centres) {
        name = fittedCentreName(section.name);
        title = tr("C.C. <%1> %2 of %3 Sur./Cap./Year %4")
                    .arg(QString::number(code), name, today, FixedDecimals(section.surface, 2));
    } else {
        name =
            section.name.size() > 18 ? section.name.left(15) + QStringLiteral("...") : section.name;
        title = tr("Print a summary of the Field <%1> %2 of %3 Surface %4")
                    .arg(QString::number(code), name, today, FixedDecimals(section.surface, 2));
    }
    ReportText::drawCenteredTitle(surface, 100, -20, 1900, -70, title, name);
    surface.drawLine(50, -80, RightEdge, -80);
    const QString operation = m_section == Section::Centres ? tr("Operation") : tr("Op./Phase");
    if (m_withAmounts) {
        surface.drawText(50, -110, tr("Mov.Type"));
        surface.drawText(250, -110, tr("Mov.Code"));
        surface.drawText(450, -110, tr("Description"));
        surface.drawText(1000, -110, tr("Hour/Quant."));
        surface.drawText(1250, -110, tr("Cos/Proc Un."));
        surface.drawText(1500, -110, tr("Cos/Proc Tot."));
        surface.drawText(1750, -110, operation);
    } else {
        surface.drawText(50, -110, tr("Code"));
        surface.drawText(250, -110, tr("Description"));
        surface.drawText(1000, -110, tr("Hour/Quant."));
        surface.drawText(1300, -110, operation);
    }
    surface.drawLine(50, -160, RightEdge, -160);
}

const TotalsReport::Operation &TotalsReport::operation(int code)
{
    auto found = m_operations.constFind(code);
    if (found == m_operations.cend()) {
        QSqlQuery query = m_context.db.execute(
            QStringLiteral(
                "SELECT Codice, Descrizione FROM Operazioni WHERE Codice = ? ORDER BY rowid "
                "LIMIT 1"),
            {code});
        Operation operation;
        if (RowCursor(query).next())
            operation = {QStringLiteral("%1 ").arg(query.value(0).toInt()),
                         query.value(1).toString()};
        found = m_operations.insert(code, operation);
    }
    return *found;
}

QString TotalsReport::warehouseUnit(const Row &row) const
{
    // A warehouse row carries its item's code in CodOperazione; the name finds items of rows
    // written before that, compared whole so that quotes, "%" and "_" are plain characters.
    QVariant unit = m_context.db.scalar(
        QStringLiteral("SELECT UnMis FROM Articoli WHERE Codice = ? ORDER BY rowid LIMIT 1"),
        {row.operation});
    if (!unit.isValid())
        unit = m_context.db.scalar(
            QStringLiteral("SELECT UnMis FROM Articoli WHERE Descrizione = ? COLLATE NOCASE "
                           "ORDER BY rowid LIMIT 1"),
            {row.description});
    return unit.isValid() ? unit.toString() : QStringLiteral("*.");
}

QString TotalsReport::unitOf(const Row &row) const
{
    return row.code == WarehouseRow ? warehouseUnit(row) : QStringLiteral("H.");
}

double TotalsReport::unitAmount(const Row &row)
{
    return row.quantity != 0 ? row.amount / row.quantity : 0.0;
}

QString TotalsReport::warehouseOperation(const Row &row) const
{
    return m_section == Section::Centres ? tr("Inv.Mov.") : row.phase;
}

QString TotalsReport::summaryOperation(const Row &row)
{
    if (m_section == Section::Fields && row.code <= 0)
        return row.phase;
    return operation(row.operation).name;
}

QVariant TotalsReport::codeCell(const Row &row) const
{
    if (row.code == WarehouseRow)
        return QStringLiteral("AM");
    if (row.code == FirstEntryRow && m_section == Section::Centres)
        return QStringLiteral("PN");
    return row.code;
}

bool TotalsReport::drawAmountsRow(PageSurface &surface, const Row &row, int y1)
{
    const int y2 = y1 - LineStep;
    surface.drawText(50, y1, row.cost ? tr("COST") : tr("REVENUE"));
    ReportText::drawFigure(surface, 250, y1, 450 - Gap, codeCell(row).toString());

    const bool twoLines = row.description.size() > 23;
    if (twoLines) {
        const QString rest = row.description.mid(22);
        ReportText::drawFitted(surface, 450, y1, 1000 - Gap,
                               row.description.left(22) + QLatin1Char('-'));
        ReportText::drawFitted(surface, 450, y2, 1000 - Gap,
                               rest.size() > 23 ? rest.left(20) + QStringLiteral("...") : rest);
    } else {
        ReportText::drawFitted(surface, 450, y1, 1000 - Gap, row.description);
    }

    ReportText::drawFigure(
        surface, 1000, y1, 1250 - Gap,
        QStringLiteral("%1 %2").arg(unitOf(row), FormatNumber(row.quantity, false)));
    ReportText::drawFigure(surface, 1250, y1, 1500 - Gap, FormatCurrency(unitAmount(row)));
    ReportText::drawFigure(surface, 1500, y1, 1750 - Gap, FormatCurrency(row.amount));
    drawOperationColumn(surface, row, twoLines, y1);
    return twoLines;
}

void TotalsReport::drawOperationColumn(PageSurface &surface, const Row &row, bool twoLines, int y1)
{
    constexpr int X = 1750;
    if (row.code == WarehouseRow) {
        ReportText::drawFitted(surface, X, y1, RightEdge, warehouseOperation(row));
        return;
    }
    const Operation &found = operation(row.operation);
    if (found.name.size() <= 8) {
        ReportText::drawFitted(surface, X, y1, RightEdge, found.name);
    } else if (twoLines) {
        const QString rest = found.name.mid(8);
        ReportText::drawFitted(surface, X, y1, RightEdge,
                               found.code + found.name.left(8) + QLatin1Char('-'));
        ReportText::drawFitted(surface, X, y1 - LineStep, RightEdge,
                               rest.size() > 8 ? rest.left(5) + QStringLiteral("...") : rest);
    } else {
        const PageFont previous =
            surface.selectFont({QStringLiteral("Arial"), 8, PageFont::Normal});
        ReportText::drawFitted(surface, X, y1, RightEdge,
                               found.code + ReportText::cut(found.name, 12, 8));
        surface.selectFont(previous);
    }
}

bool TotalsReport::drawSummaryRow(PageSurface &surface, const Row &row, int y1)
{
    surface.drawText(50, y1, QString::number(row.code));
    const bool twoLines = row.description.size() > 30;
    if (twoLines) {
        const QString rest = row.description.mid(29);
        ReportText::drawFitted(surface, 250, y1, 1000 - Gap,
                               row.description.left(29) + QLatin1Char('-'));
        ReportText::drawFitted(surface, 250, y1 - LineStep, 1000 - Gap,
                               rest.size() > 30 ? rest.left(20) + QStringLiteral("...") : rest);
    } else {
        ReportText::drawFitted(surface, 250, y1, 1000 - Gap, row.description);
    }
    ReportText::drawFigure(surface, 1000, y1, 1300 - Gap,
                           QStringLiteral("H. %1").arg(FormatNumber(row.quantity, false)));
    QString operationText = summaryOperation(row);
    if (operationText.size() > 30)
        operationText = operationText.left(27) + QStringLiteral("...");
    ReportText::drawFitted(surface, 1300, y1, RightEdge, operationText);
    return twoLines;
}

TotalsReport::Totals TotalsReport::totals(int code) const
{
    QSqlQuery sums = m_context.db.execute(
        QStringLiteral("SELECT TOTAL(CASE WHEN Tipo <> 0 THEN CosRic END), "
                       "TOTAL(CASE WHEN COALESCE(Tipo, 0) = 0 THEN CosRic END) "
                       "FROM %1 WHERE CodCentro = ?")
            .arg(m_table),
        {code});
    RowCursor(sums).next();
    Totals totals;
    totals.costs = sums.value(0).toDouble();
    totals.revenues = sums.value(1).toDouble();
    const Heading section = heading(code);
    // A machine's SupAnno is its capacity or year of purchase, no surface to share costs on.
    totals.perUnit = m_section == Section::Fields || !section.machine;
    // Without a surface the unit lines repeat the totals.
    totals.divisor = section.surface > 0 ? section.surface : 1.0;
    return totals;
}

void TotalsReport::drawTotals(PageSurface &surface, int code) const
{
    const Totals sums = totals(code);
    const double result = sums.revenues - sums.costs;
    surface.drawLine(50, -2500, RightEdge, -2500);
    surface.drawText(100, -2550, tr("TOTAL COSTS : %1").arg(FormatCurrency(sums.costs)));
    surface.drawText(100, -2600, tr("TOTAL REVENUES : %1").arg(FormatCurrency(sums.revenues)));
    surface.drawText(100, -2650, tr("TOTAL RESULT : %1").arg(FormatCurrency(result)));
    if (!sums.perUnit)
        return;
    surface.drawText(1200, -2550,
                     tr("UNIT COST : %1").arg(FormatCurrency(sums.costs / sums.divisor)));
    surface.drawText(1200, -2600,
                     tr("UNIT REVENUE : %1").arg(FormatCurrency(sums.revenues / sums.divisor)));
    surface.drawText(1200, -2650,
                     tr("UNIT RESULT : %1").arg(FormatCurrency(result / sums.divisor)));
}

void TotalsReport::drawPage(PageSurface &surface, int page, int pageCount)
{
    const QList<Row> rows = pageRows(page);
    if (!rows.isEmpty()) {
        const int code = rows.first().centre;
        drawHeader(surface, code);
        int y1 = FirstLineY;
        bool sectionEnds = false;
        for (const Row &row : rows) {
            const bool twoLines =
                m_withAmounts ? drawAmountsRow(surface, row, y1) : drawSummaryRow(surface, row, y1);
            y1 -= twoLines ? 2 * LineStep : LineStep;
            sectionEnds = sectionEnds || row.last;
        }
        if (m_withAmounts && sectionEnds)
            drawTotals(surface, code);
        else if (m_withAmounts)
            surface.drawText(50, -2550, tr("(CONTINUES)"));
        else if (sectionEnds)
            surface.drawLine(50, -2650, RightEdge, -2650);
        else
            surface.drawText(50, -2650, tr("(CONTINUES)"));
    }
    ListReport::drawFooter(surface, page, pageCount);
}

namespace {

// The label of a totals line without its amount: "TOTAL COSTS : %1" gives "TOTAL COSTS".
QString labelOf(const QString &pattern)
{
    QString label = pattern;
    label.remove(QStringLiteral("%1"));
    label = label.trimmed();
    if (label.endsWith(QLatin1Char(':')))
        label.chop(1);
    return label.trimmed();
}

} // namespace

QStringList TotalsReport::tableColumns() const
{
    const QString operation = m_section == Section::Centres ? tr("Operation") : tr("Op./Phase");
    QStringList columns = m_section == Section::Centres
                              ? QStringList{tr("Center Code"), tr("Center")}
                              : QStringList{tr("Field Code"), tr("Field")};
    if (m_withAmounts)
        columns << tr("Mov.Type") << tr("Mov.Code") << tr("Description") << tr("Unit")
                << tr("Hour/Quant.") << tr("Cos/Proc Un.") << tr("Cos/Proc Tot.") << operation;
    else
        columns << tr("Code") << tr("Description") << tr("Hour/Quant.") << operation;
    return columns;
}

QList<QVariantList> TotalsReport::tableRows(int page, int)
{
    const QList<Row> rows = pageRows(page);
    QList<QVariantList> table;
    if (rows.isEmpty())
        return table;
    const int code = rows.first().centre;
    const QString name = heading(code).name;
    bool sectionEnds = false;
    for (const Row &row : rows) {
        sectionEnds = sectionEnds || row.last;
        if (!m_withAmounts) {
            table.append({code, name, row.code, row.description, cents(row.quantity),
                          summaryOperation(row)});
            continue;
        }
        const QString operationText =
            row.code == WarehouseRow ? warehouseOperation(row) : operation(row.operation).name;
        table.append({code, name, row.cost ? tr("COST") : tr("REVENUE"), codeCell(row),
                      row.description, unitOf(row), cents(row.quantity), cents(unitAmount(row)),
                      cents(row.amount), operationText});
    }
    if (!m_withAmounts || !sectionEnds)
        return table;
    const Totals sums = totals(code);
    const double result = sums.revenues - sums.costs;
    const auto totalsLine = [&](const QString &pattern, double amount) {
        table.append({code, name, labelOf(pattern), {}, {}, {}, {}, {}, cents(amount), {}});
    };
    totalsLine(tr("TOTAL COSTS : %1"), sums.costs);
    totalsLine(tr("TOTAL REVENUES : %1"), sums.revenues);
    totalsLine(tr("TOTAL RESULT : %1"), result);
    if (sums.perUnit) {
        totalsLine(tr("UNIT COST : %1"), sums.costs / sums.divisor);
        totalsLine(tr("UNIT REVENUE : %1"), sums.revenues / sums.divisor);
        totalsLine(tr("UNIT RESULT : %1"), result / sums.divisor);
    }
    return table;
}
