#pragma once

class Database;

// Carries the registry codes kept beside the merged registries — an item's authorisation
// number, a crop centre's EPPO code — from an archive into the working database, matching rows
// by code. With overwrite the archive's value replaces the working one; without, it only fills
// a value the working database lacks. An archive of an older installation has no such values
// and changes nothing. Raises DbException; the caller's transaction makes it all or nothing.
class ArchiveRegistryCodes
{
public:
    static void merge(Database &source, Database &target, bool overwrite);
};
