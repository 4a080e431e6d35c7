#include "CurlTransport.h"

#include "PrintableText.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QIODevice>

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace {

struct EasyDeleter
{
    void operator()(CURL *handle) const { curl_easy_cleanup(handle); }
};
struct ListDeleter
{
    void operator()(curl_slist *list) const { curl_slist_free_all(list); }
};

// What the callbacks of one transfer share with it.
struct Sink
{
    QByteArray *buffer = nullptr;
    QIODevice *device = nullptr;
    const UpdateTransport::ProgressCallback *progress = nullptr;
    const std::atomic_bool *cancel = nullptr;
    qint64 maxBytes = -1;
    qint64 received = 0;
    // Restarted by every byte that arrives.
    QElapsedTimer sinceLastByte;
    bool tooLarge = false;
    bool writeFailed = false;
};

size_t receive(char *data, size_t size, size_t count, void *context)
{
    auto &sink = *static_cast<Sink *>(context);
    const qint64 length = qint64(size * count);
    if (sink.maxBytes >= 0 && sink.received + length > sink.maxBytes) {
        sink.tooLarge = true;
        return 0;
    }
    if (sink.buffer) {
        sink.buffer->append(data, length);
    } else if (sink.device && sink.device->write(data, length) != length) {
        sink.writeFailed = true;
        return 0;
    }
    sink.received += length;
    sink.sinceLastByte.restart();
    if (sink.progress && *sink.progress)
        (*sink.progress)(sink.received);
    return size_t(length);
}

int checkCancel(void *context, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    const auto &sink = *static_cast<Sink *>(context);
    return sink.cancel && sink.cancel->load() ? 1 : 0;
}

// A server that stopped answering (a time limit ran out) is not asked again: another try would
// keep the user waiting well beyond the limit.
bool isTransient(CURLcode code)
{
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_FTP_ACCEPT_FAILED:
    case CURLE_FTP_ACCEPT_TIMEOUT:
    case CURLE_FTP_CANT_GET_HOST:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_GOT_NOTHING:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE:
        return true;
    default:
        return false;
    }
}

class Transfer
{
public:
    Transfer(const TransferRequest &request, const TransferLimits &limits, Sink &sink)
        : m_handle(curl_easy_init()), m_sink(sink), m_stallSeconds(limits.stallSeconds)
    {
        static std::once_flag initialised;
        std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
        m_sink.cancel = request.cancel;
        m_error[0] = '\0';
        m_url = request.url.toString(QUrl::FullyEncoded).toUtf8();
        m_agent = request.userAgent.toUtf8();
        m_user = request.user.toUtf8();
        m_password = request.password.toUtf8();
        m_headers.reset(curl_slist_append(nullptr, "Cache-Control: no-cache"));
        curl_slist_append(m_headers.get(), "Pragma: no-cache");

        CURL *h = m_handle.get();
        curl_easy_setopt(h, CURLOPT_URL, m_url.constData());
        curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https,ftp");
        curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(h, CURLOPT_MAXREDIRS, 5L);
        curl_easy_setopt(h, CURLOPT_USERAGENT, m_agent.constData());
        curl_easy_setopt(h, CURLOPT_HTTPHEADER, m_headers.get());
        curl_easy_setopt(h, CURLOPT_FAILONERROR, 1L);
        curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(h, CURLOPT_ERRORBUFFER, m_error);
        curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, long(limits.connectSeconds));
        curl_easy_setopt(h, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(limits.stallSeconds));
        curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, long(limits.stallSeconds));
        // Passive mode (EPSV, then PASV) is libcurl's default for FTP; no PORT is ever sent.
        curl_easy_setopt(h, CURLOPT_FTP_USE_EPSV, 1L);
        if (!m_user.isEmpty()) {
            curl_easy_setopt(h, CURLOPT_USERNAME, m_user.constData());
            curl_easy_setopt(h, CURLOPT_PASSWORD, m_password.constData());
        }
        curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, receive);
        curl_easy_setopt(h, CURLOPT_WRITEDATA, &m_sink);
        curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, checkCancel);
        curl_easy_setopt(h, CURLOPT_XFERINFODATA, &m_sink);
    }

    CURL *handle() const { return m_handle.get(); }

    // The whole time the transfer may take.
    void setTimeLimit(qint64 seconds)
    {
        m_timeLimitSeconds = seconds;
        curl_easy_setopt(m_handle.get(), CURLOPT_TIMEOUT, long(seconds));
    }

    TransferResult perform()
    {
        if (!m_handle)
            return {TransferResult::Failed, tr("The network library could not start.")};
        QElapsedTimer elapsed;
        elapsed.start();
        m_sink.sinceLastByte.start();
        const CURLcode code = curl_easy_perform(m_handle.get());
        if (code == CURLE_OK)
            return {TransferResult::Ok, {}};
        if (m_sink.cancel && m_sink.cancel->load())
            return {TransferResult::Cancelled, tr("Cancelled.")};
        if (m_sink.tooLarge || code == CURLE_FILESIZE_EXCEEDED)
            return {TransferResult::TooLarge, tr("More data arrived than the server announced.")};
        if (code == CURLE_OPERATION_TIMEDOUT) {
            // A little less than the limits, for the library's own timing.
            if (m_sink.sinceLastByte.elapsed() >= m_stallSeconds * 1000 - 500)
                return {TransferResult::Failed,
                        tr("The server sent nothing for %1 seconds.").arg(m_stallSeconds)};
            if (m_timeLimitSeconds > 0 && elapsed.elapsed() >= m_timeLimitSeconds * 1000 - 500)
                return {TransferResult::Failed,
                        tr("The transfer did not end within the %1 seconds allowed for it.")
                            .arg(m_timeLimitSeconds)};
        }
        // The library's message may quote what the server said.
        const QString reason = PrintableText::of(
            m_error[0] ? QString::fromUtf8(m_error) : QString::fromUtf8(curl_easy_strerror(code)));
        if (m_sink.writeFailed)
            return {TransferResult::Failed, tr("The received data could not be written.")};
        if (code == CURLE_REMOTE_FILE_NOT_FOUND || isMissingOnWebServer(code))
            return {TransferResult::NotFound, reason};
        return {TransferResult::Failed, reason, isTransient(code)};
    }

