#include "ArchiveValueCheck.h"

#include "cards/BbchStages.h"
#include "cards/WorkEntry.h"
#include "db/Database.h"
#include "db/DbException.h"
#include "db/FieldLimits.h"
#include "db/RowCursor.h"
#include "db/SchemaUpgrade.h"
#include "db/TreatmentColumns.h"
#include "registries/ParcelGeometry.h"
#include "registries/RegistryForm.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>
#include <cmath>
#include <limits>

namespace {

enum class Rule {
    Date,        // the stored date text, never empty
    Hours,       // 0 to 24
    Code,        // a code a work or movement refers to: 0 (none) up to the largest code
    RegistryKey, // a registry row's own code, never empty
    Integer,
    Kind,         // a work's or movement's centre kind
    MovementType, // a movement's type
    Number,
    NotNegative,
    RegistryNumber, // surfaces and years of purchase, as the registry form takes them
    Text,
    Positive,  // a treated area: above 0
    BbchStage, // two digits
    TimeOfDay, // HH:MM
    Outline,   // a GeoJSON Polygon or MultiPolygon
};

struct ColumnRule
{
    QString column;
    Rule rule;
    int limit = 0; // the most characters of a text
};

struct TableRules
{
    const char *table;
    const char *key;
    const char *rows; // the rows the import reads
    QList<ColumnRule> columns;
};

const char *const CardsRead = "1";
const char *const WorksRead = "IDScheda IN (SELECT IDScheda FROM Scheda)";
const char *const MovementsRead =
    "IDOpera IN (SELECT IDOpera FROM Opere WHERE IDScheda IN (SELECT IDScheda FROM Scheda))";

const QList<TableRules> &tableRules()
{
    using namespace FieldLimits;
    static const QList<TableRules> rules{
        {"Scheda",
         "IDScheda",
         CardsRead,
         {{"Data", Rule::Date},
          {"Tempo", Rule::Text, Weather},
          {"Vento", Rule::Text, Weather},
          {"Fattore", Rule::Text, ChiefWorker},
          {"Assenti", Rule::Text, People},
          {"Ferie", Rule::Text, People},
          {"Permesso", Rule::Text, People},
          {"Malattia", Rule::Text, People},
          {"Infortunio", Rule::Text, People},
          {"Pioggia", Rule::NotNegative},
          {"TempMax", Rule::Number},
          {"TempMin", Rule::Number}}},
        {"Opere",
         "IDOpera",
         WorksRead,
         {{"OreOrd", Rule::Hours},
          {"OreStr", Rule::Hours},
          {"OreFest", Rule::Hours},
          {"CodOperaio", Rule::Code},
          {"CodOperazione", Rule::Code},
          {"CodMacch1", Rule::Code},
          {"CodMacch2", Rule::Code},
          {"CodMacch3", Rule::Code},
          {"CodCentro", Rule::Code},
          {"CodCampo", Rule::Integer},
          {"Tipo Centro", Rule::Kind},
          {"Aggiornato", Rule::Integer}}},
        {"Magazzino",
         "IDBolla",
         MovementsRead,
         {{"Codice Articolo", Rule::Code},
          {"CodCentro", Rule::Code},
          {"CodCampo", Rule::Integer},
          {"Tipo Bolla", Rule::MovementType},
          {"Tipo Centro", Rule::Kind},
          // Movements out of the store may be kept negative.
          {"Quantita", Rule::Number},
          {"Prezzo", Rule::Number},
          {"RifDoc", Rule::Text, DocumentRef},
          {"Fase", Rule::Text, Stage},
          {"UniMis", Rule::Text, Unit},
          {"Avverso", Rule::Text, Adversity},
          {TreatmentColumns::TreatedArea, Rule::Positive},
          {TreatmentColumns::BbchStage, Rule::BbchStage},
          {TreatmentColumns::ApplicationTime, Rule::TimeOfDay}}},
        {"Articoli",
         "rowid",
         CardsRead,
         {{"Codice", Rule::RegistryKey},
          {"Descrizione", Rule::Text, Description},
          {"UnMis", Rule::Text, Unit},
          {"Costo Unitario", Rule::NotNegative},
          {"NumeroRegistrazione", Rule::Text, AuthorisationNumber}}},
        {"Campi",
         "rowid",
         CardsRead,
         {{"Codice", Rule::RegistryKey},
          {"Descrizione", Rule::Text, Description},
          {"Località", Rule::Text, Description},
          {"Centro", Rule::Code},
          {"Superficie", Rule::RegistryNumber},
          {"Anno", Rule::Integer},
          {TreatmentColumns::ParcelId, Rule::Text, RegistryForm::MaxParcelId},
          {TreatmentColumns::Municipality, Rule::Text, RegistryForm::MaxMunicipality},
          {TreatmentColumns::Sheet, Rule::Text, RegistryForm::MaxSheet},
          {TreatmentColumns::CadastralParcel, Rule::Text, RegistryForm::MaxCadastralParcel},
          {TreatmentColumns::Geometry, Rule::Outline}}},
        {"Centri",
         "rowid",
         CardsRead,
         {{"Codice", Rule::RegistryKey},
          {"Descrizione", Rule::Text, Description},
          {"Campo", Rule::Integer},
          {"Macchina", Rule::Integer},
          {"SupAnno", Rule::RegistryNumber},
          {"CodiceEPPO", Rule::Text, EppoCode}}},
        {"Operai",
         "rowid",
         CardsRead,
         {{"Codice", Rule::RegistryKey},
          {"Nome", Rule::Text, Description},
          {"Rapporto", Rule::Integer}}},
        {"Operazioni",
         "rowid",
         CardsRead,
         {{"Codice", Rule::RegistryKey}, {"Descrizione", Rule::Text, Description}}},
    };
    return rules;
}

bool isNumber(const QString &type)
{
    return type == QLatin1String("integer") || type == QLatin1String("real");
}

bool isDateText(const QString &text)
{
    static const QRegularExpression shape(
        QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2}) (\\d{2}):(\\d{2}):(\\d{2})$"));
    const QRegularExpressionMatch m = shape.match(text);
    if (!m.hasMatch())
        return false;
    auto part = [&m](int n) { return m.captured(n).toInt(); };
    return QDate(part(1), part(2), part(3)).isValid() && QTime(part(4), part(5), part(6)).isValid();
}

