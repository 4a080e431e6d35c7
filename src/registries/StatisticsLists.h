#pragma once

#include "base/WorkingPeriod.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>

#include <memory>

class Database;
class ForwardCursor;
class StatisticsModel;

// The figures the registries show below the detail form: hour totals of a folder, the works
// or movements of one record, the inventory, and all the activity on fields. Each fill reads
// one stored query of the working database with the working period's bounds; the query stays
// with the model, which reads and formats its rows only as they are fetched and lets go of the
// query's read on the file between fetches (StatisticsModel). The hour totals add up the sums
// the database keeps per year (YearlyTotals), the inventory those of the stock (StockYearSums).
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
    class Lookups;
    struct RegistryName
    {
        QString table;
        QString column;
    };

    bool ready() const;
    void setTitles(const std::initializer_list<const char *> &titles);
    void fillTotals(const QString &query, const QString &startName, const QString &endName,
                    const RegistryName &registry, const QVariantMap &more = {});
    void fillWorks(const QString &query, const QVariantMap &params);
    void fillCentreMovements(std::shared_ptr<ForwardCursor> query);
    void fillFieldMovements(std::shared_ptr<ForwardCursor> query);
    QVariantMap withPeriod(QVariantMap params) const;
    // The rows of a stored query, read as the model fetches them.
    std::shared_ptr<ForwardCursor> openRows(const QString &name, const QVariantMap &params);

    Database *m_db;
    StatisticsModel &m_model;
    WorkingPeriod m_period;
    // Shared with the row sources, which outlive this object.
    std::shared_ptr<Lookups> m_lookups;
};
