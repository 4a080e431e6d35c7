#include "CZipArchive.h"

#include "CZipException.h"
#include "ZipCipher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QtEndian>
#include <memory>
#include <zlib.h>

namespace {

constexpr int DeflateOutputSize = 16384;
constexpr int WindowBits = -15;
constexpr int MemoryLevel = 8;
constexpr qint64 Max32 = 0xFFFFFFFFLL;
constexpr quint16 UnixHost = 3;

// Ends a zlib stream on every path.
class DeflateStream
{
public:
    z_stream stream{};
    int init(int level)
    {
        const int result =
            deflateInit2(&stream, level, Z_DEFLATED, WindowBits, MemoryLevel, Z_DEFAULT_STRATEGY);
        m_active = result == Z_OK;
        return result;
    }
    ~DeflateStream()
    {
        if (m_active)
            deflateEnd(&stream);
    }

private:
    bool m_active = false;
};

class InflateStream
{
public:
    z_stream stream{};
    int init()
    {
        const int result = inflateInit2(&stream, WindowBits);
        m_active = result == Z_OK;
        return result;
    }
    ~InflateStream()
    {
        if (m_active)
            inflateEnd(&stream);
    }

private:
    bool m_active = false;
};

quint32 dosAttributes(const QFileInfo &info)
{
    quint32 attributes =
        info.isDir() ? CZipFileHeader::DirectoryAttribute : CZipFileHeader::ArchiveAttribute;
    if (!info.isWritable())
        attributes |= CZipFileHeader::ReadOnlyAttribute;
    return attributes;
}

QFileDevice::Permissions permissionsFromMode(quint32 mode)
{
    QFileDevice::Permissions permissions;
    if (mode & 0400)
        permissions |= QFileDevice::ReadOwner | QFileDevice::ReadUser;
    if (mode & 0200)
        permissions |= QFileDevice::WriteOwner | QFileDevice::WriteUser;
    if (mode & 0100)
        permissions |= QFileDevice::ExeOwner | QFileDevice::ExeUser;
    if (mode & 0040)
        permissions |= QFileDevice::ReadGroup;
    if (mode & 0020)
        permissions |= QFileDevice::WriteGroup;
    if (mode & 0010)
        permissions |= QFileDevice::ExeGroup;
    if (mode & 0004)
        permissions |= QFileDevice::ReadOther;
    if (mode & 0002)
        permissions |= QFileDevice::WriteOther;
    if (mode & 0001)
        permissions |= QFileDevice::ExeOther;
    return permissions;
}

} // namespace

CZipArchive::~CZipArchive()
{
    m_storage.abandon();
}

void CZipArchive::fail(int code, int zlibCode) const
{
    throw CZipException(static_cast<CZipException::Code>(code), m_storage.fileName(), zlibCode);
}

void CZipArchive::Open(const QString &path, int mode, int volumeSize)
{
    Close(true);
    if (volumeSize != 0 || (mode != OpenExisting && mode != CreateNew))
        throw CZipException(CZipException::UnsupportedEntry, path);
    if (mode == CreateNew) {
        m_storage.open(path, CZipStorage::Mode::Create);
        m_nextOffset = 0;
        m_modified = true;
        return;
    }
    m_storage.open(path, CZipStorage::Mode::Read);
    try {
        m_centralDir.read(m_storage);
    } catch (...) {
        Close(true);
        throw;
    }
    m_nextOffset = m_centralDir.startOffset();
}

bool CZipArchive::SetPassword(const QString &password)
{
    if (m_entryOpen)
        return false;
    m_password = password.toUtf8();
    return true;
}

void CZipArchive::Close(bool afterError)
{
    if (!m_storage.isOpen())
        return;
    if (afterError) {
        m_storage.abandon();
    } else {
        if (m_modified) {
            m_storage.seek(m_nextOffset);
            m_centralDir.write(m_storage);
            m_storage.truncateHere();
        }
        m_storage.close();
    }
    m_centralDir.clear();
    m_entryOpen = false;
    m_modified = false;
    m_nextOffset = 0;
}

