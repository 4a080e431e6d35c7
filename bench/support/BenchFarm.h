#pragma once

#include "demo/FarmGenerator.h"

#include <QtGlobal>

class Database;
class QDate;
class QRandomGenerator;

// The mid-size farm the benchmarks run on: 25 workers, 8 machines, 15 crop centres with 4
// fields each, 5 other centres, 40 operations, 120 items, and works spread over them, written
// by the farm generator.
namespace BenchFarm {

constexpr int Workers = 25;
constexpr int Machines = 8;
constexpr int Crops = 15;
constexpr int Others = 5;
constexpr int FieldsPerCrop = 4;
constexpr int Operations = 40;
constexpr int Items = 120;

FarmSize size();
int machineCode(int i);
// The registries, with the fields registered again in each year from firstYear on.
void seedRegistries(Database &db, int firstYear, int years);
// One work of the card with its movement, booked on a random centre or field.
void seedWork(Database &db, QRandomGenerator &random, qint64 cardId);

// Writes cards with their works through statements prepared once, for farms of many years.
class CardWriter
{
public:
    explicit CardWriter(Database &db);

    // A card at 08:00 of the day with `works` random works; returns the card's key.
    qint64 card(const QDate &day, QRandomGenerator &random, int works);
    void work(QRandomGenerator &random, qint64 cardId);

private:
    FarmGenerator m_farm;
};

// A whole farm: the registries for the years and one card a day of every year.
void seedYears(Database &db, int firstYear, int years, int worksPerCard);

} // namespace BenchFarm
