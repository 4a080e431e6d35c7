#pragma once

#include <QByteArray>

#include <sodium.h>

// A signing key pair made for one test run, standing in for the maker's key.
struct TestKeys
{
    QByteArray publicKey;
    QByteArray secretKey;

    static TestKeys generate()
    {
        if (sodium_init() < 0)
            qFatal("libsodium cannot start");
        TestKeys keys;
        keys.publicKey.resize(crypto_sign_PUBLICKEYBYTES);
        keys.secretKey.resize(crypto_sign_SECRETKEYBYTES);
        crypto_sign_keypair(reinterpret_cast<unsigned char *>(keys.publicKey.data()),
                            reinterpret_cast<unsigned char *>(keys.secretKey.data()));
        return keys;
    }

    QByteArray sign(const QByteArray &content) const
    {
        QByteArray signature(crypto_sign_BYTES, '\0');
        crypto_sign_detached(reinterpret_cast<unsigned char *>(signature.data()), nullptr,
                             reinterpret_cast<const unsigned char *>(content.constData()),
                             static_cast<unsigned long long>(content.size()),
                             reinterpret_cast<const unsigned char *>(secretKey.constData()));
        return signature;
    }
};
