#pragma once

#include "db/PreparedStatement.h"

#include "base/DomainCodes.h"

#include <QtGlobal>

class Database;
class QDate;
class QRandomGenerator;

// How many entries of each registry a generated farm has.
struct FarmSize
{
    int workers = 0;
    int machines = 0;
    int crops = 0;
    int others = 0;
    int fieldsPerCrop = 0;
    int operations = 0;
    int items = 0;
};

// Writes a farm into an open database made from the template: registries named as on an
// Italian mixed farm, with the fields' parcels near Lodi, the crops' EPPO codes and the
// products' authorisation numbers where the database has their columns, and cards with the works of
// the season (tillage and sowing in autumn, fertilising in spring, plant-protection treatments in
// summer, harvests and sales), each work with its stock movement. Everything drawn comes from the
// random generator the caller passes, so a seed gives the same farm every time.
//
// Codes: workers, crop centres, operations and items from 1; machines from 100, other centres
// from 201, fields from 1001 (the fields of crop c are the fieldsPerCrop codes after
// 1000 + (c - 1) * fieldsPerCrop).
class FarmGenerator
{
public:
    FarmGenerator(Database &db, const FarmSize &size);

    static int machineCode(int i) { return 100 + i; }
    static int otherCode(int i) { return 201 + i; }
    static int fieldCode(int i) { return 1001 + i; }

    // The registries, with the fields registered again in each year from firstYear on.
    void seedRegistries(int firstYear, int years);
    // A card at 08:00 of the day with the day's weather and `works` works of the season; returns
    // the card's key.
    qint64 card(const QDate &day, QRandomGenerator &random, int works);
    // One work of the card with its movement; month 1 to 12 picks a work of that season, 0 any.
    void work(QRandomGenerator &random, qint64 cardId, int month = 0);

private:
    struct Booking
    {
        CentreKind type = CentreKind::None;
        int centre = 0;
        int field = 0;
        int crop = 0;
    };

    void seedRecordCodes();
    void recordTreatment(qint64 movement, qint64 work, const Booking &booking, int month);
    Booking bookOnField(QRandomGenerator &random) const;
    Booking bookOnCrop(QRandomGenerator &random) const;
    Booking bookOnMachine(QRandomGenerator &random) const;
    Booking bookOnOther(QRandomGenerator &random) const;
    int machineAt(int i) const;

    Database &m_db;
    FarmSize m_size;
    PreparedStatement m_card;
    PreparedStatement m_work;
    PreparedStatement m_movement;
    // The database keeps what an application of a product records.
    bool m_treatments = false;
};
