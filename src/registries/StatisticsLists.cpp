#include "StatisticsLists.h"

#include "StatisticsModel.h"
#include "base/DateText.h"
#include "base/NumberText.h"
#include "db/CCentriSet.h"
#include "db/COperazioniSet.h"
#include "db/Database.h"
#include "db/DbDate.h"
#include "db/ForwardCursor.h"
#include "db/PreparedStatement.h"
#include "db/RowCursor.h"
#include "db/StockYearSums.h"
#include "db/StoredQuery.h"
#include "registries/YearlyTotals.h"

namespace {

const QString DataInit = QStringLiteral("[DataInit]");
const QString DataEnd = QStringLiteral("[DataEnd]");

QString numberText(const QVariant &value)
{
    return FormatNumber(value.toDouble(), false);
}

QDateTime toDateTime(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime();
    if (value.metaType().id() == QMetaType::QDate)
        return value.toDate().startOfDay();
    return DbDate::fromText(value.toString());
}

StatisticsCell textCell(const QString &text)
{
    return {text, text.isEmpty() ? QVariant() : QVariant(text)};
}

StatisticsCell codeCell(int code)
{
    return {QString::number(code), code};
}

StatisticsCell codeCell(const QVariant &value)
{
    return codeCell(value.toInt());
}

StatisticsCell numberCell(double value)
{
    const QString text = FormatNumber(value, false);
    if (text.isEmpty())
        return {};
    // The figure as the text rounds it, so that a file holds what the list shows rather than
    // the binary noise of a sum (0.1 + 0.2 hours are 0.30000000000000004).
    return {text, ReadNumber(text, false).value_or(value)};
}

StatisticsCell dateCell(const QVariant &value)
{
    const QDateTime moment = toDateTime(value);
    if (!moment.isValid())
        return {};
    return {moment.toString(ShownDatePattern()), moment.date()};
}

// "%d %s" of a code and its text, whatever either holds.
StatisticsCell labelCell(const QVariant &code, const QVariant &text)
{
    return textCell(QStringLiteral("%1 %2").arg(code.toInt()).arg(text.toString()));
}

// As labelCell, empty when either is missing.
StatisticsCell codeAndTextCell(const QVariant &code, const QVariant &text)
{
    if (code.isNull() || !code.isValid() || text.isNull() || !text.isValid())
        return {};
    return labelCell(code, text);
}

// A quantity after its unit, "kg 2.00".
StatisticsCell quantityCell(const QVariant &unit, const QVariant &quantity)
{
    return textCell(QStringLiteral("%1 %2").arg(unit.toString(), numberText(quantity)));
}

bool isLoad(int type)
{
    return type == 1 || type == 2 || type == 5;
}

bool isDischarge(int type)
{
    return type == 3 || type == 4;
}

// Lets go of the cursors' reads while the list is not being read.
StatisticsModel::Release releaseOf(std::initializer_list<std::shared_ptr<ForwardCursor>> cursors)
{
    return [held = QList<std::shared_ptr<ForwardCursor>>(cursors)] {
        for (const std::shared_ptr<ForwardCursor> &cursor : held)
            cursor->release();
    };
}

// The rows of a cursor, each formatted by format as the model fetches it.
template <class Format>
void showRows(StatisticsModel &model, std::shared_ptr<ForwardCursor> rows, Format format)
{
    model.setSource(
        [rows, format](StatisticsRow &cells) {
            if (rows->isEOF())
                return false;
            cells = format(*rows);
            rows->moveNext();
            return true;
        },
        releaseOf({rows}));
}

// Rows worked out beforehand, handed to the model as it fetches them.
void showCells(StatisticsModel &model, std::shared_ptr<const QList<StatisticsRow>> cells)
{
    model.setSource([cells, next = qsizetype(0)](StatisticsRow &row) mutable {
        if (next >= cells->size())
            return false;
        row = cells->at(next++);
        return true;
    });
}

} // namespace

