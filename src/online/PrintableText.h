#pragma once

#include <QString>

// A text that came from a server, made safe to show in a terminal or a window: escape
// sequences (colours, cursor moves, window titles, hyperlinks) are removed, every other
// control or format character (including the ones that reverse the reading direction) gives
// way to a space, and a text longer than maxLength is cut and marked with "...". What is
// left cannot move the cursor, clear the screen or disguise what follows it.
class PrintableText
{
public:
    static QString of(const QString &text, qsizetype maxLength = 200);
};
