#pragma once

#include <QString>

class Database;

// The sets of records within which a code must be unique. Fields have no code space: the same
// field code recurs once per year.
enum class CodeSpace { Centres, Workers, Operations, Items };

// True when some record of the space holds code (written as text), with that record's
// description or name in holder. Without a database every code counts as taken, with an empty
// holder.
bool CodeInUse(Database *db, CodeSpace space, const QString &code, QString *holder);

// The code space of a node kind (RegistryKey); false for fields and folders of no space.
bool codeSpaceOfKind(int kind, CodeSpace *space);
