#pragma once

#include "CardRecord.h"

#include <QSqlQuery>

class Database;

// Reading and writing whole day cards. Every value is bound as a parameter.
class CardStore
{
public:
    explicit CardStore(Database &db);

    // The Scheda columns in binding order, ready for a SELECT list.
    static QString selectList();
    // Reads a card from the query's current row, whose first columns are selectList().
    static CardRecord read(const QSqlQuery &query);

    // Stores every column but the counter; returns the new card's IDScheda.
    int insert(const CardRecord &card);
    void update(const CardRecord &card);
    // Removes the card with its works and their movements, all or nothing.
    void remove(int cardId);
    // Whether any stored card, in the period or not, is dated on that day.
    bool dayTaken(const QDate &day);
    // The day of a stored card; invalid when no card has that id.
    QDate dayOf(qint64 cardId);
    // Gives the works to the card as its stored works.
    void linkWorks(const QList<int> &workIds, int cardId);

private:
    Database &m_db;
};
