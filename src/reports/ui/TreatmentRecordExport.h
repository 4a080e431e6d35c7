#pragma once

#include "base/WorkingPeriod.h"
#include "reports/TreatmentRecord.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <optional>

class Database;
class Prompter;
class QWidget;

// File › Export treatment record…: the working period's treatments written as CSV or JSON to
// the file the user chooses, then how many were written and which of them the registries leave
// without an authorisation number or an EPPO code.
class TreatmentRecordExport
{
    Q_DECLARE_TR_FUNCTIONS(TreatmentRecordExport)

public:
    struct Destination
    {
        QString path;
        TreatmentRecord::Format format = TreatmentRecord::Format::Csv;
    };
    // Nothing when the user cancelled.
    using Chooser = std::function<std::optional<Destination>(const QString &suggestedPath)>;

    // The most incomplete treatments named in the message; the rest are counted.
    static constexpr int MaxListed = 15;

    TreatmentRecordExport(Database &db, const WorkingPeriod &period, Prompter &prompter);

    // Asks for the file and writes it; false when cancelled or failed (the user was told).
    bool run(const Chooser &chooser, const TreatmentRecord::Company &company);

    // A name the user typed with the filter chosen: a .json or .csv name keeps its format, any
    // other name takes the filter's format and its suffix.
    static Destination destinationFor(const QString &typed, TreatmentRecord::Format filter);
    // The save dialog of the window.
    static Chooser dialogChooser(QWidget *parent);
    // What the user is told after writing.
    static QString report(const TreatmentRecord &record, const QString &path);

private:
    QString suggestedPath() const;

    Database &m_db;
    WorkingPeriod m_period;
    Prompter &m_prompter;
};
