#include "PrintableText.h"

#include <algorithm>

namespace {

constexpr char16_t Escape = 0x1b;
constexpr char16_t Bell = 0x07;
// The 8-bit forms of the control sequence and operating system command introducers.
constexpr char16_t ControlSequence8 = 0x9b;
constexpr char16_t OperatingSystemCommand8 = 0x9d;

// The index just after a control sequence whose parameters start at from: it ends with its
// first character from '@' to '~'.
qsizetype afterControlSequence(const QString &text, qsizetype from)
{
    while (from < text.size()) {
        const char16_t c = text.at(from++).unicode();
        if (c >= u'@' && c <= u'~')
            return from;
    }
    return from;
}

// The index just after a string command (window title, hyperlink, device control) whose body
// starts at from: it ends with a bell or with ESC \.
qsizetype afterStringCommand(const QString &text, qsizetype from)
{
    while (from < text.size()) {
        const char16_t c = text.at(from++).unicode();
        if (c == Bell || c == 0x9c)
            return from;
        if (c == Escape && from < text.size() && text.at(from) == u'\\')
            return from + 1;
    }
    return from;
}

// The index just after the escape sequence that starts at the ESC at from.
qsizetype afterEscape(const QString &text, qsizetype from)
{
    if (from + 1 >= text.size())
        return from + 1;
    const char16_t next = text.at(from + 1).unicode();
    if (next == u'[')
        return afterControlSequence(text, from + 2);
    if (next == u']' || next == u'P' || next == u'X' || next == u'^' || next == u'_')
        return afterStringCommand(text, from + 2);
    // Two-character sequences, with any intermediate characters before their final one.
    qsizetype end = from + 1;
    while (end < text.size() && text.at(end).unicode() >= 0x20 && text.at(end).unicode() <= 0x2f)
        ++end;
    return std::min(end + 1, text.size());
}

} // namespace

QString PrintableText::of(const QString &text, qsizetype maxLength)
{
    QString shown;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c.unicode() == Escape) {
            i = afterEscape(text, i);
            continue;
        }
        if (c.unicode() == ControlSequence8) {
            i = afterControlSequence(text, i + 1);
            continue;
        }
        if (c.unicode() == OperatingSystemCommand8) {
            i = afterStringCommand(text, i + 1);
            continue;
        }
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            const char32_t code = QChar::surrogateToUcs4(c, text.at(i + 1));
            if (QChar::isPrint(code))
                shown += text.mid(i, 2);
            else
                shown += u' ';
            i += 2;
            continue;
        }
        shown += c.isPrint() ? c : QChar(u' ');
        ++i;
    }
    shown = shown.simplified();
    if (shown.size() > maxLength)
        shown = shown.left(maxLength) + QStringLiteral("...");
    return shown;
}
