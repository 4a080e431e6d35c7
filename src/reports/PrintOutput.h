#pragma once

class Report;

// Where a print job's pages go: a printer chosen in the printer dialog, the print preview, a
// PDF file, or a recording for tests.
class PrintOutput
{
public:
    virtual ~PrintOutput() = default;

    // Takes the device for a job of pageCount pages (the printer dialog may be cancelled), then
    // calls report.begin() and draws the pages through Report::printPage. Returns false when
    // the job never began. Database failures while drawing propagate as DbException.
    virtual bool print(Report &report, int pageCount) = 0;
};
