#include "ChartFile.h"

#include "WeatherChartPainter.h"

#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace {

constexpr int PdfDpi = 600;
constexpr int LayoutDpi = 96;

bool drawPng(const WeatherChartPainter &chart, QIODevice &file, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(LayoutDpi / 0.0254));
    image.setDotsPerMeterY(qRound(LayoutDpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    chart.paint(painter, image.rect());
    painter.end();
    return QImageWriter(&file, "png").write(image);
}

bool drawSvg(const WeatherChartPainter &chart, QIODevice &file, const QSize &size)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(LayoutDpi);
    svg.setTitle(WeatherChartPainter::tr("Weather Chart"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    chart.paint(painter, QRect(QPoint(0, 0), size));
    return painter.end();
}

bool drawPdf(const WeatherChartPainter &chart, QIODevice &file, const QSize &size)
{
    QPdfWriter pdf(&file);
    pdf.setResolution(PdfDpi);
    pdf.setCreator(QStringLiteral("Verdimo"));
    pdf.setTitle(WeatherChartPainter::tr("Weather Chart"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                  QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    const QRect page = pdf.pageLayout().paintRectPixels(PdfDpi);
    const QRect target(QPoint(0, 0), page.size());
    const QSize layout =
        size.isEmpty() ? (QSizeF(page.size()) * LayoutDpi / PdfDpi).toSize() : size;
    chart.paintFitted(painter, layout, target);
    return painter.end();
}

} // namespace

bool ChartFile::write(const WeatherChartPainter &chart, Format format, const QString &path,
                      const QSize &size)
{
    m_error.clear();
    if (format != Format::Pdf && size.isEmpty())
        return fail(path, tr("the picture has no size"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(path, file.errorString());
    bool drawn = false;
    switch (format) {
    case Format::Png:
        drawn = drawPng(chart, file, size);
        break;
    case Format::Svg:
        drawn = drawSvg(chart, file, size);
        break;
    case Format::Pdf:
        drawn = drawPdf(chart, file, size);
        break;
    }
    if (!drawn) {
        file.cancelWriting();
        return fail(path, file.errorString());
    }
    if (!file.commit())
        return fail(path, file.errorString());
    return true;
}

bool ChartFile::fail(const QString &path, const QString &reason)
{
    m_error = tr("Cannot write the chart to %1: %2").arg(path, reason);
    return false;
}
