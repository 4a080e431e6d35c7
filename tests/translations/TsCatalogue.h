#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One message of a Qt Linguist .ts file.
struct TsMessage
{
    QString context;
    QString source;
    QString comment;
    QStringList translations; // one per plural form for a numerus message
    bool unfinished = false;
    bool obsolete = false; // kept for a text gone from the sources ("vanished", "obsolete")

    QString name() const;
};

// Reads the messages of a .ts file; on failure returns nothing and sets *error.
QList<TsMessage> readTsFile(const QString &path, QString *error);

// What is wrong with a live message's translation, one line per fault: missing or unfinished,
// a different set of placeholders (%1, %n, %s...), a different shortcut hint after a tab, a lost
// or doubled accelerator, different blanks at the ends.
QStringList translationProblems(const TsMessage &message);
