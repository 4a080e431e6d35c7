#pragma once

#include "WorkListRow.h"
#include "base/WorkingPeriod.h"

#include <QList>

class Database;
class QSqlQuery;

// Reads the works of a card with their first movement and every registry row they name in
// one statement: the list of a card costs one query, however many works it has.
class WorkListQuery
{
public:
    // fieldYears: the years whose fields the list may name (the working period's years).
    WorkListQuery(Database &db, int firstYear, int lastYear);

    // The fields of the years of the period's first and last day.
    WorkListQuery(Database &db, const WorkingPeriod &period);

    QList<WorkListRow::Data> worksOfCard(int cardId);
    std::optional<WorkListRow::Data> work(int workId);
    // The given works, in the order they were entered.
    QList<WorkListRow::Data> works(const QList<int> &workIds);

private:
    QList<WorkListRow::Data> run(const QString &condition, const QVariantList &params);
    static WorkListRow::Data read(const QSqlQuery &query);

    Database &m_db;
    int m_firstYear;
    int m_lastYear;
};
