#include "TsCatalogue.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

QString TsMessage::name() const
{
    QString text = context + QStringLiteral(" \"") + source + QLatin1Char('"');
    if (!comment.isEmpty())
        text += QStringLiteral(" (") + comment + QLatin1Char(')');
    return text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

namespace {
void readTranslation(QXmlStreamReader &reader, TsMessage &message)
{
    const QStringView type = reader.attributes().value(QStringLiteral("type"));
    message.unfinished = type == QStringLiteral("unfinished");
    message.obsolete = type == QStringLiteral("vanished") || type == QStringLiteral("obsolete");
    bool numerus = false;
    QString text;
    while (reader.readNext() != QXmlStreamReader::EndElement ||
           reader.name() != QStringLiteral("translation")) {
        if (reader.atEnd())
            return;
        if (reader.isStartElement() && reader.name() == QStringLiteral("numerusform")) {
            numerus = true;
            message.translations.append(reader.readElementText());
        } else if (reader.isCharacters()) {
            text += reader.text();
        }
    }
    if (!numerus)
        message.translations.append(text);
}

TsMessage readMessage(QXmlStreamReader &reader, const QString &context)
{
    TsMessage message;
    message.context = context;
    while (reader.readNextStartElement()) {
        if (reader.name() == QStringLiteral("source"))
            message.source = reader.readElementText();
        else if (reader.name() == QStringLiteral("comment"))
            message.comment = reader.readElementText();
        else if (reader.name() == QStringLiteral("translation"))
            readTranslation(reader, message);
        else
            reader.skipCurrentElement();
    }
    return message;
}
} // namespace

QList<TsMessage> readTsFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return {};
    }
    QList<TsMessage> messages;
    QXmlStreamReader reader(&file);
    QString context;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (reader.name() == QStringLiteral("name"))
            context = reader.readElementText();
        else if (reader.name() == QStringLiteral("message"))
            messages.append(readMessage(reader, context));
    }
    if (reader.hasError()) {
        *error = QStringLiteral("%1, line %2: %3")
                     .arg(path)
                     .arg(reader.lineNumber())
                     .arg(reader.errorString());
        return {};
    }
    return messages;
}

namespace {
QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%(L?[0-9]{1,2}|n|s|d|[0-9.]*[dfs])"));
    QStringList found;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

// The accelerator marks of a text: "&x" counts, "&&" is a literal ampersand.
int accelerators(const QString &text)
{
    int count = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) != QLatin1Char('&'))
            ++count;
        ++i;
    }
    return count;
}

QString shortcutHint(const QString &text)
{
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    return tab < 0 ? QString() : text.mid(tab + 1);
}

QString outerBlanks(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return text;
    const qsizetype start = text.indexOf(trimmed);
    return text.left(start) + QLatin1Char('|') + text.mid(start + trimmed.size());
}
} // namespace

QStringList translationProblems(const TsMessage &message)
{
    if (message.unfinished)
        return {QStringLiteral("unfinished")};
    if (message.translations.isEmpty())
        return {QStringLiteral("no translation")};
    QStringList problems;
    for (const QString &translation : message.translations) {
        if (translation.isEmpty()) {
            problems.append(QStringLiteral("empty translation"));
            continue;
        }
        if (placeholders(translation) != placeholders(message.source))
            problems.append(QStringLiteral("placeholders %1 instead of %2")
                                .arg(placeholders(translation).join(QLatin1Char(' ')),
                                     placeholders(message.source).join(QLatin1Char(' '))));
        if (shortcutHint(translation) != shortcutHint(message.source))
            problems.append(QStringLiteral("shortcut hint \"%1\" instead of \"%2\"")
                                .arg(shortcutHint(translation), shortcutHint(message.source)));
        if (accelerators(translation) != accelerators(message.source))
            problems.append(QStringLiteral("%1 accelerators instead of %2")
                                .arg(accelerators(translation))
                                .arg(accelerators(message.source)));
        if (outerBlanks(translation) != outerBlanks(message.source))
            problems.append(QStringLiteral("blanks at the ends differ"));
    }
    return problems;
}
