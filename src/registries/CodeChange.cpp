#include "CodeChange.h"

#include "RegistryKey.h"
#include "db/Database.h"

namespace {

// Works and movements booked on a centre of one of the given cost-centre types.
QList<RegistryStatement> bookedOnCentre(const QString &types, int oldCode, int newCode)
{
    QList<RegistryStatement> list;
    for (const QString &table : {QStringLiteral("Opere"), QStringLiteral("Magazzino")})
        list.append({QStringLiteral("UPDATE %1 SET CodCentro = ? "
                                    "WHERE CodCentro = ? AND [Tipo Centro] IN (%2)")
                         .arg(table, types),
                     {newCode, oldCode}});
    return list;
}

} // namespace

QString CodeChange::workCardYear()
{
    return QStringLiteral("(SELECT CAST(strftime('%Y', Data) AS INTEGER) FROM Scheda "
                          "WHERE Scheda.IDScheda = Opere.IDScheda)");
}

QList<RegistryStatement> CodeChange::statements(int kind, int oldCode, int newCode,
                                                const Field &field)
{
    switch (kind) {
    case RegistryKey::Crop:
        return QList<RegistryStatement>{{QStringLiteral("UPDATE Campi SET Centro = ? WHERE "
                                                        "Centro = ?"),
                                         {newCode, oldCode}}} +
               bookedOnCentre(QStringLiteral("1, 2"), oldCode, newCode);
    case RegistryKey::Machine: {
        QList<RegistryStatement> list = bookedOnCentre(QStringLiteral("3"), oldCode, newCode);
        for (int machine = 1; machine <= 3; ++machine)
            list.append({QStringLiteral("UPDATE Opere SET CodMacch%1 = ? WHERE CodMacch%1 = ?")
                             .arg(machine),
                         {newCode, oldCode}});
        return list;
    }
    case RegistryKey::Other:
        return bookedOnCentre(QStringLiteral("4"), oldCode, newCode);
    case RegistryKey::Field: {
        const QString cardYear = workCardYear();
        return {{QStringLiteral("UPDATE Magazzino SET CodCampo = ? "
                                "WHERE CodCampo = ? AND [Tipo Centro] = 2 AND CodCentro = ? "
                                "AND IDOpera IN (SELECT IDOpera FROM Opere WHERE %1 = ?)")
                     .arg(cardYear),
                 {newCode, oldCode, field.centre, field.year}},
                {QStringLiteral("UPDATE Opere SET CodCampo = ? "
                                "WHERE CodCampo = ? AND [Tipo Centro] = 2 AND CodCentro = ? "
                                "AND %1 = ?")
                     .arg(cardYear),
                 {newCode, oldCode, field.centre, field.year}}};
    }
    case RegistryKey::Worker:
        return {{QStringLiteral("UPDATE Opere SET CodOperaio = ? WHERE CodOperaio = ?"),
                 {newCode, oldCode}}};
    case RegistryKey::Operation:
        return {{QStringLiteral("UPDATE Opere SET CodOperazione = ? WHERE CodOperazione = ?"),
                 {newCode, oldCode}}};
    case RegistryKey::Item:
        return {{QStringLiteral("UPDATE Magazzino SET [Codice Articolo] = ? "
                                "WHERE [Codice Articolo] = ?"),
                 {newCode, oldCode}}};
    default:
        return {};
    }
}

void CodeChange::run(Database &db, int kind, int oldCode, int newCode, const Field &field)
{
    for (const RegistryStatement &statement : statements(kind, oldCode, newCode, field))
        db.execute(statement.sql, statement.params);
}
