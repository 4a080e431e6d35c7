#pragma once

#include <optional>

// Whether Caps Lock, Num Lock and Scroll Lock are on, as the keyboard lights show it. Qt has no
// portable way to ask; Linux exposes the lights under /sys/class/leds. Unknown when no
// keyboard light can be read (remote sessions, virtual displays).
class LockKeyState
{
public:
    enum Key { CapsLock, NumLock, ScrollLock };

    static std::optional<bool> isOn(Key key);
};
