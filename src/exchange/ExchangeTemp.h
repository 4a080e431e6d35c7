#pragma once

#include <QString>

// The temporary folders of export, import and backup. Their names carry the owning process,
// "verdimo-<pid>-XXXXXX" in the system's temporary folder, so that the folders of a run that
// was killed (30 MB each on a large farm) can be told apart and removed at the next start.
namespace ExchangeTemp {

// The QTemporaryDir template of a new folder of this process.
QString folderTemplate();

// Removes the folders whose process has ended, and those older than a day whatever their
// process (its number may have been given to another program since). The folders of this
// process stay. Returns how many were removed.
int removeStale();

// Removes every folder of this process: the last word of a command that is interrupted, or
// whose folders outlived it.
int removeOwn();

} // namespace ExchangeTemp
