#pragma once

// The temporary folders of a command-line run: those left by runs that were killed are removed
// when the run starts, and the run's own when it ends, returning, or stopped by an interrupt,
// a hang-up or a termination request. The signals are handed to a thread of its own, where the
// folders can be removed safely, after which the signal ends the program as it would have.
// One lives for the whole of main().
class TempFolderCleanup
{
public:
    TempFolderCleanup();
    ~TempFolderCleanup();
    TempFolderCleanup(const TempFolderCleanup &) = delete;
    TempFolderCleanup &operator=(const TempFolderCleanup &) = delete;
};
