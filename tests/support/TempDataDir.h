#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh data folder with the program's "Languages" beside it, as the build lays it out.
class TempDataDir {
public:
    explicit TempDataDir(bool withLanguages = true);

    QString path() const; // ends with '/'
    QString file(const QString &name) const { return path() + name; }
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const; // empty when missing
    bool exists(const QString &name) const;

private:
    QTemporaryDir m_dir;
};
