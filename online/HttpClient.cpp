#include "online/HttpClient.h"

#include "common/Error.h"

#include <QCoreApplication>

#include <curl/curl.h>

#include <memory>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("HttpClient", text);
}

struct Reply {
    QByteArray body;
    qint64 limit = 0;
    bool tooLarge = false;
};

size_t collect(char *data, size_t size, size_t count, void *userData)
{
    auto *reply = static_cast<Reply *>(userData);
    const qint64 bytes = qint64(size * count);
    if (reply->body.size() + bytes > reply->limit) {
        reply->tooLarge = true;
        return 0; // makes libcurl end the transfer with a write error
    }
    reply->body.append(data, bytes);
    return size_t(bytes);
}

} // namespace

void ensureCurlInitialised()
{
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    if (!initialised)
        throw Error(tr("The network library could not be started."));
}

HttpClient::HttpClient()
{
    ensureCurlInitialised();
    m_curl = curl_easy_init();
    if (!m_curl)
        throw Error(tr("The network library could not be started."));
    // An empty cookie file switches the cookie engine on without reading a file: cookies live
    // on this handle for the run.
    curl_easy_setopt(m_curl, CURLOPT_COOKIEFILE, "");
}

HttpClient::~HttpClient()
{
    curl_easy_cleanup(m_curl);
}

void HttpClient::useImportSettings()
{
    m_userAgent = "Saffin";
    m_connectTimeoutMs = 10000;
}

QByteArray HttpClient::get(const QString &url)
{
    const QByteArray address = url.toUtf8();
    Reply reply;
    reply.limit = m_replyLimit;
    char errorText[CURL_ERROR_SIZE] = {};

    std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headers(
        curl_slist_append(nullptr, "Accept: text/html, */*"), &curl_slist_free_all);

    CURL *c = m_curl;
    curl_easy_setopt(c, CURLOPT_URL, address.constData());
    curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(c, CURLOPT_USERAGENT, m_userAgent.constData());
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, m_connectTimeoutMs);
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 0L); // a redirect is not a success
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, kStallSeconds);
    curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(m_replyLimit));
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &collect);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &reply);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorText);

    const CURLcode result = curl_easy_perform(c);
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, nullptr);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, nullptr);

    if (reply.tooLarge || result == CURLE_FILESIZE_EXCEEDED)
        throw Error(tr("The reply from \"%1\" is larger than %2 MB and was refused.")
                        .arg(url)
                        .arg(m_replyLimit / (1024 * 1024.0), 0, 'f', m_replyLimit % (1024 * 1024) ? 2 : 0));
    if (result != CURLE_OK) {
        const QString reason =
            errorText[0] ? QString::fromUtf8(errorText) : QString::fromUtf8(curl_easy_strerror(result));
        throw Error(tr("Could not download \"%1\": %2").arg(url, reason));
    }
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status > 299)
        throw Error(
            tr("Could not download \"%1\": the server answered with status %2.").arg(url).arg(status));
    return reply.body;
}
