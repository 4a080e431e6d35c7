#include "ArchiveMerge.h"

#include "base/Progress.h"
#include "db/Database.h"
#include "db/DbDate.h"
#include "db/DbException.h"
#include "db/PreparedStatement.h"
#include "db/RowCursor.h"
#include "db/SchemaUpgrade.h"
#include "db/SqlList.h"
#include "db/TreatmentColumns.h"

#include <QSqlQuery>

struct MasterTable
{
    QString table;
    const char *progressText;
    QString labelColumn;
    QStringList columns;
    // Values that stand for NULL in the source.
    QVariantMap nullReplacements;
    // Fields exist once per year: a field is the same only in the same year.
    bool matchYear = false;
    // Columns of later versions, merged where both databases have them: a row of an older
    // archive is added with them empty and leaves those of a row it overwrites as they are.
    QStringList laterColumns = {};
};

namespace {

const QStringList CardColumns{"Assenti",  "Data",    "Fattore", "Ferie",   "Infortunio", "Malattia",
                              "Permesso", "Pioggia", "TempMax", "TempMin", "Tempo",      "Vento"};
const QStringList WorkColumns{"OreFest",   "OreOrd",    "OreStr",        "Aggiornato",
                              "CodMacch1", "CodCentro", "CodCampo",      "CodOperaio",
                              "CodMacch2", "CodMacch3", "[Tipo Centro]", "CodOperazione"};
// Iva and Note stay with the target's defaults.
const QStringList MovementColumns{
    "CodCampo", "CodCentro",    "[Codice Articolo]", "Fase",   "Prezzo", "Quantita",
    "RifDoc",   "[Tipo Bolla]", "[Tipo Centro]",     "UniMis", "Avverso"};
// What an application records, in the movements of archives that have it.
const QStringList LaterMovementColumns{TreatmentColumns::TreatedArea, TreatmentColumns::BbchStage,
                                       TreatmentColumns::ApplicationTime};

// The later columns that both databases' table has, bracketed.
QStringList sharedColumns(Database &source, Database &target, const QString &table,
                          const QStringList &later)
{
    QStringList shared;
    for (const QString &column : later)
        if (SchemaUpgrade::hasColumn(source, table, column) &&
            SchemaUpgrade::hasColumn(target, table, column))
            shared << QStringLiteral("[%1]").arg(column);
    return shared;
}

const QList<MasterTable> &masterTables()
{
    static const QList<MasterTable> tables{
        {"Articoli",
         QT_TRANSLATE_NOOP("ArchiveMerge", "Importing item %s"),
         "Descrizione",
         {"Codice", "[Costo Unitario]", "Descrizione", "UnMis"},
         {{"UnMis", QStringLiteral("-")}}},
        {"Campi",
         QT_TRANSLATE_NOOP("ArchiveMerge", "Importing field %s"),
         "Descrizione",
         {"Centro", "Codice", "Descrizione", "[Località]", "Superficie", "Anno"},
         {{"[Località]", QStringLiteral("-")}, {"Superficie", 0.0}},
         true,
         {TreatmentColumns::ParcelId, TreatmentColumns::Municipality, TreatmentColumns::Sheet,
          TreatmentColumns::CadastralParcel, TreatmentColumns::Geometry}},
        {"Centri",
         QT_TRANSLATE_NOOP("ArchiveMerge", "Importing center %s"),
         "Descrizione",
         {"Codice", "Campo", "Descrizione", "Macchina", "SupAnno"},
         {}},
        {"Operai",
         QT_TRANSLATE_NOOP("ArchiveMerge", "Importing worker %s"),
         "Nome",
         {"Codice", "Nome", "Rapporto"},
         {}},
        {"Operazioni",
         QT_TRANSLATE_NOOP("ArchiveMerge", "Importing operation %s"),
         "Descrizione",
         {"Codice", "Descrizione"},
         {}},
    };
    return tables;
}

QString list(const QStringList &columns)
{
    return columns.join(QStringLiteral(", "));
}

QString assignments(const QStringList &columns)
{
    return columns.join(QStringLiteral(" = ?, ")) + QStringLiteral(" = ?");
}

QVariantList rowValues(const QSqlQuery &query, int first, int count)
{
    QVariantList values;
    values.reserve(count);
    for (int i = first; i < first + count; ++i)
        values << query.value(i);
    return values;
}

// The %s of the string table's texts carries the record's own words.
QString withArgument(const char *format, const QString &argument)
{
    QString text = ArchiveMerge::tr(format);
    return text.replace(QStringLiteral("%s"), argument);
}

// After a loop over rows: a loop that stopped on an engine error (a damaged page or index)
// must fail the import, never shorten it.
int rowCount(Database &db, const QString &table)
{
    return db.scalar(QStringLiteral("SELECT count(*) FROM [%1]").arg(table)).toInt();
}

} // namespace

