#include "SetupSignature.h"

#include <QFile>

#include <sodium.h>

static_assert(SetupSignature::PublicKeyBytes == crypto_sign_PUBLICKEYBYTES);
static_assert(SetupSignature::SignatureBytes == crypto_sign_BYTES);

QByteArray SetupSignature::builtInPublicKey()
{
    return QByteArray::fromHex("019d4f0986d03fc0ae19009d879e87c9be15adf26ccc78acbfe767b5b4b1ad99");
}

bool SetupSignature::verifyFile(const QString &path, const QByteArray &signature,
                                const QByteArray &publicKey)
{
    if (signature.size() != SignatureBytes || publicKey.size() != PublicKeyBytes)
        return false;
    if (sodium_init() < 0)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    // An empty file cannot be mapped; its signature is checked over no bytes.
    const uchar *content = size > 0 ? file.map(0, size) : nullptr;
    if (size > 0 && !content)
        return false;
    static const unsigned char nothing = 0;
    return crypto_sign_verify_detached(
               reinterpret_cast<const unsigned char *>(signature.constData()),
               content ? content : &nothing, static_cast<unsigned long long>(size),
               reinterpret_cast<const unsigned char *>(publicKey.constData())) == 0;
}
