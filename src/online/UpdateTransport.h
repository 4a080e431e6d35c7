#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QtGlobal>

#include <atomic>
#include <functional>

class QIODevice;

// Bounds that keep a dead or stalled server from holding the program.
struct TransferLimits
{
    int connectSeconds = 15;
    // A transfer that moves no byte for this long ends (also an FTP server that does not
    // answer a command), and is not tried again: a stalled server gives up within this time.
    int stallSeconds = 30;
    // The whole time allowed to read a small text such as the version.
    int textSeconds = 30;
    // The slowest average rate a download may keep: its whole time is bounded by its size at
    // this rate, so that a server trickling a byte now and then is given up too.
    qint64 minimumBytesPerSecond = 4096;
    // Tries to reach the package when the connection fails, and the pause between them.
    int attempts = 3;
    int retryPauseMilliseconds = 2000;

    // The whole time allowed for a download of at most bytes.
    qint64 downloadSeconds(qint64 bytes) const
    {
        return connectSeconds + stallSeconds + bytes / qMax<qint64>(1, minimumBytesPerSecond);
    }
};

struct TransferRequest
{
    QUrl url;
    QString userAgent;
    QString user;
    QString password;
    // Set by another thread to end the transfer.
    const std::atomic_bool *cancel = nullptr;
};

struct TransferResult
{
    enum Status { Ok, Failed, NotFound, TooLarge, Cancelled };
    Status status = Failed;
    QString error; // what went wrong, for the user
    // The server could not be reached or did not answer in time: worth another try.
    bool transient = false;

    bool ok() const { return status == Ok; }
};

// Reads resources from web (HTTP, HTTPS) and file (FTP, passive) servers.
class UpdateTransport
{
public:
    using ProgressCallback = std::function<void(qint64 received)>;

    virtual ~UpdateTransport() = default;

    // Reads a small resource whole, never from a cache; more than maxBytes is refused.
    virtual TransferResult fetch(const TransferRequest &request, qint64 maxBytes,
                                 QByteArray &data) = 0;
    // The size the server announces, -1 when it announces none; NotFound when it has no such
    // resource.
    virtual TransferResult remoteSize(const TransferRequest &request, qint64 &size) = 0;
    // Writes the resource to target; more than maxBytes ends the transfer with TooLarge, and a
    // transfer slower than the limits allow for maxBytes ends with Failed.
    virtual TransferResult download(const TransferRequest &request, qint64 maxBytes,
                                    QIODevice &target, const ProgressCallback &progress) = 0;
};
