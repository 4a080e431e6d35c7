#include "ZipCipher.h"

#include <QRandomGenerator>
#include <zlib.h>

namespace {

uint32_t crc32Byte(uint32_t crc, quint8 byte)
{
    static const z_crc_t *table = get_crc_table();
    return table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
}

} // namespace

ZipCipher::ZipCipher(const QByteArray &password) : m_keys{0x12345678, 0x23456789, 0x34567890}
{
    for (const char c : password)
        updateKeys(static_cast<quint8>(c));
}

quint8 ZipCipher::streamByte() const
{
    // Unsigned 32-bit product: 16-bit operands would be promoted to int and overflow it.
    const uint32_t temp = (m_keys[2] | 2) & 0xFFFF;
    return static_cast<quint8>((temp * (temp ^ 1)) >> 8);
}

void ZipCipher::updateKeys(quint8 plain)
{
    m_keys[0] = crc32Byte(m_keys[0], plain);
    m_keys[1] = (m_keys[1] + (m_keys[0] & 0xFF)) * 134775813u + 1;
    m_keys[2] = crc32Byte(m_keys[2], static_cast<quint8>(m_keys[1] >> 24));
}

void ZipCipher::encrypt(char *data, qint64 length)
{
    for (qint64 i = 0; i < length; ++i) {
        const quint8 plain = static_cast<quint8>(data[i]);
        data[i] = static_cast<char>(plain ^ streamByte());
        updateKeys(plain);
    }
}

void ZipCipher::decrypt(char *data, qint64 length)
{
    for (qint64 i = 0; i < length; ++i) {
        const quint8 plain = static_cast<quint8>(data[i]) ^ streamByte();
        data[i] = static_cast<char>(plain);
        updateKeys(plain);
    }
}

QByteArray ZipCipher::makeHeader(quint8 checkLow, quint8 checkHigh)
{
    // The random bytes hide the keys' starting state; they must not be predictable.
    QByteArray header(HeaderSize, Qt::Uninitialized);
    QRandomGenerator *random = QRandomGenerator::system();
    for (int i = 0; i < HeaderSize - 2; ++i)
        header[i] = static_cast<char>(random->bounded(256));
    header[HeaderSize - 2] = static_cast<char>(checkLow);
    header[HeaderSize - 1] = static_cast<char>(checkHigh);
    encrypt(header.data(), header.size());
    return header;
}

quint8 ZipCipher::readHeader(QByteArray header)
{
    decrypt(header.data(), header.size());
    return static_cast<quint8>(header[HeaderSize - 1]);
}
