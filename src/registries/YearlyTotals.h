#pragma once

#include "base/WorkingPeriod.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QVariantMap>

#include <functional>

class Database;

// The hour totals per code that one of the registries' totals queries gives over a period,
// added up from sums the farm database keeps per calendar year: a whole year is read from its
// kept sums (summed and kept first when none are kept, or its works changed since), the partial
// years at the ends of the period straight from the query. A period of ten years then costs
// about what one year does. A database that cannot keep sums (read-only, or without the
// tables or the triggers that forget changed years) is read straight over the whole period.
//
// The missing years' works are read and their sums written in one write transaction (one
// commit however many years the period holds), so that no other program's commit falls between
// the two; the sums are read together with the years they hold
// for, and a year forgotten meanwhile is read straight.
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
    // Called with the year whose works were just read to be kept, before its sums are written:
    // the moment another program would spoil the sums by committing a change of those works.
    void setYearReadHandler(std::function<void(int year)> handler)
    {
        m_yearRead = std::move(handler);
    }

private:
    bool canKeep();
    QList<Row> queryRows(const WorkingPeriod &period);
    void keepYear(int year);
    QSet<int> summedYears(int firstYear, int lastYear);
    QList<Row> keptRows(int firstYear, int lastYear);

    Database &m_db;
    QString m_query;
    QString m_startName;
    QString m_endName;
    QVariantMap m_more;
    // m_more as the key of the kept sums.
    QString m_parameters;
    std::function<void(int year)> m_yearRead;
};