ArchiveMerge::ArchiveMerge(Database &source, Database &target, bool overwrite, Progress &progress)
    : m_source(source), m_target(target), m_overwrite(overwrite), m_progress(progress)
{
}

bool ArchiveMerge::canRead(Database &source)
{
    QList<QPair<QString, QStringList>> reads{
        {"Scheda", CardColumns + QStringList{"IDScheda"}},
        {"Opere", WorkColumns + QStringList{"IDOpera", "IDScheda"}},
        {"Magazzino", MovementColumns + QStringList{"IDOpera", "IDBolla"}}};
    for (const MasterTable &table : masterTables())
        reads.append({table.table, table.columns});
    try {
        for (const auto &[table, columns] : reads)
            source.execute(QStringLiteral("SELECT %1 FROM [%2] LIMIT 0").arg(list(columns), table));
    } catch (const DbException &) {
        return false;
    }
    return true;
}

void ArchiveMerge::startBar(int line, int count)
{
    if (count > 0) {
        m_progress.setRange(line, 1, count);
        m_progress.setValue(line, 1);
    } else {
        m_progress.setRange(line, 1, 100);
        m_progress.setValue(line, 100);
    }
}

void ArchiveMerge::run()
{
    m_progress.setText(0, tr("Import forms"));
    m_progress.setText(1, tr("Awaiting instruction"));
    m_progress.setRange(1, 1, 100);
    m_progress.setValue(1, 1);
    mergeCards();
    for (const MasterTable &table : masterTables())
        mergeMasterTable(table);
}