// The names of operations and centres the rows show, looked up once each.
class StatisticsLists::Lookups
{
public:
    explicit Lookups(Database *db) : m_db(db) {}

    QString operationSuffix(const QVariant &code)
    {
        const int operation = code.toInt();
        auto cached = m_operations.constFind(operation);
        if (cached == m_operations.cend()) {
            QString suffix;
            if (m_db->isOpen()) {
                COperazioniSet set(*m_db);
                set.setFilter(QStringLiteral("Codice = ?"), {operation});
                set.open();
                if (!set.isEOF())
                    suffix = QStringLiteral("- (%1 %2")
                                 .arg(set.value(COperazioniSet::Codice).toInt())
                                 .arg(set.value(COperazioniSet::Descrizione).toString());
            }
            cached = m_operations.insert(operation, suffix);
        }
        return *cached;
    }

    QString centreDescription(int code)
    {
        if (code <= 0)
            return QString();
        auto cached = m_centres.constFind(code);
        if (cached == m_centres.cend()) {
            QString description;
            if (m_db->isOpen()) {
                CCentriSet set(*m_db);
                set.setFilter(QStringLiteral("Codice = ?"), {code});
                set.open();
                if (!set.isEOF())
                    description = set.value(CCentriSet::Descrizione).toString();
            }
            cached = m_centres.insert(code, description);
        }
        return *cached;
    }

private:
    Database *m_db;
    QHash<int, QString> m_operations;
    QHash<int, QString> m_centres;
};

StatisticsLists::StatisticsLists(Database *db, StatisticsModel &model, const WorkingPeriod &period)
    : m_db(db), m_model(model), m_period(period), m_lookups(std::make_shared<Lookups>(db))
{
}

QString StatisticsLists::movementType(int type)
{
    static const char *const names[] = {QT_TR_NOOP("Production "), QT_TR_NOOP("Purchase "),
                                        QT_TR_NOOP("Working "), QT_TR_NOOP("Sale "),
                                        QT_TR_NOOP("In.Inv. ")};
    return type >= 1 && type <= 5 ? tr(names[type - 1]) : QString();
}

bool StatisticsLists::ready() const
{
    return m_db && m_db->isOpen();
}

void StatisticsLists::setTitles(const std::initializer_list<const char *> &titles)
{
    QStringList texts;
    for (const char *title : titles)
        texts << tr(title);
    m_model.setTitles(texts);
}

QVariantMap StatisticsLists::withPeriod(QVariantMap params) const
{
    params.insert(DataInit, m_period.startAt());
    params.insert(DataEnd, m_period.endAt());
    return params;
}

std::shared_ptr<ForwardCursor> StatisticsLists::openRows(const QString &name,
                                                         const QVariantMap &params)
{
    StoredQuery query(*m_db, name);
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        query.setParameter(it.key(), it.value());
    std::shared_ptr<ForwardCursor> rows = query.openCursor();
    rows->setReleasable(true);
    return rows;
}

void StatisticsLists::fillTotals(const QString &name, const QString &startName,
                                 const QString &endName, const RegistryName &registry,
                                 const QVariantMap &more)
{
    YearlyTotals totals(*m_db, name, startName, endName, more);
    const QList<YearlyTotals::Row> rows = totals.read(m_period);
    // A code's name is its first row in the registry, as the query itself names it.
    PreparedStatement names(*m_db, QStringLiteral("SELECT [%1] FROM [%2] WHERE Codice = ? "
                                                  "ORDER BY rowid LIMIT 1")
                                       .arg(registry.column, registry.table));
    auto cells = std::make_shared<QList<StatisticsRow>>();
    for (const YearlyTotals::Row &row : rows)
        cells->append({codeCell(row.code), textCell(names.scalar({row.code}).toString()),
                       numberCell(row.regular), numberCell(row.overtime), numberCell(row.holiday),
                       numberCell(row.total)});
    showCells(m_model, cells);
}

