#pragma once

#include "FarmGenerator.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

class Database;

// The demo farm a new user can try the program on: a mid-size Italian farm with a few years of
// work cards, one for each working day (Monday to Saturday) from 1 January of the first year
// to the last day. The farm is drawn from a fixed seed, so the same years and last day give the
// same database.
class DemoFarm
{
    Q_DECLARE_TR_FUNCTIONS(DemoFarm)

public:
    static constexpr quint32 Seed = 20150101;
    static constexpr int DefaultYears = 3;
    static constexpr int MaximumYears = 30;

    static FarmSize size();

    // Fills db, a database made from the template, with the registries and the cards.
    static void fill(Database &db, const QDate &lastDay, int years);
    // Writes the demo farm to path from the template database: the farm is built in a temporary
    // file beside path and renamed over it only once complete, readable by its owner only.
    // Raises DbException with the reason when the template cannot be read, the file written or
    // the database filled.
    static void write(const QString &templatePath, const QString &path, const QDate &lastDay,
                      int years);
};