QString CZipArchive::entryName(const QString &sourcePath, bool bareName)
{
    const QFileInfo info(sourcePath);
    QString name = bareName ? info.fileName() : QDir::fromNativeSeparators(sourcePath);
    if (!bareName) {
        if (name.size() >= 2 && name.at(1) == QLatin1Char(':'))
            name.remove(0, 2);
        while (name.startsWith(QLatin1Char('/')))
            name.remove(0, 1);
    }
    if (info.isDir() && !name.endsWith(QLatin1Char('/')))
        name += QLatin1Char('/');
    return name;
}

CZipFileHeader CZipArchive::makeHeader(const QString &sourcePath, int level, bool bareName) const
{
    const QFileInfo info(sourcePath);
    CZipFileHeader header;
    header.setName(entryName(sourcePath, bareName), m_storage.fileName());
    const bool encrypted = !m_password.isEmpty() && !info.isDir();
    header.setCompression(level, encrypted);
    header.setModificationTime(info.lastModified());
    header.externalAttributes = dosAttributes(info);
    return header;
}

void CZipArchive::prepareForAdding()
{
    m_storage.makeWritable();
    m_storage.seek(m_nextOffset);
}

bool CZipArchive::AddFile(const QString &sourcePath, int level, bool bareName, int bufferSize)
{
    if (bufferSize <= 0 || !m_storage.isOpen() || m_entryOpen ||
        m_centralDir.count() >= CZipCentralDir::MaxEntries)
        return false;
    const QFileInfo info(sourcePath);
    if (!info.exists())
        return false;
    QFile source(sourcePath);
    if (!info.isDir() && !source.open(QIODevice::ReadOnly))
        return false;
    // Without Zip64 fields nothing above 4 GiB can be recorded: refuse before compressing.
    if (info.size() > Max32)
        fail(CZipException::TooLarge);
    level = level < 0 ? Z_DEFAULT_COMPRESSION : qMin(level, 9);

    CZipFileHeader header = makeHeader(sourcePath, level, bareName);
    prepareForAdding();
    if (m_nextOffset > Max32)
        fail(CZipException::TooLarge);
    header.localHeaderOffset = static_cast<quint32>(m_nextOffset);
    header.compressedSize = header.isEncrypted() ? ZipCipher::HeaderSize : 0;
    m_storage.write(header.localHeader());
    m_modified = true;

    m_entryOpen = true;
    if (!info.isDir())
        writeEntryData(header, source, level, bufferSize);
    m_entryOpen = false;
    if (header.hasDataDescriptor())
        m_storage.write(header.dataDescriptor());
    rewriteLocalSizes(header);
    m_centralDir.append(header);
    m_nextOffset = m_storage.position();
    return true;
}

void CZipArchive::writeEntryData(CZipFileHeader &header, QFile &source, int level, int bufferSize)
{
    const bool deflated = header.method == CZipFileHeader::Deflated;
    DeflateStream deflater;
    if (deflated) {
        const int result = deflater.init(level);
        if (result != Z_OK)
            fail(CZipException::ZlibError, result);
    }
    std::unique_ptr<ZipCipher> cipher;
    qint64 compressed = 0;
    if (header.isEncrypted()) {
        cipher = std::make_unique<ZipCipher>(m_password);
        m_storage.write(cipher->makeHeader(header.modTime & 0xFF, header.modTime >> 8));
        compressed += ZipCipher::HeaderSize;
    }

    QByteArray input(bufferSize, Qt::Uninitialized);
    QByteArray output(DeflateOutputSize, Qt::Uninitialized);
    uLong crc = crc32(0, nullptr, 0);
    qint64 total = 0;
    auto put = [&](char *data, qint64 length) {
        if (cipher)
            cipher->encrypt(data, length);
        m_storage.write(data, length);
        compressed += length;
    };
    for (;;) {
        const qint64 got = source.read(input.data(), bufferSize);
        if (got < 0)
            throw CZipException(CZipException::FileError, source.fileName(), 0,
                                source.errorString());
        crc = crc32(crc, reinterpret_cast<const Bytef *>(input.constData()), uInt(got));
        total += got;
        if (!deflated) {
            put(input.data(), got);
            if (got == 0)
                break;
            continue;
        }
        z_stream &zs = deflater.stream;
        zs.next_in = reinterpret_cast<Bytef *>(input.data());
        zs.avail_in = uInt(got);
        const int flush = got == 0 ? Z_FINISH : Z_NO_FLUSH;
        int result = Z_OK;
        do {
            zs.next_out = reinterpret_cast<Bytef *>(output.data());
            zs.avail_out = DeflateOutputSize;
            result = deflate(&zs, flush);
            if (result == Z_STREAM_ERROR)
                fail(CZipException::ZlibError, result);
            put(output.data(), DeflateOutputSize - zs.avail_out);
        } while (zs.avail_out == 0);
        if (result == Z_STREAM_END)
            break;
    }
    if (total > Max32 || compressed > Max32)
        fail(CZipException::TooLarge);
    header.crc32 = static_cast<quint32>(crc);
    header.uncompressedSize = static_cast<quint32>(total);
    header.compressedSize = static_cast<quint32>(compressed);
}

