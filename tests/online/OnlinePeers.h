#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// The Python that carries the Debian packages (aiosmtpd) the test peers need.
QString pythonProgram();

// A recipe-exchange server on 127.0.0.1 over a fresh folder, recording every request.
class ExchangeServer {
public:
    // failures: how many requests whose path contains failMatch answer 503.
    explicit ExchangeServer(int failures = 0, const QString &failMatch = QString());
    ~ExchangeServer();

    QString root() const;                                   // "http://127.0.0.1:<port>/"
    void put(const QString &path, const QByteArray &bytes); // below the served folder
    void remove(const QString &path);
    QList<QJsonObject> requests() const; // in order: path, agent, accept, cookie, time
    QStringList paths() const;

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
};

// An SMTP server (aiosmtpd) on 127.0.0.1 writing each mail into a folder.
class MailSink {
public:
    MailSink();
    ~MailSink();
    int port() const { return m_port; }
    int mailCount() const;
    QJsonObject mail(int n) const;                               // from 1: from, to, subject, body
    QByteArray attachment(int n, const QString &fileName) const; // decoded bytes

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
};

// A port on 127.0.0.1 that nobody listens on right now.
int freePort();

// One record of a package, as a test writes it.
struct TestRecipe {
    QByteArray name, author = "Tester", dimension = "4", categories = "100000000000000000000",
                     language = "English";
    QByteArray ingredients = "1 egg", preparation = "Boil it.";
    QByteArray picture = {}; // empty: none
};

// A package in the store's record layout: index and data.
struct TestPackage {
    QByteArray index, data;
};
TestPackage makePackage(const QList<TestRecipe> &recipes);

// Catalogue lines: id, name, author, dimension, categories, language per entry.
QByteArray catalogueText(const QList<QList<QByteArray>> &entries);
