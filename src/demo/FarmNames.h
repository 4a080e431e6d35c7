#pragma once

#include <QString>

// The names of a generated farm, taken from the registries of an Italian mixed farm: workers,
// crops with their fields, machines, other centres, operations and items. Numbers count from 0;
// past the end of a list the names start again with a number after them, so a farm of any
// size gets distinct names.
namespace FarmNames {

QString worker(int i);
QString crop(int i);
// The EPPO code of the crop's plant.
QString cropEppoCode(int i);
// The fields of a crop are named after the places they lie in.
QString field(int i);
QString machine(int i);
// The machine's year of purchase.
int machineYear(int i);
QString otherCentre(int i);
QString operation(int i);

} // namespace FarmNames
