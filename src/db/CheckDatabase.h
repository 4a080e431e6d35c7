#pragma once

#include <QString>

class Prompter;

// True when path names a database this program can work on; otherwise tells the user why
// ("Database not found!" or "Database not compatible for the Verdimo software!").
bool CheckDatabase(const QString &path, Prompter &prompter);
