#pragma once

#include "PageSurface.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

class CsvTable;

class Progress;

// One printable report with the steps of a print job: count the pages (0 refuses the job,
// noDataMessage() says why), begin, draw page n of N, end. The same object serves printing,
// preview and PDF output.
class Report
{
public:
    virtual ~Report() = default;

    virtual int countPages(Progress &progress) = 0;
    virtual QString noDataMessage() const;
    // Landscape pages instead of portrait ones, A4 either way.
    virtual bool landscape() const { return false; }
    virtual void begin() {}
    virtual void drawPage(PageSurface &surface, int page, int pageCount) = 0;
    virtual void end() {}

    // Draws one page in the base font of the card reports and gives the surface its previous
    // font back.
    void printPage(PageSurface &surface, int page, int pageCount);

    static PageFont baseFont();

    // The table the pages print, for CSV: the names of its columns (none when the report prints
    // no table) and the rows page prints, one per printed row, numbers as numbers.
    virtual QStringList tableColumns() const { return {}; }
    virtual QList<QVariantList> tableRows(int page, int pageCount);
    // Counts the pages and gathers the rows of every page; only the header when there are none.
    CsvTable table(Progress &progress);

    // An amount or quantity as the pages show it, to the cent.
    static double cents(double value);
};
