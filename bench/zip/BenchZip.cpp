// Archives a database-like file of 100 MB with CZipArchive::AddFile (level 9, buffer 65535,
// plain and with a password) and deflates the same bytes with zlib alone (raw stream, level 9,
// window bits -15, memory level 8, same block sizes, output written to a file), then prints
// the times and the container's overhead over zlib.
#include "exchange/CZipArchive.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <zlib.h>

namespace {

constexpr qint64 DefaultSize = 100LL * 1024 * 1024;
constexpr int PageSize = 4096;

// Pages of an SQLite-like file: a small header, records of text and numbers growing from the
// end of the page, and zero bytes between.
void writeDatabaseLikeFile(const QString &path, qint64 size)
{
    QRandomGenerator random(2015);
    const QByteArray words[] = {"Vigneto ", "Trattore ", "Potatura ", "Rame ",    "kg ",
                                "Mario ",   "Luca ",     "sole ",     "pioggia ", "F123 ",
                                "Oidio ",   "Frutteto ", "Semina ",   "Concime ", "lt "};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QByteArray page(PageSize, '\0');
    for (qint64 written = 0; written < size; written += PageSize) {
        page.fill('\0');
        page[0] = 0x0D;
        int at = PageSize;
        const int records = 8 + int(random.bounded(24));
        for (int r = 0; r < records && at > 200; ++r) {
            QByteArray record;
            record += QByteArray::number(quint32(random.generate()) % 100000);
            record += "2015-";
            record += QByteArray::number(1 + random.bounded(12)).rightJustified(2, '0');
            record += '-';
            record += QByteArray::number(1 + random.bounded(28)).rightJustified(2, '0');
            record += " 08:00:00";
            for (int w = 0; w < 3; ++w)
                record += words[random.bounded(int(std::size(words)))];
            const double value = random.bounded(1000.0);
            record.append(reinterpret_cast<const char *>(&value), sizeof value);
            at -= int(record.size());
            page.replace(at, record.size(), record);
        }
        file.write(page);
    }
}

double seconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

double zipOnce(const QString &source, const QString &archive, const QString &password)
{
    QElapsedTimer timer;
    timer.start();
    CZipArchive zip;
    zip.Open(archive, CZipArchive::CreateNew, 0);
    if (!password.isEmpty())
        zip.SetPassword(password);
    if (!zip.AddFile(source, 9, true, 65535))
        qFatal("AddFile failed");
    zip.Close(false);
    return seconds(timer);
}

double zlibOnce(const QString &source, const QString &output, qint64 *compressedSize)
{
    QElapsedTimer timer;
    timer.start();
    QFile in(source);
    QFile out(output);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        qFatal("cannot open the files");
    z_stream zs{};
    deflateInit2(&zs, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    QByteArray input(65535, Qt::Uninitialized);
    QByteArray buffer(16384, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const qint64 got = in.read(input.data(), input.size());
        zs.next_in = reinterpret_cast<Bytef *>(input.data());
        zs.avail_in = uInt(got);
        const int flush = got == 0 ? Z_FINISH : Z_NO_FLUSH;
        int result = Z_OK;
        do {
            zs.next_out = reinterpret_cast<Bytef *>(buffer.data());
            zs.avail_out = uInt(buffer.size());
            result = deflate(&zs, flush);
            const qint64 have = buffer.size() - zs.avail_out;
            out.write(buffer.constData(), have);
            total += have;
        } while (zs.avail_out == 0);
        if (result == Z_STREAM_END)
            break;
    }
    deflateEnd(&zs);
    out.close();
    *compressedSize = total;
    return seconds(timer);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const qint64 size = argc > 1 ? QByteArray(argv[1]).toLongLong() * 1024 * 1024 : DefaultSize;
    const int rounds = 3;
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("Tellan.mdb"));
    writeDatabaseLikeFile(source, size);

    double zlibBest = 1e9, plainBest = 1e9, encryptedBest = 1e9;
    qint64 compressed = 0;
    for (int round = 0; round < rounds; ++round) {
        zlibBest = qMin(zlibBest,
                        zlibOnce(source, dir.filePath(QStringLiteral("raw.deflate")), &compressed));
        plainBest =
            qMin(plainBest, zipOnce(source, dir.filePath(QStringLiteral("plain.zip")), QString()));
        encryptedBest = qMin(encryptedBest, zipOnce(source, dir.filePath(QStringLiteral("enc.czp")),
                                                    QStringLiteral("corvo3719")));
    }
    const double mb = double(size) / (1024 * 1024);
    out << "input " << mb << " MB, deflated to " << double(compressed) / (1024 * 1024)
        << " MB; best of " << rounds << " rounds\n";
    out << "zlib deflate alone:      " << zlibBest << " s\n";
    out << "AddFile, no password:    " << plainBest << " s, overhead "
        << (plainBest / zlibBest - 1) * 100 << " %\n";
    out << "AddFile, with password:  " << encryptedBest << " s, overhead "
        << (encryptedBest / zlibBest - 1) * 100 << " %\n";
    return 0;
}
