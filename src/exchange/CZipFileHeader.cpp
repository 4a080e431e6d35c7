#include "CZipFileHeader.h"

#include "CZipException.h"
#include "CZipStorage.h"

#include <QtEndian>

namespace {

// Code page 437, the OEM code page of the archives' home platform: characters 128-255.
const char16_t OemHighHalf[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4,
    0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

QString fromOem(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<quint8>(c);
        text += byte < 128 ? QChar(byte) : QChar(OemHighHalf[byte - 128]);
    }
    return text;
}

QByteArray toOem(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            bytes += static_cast<char>(c.unicode());
            continue;
        }
        int found = -1;
        for (int i = 0; i < 128 && found < 0; ++i)
            if (OemHighHalf[i] == c.unicode())
                found = i;
        bytes += found >= 0 ? static_cast<char>(128 + found) : '_';
    }
    return bytes;
}

class Writer
{
public:
    explicit Writer(qsizetype reserve) { m_data.reserve(reserve); }
    Writer &u16(quint16 value)
    {
        char bytes[2];
        qToLittleEndian(value, bytes);
        m_data.append(bytes, 2);
        return *this;
    }
    Writer &u32(quint32 value)
    {
        char bytes[4];
        qToLittleEndian(value, bytes);
        m_data.append(bytes, 4);
        return *this;
    }
    Writer &bytes(const QByteArray &data)
    {
        m_data += data;
        return *this;
    }
    QByteArray data() const { return m_data; }

private:
    QByteArray m_data;
};

class Reader
{
public:
    explicit Reader(const QByteArray &data) : m_data(data) {}
    quint16 u16()
    {
        const quint16 value = qFromLittleEndian<quint16>(m_data.constData() + m_at);
        m_at += 2;
        return value;
    }
    quint32 u32()
    {
        const quint32 value = qFromLittleEndian<quint32>(m_data.constData() + m_at);
        m_at += 4;
        return value;
    }

private:
    QByteArray m_data;
    qsizetype m_at = 0;
};

[[noreturn]] void damaged(const CZipStorage &storage)
{
    throw CZipException(CZipException::BadZipFile, storage.fileName());
}

} // namespace

QString CZipFileHeader::name() const
{
    return (flag & Utf8Name) ? QString::fromUtf8(m_name) : fromOem(m_name);
}

void CZipFileHeader::setName(const QString &name, const QString &archiveName)
{
    const QByteArray encoded = toOem(name);
    if (encoded.size() > 0xFFFF)
        throw CZipException(CZipException::TooLongFileName, archiveName);
    m_name = encoded;
    flag &= ~Utf8Name;
}

bool CZipFileHeader::isDirectory() const
{
    return m_name.endsWith('/') || m_name.endsWith('\\');
}

void CZipFileHeader::setCompression(int level, bool encrypted)
{
    switch (level) {
    case 1:
        flag = 6;
        break;
    case 2:
        flag = 4;
        break;
    case 8:
    case 9:
        flag = 2;
        break;
    default:
        flag = 0;
        break;
    }
    if (encrypted)
        flag |= Encrypted | HasDataDescriptor;
    method = (level == 0 || isDirectory()) ? Stored : Deflated;
}

QDateTime CZipFileHeader::modificationTime() const
{
    const QDate date(1980 + (modDate >> 9), (modDate >> 5) & 0x0F, modDate & 0x1F);
    const QTime time(modTime >> 11, (modTime >> 5) & 0x3F, (modTime & 0x1F) * 2);
    return QDateTime(date.isValid() ? date : QDate(1980, 1, 1),
                     time.isValid() ? time : QTime(0, 0));
}

void CZipFileHeader::setModificationTime(const QDateTime &local)
{
    const QDate date = local.date();
    const QTime time = local.time();
    const int year = qBound(0, date.year() - 1980, 127);
    modDate = static_cast<quint16>((year * 16 + date.month()) * 32 + date.day());
    modTime = static_cast<quint16>((time.hour() * 64 + time.minute()) * 32 + time.second() / 2);
}

QByteArray CZipFileHeader::localHeader() const
{
    return Writer(LocalSize + m_name.size())
        .u32(LocalSignature)
        .u16(versionNeeded)
        .u16(flag)
        .u16(method)
        .u16(modTime)
        .u16(modDate)
        .u32(crc32)
        .u32(compressedSize)
        .u32(uncompressedSize)
        .u16(static_cast<quint16>(m_name.size()))
        .u16(0)
        .bytes(m_name)
        .data();
}

QByteArray CZipFileHeader::centralHeader() const
{
    return Writer(CentralSize + m_name.size() + m_extra.size() + m_comment.size())
        .u32(CentralSignature)
        .u16(versionMadeBy)
        .u16(versionNeeded)
        .u16(flag)
        .u16(method)
        .u16(modTime)
        .u16(modDate)
        .u32(crc32)
        .u32(compressedSize)
        .u32(uncompressedSize)
        .u16(static_cast<quint16>(m_name.size()))
        .u16(static_cast<quint16>(m_extra.size()))
        .u16(static_cast<quint16>(m_comment.size()))
        .u16(diskStart)
        .u16(internalAttributes)
        .u32(externalAttributes)
        .u32(localHeaderOffset)
        .bytes(m_name)
        .bytes(m_extra)
        .bytes(m_comment)
        .data();
}

