#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <memory>

// The archive file: buffered writes (65535 bytes), reads and seeks. Every failure of the
// file layer becomes a CZipException with the FileError code and the system's own words;
// reading past the end of the file is a damaged archive.
//
// A new archive is written to a temporary file beside its destination and only replaces the
// destination when it is closed without error: an archive that fails half-way (a full disk, a
// killed program) leaves whatever file had that name before untouched.
class CZipStorage
{
public:
    static constexpr int WriteBufferSize = 65535;

    enum class Mode { Read, ReadWrite, Create };

    CZipStorage() = default;
    ~CZipStorage();
    CZipStorage(const CZipStorage &) = delete;
    CZipStorage &operator=(const CZipStorage &) = delete;

    void open(const QString &path, Mode mode);
    // Reopens an archive opened for reading so that entries can be added.
    void makeWritable();
    // Writes what is buffered and closes; a new archive is synced to the disk and renamed over
    // its destination.
    void close();
    // Closes without writing what is still buffered (the archive is being given up); a new
    // archive's temporary file is removed and the destination stays as it was.
    void abandon();
    bool isOpen() const { return m_file && m_file->isOpen(); }
    bool isWritable() const { return m_file && m_file->isWritable(); }
    QString fileName() const { return m_path; }

    void write(const char *data, qint64 length);
    void write(const QByteArray &data) { write(data.constData(), data.size()); }
    // Reads exactly length bytes or raises a damaged-archive error.
    void read(char *data, qint64 length);
    QByteArray read(qint64 length);
    // Reads what is there, up to length bytes.
    qint64 readSome(char *data, qint64 length);

    // Positions count from the archive's first byte: bytes in front of it (a self-extracting
    // stub) lie before base.
    void setBase(qint64 base) { m_base = base; }
    qint64 base() const { return m_base; }
    void seek(qint64 position);
    qint64 position() const;
    qint64 size() const;
    void flush();
    // Cuts the file at the current position (entries added to an existing archive replace
    // its old central directory).
    void truncateHere();

private:
    [[noreturn]] void fail() const;

    std::unique_ptr<QFileDevice> m_file;
    QString m_path;
    QByteArray m_buffer;
    qint64 m_base = 0;
};
