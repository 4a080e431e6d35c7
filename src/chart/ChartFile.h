#pragma once

#include <QCoreApplication>
#include <QSize>
#include <QString>

class WeatherChartPainter;

// Writes a drawing of the chart into a file the user keeps: a PNG or SVG picture of a given
// size, or one landscape A4 PDF page. The file is written beside its place and renamed over
// it only when complete. Needs a QGuiApplication (fonts).
class ChartFile
{
    Q_DECLARE_TR_FUNCTIONS(ChartFile)

public:
    enum class Format { Png, Svg, Pdf };

    static constexpr QSize DefaultImageSize{1600, 1000};

    // size is the picture's size in pixels; for a PDF it is the surface the chart is laid out
    // on before it is scaled onto the page (an empty size: the page itself at 96 dpi).
    bool write(const WeatherChartPainter &chart, Format format, const QString &path,
               const QSize &size);
    // What went wrong in the last write(), naming the file.
    QString errorString() const { return m_error; }

private:
    bool fail(const QString &path, const QString &reason);

    QString m_error;
};
