#pragma once

#include "StatisticsLists.h"

// Which statistics list goes with a node of the registry tree, as the registries view shows it
// and the command line prints it.
namespace RegistryLists {

// Fills lists with the list of the node key (RegistryKey): a folder's totals, the works or
// movements of one record, the activity on every field for the cost centres. A key of no
// kind of the tree leaves the list as it is.
void fill(StatisticsLists &lists, int key, StatisticsLists::Choice choice);

// The list of the node key is gathered in a helper table of the database, which a database
// that can only be read cannot hold.
bool writesDatabase(int key);

} // namespace RegistryLists
