#pragma once

#include "base/Progress.h"

#include <functional>

// The window shown while the new version downloads: a text and a bar on line 0, and a way for
// the user to ask to stop. Destroying it closes it.
class DownloadDisplay : public Progress
{
public:
    // Called when the user presses Cancel or closes the window; the display stays open.
    virtual void setCancelHandler(std::function<void()> handler) = 0;
    virtual void open() = 0;
};