QByteArray CZipFileHeader::dataDescriptor() const
{
    return Writer(DescriptorSize)
        .u32(DescriptorSignature)
        .u32(crc32)
        .u32(compressedSize)
        .u32(uncompressedSize)
        .data();
}

void CZipFileHeader::readCentral(CZipStorage &storage)
{
    const QByteArray fixed = storage.read(CentralSize);
    Reader in(fixed);
    if (in.u32() != CentralSignature)
        damaged(storage);
    versionMadeBy = in.u16();
    versionNeeded = in.u16();
    flag = in.u16();
    method = in.u16();
    modTime = in.u16();
    modDate = in.u16();
    crc32 = in.u32();
    compressedSize = in.u32();
    uncompressedSize = in.u32();
    const quint16 nameLength = in.u16();
    const quint16 extraLength = in.u16();
    const quint16 commentLength = in.u16();
    diskStart = in.u16();
    internalAttributes = in.u16();
    externalAttributes = in.u32();
    localHeaderOffset = in.u32();
    m_name = storage.read(nameLength);
    m_extra = storage.read(extraLength);
    m_comment = storage.read(commentLength);
}

CZipFileHeader::LocalEntry CZipFileHeader::readLocal(CZipStorage &storage) const
{
    storage.seek(localHeaderOffset);
    const QByteArray fixed = storage.read(LocalSize);
    Reader in(fixed);
    if (in.u32() != LocalSignature)
        damaged(storage);
    in.u16(); // version needed: tools write it differently in the two headers
    const quint16 localFlag = in.u16();
    const quint16 localMethod = in.u16();
    in.u32(); // time and date: the central header's are the ones applied
    const quint32 localCrc = in.u32();
    quint64 localCompressed = in.u32();
    quint64 localUncompressed = in.u32();
    const quint16 nameLength = in.u16();
    const quint16 extraLength = in.u16();
    if ((localFlag & (Encrypted | HasDataDescriptor)) != (flag & (Encrypted | HasDataDescriptor)) ||
        localMethod != method)
        damaged(storage);
    storage.seek(qint64(localHeaderOffset) + LocalSize + nameLength);
    const QByteArray extra = storage.read(extraLength);
    // Zip64 sizes: the extra field holds the 64-bit value of each field that reads 0xFFFFFFFF.
    LocalEntry entry;
    const std::optional<QByteArray> zip64Field = extraField(extra, Zip64ExtraId);
    entry.zip64Sizes = zip64Field.has_value();
    const QByteArray zip64 = zip64Field.value_or(QByteArray());
    qsizetype at = 0;
    for (quint64 *size : {&localUncompressed, &localCompressed}) {
        if (*size != 0xFFFFFFFF || at + 8 > zip64.size())
            continue;
        *size = qFromLittleEndian<quint64>(zip64.constData() + at);
        at += 8;
    }
    if (!hasDataDescriptor() && (localCrc != crc32 || localCompressed != compressedSize ||
                                 localUncompressed != uncompressedSize))
        damaged(storage);
    entry.dataStart = qint64(localHeaderOffset) + LocalSize + nameLength + extraLength;
    if (entry.dataStart + compressedSize > storage.size())
        damaged(storage);
    return entry;
}

std::optional<QByteArray> CZipFileHeader::extraField(const QByteArray &extra, quint16 id)
{
    for (qsizetype at = 0; at + 4 <= extra.size();) {
        const quint16 fieldId = qFromLittleEndian<quint16>(extra.constData() + at);
        const quint16 size = qFromLittleEndian<quint16>(extra.constData() + at + 2);
        if (at + 4 + size > extra.size())
            break;
        if (fieldId == id)
            return extra.mid(at + 4, size);
        at += 4 + size;
    }
    return std::nullopt;
}

void CZipFileHeader::checkDataDescriptor(CZipStorage &storage, bool zip64Sizes) const
{
    // CRC-32 and the two sizes, 4 or (after a Zip64 local header) 8 bytes each; the
    // signature in front is optional.
    const int sizeWidth = zip64Sizes ? 8 : 4;
    char raw[4 + 4 + 2 * 8];
    const qint64 got = storage.readSome(raw, 4 + 4 + 2 * sizeWidth);
    const bool withSignature = got >= 4 && qFromLittleEndian<quint32>(raw) == DescriptorSignature;
    const char *at = raw + (withSignature ? 4 : 0);
    if (got < (at - raw) + 4 + 2 * sizeWidth)
        damaged(storage);
    auto size = [&](int index) -> quint64 {
        const char *p = at + 4 + index * sizeWidth;
        return zip64Sizes ? qFromLittleEndian<quint64>(p) : qFromLittleEndian<quint32>(p);
    };
    if (qFromLittleEndian<quint32>(at) != crc32 || size(0) != compressedSize ||
        size(1) != uncompressedSize)
        damaged(storage);
}
