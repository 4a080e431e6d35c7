#include "WorkCardReport.h"

#include "ListReport.h"
#include "ReportText.h"
#include "base/DomainCodes.h"
#include "base/DomainNames.h"
#include "base/NumberText.h"
#include "db/Database.h"
#include "db/DbDate.h"
#include "db/RowCursor.h"

namespace {

constexpr int BlockHeight = 250;
constexpr int FirstBlockTop = -450;

// Columns of the works query.
enum WorkColumn {
    IDOpera,
    CodOperaio,
    OreOrd,
    OreFest,
    OreStr,
    CodCentro,
    CodCampo,
    TipoCentro,
    CodOperazione,
    CodMacch1,
};

QString number(const QVariant &value)
{
    return QString::number(value.toInt());
}

int code(const QSqlQuery &works, int column)
{
    return works.value(column).toInt();
}

} // namespace

WorkCardReport::WorkCardReport(const ReportContext &context) : m_context(context) {}

int WorkCardReport::countPages(Progress &)
{
    // A card being inserted has no identifier yet; its pending works are not the card's.
    if (m_context.currentCardId <= 0)
        return 0;
    const int works = m_context.db
                          .scalar(QStringLiteral("SELECT COUNT(*) FROM Opere WHERE IDScheda = ?"),
                                  {m_context.currentCardId})
                          .toInt();
    return (works + WorksPerPage - 1) / WorksPerPage;
}

QString WorkCardReport::movementTypeName(int type)
{
    const std::optional<MovementType> known = movementTypeOf(type);
    return known ? DomainNames::movementType(*known) : QString();
}

QString WorkCardReport::lookUp(const QString &sql, const QVariantList &params) const
{
    return m_context.db.scalar(sql, params).toString();
}

QSqlQuery WorkCardReport::pageWorks(int page)
{
    m_cardDate = DbDate::fromText(lookUp(
        QStringLiteral("SELECT Data FROM Scheda WHERE IDScheda = ?"), {m_context.currentCardId}));
    return m_context.db.execute(
        QStringLiteral("SELECT IDOpera, CodOperaio, OreOrd, OreFest, OreStr, CodCentro, CodCampo, "
                       "[Tipo Centro], CodOperazione, CodMacch1, CodMacch2, CodMacch3 FROM Opere "
                       "WHERE IDScheda = ? ORDER BY IDOpera LIMIT ? OFFSET ?"),
        {m_context.currentCardId, WorksPerPage, (page - 1) * WorksPerPage});
}

QString WorkCardReport::workerName(const QSqlQuery &work) const
{
    return lookUp(QStringLiteral("SELECT Nome FROM Operai WHERE Codice = ? ORDER BY rowid LIMIT 1"),
                  {work.value(CodOperaio).toInt()});
}

QString WorkCardReport::operationName(const QSqlQuery &work) const
{
    return lookUp(QStringLiteral(
                      "SELECT Descrizione FROM Operazioni WHERE Codice = ? ORDER BY rowid LIMIT 1"),
                  {work.value(CodOperazione).toInt()});
}

QString WorkCardReport::machineName(int code) const
{
    return lookUp(QStringLiteral("SELECT Descrizione FROM Centri WHERE Macchina <> 0 "
                                 "AND Codice = ? ORDER BY rowid LIMIT 1"),
                  {code});
}

void WorkCardReport::drawPage(PageSurface &surface, int page, int pageCount)
{
    QSqlQuery works = pageWorks(page);
    const PageFont previous = surface.selectFont({QStringLiteral("Arial"), 12, PageFont::Normal});
    // A long company name gives way to the card's date.
    ReportText::drawCenteredTitle(
        surface, 100, -100, 1900, -150,
        tr("%1 - Form of %2").arg(m_context.companyName, ReportText::date(m_cardDate)),
        m_context.companyName);
    surface.selectFont(previous);
    surface.drawLine(50, -170, 2000, -170);
    drawHeadings(surface);
    surface.drawLine(50, -400, 2000, -400);

    RowCursor workRows(works);
    for (int top = FirstBlockTop; workRows.next(); top -= BlockHeight)
        drawWork(surface, top, works);

    ListReport::drawFooter(surface, page, pageCount);
}

