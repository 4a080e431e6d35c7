#include "CardNavigator.h"

#include "CardStore.h"
#include "db/Database.h"
#include "db/DbDate.h"

namespace {
// The card itself is left out: a card whose date was just written may have moved past its
// old place in the order, which is the place a move starts from.
const QString afterKey = QStringLiteral("(Data, IDScheda) > (?, ?) AND IDScheda <> ?");
const QString beforeKey = QStringLiteral("(Data, IDScheda) < (?, ?) AND IDScheda <> ?");

// The date range of a query. A walk from a card narrows the range to start (or end) at that
// card's date, so the date index is entered there instead of at the period's edge.
const QString periodRange = QStringLiteral("Data BETWEEN max(?, ?) AND min(?, ?)");
} // namespace

CardNavigator::CardNavigator(Database &db, const WorkingPeriod &period) : m_db(db), m_period(period)
{
}

void CardNavigator::setPeriod(const WorkingPeriod &period)
{
    m_period = period;
}

bool CardNavigator::periodValid() const
{
    return m_period.start.isValid() && m_period.end.isValid();
}

QVariantList CardNavigator::keyOf(const CardRecord &card) const
{
    return {DbDate::toText(card.date()), card.id(), card.id()};
}

QList<CardRecord> CardNavigator::fetch(const QString &condition, const QVariantList &params,
                                       Direction direction, int limit)
{
    QList<CardRecord> rows;
    if (!periodValid())
        return rows;
    const QString order = direction == Direction::Forward
                              ? QStringLiteral("Data, IDScheda")
                              : QStringLiteral("Data DESC, IDScheda DESC");
    QString sql =
        QStringLiteral("SELECT %1 FROM Scheda WHERE ").arg(CardStore::selectList()) + periodRange;
    if (!condition.isEmpty())
        sql += QStringLiteral(" AND ") + condition;
    sql += QStringLiteral(" ORDER BY %1 LIMIT %2").arg(order).arg(limit);
    QSqlQuery query = m_db.execute(sql, rangeOf(condition, params) + params);
    while (query.next())
        rows << CardStore::read(query);
    return rows;
}

bool CardNavigator::exists(const QString &condition, const QVariantList &params)
{
    if (!periodValid())
        return false;
    return m_db.scalar(QStringLiteral("SELECT EXISTS (SELECT 1 FROM Scheda WHERE %1 AND %2)")
                           .arg(periodRange, condition),
                       rangeOf(condition, params) + params)
               .toInt() != 0;
}

QVariantList CardNavigator::rangeOf(const QString &condition, const QVariantList &params) const
{
    const QString start = DbDate::toText(m_period.startAt());
    const QString end = DbDate::toText(m_period.endAt());
    if (condition == afterKey)
        return {start, params.at(0), end, end};
    if (condition == beforeKey)
        return {start, start, end, params.at(0)};
    return {start, start, end, end};
}

// rows[0] becomes current; a second row tells that more lie beyond it in the walked
// direction, and otherSide whether any lie behind it.
void CardNavigator::settle(const QList<CardRecord> &rows, bool otherSide, Direction direction)
{
    if (rows.isEmpty()) {
        clear();
        return;
    }
    m_current = rows.first();
    const bool beyond = rows.size() > 1;
    m_hasNext = direction == Direction::Forward ? beyond : otherSide;
    m_hasPrevious = direction == Direction::Forward ? otherSide : beyond;
}

void CardNavigator::first()
{
    settle(fetch({}, {}, Direction::Forward, 2), false, Direction::Forward);
}

void CardNavigator::last()
{
    settle(fetch({}, {}, Direction::Backward, 2), false, Direction::Backward);
}

void CardNavigator::next()
{
    if (!m_current || !m_hasNext)
        return;
    const QList<CardRecord> rows = fetch(afterKey, keyOf(*m_current), Direction::Forward, 2);
    if (rows.isEmpty())
        m_hasNext = false;
    else
        settle(rows, true, Direction::Forward);
}

void CardNavigator::previous()
{
    if (!m_current || !m_hasPrevious)
        return;
    const QList<CardRecord> rows = fetch(beforeKey, keyOf(*m_current), Direction::Backward, 2);
    if (rows.isEmpty())
        m_hasPrevious = false;
    else
        settle(rows, true, Direction::Backward);
}

bool CardNavigator::findDay(const QDate &day)
{
    const QList<CardRecord> rows = fetch(QStringLiteral("Data BETWEEN ? AND ?"),
                                         {DbDate::toText(QDateTime(day, QTime(0, 0, 0))),
                                          DbDate::toText(QDateTime(day, QTime(23, 59, 59)))},
                                         Direction::Forward, 1);
    if (rows.isEmpty())
        return false;
    m_current = rows.first();
    refreshFlags();
    return true;
}

bool CardNavigator::moveTo(int cardId)
{
    const QList<CardRecord> rows =
        fetch(QStringLiteral("IDScheda = ?"), {cardId}, Direction::Forward, 1);
    if (rows.isEmpty())
        return false;
    m_current = rows.first();
    refreshFlags();
    return true;
}

void CardNavigator::openAt(const QDate &day)
{
    if (!(day.isValid() && m_period.contains(QDateTime(day, QTime(0, 0, 0))) && findDay(day)))
        first();
}

void CardNavigator::stepPastRemoved()
{
    if (!m_current)
        return;
    const QList<CardRecord> rows = fetch(afterKey, keyOf(*m_current), Direction::Forward, 2);
    if (rows.isEmpty())
        last();
    else
        settle(rows, exists(beforeKey, keyOf(rows.first())), Direction::Forward);
}

void CardNavigator::reload()
{
    if (!m_current || !moveTo(m_current->id()))
        first();
}

void CardNavigator::refreshFlags()
{
    m_hasPrevious = exists(beforeKey, keyOf(*m_current));
    m_hasNext = exists(afterKey, keyOf(*m_current));
}

void CardNavigator::clear()
{
    m_current.reset();
    m_hasPrevious = false;
    m_hasNext = false;
}
