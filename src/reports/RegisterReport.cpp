#include "RegisterReport.h"

#include "PageSurface.h"
#include "RegisterPagination.h"
#include "ReportText.h"
#include "base/NumberText.h"
#include "base/SettingsKeys.h"
#include "db/Database.h"
#include "db/DbDate.h"
#include "db/RowCursor.h"

namespace {

const PagePen GreyPen{PagePen::Style::Solid, 1, QColor(192, 192, 192)};

// A label with its box, and the value written in the box cut to fit it.
void boxedValue(PageSurface &surface, const QString &label, int labelY, int left, int right,
                const QString &value)
{
    surface.drawText(left, labelY, label);
    surface.drawRectangle(left, labelY - 50, right, labelY - 150);
    ReportText::drawFitted(surface, left + 50, labelY - 80, right - 10, value);
}

// The two boxes of a choice and the mark in the one that applies.
void markBoxes(PageSurface &surface, int leftBox, int rightBox, int top, bool right,
               const QString &leftMark, const QString &rightMark, bool marked)
{
    surface.drawRectangle(leftBox, top, leftBox + 100, top - 100);
    surface.drawRectangle(rightBox, top, rightBox + 100, top - 100);
    if (marked)
        surface.drawText(right ? rightBox + 40 : leftBox + 40, top - 30,
                         right ? rightMark : leftMark);
}

// The three boxes of a date of birth, filled only for a valid date.
void dateBoxes(PageSurface &surface, int top, const QDate &date)
{
    surface.drawRectangle(1300, top, 1400, top - 100);
    surface.drawRectangle(1420, top, 1520, top - 100);
    surface.drawRectangle(1540, top, 1900, top - 100);
    if (!date.isValid())
        return;
    surface.drawText(1330, top - 30, QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0')));
    surface.drawText(1450, top - 30,
                     QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0')));
    surface.drawText(1630, top - 30, QString::number(date.year()));
}

} // namespace

const QString RegisterReport::QuantityColumn = QStringLiteral("Quantita");

RegisterReport::RegisterReport(const ReportContext &context) : m_context(context) {}

int RegisterReport::countPages(Progress &progress)
{
    const int pages = RegisterPagination(m_context.db).paginate(progress);
    return pages > 1 ? pages : 0;
}

QString RegisterReport::noDataMessage() const
{
    return tr("There are no data to print!");
}

QString RegisterReport::perHectare(double quantity, double surface)
{
    if (!(surface > 0))
        return QStringLiteral("-");
    return FormatNumber(float(quantity) / float(surface), false);
}

bool RegisterReport::hasQuantityColumn() const
{
    return m_context.db
               .scalar(QStringLiteral("SELECT COUNT(*) FROM pragma_table_info('Appoggio Articoli') "
                                      "WHERE name = ?"),
                       {QuantityColumn})
               .toInt() > 0;
}

void RegisterReport::drawPage(PageSurface &surface, int page, int pageCount)
{
    const PagePen previous = surface.selectPen(GreyPen);
    if (page == 1)
        drawCover(surface, pageCount);
    else
        drawRegisterPage(surface, page, pageCount);
    surface.selectPen(previous);
}

void RegisterReport::drawCover(PageSurface &surface, int pageCount) const
{
    const PageFont base = surface.currentFont();
    const PageFont bold = base.withWeight(PageFont::Bold);
    const CompanyData &company = m_context.company;

    surface.drawText(720, -100, tr("COMPANY DATA"));
    boxedValue(surface, tr("LAST NAME OR BUSINESS NAME"), -200, 200, 1900,
               company.text(SettingsKeys::CompanyName));
    boxedValue(surface, tr("NAME"), -400, 200, 950, company.text(SettingsKeys::CompanyFirstName));
    surface.drawText(1000, -400, tr("GENDER"));
    markBoxes(surface, 1000, 1120, -450, company.flag(SettingsKeys::CompanyWoman), tr("M"), tr("W"),
              true);
    surface.drawText(1300, -400, tr("DATE OF BIRTH"));
    dateBoxes(surface, -450, company.date(SettingsKeys::CompanyBirthDate));
    boxedValue(surface, tr("CITY OF BIRTH"), -600, 200, 1900,
               company.text(SettingsKeys::CompanyBirthCity));
    boxedValue(surface, tr("CODIX"), -800, 200, 1000, company.text(SettingsKeys::CompanyTaxCode));
    boxedValue(surface, tr("VAT"), -800, 1050, 1900, company.text(SettingsKeys::CompanyVatNumber));
    boxedValue(surface, tr("ADDRESS"), -1000, 200, 1300,
               company.text(SettingsKeys::CompanyAddress));
    surface.drawText(1350, -1000, tr("HOME OR REGISTERED OFFICE"));
    // The company dialog's "Home" box stores a non-zero value when ticked.
    markBoxes(surface, 1350, 1500, -1050, !company.flag(SettingsKeys::CompanyAtHome), tr("H"),
              tr("R"), true);
    boxedValue(surface, tr("CITY"), -1200, 200, 1900, company.text(SettingsKeys::CompanyCity));

    surface.selectFont(bold);
    surface.drawText(200, -1400,
                     tr("COMPANY LOCATION (if different from the home or head office)"));
    surface.selectFont(base);
    boxedValue(surface, tr("ADDRESS"), -1450, 200, 1300,
               company.text(SettingsKeys::LocationAddress));
    boxedValue(surface, tr("CITY"), -1650, 200, 1900, company.text(SettingsKeys::LocationCity));

    surface.selectFont(bold);
    surface.drawText(200, -1850, tr("LEGAL REPRESENTATIVE (only if the holder is a legal person)"));
    surface.selectFont(base);
    const QString representative = company.text(SettingsKeys::RepresentativeName);
    boxedValue(surface, tr("LAST NAME OR BUSINESS NAME"), -1900, 200, 1900, representative);
    boxedValue(surface, tr("NAME"), -2100, 200, 950,
               company.text(SettingsKeys::RepresentativeFirstName));
    surface.drawText(1000, -2100, tr("GENDER"));
    // Without a representative there is nobody to mark a gender for.
    markBoxes(surface, 1000, 1120, -2150, company.flag(SettingsKeys::RepresentativeWoman), tr("M"),
              tr("W"), !representative.isEmpty());
    surface.drawText(1300, -2100, tr("DATE OF BIRTH"));
    dateBoxes(surface, -2150, company.date(SettingsKeys::RepresentativeBirthDate));
    boxedValue(surface, tr("CITY OF BIRTH"), -2300, 200, 1900,
               company.text(SettingsKeys::RepresentativeBirthCity));

    surface.drawText(250, -2600, tr("SIGNATURE OF OWNER OF THE COMPANY"));
    surface.drawLine(920, -2630, 1800, -2630);
    surface.drawText(800, -2700,
                     tr("This register consists of n.%1 pages including the cover").arg(pageCount));
}

QSqlQuery RegisterReport::pageRows(int page) const
{
    // Rows print in the order the pagination counted them.
    return m_context.db.execute(
        QStringLiteral("SELECT Data, Avverso, Articolo, UnMis, TQ, [Codice Centro], %1 "
                       "FROM [Appoggio Articoli] WHERE NumPag = ? ORDER BY Data, rowid")
            .arg(hasQuantityColumn() ? QStringLiteral("[%1]").arg(QuantityColumn)
                                     : QStringLiteral("NULL")),
        {page});
}

double RegisterReport::quantityOf(const QSqlQuery &rows)
{
    const QVariant number = rows.value(6);
    return number.isNull() ? ParseNumber(rows.value(4).toString(), false, false)
                           : number.toDouble();
}

QString RegisterReport::quantityText(const QSqlQuery &rows)
{
    const QVariant number = rows.value(6);
    return number.isNull() ? rows.value(4).toString() : FormatNumber(number.toDouble(), false);
}

QString RegisterReport::yearsOf(const WorkingPeriod &period)
{
    if (!period.end.isValid())
        return QString();
    if (!period.start.isValid() || period.start.year() >= period.end.year())
        return QString::number(period.end.year());
    return QStringLiteral("%1\u2013%2").arg(period.start.year()).arg(period.end.year());
}

void RegisterReport::drawRegisterPage(PageSurface &surface, int page, int pageCount) const
{
    const PageFont base = surface.currentFont();
    const PageFont bold = base.withWeight(PageFont::Bold);
    QSqlQuery rows = pageRows(page);
    RowCursor cursor(rows);
    bool any = cursor.next();

    surface.selectFont(bold);
    surface.drawText(200, -100, tr("TREATMENTS REPORT"));
    surface.selectFont(base);
    surface.drawText(200, -150, tr("-", "national rule of the register"));
    // The years of the period printed, which the command line may give apart from the settings.
    const QString years = yearsOf(m_context.period);
    surface.selectFont(bold);
    if (!years.isEmpty())
        surface.drawText(1400, -200, tr("ANNO  %1").arg(years));

    double hectares = 1.0;
    const int centre = any ? rows.value(5).toInt() : 0;
    QSqlQuery found = m_context.db.execute(
        QStringLiteral("SELECT Descrizione, SupAnno FROM Centri WHERE Codice = ? "
                       "ORDER BY rowid LIMIT 1"),
        {centre});
    if (RowCursor(found).next()) {
        hectares = found.value(1).toDouble();
        // A long centre name gives way to the surface.
        const QString name = found.value(0).toString();
        surface.drawText(
            500, -300,
            ReportText::fitAround(
                surface, tr("Report for %1 (surface: %2 Ha)").arg(name, FixedDecimals(hectares, 2)),
                name, 1900 - 500));
    } else if (any) {
        // A centre deleted since: its code says whose treatments these are.
        surface.drawText(500, -300, tr("Center code %1").arg(centre));
    }

    surface.drawRectangle(100, -400, 1900, -2600);
    for (int y = -600; y >= -2500; y -= 100)
        surface.drawLine(100, y, 1900, y);
    for (const int x : {350, 700, 1250, 1400, 1550})
        surface.drawLine(x, -400, x, -2600);
    surface.drawText(200, -480, tr("Date"));
    surface.drawText(450, -480, tr("Adversity"));
    surface.drawText(900, -480, tr("Product"));
    surface.drawText(1280, -480, tr("Qt/Ha"));
    surface.drawText(1450, -480, tr("Qt"));
    surface.drawText(1580, -450, tr("User Signature"));
    surface.drawText(1580, -500, tr("if not Owner"));

    surface.selectFont({QStringLiteral("Times New Roman"), 9, PageFont::Normal});
    for (int y = -630; any; y -= 100, any = cursor.next()) {
        const QString unit = rows.value(3).toString();
        const double quantity = qAbs(quantityOf(rows));
        surface.drawText(140, y, ReportText::date(DbDate::fromText(rows.value(0).toString())));
        ReportText::drawFitted(surface, 360, y, 690,
                               ReportText::cut(rows.value(1).toString(), 20, 17));
        ReportText::drawFitted(surface, 710, y, 1240,
                               ReportText::cut(rows.value(2).toString(), 35, 32));
        ReportText::drawFigure(
            surface, 1260, y, 1390,
            hectares > 0 ? QStringLiteral("%1 %2").arg(unit, perHectare(quantity, hectares))
                         : perHectare(quantity, hectares));
        ReportText::drawFigure(surface, 1410, y, 1540,
                               QStringLiteral("%1 %2").arg(unit, quantityText(rows)));
    }

    surface.selectFont(base);
    surface.drawText(100, -2630, tr("-", "register keeping rule, line 1"));
    surface.drawText(100, -2670, tr("-", "register keeping rule, line 2"));
    surface.drawText(850, -2750, ReportText::pageOf(page - 1, pageCount - 1));
}

QStringList RegisterReport::tableColumns() const
{
    return {tr("Center Code"), tr("Center"), tr("Date"),  tr("Adversity"),
            tr("Product"),     tr("Unit"),   tr("Qt/Ha"), tr("Qt")};
}

QList<QVariantList> RegisterReport::tableRows(int page, int)
{
    QList<QVariantList> table;
    if (page == 1)
        return table;
    QSqlQuery rows = pageRows(page);
    RowCursor cursor(rows);
    if (!cursor.next())
        return table;
    const int centre = rows.value(5).toInt();
    QSqlQuery found = m_context.db.execute(
        QStringLiteral("SELECT Descrizione, SupAnno FROM Centri WHERE Codice = ? "
                       "ORDER BY rowid LIMIT 1"),
        {centre});
    // As on the page: a centre deleted since divides by 1.
    const bool known = RowCursor(found).next();
    const double hectares = known ? found.value(1).toDouble() : 1.0;
    const QString name = known ? found.value(0).toString() : QString();
    do {
        const double quantity = quantityOf(rows);
        const QVariant perHa =
            hectares > 0 ? QVariant(Report::cents(float(qAbs(quantity)) / float(hectares)))
                         : QVariant();
        table.append({centre, name, DbDate::fromText(rows.value(0).toString()).date(),
                      rows.value(1).toString(), rows.value(2).toString(), rows.value(3).toString(),
                      perHa, Report::cents(quantity)});
    } while (cursor.next());
    return table;
}
