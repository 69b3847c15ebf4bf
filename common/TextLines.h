#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

// Splits bytes into lines at CR, LF or CR LF; a break at the very end makes no further line.
QList<QByteArray> splitLines(QByteArrayView bytes);

// The same, but a zero byte ends the text (server files).
QList<QByteArray> splitLinesUntilNul(QByteArrayView bytes);

// Every line followed by CR LF, the last one included.
QByteArray joinLinesCrLf(const QList<QByteArray> &lines);

// Wide text split at CR LF, CR, LF or U+2028; a break at the very end makes no further line.
QStringList splitTextLines(const QString &text);
