#include "SetupDownload.h"

#include "SetupSignature.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

namespace {

const QString Agent = QStringLiteral("VerdimoSetup");

// Removes what stands at path, a link included (not what it points to); true when nothing is
// left there.
bool removeEntry(const QString &path)
{
    const QFileInfo entry(path);
    return (!entry.exists() && !entry.isSymLink()) || QFile::remove(path);
}

} // namespace

SetupDownload::SetupDownload(UpdateTransport &transport, UpdateServers servers,
                             QByteArray publicKey, TransferLimits limits)
    : m_transport(transport), m_servers(std::move(servers)), m_publicKey(std::move(publicKey)),
      m_limits(limits)
{
}

QString SetupDownload::notVerifiedMessage()
{
    return tr("The downloaded setup file could not be verified and was deleted.");
}

SetupDownload::Result SetupDownload::run(const QString &folder, const Progress &progress,
                                         const std::atomic_bool &cancel)
{
    const QString target = QDir(folder).filePath(UpdateServers::packageName());
    const QString displayTarget = QDir::toNativeSeparators(target);
    if (!m_servers.packageUrl().isValid())
        return Result::failed(tr("No file server for the setup file is configured."));

    // Removed with everything in it, however the download ends.
    const QTemporaryDir privateFolder(
        QDir(folder).filePath(QStringLiteral("verdimo-download-XXXXXX")));
    if (!privateFolder.isValid())
        return Result::failed(
            tr("No folder for the download could be created in %1: %2")
                .arg(QDir::toNativeSeparators(folder), privateFolder.errorString()));
    const QString partPath = privateFolder.filePath(UpdateServers::packageName());

    qint64 announced = -1;
    const TransferResult lookup = withRetries(
        [&] { return m_transport.remoteSize(request(m_servers.packageUrl(), cancel), announced); },
        cancel);
    if (lookup.status == TransferResult::Cancelled)
        return Result::cancelled();
    if (lookup.status == TransferResult::NotFound)
        return Result::failed(tr("The setup file %1 was not found on the file server.")
                                  .arg(m_servers.packageUrl().toDisplayString()));
    if (!lookup.ok())
        return Result::failed(tr("The setup file %1 could not be read from the file server: %2")
                                  .arg(m_servers.packageUrl().toDisplayString(), lookup.error));

    if (const std::optional<Result> failure = fetchPackage(partPath, announced, progress, cancel))
        return *failure;
    if (!signatureMatches(partPath, cancel))
        return cancel ? Result::cancelled() : Result::refused(notVerifiedMessage());
    if (!removeEntry(target))
        return Result::failed(
            tr("The previous setup file %1 could not be deleted.").arg(displayTarget));
    // The move never replaces a file that appeared there meanwhile.
    if (!QFile::rename(partPath, target))
        return Result::failed(tr("The setup file %1 could not be saved.").arg(displayTarget));
    return {Result::Verified, {}, target};
}

std::optional<SetupDownload::Result> SetupDownload::fetchPackage(const QString &partPath,
                                                                 qint64 announced,
                                                                 const Progress &progress,
                                                                 const std::atomic_bool &cancel)
{
    QFile file(partPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return Result::failed(tr("The setup file %1 could not be created: %2")
                                  .arg(QDir::toNativeSeparators(partPath), file.errorString()));
    if (progress)
        progress(0, announced);
    const auto report = [&](qint64 received) {
        if (progress)
            progress(received, announced);
    };
    const qint64 limit = announced >= 0 ? announced : UnannouncedLimitBytes;
    const TransferResult result = withRetries(
        [&] {
            // A new attempt starts the file again.
            file.resize(0);
            file.seek(0);
            return m_transport.download(request(m_servers.packageUrl(), cancel), limit, file,
                                        report);
        },
        cancel);
    const bool written = file.flush();
    file.close();
    switch (result.status) {
    case TransferResult::Ok:
        break;
    case TransferResult::Cancelled:
        return Result::cancelled();
    case TransferResult::TooLarge:
        return Result::refused(
            tr("The downloaded setup file is larger than the file server announced and was "
               "deleted."));
    default:
        return Result::failed(tr("The setup file could not be downloaded from %1: %2")
                                  .arg(m_servers.packageUrl().toDisplayString(), result.error));
    }
    if (!written)
        return Result::failed(
            tr("The setup file %1 could not be written.").arg(QDir::toNativeSeparators(partPath)));
    if (announced >= 0 && QFileInfo(partPath).size() != announced)
        return Result::failed(tr("The download of the setup file from %1 ended before the "
                                 "whole file arrived.")
                                  .arg(m_servers.packageUrl().toDisplayString()));
    return std::nullopt;
}

bool SetupDownload::signatureMatches(const QString &partPath, const std::atomic_bool &cancel)
{
    QByteArray signature;
    const TransferResult result = withRetries(
        [&] {
            return m_transport.fetch(request(m_servers.signatureUrl(), cancel),
                                     SetupSignature::SignatureBytes, signature);
        },
        cancel);
    return result.ok() && SetupSignature::verifyFile(partPath, signature, m_publicKey);
}

TransferRequest SetupDownload::request(const QUrl &url, const std::atomic_bool &cancel) const
{
    return {url, Agent, m_servers.fileUser, m_servers.filePassword, &cancel};
}

TransferResult SetupDownload::withRetries(const std::function<TransferResult()> &attempt,
                                          const std::atomic_bool &cancel) const
{
    TransferResult result;
    for (int tried = 1;; ++tried) {
        result = attempt();
        if (result.ok() || !result.transient || tried >= m_limits.attempts)
            return result;
        for (int waited = 0; waited < m_limits.retryPauseMilliseconds; waited += 50) {
            if (cancel)
                return {TransferResult::Cancelled, {}};
            QThread::msleep(50);
        }
    }
}
