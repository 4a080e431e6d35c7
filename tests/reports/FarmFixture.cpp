#include "FarmFixture.h"

#include "db/DbDate.h"
#include "db/RowCursor.h"

#include <QSqlQuery>
#include <QSqlRecord>

FarmFixture::FarmFixture(Database &db) : m_db(db)
{
    // A test database needs no durability; seeding is then quick.
    m_db.execute(QStringLiteral("PRAGMA synchronous = OFF"));
}

void FarmFixture::addWorker(int code, const QString &name, const QVariant &wage, bool occasional)
{
    m_db.execute(QStringLiteral(
                     "INSERT INTO Operai (Codice, Nome, Rapporto, Stipendio) VALUES (?, ?, ?, ?)"),
                 {code, name, occasional ? 1 : 0, wage});
}

void FarmFixture::addCentre(int code, const QString &name, bool machine, bool crop, double supAnno)
{
    m_db.execute(
        QStringLiteral("INSERT INTO Centri (Codice, Descrizione, Macchina, Campo, SupAnno) "
                       "VALUES (?, ?, ?, ?, ?)"),
        {code, name, machine ? 1 : 0, crop ? 1 : 0, supAnno});
}

void FarmFixture::addField(int code, const QString &name, int centre, double surface, int year)
{
    m_db.execute(QStringLiteral("INSERT INTO Campi (Codice, Descrizione, Centro, Superficie, Anno) "
                                "VALUES (?, ?, ?, ?, ?)"),
                 {code, name, centre, surface, year});
}

void FarmFixture::addOperation(int code, const QString &name)
{
    m_db.execute(QStringLiteral("INSERT INTO Operazioni (Codice, Descrizione) VALUES (?, ?)"),
                 {code, name});
}

void FarmFixture::addItem(int code, const QString &name, const QString &unit, bool register_)
{
    m_db.execute(
        QStringLiteral("INSERT INTO Articoli (Codice, Descrizione, UnMis, [Stampa Quaderno]) "
                       "VALUES (?, ?, ?, ?)"),
        {code, name, unit, register_ ? 1 : 0});
}

qint64 FarmFixture::addCard(const QDateTime &date)
{
    m_db.execute(QStringLiteral("INSERT INTO Scheda (Data) VALUES (?)"), {DbDate::toText(date)});
    return m_db.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
}

qint64 FarmFixture::insertWork(qint64 card, const Work &work)
{
    m_db.execute(
        QStringLiteral(
            "INSERT INTO Opere (Aggiornato, IDScheda, CodOperaio, OreOrd, OreStr, OreFest, "
            "[Tipo Centro], CodCentro, CodCampo, CodOperazione, CodMacch1, CodMacch2, "
            "CodMacch3) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {card > 0 ? 1 : 0, card, work.worker, work.regular, work.overtime, work.holiday,
         work.centreType, work.centre, work.field, work.operation, work.machine1, work.machine2,
         work.machine3});
    return m_db.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
}

qint64 FarmFixture::addWork(qint64 card, const Work &work, const Movement &movement)
{
    const qint64 id = insertWork(card, work);
    addMovement(id, work, movement);
    return id;
}

qint64 FarmFixture::addWork(qint64 card, const Work &work)
{
    return addWork(card, work, Movement());
}

void FarmFixture::addWorkWithoutMovement(qint64 card, const Work &work)
{
    insertWork(card, work);
}

void FarmFixture::addMovement(qint64 work, const Work &booking, const Movement &movement)
{
    m_db.execute(
        QStringLiteral("INSERT INTO Magazzino (IDOpera, [Tipo Centro], CodCentro, CodCampo, "
                       "[Tipo Bolla], [Codice Articolo], Prezzo, Quantita, Fase, UniMis, Avverso, "
                       "RifDoc) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {work, booking.centreType, booking.centre, booking.field, movement.type, movement.item,
         movement.value, movement.quantity, movement.phase, movement.unit, movement.adversity,
         movement.document});
}

QStringList FarmFixture::rows(const QString &sql)
{
    QStringList result;
    QSqlQuery query = m_db.execute(sql);
    RowCursor rows(query);
    while (rows.next()) {
        QStringList values;
        for (int i = 0; i < query.record().count(); ++i)
            values << (query.isNull(i) ? QStringLiteral("NULL") : query.value(i).toString());
        result << values.join(QLatin1Char('|'));
    }
    return result;
}
