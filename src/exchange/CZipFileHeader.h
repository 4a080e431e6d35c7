#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

class CZipStorage;

// One entry of an archive: the fields its central header holds, how they are written as the
// local and the central header, and how both are read back and checked against each other.
class CZipFileHeader
{
public:
    static constexpr quint32 LocalSignature = 0x04034B50;
    static constexpr quint32 CentralSignature = 0x02014B50;
    static constexpr quint32 DescriptorSignature = 0x08074B50;
    static constexpr int LocalSize = 30;
    static constexpr int CentralSize = 46;
    static constexpr int DescriptorSize = 16;
    // Offset of CRC-32, compressed and uncompressed size inside the local header.
    static constexpr int LocalSizesOffset = 14;
    static constexpr quint16 Version = 20;
    static constexpr quint32 ArchiveAttribute = 0x20;
    static constexpr quint32 DirectoryAttribute = 0x10;
    static constexpr quint32 ReadOnlyAttribute = 0x01;
    static constexpr quint16 Zip64ExtraId = 0x0001;

    enum Flag : quint16 {
        Encrypted = 0x0001,
        HasDataDescriptor = 0x0008,
        Utf8Name = 0x0800,
    };
    enum Method : quint16 { Stored = 0, Deflated = 8 };

    quint16 versionMadeBy = Version;
    quint16 versionNeeded = Version;
    quint16 flag = 0;
    quint16 method = Deflated;
    quint16 modTime = 0;
    quint16 modDate = 0;
    quint32 crc32 = 0;
    quint32 compressedSize = 0;
    quint32 uncompressedSize = 0;
    quint16 diskStart = 0;
    quint16 internalAttributes = 0;
    quint32 externalAttributes = ArchiveAttribute;
    quint32 localHeaderOffset = 0;

    QString name() const;
    // Stores the name in the OEM code page; longer than 65535 bytes raises TooLongFileName.
    void setName(const QString &name, const QString &archiveName);
    const QByteArray &rawName() const { return m_name; }

    bool isEncrypted() const { return flag & Encrypted; }
    bool hasDataDescriptor() const { return flag & HasDataDescriptor; }
    bool isDirectory() const;
    // Flag bits 1-2 and the method for a compression level; bits 0 and 3 with a password.
    void setCompression(int level, bool encrypted);

    QDateTime modificationTime() const;
    void setModificationTime(const QDateTime &local);

    QByteArray localHeader() const;
    QByteArray centralHeader() const;
    QByteArray dataDescriptor() const;

    // Reads one central header at the storage's position.
    void readCentral(CZipStorage &storage);
    struct LocalEntry
    {
        qint64 dataStart = 0;
        // The local header has Zip64 sizes: so has the data descriptor.
        bool zip64Sizes = false;
    };
    // Reads and checks the entry's local header: where its data starts and how its sizes are
    // written.
    LocalEntry readLocal(CZipStorage &storage) const;
    // Reads the data descriptor that follows the data (its signature is optional) and checks
    // it against this header.
    void checkDataDescriptor(CZipStorage &storage, bool zip64Sizes) const;
    // The data of the extra field with this id, if there is one.
    static std::optional<QByteArray> extraField(const QByteArray &extra, quint16 id);

private:
    QByteArray m_name;
    // Kept from archives written elsewhere so that rewriting the directory loses nothing.
    QByteArray m_extra;
    QByteArray m_comment;
};
