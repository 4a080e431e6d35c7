#pragma once

#include "CZipCentralDir.h"
#include "CZipStorage.h"

#include <QByteArray>
#include <QString>

class QFile;
class ZipCipher;

// A ZIP archive in the PKWARE format: entries deflated with zlib (raw streams) and optionally
// protected with the traditional PKWARE encryption. Archive errors raise CZipException.
class CZipArchive
{
public:
    enum OpenMode {
        OpenExisting = 0, // read the entries of an existing archive; new entries may be added
        CreateNew = 2     // a new archive; it replaces an existing file when closed without error
    };

    CZipArchive() = default;
    ~CZipArchive();
    CZipArchive(const CZipArchive &) = delete;
    CZipArchive &operator=(const CZipArchive &) = delete;

    // Only single-file archives exist here: volumeSize must be 0.
    void Open(const QString &path, int mode, int volumeSize = 0);
    bool SetPassword(const QString &password = {});
    bool AddFile(const QString &sourcePath, int level, bool bareName, int bufferSize);
    bool ExtractEntry(int index, const QString &destinationFolder, bool keepFolders,
                      int bufferSize);
    void Close(bool afterError = false);
    // Entries larger than this are refused before anything is written (0: no limit).
    void setExtractLimit(qint64 bytes) { m_extractLimit = bytes; }

    bool isOpen() const { return m_storage.isOpen(); }
    int entryCount() const { return m_centralDir.count(); }
    const CZipFileHeader &entry(int index) const { return m_centralDir.header(index); }
    QString fileName() const { return m_storage.fileName(); }

private:
    [[noreturn]] void fail(int code, int zlibCode = 0) const;
    void prepareForAdding();
    CZipFileHeader makeHeader(const QString &sourcePath, int level, bool bareName) const;
    static QString entryName(const QString &sourcePath, bool bareName);
    // Where the entry goes under destinationFolder; refuses names that climb out of it.
    QString destinationPath(const CZipFileHeader &header, const QString &destinationFolder,
                            bool keepFolders) const;
    void writeEntryData(CZipFileHeader &header, QFile &source, int level, int bufferSize);
    void rewriteLocalSizes(const CZipFileHeader &header);
    quint32 readEntryData(const CZipFileHeader &header, ZipCipher *cipher, QFile &target,
                          int bufferSize);
    static void applyAttributes(const CZipFileHeader &header, const QString &path);

    CZipStorage m_storage;
    CZipCentralDir m_centralDir;
    QByteArray m_password;
    // Where the next entry's local header goes.
    qint64 m_nextOffset = 0;
    bool m_entryOpen = false;
    bool m_modified = false;
    qint64 m_extractLimit = 0;
};
