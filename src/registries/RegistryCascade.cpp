#include "RegistryCascade.h"

#include "CodeChange.h"
#include "RegistryKey.h"
#include "db/Database.h"

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
