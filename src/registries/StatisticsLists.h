#pragma once

#include "base/WorkingPeriod.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>

class Database;
class RecordSet;
class StatisticsModel;
class StoredQuery;

// The figures the registries show below the detail form: hour totals of a folder, the works
// or movements of one record, the inventory, and all the activity on fields. Each fill reads
// one stored query of the working database with the working period's bounds.
class StatisticsLists
{
    Q_DECLARE_TR_FUNCTIONS(StatisticsLists)

public:
    enum class Choice { WorkersAndHours = 0, StockAndArticles = 1 };

    StatisticsLists(Database *db, StatisticsModel &model, const WorkingPeriod &period);

    // group is the node kind of the folder: 1 crop centres, 3 machines, 4 other centres.
    void fillCentreTotals(int group);
    void fillWorkerTotals();
    void fillOperationTotals();
    void fillInventory();
    // kind 1, 3, 4 for a centre, 2 for a field.
    void fillCentreActivity(int kind, int code, Choice choice);
    void fillWorkerWorks(int code);
    void fillOperationWorks(int code);
    void fillItemMovements(int code);
    void fillFieldActivity();

    static QString movementType(int type);

private:
    bool ready() const;
    void setTitles(const std::initializer_list<const char *> &titles);
    void fillTotals(const QString &query, const QString &startName, const QString &endName,
                    const QVariant &start, const QVariant &end, const QVariantMap &more = {});
    void fillWorks(const QString &query, const QVariantMap &params);
    void fillCentreMovements(StoredQuery &query);
    void fillFieldMovements(StoredQuery &query);
    void finish(int rowsWritten);
    void setPeriod(StoredQuery &query);
    QString operationSuffix(const QVariant &code);
    QString centreDescription(int code);

    Database *m_db;
    StatisticsModel &m_model;
    WorkingPeriod m_period;
    QHash<int, QString> m_operations;
    QHash<int, QString> m_centres;
};
