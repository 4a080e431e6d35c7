#pragma once

#include "UpdateTransport.h"

// The transport on libcurl: passive FTP, HTTP and HTTPS with redirects between them, within
// the given limits. Each call is independent, so calls may run on any thread.
class CurlTransport : public UpdateTransport
{
public:
    explicit CurlTransport(TransferLimits limits = {});

    TransferResult fetch(const TransferRequest &request, qint64 maxBytes,
                         QByteArray &data) override;
    TransferResult remoteSize(const TransferRequest &request, qint64 &size) override;
    TransferResult download(const TransferRequest &request, qint64 maxBytes, QIODevice &target,
                            const ProgressCallback &progress) override;

private:
    TransferLimits m_limits;
};
