#include "BenchFarm.h"

#include "db/Database.h"
#include "db/DbDate.h"

#include <QDate>
#include <QDateTime>
#include <QRandomGenerator>

using namespace BenchFarm;

int BenchFarm::machineCode(int i)
{
    return 100 + i;
}

void BenchFarm::seedRegistries(Database &db, int firstYear, int years)
{
    for (int i = 1; i <= Workers; ++i)
        db.execute(
            QStringLiteral(
                "INSERT INTO Operai (Codice, Nome, Rapporto, Stipendio) VALUES (?, ?, ?, ?)"),
            {i, QStringLiteral("Worker %1").arg(i), i % 4 == 0 ? 1 : 0, 8.0 + i % 7});
    for (int i = 1; i <= Crops; ++i)
        db.execute(QStringLiteral("INSERT INTO Centri (Codice, Descrizione, Campo, Macchina, "
                                  "SupAnno) VALUES (?, ?, 1, 0, ?)"),
                   {i, QStringLiteral("Crop centre %1").arg(i), 2.0 + i});
    for (int i = 0; i < Machines; ++i)
        db.execute(QStringLiteral("INSERT INTO Centri (Codice, Descrizione, Campo, Macchina, "
                                  "SupAnno) VALUES (?, ?, 0, 1, ?)"),
                   {machineCode(i), QStringLiteral("Machine %1").arg(i), 1990 + i});
    for (int i = 1; i <= Others; ++i)
        db.execute(QStringLiteral("INSERT INTO Centri (Codice, Descrizione, Campo, Macchina, "
                                  "SupAnno) VALUES (?, ?, 0, 0, 0)"),
                   {200 + i, QStringLiteral("Other centre %1").arg(i)});
    // The fields are registered again every year.
    for (int year = firstYear; year < firstYear + years; ++year)
        for (int i = 1; i <= Crops * FieldsPerCrop; ++i)
            db.execute(QStringLiteral("INSERT INTO Campi (Codice, Descrizione, Centro, "
                                      "Superficie, Anno) VALUES (?, ?, ?, ?, ?)"),
                       {1000 + i, QStringLiteral("Field %1").arg(i), 1 + (i - 1) / FieldsPerCrop,
                        0.5 + i % 3, year});
    for (int i = 1; i <= Operations; ++i)
        db.execute(QStringLiteral("INSERT INTO Operazioni (Codice, Descrizione) VALUES (?, ?)"),
                   {i, QStringLiteral("Operation with a long name %1").arg(i)});
    for (int i = 1; i <= Items; ++i)
        db.execute(QStringLiteral("INSERT INTO Articoli (Codice, Descrizione, UnMis, [Stampa "
                                  "Quaderno]) VALUES (?, ?, 'kg', ?)"),
                   {i, QStringLiteral("Item %1").arg(i), i <= 20 ? 1 : 0});
}

void BenchFarm::seedWork(Database &db, QRandomGenerator &random, qint64 cardId)
{
    CardWriter(db).work(random, cardId);
}

CardWriter::CardWriter(Database &db)
    : m_card(db, QStringLiteral("INSERT INTO Scheda (Data, Pioggia, TempMax, TempMin, Tempo, "
                                "Vento) VALUES (?, ?, ?, ?, 'Sereno', 'Debole')")),
      m_work(db, QStringLiteral(
                     "INSERT INTO Opere (Aggiornato, IDScheda, CodOperaio, OreOrd, OreStr, "
                     "OreFest, [Tipo Centro], CodCentro, CodCampo, CodOperazione, CodMacch1) "
                     "VALUES (1, ?, ?, ?, ?, 0, ?, ?, ?, ?, ?)")),
      m_movement(db, QStringLiteral("INSERT INTO Magazzino (IDOpera, [Tipo Centro], CodCentro, "
                                    "CodCampo, [Tipo Bolla], [Codice Articolo], Prezzo, "
                                    "Quantita, Fase, UniMis) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                    "'kg')"))
{
}

qint64 CardWriter::card(const QDate &day, QRandomGenerator &random, int works)
{
    const qint64 cardId =
        m_card.insert({DbDate::toText(QDateTime(day, QTime(8, 0))), double(random.bounded(30)),
                       10.0 + random.bounded(25), double(random.bounded(10))});
    for (int w = 0; w < works; ++w)
        work(random, cardId);
    return cardId;
}

void CardWriter::work(QRandomGenerator &random, qint64 cardId)
{
    const int kind = random.bounded(10);
    const int type = kind < 4 ? 1 : kind < 8 ? 2 : kind < 9 ? 3 : 4;
    const int field = 1001 + random.bounded(Crops * FieldsPerCrop);
    const int centre = type == 1   ? 1 + random.bounded(Crops)
                       : type == 2 ? 1 + (field - 1001) / FieldsPerCrop
                       : type == 3 ? machineCode(random.bounded(Machines))
                                   : 201 + random.bounded(Others);
    const int machine = random.bounded(3) == 0 ? 0 : machineCode(random.bounded(Machines));
    const qint64 work = m_work.insert({cardId, 1 + random.bounded(Workers), 1 + random.bounded(8),
                                       random.bounded(3), type, centre, type == 2 ? field : 0,
                                       1 + random.bounded(Operations), machine});
    const int movement = random.bounded(6);
    m_movement.exec({work, type, centre, type == 2 ? field : 0, movement > 4 ? 0 : movement,
                     movement == 0 ? 0 : 1 + random.bounded(Items), 10.0 * random.bounded(50),
                     double(random.bounded(100)),
                     QStringLiteral("Phase %1").arg(random.bounded(4))});
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