void CZipArchive::rewriteLocalSizes(const CZipFileHeader &header)
{
    const qint64 end = m_storage.position();
    char sizes[12];
    qToLittleEndian(header.crc32, sizes);
    qToLittleEndian(header.compressedSize, sizes + 4);
    qToLittleEndian(header.uncompressedSize, sizes + 8);
    m_storage.seek(qint64(header.localHeaderOffset) + CZipFileHeader::LocalSizesOffset);
    m_storage.write(sizes, sizeof sizes);
    m_storage.seek(end);
}

QString CZipArchive::destinationPath(const CZipFileHeader &header, const QString &destinationFolder,
                                     bool keepFolders) const
{
    QString name = header.name();
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool absolute =
        name.startsWith(QLatin1Char('/')) || (name.size() >= 2 && name.at(1) == QLatin1Char(':'));
    QStringList parts = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    parts.removeAll(QStringLiteral("."));
    if (absolute || parts.isEmpty() || parts.contains(QStringLiteral("..")))
        fail(CZipException::UnsafeName);
    if (!keepFolders)
        parts = QStringList{parts.last()};
    const QString root = QDir::cleanPath(QDir(destinationFolder).absolutePath());
    const QString path = QDir::cleanPath(root + QLatin1Char('/') + parts.join(QLatin1Char('/')));
    if (!path.startsWith(root + QLatin1Char('/')))
        fail(CZipException::UnsafeName);
    return path;
}

bool CZipArchive::ExtractEntry(int index, const QString &destinationFolder, bool keepFolders,
                               int bufferSize)
{
    if (!m_storage.isOpen() || m_entryOpen || bufferSize <= 0 || index < 0 ||
        index >= m_centralDir.count())
        return false;
    const CZipFileHeader &header = m_centralDir.header(index);
    const QString path = destinationPath(header, destinationFolder, keepFolders);
    if (header.isDirectory())
        return QDir().mkpath(path);
    if (header.method != CZipFileHeader::Stored && header.method != CZipFileHeader::Deflated)
        fail(CZipException::UnsupportedEntry);
    if (header.isEncrypted() && m_password.isEmpty())
        return false;
    const CZipFileHeader::LocalEntry local = header.readLocal(m_storage);
    const qint64 dataStart = local.dataStart;
    if (m_extractLimit > 0 && header.uncompressedSize > m_extractLimit)
        fail(CZipException::EntryTooLarge);

    std::unique_ptr<ZipCipher> cipher;
    m_storage.seek(dataStart);
    if (header.isEncrypted()) {
        if (header.compressedSize < ZipCipher::HeaderSize)
            fail(CZipException::BadZipFile);
        cipher = std::make_unique<ZipCipher>(m_password);
        const quint8 check = cipher->readHeader(m_storage.read(ZipCipher::HeaderSize));
        const quint8 expected =
            header.hasDataDescriptor() ? quint8(header.modTime >> 8) : quint8(header.crc32 >> 24);
        if (check != expected)
            fail(CZipException::BadPassword);
    }

    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw CZipException(CZipException::FileError, path);
    const QStorageInfo volume(QFileInfo(path).absolutePath());
    if (volume.isValid() && volume.bytesAvailable() < qint64(header.uncompressedSize))
        fail(CZipException::NoSpace);
    QFile target(path);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw CZipException(CZipException::FileError, path, 0, target.errorString());
    m_entryOpen = true;
    try {
        const quint32 crc = readEntryData(header, cipher.get(), target, bufferSize);
        if (crc != header.crc32)
            fail(CZipException::BadCrc);
        if (header.hasDataDescriptor()) {
            m_storage.seek(dataStart + header.compressedSize);
            header.checkDataDescriptor(m_storage, local.zip64Sizes);
        }
        if (!target.flush())
            throw CZipException(CZipException::FileError, path, 0, target.errorString());
    } catch (...) {
        m_entryOpen = false;
        target.remove();
        throw;
    }
    m_entryOpen = false;
    const bool timeSet =
        target.setFileTime(header.modificationTime(), QFileDevice::FileModificationTime);
    target.close();
    if (target.error() != QFileDevice::NoError)
        return false;
    applyAttributes(header, path);
    return timeSet;
}

