#include "online/HttpClient.h"
#include "common/Error.h"
#include "tests/online/OnlinePeers.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

QString errorOf(HttpClient &http, const QString &url)
{
    try {
        http.get(url);
    } catch (const Error &error) {
        return error.text();
    }
    return QString();
}

} // namespace

TEST(HttpClient, GetsBodyFromPythonHttpServer)
{
    QTemporaryDir dir;
    const QByteArray body("line one\r\nzero\0byte", 19);
    {
        QFile file(dir.filePath(QStringLiteral("file.bin")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(body);
    }
    const int port = freePort();
    QProcess server;
    server.setStandardOutputFile(QProcess::nullDevice());
    server.setStandardErrorFile(QProcess::nullDevice());
    server.start(pythonProgram(), {QStringLiteral("-m"), QStringLiteral("http.server"), QString::number(port),
                                   QStringLiteral("--bind"), QStringLiteral("127.0.0.1"),
                                   QStringLiteral("--directory"), dir.path()});
    ASSERT_TRUE(server.waitForStarted());
    for (int i = 0; i < 100; ++i) {
        QTcpSocket probe;
        probe.connectToHost(QStringLiteral("127.0.0.1"), quint16(port));
        if (probe.waitForConnected(100))
            break;
        QThread::msleep(50);
    }
    HttpClient http;
    const QString root = QStringLiteral("http://127.0.0.1:%1/").arg(port);
    EXPECT_EQ(http.get(root + QStringLiteral("file.bin")), body);

    const QString missing = errorOf(http, root + QStringLiteral("missing.txt"));
    EXPECT_TRUE(missing.contains(root + QStringLiteral("missing.txt"))) << missing.toStdString();
    EXPECT_TRUE(missing.contains(QStringLiteral("404"))) << missing.toStdString();
    server.kill();
    server.waitForFinished();
}

TEST(HttpClient, SendsHeadersKeepsCookiesAndSwitchesForImports)
{
    ExchangeServer server;
    server.put(QStringLiteral("a.txt"), "a");
    HttpClient http;
    EXPECT_EQ(http.connectTimeoutMs(), 0);
    http.get(server.root() + QStringLiteral("a.txt"));
    http.get(server.root() + QStringLiteral("a.txt"));
    http.useImportSettings();
    http.get(server.root() + QStringLiteral("a.txt"));
    EXPECT_EQ(http.connectTimeoutMs(), 10000);

    const QList<QJsonObject> requests = server.requests();
    ASSERT_EQ(requests.size(), 3);
    for (const QJsonObject &request : requests)
        EXPECT_EQ(request.value("accept").toString(), QStringLiteral("text/html, */*"));
    EXPECT_EQ(requests[0].value("agent").toString(),
              QStringLiteral("Mozilla/3.0 (compatible; Indy Library)"));
    EXPECT_EQ(requests[1].value("agent").toString(),
              QStringLiteral("Mozilla/3.0 (compatible; Indy Library)"));
    EXPECT_EQ(requests[2].value("agent").toString(), QStringLiteral("Saffin"));
    EXPECT_EQ(requests[0].value("cookie").toString(), QString());
    EXPECT_EQ(requests[1].value("cookie").toString(), QStringLiteral("exchange=kept"));
}

TEST(HttpClient, FailuresNameTheAddress)
{
    ExchangeServer server(1);
    server.put(QStringLiteral("a.txt"), "a");
    HttpClient http;
    const QString failing = errorOf(http, server.root() + QStringLiteral("a.txt"));
    EXPECT_TRUE(failing.contains(QStringLiteral("503"))) << failing.toStdString();
    EXPECT_EQ(http.get(server.root() + QStringLiteral("a.txt")), "a");

    const QString nobody = QStringLiteral("http://127.0.0.1:%1/Saffin/Rezepte.txt").arg(freePort());
    const QString refused = errorOf(http, nobody);
    EXPECT_TRUE(refused.contains(nobody)) << refused.toStdString();
}

TEST(HttpClient, RefusesRepliesPastTheLimit)
{
    ExchangeServer server;
    server.put(QStringLiteral("small.bin"), QByteArray(1000, 'x'));
    server.put(QStringLiteral("big.bin"), QByteArray(1001, 'x'));
    HttpClient http;
    EXPECT_EQ(http.replyLimit(), 64 * 1024 * 1024);
    http.setReplyLimit(1000);
    EXPECT_EQ(http.get(server.root() + QStringLiteral("small.bin")).size(), 1000);
    const QString refused = errorOf(http, server.root() + QStringLiteral("big.bin"));
    EXPECT_TRUE(refused.contains(server.root() + QStringLiteral("big.bin"))) << refused.toStdString();
    EXPECT_TRUE(refused.contains(QStringLiteral("refused"))) << refused.toStdString();
}

TEST(HttpClient, RefusesRepliesPastTheDefaultLimit)
{
    ExchangeServer server;
    server.put(QStringLiteral("huge.bin"), QByteArray(HttpClient::kDefaultReplyLimit + 1, 'x'));
    HttpClient http;
    const QString refused = errorOf(http, server.root() + QStringLiteral("huge.bin"));
    EXPECT_TRUE(refused.contains(QStringLiteral("64 MB"))) << refused.toStdString();
}