void WorkCardReport::drawHeadings(PageSurface &surface) const
{
    surface.drawText(50, -200, tr("Wor.Code"));
    surface.drawText(300, -200, tr("Worker"));
    surface.drawText(900, -200, tr("Reg.H."));
    surface.drawText(1200, -200, tr("Fest.H."));
    surface.drawText(1500, -200, tr("Overt."));

    surface.drawText(50, -250, tr("Cen.Code"));
    surface.drawText(300, -250, tr("Center"));
    surface.drawText(900, -250, tr("Op.Code"));
    surface.drawText(1150, -250, tr("Operation"));

    const int codeX[] = {50, 650, 1250};
    const int nameX[] = {250, 850, 1450};
    for (int machine = 0; machine < 3; ++machine) {
        const QString suffix = QStringLiteral(" (%1)").arg(machine + 1);
        surface.drawText(codeX[machine], -300, tr("M.C.") + suffix);
        surface.drawText(nameX[machine], -300, tr("Machine") + suffix);
    }

    surface.drawText(50, -350, tr("Mov.Type"));
    surface.drawText(350, -350, tr("Cod.Item"));
    surface.drawText(600, -350, tr("Item"));
    surface.drawText(1200, -350, tr("Stage"));
    surface.drawText(1500, -350, tr("Units"));
    surface.drawText(1700, -350, tr("Quantity"));
}

QString WorkCardReport::centreName(const QSqlQuery &work) const
{
    const int centre = work.value(CodCentro).toInt();
    switch (work.value(TipoCentro).toInt()) {
    case 0:
        return tr("<None>");
    case 1:
        return lookUp(
            QStringLiteral("SELECT Descrizione FROM Centri WHERE COALESCE(Macchina, 0) = 0 "
                           "AND Campo <> 0 AND Codice = ? ORDER BY rowid LIMIT 1"),
            {centre});
    case 2:
        // A field code recurs in every year that holds the field: the card's year names it.
        return lookUp(QStringLiteral("SELECT Descrizione FROM Campi WHERE Codice = ? "
                                     "ORDER BY Anno = ? DESC, rowid LIMIT 1"),
                      {work.value(CodCampo).toInt(), m_cardDate.date().year()});
    case 3:
        return lookUp(QStringLiteral("SELECT Descrizione FROM Centri WHERE Macchina <> 0 "
                                     "AND Codice = ? ORDER BY rowid LIMIT 1"),
                      {centre});
    case 4:
        return lookUp(
            QStringLiteral("SELECT Descrizione FROM Centri WHERE COALESCE(Macchina, 0) = 0 "
                           "AND COALESCE(Campo, 0) = 0 AND Codice = ? ORDER BY rowid LIMIT 1"),
            {centre});
    default:
        return QString();
    }
}

void WorkCardReport::drawWork(PageSurface &surface, int top, const QSqlQuery &work) const
{
    const QString worker = workerName(work);
    surface.drawText(50, top, number(work.value(CodOperaio)));
    ReportText::drawFitted(surface, 300, top, 890, ReportText::cut(worker, 25, 23));
    ReportText::drawFigure(surface, 900, top, 1190,
                           FormatNumber(work.value(OreOrd).toDouble(), false));
    ReportText::drawFigure(surface, 1200, top, 1490,
                           FormatNumber(work.value(OreFest).toDouble(), false));
    ReportText::drawFigure(surface, 1500, top, 2000,
                           FormatNumber(work.value(OreStr).toDouble(), false));

    const QString operation = operationName(work);
    surface.drawText(50, top - 50, number(work.value(CodCentro)));
    ReportText::drawFitted(surface, 300, top - 50, 890, ReportText::cut(centreName(work), 25, 23));
    surface.drawText(900, top - 50, number(work.value(CodOperazione)));
    ReportText::drawFitted(surface, 1150, top - 50, 2000, ReportText::cut(operation, 25, 23));

    const int codeX[] = {50, 650, 1250};
    const int nameX[] = {250, 850, 1450};
    const int nameEnd[] = {640, 1240, 2000};
    for (int machine = 0; machine < 3; ++machine) {
        const int code = work.value(CodMacch1 + machine).toInt();
        const QString name = machineName(code);
        surface.drawText(codeX[machine], top - 100, QString::number(code));
        ReportText::drawFitted(surface, nameX[machine], top - 100, nameEnd[machine],
                               ReportText::cut(name, 15, 12));
    }

    drawMovement(surface, top - 150, work.value(IDOpera).toInt());

    const PagePen previous = surface.selectPen({PagePen::Style::Dot, 1, Qt::black});
    surface.drawLine(50, top - 200, 2000, top - 200);
    surface.selectPen(previous);
}