void StatisticsLists::fillCentreTotals(int group)
{
    if (!ready())
        return;
    setTitles({QT_TR_NOOP("Center Code"), QT_TR_NOOP("Center"), QT_TR_NOOP("Tot.Ord."),
               QT_TR_NOOP("Tot.Ext."), QT_TR_NOOP("Tot.Hol."), QT_TR_NOOP("Total")});
    const int type = group == 1 ? 2 : 255;
    fillTotals(QStringLiteral("Ore Totali su Centri"), QStringLiteral("[Data Init]"),
               QStringLiteral("[Data End]"),
               {QStringLiteral("Centri"), QStringLiteral("Descrizione")},
               {{QStringLiteral("[Tipo]"), group}, {QStringLiteral("[Type]"), type}});
}

void StatisticsLists::fillWorkerTotals()
{
    if (!ready())
        return;
    setTitles({QT_TR_NOOP("Worker Code"), QT_TR_NOOP("Worker"), QT_TR_NOOP("Tot.Ord."),
               QT_TR_NOOP("Tot.Ext."), QT_TR_NOOP("Tot.Hol."), QT_TR_NOOP("Total")});
    fillTotals(QStringLiteral("Ore Totali Addetti"), DataInit, DataEnd,
               {QStringLiteral("Operai"), QStringLiteral("Nome")});
}

void StatisticsLists::fillOperationTotals()
{
    if (!ready())
        return;
    setTitles({QT_TR_NOOP("Operation Code"), QT_TR_NOOP("Operation"), QT_TR_NOOP("Tot.Ord."),
               QT_TR_NOOP("Tot.Ext."), QT_TR_NOOP("Tot.Hol."), QT_TR_NOOP("Total")});
    fillTotals(QStringLiteral("Ore Totali Operazioni"), DataInit, DataEnd,
               {QStringLiteral("Operazioni"), QStringLiteral("Descrizione")});
}

void StatisticsLists::fillInventory()
{
    if (!ready())
        return;
    setTitles({QT_TR_NOOP("Item Code"), QT_TR_NOOP("Item"), QT_TR_NOOP("Unit"),
               QT_TR_NOOP("Tot. loads"), QT_TR_NOOP("Tot. discharge"), QT_TR_NOOP("Inventory")});
    // The stock up to the period's end, added up from the sums the database keeps per year.
    const QList<StockYearSums::Row> stock = StockYearSums(*m_db).read(m_period.end);
    // An item's name and unit are its first row's in the registry, as the query names them.
    QHash<int, std::pair<QString, QString>> items;
    {
        QSqlQuery query = m_db->execute(
            QStringLiteral("SELECT Codice, Descrizione, UnMis FROM Articoli ORDER BY rowid"));
        RowCursor rows(query);
        while (rows.next())
            if (!items.contains(query.value(0).toInt()))
                items.insert(query.value(0).toInt(),
                             {query.value(1).toString(), query.value(2).toString()});
    }
    auto cells = std::make_shared<QList<StatisticsRow>>();
    for (qsizetype i = 0; i < stock.size();) {
        const int item = stock.at(i).item;
        const auto named = items.value(item);
        // Kept in single precision, as the stock quantities themselves are.
        float loads = 0.0f;
        float discharges = 0.0f;
        for (; i < stock.size() && stock.at(i).item == item; ++i) {
            const float quantity = float(stock.at(i).quantity);
            if (isLoad(stock.at(i).type))
                loads += quantity;
            else if (isDischarge(stock.at(i).type))
                discharges += quantity;
        }
        cells->append({codeCell(item), textCell(named.first), textCell(named.second),
                       numberCell(loads), numberCell(discharges), numberCell(loads - discharges)});
    }
    showCells(m_model, cells);
}