bool isTimeText(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^([01]\\d|2[0-3]):[0-5]\\d$"));
    return shape.match(text).hasMatch();
}

bool integerBetween(const QVariant &value, const QString &type, qint64 low, qint64 high)
{
    if (type != QLatin1String("integer"))
        return false;
    const qint64 number = value.toLongLong();
    return number >= low && number <= high;
}

bool numberBetween(const QVariant &value, const QString &type, double low, double high)
{
    if (!isNumber(type))
        return false;
    const double number = value.toDouble();
    return std::isfinite(number) && number >= low && number <= high;
}

// What is wrong with the value, or an empty text when the rule takes it.
QString problem(const ColumnRule &column, const QVariant &value, const QString &type)
{
    constexpr double anyNumber = std::numeric_limits<double>::max();
    const bool null = type == QLatin1String("null");
    switch (column.rule) {
    case Rule::Date:
        return !null && type == QLatin1String("text") && isDateText(value.toString())
                   ? QString()
                   : ArchiveValueCheck::tr("a date written YYYY-MM-DD HH:MM:SS is expected");
    case Rule::Hours:
        return null || numberBetween(value, type, 0, 24)
                   ? QString()
                   : ArchiveValueCheck::tr("hours from 0 to 24 are expected");
    case Rule::Code:
        return null || integerBetween(value, type, 0, WorkEntry::MaxCode)
                   ? QString()
                   : ArchiveValueCheck::tr("a code from %1 to %2 is expected")
                         .arg(0)
                         .arg(WorkEntry::MaxCode);
    case Rule::RegistryKey:
        return integerBetween(value, type, RegistryForm::MinCode, RegistryForm::MaxCode)
                   ? QString()
                   : ArchiveValueCheck::tr("a code from %1 to %2 is expected")
                         .arg(RegistryForm::MinCode)
                         .arg(RegistryForm::MaxCode);
    case Rule::Integer:
        return null || type == QLatin1String("integer")
                   ? QString()
                   : ArchiveValueCheck::tr("an integer is expected");
    case Rule::Kind:
        return null || integerBetween(value, type, 0, WorkEntry::KindCount - 1)
                   ? QString()
                   : ArchiveValueCheck::tr("a centre kind from %1 to %2 is expected")
                         .arg(0)
                         .arg(WorkEntry::KindCount - 1);
    case Rule::MovementType:
        return null || integerBetween(value, type, 0, WorkEntry::MovementTypeCount - 1)
                   ? QString()
                   : ArchiveValueCheck::tr("a movement type from %1 to %2 is expected")
                         .arg(0)
                         .arg(WorkEntry::MovementTypeCount - 1);
    case Rule::Number:
        return null || numberBetween(value, type, -anyNumber, anyNumber)
                   ? QString()
                   : ArchiveValueCheck::tr("a number is expected");
    case Rule::NotNegative:
        return null || numberBetween(value, type, 0, anyNumber)
                   ? QString()
                   : ArchiveValueCheck::tr("a number that is not negative is expected");
    case Rule::RegistryNumber:
        return null || numberBetween(value, type, 0, RegistryForm::MaxNumber)
                   ? QString()
                   : ArchiveValueCheck::tr("a number from 0 to %1 is expected")
                         .arg(QString::number(RegistryForm::MaxNumber, 'f', 0));
    case Rule::Text:
        if (null)
            return {};
        if (type != QLatin1String("text"))
            return ArchiveValueCheck::tr("a text is expected");
        return value.toString().size() <= column.limit
                   ? QString()
                   : ArchiveValueCheck::tr("no more than %1 characters are allowed")
                         .arg(column.limit);
    case Rule::Positive:
        return null || numberBetween(value, type, std::numeric_limits<double>::min(), anyNumber)
                   ? QString()
                   : ArchiveValueCheck::tr("a number above 0 is expected");
    case Rule::BbchStage:
        return null || (type == QLatin1String("text") && BbchStages::isCode(value.toString()))
                   ? QString()
                   : ArchiveValueCheck::tr("a BBCH stage of two digits is expected");
    case Rule::TimeOfDay:
        return null || (type == QLatin1String("text") && isTimeText(value.toString()))
                   ? QString()
                   : ArchiveValueCheck::tr("a time written HH:MM is expected");
    case Rule::Outline: {
        if (null)
            return {};
        QString reason = ArchiveValueCheck::tr("a text is expected");
        if (type == QLatin1String("text") &&
            ParcelGeometry::fromGeoJson(value.toString().toUtf8(), &reason))
            return {};
        return reason;
    }
    }
    return {};
}

