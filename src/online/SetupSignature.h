#pragma once

#include <QByteArray>
#include <QString>

// The detached Ed25519 signature published beside the package ("VerdimoSetup.deb.sig", the
// 64 bytes of the signature over the whole package file), as libsodium's crypto_sign_detached
// or any plain Ed25519 signer (not the pre-hashed Ed25519ph) makes it with the maker's secret
// key. The secret key never enters this repository.
class SetupSignature
{
public:
    static constexpr int PublicKeyBytes = 32;
    static constexpr int SignatureBytes = 64;

    // The maker's public key built into the program.
    static QByteArray builtInPublicKey();

    // True only when signature is a valid signature of the file's whole content by the key.
    static bool verifyFile(const QString &path, const QByteArray &signature,
                           const QByteArray &publicKey);
};