void StatisticsLists::fillWorks(const QString &name, const QVariantMap &params)
{
    showRows(m_model, openRows(name, withPeriod(params)), [](const ForwardCursor &q) {
        return StatisticsRow{dateCell(q.value(0)),
                             codeCell(q.value(1)),
                             textCell(q.value(2).toString()),
                             numberCell(q.value(3).toDouble()),
                             codeCell(q.value(4)),
                             textCell(q.value(5).toString())};
    });
}

void StatisticsLists::fillCentreActivity(int kind, int code, Choice choice)
{
    if (!ready())
        return;
    const bool field = kind == 2;
    if (choice == Choice::WorkersAndHours)
        setTitles({QT_TR_NOOP("Date"), QT_TR_NOOP("Worker Code"), QT_TR_NOOP("Worker"),
                   QT_TR_NOOP("Hours"), QT_TR_NOOP("Operation Code"), QT_TR_NOOP("Operation")});
    else
        setTitles({QT_TR_NOOP("Date"), QT_TR_NOOP("Phase/Operation"), QT_TR_NOOP("Item"),
                   QT_TR_NOOP("Movement Type"), field ? QT_TR_NOOP("Center") : QT_TR_NOOP("Units"),
                   QT_TR_NOOP("Quantity")});
    if (code < 1) {
        m_model.clear();
        return;
    }
    QVariantMap params;
    if (field) {
        params.insert(QStringLiteral("[Tipo]"), 2);
    } else {
        params.insert(QStringLiteral("[TipoCentri]"), kind);
        params.insert(QStringLiteral("[TipoCampi]"), 2);
    }
    params.insert(QStringLiteral("[Codice]"), code);

    if (choice == Choice::WorkersAndHours) {
        fillWorks(field ? QStringLiteral("Lavori su Campi") : QStringLiteral("Lavori su Centri"),
                  params);
        return;
    }
    const std::shared_ptr<ForwardCursor> query = openRows(
        field ? QStringLiteral("Movimenti su Campi") : QStringLiteral("Movimenti su Centri"),
        withPeriod(params));
    if (field)
        fillFieldMovements(query);
    else
        fillCentreMovements(query);
}

void StatisticsLists::fillCentreMovements(std::shared_ptr<ForwardCursor> query)
{
    showRows(m_model, query, [lookups = m_lookups](const ForwardCursor &q) {
        return StatisticsRow{dateCell(q.value(0)),
                             textCell(q.value(6).toString() + lookups->operationSuffix(q.value(8))),
                             labelCell(q.value(1), q.value(2)),
                             textCell(movementType(q.value(3).toInt()) + q.value(7).toString()),
                             textCell(q.value(4).toString()),
                             numberCell(q.value(5).toDouble())};
    });
}

void StatisticsLists::fillFieldMovements(std::shared_ptr<ForwardCursor> query)
{
    showRows(m_model, query, [lookups = m_lookups](const ForwardCursor &q) {
        return StatisticsRow{dateCell(q.value(0)),
                             textCell(q.value(7).toString() + lookups->operationSuffix(q.value(9))),
                             labelCell(q.value(1), q.value(2)),
                             textCell(movementType(q.value(3).toInt()) + q.value(8).toString()),
                             textCell(lookups->centreDescription(q.value(6).toInt())),
                             quantityCell(q.value(4), q.value(5))};
    });
}

void StatisticsLists::fillWorkerWorks(int code)
{
    if (!ready())
        return;
    setTitles({QT_TR_NOOP("Date"), QT_TR_NOOP("Center Code"), QT_TR_NOOP("Center"),
               QT_TR_NOOP("Hours"), QT_TR_NOOP("Operation Code"), QT_TR_NOOP("Operation")});
    if (code < 1) {
        m_model.clear();
        return;
    }
    fillWorks(QStringLiteral("Lavori Operai"), {{QStringLiteral("[CodOpe]"), code}});
}

