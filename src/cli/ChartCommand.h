#pragma once

#include <QStringList>
#include <QTextStream>

class CommandLine;

// verdimo-cli chart (--pdf FILE | --png FILE | --svg FILE) [--db FILE]
//                   [--from YYYY-MM-DD --to YYYY-MM-DD] [--size WIDTHxHEIGHT]
// Draws the weather chart of the working period (or of the days given) into a PDF page, a PNG
// picture or an SVG drawing. Needs a QGuiApplication (the offscreen platform will do).
CommandLine chartCommandLine();
int runChartCommand(const QStringList &args, QTextStream &out, QTextStream &err);
