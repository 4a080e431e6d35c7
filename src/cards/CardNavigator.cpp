#include "CardNavigator.h"

#include "CardStore.h"
#include "db/Database.h"
#include "db/DbDate.h"
#include "db/RowCursor.h"

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

// The card itself is left out: a card whose date was just written may have moved past its
// old place in the order, which is the place a move starts from.
CardNavigator::Filter CardNavigator::after(const CardRecord &card)
{
    const QString date = DbDate::toText(card.date());
    return {QStringLiteral("(Data, IDScheda) > (?, ?) AND IDScheda <> ?"),
            {date, card.id(), card.id()},
            date,
            {}};
}

CardNavigator::Filter CardNavigator::before(const CardRecord &card)
{
    const QString date = DbDate::toText(card.date());
    return {QStringLiteral("(Data, IDScheda) < (?, ?) AND IDScheda <> ?"),
            {date, card.id(), card.id()},
            {},
            date};
}

QString CardNavigator::periodClause(const Filter &filter, QVariantList &params) const
{
    const QString start = DbDate::toText(m_period.startAt());
    const QString end = DbDate::toText(m_period.endAt());
    params << start << (filter.from.isEmpty() ? start : filter.from) << end
           << (filter.to.isEmpty() ? end : filter.to);
    params << filter.params;
    QString clause = QStringLiteral("Data BETWEEN max(?, ?) AND min(?, ?)");
    if (!filter.condition.isEmpty())
        clause += QStringLiteral(" AND ") + filter.condition;
    return clause;
}

QList<CardRecord> CardNavigator::fetch(const Filter &filter, Direction direction, int limit)
{
    QList<CardRecord> rows;
    if (!periodValid())
        return rows;
    const QString order = direction == Direction::Forward
                              ? QStringLiteral("Data, IDScheda")
                              : QStringLiteral("Data DESC, IDScheda DESC");
    QVariantList params;
    const QString sql = QStringLiteral("SELECT %1 FROM Scheda WHERE %2 ORDER BY %3 LIMIT %4")
                            .arg(CardStore::selectList(), periodClause(filter, params), order)
                            .arg(limit);
    QSqlQuery query = m_db.execute(sql, params);
    RowCursor cursor(query);
    while (cursor.next())
        rows << CardStore::read(query);
    return rows;
}

bool CardNavigator::exists(const Filter &filter)
{
    if (!periodValid())
        return false;
    QVariantList params;
    const QString sql = QStringLiteral("SELECT EXISTS (SELECT 1 FROM Scheda WHERE %1)")
                            .arg(periodClause(filter, params));
    return m_db.scalar(sql, params).toInt() != 0;
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
    settle(fetch({}, Direction::Forward, 2), false, Direction::Forward);
}

void CardNavigator::last()
{
    settle(fetch({}, Direction::Backward, 2), false, Direction::Backward);
}

void CardNavigator::next()
{
    if (!m_current || !m_hasNext)
        return;
    const QList<CardRecord> rows = fetch(after(*m_current), Direction::Forward, 2);
    if (rows.isEmpty())
        m_hasNext = false;
    else
        settle(rows, true, Direction::Forward);
}

void CardNavigator::previous()
{
    if (!m_current || !m_hasPrevious)
        return;
    const QList<CardRecord> rows = fetch(before(*m_current), Direction::Backward, 2);
    if (rows.isEmpty())
        m_hasPrevious = false;
    else
        settle(rows, true, Direction::Backward);
}

bool CardNavigator::findDay(const QDate &day)
{
    const QList<CardRecord> rows = fetch({{},
                                          {},
                                          DbDate::toText(QDateTime(day, QTime(0, 0, 0))),
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
        fetch({QStringLiteral("IDScheda = ?"), {cardId}, {}, {}}, Direction::Forward, 1);
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
    const QList<CardRecord> rows = fetch(after(*m_current), Direction::Forward, 2);
    if (rows.isEmpty())
        last();
    else
        settle(rows, exists(before(rows.first())), Direction::Forward);
}

void CardNavigator::reload()
{
    if (!m_current || !moveTo(m_current->id()))
        first();
}

void CardNavigator::refreshFlags()
{
    m_hasPrevious = exists(before(*m_current));
    m_hasNext = exists(after(*m_current));
}

void CardNavigator::clear()
{
    m_current.reset();
    m_hasPrevious = false;
    m_hasNext = false;
}
