#include "CZipStorage.h"

#include "CZipException.h"

#include <QFile>
#include <QSaveFile>

CZipStorage::~CZipStorage()
{
    abandon();
}

void CZipStorage::abandon()
{
    m_buffer.clear();
    if (auto *save = qobject_cast<QSaveFile *>(m_file.get()))
        save->cancelWriting();
    // Destroying an uncommitted QSaveFile removes its temporary file.
    m_file.reset();
    m_base = 0;
}

void CZipStorage::open(const QString &path, Mode mode)
{
    close();
    m_path = path;
    m_base = 0;
    if (mode == Mode::Create) {
        auto file = std::make_unique<QSaveFile>(path);
        // Never fall back to writing the destination in place: that is what must not happen.
        file->setDirectWriteFallback(false);
        m_file = std::move(file);
        if (!m_file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            fail();
    } else {
        m_file = std::make_unique<QFile>(path);
        if (!m_file->open((mode == Mode::ReadWrite ? QIODevice::ReadWrite : QIODevice::ReadOnly) |
                          QIODevice::Unbuffered))
            fail();
    }
    m_buffer.reserve(WriteBufferSize);
}

void CZipStorage::makeWritable()
{
    if (m_file->isWritable())
        return;
    const qint64 at = position();
    m_file->close();
    if (!m_file->open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        fail();
    seek(at);
}

void CZipStorage::close()
{
    if (!isOpen())
        return;
    flush();
    if (auto *save = qobject_cast<QSaveFile *>(m_file.get())) {
        // commit() flushes, syncs the file to the disk and renames it over the destination.
        if (!save->commit())
            fail();
    } else {
        m_file->close();
    }
    m_file.reset();
    m_base = 0;
}

void CZipStorage::write(const char *data, qint64 length)
{
    while (length > 0) {
        const qint64 room = WriteBufferSize - m_buffer.size();
        const qint64 part = qMin(room, length);
        m_buffer.append(data, part);
        data += part;
        length -= part;
        if (m_buffer.size() == WriteBufferSize)
            flush();
    }
}

void CZipStorage::flush()
{
    // A write cut short (the disk filled up) is tried again for the rest: the failing call is
    // the one that tells why.
    for (qint64 done = 0; done < m_buffer.size();) {
        const qint64 written = m_file->write(m_buffer.constData() + done, m_buffer.size() - done);
        if (written <= 0)
            fail();
        done += written;
    }
    m_buffer.clear();
}

void CZipStorage::read(char *data, qint64 length)
{
    if (readSome(data, length) != length)
        throw CZipException(CZipException::BadZipFile, m_path);
}

QByteArray CZipStorage::read(qint64 length)
{
    QByteArray data(length, Qt::Uninitialized);
    read(data.data(), length);
    return data;
}

qint64 CZipStorage::readSome(char *data, qint64 length)
{
    flush();
    qint64 done = 0;
    while (done < length) {
        const qint64 got = m_file->read(data + done, length - done);
        if (got < 0)
            fail();
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

void CZipStorage::seek(qint64 position)
{
    flush();
    if (!m_file->seek(m_base + position))
        fail();
}

qint64 CZipStorage::position() const
{
    return m_file->pos() + m_buffer.size() - m_base;
}

qint64 CZipStorage::size() const
{
    return qMax(m_file->size() - m_base, position());
}

void CZipStorage::truncateHere()
{
    flush();
    if (!m_file->resize(m_file->pos()))
        fail();
}

void CZipStorage::fail() const
{
    throw CZipException(CZipException::FileError, m_path, 0,
                        m_file ? m_file->errorString() : QString());
}