quint32 CZipArchive::readEntryData(const CZipFileHeader &header, ZipCipher *cipher, QFile &target,
                                   int bufferSize)
{
    qint64 remaining = qint64(header.compressedSize) - (cipher ? ZipCipher::HeaderSize : 0);
    const qint64 expected = header.uncompressedSize;
    QByteArray input(bufferSize, Qt::Uninitialized);
    uLong crc = crc32(0, nullptr, 0);
    qint64 written = 0;
    auto readBlock = [&]() -> qint64 {
        const qint64 length = qMin<qint64>(remaining, bufferSize);
        m_storage.read(input.data(), length);
        if (cipher)
            cipher->decrypt(input.data(), length);
        remaining -= length;
        return length;
    };
    // Never writes past the recorded size: a stream that grows beyond it is damaged.
    auto output = [&](const char *data, qint64 length) {
        written += length;
        if (written > expected)
            fail(CZipException::BadZipFile);
        crc = crc32(crc, reinterpret_cast<const Bytef *>(data), uInt(length));
        if (target.write(data, length) != length)
            throw CZipException(CZipException::FileError, target.fileName(), 0,
                                target.errorString());
    };

    if (header.method == CZipFileHeader::Stored) {
        while (remaining > 0) {
            const qint64 length = readBlock();
            output(input.constData(), length);
        }
    } else {
        InflateStream inflater;
        const int init = inflater.init();
        if (init != Z_OK)
            fail(CZipException::ZlibError, init);
        z_stream &zs = inflater.stream;
        QByteArray out(bufferSize, Qt::Uninitialized);
        int result = Z_OK;
        while (result != Z_STREAM_END) {
            if (zs.avail_in == 0) {
                if (remaining == 0)
                    fail(CZipException::BadZipFile);
                zs.avail_in = uInt(readBlock());
                zs.next_in = reinterpret_cast<Bytef *>(input.data());
            }
            zs.next_out = reinterpret_cast<Bytef *>(out.data());
            zs.avail_out = uInt(bufferSize);
            result = inflate(&zs, Z_NO_FLUSH);
            if (result == Z_DATA_ERROR)
                fail(CZipException::BadZipFile, result);
            if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR)
                fail(CZipException::ZlibError, result);
            output(out.constData(), bufferSize - zs.avail_out);
        }
    }
    if (written != expected)
        fail(CZipException::BadZipFile);
    return static_cast<quint32>(crc);
}

void CZipArchive::applyAttributes(const CZipFileHeader &header, const QString &path)
{
    const quint32 unixMode = header.externalAttributes >> 16;
    if ((header.versionMadeBy >> 8) == UnixHost && unixMode != 0) {
        QFile::setPermissions(path, permissionsFromMode(unixMode));
    } else if (header.externalAttributes & CZipFileHeader::ReadOnlyAttribute) {
        QFile::setPermissions(path, QFile::permissions(path) &
                                        ~(QFileDevice::WriteOwner | QFileDevice::WriteUser |
                                          QFileDevice::WriteGroup | QFileDevice::WriteOther));
    }
}
