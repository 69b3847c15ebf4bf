#include "tests/online/OnlinePeers.h"

#include "common/TextLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QStandardPaths>
#include <QTcpServer>
#include <QThread>

#include <stdexcept>

namespace {

QString fixture(const char *name)
{
    return QStringLiteral(SAFFIN_SOURCE_DIR "/tests/online/fixtures/") + name;
}

void stop(QProcess &process)
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
    }
}

} // namespace

QString pythonProgram()
{
    const QString system =
        QStandardPaths::findExecutable(QStringLiteral("python3"), {QStringLiteral("/usr/bin")});
    return system.isEmpty() ? QStringLiteral("python3") : system;
}

int freePort()
{
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0))
        throw std::runtime_error("no free port");
    return server.serverPort();
}

ExchangeServer::ExchangeServer(int failures, const QString &failMatch)
{
    QDir().mkpath(m_dir.filePath(QStringLiteral("www")));
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(pythonProgram(),
                    {fixture("exchange_server.py"), QStringLiteral("--directory"),
                     m_dir.filePath(QStringLiteral("www")), QStringLiteral("--log"),
                     m_dir.filePath(QStringLiteral("requests.log")), QStringLiteral("--fail"),
                     QString::number(failures), QStringLiteral("--fail-match=") + failMatch});
    if (!m_process.waitForStarted(10000))
        throw std::runtime_error("exchange server did not start");
    QByteArray seen;
    while (m_process.waitForReadyRead(15000)) {
        seen += m_process.readAll();
        const qsizetype at = seen.indexOf("PORT ");
        const qsizetype end = at < 0 ? -1 : seen.indexOf('\n', at);
        if (end > 0) {
            m_port = seen.mid(at + 5, end - at - 5).trimmed().toInt();
            return;
        }
    }
    stop(m_process);
    throw std::runtime_error("exchange server did not report its port: " + seen.toStdString());
}

ExchangeServer::~ExchangeServer()
{
    stop(m_process);
}

QString ExchangeServer::root() const
{
    return QStringLiteral("http://127.0.0.1:%1/").arg(m_port);
}

void ExchangeServer::put(const QString &path, const QByteArray &bytes)
{
    const QString full = m_dir.filePath(QStringLiteral("www/") + path);
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write fixture file");
}

void ExchangeServer::remove(const QString &path)
{
    QFile::remove(m_dir.filePath(QStringLiteral("www/") + path));
}

QList<QJsonObject> ExchangeServer::requests() const
{
    QList<QJsonObject> result;
    QFile log(m_dir.filePath(QStringLiteral("requests.log")));
    if (!log.open(QIODevice::ReadOnly))
        return result;
    for (const QByteArray &line : log.readAll().split('\n'))
        if (!line.isEmpty())
            result.append(QJsonDocument::fromJson(line).object());
    return result;
}

QStringList ExchangeServer::paths() const
{
    QStringList result;
    for (const QJsonObject &request : requests())
        result.append(request.value(QStringLiteral("path")).toString());
    return result;
}

MailSink::MailSink() : m_port(freePort())
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(pythonProgram(), {fixture("mail_sink.py"), QStringLiteral("--port"),
                                      QString::number(m_port), QStringLiteral("--folder"), m_dir.path()});
    if (!m_process.waitForStarted(10000))
        throw std::runtime_error("mail sink did not start");
    QByteArray seen;
    while (m_process.waitForReadyRead(15000)) {
        seen += m_process.readAll();
        if (seen.contains("READY"))
            return;
    }
    throw std::runtime_error("mail sink did not start: " + seen.toStdString());
}

MailSink::~MailSink()
{
    stop(m_process);
}

int MailSink::mailCount() const
{
    return int(QDir(m_dir.path()).entryList({QStringLiteral("mail-*.json")}, QDir::Files).size());
}

QJsonObject MailSink::mail(int n) const
{
    QFile file(m_dir.filePath(QStringLiteral("mail-%1.json").arg(n)));
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

QByteArray MailSink::attachment(int n, const QString &fileName) const
{
    QFile file(m_dir.filePath(QStringLiteral("mail-%1-%2").arg(n).arg(fileName)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TestPackage makePackage(const QList<TestRecipe> &recipes)
{
    TestPackage package;
    QList<QByteArray> lines;
    auto num = [](qint64 v) { return QByteArray::number(v); };
    for (const TestRecipe &r : recipes) {
        const qint64 preparationOffset = package.data.size();
        package.data += r.preparation;
        const qint64 ingredientsOffset = package.data.size();
        package.data += r.ingredients;
        const qint64 pictureOffset = package.data.size();
        package.data += r.picture;
        const bool picture = !r.picture.isEmpty();
        lines += QList<QByteArray>{r.name,
                                   r.author,
                                   r.dimension,
                                   r.categories,
                                   r.language,
                                   "False",
                                   "",
                                   num(preparationOffset),
                                   num(r.preparation.size()),
                                   num(ingredientsOffset),
                                   num(r.ingredients.size()),
                                   picture ? num(pictureOffset) : "-1",
                                   picture ? num(r.picture.size() / 256) : "-1",
                                   picture ? num(r.picture.size() % 256) : "-1",
                                   "-1",
                                   "-1",
                                   "False",
                                   "False"};
    }
    package.index = joinLinesCrLf(lines);
    return package;
}

QByteArray catalogueText(const QList<QList<QByteArray>> &entries)
{
    QList<QByteArray> lines;
    for (const QList<QByteArray> &entry : entries)
        lines += entry;
    return joinLinesCrLf(lines);
}
