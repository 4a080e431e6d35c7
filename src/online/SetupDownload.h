#pragma once

#include "UpdateServers.h"
#include "UpdateTransport.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <atomic>
#include <functional>
#include <optional>

// Downloads the package of the new version into a folder and keeps it only when its signature
// verifies with the maker's key. The package is written into a private folder made for the
// download inside the target folder (readable by this user alone, the file created there
// anew, never an existing file of that name, which in a shared folder may belong to anyone)
// and moved to its final name only once verified, so a cancelled, failed or refused download
// leaves no file behind and an older package stays until the new one replaces it. Runs on any
// thread.
class SetupDownload
{
    Q_DECLARE_TR_FUNCTIONS(SetupDownload)
public:
    struct Result
    {
        enum Status { Verified, Failed, Refused, Cancelled };
        Status status = Failed;
        QString message; // for Failed and Refused
        QString path;    // the verified package

        static Result failed(const QString &message) { return {Failed, message, {}}; }
        static Result refused(const QString &message) { return {Refused, message, {}}; }
        static Result cancelled() { return {Cancelled, {}, {}}; }
    };
    // total is -1 while the server announced no size.
    using Progress = std::function<void(qint64 received, qint64 total)>;

    // A package is never larger than this when the server announces no size.
    static constexpr qint64 UnannouncedLimitBytes = qint64(1) << 30;

    SetupDownload(UpdateTransport &transport, UpdateServers servers, QByteArray publicKey,
                  TransferLimits limits = {});

    Result run(const QString &folder, const Progress &progress, const std::atomic_bool &cancel);

    static QString notVerifiedMessage();

private:
    TransferRequest request(const QUrl &url, const std::atomic_bool &cancel) const;
    // Repeats an attempt while the server cannot be reached, up to the limit of attempts.
    TransferResult withRetries(const std::function<TransferResult()> &attempt,
                               const std::atomic_bool &cancel) const;
    // The failure, if the package did not arrive whole.
    std::optional<Result> fetchPackage(const QString &partPath, qint64 announced,
                                       const Progress &progress, const std::atomic_bool &cancel);
    bool signatureMatches(const QString &partPath, const std::atomic_bool &cancel);

    UpdateTransport &m_transport;
    UpdateServers m_servers;
    QByteArray m_publicKey;
    TransferLimits m_limits;
};
