#pragma once

#include <QCoreApplication>
#include <QString>

class Prompter;
class StatisticsModel;

// "Export list as CSV…" of the registries view: every row of the statistics list shown (also
// those the list has not fetched yet), with the list's columns, each cell written as the value
// it holds: numbers as numbers, dates in ISO 8601, texts as shown.
class ListCsvExport
{
    Q_DECLARE_TR_FUNCTIONS(ListCsvExport)

public:
    // Asks for the file (suggesting one named after the list), writes it and says so.
    static bool run(StatisticsModel &model, const QString &listName, Prompter &prompter);
};
