#pragma once

#include "CZipFileHeader.h"

#include <QList>

class CZipStorage;

// The archive's list of entries and its end record: found and read when an archive is
// opened, written after the last entry when it is closed.
class CZipCentralDir
{
public:
    static constexpr quint32 EndSignature = 0x06054B50;
    static constexpr int EndSize = 22;
    // The end record plus the longest archive comment.
    static constexpr int EndSearchSize = EndSize + 0xFFFF;
    static constexpr int MaxEntries = 0xFFFF;

    void clear();
    // Finds the end record in the last EndSearchSize bytes and reads every central header;
    // bytes in front of the archive become the storage's base.
    void read(CZipStorage &storage);
    // Writes the central headers and the end record at the storage's position.
    void write(CZipStorage &storage) const;

    int count() const { return int(m_headers.size()); }
    CZipFileHeader &header(int index) { return m_headers[index]; }
    const CZipFileHeader &header(int index) const { return m_headers[index]; }
    CZipFileHeader &append(const CZipFileHeader &header);
    // Where the central directory starts: new entries of an existing archive go there.
    qint64 startOffset() const { return m_startOffset; }

private:
    qint64 findEndRecord(CZipStorage &storage) const;
    // Where the central directory ends: at the end record, or at the Zip64 records before it.
    qint64 directoryEnd(CZipStorage &storage, qint64 endAt) const;

    QList<CZipFileHeader> m_headers;
    qint64 m_startOffset = 0;
};
