#pragma once

#include "CardRecord.h"
#include "base/WorkingPeriod.h"

#include <optional>

class Database;

// The card shown, among the cards of the working period in date order (ties by IDScheda).
// Each move is one query on the card date index; the flags for the moves still possible come
// with it, so that the enable rules cost nothing.
class CardNavigator
{
public:
    CardNavigator(Database &db, const WorkingPeriod &period);

    void setPeriod(const WorkingPeriod &period);
    const WorkingPeriod &period() const { return m_period; }

    bool hasCurrent() const { return m_current.has_value(); }
    const CardRecord &current() const { return *m_current; }
    bool hasPrevious() const { return m_hasPrevious; }
    bool hasNext() const { return m_hasNext; }

    void first();
    void last();
    // Stay on the first or last card when there is nothing further.
    void next();
    void previous();
    // The first card of the day, when the period holds one; otherwise nothing changes.
    bool findDay(const QDate &day);
    // Makes the card current when it lies in the period; otherwise nothing changes.
    bool moveTo(int cardId);
    // The card shown at start: the card of that day when the day lies in the period and has
    // a card, else the earliest card.
    void openAt(const QDate &day);
    // After the current card was removed: the card that followed it, else the last card.
    void stepPastRemoved();
    // Reads the current card again (after it was written).
    void reload();
    void clear();

private:
    enum class Direction { Forward, Backward };
    // A condition on the period's cards. from and to, when set, narrow the period's date range
    // so that a walk from a card enters the date index at that card's date.
    struct Filter
    {
        QString condition;
        QVariantList params;
        QString from;
        QString to;
    };
    static Filter after(const CardRecord &card);
    static Filter before(const CardRecord &card);
    // Runs a query on the period's cards; the rows come in the order the move walks them.
    QList<CardRecord> fetch(const Filter &filter, Direction direction, int limit);
    bool exists(const Filter &filter);
    QString periodClause(const Filter &filter, QVariantList &params) const;
    void settle(const QList<CardRecord> &rows, bool otherSide, Direction direction);
    void refreshFlags();
    bool periodValid() const;

    Database &m_db;
    WorkingPeriod m_period;
    std::optional<CardRecord> m_current;
    bool m_hasPrevious = false;
    bool m_hasNext = false;
};
