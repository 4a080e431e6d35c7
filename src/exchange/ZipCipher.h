#pragma once

#include <QByteArray>
#include <cstdint>

// The traditional PKWARE stream cipher: three 32-bit keys initialised from the password and
// updated with every plain byte.
class ZipCipher
{
public:
    static constexpr int HeaderSize = 12;

    explicit ZipCipher(const QByteArray &password);

    void encrypt(char *data, qint64 length);
    void decrypt(char *data, qint64 length);

    // The 12-byte encryption header: ten random bytes then the two check bytes, encrypted.
    QByteArray makeHeader(quint8 checkLow, quint8 checkHigh);
    // Decrypts a header read from an archive and returns its last (check) byte.
    quint8 readHeader(QByteArray header);

private:
    quint8 streamByte() const;
    void updateKeys(quint8 plain);

    uint32_t m_keys[3];
};