// The value as the message shows it: a long text only by its start and length.
QString shown(const QVariant &value, const QString &type)
{
    constexpr int shownCharacters = 40;
    if (type == QLatin1String("null"))
        return QStringLiteral("NULL");
    if (type == QLatin1String("blob"))
        return ArchiveValueCheck::tr("binary data of %1 bytes").arg(value.toByteArray().size());
    if (type == QLatin1String("real"))
        return QString::number(value.toDouble(), 'g', 17);
    if (type != QLatin1String("text"))
        return value.toString();
    const QString text = value.toString();
    if (text.size() <= shownCharacters)
        return QLatin1Char('"') + text + QLatin1Char('"');
    return ArchiveValueCheck::tr("\"%1…\" (%2 characters)")
        .arg(text.left(shownCharacters))
        .arg(text.size());
}

void checkTable(Database &source, const TableRules &table)
{
    const QString name = QString::fromUtf8(table.table);
    QList<ColumnRule> columns;
    QStringList selected{QString::fromLatin1(table.key)};
    for (const ColumnRule &column : table.columns) {
        const QString &columnName = column.column;
        // Columns of later versions are missing in older archives; the import skips them too.
        if (!SchemaUpgrade::hasColumn(source, name, columnName))
            continue;
        columns << column;
        selected << QStringLiteral("[%1]").arg(columnName)
                 << QStringLiteral("typeof([%1])").arg(columnName);
    }
    QSqlQuery rows =
        source.execute(QStringLiteral("SELECT %1 FROM [%2] WHERE %3 ORDER BY %4")
                           .arg(selected.join(QStringLiteral(", ")), name,
                                QString::fromLatin1(table.rows), QString::fromLatin1(table.key)));
    RowCursor cursor(rows);
    while (cursor.next()) {
        for (int i = 0; i < columns.size(); ++i) {
            const QVariant value = rows.value(1 + 2 * i);
            const QString type = rows.value(2 + 2 * i).toString();
            const QString wrong = problem(columns.at(i), value, type);
            if (wrong.isEmpty())
                continue;
            throw DbException(
                ArchiveValueCheck::tr("The archive's table %1 holds an impossible value in the row "
                                      "%2 %3, column %4: %5 (%6).")
                    .arg(name, QString::fromLatin1(table.key), rows.value(0).toString(),
                         columns.at(i).column, shown(value, type), wrong));
        }
    }
}

} // namespace

void ArchiveValueCheck::verify(Database &source)
{
    for (const TableRules &table : tableRules())
        checkTable(source, table);
}
