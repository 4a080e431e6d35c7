#include "BenchFarm.h"

#include "db/Database.h"

#include <QDate>
#include <QRandomGenerator>

using namespace BenchFarm;

FarmSize BenchFarm::size()
{
    FarmSize farm;
    farm.workers = Workers;
    farm.machines = Machines;
    farm.crops = Crops;
    farm.others = Others;
    farm.fieldsPerCrop = FieldsPerCrop;
    farm.operations = Operations;
    farm.items = Items;
    return farm;
}

int BenchFarm::machineCode(int i)
{
    return FarmGenerator::machineCode(i);
}

void BenchFarm::seedRegistries(Database &db, int firstYear, int years)
{
    FarmGenerator(db, size()).seedRegistries(firstYear, years);
}

void BenchFarm::seedWork(Database &db, QRandomGenerator &random, qint64 cardId)
{
    CardWriter(db).work(random, cardId);
}

CardWriter::CardWriter(Database &db) : m_farm(db, size()) {}

qint64 CardWriter::card(const QDate &day, QRandomGenerator &random, int works)
{
    return m_farm.card(day, random, works);
}

void CardWriter::work(QRandomGenerator &random, qint64 cardId)
{
    m_farm.work(random, cardId);
}

void BenchFarm::seedYears(Database &db, int firstYear, int years, int worksPerCard)
{
    QRandomGenerator random(quint32(firstYear * 100 + years));
    Transaction transaction(db);
    seedRegistries(db, firstYear, years);
    CardWriter writer(db);
    for (QDate day(firstYear, 1, 1); day.year() < firstYear + years; day = day.addDays(1))
        writer.card(day, random, worksPerCard);
    transaction.commit();
}
