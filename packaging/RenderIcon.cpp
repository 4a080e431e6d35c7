// Renders the program's SVG icon to the PNG sizes of the hicolor icon theme:
// verdimo-rendericon ICON.svg OUTPUT_FOLDER SIZE... writes OUTPUT_FOLDER/SIZExSIZE/verdimo.png.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s ICON.svg OUTPUT_FOLDER SIZE...\n", argv[0]);
        return 2;
    }
    const QString svgPath = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "cannot read the icon %s\n", argv[1]);
        return 1;
    }
    const QString name = QFileInfo(svgPath).completeBaseName() + QStringLiteral(".png");
    const QDir output(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size <= 0) {
            std::fprintf(stderr, "not an icon size: %s\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1x%1").arg(size);
        const QString target = output.filePath(folder + QLatin1Char('/') + name);
        if (!output.mkpath(folder) || !image.save(target, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(target));
            return 1;
        }
    }
    return 0;
}
