#include "CardStore.h"

#include "base/SinglePrecision.h"
#include "db/Database.h"
#include "db/DbDate.h"
#include "db/SqlList.h"

#include <QStringList>

namespace {

QString bracketed(const QString &name)
{
    return QLatin1Char('[') + name + QLatin1Char(']');
}

QVariant typedValue(ColumnType type, const QVariant &stored)
{
    if (stored.isNull())
        return QVariant();
    switch (type) {
    case ColumnType::Long:
    case ColumnType::Short:
        return stored.toInt();
    case ColumnType::Single:
    case ColumnType::Double:
        return stored.toDouble();
    case ColumnType::Boolean:
        return stored.toInt() != 0;
    case ColumnType::Date:
        return DbDate::fromText(stored.toString());
    case ColumnType::Text:
        return stored.toString();
    }
    return stored;
}

QVariant storedValue(ColumnType type, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    if (type == ColumnType::Single)
        return SinglePrecision::rounded(value.toDouble());
    return DbDate::toStored(value);
}

} // namespace

CardStore::CardStore(Database &db) : m_db(db) {}

QString CardStore::selectList()
{
    QStringList names;
    for (const Column &column : CSchedaSet::columns())
        names << bracketed(column.name);
    return SqlList::names(names);
}

CardRecord CardStore::read(const QSqlQuery &query)
{
    CardRecord card;
    const auto &columns = CSchedaSet::columns();
    for (int i = 0; i < CardRecord::ColumnCount; ++i)
        card.values[i] = typedValue(columns[i].type, query.value(i));
    return card;
}

int CardStore::insert(const CardRecord &card)
{
    QStringList names;
    QVariantList values;
    const auto &columns = CSchedaSet::columns();
    for (int i = 0; i < CardRecord::ColumnCount; ++i) {
        if (i == CSchedaSet::IDScheda)
            continue;
        names << bracketed(columns[i].name);
        values << storedValue(columns[i].type, card.value(i));
    }
    const QString sql = QStringLiteral("INSERT INTO Scheda (%1) VALUES (%2)")
                            .arg(SqlList::names(names), SqlList::placeholders(names.size()));
    return m_db.execute(sql, values).lastInsertId().toInt();
}

void CardStore::update(const CardRecord &card)
{
    QStringList assignments;
    QStringList differences;
    QVariantList values;
    const auto &columns = CSchedaSet::columns();
    for (int i = 0; i < CardRecord::ColumnCount; ++i) {
        if (i == CSchedaSet::IDScheda)
            continue;
        assignments << bracketed(columns[i].name) + QStringLiteral(" = ?");
        differences << bracketed(columns[i].name) + QStringLiteral(" IS NOT ?");
        values << storedValue(columns[i].type, card.value(i));
    }
    const QVariantList unchanged = values;
    values << card.id() << unchanged;
    // A card stored as it is leaves the file untouched: only a real change writes it.
    m_db.execute(
        QStringLiteral("UPDATE Scheda SET %1 WHERE IDScheda = ? AND (%2)")
            .arg(assignments.join(QStringLiteral(", ")), differences.join(QStringLiteral(" OR "))),
        values);
}

void CardStore::remove(int cardId)
{
    Transaction transaction(m_db);
    m_db.execute(QStringLiteral("DELETE FROM Magazzino WHERE IDOpera IN "
                                "(SELECT IDOpera FROM Opere WHERE IDScheda = ?)"),
                 {cardId});
    m_db.execute(QStringLiteral("DELETE FROM Opere WHERE IDScheda = ?"), {cardId});
    m_db.execute(QStringLiteral("DELETE FROM Scheda WHERE IDScheda = ?"), {cardId});
    transaction.commit();
}

bool CardStore::dayTaken(const QDate &day)
{
    return m_db.scalar(QStringLiteral(
                           "SELECT EXISTS (SELECT 1 FROM Scheda WHERE Data BETWEEN ? AND ?)"),
                       {DbDate::toText(QDateTime(day, QTime(0, 0, 0))),
                        DbDate::toText(QDateTime(day, QTime(23, 59, 59)))})
               .toInt() != 0;
}

QDate CardStore::dayOf(qint64 cardId)
{
    const QVariant day =
        m_db.scalar(QStringLiteral("SELECT Data FROM Scheda WHERE IDScheda = ?"), {cardId});
    return day.isNull() ? QDate() : DbDate::fromText(day.toString()).date();
}

void CardStore::linkWorks(const QList<int> &workIds, int cardId)
{
    if (workIds.isEmpty())
        return;
    m_db.execute(
        QStringLiteral("UPDATE Opere SET IDScheda = ?, Aggiornato = 1 WHERE IDOpera IN (%1)")
            .arg(SqlList::placeholders(workIds)),
        QVariantList{cardId} + SqlList::values(workIds));
}
