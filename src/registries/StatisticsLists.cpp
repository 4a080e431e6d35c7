#include "StatisticsLists.h"

#include "StatisticsModel.h"
#include "base/NumberText.h"
#include "db/CAppoggioSet.h"
#include "db/CCentriSet.h"
#include "db/COperazioniSet.h"
#include "db/Database.h"
#include "db/DbDate.h"
#include "db/StoredQuery.h"

namespace {

const QString DataInit = QStringLiteral("[DataInit]");
const QString DataEnd = QStringLiteral("[DataEnd]");

QString codeText(const QVariant &value)
{
    return QString::number(value.toInt());
}

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

QString dateText(const QVariant &value)
{
    const QDateTime moment = toDateTime(value);
    return moment.isValid() ? moment.toString(QStringLiteral("MM/dd/yyyy")) : QString();
}

// "%d %s" of a code and its text, empty when either is missing.
QString codeAndText(const QVariant &code, const QVariant &text)
{
    if (code.isNull() || !code.isValid() || text.isNull() || !text.isValid())
        return QString();
    return QStringLiteral("%1 %2").arg(code.toInt()).arg(text.toString());
}

bool isLoad(int type)
{
    return type == 1 || type == 2 || type == 5;
}

bool isDischarge(int type)
{
    return type == 3 || type == 4;
}

} // namespace

StatisticsLists::StatisticsLists(Database *db, StatisticsModel &model, const WorkingPeriod &period)
    : m_db(db), m_model(model), m_period(period)
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

void StatisticsLists::finish(int rowsWritten)
{
    m_model.truncate(rowsWritten);
}

void StatisticsLists::setPeriod(StoredQuery &query)
{
    query.setParameter(DataInit, m_period.startAt());
    query.setParameter(DataEnd, m_period.endAt());
}

QString StatisticsLists::operationSuffix(const QVariant &code)
{
    const int operation = code.toInt();
    auto cached = m_operations.constFind(operation);
    if (cached == m_operations.cend()) {
        COperazioniSet set(*m_db);
        set.setFilter(QStringLiteral("Codice = ?"), {operation});
        set.open();
        QString suffix;
        if (!set.isEOF())
            suffix = QStringLiteral("- (%1 %2")
                         .arg(set.value(COperazioniSet::Codice).toInt())
                         .arg(set.value(COperazioniSet::Descrizione).toString());
        set.close();
        cached = m_operations.insert(operation, suffix);
    }
    return *cached;
}

QString StatisticsLists::centreDescription(int code)
{
    if (code <= 0)
        return QString();
    auto cached = m_centres.constFind(code);
    if (cached == m_centres.cend()) {
        CCentriSet set(*m_db);
        set.setFilter(QStringLiteral("Codice = ?"), {code});
        set.open();
        const QString description =
            set.isEOF() ? QString() : set.value(CCentriSet::Descrizione).toString();
        set.close();
        cached = m_centres.insert(code, description);
    }
    return *cached;
}

void StatisticsLists::fillTotals(const QString &name, const QString &startName,
                                 const QString &endName, const QVariant &start, const QVariant &end,
                                 const QVariantMap &more)
{
    StoredQuery query(*m_db, name);
    query.setParameter(startName, start);
    query.setParameter(endName, end);
    for (auto it = more.cbegin(); it != more.cend(); ++it)
        query.setParameter(it.key(), it.value());
    query.open();
    int row = 0;
    for (; !query.isEOF(); query.moveNext(), ++row)
        m_model.setRow(row, {codeText(query.value(0)), query.value(1).toString(),
                             numberText(query.value(2)), numberText(query.value(3)),
                             numberText(query.value(4)), numberText(query.value(5))});
    query.close();
    finish(row);
}

void StatisticsLists::fillCentreTotals(int group)
{
    if (!ready())
        return;
    setTitles({QT_TR_NOOP("Center Code"), QT_TR_NOOP("Center"), QT_TR_NOOP("Tot.Ord."),
               QT_TR_NOOP("Tot.Ext."), QT_TR_NOOP("Tot.Hol."), QT_TR_NOOP("Total")});
    const int type = group == 1 ? 2 : 255;
    fillTotals(QStringLiteral("Ore Totali su Centri"), QStringLiteral("[Data Init]"),
               QStringLiteral("[Data End]"), m_period.startAt(), m_period.end.startOfDay(),
               {{QStringLiteral("[Tipo]"), group}, {QStringLiteral("[Type]"), type}});
}

