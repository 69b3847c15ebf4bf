#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The Windows ANSI code page (Windows-1252) used by "Lang.ini", language names and 8-bit files.
QByteArray toAnsi(const QString &text);   // characters outside the code page become '?'
QString fromAnsi(QByteArrayView bytes);

// Text whose first bytes may be a byte-order mark: FF FE UTF-16 LE, FE FF UTF-16 BE,
// EF BB BF UTF-8; without one, the ANSI code page. The mark is not part of the text.
QString decodeWithByteOrderMark(QByteArrayView bytes);

// UTF-16 little-endian with its mark FF FE first.
QByteArray encodeUtf16LeWithMark(const QString &text);
