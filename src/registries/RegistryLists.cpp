#include "RegistryLists.h"

#include "RegistryKey.h"
#include "RegistryKinds.h"

void RegistryLists::fill(StatisticsLists &lists, int key, StatisticsLists::Choice choice)
{
    const RegistryKindInfo *kind = RegistryKinds::find(RegistryKey::kindOf(key));
    if (!kind)
        return;
    const int code = RegistryKey::codeOf(key);
    const RegistryKindInfo::ListFill list = code > 0 ? kind->recordList : kind->folderList;
    list(lists, kind->kind, code, choice);
}

bool RegistryLists::writesDatabase(int key)
{
    const RegistryKindInfo *kind = RegistryKinds::find(RegistryKey::kindOf(key));
    return kind && kind->listsWrite;
}
