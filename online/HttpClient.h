#pragma once

#include <QByteArray>
#include <QString>

typedef void CURL;

// One HTTP client for the whole run: GET returning the reply body, cookies kept in memory.
// Every failure (no connection, time-out, a status that is not 2xx, a reply past the limit)
// is an Error naming the address.
class HttpClient {
public:
    static constexpr qint64 kDefaultReplyLimit = qint64(64) * 1024 * 1024;
    static constexpr long kStallSeconds = 30; // no byte for this long ends a transfer

    HttpClient();
    ~HttpClient();
    HttpClient(const HttpClient &) = delete;
    HttpClient &operator=(const HttpClient &) = delete;

    QByteArray get(const QString &url);

    // What the package import switches to; it stays for every later request of the run.
    void useImportSettings();

    const QByteArray &userAgent() const { return m_userAgent; }
    long connectTimeoutMs() const { return m_connectTimeoutMs; } // 0: the library's default
    qint64 replyLimit() const { return m_replyLimit; }
    void setReplyLimit(qint64 bytes) { m_replyLimit = bytes; }

private:
    CURL *m_curl;
    QByteArray m_userAgent = "Mozilla/3.0 (compatible; Indy Library)";
    long m_connectTimeoutMs = 0;
    qint64 m_replyLimit = kDefaultReplyLimit;
};

// Makes sure libcurl's global state is set up once, before any handle is made.
void ensureCurlInitialised();
