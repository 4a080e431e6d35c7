#pragma once

#include <QtGlobal>

// Every node of the registry tree carries one integer: the record's code in the high 16 bits
// and the node kind in the low 16 bits. Folders have code 0.
namespace RegistryKey {

enum Kind : int {
    CostCenters = 0,
    Crop = 1,
    Field = 2,
    Machine = 3,
    Other = 4,
    Worker = 5,
    Operation = 6,
    Item = 7,
};

constexpr int make(int code, int kind)
{
    return code * 65536 + kind;
}
constexpr int kindOf(int key)
{
    return key % 65536;
}
constexpr int codeOf(int key)
{
    return key / 65536;
}
constexpr bool isFolder(int key)
{
    return codeOf(key) == 0;
}

} // namespace RegistryKey
