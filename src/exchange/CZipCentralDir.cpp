#include "CZipCentralDir.h"

#include "CZipException.h"
#include "CZipStorage.h"

#include <QtEndian>

namespace {

struct EndRecord
{
    quint16 disk = 0;
    quint16 directoryDisk = 0;
    quint16 entriesOnDisk = 0;
    quint16 entries = 0;
    quint32 directorySize = 0;
    quint32 directoryOffset = 0;
    quint16 commentLength = 0;

    static EndRecord parse(const char *at)
    {
        EndRecord end;
        end.disk = qFromLittleEndian<quint16>(at + 4);
        end.directoryDisk = qFromLittleEndian<quint16>(at + 6);
        end.entriesOnDisk = qFromLittleEndian<quint16>(at + 8);
        end.entries = qFromLittleEndian<quint16>(at + 10);
        end.directorySize = qFromLittleEndian<quint32>(at + 12);
        end.directoryOffset = qFromLittleEndian<quint32>(at + 16);
        end.commentLength = qFromLittleEndian<quint16>(at + 20);
        return end;
    }
};

} // namespace

void CZipCentralDir::clear()
{
    m_headers.clear();
    m_startOffset = 0;
}

CZipFileHeader &CZipCentralDir::append(const CZipFileHeader &header)
{
    m_headers.append(header);
    return m_headers.last();
}

qint64 CZipCentralDir::findEndRecord(CZipStorage &storage) const
{
    const qint64 fileSize = storage.size();
    const qint64 searchSize = qMin<qint64>(fileSize, EndSearchSize);
    if (searchSize < EndSize)
        throw CZipException(CZipException::CDirNotFound, storage.fileName());
    const qint64 searchStart = fileSize - searchSize;
    storage.seek(searchStart);
    const QByteArray tail = storage.read(searchSize);
    // An end record whose comment reaches exactly to the end of the file wins, so signature
    // bytes inside a comment are not taken for the record; failing that (bytes appended after
    // the archive), the last record whose directory lies before it.
    for (const bool exact : {true, false}) {
        for (qint64 at = searchSize - EndSize; at >= 0; --at) {
            const char *p = tail.constData() + at;
            if (qFromLittleEndian<quint32>(p) != EndSignature)
                continue;
            const EndRecord end = EndRecord::parse(p);
            const qint64 recordEnd = at + EndSize + end.commentLength;
            const bool directoryFits =
                qint64(end.directoryOffset) + end.directorySize <= searchStart + at;
            if (exact ? recordEnd == searchSize : (recordEnd <= searchSize && directoryFits))
                return searchStart + at;
        }
    }
    throw CZipException(CZipException::CDirNotFound, storage.fileName());
}

qint64 CZipCentralDir::directoryEnd(CZipStorage &storage, qint64 endAt) const
{
    // Tools that write Zip64 records put them between the directory and the end record: the
    // locator (20 bytes) right before the end record, the record itself (56 bytes without
    // extensible data) before the locator.
    constexpr quint32 LocatorSignature = 0x07064B50;
    constexpr quint32 Zip64EndSignature = 0x06064B50;
    constexpr int LocatorSize = 20;
    constexpr int Zip64EndSize = 56;
    if (endAt < LocatorSize + Zip64EndSize)
        return endAt;
    storage.seek(endAt - LocatorSize - Zip64EndSize);
    const QByteArray records = storage.read(LocatorSize + Zip64EndSize);
    if (qFromLittleEndian<quint32>(records.constData() + Zip64EndSize) != LocatorSignature)
        return endAt;
    if (qFromLittleEndian<quint32>(records.constData()) != Zip64EndSignature)
        throw CZipException(CZipException::UnsupportedEntry, storage.fileName());
    return endAt - LocatorSize - Zip64EndSize;
}

void CZipCentralDir::read(CZipStorage &storage)
{
    clear();
    storage.setBase(0);
    const qint64 endAt = findEndRecord(storage);
    storage.seek(endAt);
    const QByteArray raw = storage.read(EndSize);
    const EndRecord end = EndRecord::parse(raw.constData());
    if (end.disk != 0 || end.directoryDisk != 0 || end.entriesOnDisk != end.entries)
        throw CZipException(CZipException::UnsupportedEntry, storage.fileName());
    if (end.directoryOffset == 0xFFFFFFFF || end.entries == 0xFFFF)
        throw CZipException(CZipException::UnsupportedEntry, storage.fileName());
    // The directory ends where the end records begin. When it lies further on than its
    // recorded offset, bytes were put in front of the archive (a self-extracting stub): every
    // offset counts from where the archive itself starts.
    const qint64 directoryAt = directoryEnd(storage, endAt) - end.directorySize;
    const qint64 base = directoryAt - end.directoryOffset;
    if (base < 0)
        throw CZipException(CZipException::BadZipFile, storage.fileName());
    storage.setBase(base);
    m_startOffset = end.directoryOffset;
    storage.seek(m_startOffset);
    for (int i = 0; i < end.entries; ++i) {
        CZipFileHeader header;
        header.readCentral(storage);
        if (header.localHeaderOffset >= m_startOffset)
            throw CZipException(CZipException::BadZipFile, storage.fileName());
        m_headers.append(header);
    }
    if (storage.position() > endAt - base)
        throw CZipException(CZipException::BadZipFile, storage.fileName());
}

void CZipCentralDir::write(CZipStorage &storage) const
{
    const qint64 start = storage.position();
    for (const CZipFileHeader &header : m_headers)
        storage.write(header.centralHeader());
    const qint64 size = storage.position() - start;
    if (start > 0xFFFFFFFFLL || size > 0xFFFFFFFFLL)
        throw CZipException(CZipException::TooLarge, storage.fileName());
    char end[EndSize];
    qToLittleEndian<quint32>(EndSignature, end);
    qToLittleEndian<quint16>(0, end + 4);
    qToLittleEndian<quint16>(0, end + 6);
    qToLittleEndian<quint16>(static_cast<quint16>(m_headers.size()), end + 8);
    qToLittleEndian<quint16>(static_cast<quint16>(m_headers.size()), end + 10);
    qToLittleEndian<quint32>(static_cast<quint32>(size), end + 12);
    qToLittleEndian<quint32>(static_cast<quint32>(start), end + 16);
    qToLittleEndian<quint16>(0, end + 20);
    storage.write(end, EndSize);
}