void StatisticsLists::fillWorkerTotals()
{
    if (!ready())
        return;
    setTitles({QT_TR_NOOP("Worker Code"), QT_TR_NOOP("Worker"), QT_TR_NOOP("Tot.Ord."),
               QT_TR_NOOP("Tot.Ext."), QT_TR_NOOP("Tot.Hol."), QT_TR_NOOP("Total")});
    fillTotals(QStringLiteral("Ore Totali Addetti"), DataInit, DataEnd, m_period.startAt(),
               m_period.endAt());
}

void StatisticsLists::fillOperationTotals()
{
    if (!ready())
        return;
    setTitles({QT_TR_NOOP("Operation Code"), QT_TR_NOOP("Operation"), QT_TR_NOOP("Tot.Ord."),
               QT_TR_NOOP("Tot.Ext."), QT_TR_NOOP("Tot.Hol."), QT_TR_NOOP("Total")});
    fillTotals(QStringLiteral("Ore Totali Operazioni"), DataInit, DataEnd, m_period.startAt(),
               m_period.endAt());
}

void StatisticsLists::fillInventory()
{
    if (!ready())
        return;
    setTitles({QT_TR_NOOP("Item Code"), QT_TR_NOOP("Item"), QT_TR_NOOP("Unit"),
               QT_TR_NOOP("Tot. loads"), QT_TR_NOOP("Tot. discharge"), QT_TR_NOOP("Inventory")});
    StoredQuery query(*m_db, QStringLiteral("Inventario Magazzino"));
    query.setParameter(QStringLiteral("[Data]"), m_period.endAt());
    query.open();
    int row = 0;
    while (!query.isEOF()) {
        const int item = query.value(0).toInt();
        const QStringList head = {codeText(query.value(0)), query.value(1).toString(),
                                  query.value(3).toString()};
        // Kept in single precision, as the stock quantities themselves are.
        float loads = 0.0f;
        float discharges = 0.0f;
        for (; !query.isEOF() && query.value(0).toInt() == item; query.moveNext()) {
            const int type = query.value(2).toInt();
            const float quantity = query.value(4).toFloat();
            if (isLoad(type))
                loads += quantity;
            else if (isDischarge(type))
                discharges += quantity;
        }
        m_model.setRow(row++, head + QStringList{FormatNumber(loads, false),
                                                 FormatNumber(discharges, false),
                                                 FormatNumber(loads - discharges, false)});
    }
    query.close();
    finish(row);
}

void StatisticsLists::fillWorks(const QString &name, const QVariantMap &params)
{
    StoredQuery query(*m_db, name);
    setPeriod(query);
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        query.setParameter(it.key(), it.value());
    query.open();
    int row = 0;
    for (; !query.isEOF(); query.moveNext(), ++row)
        m_model.setRow(row, {dateText(query.value(0)), codeText(query.value(1)),
                             query.value(2).toString(), numberText(query.value(3)),
                             codeText(query.value(4)), query.value(5).toString()});
    query.close();
    finish(row);
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
    StoredQuery query(*m_db, field ? QStringLiteral("Movimenti su Campi")
                                   : QStringLiteral("Movimenti su Centri"));
    setPeriod(query);
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        query.setParameter(it.key(), it.value());
    query.open();
    if (field)
        fillFieldMovements(query);
    else
        fillCentreMovements(query);
}

void StatisticsLists::fillCentreMovements(StoredQuery &query)
{
    int row = 0;
    for (; !query.isEOF(); query.moveNext(), ++row)
        m_model.setRow(
            row,
            {dateText(query.value(0)), query.value(6).toString() + operationSuffix(query.value(8)),
             QStringLiteral("%1 %2").arg(query.value(1).toInt()).arg(query.value(2).toString()),
             movementType(query.value(3).toInt()) + query.value(7).toString(),
             query.value(4).toString(), numberText(query.value(5))});
    query.close();
    finish(row);
}

