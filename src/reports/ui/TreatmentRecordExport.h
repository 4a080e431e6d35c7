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

// File › Export treatment record…: the working period's treatments written as CSV, JSON or
// GeoJSON to the file the user chooses, then how many were written and which of them lack an
// element of the record; the window lists those in a dialog from which the user opens a work
// to complete it.
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
    // Shows the incomplete treatments under the headline of what was written.
    using IncompleteLister = std::function<void(
        const QString &headline, const QList<TreatmentRecord::Treatment> &incomplete)>;
    // Opens the card and the work of a treatment.
    using WorkOpener = std::function<void(qint64 cardId, qint64 workId)>;

    // The most incomplete treatments named in the message; the rest are counted.
    static constexpr int MaxListed = 15;

    TreatmentRecordExport(Database &db, const WorkingPeriod &period, Prompter &prompter);

    // Asks for the file and writes it; false when cancelled or failed (the user was told).
    bool run(const Chooser &chooser, const TreatmentRecord::Company &company);
    // Without a lister the incomplete treatments are named in the message after writing.
    void setIncompleteLister(IncompleteLister lister) { m_lister = std::move(lister); }

    // A name the user typed with the filter chosen: a .json, .geojson or .csv name keeps its
    // format, any other name takes the filter's format and its suffix.
    static Destination destinationFor(const QString &typed, TreatmentRecord::Format filter);
    // The save dialog of the window.
    static Chooser dialogChooser(QWidget *parent);
    // The list dialog of the window; a double click hands the treatment's work to open.
    static IncompleteLister dialogLister(QWidget *parent, WorkOpener open);
    // What the user is told after writing.
    static QString report(const TreatmentRecord &record, const QString &path);
    // Its first lines: how many were written, how many are incomplete.
    static QString headline(const TreatmentRecord &record, const QString &path);

private:
    QString suggestedPath() const;

    Database &m_db;
    WorkingPeriod m_period;
    Prompter &m_prompter;
    IncompleteLister m_lister;
};
