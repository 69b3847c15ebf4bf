#include "common/FileIO.h"

#include "common/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

void writeFileAtomically(const QString &path, QByteArrayView data)
{
    QSaveFile file(path);
    // Saving beside the target: direct write fallback would defeat the point on odd file systems.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) || file.write(data.data(), data.size()) != data.size() ||
        !file.commit())
        throw Error(QCoreApplication::translate("FileIO", "Could not write the file \"%1\": %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
}

void writePlainFile(const QString &path, QByteArrayView data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(data.data(), data.size()) != data.size() || !file.flush())
        throw Error(QCoreApplication::translate("FileIO", "Could not write the file \"%1\": %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
}

std::optional<QByteArray> readFileIfExists(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QCoreApplication::translate("FileIO", "Could not read the file \"%1\": %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    return file.readAll();
}

QByteArray readWholeFile(const QString &path)
{
    if (auto bytes = readFileIfExists(path))
        return *bytes;
    throw Error(QCoreApplication::translate("FileIO", "The file \"%1\" does not exist.")
                    .arg(QDir::toNativeSeparators(path)));
}

void removeFileIfExists(const QString &path)
{
    QFile file(path);
    if (file.exists() && !file.remove())
        throw Error(QCoreApplication::translate("FileIO", "Could not delete the file \"%1\": %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
}
