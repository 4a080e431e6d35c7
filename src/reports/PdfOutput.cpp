#include "PdfOutput.h"

#include "PainterSurface.h"
#include "Report.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

PdfOutput::PdfOutput(QString path) : m_path(std::move(path)) {}

bool PdfOutput::print(Report &report, int pageCount)
{
    m_error.clear();
    m_pages = 0;
    QPdfWriter writer(m_path);
    writer.setResolution(600);
    writer.setCreator(QStringLiteral("Verdimo"));
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4),
                    report.landscape() ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer)) {
        m_error = QCoreApplication::translate("PdfOutput", "Cannot write the file %1.").arg(m_path);
        return false;
    }
    report.begin();
    PainterSurface surface(painter);
    for (int page = 1; page <= pageCount; ++page) {
        if (page > 1)
            writer.newPage();
        report.printPage(surface, page, pageCount);
        m_pages = page;
    }
    painter.end();
    return true;
}
