#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// Replaces the file whole through QSaveFile: a crash leaves the old file or the new one.
// Throws Error naming the file when it cannot be written.
void writeFileAtomically(const QString &path, QByteArrayView data);

// Overwrites the file in place, without the atomic replace: for throw-away display files that are
// written often and need no protection against a crash. Throws Error naming the file.
void writePlainFile(const QString &path, QByteArrayView data);

// The whole file; throws Error naming the file when it exists but cannot be read.
std::optional<QByteArray> readFileIfExists(const QString &path);

// The whole file; throws Error naming the file when it is missing or unreadable.
QByteArray readWholeFile(const QString &path);

// Deletes the file if it exists; throws Error when it exists and cannot be removed.
void removeFileIfExists(const QString &path);
