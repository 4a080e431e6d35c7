#include "RegistryCascade.h"

#include "CodeChange.h"
#include "RegistryKey.h"
#include "db/Database.h"

#include <QLocale>

namespace {

RegistryStatement detachCentre(const QString &table, int code)
{
    return {QStringLiteral("UPDATE %1 SET [Tipo Centro] = 0, CodCampo = 0, CodCentro = 0 "
                           "WHERE CodCentro = ?")
                .arg(table),
            {code}};
}

} // namespace

QList<RegistryStatement> RegistryCascade::statements(int kind, int nodeCode, int recordCode,
                                                     int fieldYear)
{
    const QString opere = QStringLiteral("Opere");
    const QString magazzino = QStringLiteral("Magazzino");
    switch (kind) {
    case RegistryKey::Crop:
        return {{QStringLiteral("DELETE FROM Campi WHERE Centro = ?"), {nodeCode}},
                detachCentre(opere, recordCode),
                detachCentre(magazzino, recordCode)};
    case RegistryKey::Field:
        return {{QStringLiteral("UPDATE Magazzino SET [Tipo Centro] = 1, CodCampo = 0 "
                                "WHERE CodCampo = ? "
                                "AND IDOpera IN (SELECT IDOpera FROM Opere WHERE %1 = ?)")
                     .arg(CodeChange::workCardYear()),
                 {recordCode, fieldYear}},
                {QStringLiteral("UPDATE Opere SET [Tipo Centro] = 1, CodCampo = 0 "
                                "WHERE CodCampo = ? AND %1 = ?")
                     .arg(CodeChange::workCardYear()),
                 {recordCode, fieldYear}}};
    case RegistryKey::Machine:
        return {
            detachCentre(opere, recordCode),
            detachCentre(magazzino, recordCode),
            {QStringLiteral("UPDATE Opere SET CodMacch1 = 0 WHERE CodMacch1 = ?"), {recordCode}},
            {QStringLiteral("UPDATE Opere SET CodMacch2 = 0 WHERE CodMacch2 = ?"), {recordCode}},
            {QStringLiteral("UPDATE Opere SET CodMacch3 = 0 WHERE CodMacch3 = ?"), {recordCode}}};
    case RegistryKey::Other:
        return {detachCentre(opere, recordCode), detachCentre(magazzino, recordCode)};
    case RegistryKey::Worker:
        return {
            {QStringLiteral("UPDATE Opere SET CodOperaio = 0 WHERE CodOperaio = ?"), {recordCode}}};
    case RegistryKey::Operation:
        return {{QStringLiteral("UPDATE Opere SET CodOperazione = 0 WHERE CodOperazione = ?"),
                 {recordCode}}};
    case RegistryKey::Item:
        return {{QStringLiteral("UPDATE Magazzino SET [Codice Articolo] = 0 "
                                "WHERE [Codice Articolo] = ?"),
                 {recordCode}}};
    default:
        return {};
    }
}

void RegistryCascade::run(Database &db, int kind, int nodeCode, int recordCode, int fieldYear)
{
    for (const RegistryStatement &statement : statements(kind, nodeCode, recordCode, fieldYear))
        db.execute(statement.sql, statement.params);
}

