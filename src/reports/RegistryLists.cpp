#include "RegistryLists.h"

#include "ReportText.h"
#include "base/NumberText.h"

namespace {

ListCell code(int x, const QSqlQuery &row, int column)
{
    const int value = row.value(column).toInt();
    return {x, QString::number(value), value};
}

ListCell surface(int x, const QSqlQuery &row, int column)
{
    const double value = row.value(column).toDouble();
    return {x, FormatNumber(value, false), Report::cents(value)};
}

// A machine's year of purchase of exactly 1 stands for none and prints as 0.
ListCell purchaseYear(int x, const QSqlQuery &row, int column)
{
    const double value = row.value(column).toDouble();
    const QString year = QString::number(value == 1.0 ? 0.0 : value, 'f', 0);
    return {x, year, year.toLongLong()};
}

} // namespace

ListLayout RegistryLists::workers(const ReportContext &context)
{
    return {context.companyName + QStringLiteral(" - ") + tr("Workers"),
            context.companyName,
            {{150, tr("Worker Code")}, {600, tr("Worker Name")}, {1400, tr("Relationship")}},
            // Permanent workers first, then the seasonal and occasional ones.
            QStringLiteral("SELECT Codice, Nome, Rapporto FROM Operai "
                           "ORDER BY Rapporto, Codice, rowid"),
            {},
            [](const QSqlQuery &row) -> QList<ListCell> {
                return {code(150, row, 0),
                        {600, ReportText::cut(row.value(1).toString(), 30, 29)},
                        {1400, row.value(2).toInt() != 0 ? tr("OCCASIONAL") : tr("INDETERMINATE")}};
            }};
}

ListLayout RegistryLists::centres(const ReportContext &context, const QString &title,
                                  const QString &condition, bool machines)
{
    ListLayout layout{context.companyName + title,
                      context.companyName,
                      {},
                      QStringLiteral("SELECT Codice, Descrizione, SupAnno FROM Centri WHERE %1 "
                                     "ORDER BY Codice, rowid")
                          .arg(condition),
                      {},
                      {}};
    if (machines) {
        layout.headings = {
            {150, tr("Mach.Code")}, {400, tr("Machine")}, {1500, tr("Year of Purchase")}};
        layout.cells = [](const QSqlQuery &row) -> QList<ListCell> {
            return {code(150, row, 0), {400, row.value(1).toString()}, purchaseYear(1500, row, 2)};
        };
    } else {
        layout.headings = {{150, tr("Center Code")}, {400, tr("Center")}, {1500, tr("Surface")}};
        layout.cells = [](const QSqlQuery &row) -> QList<ListCell> {
            return {code(150, row, 0), {400, row.value(1).toString()}, surface(1500, row, 2)};
        };
    }
    return layout;
}

ListLayout RegistryLists::machines(const ReportContext &context)
{
    return centres(context, tr(" - Machines"),
                   QStringLiteral("Macchina <> 0 AND COALESCE(Campo, 0) = 0"), true);
}

ListLayout RegistryLists::crops(const ReportContext &context)
{
    return centres(context, tr(" - Crops"),
                   QStringLiteral("COALESCE(Macchina, 0) = 0 AND Campo <> 0"), false);
}

ListLayout RegistryLists::others(const ReportContext &context)
{
    return centres(context, tr(" - Others"),
                   QStringLiteral("COALESCE(Macchina, 0) = 0 AND COALESCE(Campo, 0) = 0"), false);
}

ListLayout RegistryLists::fields(const ReportContext &context)
{
    const bool oneYear = context.fieldsFromYear == context.fieldsToYear;
    const QString title = oneYear ? QStringLiteral("%1 - %2 %3")
                                        .arg(context.companyName, tr("Fields"))
                                        .arg(context.fieldsToYear)
                                  : QStringLiteral("%1 - %2 %3 %4 al %5")
                                        .arg(context.companyName, tr("Fields"), tr("from"))
                                        .arg(context.fieldsFromYear)
                                        .arg(context.fieldsToYear);
    // The crop centre of a field is the first Centri row with its code.
    const QString sql =
        QStringLiteral("SELECT f.Codice, f.Descrizione, f.Superficie, "
                       "(SELECT c.Codice FROM Centri AS c WHERE c.Codice = f.Centro ORDER BY "
                       "c.rowid LIMIT 1), "
                       "(SELECT c.Descrizione FROM Centri AS c WHERE c.Codice = f.Centro ORDER BY "
                       "c.rowid LIMIT 1) "
                       "FROM Campi AS f WHERE %1 ORDER BY f.rowid")
            .arg(oneYear ? QStringLiteral("f.Anno = ?") : QStringLiteral("f.Anno BETWEEN ? AND ?"));
    const QVariantList params = oneYear
                                    ? QVariantList{context.fieldsToYear}
                                    : QVariantList{context.fieldsFromYear, context.fieldsToYear};
    return {title,
            context.companyName,
            {{150, tr("Field Code")},
             {400, tr("Field")},
             {900, tr("Center Code")},
             {1100, tr("Center")},
             {1700, tr("Surface")}},
            sql,
            params,
            [](const QSqlQuery &row) -> QList<ListCell> {
                QList<ListCell> cells{code(150, row, 0),
                                      {400, ReportText::cut(row.value(1).toString(), 35, 32)}};
                if (!row.value(3).isNull())
                    cells << code(900, row, 3)
                          << ListCell{1100, ReportText::cut(row.value(4).toString(), 35, 32)};
                cells << surface(1700, row, 2);
                return cells;
            }};
}

ListLayout RegistryLists::operations(const ReportContext &context)
{
    return {context.companyName + QStringLiteral(" - ") + tr("Operations"),
            context.companyName,
            {{150, tr("Operation Code")}, {600, tr("Operation")}},
            QStringLiteral("SELECT Codice, Descrizione FROM Operazioni ORDER BY Codice, rowid"),
            {},
            [](const QSqlQuery &row) -> QList<ListCell> {
                return {code(150, row, 0), {600, row.value(1).toString()}};
            }};
}

ListLayout RegistryLists::items(const ReportContext &context)
{
    return {context.companyName + QStringLiteral(" - ") + tr("Items"),
            context.companyName,
            {{150, tr("Code") + QLatin1Char(' ') + tr("Item")}, {600, tr("Item")}},
            QStringLiteral("SELECT Codice, Descrizione FROM Articoli ORDER BY Codice, rowid"),
            {},
            [](const QSqlQuery &row) -> QList<ListCell> {
                return {code(150, row, 0), {600, ReportText::cut(row.value(1).toString(), 35, 32)}};
            }};
}
