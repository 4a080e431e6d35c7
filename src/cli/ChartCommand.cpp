#include "ChartCommand.h"

#include "base/SettingsStore.h"
#include "base/WorkingPeriod.h"
#include "chart/ChartData.h"
#include "chart/ChartFile.h"
#include "chart/WeatherChartPainter.h"
#include "db/Database.h"
#include "db/DbException.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QRegularExpression>

namespace {

const char Usage[] = "Usage: verdimo-cli chart (--pdf FILE | --png FILE | --svg FILE) [--db FILE] "
                     "[--from YYYY-MM-DD --to YYYY-MM-DD] [--size WIDTHxHEIGHT]";

constexpr int MaxSide = 20000;

struct Output
{
    QCommandLineOption option;
    ChartFile::Format format;
};

QDate parseDay(const QString &text)
{
    return QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
}

// "1600x1000" as a size; an empty size for any other text.
QSize parseSize(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return {};
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    if (size.width() > MaxSide || size.height() > MaxSide)
        return {};
    return size;
}

} // namespace

int runChartCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const QCommandLineOption dbOption(QStringLiteral("db"), QStringLiteral("database file"),
                                      QStringLiteral("FILE"));
    const QCommandLineOption fromOption(QStringLiteral("from"), QStringLiteral("first day"),
                                        QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption toOption(QStringLiteral("to"), QStringLiteral("last day"),
                                      QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption sizeOption(QStringLiteral("size"), QStringLiteral("picture size"),
                                        QStringLiteral("WIDTHxHEIGHT"));
    const Output outputs[] = {
        {QCommandLineOption(QStringLiteral("pdf"), QStringLiteral("PDF file"),
                            QStringLiteral("FILE")),
         ChartFile::Format::Pdf},
        {QCommandLineOption(QStringLiteral("png"), QStringLiteral("PNG file"),
                            QStringLiteral("FILE")),
         ChartFile::Format::Png},
        {QCommandLineOption(QStringLiteral("svg"), QStringLiteral("SVG file"),
                            QStringLiteral("FILE")),
         ChartFile::Format::Svg},
    };
    QCommandLineParser parser;
    parser.addOptions({dbOption, fromOption, toOption, sizeOption});
    for (const Output &each : outputs)
        parser.addOption(each.option);
    if (!parser.parse(QStringList{QStringLiteral("verdimo-cli chart")} + args)) {
        err << "verdimo-cli chart: " << parser.errorText() << '\n' << Usage << Qt::endl;
        return 2;
    }
    const Output *output = nullptr;
    int outputCount = 0;
    for (const Output &each : outputs) {
        if (parser.isSet(each.option)) {
            output = &each;
            ++outputCount;
        }
    }
    if (outputCount != 1 || !parser.positionalArguments().isEmpty()) {
        err << Usage << Qt::endl;
        return 2;
    }
    const QString path = parser.value(output->option);

    QSize size;
    if (parser.isSet(sizeOption)) {
        size = parseSize(parser.value(sizeOption));
        if (size.isEmpty()) {
            err << "The size is written WIDTHxHEIGHT in pixels, each from 1 to " << MaxSide
                << ", for example 1600x1000." << Qt::endl;
            return 2;
        }
    } else if (output->format != ChartFile::Format::Pdf) {
        size = ChartFile::DefaultImageSize;
    }

    WorkingPeriod period = WorkingPeriod::fromSettings();
    if (parser.isSet(fromOption))
        period.start = parseDay(parser.value(fromOption));
    if (parser.isSet(toOption))
        period.end = parseDay(parser.value(toOption));
    if (!period.start.isValid() || !period.end.isValid()) {
        err << "Dates are written YYYY-MM-DD." << Qt::endl;
        return 2;
    }
    if (period.start > period.end) {
        err << "The first day comes after the last day." << Qt::endl;
        return 2;
    }

    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        err << "verdimo-cli chart: drawing needs a QGuiApplication (offscreen platform)."
            << Qt::endl;
        return 1;
    }
    const QString dbPath =
        parser.isSet(dbOption)
            ? parser.value(dbOption)
            : SettingsStore::readString(SettingsStore::Settings, QStringLiteral("Database"));
    if (dbPath.isEmpty()) {
        err << "No database: give one with --db FILE." << Qt::endl;
        return 1;
    }
    ChartData data;
    try {
        Database db;
        db.open(dbPath);
        data = ChartData::read(db, period);
    } catch (const DbException &e) {
        err << e.message() << Qt::endl;
        return 1;
    }

    const WeatherChartPainter chart(
        data, SettingsStore::readString(SettingsStore::Settings, QStringLiteral("DittaRagSoc")));
    ChartFile file;
    if (!file.write(chart, output->format, path, size)) {
        err << file.errorString() << Qt::endl;
        return 1;
    }
    out << "Wrote the weather chart from " << period.start.toString(Qt::ISODate) << " to "
        << period.end.toString(Qt::ISODate) << " to " << path << '.' << Qt::endl;
    return 0;
}