void StatisticsLists::fillFieldMovements(StoredQuery &query)
{
    int row = 0;
    for (; !query.isEOF(); query.moveNext(), ++row)
        m_model.setRow(
            row,
            {dateText(query.value(0)), query.value(7).toString() + operationSuffix(query.value(9)),
             QStringLiteral("%1 %2").arg(query.value(1).toInt()).arg(query.value(2).toString()),
             movementType(query.value(3).toInt()) + query.value(8).toString(),
             centreDescription(query.value(6).toInt()),
             QStringLiteral("%1 %2").arg(query.value(4).toString(), numberText(query.value(5)))});
    query.close();
    finish(row);
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
    StoredQuery query(*m_db, QStringLiteral("Movimenti Magazzino"));
    setPeriod(query);
    query.setParameter(QStringLiteral("[Anno]"), m_period.end.year());
    query.setParameter(QStringLiteral("[CodArt]"), code);
    query.open();
    int row = 0;
    for (; !query.isEOF(); query.moveNext(), ++row) {
        QString type = movementType(query.value(5).toInt());
        if (!query.isNull(11))
            type += query.value(11).toString();
        m_model.setRow(
            row, {dateText(query.value(0)), codeAndText(query.value(3), query.value(4)),
                  codeAndText(query.value(1), query.value(2)), type,
                  query.value(10).toString() + operationSuffix(query.value(12)),
                  QStringLiteral("%1 %2").arg(query.value(6).toString(),
                                              QString::number(query.value(8).toDouble(), 'f', 2))});
    }
    query.close();
    finish(row);
}

void StatisticsLists::fillFieldActivity()
{
    if (!ready())
        return;
    setTitles({QT_TR_NOOP("Date"), QT_TR_NOOP("Field"), QT_TR_NOOP("Hours/Quantity"),
               QT_TR_NOOP("Worker"), QT_TR_NOOP("Operation/Item"), QT_TR_NOOP("Works/Warehouse")});
    const QVariantMap years = {{QStringLiteral("[AnnoInit]"), m_period.start.year()},
                               {QStringLiteral("[AnnoEnd]"), m_period.end.year()}};
    const QString insert =
        QStringLiteral("INSERT INTO [Appoggio Campi] (Data, CodOp, CodAO, CodCamp, TQ, Tipo) "
                       "VALUES (?, ?, ?, ?, ?, ?)");
    {
        Transaction transaction(*m_db);
        m_db->execute(QStringLiteral("DELETE FROM [Appoggio Campi]"));

        StoredQuery works(*m_db, QStringLiteral("Lavori su Campi Totali"));
        setPeriod(works);
        for (auto it = years.cbegin(); it != years.cend(); ++it)
            works.setParameter(it.key(), it.value());
        works.open();
        for (; !works.isEOF(); works.moveNext())
            m_db->execute(
                insert,
                {DbDate::toStored(works.value(0)), codeAndText(works.value(1), works.value(2)),
                 QStringLiteral("%1 %2").arg(works.value(6).toInt()).arg(works.value(7).toString()),
                 QStringLiteral("%1 %2").arg(works.value(4).toInt()).arg(works.value(5).toString()),
                 QStringLiteral("H. %1").arg(numberText(works.value(3))), true});
        works.close();

        StoredQuery items(*m_db, QStringLiteral("Articoli su Campi Totali"));
        setPeriod(items);
        for (auto it = years.cbegin(); it != years.cend(); ++it)
            items.setParameter(it.key(), it.value());
        items.open();
        for (; !items.isEOF(); items.moveNext())
            m_db->execute(
                insert,
                {DbDate::toStored(items.value(0)), codeAndText(items.value(1), items.value(2)),
                 QStringLiteral("%1 %2").arg(items.value(7).toInt()).arg(items.value(8).toString()),
                 QStringLiteral("%1 %2").arg(items.value(5).toInt()).arg(items.value(6).toString()),
                 QStringLiteral("%1 %2").arg(items.value(3).toString(), numberText(items.value(4))),
                 false});
        items.close();
        transaction.commit();
    }

    CAppoggioSet support(*m_db);
    support.setSort(QStringLiteral("Data, rowid"));
    support.open();
    int row = 0;
    for (; !support.isEOF(); support.moveNext(), ++row)
        m_model.setRow(
            row, {dateText(support.value(CAppoggioSet::Data)),
                  support.value(CAppoggioSet::CodCamp).toString(),
                  support.value(CAppoggioSet::TQ).toString(),
                  support.value(CAppoggioSet::CodOp).toString(),
                  support.value(CAppoggioSet::CodAO).toString(),
                  support.value(CAppoggioSet::Tipo).toBool() ? tr("Works") : tr("Warehouse")});
    support.close();
    finish(row);
}
