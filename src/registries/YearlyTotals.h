#pragma once

#include "base/WorkingPeriod.h"

#include <QList>
#include <QString>
#include <QVariantMap>

class Database;

// The hour totals per code that one of the registries' totals queries gives over a period,
// added up from sums the farm database keeps per calendar year: a whole year is read from its
// kept sums (summed and kept first when none are kept, or its works changed since), the partial
// years at the ends of the period straight from the query. A period of ten years then costs
// about what one year does. A database that cannot keep sums (read-only, or without the
// tables) is read straight over the whole period.
class YearlyTotals
{
public:
    struct Row
    {
        int code = 0;
        double regular = 0;
        double overtime = 0;
        double holiday = 0;
        double total = 0;
    };

    // query names a stored query whose columns are code, name, the three hour kinds and their
    // total, over the parameters startName and endName; more holds its other parameters.
    YearlyTotals(Database &db, QString query, QString startName, QString endName,
                 QVariantMap more = {});

    // The rows in code order. Raises DbException on an engine failure.
    QList<Row> read(const WorkingPeriod &period);
    // The same rows read straight over the whole period, nothing kept.
    QList<Row> readStraight(const WorkingPeriod &period);

private:
    bool canKeep();
    QList<Row> queryRows(const WorkingPeriod &period);
    void keepYear(int year);
    QList<Row> keptRows(int firstYear, int lastYear);

    Database &m_db;
    QString m_query;
    QString m_startName;
    QString m_endName;
    QVariantMap m_more;
    // m_more as the key of the kept sums.
    QString m_parameters;
};
