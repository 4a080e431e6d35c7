#pragma once

class Database;

// A small farm with known hours and movements in 2015 (cards inside and just outside the
// period, a pending work, a field movement without a centre, an item with only sales, a
// movement type outside 1..5). The figures the tests expect are worked out by hand from it.
namespace RegistryFixture {

void seed(Database &db);

} // namespace RegistryFixture