RegistryCascade::Usage RegistryCascade::usage(Database &db, int kind, int nodeCode, int recordCode,
                                              int fieldYear)
{
    // The works the statements of the kind reach, as a condition on Opere and its values.
    QString works;
    QVariantList params;
    switch (kind) {
    case RegistryKey::Crop:
    case RegistryKey::Other:
        works = QStringLiteral("CodCentro = ?");
        params = {recordCode};
        break;
    case RegistryKey::Field:
        works = QStringLiteral("CodCampo = ? AND %1 = ?").arg(CodeChange::workCardYear());
        params = {recordCode, fieldYear};
        break;
    case RegistryKey::Machine:
        works = QStringLiteral("CodCentro = ? OR CodMacch1 = ? OR CodMacch2 = ? OR CodMacch3 = ?");
        params = {recordCode, recordCode, recordCode, recordCode};
        break;
    case RegistryKey::Worker:
        works = QStringLiteral("CodOperaio = ?");
        params = {recordCode};
        break;
    case RegistryKey::Operation:
        works = QStringLiteral("CodOperazione = ?");
        params = {recordCode};
        break;
    case RegistryKey::Item:
        // An item is used by stock movements, each on the card of its work.
        works = QStringLiteral("IDOpera IN (SELECT IDOpera FROM Magazzino "
                               "WHERE [Codice Articolo] = ?)");
        params = {recordCode};
        break;
    default:
        return {};
    }
    Usage usage;
    const QString from = QStringLiteral(" FROM Opere WHERE (%1)").arg(works);
    if (kind == RegistryKey::Item) {
        usage.works = db.scalar(QStringLiteral("SELECT COUNT(*) FROM Magazzino "
                                               "WHERE [Codice Articolo] = ?"),
                                params)
                          .toInt();
    } else {
        usage.works = db.scalar(QStringLiteral("SELECT COUNT(*)") + from, params).toInt();
    }
    // A work still being entered belongs to no card yet.
    usage.cards = db.scalar(QStringLiteral("SELECT COUNT(DISTINCT IDScheda)") + from +
                                QStringLiteral(" AND IDScheda <> 0"),
                            params)
                      .toInt();
    if (kind == RegistryKey::Crop) {
        usage.fields =
            db.scalar(QStringLiteral("SELECT COUNT(*) FROM Campi WHERE Centro = ?"), {nodeCode})
                .toInt();
    }
    return usage;
}

QString RegistryCascade::deleteQuestion(int kind, const QString &name, const Usage &usage)
{
    if (usage.isEmpty())
        return tr("Do you want to delete %1 from registries?").arg(name);
    const QLocale locale;
    const QString works =
        usage.works == 1 ? tr("1 work") : tr("%1 works").arg(locale.toString(usage.works));
    const QString onCards = usage.cards == 0 ? tr("not yet on a card")
                            : usage.cards == 1
                                ? tr("on 1 card")
                                : tr("on %1 cards").arg(locale.toString(usage.cards));
    switch (kind) {
    case RegistryKey::Crop: {
        const QString fields =
            usage.fields == 1 ? tr("1 field")
                              : tr("%1 fields over the years").arg(locale.toString(usage.fields));
        if (usage.works == 0)
            return tr("The crop centre %1 has %2. Deleting it deletes those fields. Delete it?")
                .arg(name, fields);
        if (usage.fields == 0)
            return tr("The crop centre %1 is used by %2 %3. Deleting it leaves those works "
                      "without a cost centre. Delete it?")
                .arg(name, works, onCards);
        return tr("The crop centre %1 has %2 and is used by %3 %4. Deleting it deletes its "
                  "fields and leaves those works without a cost centre. Delete it?")
            .arg(name, fields, works, onCards);
    }
    case RegistryKey::Field:
        return tr("The field %1 is used by %2 %3 of its year. Deleting it books those works to "
                  "its crop centre. Delete it?")
            .arg(name, works, onCards);
    case RegistryKey::Machine:
        return tr("The machine %1 is used by %2 %3. Deleting it takes it off those works and "
                  "leaves the works booked to it without a cost centre. Delete it?")
            .arg(name, works, onCards);
    case RegistryKey::Other:
        return tr("The cost centre %1 is used by %2 %3. Deleting it leaves those works without "
                  "a cost centre. Delete it?")
            .arg(name, works, onCards);
    case RegistryKey::Worker:
        return tr("The worker %1 is used by %2 %3. Deleting the worker leaves those works "
                  "without a worker. Delete it?")
            .arg(name, works, onCards);
    case RegistryKey::Operation:
        return tr("The operation %1 is used by %2 %3. Deleting it leaves those works without an "
                  "operation. Delete it?")
            .arg(name, works, onCards);
    case RegistryKey::Item:
        return tr("The item %1 is used by %2 %3. Deleting it leaves those stock movements "
                  "without an item. Delete it?")
            .arg(name,
                 usage.works == 1 ? tr("1 stock movement")
                                  : tr("%1 stock movements").arg(locale.toString(usage.works)),
                 onCards);
    default:
        return tr("Do you want to delete %1 from registries?").arg(name);
    }
}
