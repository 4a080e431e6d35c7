#include "LockKeyState.h"

#include <QDir>
#include <QFile>

std::optional<bool> LockKeyState::isOn(Key key)
{
    static const char *const suffixes[] = {"::capslock", "::numlock", "::scrolllock"};
    const QString suffix = QString::fromLatin1(suffixes[key]);
    const QDir leds(QStringLiteral("/sys/class/leds"));
    const QStringList names = leds.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::optional<bool> state;
    for (const QString &name : names) {
        if (!name.endsWith(suffix))
            continue;
        QFile brightness(leds.filePath(name + QStringLiteral("/brightness")));
        if (!brightness.open(QIODevice::ReadOnly))
            continue;
        const bool on = brightness.readAll().trimmed().toInt() > 0;
        state = state.value_or(false) || on;
    }
    return state;
}
