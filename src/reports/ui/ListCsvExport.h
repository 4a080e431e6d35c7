#pragma once

#include "reports/ModelCsvExport.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class Prompter;
class StatisticsModel;

// "Export list as CSV…" of the registries view: every row of the statistics list shown (also
// those the list has not fetched yet), with the list's columns, numbers as numbers and dates in
// ISO 8601, to the file the user chooses.
class ListCsvExport
{
    Q_DECLARE_TR_FUNCTIONS(ListCsvExport)

public:
    // How each column of the model is written: one whose every filled cell is a number is a
    // number (a percentage with "%"), any other is text as shown; a column of dates is text,
    // which table() shows in ISO 8601.
    static QList<ModelCsvExport::ColumnKind> columnKinds(const QAbstractItemModel &model);
    // The list's table; fetches the rest of the list first.
    static CsvTable table(StatisticsModel &model);
    // Asks for the file (suggesting one named after the list), writes it and says so.
    static bool run(StatisticsModel &model, const QString &listName, Prompter &prompter);
};