void ArchiveMerge::mergeCards()
{
    startBar(0, rowCount(m_source, QStringLiteral("Scheda")));

    PreparedStatement sourceCards(m_source, QStringLiteral("SELECT IDScheda, %1 FROM Scheda "
                                                           "ORDER BY Data, IDScheda")
                                                .arg(list(CardColumns)));
    PreparedStatement sourceWorks(m_source,
                                  QStringLiteral("SELECT IDOpera, %1 FROM Opere WHERE IDScheda = ? "
                                                 "ORDER BY IDOpera")
                                      .arg(list(WorkColumns)));
    const QStringList movementColumns =
        MovementColumns +
        sharedColumns(m_source, m_target, TreatmentColumns::MovementsTable, LaterMovementColumns);
    PreparedStatement sourceMovements(
        m_source, QStringLiteral("SELECT %1 FROM Magazzino WHERE IDOpera = ? ORDER BY IDBolla")
                      .arg(list(movementColumns)));

    PreparedStatement findCard(m_target,
                               QStringLiteral("SELECT IDScheda FROM Scheda WHERE Data BETWEEN ? "
                                              "AND ? ORDER BY IDScheda LIMIT 1"));
    // Overwriting a card replaces all of it: every work of the card and every movement of
    // those works goes, so no old work survives beside the imported ones.
    PreparedStatement deleteMovements(
        m_target, QStringLiteral("DELETE FROM Magazzino WHERE IDOpera IN "
                                 "(SELECT IDOpera FROM Opere WHERE IDScheda = ?)"));
    PreparedStatement deleteWorks(m_target, QStringLiteral("DELETE FROM Opere WHERE IDScheda = ?"));
    PreparedStatement updateCard(
        m_target,
        QStringLiteral("UPDATE Scheda SET %1 WHERE IDScheda = ?").arg(assignments(CardColumns)));
    PreparedStatement insertCard(
        m_target, QStringLiteral("INSERT INTO Scheda (%1) VALUES (%2)")
                      .arg(list(CardColumns), SqlList::placeholders(int(CardColumns.size()))));
    PreparedStatement insertWork(
        m_target, QStringLiteral("INSERT INTO Opere (%1, IDScheda) VALUES (%2)")
                      .arg(list(WorkColumns), SqlList::placeholders(int(WorkColumns.size()) + 1)));
    PreparedStatement insertMovement(
        m_target,
        QStringLiteral("INSERT INTO Magazzino (%1, IDOpera) VALUES (%2)")
            .arg(list(movementColumns), SqlList::placeholders(int(movementColumns.size()) + 1)));

    const int dataColumn = 1 + int(CardColumns.indexOf(QStringLiteral("Data")));
    QSqlQuery &cards = sourceCards.exec();
    RowCursor cardRows(cards);
    for (int count = 1; cardRows.next(); ++count) {
        const QVariant sourceId = cards.value(0);
        const QDate day = DbDate::fromText(cards.value(dataColumn).toString()).date();
        m_progress.setText(0,
                           withArgument(QT_TRANSLATE_NOOP("ArchiveMerge", "Importing form of %s"),
                                        day.toString(QStringLiteral("MM/dd/yyyy"))));
        m_progress.setValue(0, count);

        const QVariantList card = rowValues(cards, 1, int(CardColumns.size()));
        const QVariant existing =
            day.isValid() ? findCard.scalar({DbDate::toText(QDateTime(day, QTime(0, 0, 0))),
                                             DbDate::toText(QDateTime(day, QTime(23, 59, 59)))})
                          : QVariant();
        qint64 targetId = 0;
        if (existing.isValid()) {
            if (!m_overwrite)
                continue;
            targetId = existing.toLongLong();
            deleteMovements.exec({targetId});
            deleteWorks.exec({targetId});
            updateCard.exec(card + QVariantList{targetId});
        } else {
            targetId = insertCard.insert(card);
        }

        QSqlQuery &works = sourceWorks.exec({sourceId});
        RowCursor workRows(works);
        while (workRows.next()) {
            const QVariant sourceWork = works.value(0);
            const qint64 targetWork =
                insertWork.insert(rowValues(works, 1, int(WorkColumns.size())) << targetId);
            QSqlQuery &movements = sourceMovements.exec({sourceWork});
            RowCursor movementRows(movements);
            while (movementRows.next())
                insertMovement.exec(rowValues(movements, 0, int(movementColumns.size()))
                                    << targetWork);
        }
    }
}

void ArchiveMerge::mergeMasterTable(const MasterTable &table)
{
    startBar(1, rowCount(m_source, table.table));

    const QString name = QLatin1Char('[') + table.table + QLatin1Char(']');
    const QStringList columns =
        table.columns + sharedColumns(m_source, m_target, table.table, table.laterColumns);
    const int labelIndex = int(columns.indexOf(table.labelColumn));
    PreparedStatement sourceRows(
        m_source, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(list(columns), name));
    PreparedStatement findRow(
        m_target, QStringLiteral("SELECT rowid FROM %1 WHERE Codice = ?%2 ORDER BY rowid LIMIT 1")
                      .arg(name, table.matchYear ? QStringLiteral(" AND Anno IS ?") : QString()));
    PreparedStatement updateRow(
        m_target,
        QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(name, assignments(columns)));
    PreparedStatement insertRow(
        m_target, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(name, list(columns), SqlList::placeholders(int(columns.size()))));

    const int codeIndex = int(columns.indexOf(QStringLiteral("Codice")));
    const int yearIndex = int(columns.indexOf(QStringLiteral("Anno")));
    QSqlQuery &rows = sourceRows.exec();
    RowCursor cursor(rows);
    for (int count = 1; cursor.next(); ++count) {
        QVariantList values = rowValues(rows, 0, int(columns.size()));
        m_progress.setText(1, withArgument(table.progressText, values.at(labelIndex).toString()));
        m_progress.setValue(1, count);

        QVariantList key{values.at(codeIndex)};
        if (table.matchYear)
            key << values.at(yearIndex);
        const QVariant existing = findRow.scalar(key);
        if (existing.isValid() && !m_overwrite)
            continue;
        for (auto it = table.nullReplacements.cbegin(); it != table.nullReplacements.cend(); ++it) {
            QVariant &value = values[columns.indexOf(it.key())];
            if (value.isNull())
                value = it.value();
        }
        if (existing.isValid())
            updateRow.exec(values << existing);
        else
            insertRow.exec(values);
    }
}
