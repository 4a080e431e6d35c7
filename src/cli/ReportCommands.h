#pragma once

#include <QStringList>
#include <QTextStream>

class CommandLine;

// verdimo-cli process [--db FILE] [--from YYYY-MM-DD --to YYYY-MM-DD]
// Rebuilds the cost and revenue totals of the working period (or of the days given).
CommandLine processCommandLine();
int runProcessCommand(const QStringList &args, QTextStream &out, QTextStream &err);

// verdimo-cli print KIND --pdf FILE [--db FILE] [--from .. --to ..] [--process] [--economic]
//                   [--date YYYY-MM-DD]
//         verdimo-cli print registry NODE --pdf FILE [--db FILE] [--from .. --to ..] [--movements]
// Writes the pages the card view's print command prints for KIND, or the registries view's print
// of a node, into a PDF file. Needs a QGuiApplication (the offscreen platform will do).
CommandLine printCommandLine();
int runPrintCommand(const QStringList &args, QTextStream &out, QTextStream &err);
