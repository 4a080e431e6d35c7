#include "UpdateCheck.h"

#include "PrintableText.h"
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
        result.error = transfer.status == TransferResult::TooLarge
                           ? tr("The version text at %1 is too long.").arg(where)
                           : tr("The version text could not be read from %1: %2")
                                 .arg(where, PrintableText::of(transfer.error));
        return result;
    }
    result.version = VersionText::normalize(QString::fromUtf8(text));
    if (result.version.isEmpty()) {
        result.error = notAVersion(where, text);
        return result;
    }
    result.fetched = true;
    result.newer = VersionText::isNewer(result.version, currentVersion);
    return result;
}

QString UpdateCheck::notAVersion(const QString &where, const QByteArray &answer)
{
    const QString shown = PrintableText::of(QString::fromUtf8(answer), 60);
    return shown.isEmpty()
               ? tr("The server did not answer with a version: %1 is empty.").arg(where)
               : tr("The server did not answer with a version: %1 holds \"%2\".").arg(where, shown);
}
