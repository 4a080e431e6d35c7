#pragma once

#include "base/CompanyData.h"
#include "base/WorkingPeriod.h"

#include <QDate>
#include <QString>

class Database;
class FarmSession;

// What the card reports read besides their tables: the open database, the card view's working
// period and current card, the year range of the fields list, the company name, today and the
// company data the treatment register's cover shows.
struct ReportContext
{
    Database &db;
    WorkingPeriod period;
    qint64 currentCardId = 0;
    int fieldsFromYear = 0;
    int fieldsToYear = 0;
    QString companyName;
    QDate today;
    CompanyData company = {};

    // The context of a period: the fields list covers the years of its first and last day.
    static ReportContext forPeriod(Database &db, const WorkingPeriod &period, qint64 currentCardId,
                                   const CompanyData &company, const QDate &today);
    // The session's database, working period and company.
    static ReportContext fromSession(FarmSession &farm, qint64 currentCardId, const QDate &today);
};
