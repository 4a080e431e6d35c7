#pragma once

#include <QString>

class Prompter;

// What a file offers as a working database.
enum class DatabaseState {
    Usable,
    ReadOnly,     // a database of this program that this user cannot write
    Missing,      // absent, empty, or not a database at all
    Incompatible, // a database, but not one of this program
    Damaged,      // a database of this program whose pages the engine's quick check refuses
};

// Raises DbException (Busy) when another program holds the file, which says nothing of it.
DatabaseState InspectDatabase(const QString &path);

// True when path names a database this program can work on, also when it can only be read;
// otherwise tells the user why ("Database not found!" or "Database not compatible for the
// Verdimo software!", or that it is damaged). A database that can only be read is named as such.
bool CheckDatabase(const QString &path, Prompter &prompter);
