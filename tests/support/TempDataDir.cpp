#include "tests/support/TempDataDir.h"

#include <QDir>
#include <QFile>

TempDataDir::TempDataDir(bool withLanguages)
{
    if (!withLanguages)
        return;
    QDir().mkpath(file(QStringLiteral("Languages")));
    const QDir source(QStringLiteral(SAFFIN_SOURCE_DIR "/Languages"));
    for (const QString &name : source.entryList(QDir::Files))
        QFile::copy(source.filePath(name), file(QStringLiteral("Languages/") + name));
}

QString TempDataDir::path() const { return m_dir.path() + QLatin1Char('/'); }

void TempDataDir::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

QByteArray TempDataDir::read(const QString &name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TempDataDir::exists(const QString &name) const { return QFile::exists(file(name)); }