private:
    static QString tr(const char *text)
    {
        return QCoreApplication::translate("CurlTransport", text);
    }

    bool isMissingOnWebServer(CURLcode code) const
    {
        long status = 0;
        curl_easy_getinfo(m_handle.get(), CURLINFO_RESPONSE_CODE, &status);
        return code == CURLE_HTTP_RETURNED_ERROR && (status == 404 || status == 410);
    }

    std::unique_ptr<CURL, EasyDeleter> m_handle;
    std::unique_ptr<curl_slist, ListDeleter> m_headers;
    Sink &m_sink;
    QByteArray m_url;
    QByteArray m_agent;
    QByteArray m_user;
    QByteArray m_password;
    char m_error[CURL_ERROR_SIZE];
    const int m_stallSeconds;
    qint64 m_timeLimitSeconds = 0;
};

} // namespace

CurlTransport::CurlTransport(TransferLimits limits) : m_limits(limits) {}

TransferResult CurlTransport::fetch(const TransferRequest &request, qint64 maxBytes,
                                    QByteArray &data)
{
    data.clear();
    Sink sink;
    sink.buffer = &data;
    sink.maxBytes = maxBytes;
    Transfer transfer(request, m_limits, sink);
    transfer.setTimeLimit(m_limits.textSeconds);
    const TransferResult result = transfer.perform();
    if (!result.ok())
        data.clear();
    return result;
}

TransferResult CurlTransport::remoteSize(const TransferRequest &request, qint64 &size)
{
    size = -1;
    Sink sink;
    Transfer transfer(request, m_limits, sink);
    curl_easy_setopt(transfer.handle(), CURLOPT_NOBODY, 1L);
    // An FTP server answers the size only for a file that exists.
    curl_easy_setopt(transfer.handle(), CURLOPT_FILETIME, 1L);
    transfer.setTimeLimit(m_limits.textSeconds);
    const TransferResult result = transfer.perform();
    if (result.ok()) {
        curl_off_t length = -1;
        curl_easy_getinfo(transfer.handle(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
        size = length;
    }
    return result;
}

TransferResult CurlTransport::download(const TransferRequest &request, qint64 maxBytes,
                                       QIODevice &target, const ProgressCallback &progress)
{
    Sink sink;
    sink.device = &target;
    sink.progress = &progress;
    sink.maxBytes = maxBytes;
    Transfer transfer(request, m_limits, sink);
    if (maxBytes >= 0) {
        curl_easy_setopt(transfer.handle(), CURLOPT_MAXFILESIZE_LARGE, curl_off_t(maxBytes));
        transfer.setTimeLimit(m_limits.downloadSeconds(maxBytes));
    }
    return transfer.perform();
}
