#include "CodeInUse.h"

#include "RegistryKey.h"
#include "db/CArticoliSet.h"
#include "db/CCentriSet.h"
#include "db/COperaiSet.h"
#include "db/COperazioniSet.h"
#include "db/Database.h"

#include <memory>

namespace {

struct SpaceSet
{
    std::unique_ptr<RecordSet> set;
    int holderColumn;
};

SpaceSet openSpace(Database &db, CodeSpace space)
{
    switch (space) {
    case CodeSpace::Centres:
        return {std::make_unique<CCentriSet>(db), CCentriSet::Descrizione};
    case CodeSpace::Workers:
        return {std::make_unique<COperaiSet>(db), COperaiSet::Nome};
    case CodeSpace::Operations:
        return {std::make_unique<COperazioniSet>(db), COperazioniSet::Descrizione};
    case CodeSpace::Items:
        break;
    }
    return {std::make_unique<CArticoliSet>(db), CArticoliSet::Descrizione};
}

} // namespace

bool CodeInUse(Database *db, CodeSpace space, const QString &code, QString *holder)
{
    if (holder)
        holder->clear();
    if (!db || !db->isOpen())
        return true;
    SpaceSet spaceSet = openSpace(*db, space);
    bool numeric = false;
    const int value = code.toInt(&numeric);
    spaceSet.set->setFilter(QStringLiteral("Codice = ?"),
                            {numeric ? QVariant(value) : QVariant(code)});
    spaceSet.set->open();
    const bool taken = !spaceSet.set->isEOF();
    if (taken && holder)
        *holder = spaceSet.set->value(spaceSet.holderColumn).toString();
    spaceSet.set->close();
    return taken;
}

bool codeSpaceOfKind(int kind, CodeSpace *space)
{
    switch (kind) {
    case RegistryKey::Crop:
    case RegistryKey::Machine:
    case RegistryKey::Other:
        *space = CodeSpace::Centres;
        return true;
    case RegistryKey::Worker:
        *space = CodeSpace::Workers;
        return true;
    case RegistryKey::Operation:
        *space = CodeSpace::Operations;
        return true;
    case RegistryKey::Item:
        *space = CodeSpace::Items;
        return true;
    default:
        return false;
    }
}
