#include "UpdateCheck.h"

#include "VersionText.h"

UpdateCheck::Result UpdateCheck::run(UpdateTransport &transport, const QUrl &versionUrl,
                                     const QString &currentVersion, const std::atomic_bool *cancel)
{
    const QString where = versionUrl.toDisplayString();
    QByteArray text;
    const TransferResult transfer = transport.fetch(
        {versionUrl, QStringLiteral("BrivexUpdate"), {}, {}, cancel}, MaximumTextBytes, text);
    Result result;
    if (!transfer.ok()) {
        result.error =
            transfer.status == TransferResult::TooLarge
                ? tr("The version text at %1 is too long.").arg(where)
                : tr("The version text could not be read from %1: %2").arg(where, transfer.error);
        return result;
    }
    result.version = VersionText::normalize(QString::fromUtf8(text));
    if (!VersionText::isValid(result.version)) {
        result.error = tr("The text read from %1 is not a version number: \"%2\"")
                           .arg(where, result.version.left(40));
        return result;
    }
    result.fetched = true;
    result.newer = VersionText::isNewer(result.version, currentVersion);
    return result;
}
