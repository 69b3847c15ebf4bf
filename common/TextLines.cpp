#include "common/TextLines.h"

namespace {

QList<QByteArray> split(QByteArrayView bytes, bool stopAtNul)
{
    QList<QByteArray> lines;
    const char *data = bytes.data();
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    qsizetype i = 0;
    for (; i < size; ++i) {
        const char c = data[i];
        if (c == '\0' && stopAtNul)
            break;
        if (c == '\r' || c == '\n') {
            lines.append(QByteArray(data + start, i - start));
            if (c == '\r' && i + 1 < size && data[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (i > start)
        lines.append(QByteArray(data + start, i - start));
    return lines;
}

} // namespace

QList<QByteArray> splitLines(QByteArrayView bytes) { return split(bytes, false); }

QList<QByteArray> splitLinesUntilNul(QByteArrayView bytes) { return split(bytes, true); }

QByteArray joinLinesCrLf(const QList<QByteArray> &lines)
{
    qsizetype total = 0;
    for (const QByteArray &line : lines)
        total += line.size() + 2;
    QByteArray out;
    out.reserve(total);
    for (const QByteArray &line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

QStringList splitTextLines(const QString &text)
{
    QStringList lines;
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n' || c == QChar(0x2028)) {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (size > start)
        lines.append(text.mid(start));
    return lines;
}
