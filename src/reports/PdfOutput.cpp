#include "PdfOutput.h"

#include "PainterSurface.h"
#include "Report.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

PdfOutput::PdfOutput(QString path) : m_path(std::move(path)) {}

bool PdfOutput::print(Report &report, int pageCount)
{
    m_error.clear();
    m_pages = 0;
    // The pages go to a temporary file beside the target, which takes its name only once every
    // page is written: a failure leaves an existing file as it was.
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_error = QCoreApplication::translate("PdfOutput", "Cannot write the file %1.").arg(m_path);
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("Verdimo"));
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4),
                        report.landscape() ? QPageLayout::Landscape : QPageLayout::Portrait,
                        QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&writer)) {
            m_error =
                QCoreApplication::translate("PdfOutput", "Cannot write the file %1.").arg(m_path);
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
    }
    if (!file.commit()) {
        m_error = QCoreApplication::translate("PdfOutput", "Cannot write the file %1.").arg(m_path);
        return false;
    }
    return true;
}