std::optional<WorkCardReport::Movement> WorkCardReport::movementOf(int workId) const
{
    QSqlQuery found = m_context.db.execute(
        QStringLiteral(
            "SELECT [Tipo Bolla], [Codice Articolo], Fase, UniMis, Quantita FROM Magazzino "
            "WHERE IDOpera = ? ORDER BY IDBolla LIMIT 1"),
        {workId});
    if (!RowCursor(found).next())
        return std::nullopt;
    Movement movement;
    movement.type = found.value(0).toInt();
    movement.item = found.value(1).toInt();
    const QVariant itemName = m_context.db.scalar(
        QStringLiteral("SELECT Descrizione FROM Articoli WHERE Codice = ? ORDER BY rowid LIMIT 1"),
        {movement.item});
    movement.itemName = itemName.isValid() ? itemName.toString() : tr("<None>");
    movement.stage = found.value(2).toString();
    movement.unit = found.value(3).toString();
    movement.quantity = found.value(4).toDouble();
    return movement;
}

void WorkCardReport::drawMovement(PageSurface &surface, int y, int workId) const
{
    const std::optional<Movement> movement = movementOf(workId);
    if (!movement)
        return;
    const QString &name = movement->itemName;
    ReportText::drawFitted(surface, 50, y, 340, movementTypeName(movement->type));
    surface.drawText(350, y, QString::number(movement->item));
    ReportText::drawFitted(surface, 600, y, 1190,
                           name.size() > 25 ? name.left(22) + QStringLiteral("...") : name);
    ReportText::drawFitted(surface, 1200, y, 1490, movement->stage);
    // The unit belongs to the quantity beside it: neither is cut.
    ReportText::drawFigure(surface, 1500, y, 1690, movement->unit);
    ReportText::drawFigure(surface, 1700, y, 2000, FormatNumber(movement->quantity, false));
}

QStringList WorkCardReport::tableColumns() const
{
    QStringList columns{tr("Date"),   tr("Wor.Code"), tr("Worker"), tr("Reg.H."),  tr("Fest.H."),
                        tr("Overt."), tr("Cen.Code"), tr("Center"), tr("Op.Code"), tr("Operation")};
    for (int machine = 1; machine <= 3; ++machine) {
        const QString suffix = QStringLiteral(" (%1)").arg(machine);
        columns << tr("M.C.") + suffix << tr("Machine") + suffix;
    }
    columns << tr("Mov.Type") << tr("Cod.Item") << tr("Item") << tr("Stage") << tr("Units")
            << tr("Quantity");
    return columns;
}

QList<QVariantList> WorkCardReport::tableRows(int page, int)
{
    QList<QVariantList> table;
    QSqlQuery works = pageWorks(page);
    RowCursor workRows(works);
    while (workRows.next()) {
        QVariantList row{m_cardDate.date(),
                         code(works, CodOperaio),
                         workerName(works),
                         Report::cents(works.value(OreOrd).toDouble()),
                         Report::cents(works.value(OreFest).toDouble()),
                         Report::cents(works.value(OreStr).toDouble()),
                         code(works, CodCentro),
                         centreName(works),
                         code(works, CodOperazione),
                         operationName(works)};
        for (int machine = 0; machine < 3; ++machine) {
            const int code = works.value(CodMacch1 + machine).toInt();
            row << code << machineName(code);
        }
        if (const std::optional<Movement> movement = movementOf(code(works, IDOpera)))
            row << movementTypeName(movement->type) << movement->item << movement->itemName
                << movement->stage << movement->unit << Report::cents(movement->quantity);
        table.append(row);
    }
    return table;
}
