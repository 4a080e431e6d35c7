#include "CZipStorage.h"

#include "CZipException.h"

CZipStorage::~CZipStorage()
{
    abandon();
}

void CZipStorage::abandon()
{
    m_buffer.clear();
    if (m_file.isOpen())
        m_file.close();
}

void CZipStorage::open(const QString &path, Mode mode)
{
    close();
    m_file.setFileName(path);
    QIODevice::OpenMode flags = QIODevice::ReadOnly;
    if (mode == Mode::ReadWrite)
        flags = QIODevice::ReadWrite;
    else if (mode == Mode::Create)
        flags = QIODevice::ReadWrite | QIODevice::Truncate;
    if (!m_file.open(flags))
        fail();
    m_buffer.reserve(WriteBufferSize);
}

void CZipStorage::makeWritable()
{
    if (m_file.isWritable())
        return;
    const qint64 at = m_file.pos();
    m_file.close();
    if (!m_file.open(QIODevice::ReadWrite))
        fail();
    seek(at);
}

void CZipStorage::close()
{
    if (!m_file.isOpen())
        return;
    flush();
    m_file.close();
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
    if (m_buffer.isEmpty())
        return;
    if (m_file.write(m_buffer) != m_buffer.size())
        fail();
    m_buffer.clear();
}

void CZipStorage::read(char *data, qint64 length)
{
    if (readSome(data, length) != length)
        throw CZipException(CZipException::BadZipFile, m_file.fileName());
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
        const qint64 got = m_file.read(data + done, length - done);
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
    if (!m_file.seek(position))
        fail();
}

qint64 CZipStorage::position() const
{
    return m_file.pos() + m_buffer.size();
}

qint64 CZipStorage::size() const
{
    return qMax(m_file.size(), position());
}

void CZipStorage::truncateHere()
{
    flush();
    if (!m_file.resize(m_file.pos()))
        fail();
}

void CZipStorage::fail() const
{
    throw CZipException(CZipException::FileError, m_file.fileName(), 0, m_file.errorString());
}
