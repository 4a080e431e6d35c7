#pragma once

#include "PageSurface.h"

#include <QString>

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
};
