#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The archive file: buffered writes (65535 bytes), reads and seeks. Every failure of the
// file layer becomes a CZipException with the FileError code; reading past the end of the
// file is a damaged archive.
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
    void close();
    // Closes without writing what is still buffered (the archive is being given up).
    void abandon();
    bool isOpen() const { return m_file.isOpen(); }
    bool isWritable() const { return m_file.isWritable(); }
    QString fileName() const { return m_file.fileName(); }

    void write(const char *data, qint64 length);
    void write(const QByteArray &data) { write(data.constData(), data.size()); }
    // Reads exactly length bytes or raises a damaged-archive error.
    void read(char *data, qint64 length);
    QByteArray read(qint64 length);
    // Reads what is there, up to length bytes.
    qint64 readSome(char *data, qint64 length);

    void seek(qint64 position);
    qint64 position() const;
    qint64 size() const;
    void flush();
    // Cuts the file at the current position (entries added to an existing archive replace
    // its old central directory).
    void truncateHere();

private:
    [[noreturn]] void fail() const;

    QFile m_file;
    QByteArray m_buffer;
};