void StatisticsLists::fillOperationWorks(int code)
{
    if (!ready())
        return;
    setTitles({QT_TR_NOOP("Date"), QT_TR_NOOP("Worker Code"), QT_TR_NOOP("Worker"),
               QT_TR_NOOP("Hours"), QT_TR_NOOP("Center Code"), QT_TR_NOOP("Center")});
    if (code < 1) {
        m_model.clear();
        return;
    }
    fillWorks(QStringLiteral("Lavori Operazioni"), {{QStringLiteral("[CodOpe]"), code}});
}

void StatisticsLists::fillItemMovements(int code)
{
    if (!ready())
        return;
    setTitles({QT_TR_NOOP("Date"), QT_TR_NOOP("Field"), QT_TR_NOOP("Center"),
               QT_TR_NOOP("Movement Type"), QT_TR_NOOP("Phase - Operation"),
               QT_TR_NOOP("Quantity")});
    if (code < 1) {
        m_model.clear();
        return;
    }
    showRows(m_model,
             openRows(QStringLiteral("Movimenti Magazzino"),
                      withPeriod({{QStringLiteral("[Anno]"), m_period.end.year()},
                                  {QStringLiteral("[CodArt]"), code}})),
             [lookups = m_lookups](const ForwardCursor &q) {
                 QString type = movementType(q.value(5).toInt());
                 if (!q.isNull(11))
                     type += q.value(11).toString();
                 return StatisticsRow{
                     dateCell(q.value(0)),
                     codeAndTextCell(q.value(3), q.value(4)),
                     codeAndTextCell(q.value(1), q.value(2)),
                     textCell(type),
                     textCell(q.value(10).toString() + lookups->operationSuffix(q.value(12))),
                     textCell(QStringLiteral("%1 %2").arg(
                         q.value(6).toString(), FixedDecimals(q.value(8).toDouble(), 2)))};
             });
}

void StatisticsLists::fillFieldActivity()
{
    if (!ready())
        return;
    setTitles({QT_TR_NOOP("Date"), QT_TR_NOOP("Field"), QT_TR_NOOP("Hours/Quantity"),
               QT_TR_NOOP("Worker"), QT_TR_NOOP("Operation/Item"), QT_TR_NOOP("Works/Warehouse")});
    const QVariantMap params = withPeriod({{QStringLiteral("[AnnoInit]"), m_period.start.year()},
                                           {QStringLiteral("[AnnoEnd]"), m_period.end.year()}});
    // Both queries read in date order; their rows are merged by date, the works first on a day.
    std::shared_ptr<ForwardCursor> works =
        openRows(QStringLiteral("Lavori su Campi Totali"), params);
    std::shared_ptr<ForwardCursor> items =
        openRows(QStringLiteral("Articoli su Campi Totali"), params);
    const auto day = [](const ForwardCursor &rows) {
        return DbDate::toStored(rows.value(0)).toString();
    };
    m_model.setSource(
        [works, items, day](StatisticsRow &cells) {
            const bool work = !works->isEOF() && (items->isEOF() || day(*works) <= day(*items));
            if (work) {
                const ForwardCursor &v = *works;
                cells = {dateCell(v.value(0)),
                         labelCell(v.value(4), v.value(5)),
                         textCell(QStringLiteral("H. %1").arg(numberText(v.value(3)))),
                         codeAndTextCell(v.value(1), v.value(2)),
                         labelCell(v.value(6), v.value(7)),
                         textCell(tr("Works"))};
                works->moveNext();
            } else if (!items->isEOF()) {
                const ForwardCursor &v = *items;
                cells = {dateCell(v.value(0)),
                         labelCell(v.value(5), v.value(6)),
                         quantityCell(v.value(3), v.value(4)),
                         codeAndTextCell(v.value(1), v.value(2)),
                         labelCell(v.value(7), v.value(8)),
                         textCell(tr("Warehouse"))};
                items->moveNext();
            } else {
                return false;
            }
            return true;
        },
        releaseOf({works, items}));
}
