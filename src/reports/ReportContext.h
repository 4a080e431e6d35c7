#pragma once

#include "base/WorkingPeriod.h"

#include <QDate>
#include <QString>

class Database;

// What the card reports read besides their tables: the open database, the card view's working
// period and current card, the year range of the fields list, the company name and today.
struct ReportContext
{
    Database &db;
    WorkingPeriod period;
    qint64 currentCardId = 0;
    int fieldsFromYear = 0;
    int fieldsToYear = 0;
    QString companyName;
    QDate today;

    // A context with the company name and the fields years of the settings: each year is the
    // last four characters of DataInit or DataEnd, or today's year when that setting is empty
    // or does not end in a year.
    static ReportContext fromSettings(Database &db, const WorkingPeriod &period,
                                      qint64 currentCardId, const QDate &today);
};
