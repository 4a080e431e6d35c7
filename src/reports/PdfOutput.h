#pragma once

#include "PrintOutput.h"

#include <QString>

// Writes every page of a job into a PDF file: A4 portrait (or landscape when the report asks), the
// printable area 5 mm in from each edge. Needs a QGuiApplication.
class PdfOutput : public PrintOutput
{
public:
    explicit PdfOutput(QString path);

    bool print(Report &report, int pageCount) override;
    // Why the last print() failed, when it did.
    QString errorString() const { return m_error; }
    int pagesWritten() const { return m_pages; }

private:
    QString m_path;
    QString m_error;
    int m_pages = 0;
};
